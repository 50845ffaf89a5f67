// A small office with one activated pay bill on the bill form, for the schedule tests.
#pragma once

#include "common/schema.h"
#include "paybill/bill_form.h"
#include "platform/data/database.h"
#include "platform/forms/basic_controls.h"
#include "platform/forms/list_controls.h"
#include "platform/forms/registry.h"
#include "platform/forms/text_box.h"
#include "platform/reports/registry.h"
#include "support/temp_data_folder.h"
#include "support/ui_driver.h"

#include <QDate>
#include <gtest/gtest.h>

namespace schedtest {

inline data::Database& salaryDb() { return data::Database::open(QString::fromLatin1(common::kSalaryDb)); }
inline data::Database& fundDb() { return data::Database::open(QString::fromLatin1(common::kFundDb)); }

// The bill of 29 February 2012 under a head whose codes begin with "S".
inline const QDate kBillDate{2012, 2, 29};
inline const QDate kQuietBillDate{2012, 1, 31};
inline const char* const kDrawalCode = "12345678901234501";

struct Row {
    const char* code;
    const char* name;
    const char* category;
    const char* accNo;
    double pay = 0, gpfSubs = 0, gpfRec = 0, iFund = 0, sFund = 0, pTax = 0, iTax = 0;
    double hbLoan = 0, hbInt = 0, others = 0;
};

inline void addSalary(const QDate& date, const Row& r)
{
    salaryDb().execute(
        QStringLiteral("insert into salary (name, designation, acc_no, pay, d_pay, gpf_subs, gpf_rec, \"if\", sf,"
                       " p_tax, emp_code, bill_date, p_month, hb_loan, hb_int, i_tax, others, category)"
                       " values (?,?,?,?,1900,?,?,?,?,?,?,?,?,?,?,?,?,?)"),
        {QString::fromUtf8(r.name), QStringLiteral("CLERK"), QString::fromUtf8(r.accNo), r.pay, r.gpfSubs, r.gpfRec,
         r.iFund, r.sFund, r.pTax, QString::fromUtf8(r.code), date, QStringLiteral("Feb-12"), r.hbLoan, r.hbInt,
         r.iTax, r.others, QString::fromUtf8(r.category)});
}

inline void addEmployee(const char* code, const char* name, const char* grp, const char* pan)
{
    salaryDb().execute(QStringLiteral("insert into employee (emp_code, name, grp, pan, pay_band_scale,"
                                      " effect_date, basic) values (?,?,?,?,?,?,?)"),
                       {QString::fromUtf8(code), QString::fromUtf8(name), QString::fromUtf8(grp),
                        QString::fromUtf8(pan), QStringLiteral("5400-20200"), QDate(2011, 7, 1), 14690});
}

// The office, its heads and one bill whose rows carry every kind of recovery.
// S005 was paid in the bill and has since been removed from the master.
inline void makeOffice()
{
    fundDb().execute(QStringLiteral("insert into estt (ddo_code, degn, dist) values"
                                    " ('DDO-1', 'Block Development Officer', 'Nadia'),"
                                    " ('DDO-2', 'Sub-Divisional Officer', 'Ranaghat')"));
    fundDb().execute(QStringLiteral("insert into head (drawal_code, description, code_category) values (?,?,?)"),
                     {QString::fromLatin1(kDrawalCode), QStringLiteral("Salary Office S"), QStringLiteral("S")});
    fundDb().execute(QStringLiteral("insert into all_exp (head, bill_no, bill_date) values (?, 42, ?)"),
                     {QString::fromLatin1(kDrawalCode), kBillDate});

    addEmployee("S001", "Asha Roy", "A", "ABCDE1234F");
    addEmployee("S002", "Bimal Das", "OLD", "BCDEF2345G");
    addEmployee("S003", "Chitra Sen", "C", "CDEFG3456H");
    addEmployee("S004", "Dulal Pal", "OLD", "DEFGH4567J");

    Row s1{"S001", "Asha Roy", "A", "Agr/101", 20000, 2000, 500, 24, 56, 200, 1500};
    Row s2{"S002", "Bimal Das", "B", "Agr/102", 15000, 1500, 0, 3, 5, 150};
    s2.hbLoan = 1000;
    s2.hbInt = 250;
    // No provident-fund account, yet a subscription was deducted.
    Row s3{"S003", "Chitra Sen", "C", "Nil", 9000, 300, 0, 6, 14, 110};
    s3.others = 450;
    Row s4{"S004", "Dulal Pal", "D", "Agri/9", 7000, 600, 0, 3, 5, 0};
    Row s5{"S005", "Emon Kar", "C", "Agr/105", 9500, 1000, 250.5, 6, 0, 130, 700};
    for (const Row& r : {s1, s2, s3, s4, s5})
        addSalary(kBillDate, r);
    // Paid from another head: never part of this bill.
    addSalary(kBillDate, Row{"T001", "Other Head", "D", "Agri/77", 8000, 900, 0, 3, 5, 100, 300});

    // A bill with little in it: one 1987 member without fund or tax.
    addSalary(kQuietBillDate, Row{"S010", "Gopal Saha", "C", "Nil", 9000, 0, 0, 6, 14, 0});
}

// The office above with the bill form on screen, office DDO-2 chosen and the
// February bill activated.
class BillOnForm : public ::testing::Test {
protected:
    void SetUp() override
    {
        makeOffice();
        form = &forms::Forms::get<paybill::Form6>();
        testsupport::showForm(*form);
        ASSERT_TRUE(testsupport::choose(*form->Combo3, QStringLiteral("DDO-2")));
        activate(kBillDate);
    }

    void TearDown() override
    {
        reports::Reports::unloadAll();
        forms::Forms::unloadAll();
        testsupport::settle();
    }

    void activate(const QDate& date)
    {
        ASSERT_TRUE(testsupport::chooseByData(*form->Combo1, date));
        if (date != kBillDate)
            boxes.answer(forms::vbNo, QStringLiteral("NO BILL FOUND"));
        ASSERT_TRUE(testsupport::choose(*form->Combo2, QStringLiteral("Salary Office S")));
        testsupport::click(*form->Command1);
        ASSERT_FALSE(form->Command1->isEnabled());
        boxes.clearBoxes();
    }

    // The note of a schedule with nothing to show.
    void expectNote(const QString& note)
    {
        ASSERT_EQ(boxes.boxes().size(), 1) << boxes.prompts().join(QLatin1Char('|')).toStdString();
        EXPECT_EQ(boxes.boxes().first().prompt, note);
        EXPECT_EQ(boxes.boxes().first().style, forms::vbOKOnly + forms::vbInformation);
        EXPECT_EQ(boxes.boxes().first().title, QStringLiteral("PLEASE NOTE"));
        boxes.clearBoxes();
    }

    testsupport::TempDataFolder folder;
    testsupport::ScriptedBoxes boxes;
    paybill::Form6* form = nullptr;
};

// The single text of a control on the laid-out report ("" when it is not there).
inline QString textOf(const reports::PageModel& m, const char* control)
{
    const QStringList t = m.texts(QString::fromLatin1(control));
    return t.isEmpty() ? QString() : t.first();
}

} // namespace schedtest
