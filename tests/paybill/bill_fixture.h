// An office with salary heads, a bill register and salary rows, for the bill form and its working tables.
#pragma once

#include "common/schema.h"
#include "paybill/bill_form.h"
#include "paybill/register_forms.h"
#include "platform/data/database.h"
#include "platform/forms/clock.h"
#include "platform/forms/controls.h"
#include "platform/forms/registry.h"
#include "platform/reports/registry.h"
#include "support/first_row.h"
#include "support/temp_data_folder.h"
#include "support/ui_driver.h"

#include <QDate>
#include <QVariantList>
#include <gtest/gtest.h>

namespace billtest {

inline data::Database& salaryDb() { return data::Database::open(QString::fromLatin1(common::kSalaryDb)); }
inline data::Database& fundDb() { return data::Database::open(QString::fromLatin1(common::kFundDb)); }

// Two salary heads share the description "SALARY": S (registered bill 17 for
// March 2012, kept under 1 April 2012) and T.
inline const char* const kHeadS = "12345678901234501";
inline const char* const kHeadT = "99999999999999901";
inline const QDate kMarchBill{2012, 3, 31};
inline const QDate kFebBill{2012, 2, 29};

struct SalaryRow {
    QString code;
    double dPay = 0, iFund = 0, sFund = 0, iTax = 0, hbLoan = 0, hbInt = 0, pay = 0;
};

inline void addSalary(const QDate& date, const SalaryRow& r)
{
    salaryDb().execute(
        QStringLiteral("INSERT INTO salary (name, designation, acc_no, pay, less_fa, d_pay, da, hra, ma, oa, gross,"
                       " gpf_subs, gpf_rec, \"if\", sf, p_tax, misc, net, emp_code, bill_date, p_month, hb_loan,"
                       " hb_int, i_tax, others, deduct, category, bank_ac)"
                       " VALUES (?,?,?,?,0,?,?,?,?,?,?,?,0,?,?,?,?,?,?,?,?,?,?,?,0,?,?,?)"),
        {QStringLiteral("Name ") + r.code, QStringLiteral("CLERK"), QStringLiteral("Agr/") + r.code, r.pay, r.dPay,
         r.pay / 10, r.pay / 20, 300, 0, r.pay + r.pay / 10 + r.pay / 20 + 300, 500, r.iFund, r.sFund, 110,
         r.hbLoan + r.hbInt + r.iTax, 0, r.code, date, QStringLiteral("Mar-12"), r.hbLoan, r.hbInt, r.iTax,
         500 + r.iFund + r.sFund + 110 + r.hbLoan + r.hbInt + r.iTax, QStringLiteral("C"),
         QStringLiteral("SB-") + r.code});
}

inline void addEmployee(const QString& code, const QString& grp)
{
    salaryDb().execute("INSERT INTO employee (emp_code, name, grp) VALUES (?,?,?)", {code, "Name " + code, grp});
}

inline void makeOffice()
{
    fundDb().execute(QStringLiteral("INSERT INTO estt (ddo_code, degn, dist) VALUES"
                                    " ('DDO-1', 'Block Development Officer', 'Nadia'),"
                                    " ('DDO-2', 'Sub-Divisional Officer', 'Ranaghat')"));
    fundDb().execute(QStringLiteral("INSERT INTO head (drawal_code, description, code_category) VALUES"
                                    " (?, 'SALARY', 'S'), ('11111111111111102', 'WAGES', 'S'), (?, 'SALARY', 'T')"),
                     {QString::fromLatin1(kHeadS), QString::fromLatin1(kHeadT)});
    fundDb().execute(QStringLiteral("INSERT INTO all_exp (head, bill_no, bill_date) VALUES (?, 0, ?), (?, 17, ?)"),
                     {QString::fromLatin1(kHeadS), QDate(2012, 4, 1), QString::fromLatin1(kHeadS),
                      QDate(2012, 4, 1)});
}

// n rows for head S numbered by their code: row i has the i-th highest
// grade pay, pay 1000 * i, and every third row is of the 1983 scheme.
inline void makeBill(const QDate& date, int n)
{
    for (int i = 1; i <= n; ++i)
        addSalary(date, {QStringLiteral("S%1").arg(i, 3, 10, QLatin1Char('0')), 10000.0 - i, i % 3 ? 6.0 : 3.0,
                         i % 3 ? 14.0 : 5.0, 0, 0, 0, 1000.0 * i});
}

inline double scalar(const QString& sql) { return testsupport::number(salaryDb(), sql); }

// Forms and reports unloaded at the end of a form test.
inline void unloadAll()
{
    reports::Reports::unloadAll();
    forms::Forms::unloadAll();
    testsupport::settle();
}

// Chooses the bill date and the head of drawal code `head` (a bill not in the register answered No) and activates.
inline void activateOn(paybill::Form6& f, const QDate& date, const char* head, bool registered = true)
{
    ASSERT_TRUE(testsupport::chooseByData(*f.Combo1, date));
    const auto pick = [&] { ASSERT_TRUE(testsupport::chooseByData(*f.Combo2, QString::fromLatin1(head))); };
    if (registered)
        pick();
    else
        testsupport::saidBy(pick, {{forms::vbNo, "NO BILL FOUND"}});
    testsupport::click(*f.Command1);
    ASSERT_FALSE(f.Command1->isEnabled());
}

// The stand-in for the bill-register form, which another module provides.
class Form1 : public forms::Form {
public:
    using forms::Form::Form;
};

// The bill form on screen over the office, with today fixed.
class BillForm : public ::testing::Test {
protected:
    // The office's rows, written before the form loads.
    virtual void makeData() { makeOffice(); }
    void SetUp() override
    {
        paybill::registerForms();
        makeData();
    }

    void TearDown() override { unloadAll(); }

    paybill::Form6& open()
    {
        form = &forms::Forms::get<paybill::Form6>();
        testsupport::showForm(*form);
        return *form;
    }

    // Chooses the date and head S (whose March bill is registered) and activates.
    void activate(const QDate& date) { activateOn(*form, date, kHeadS, date == kMarchBill); }

    forms::Clock::Override today{QDate(2028, 2, 29)};
    testsupport::TempDataFolder folder;
    testsupport::ScriptedBoxes boxes;
    paybill::Form6* form = nullptr;
};

} // namespace billtest
