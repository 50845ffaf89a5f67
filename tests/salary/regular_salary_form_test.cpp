#include "salary/regular_salary_form.h"

#include "platform/data/data_control.h"
#include "platform/forms/clock.h"
#include "platform/forms/controls.h"
#include "platform/forms/registry.h"
#include "platform/vb/convert.h"
#include "salary/da_rates.h"
#include "salary/single_click_form.h"
#include "salary_fixture.h"
#include "support/form_fixture.h"
#include "support/ui_driver.h"

#include <gtest/gtest.h>

using namespace salarytest;
using namespace testsupport;
using forms::CheckBox;
using forms::CommandButton;
using forms::DatePicker;
using forms::Forms;
using forms::Label;
using forms::TextBox;

namespace {

class SalaryFormTest : public FormFixture<salary::SALARY> {
protected:
    void SetUp() override
    {
        addOffice();
        open();
    }

    CommandButton& button(const char* name) { return form->control<CommandButton>(name); }
    void choose(int employeeRow) { form->findChild<data::DataControl*>("Data1")->setCurrentRow(employeeRow); }
    // O.A. and misc. recoveries through the Enter chain, as the clerk goes.
    void walkChain(const QString& oa, const QString& misc)
    {
        enter(box(12), oa);
        enter(box(19), misc);
    }

    forms::Clock::Override today{QDate(2012, 3, 10)};
};

} // namespace

TEST_F(SalaryFormTest, ChosenEmployeeFillsBoxesByTheSalaryRulesAndTheQuickLinkLeaves)
{
    // A12: pay 20000 + grade pay 4200, D.A. 45 %, H.R.A. 20 %, M.A. 300,
    // advance 1000 in 3, loan 3000 in 10.
    EXPECT_EQ(texts({2, 3, 7, 1, 8, 9, 10, 11, 15}),
              (QStringList{"A12", "Ram Kumar", "20000", "4200", "333.33", "10890", "4840", "300", "300"}));
    EXPECT_EQ(form->control<Label>("Label39").caption() + form->control<Label>("Label41").caption(), "CSB-A12");
    EXPECT_FALSE(button("Command1").isEnabled() || button("Command4").isEnabled());

    // A123: FIXED H.R.A. of 8000 paid as it stands, health scheme: no M.A.;
    // a paid-off advance gives nothing, a loan with no instalments left the whole due.
    choose(1);
    EXPECT_EQ(texts({2, 10, 11, 8, 15}), (QStringList{"A123", "8000", "0", "0", "500"}));

    // The quick pay-bill link leaves for the single-click form.
    if (!Forms::isRegistered("Form9"))
        Forms::registerForm<salary::Form9>("Form9");
    click(form->control<Label>("Label40"));
    settle();
    EXPECT_FALSE(Forms::isLoaded("SALARY"));
    forms::Form* quick = Forms::loaded("Form9");
    ASSERT_NE(quick, nullptr);
    EXPECT_TRUE(quick->isVisible() && !quick->control<CommandButton>("Command7").isVisibleTo(quick) &&
                quick->control<CommandButton>("Command4").isVisibleTo(quick));
}

TEST_F(SalaryFormTest, OkSavesTheRowAndAdvancesBothLedgers)
{
    ScriptedBoxes boxes;
    walkChain("100", "0");
    // Gross 40330 - 333.33 = 39996.67, shown and stored alike; deductions 2000 + 300 + 30 + 60 + 150.
    EXPECT_EQ(texts({13, 18, 20}) << form->control<Label>("Label38").caption(), (QStringList{"39996.67", "150", "37456.67", "2540"}));
    ASSERT_TRUE(button("Command1").isEnabled());
    EXPECT_EQ(focused(), &button("Command1"));

    // A bonus paid this month (drawn in gross alone) prepared no salary: no question.
    salaryDb().execute("insert into salary (emp_code, name, pay, d_pay, da, hra, ma, oa, gross, net, p_month, bill_date)"
                       " values ('A12', 'Ram Kumar', 0, 0, 0, 0, 0, 0, 4000, 4000, 'Mar-12', '2012-03-05')");
    click(button("Command1"));
    ASSERT_TRUE(button("Command4").isEnabled() && !box(21).isEnabled()); // no misc. recovery to break up
    click(button("Command4"));

    EXPECT_EQ(boxes.prompts(), QStringList{"ENTERED IN THE PAY ROLL"});
    // The advance moves by the 333.33 recovered: 666.67 left.
    EXPECT_EQ(firstRow("select pay, d_pay, less_fa, da, hra, ma, oa, gross, gpf_subs, gpf_rec, if, sf, p_tax, misc, net, deduct, bill_date, "
                       "p_month, category, bank_ac, hb_loan, adv_due, adv_rec, f.inst_no, loan_due, loan_rec, g.inst_no from salary "
                       "join festi_adv f using (emp_code) join gpf_loan g using (emp_code) where pay > 0"),
              (QVariantList{20000.0, 4200.0, 333.33, 10890.0, 4840.0, 300.0, 100.0, 39996.67, 2000.0, 300.0, 30.0, 60.0, 150.0, 0.0,
                            37456.67, 2540.0, QDate(2012, 3, 10), "Mar-12", "C", "SB-A12", 0.0, 666.67, 333.33, 2.0, 2700.0, 300.0, 9.0}));
    EXPECT_FALSE(button("Command4").isEnabled()); // saved once

    // The same month again: the question names the employee; No leaves OK off.
    // Enter keeps one copy (260: Yes/No, No the default).
    const auto again = [&](int answer) {
        const QStringList said = saidBy([&] { click(button("Command1")); }, {{answer, "SALARY OF RAM KUMAR FOR THE MONTH OF Mar-12"}});
        return said.value(0).section('|', 0, 1) + QString::number(button("Command4").isEnabled());
    };
    EXPECT_EQ(again(forms::vbNo), "DUPLICATE ENTRY ERROR|2600");
    EXPECT_EQ(again(forms::vbYes), "DUPLICATE ENTRY ERROR|2601");
}

