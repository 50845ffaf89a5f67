// Small helpers that put employees, ledgers and a D.A. order into a fresh data folder.
#pragma once

#include "common/schema.h"
#include "support/first_row.h"

#include <QDate>
#include <cmath>

namespace salarytest {

inline data::Database& salaryDb() { return data::Database::open(QString::fromLatin1(common::kSalaryDb)); }

struct Emp {
    QString code, name;
    double pay = 0, gradePay = 0;
    QString hraType;
    double hra = 0;
    QString healthSch = QStringLiteral("NO");
    double oa = 0, gpfSubs = 0, iFund = 0, sFund = 0;
};

inline void addEmployee(const Emp& e)
{
    salaryDb().execute("insert into employee (emp_code, name, designation, scale, acc_no, category, bank_ac, hra_type, health_sch, b_pay, "
                       "grade_pay, hra, oa, gpf_subs, i_fund, s_fund) values (?, ?, ?, '5200-20200', ?, 'C', ?, ?,?,?,?,?,?,?,?,?)",
                       {e.code, e.name, "CLERK " + e.code, "GPF/" + e.code, "SB-" + e.code, e.hraType, e.healthSch, e.pay, e.gradePay, e.hra, e.oa, e.gpfSubs, e.iFund, e.sFund});
}

inline void setDaOrder(double daCurrent, double hra, double ma)
{
    salaryDb().execute("delete from da_table");
    salaryDb().execute("insert into da_table (da_current, hra, ma) values (?,?,?)", {daCurrent, hra, ma});
}
inline void addFestivalAdvance(const QString& code, double due, double rec, double inst)
{
    salaryDb().execute("insert into festi_adv (emp_code, adv_due, adv_rec, inst_no) values (?,?,?,?)", {code, due, rec, inst});
}
inline void addGpfLoan(const QString& code, double due, double rec, double inst)
{
    salaryDb().execute("insert into gpf_loan (emp_code, loan_due, loan_rec, inst_no) values (?,?,?,?)", {code, due, rec, inst});
}
inline QVariantList firstRow(const QString& sql, const QVariantList& params = {}) { return testsupport::firstRow(salaryDb(), sql, params); }

// The first value of a query as a number (-1 for no row).
inline double scalar(const QString& sql, const QVariantList& params = {})
{
    const QVariantList r = firstRow(sql, params);
    return r.isEmpty() ? -1 : r.first().toDouble();
}

// Doubles to the millionth of a rupee, so a row holding thirds compares with hand-worked figures at once.
inline QVariantList rounded(QVariantList r)
{
    for (QVariant& v : r)
        if (v.typeId() == QMetaType::Double)
            v = std::round(v.toDouble() * 1e6) / 1e6;
    return r;
}
inline QVariantList roundedRow(const QString& sql, const QVariantList& params = {}) { return rounded(firstRow(sql, params)); }

// The establishment most run tests use: three employees, each meeting a different rule.
//  A12  by-rate H.R.A., festival advance 1000 in 3, loan 3000 in 10
//  A123 FIXED H.R.A. 8000, health scheme, a paid-off advance, a loan of 500 with no instalments left
//  B7   health scheme written "yes" (not a member), no ledgers
inline void addOffice()
{
    setDaOrder(45, 20, 300);
    addEmployee({"A12", "Ram Kumar", 20000, 4200, "", 0, "NO", 100, 2000, 30, 60});
    addEmployee({"A123", "Sita Devi", 30000, 5400, "FIXED", 8000, "YES", 0, 3000, 0, 0});
    addEmployee({"B7", "Hari Das", 5000, 1000, "", 0, "yes", 0, 500, 0, 0});
    addFestivalAdvance("A12", 1000, 0, 3);
    addGpfLoan("A12", 3000, 0, 10);
    addFestivalAdvance("A123", 0, 2000, 0);
    addGpfLoan("A123", 500, 4500, 0);
}

} // namespace salarytest
