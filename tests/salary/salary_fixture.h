// Small helpers that put employees, ledgers and a D.A. order into a fresh data folder.
#pragma once

#include "common/schema.h"
#include "platform/data/database.h"
#include "platform/data/recordset.h"
#include "support/first_row.h"

#include <QDate>
#include <QString>
#include <QVariantList>

namespace salarytest {

inline data::Database& salaryDb()
{
    return data::Database::open(QString::fromLatin1(common::kSalaryDb));
}

struct Emp {
    QString code;
    QString name;
    double pay = 0;
    double gradePay = 0;
    QString hraType;
    double hra = 0;
    QString healthSch = QStringLiteral("NO");
    double oa = 0;
    double gpfSubs = 0;
    double iFund = 0;
    double sFund = 0;
};

inline void addEmployee(const Emp& e)
{
    salaryDb().execute(
        QStringLiteral("insert into employee (emp_code, name, designation, scale, acc_no, category, "
                       "bank_ac, hra_type, health_sch, b_pay, grade_pay, hra, oa, gpf_subs, i_fund, "
                       "s_fund) values (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)"),
        {e.code, e.name, QStringLiteral("CLERK ") + e.code, QStringLiteral("5200-20200"),
         QStringLiteral("GPF/") + e.code, QStringLiteral("C"), QStringLiteral("SB-") + e.code,
         e.hraType, e.healthSch, e.pay, e.gradePay, e.hra, e.oa, e.gpfSubs, e.iFund, e.sFund});
}

inline void setDaOrder(double daCurrent, double hra, double ma)
{
    salaryDb().execute(QStringLiteral("delete from da_table"));
    salaryDb().execute(QStringLiteral("insert into da_table (da_current, hra, ma) values (?,?,?)"),
                       {daCurrent, hra, ma});
}

inline void addFestivalAdvance(const QString& code, double due, double rec, double inst)
{
    salaryDb().execute(QStringLiteral("insert into festi_adv (emp_code, adv_due, adv_rec, inst_no) "
                                      "values (?,?,?,?)"), {code, due, rec, inst});
}

inline void addGpfLoan(const QString& code, double due, double rec, double inst)
{
    salaryDb().execute(QStringLiteral("insert into gpf_loan (emp_code, loan_due, loan_rec, inst_no) "
                                      "values (?,?,?,?)"), {code, due, rec, inst});
}

// The first row a query returns, as a list of values (empty when none).
inline QVariantList firstRow(const QString& sql, const QVariantList& params = {})
{
    return testsupport::firstRow(salaryDb(), sql, params);
}

inline double scalar(const QString& sql, const QVariantList& params = {})
{
    const QVariantList r = firstRow(sql, params);
    return r.isEmpty() ? -1 : r.first().toDouble();
}

// The establishment most run tests use: three employees, each meeting
// a different rule.
//  A12  by-rate H.R.A., festival advance 1000 in 3, loan 3000 in 10
//  A123 FIXED H.R.A. 8000, health scheme, a paid-off advance, a loan of 500
//       with no instalments left
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