// B7 has no ledgers: each is noted before the row is reported. A12, its loan
// recovery stopped, on a bill of 1 April: booked to March, where a row of
// 31 March already is, and the loan left alone.
TEST_F(SalaryFormTest, NoLedgersAreNotedAndAStoppedRecoveryOnFirstOfAprilIsMarchs)
{
    const auto save = [&](std::initializer_list<Reply> replies = {}) {
        return saidBy([&] { click(button("Command1")); click(button("Command4")); }, replies);
    };
    choose(2);
    walkChain("0", "0");
    EXPECT_EQ(save(), (QStringList{"Hi|64|No Festival Advance Pending", "Hi|64|No GPF Loan pending", "Hi|64|ENTERED IN THE PAY ROLL"}));

    choose(0);
    salaryDb().execute("insert into salary (emp_code, name, pay, p_month, bill_date) values ('A12', 'Ram Kumar', 20000, 'Mar-12', '2012-03-31')");
    form->control<DatePicker>("DTPicker1").setValue(QDate(2012, 4, 1));
    click(form->control<CheckBox>("Check1"));
    EXPECT_EQ(box(15).text(), "0");
    walkChain("100", "0");
    save({{forms::vbYes, "SALARY OF RAM KUMAR FOR THE MONTH OF Mar-12"}});
    EXPECT_EQ(firstRow("select p_month, gpf_rec, loan_due, loan_rec, g.inst_no, f.inst_no from salary join gpf_loan g using (emp_code) "
                       "join festi_adv f using (emp_code) where bill_date = '2012-04-01'"),
              (QVariantList{"Mar-12", 0.0, 3000.0, 0.0, 10.0, 2.0}));
}

// An order of 0 % D.A. leaves its whole-rupee text empty, stored as 0; a bad
// break-up saves nothing. Without any order nothing is worked out or saved.
TEST_F(SalaryFormTest, ZeroOrNoDaOrderAndABadBreakUp)
{
    setDaOrder(0, 20, 300);
    reopen();
    EXPECT_EQ(box(9).text(), "");
    ScriptedBoxes boxes;
    walkChain("100", "500");
    click(button("Command1"));
    ASSERT_TRUE(box(21).isEnabled()); // misc. above 0 opens its break-up
    type(box(21), "12a");
    click(button("Command4"));
    EXPECT_EQ(boxes.prompts(), QStringList{"YOUR INPUT MUST BE A NUMBER"});
    EXPECT_EQ(firstRow("select (select count(*) from salary), inst_no from gpf_loan where emp_code = 'A12'"), (QVariantList{0, 10.0}));
    type(box(21), "500");
    click(button("Command4"));
    EXPECT_EQ(firstRow("select da, misc, hb_loan from salary where emp_code = 'A12'"), (QVariantList{0.0, 500.0, 500.0}));

    salaryDb().execute("delete from da_table");
    boxes.clearBoxes();
    reopen();
    EXPECT_EQ(boxes.boxes().value(0).title + "|" + boxes.prompts().join("|"), "PLEASE NOTE|" + salary::noDaOrderMessage());
    EXPECT_EQ(box(9).text() + box(13).text(), ""); // no D.A. of 0 offered
    // Figures typed by hand still find no order behind them.
    for (int i : {7, 1, 9, 10, 11, 8})
        box(i).setText("100");
    walkChain("0", "0");
    EXPECT_EQ(boxes.lastPrompt(), salary::noDaOrderMessage());
    EXPECT_FALSE(button("Command1").isEnabled());
    EXPECT_EQ(scalar("select count(*) from salary"), 1);
}

