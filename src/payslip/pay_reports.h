// The pay slip (DataReport7) and the pay statement (DataReport11).
#pragma once

#include "platform/reports/report.h"

#include <QDate>

namespace data {
class Database;
}

namespace payslip {

// One slip per salary row of a bill date (or of one code on it), paid or
// not, in the order the rows were prepared; landscape.
class DataReport7 : public reports::Report {
    Q_OBJECT
public:
    DataReport7();
    // Reads Form8: the bill date of Combo1, the code of Combo2 (blank: all),
    // the office line Label32 and the D.D.O. code Label33.
    void initialize() override;
    // The same without the form.
    void fill(data::Database& salaryDb, const QDate& billDate, const QString& code, const QString& office,
              const QString& ddoCode);
};

// One line per salary row of an employee within a period, with the fifteen
// sums at the end; landscape.
class DataReport11 : public reports::Report {
    Q_OBJECT
public:
    DataReport11();
    // Reads Form15: the code of its last look-up, the period its
    // Label9 and Label10 hold, the name (Label5), the pay months (Label7, Label8), the
    // account number (Label13) and the office line (Label11).
    void initialize() override;
    void fill(data::Database& salaryDb, const QString& code, const QDate& from, const QDate& to);
};

} // namespace payslip
