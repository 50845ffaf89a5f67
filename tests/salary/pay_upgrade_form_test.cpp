#include "salary/pay_upgrade_form.h"

#include "platform/forms/clock.h"
#include "platform/forms/controls.h"
#include "platform/forms/registry.h"
#include "platform/vb/convert.h"
#include "salary/da_rates.h"
#include "salary/regular_salary_form.h"
#include "salary_fixture.h"
#include "support/form_fixture.h"
#include "support/ui_driver.h"

#include <gtest/gtest.h>

using namespace salarytest;
using forms::CheckBox;
using forms::CommandButton;
using forms::Forms;
using forms::Label;
using forms::TextBox;
using namespace testsupport;

namespace {

class Form5Test : public FormFixture<salary::form5> {
protected:
    void SetUp() override
    {
        setDaOrder(40, 10, 310);
        addEmployee({"D1", "Asha Sen", 30000, 2000, "FIXED", 8000, "YES", 310, 1000, 30, 60});
        addEmployee({"D22", "Binod Roy", 15000, 1800, "", 0, "NO", 0, 500, 0, 0});
        addFestivalAdvance("D1", 1000, 0, 3);
        addGpfLoan("D1", 5000, 0, 10);
        open();
    }

    void lookUp(const QString& code) { enter(box(1), code); }
    // March 2012 split at the 15th: 14 and 17 days of a 31-day month.
    void calculateBoth()
    {
        for (auto [n, text] : {std::pair{6, "31000"}, {7, "01/03/2012"}, {8, "14/03/2012"}, {0, ""}, {14, "31000"}, {15, "15/03/2012"},
                               {16, "31/03/2012"}, {30, "2400"}})
            n ? enter(box(n), text) : click(button(1));
        click(button(2));
    }

    forms::Clock::Override today{QDate(2012, 3, 31)};
};

} // namespace

TEST_F(Form5Test, TotalSalaryHandsBothPeriodsToTheSalaryFormWhichSavesWithTheLoanStopped)
{
    ScriptedBoxes boxes;
    lookUp("D1");
    EXPECT_EQ(box(29).text(), "2000");
    calculateBoth();
    // Period 1: 14000, grade pay 903, D.A. 5961, H.R.A. 1490, M.A. 140; O.A. 140 apart.
    // Period 2: 17000, new grade pay 1316, D.A. 7326, H.R.A. 1832, M.A. 170.
    EXPECT_EQ(texts({24, 13, 31, 25, 21}) << form->control<Label>("Label35").caption(), (QStringList{"14000", "22494", "140", "17000", "27644", "14"}));
    ASSERT_TRUE(button(3).isEnabled());

    click(form->control<CheckBox>("Check2"));
    click(button(3));
    ASSERT_TRUE(Forms::isLoaded("SALARY"));
    salary::SALARY& sal = Forms::get<salary::SALARY>();
    auto sbox = [&](int n) -> TextBox& { return sal.control<TextBox>(QStringLiteral("Text%1").arg(n)); };
    EXPECT_TRUE(sal.isVisible());
    QStringList shown; // recovery stopped: 0 in Text15; the pay-upgrade form saves nothing
    for (int n : {2, 3, 7, 1, 9, 10, 11, 12, 13, 8, 15, 14})
        shown << sbox(n).text();
    EXPECT_EQ(shown << sal.control<Label>("Label41").caption() << QString::number(scalar("select count(*) from salary")),
              (QStringList{"D1", "Asha Sen", "31000", "2219", "13287", "3322", "310", "310", "50138", "333.33", "0", "1000", "SB-D1", "0"}));

    // Finished and saved on the salary form.
    showForm(sal);
    enter(sbox(12), "310");
    // 31000 + 2219 + 13287 + 3322 + 310 + 310 - 333.33.
    EXPECT_EQ(sbox(13).text(), "50114.67");
    enter(sbox(19), "0");
    click(sal.control<CommandButton>("Command1"));
    click(sal.control<CommandButton>("Command4"));
    EXPECT_EQ(boxes.lastPrompt(), "ENTERED IN THE PAY ROLL");
    // Gross as shown; nothing taken off the loan, not even an instalment; the employee
    // record not touched by the code written into the salary form.
    EXPECT_EQ(firstRow("select pay, d_pay, gpf_rec, salary.emp_code, gross, loan_due, loan_rec, g.inst_no, f.inst_no, (select count(*) from employee) "
                       "from salary, gpf_loan g, festi_adv f"),
              (QVariantList{31000.0, 2219.0, 0.0, "D1", 50114.67, 5000.0, 0.0, 10.0, 2.0, 2}));
}

