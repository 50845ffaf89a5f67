// What the outer sheet and the pro statement of a pay bill hold, cell by cell, read from its working tables.
#pragma once

#include <QDate>
#include <QString>
#include <QVariant>
#include <QVector>
#include <optional>

namespace data {
class Database;
}

namespace paybill {

// One cell of a workbook's first sheet; a null value leaves the cell empty.
struct Cell {
    int row = 0;
    int col = 0;
    QVariant value;
};
// In the order the cells are written.
using CellMap = QVector<Cell>;

// The bill as the bill form names it.
struct OuterSheetBill {
    QString billNo;       // Label16: bill number or "NIL"
    QString billDateText; // Combo1: the bill date as listed
    QDate billDate;
    QString payMonth;     // Label6
    QString drawalCode;   // Label7
    QString financialYear; // Label58: the year the form was opened in, "2011-2012"
};

// The front and back page: the bill's pay and allowances with, on a line of
// its own, what the bill draws in gross alone (0 when nothing), the head's
// allotment and registered bills from the start of the bill's own financial
// year up to the date the register keeps it under, the deductions split by
// schedule (provident fund by group, as the schedules are) and the net amount
// in words. nullopt when sal holds no row of a bill.
std::optional<CellMap> outerSheetCells(data::Database& salaryDb, data::Database& fundDb,
                                       const OuterSheetBill& bill);

struct ProStatement {
    CellMap cells;
    bool noScheme1983 = false; // no row of the bill is of the 1983 insurance scheme
};

// The pro statement: one column of the bill's totals with, on a line of its
// own (row 14), what the bill draws in gross alone (0 when nothing), the net
// amount in figures and words, and the first four characters of the drawal
// code. Its provident fund is split by account-number series: row 19 the
// accounts that begin "Agr", row 46 every other. Row 40 (other recoveries)
// only when asked for, since the printed statement keeps the template's row.
// nullopt when sal holds no row of a bill.
std::optional<ProStatement> proStatementCells(data::Database& salaryDb, const QString& drawalCode,
                                              bool otherRecoveries);

} // namespace paybill
