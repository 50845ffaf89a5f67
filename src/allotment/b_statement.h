// The monthly B-statement of a salary head: its bills, the month's and the progressive totals, the cells.
#pragma once

#include "allotment/heads.h"

#include <QDate>
#include <QString>
#include <QVariant>
#include <QVector>

#include <array>
#include <optional>

namespace data {
class Database;
}

namespace allotment {

// Columns 4 to 14 of the statement, in the order of the b_statement fields.
enum StatementColumn : int {
    SPay, SGradePay, SDa, SHraMa, SWages, STa, SCont, SBonus, SScheme, SDeduct, SNet,
    StatementColumnCount
};
using StatementAmounts = std::array<double, StatementColumnCount>;

// The b_statement field paired with each statement column.
extern const std::array<const char*, StatementColumnCount> kStatementFields;

// The workbook "B-statement.xlsx": bill rows 5 to 26, row 27 the template's
// own month totals over them, row 28 the progressive totals.
inline const char* const kStatementTemplate = "B-statement.xlsx";
constexpr int kFirstBillRow = 5;
constexpr int kLastBillRow = 26;
constexpr int kTotalsRow = 27;
constexpr int kProgressiveRow = 28;
constexpr int kFirstAmountCol = 4;

struct StatementBill {
    double billNo = 0;
    QDate billDate; // invalid when the register holds no date
    StatementAmounts amounts{};
    QString heldDate; // then the date as the register holds it
};

// A statement asked for: one reporting month of one financial year.
struct StatementRequest {
    QString headCode;        // the first 20 characters of the salary head's drawal code
    int fyYear = 0;          // the year the financial year starts in
    int monthNo = 0;         // 4 for April .. 12 for December, 13 to 15 for January to March
    QString monthName;       // "APRIL" .. "MARCH"
    QString yearStartMonth;  // the financial-year start as "APR-11"
    int calendarYear() const { return monthNo > 12 ? fyYear + 1 : fyYear; }
};

// Why the frame's choices cannot make a statement: no month picked, or a
// period that is not the picked month of the year shown. Nothing when they
// agree; the period is then exactly that month.
std::optional<QString> checkReportingMonth(const QString& monthName, const QString& monthNo,
                                           const QString& fyYear, const QDate& from, const QDate& to);

struct BStatement {
    StatementRequest request;
    QVector<StatementBill> bills;    // by date, then number
    StatementAmounts monthTotals{};
    // Nothing in April. Otherwise the register's totals from the year's start
    // to the end of the month before, so that a bill of an earlier month
    // entered late, lowered or deleted is carried all the same; the stored
    // row as it stands when the register no longer holds the year.
    StatementAmounts broughtForward{};
    StatementAmounts progressive{};
    // The register's totals of each month of the year before this one, April
    // first, against which the stored rows of those months are checked; none
    // in April, and none when the register was cleared for a later year
    // (the stored rows are then all that is left of the year).
    std::optional<QVector<StatementAmounts>> earlierMonths;
};

// A bill's statement columns from its register amounts (the fourteen columns
// in register order) and its deduction.
StatementAmounts statementAmounts(const std::array<double, ColumnCount>& amounts, double deduction);

// The bills of the month under every head whose code holds the head code,
// with the month's and the progressive totals. None when the month is not
// April and the year has no totals brought forward into it (the previous
// month's statement was never made).
std::optional<BStatement> makeBStatement(data::Database& fund, const StatementRequest& request);

// What storing a statement's progressive totals did to the year's rows.
struct StoredTotals {
    bool added = false;   // the next month's row was new
    // The months (4 April .. 15 March) other than the statement's own whose
    // progressive totals, as the stored rows carry them forward, changed:
    // their statements made earlier no longer show them.
    QVector<int> movedMonths;
};

// Stores the progressive totals as brought forward into the next month, and
// brings the year's other rows of the head code into line with the register:
// each row up to the statement's month takes the register's totals to the
// end of its month (a bill entered late, lowered or deleted), and every row
// after the next month's moves by as much as the next month's row did, since
// each of them carried the old figure forward. Run it inside the caller's
// transaction, so that the rows move together or not at all; a row already
// holding its figures is not written.
StoredTotals storeProgressive(data::Database& fund, const BStatement& statement);

struct SheetCell {
    int row;
    int col;
    QVariant value;
};

// What goes into the template's first sheet. Past 22 bills, `extraRows` rows
// are inserted before the last bill row first, so that the month totals sum
// every bill and the totals rows move down; the cells' rows count them.
struct StatementSheet {
    int insertBefore = kLastBillRow;
    int extraRows = 0;
    QVector<SheetCell> cells;
};
StatementSheet statementSheet(const BStatement& statement);

} // namespace allotment