// Instalments of 4000 in 3 are handed over to the paisa, 1333.33: the salary
// form shows, works with and stores that figure, and moves both ledgers by it.
TEST_F(Form5Test, HandedOverInstalmentsAreWholePaiseShownAndStoredAlike)
{
    ScriptedBoxes boxes;
    addFestivalAdvance("D22", 4000, 0, 3);
    addGpfLoan("D22", 4000, 0, 3);
    lookUp("D22");
    calculateBoth();
    click(button(3));
    salary::SALARY& sal = Forms::get<salary::SALARY>();
    auto sbox = [&](int n) -> TextBox& { return sal.control<TextBox>(QStringLiteral("Text%1").arg(n)); };
    showForm(sal);
    // Period 1: 14000, grade pay 1800 x 14/31 = 813, D.A. 40 % of 14813 = 5925, H.R.A. 1481, M.A. 140.
    // Period 2: 17000, 2400 x 17/31 = 1316, D.A. 7326, H.R.A. 1832, M.A. 170. No O.A.
    EXPECT_EQ(QStringList({sbox(7).text(), sbox(1).text(), sbox(9).text(), sbox(10).text(), sbox(8).text(), sbox(15).text()}),
              (QStringList{"31000", "2129", "13251", "3313", "1333.33", "1333.33"}));
    enter(sbox(12), "0");
    enter(sbox(19), "0");
    // Gross 50003 - 1333.33 = 48669.67, tax 200; deductions 500 + 1333.33 + 200 = 2033.33;
    // net 48669.67 - 2033.33 = 46636.34 (a third of a rupee twice over would have said .33).
    EXPECT_EQ(QStringList({sbox(13).text(), sbox(18).text(), sal.control<Label>("Label38").caption(), sbox(20).text()}),
              (QStringList{"48669.67", "200", "2033.33", "46636.34"}));
    click(sal.control<CommandButton>("Command1"));
    click(sal.control<CommandButton>("Command4"));
    EXPECT_EQ(boxes.lastPrompt(), "ENTERED IN THE PAY ROLL");
    EXPECT_EQ(firstRow("select less_fa, gpf_rec, gross, deduct, net, adv_due, adv_rec, f.inst_no, loan_due, loan_rec, g.inst_no "
                       "from salary join festi_adv f using (emp_code) join gpf_loan g using (emp_code)"),
              (QVariantList{1333.33, 1333.33, 48669.67, 2033.33, 46636.34, 2666.67, 1333.33, 2.0, 2666.67, 1333.33, 2.0}));
}

TEST_F(Form5Test, NewLookUpForgetsThePeriodsUntilBothAreCalculatedAgain)
{
    ScriptedBoxes boxes;
    lookUp("D1");
    calculateBoth();
    ASSERT_TRUE(button(3).isEnabled());

    lookUp(" D22 "); // trimmed
    EXPECT_EQ(texts({2, 9, 10, 11, 12, 13, 17, 18, 19, 20, 21, 24, 25, 31, 32}).join("") + QString::number(button(3).isEnabled()), "Binod Roy0");
    click(button(2));
    EXPECT_FALSE(button(3).isEnabled()); // period 1 not yet for this employee
    click(button(1));
    EXPECT_TRUE(button(3).isEnabled() && box(31).text() == "0"); // no O.A. on the record

    lookUp("X1");
    EXPECT_EQ(boxes.prompts() << QString::number(button(3).isEnabled()), (QStringList{"Record not found in Employee table.Check emp code", "0"}));
}

TEST_F(Form5Test, PeriodEndingBeforeItBeginsAndFiguresOutsideTheirLimitsAreRefused)
{
    ScriptedBoxes boxes;
    lookUp("D1");
    for (auto [n, text] : {std::pair{6, "31000"}, {7, "14/03/2012"}, {8, "01/03/2012"}, {14, "31000"}, {15, "15/03/2012"}, {16, "31/03/2012"}, {30, "24OO"}})
        box(n).setText(text);
    click(button(1));
    EXPECT_EQ(focused(), &box(8));
    click(button(2));
    EXPECT_EQ(boxes.prompts() + texts({24, 25}),
              (QStringList{"THE PERIOD ENDS BEFORE IT BEGINS. CHECK THE DATES.", "NEW GRADE PAY INVALID TYPE", "", ""}));

    // Pay and dates outside their limits, or no D.A. order.
    box(7).setText("01/03/2012");
    box(8).setText("14/03/2012");
    for (auto [bad, said] : {std::pair{"31,000", "ONLY DIGIT ARE ACCEPTABLE AS BASIC PAY"},
                             {"3.1e4", "ONLY DIGIT ARE ACCEPTABLE AS BASIC PAY"},
                             {"-31000", "ONLY DIGIT ARE ACCEPTABLE AS BASIC PAY"},
                             {"31000.00000000001", "ONLY DIGIT ARE ACCEPTABLE AS BASIC PAY"},
                             {"10000000", "THE AMOUNT IS TOO LARGE: A SALARY PART MUST BE LESS THAN ONE CRORE"},
                             {"31000.005", "A SALARY AMOUNT IS KEPT TO THE PAISA: TYPE AT MOST TWO FIGURES AFTER THE POINT"}}) {
        box(6).setText(QString::fromLatin1(bad));
        click(button(1));
        EXPECT_EQ(boxes.lastPrompt(), QString::fromLatin1(said)) << bad;
    }
    box(6).setText("31000");
    box(8).setText("14/03/2100"); // no year of this office
    click(button(1));
    EXPECT_EQ(boxes.lastPrompt() + box(24).text(), "THIS IS NOT A VALID DATE");

    // Without an order there is no D.A., H.R.A. or M.A. to split.
    boxes.clearBoxes();
    salaryDb().execute("delete from da_table");
    box(8).setText("14/03/2012");
    click(button(1));
    EXPECT_EQ(boxes.prompts() << box(24).text() << QString::number(button(3).isEnabled()), (QStringList{salary::noDaOrderMessage(), "", "0"}));
}