// A break-up of the misc. that does not add up to it saves nothing and
// advances no ledger; every box stays for the clerk to put right.
TEST_F(SalaryFormTest, BreakUpNotAddingUpToTheMiscSavesNothing)
{
    ScriptedBoxes boxes;
    walkChain("100", "1000");
    click(button("Command1"));
    type(box(23), "600"); // I. TAX
    click(button("Command4"));
    EXPECT_EQ(boxes.prompts(), QStringList{"THE DETAILS OF RECOVERIES ADD UP TO 600, BUT MISC.RECOVERIES IS 1000. H.B. LOAN, H.B. INT., I. TAX "
                                           "AND H.R.A ETC. MUST ADD UP TO THE MISC.RECOVERIES AMOUNT.\n\nNOTHING IS ENTERED IN THE "
                                           "PAY ROLL; THE BOXES ARE KEPT AS THEY ARE."});
    // Net 39996.67 - (2540 + 1000).
    EXPECT_EQ(texts({19, 21, 22, 23, 24, 20}) << QString::number(focused() == &box(21)), (QStringList{"1000", "0", "0", "600", "0", "36456.67", "1"}));
    EXPECT_EQ(firstRow("select (select count(*) from salary), f.inst_no, g.inst_no from festi_adv f join gpf_loan g using (emp_code) where emp_code = 'A12'"),
              (QVariantList{0, 3.0, 10.0}));

    type(box(21), "400"); // H.B. LOAN
    click(button("Command4"));
    EXPECT_EQ(boxes.lastPrompt(), "ENTERED IN THE PAY ROLL");
    EXPECT_EQ(firstRow("select misc, hb_loan, i_tax, deduct from salary"), (QVariantList{1000.0, 400.0, 600.0, 3540.0}));
}

// Amounts are read whole within the ceiling or refused at the misc. box; a
// figure changed after the net was worked out waits for the chain again.
TEST_F(SalaryFormTest, AmountsAreReadWholeAndChangedFiguresWaitForTheChain)
{
    ScriptedBoxes boxes;
    enter(box(12), "100");
    // Grouping, exponents, negatives, sixteen digits and a blank are no number;
    // a crore is too large; a fraction of a paisa would be stored as another figure.
    const QString kNotNumber = QStringLiteral("YOUR INPUT MUST BE A NUMBER");
    const QString tooLarge = QStringLiteral("THE AMOUNT IS TOO LARGE: A SALARY PART MUST BE LESS THAN ONE CRORE");
    const QString paisa = QStringLiteral("A SALARY AMOUNT IS KEPT TO THE PAISA: TYPE AT MOST TWO FIGURES AFTER THE POINT");
    for (auto [bad, said] : {std::pair{"1,000", kNotNumber}, {"1e3", kNotNumber}, {"-5", kNotNumber},
                             {"1234.567890123456", kNotNumber}, {"", kNotNumber}, {"10000000", tooLarge},
                             {"100.125", paisa}}) {
        boxes.clearBoxes();
        enter(box(19), QString::fromLatin1(bad));
        EXPECT_EQ(boxes.prompts().join("|") + QString::number(button("Command1").isEnabled()), said + "0") << bad;
    }
    boxes.clearBoxes();
    enter(box(19), "9999999.99"); // the largest misc. a salary part may hold
    EXPECT_EQ(boxes.prompts().join("|") + form->control<Label>("Label38").caption(), "10002539.99");

    click(button("Command1"));
    ASSERT_TRUE(button("Command4").isEnabled());
    type(box(12), "900"); // O.A. changed after the net was worked out
    EXPECT_FALSE(button("Command4").isEnabled() || button("Command1").isEnabled());
    // Skipping the O.A. box would take the net from the old gross.
    const QString oldGross = box(13).text();
    enter(box(19), "0");
    EXPECT_EQ(boxes.lastPrompt(), "PRESS ENTER IN THE OTHER ALLOWANCES BOX TO WORK OUT THE GROSS FIRST");
    EXPECT_FALSE(button("Command1").isEnabled());
    walkChain("900", "0");
    EXPECT_EQ(vb::val(box(13).text()), vb::val(oldGross) + 800);
    EXPECT_TRUE(button("Command1").isEnabled());

    // An O.A. typed to a fraction of a paisa is refused, never stored as 100.13;
    // typed to the paisa it is the gross's (40330 + 0.12 - 333.33 = 39996.79) and the row's.
    boxes.clearBoxes();
    enter(box(12), "100.125");
    EXPECT_EQ(boxes.prompts(), QStringList{paisa});
    EXPECT_EQ(focused(), &box(12));
    walkChain("100.12", "0");
    click(button("Command1"));
    click(button("Command4"));
    EXPECT_EQ(firstRow("select oa, gross, deduct, net from salary"), (QVariantList{100.12, 39996.79, 2540.0, 37456.79}));
}
