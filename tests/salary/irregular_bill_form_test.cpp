#include "salary/irregular_bill_form.h"

#include "platform/forms/clock.h"
#include "platform/forms/controls.h"
#include "platform/forms/registry.h"
#include "platform/vb/convert.h"
#include "salary/da_rates.h"
#include "salary_fixture.h"
#include "support/form_fixture.h"
#include "support/ui_driver.h"

#include <gtest/gtest.h>

using namespace salarytest;
using namespace testsupport;
using forms::CommandButton;
using forms::ComboBox;
using forms::Forms;
using forms::Label;
using forms::OptionButton;
using forms::TextBox;

namespace {

const QString kTooLarge = "THE AMOUNT IS TOO LARGE: A SALARY PART MUST BE LESS THAN ONE CRORE";

class Form11Test : public FormFixture<salary::Form11> {
protected:
    void SetUp() override
    {
        setDaOrder(40, 10, 310);
        // FIXED H.R.A. and the health scheme: neither counts in a fraction of pay.
        addEmployee({"C1", "Uma Rani", 10000, 2000, "FIXED", 8000, "YES", 310, 1000, 30, 60});
        addFestivalAdvance("C1", 1000, 0, 3);
        addGpfLoan("C1", 0, 5000, 0); // the loan paid off
        open();
    }

    OptionButton& option(int n) { return form->control<OptionButton>(QStringLiteral("Option%1").arg(n)); }
    void pickCode(const QString& code)
    {
        ASSERT_TRUE(choose(form->control<ComboBox>("Combo1"), code));
        pressEnter(box(2));
    }
    // A fraction of pay for the period given, on a bill of the 20th unless told.
    void fractionFor(const QString& code, const QString& from, const QString& to, const QString& billDate = "20/03/2012")
    {
        click(option(1));
        for (auto [n, text] : {std::pair{21, from}, {22, to}, {1, billDate}})
            enter(box(n), text);
        pickCode(code);
    }

    forms::Clock::Override today{QDate(2012, 3, 20)};
};

} // namespace

TEST_F(Form11Test, FractionPayIsProratedAndAddedToThePayRoll)
{
    fractionFor("C1", "01/03/2012", "10/03/2012");
    EXPECT_EQ(label(34).caption() + QString::number(box(21).isVisibleTo(form)), "101");

    // 10 days of a 31-day month: pay 3226, grade pay 645; D.A. 40 % of the
    // rounded 3871; H.R.A. 10 % of it for everybody; M.A. and O.A. 310 x 10/31.
    // The full instalment of the advance is shown to the paisa.
    // The paid-off loan is gone.
    EXPECT_EQ(texts({3, 7, 23, 9, 10, 11, 12, 14, 8, 15}) << QString::number(scalar("select count(*) from gpf_loan")),
              (QStringList{"Uma Rani", "3226", "645", "1548", "387", "100", "100", "1000", "333.33", "0", "0"}));

    pressEnter(box(12));
    const QStringList grossAndTax = texts({13, 18});
    enter(box(19), "0");
    EXPECT_EQ(grossAndTax + texts({20}), (QStringList{"5672.67", "40", "4542.67"}));
    EXPECT_EQ(saidBy([&] { click(button(3)); click(button(1)); }), QStringList{"Hi|64|ENTERED IN THE AQUITTANCE ROLL"});
    // Stored as shown: the instalment 333.33, gross 6006 - 333.33 = 5672.67,
    // net 5672.67 - 1130 = 4542.67; the month's first recovery of the
    // advance moves it by the instalment: 666.67 due, 333.33 recovered, 2 left.
    EXPECT_EQ(firstRow("select pay, d_pay, da, hra, ma, oa, gpf_rec, p_tax, deduct, bill_date, p_month, less_fa, gross, net, adv_due, adv_rec, "
                       "inst_no from salary, festi_adv"),
              (QVariantList{3226.0, 645.0, 1548.0, 387.0, 100.0, 100.0, 0.0, 40.0, 1130.0, QDate(2012, 3, 20), "Mar-12", 333.33, 5672.67,
                            4542.67, 666.67, 333.33, 2.0}));
    EXPECT_FALSE(button(1).isEnabled());
}

// 17 January to 5 February 2027: 20 days at January's rate (31 days), not
// February's 28 (which would pay 7143 and 1429).
TEST_F(Form11Test, FractionPayIntoAShorterMonthIsPaidAtTheFromMonthsRate)
{
    ScriptedBoxes boxes;
    fractionFor("C1", "17/01/2027", "05/02/2027", "05/02/2027");
    // pay 10000 x 20/31 = 6451.61 -> 6452; grade pay 2000 x 20/31 = 1290.32 -> 1290;
    // D.A. 40 % of 7742 = 3096.8 -> 3097; H.R.A. 10 % = 774.2 -> 774;
    // M.A. and O.A. 310 x 20/31 = 200.
    EXPECT_EQ(texts({7, 23, 9, 10, 11, 12, 14, 16, 17, 8, 15}) << label(34).caption(),
              (QStringList{"6452", "1290", "3097", "774", "200", "200", "1000", "30", "60", "333.33", "0", "20"}));
    pressEnter(box(12));
    enter(box(19), "0");
    // Gross 12013 - 333.33 = 11679.67, tax 110; deductions 1000 + 30 + 60 + 110 = 1200.
    EXPECT_EQ(texts({13, 18, 20}), (QStringList{"11679.67", "110", "10479.67"}));
    click(button(3));
    click(button(1));
    EXPECT_EQ(boxes.prompts(), QStringList{"ENTERED IN THE AQUITTANCE ROLL"});
    EXPECT_EQ(firstRow("select pay, d_pay, da, hra, ma, oa, less_fa, gross, p_tax, deduct, net, bill_date, p_month from salary"),
              (QVariantList{6452.0, 1290.0, 3097.0, 774.0, 200.0, 200.0, 333.33, 11679.67, 110.0, 1200.0, 10479.67,
                            QDate(2027, 2, 5), "Feb-27"}));
}

// The break-up of the misc. goes with the deductions when a bonus sets them to
// 0, and a row whose break-up is not its misc. is refused with every box kept.
TEST_F(Form11Test, RecoveryBreakUpIsTheMiscOfItsOwnRow)
{
    addEmployee({"C3", "Gita Pal", 9000, 1900, "", 0, "NO", 0, 900, 0, 0});
    ScriptedBoxes boxes;
    fractionFor("C1", "01/03/2012", "10/03/2012");
    pressEnter(box(12));
    enter(box(19), "1000");
    type(box(30), "1000"); // I. TAX
    click(button(3));
    click(button(1));

    // A bonus for the next employee, straight on without CANCEL.
    click(option(2));
    box(2).setText("C3");
    pressEnter(box(2));
    enter(box(13), "3500");
    EXPECT_EQ(texts({19, 28, 29, 30, 31, 20}), (QStringList{"0", "0", "0", "0", "0", "3500"}));
    click(button(3));
    click(button(1));
    // C1: deductions 1000 + 30 + 60 + 40 + 1000 = 2130 against a gross of 5672.67.
    const QString row = "select misc, hb_loan, hb_int, i_tax, others, deduct, round(net, 2) from salary where emp_code = ?";
    EXPECT_EQ(firstRow(row, {"C1"}) + firstRow(row, {"C3"}),
              (QVariantList{1000.0, 0.0, 0.0, 1000.0, 0.0, 2130.0, 3542.67, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 3500.0}));

    // A misc. of 1000 broken up as 300 + 600 is refused; nothing written, nothing cleared.
    fractionFor("C1", "01/03/2012", "10/03/2012");
    pressEnter(box(12));
    enter(box(19), "1000");
    type(box(28), "300");
    type(box(30), "600");
    click(button(3));
    boxes.clearBoxes();
    click(button(1));
    EXPECT_EQ(boxes.prompts(), QStringList{"THE DETAILS OF RECOVERIES ADD UP TO 900, BUT MISC.RECOVERIES IS 1000. H.B. LOAN, H.B. INT., I. TAX "
                                           "AND H.R.A ETC. MUST ADD UP TO THE MISC.RECOVERIES AMOUNT.\n\nNOTHING IS ENTERED IN THE "
                                           "AQUITTANCE ROLL; THE BOXES ARE KEPT AS THEY ARE."});
    // The advance moved by the first row: its instalment is now 666.67 / 2 = 333.34.
    EXPECT_EQ(texts({19, 28, 29, 30, 31, 20}) << QString::number(scalar("select count(*) from salary")),
              (QStringList{"1000", "300", "0", "600", "0", "3542.66", "2"}));
    EXPECT_EQ(focused(), &box(28));
    // Added up to the paisa it goes in.
    type(box(28), "333.33");
    type(box(29), "333.33");
    type(box(30), "333.34");
    click(button(1));
    EXPECT_EQ(boxes.lastPrompt(), "ENTERED IN THE AQUITTANCE ROLL");
    EXPECT_EQ(firstRow("select misc, hb_loan, hb_int, i_tax, others from salary order by rowid desc"),
              (QVariantList{1000.0, 333.33, 333.33, 333.34, 0.0}));
    // That row's is the month's second recovery of the advance: it moves it no further.
    EXPECT_EQ(firstRow("select adv_due, adv_rec, inst_no from festi_adv"), (QVariantList{666.67, 333.33, 2.0}));
}

TEST_F(Form11Test, PeriodBoxesRefuseWhatIsNoPeriodAndFebruaryHasItsOwnLength)
{
    ScriptedBoxes boxes;
    click(option(1));
    // The period box keeps the focus until it holds a date.
    type(box(21), "31/02/2012");
    focus(box(1));
    settle();
    EXPECT_EQ(focused(), &box(21));
    enter(box(21), "10/03/2012");
    enter(box(22), "01/03/2012");
    EXPECT_TRUE(focused() == &box(22) && label(34).caption().isEmpty());
    box(1).setText("20/03/2012");
    pickCode("C1");
    EXPECT_EQ(boxes.prompts(), (QStringList{"THIS IS NOT A VALID DATE", "THE PERIOD ENDS BEFORE IT BEGINS. CHECK THE DATES.",
                                            "THE PERIOD ENDS BEFORE IT BEGINS. CHECK THE DATES."}));
    EXPECT_EQ(box(3).text() + box(7).text() + QString::number(scalar("select count(*) from gpf_loan")), "1"); // nothing filled

    // February of a common year has 28 days: 10000 / 28 x 14.
    enter(box(21), "01/02/2013");
    enter(box(22), "14/02/2013");
    pickCode("C1");
    EXPECT_EQ(box(7).text(), "5000");

    // Without a D.A. order a fraction of pay is refused, nothing filled.
    salaryDb().execute("delete from da_table");
    boxes.clearBoxes();
    for (int n : {7, 9, 10, 11, 12})
        box(n).clear();
    fractionFor("C1", "01/03/2012", "10/03/2012");
    EXPECT_EQ(boxes.prompts() + texts({7, 9, 10, 11, 12}) << QString::number(button(3).isEnabled()),
              (QStringList{salary::noDaOrderMessage(), "", "", "", "", "", "0"}));

    // Leaving for another kind of bill is no entry of a date.
    type(box(21), "31/02/2012");
    click(option(2));
    settle();
    EXPECT_TRUE(boxes.prompts().size() == 1 && !box(21).isVisibleTo(form));
}

TEST_F(Form11Test, ArrearPayResetsEveryComponentIncludingGradePay)
{
    ScriptedBoxes boxes;
    box(23).setText("999");
    box(30).setText("500"); // an income tax of an earlier row
    click(option(4));
    EXPECT_FALSE(box(21).isVisibleTo(form));
    enter(box(1), "20/03/2012");
    pickCode("C1");
    for (int i : {7, 8, 9, 10, 11, 12, 23})
        EXPECT_EQ(box(i).text() + QString::number(box(i).selLength()), "01") << i;
    EXPECT_TRUE(focused() == &box(7) && scalar("select count(*) from gpf_loan") == 1); // no ledger read

    type(box(7), "1200");
    type(box(9), "480");
    pressEnter(box(12));
    EXPECT_TRUE(texts({13, 14}) == (QStringList{"1680", "0"}) && focused() == &box(14));
    EXPECT_EQ(texts({28, 29, 30, 31}).join(","), "0,0,0,0"); // the break-up goes with the deductions
}

TEST_F(Form11Test, BonusNetIsTheAmountAndUnknownCodeFillsNothing)
{
    ScriptedBoxes boxes;
    click(option(2));
    enter(box(1), "20/03/2012");
    box(2).setText("Z99");
    pressEnter(box(2));
    EXPECT_EQ(boxes.prompts() << box(3).text() << QString::number(button(2).isEnabled()), // CANCEL
              (QStringList{"EMPLOYEE CODE IS FOUND INCORRECT. PLEASE CHECK.", "", "1"}));

    box(2).setText(" C1 "); // the code is trimmed
    pressEnter(box(2));
    EXPECT_EQ(box(3).text(), "Uma Rani");
    // Read whole within the ceiling, or refused; a crore or more is told it is too large.
    for (const char* bad : {"1,000", "1e3", "-500", "10000000", "1234567.890123456", " "}) {
        boxes.clearBoxes();
        enter(box(13), QString::fromLatin1(bad));
        const QString said = QString::fromLatin1(bad) == "10000000" ? kTooLarge : "YOUR INPUT MUST BE A NUMBER";
        EXPECT_EQ(boxes.prompts() << QString::number(button(3).isEnabled()), (QStringList{said, "0"})) << bad;
    }
    enter(box(13), "9999999");
    const QString largest = box(20).text();
    enter(box(13), "5000");
    EXPECT_EQ(texts({20, 18}) << largest, (QStringList{"5000", "0", "9999999"}));
    click(button(3));
    click(button(1));
    EXPECT_EQ(firstRow("select gross, net, deduct, pay, emp_code from salary"), (QVariantList{5000.0, 5000.0, 0.0, 0.0, "C1"}));
}

// An employee with no other allowance shows "0" in the O.A. box, which its
// Enter takes. Emptied, the box holds no figure: the gross is not worked out
// until one is entered there, so no row can be added with a gross of 0 and a
// net below it.
TEST_F(Form11Test, FractionPayNeedsTheGrossWorkedOutBeforeTheNet)
{
    addEmployee({"C2", "Hari Das", 12400, 1800, "", 0, "NO", 0, 1200, 30, 0});
    reopen(); // the code list is read when the form loads
    ScriptedBoxes boxes;
    fractionFor("C2", "01/03/2012", "31/03/2012");
    EXPECT_EQ(texts({12, 8, 15, 17}), (QStringList{"0", "0", "0", "0"})); // none shown empty
    pressEnter(box(12));
    EXPECT_TRUE(boxes.prompts().isEmpty() && focused() == &box(19));

    paste(box(12), ""); // the clerk empties it
    pressEnter(box(12));
    enter(box(19), "0");
    click(button(3)); // CONFIRM
    EXPECT_EQ(boxes.prompts() << QString::number(button(1).isEnabled() + scalar("select count(*) from salary")),
              (QStringList{"OTHER ALLOWANCE MUST BE A NUMBER", "PRESS ENTER IN THE OTHER ALLOWANCES BOX TO WORK OUT THE GROSS FIRST", "0"}));

    // 0 in the O.A. box: gross 12400 + 1800 + D.A. 40 % 5680 + H.R.A. 10 % 1420 + M.A. 310.
    enter(box(12), "0");
    EXPECT_EQ(box(13).text(), "21610");
    enter(box(19), "0");
    click(button(3));
    click(button(1));
    EXPECT_EQ(scalar("select gross from salary where emp_code = 'C2'"), 21610.0);
}

// The next employee's look-up starts the misc. and its break-up at 0: C1's
// misc. of 1000 (all income tax) is not taken off C2's fraction of pay. An
// amount of a crore or more is told it is too large, in every box that takes one.
TEST_F(Form11Test, NextEmployeeStartsWithNoMiscAndAnAmountTooLargeIsSaidSo)
{
    addEmployee({"C2", "Hari Das", 12400, 1800, "", 0, "NO", 0, 1200, 30, 0});
    reopen();
    ScriptedBoxes boxes;
    fractionFor("C1", "01/03/2012", "10/03/2012");
    pressEnter(box(12));
    enter(box(19), "1000");
    type(box(30), "1000");
    click(button(3));
    click(button(1));

    fractionFor("C2", "01/03/2012", "10/03/2012");
    EXPECT_EQ(texts({19, 28, 29, 30, 31}).join(","), "0,0,0,0,0");
    // 10 days of 31: pay 4000, grade pay 581, D.A. 40 % of 4581 = 1832, H.R.A.
    // 458, M.A. 100: gross 6971, tax 45; deduct 1200 + 30 + 45 = 1275, net 5696.
    type(box(12), "10000000");
    pressEnter(box(12));
    enter(box(12), "0");
    enter(box(19), "12345678");
    enter(box(19), "0");
    click(button(3));
    type(box(28), "10000000"); // typed into the break-up after CONFIRM
    click(button(1));
    EXPECT_EQ(boxes.prompts().mid(1), (QStringList{kTooLarge, kTooLarge, kTooLarge}));
    EXPECT_EQ(focused(), &box(28));
    type(box(28), "0");
    click(button(1));
    EXPECT_EQ(firstRow("select misc, hb_loan, i_tax, gross, p_tax, deduct, net from salary where emp_code = 'C2'"),
              (QVariantList{0.0, 0.0, 0.0, 6971.0, 45.0, 1275.0, 5696.0}));
}

// A figure finer than the paisa is refused on Enter in the box it is typed
// in, the focus kept there; typed without Enter, it stops the gross or the net
// being worked out from it. Worked by hand: arrear pay 3197.12 alone is the
// gross; no deductions, so the net.
TEST_F(Form11Test, AFigureFinerThanThePaisaIsRefusedInTheBoxItIsTypedIn)
{
    const QString paisa = "Hi|64|A SALARY AMOUNT IS KEPT TO THE PAISA: TYPE AT MOST TWO FIGURES AFTER THE POINT";
    click(option(4));
    enter(box(1), "20/03/2012");
    pickCode("C1");
    for (int n : {7, 23, 8, 9, 10, 11}) {
        EXPECT_EQ(saidBy([&] { enter(box(n), "3197.123"); }), QStringList{paisa}) << n;
        EXPECT_EQ(focused(), &box(n)) << n;
        type(box(n), "0");
    }
    type(box(7), "3197.123");
    const QStringList gross = saidBy([&] { enter(box(12), "0"); });
    EXPECT_TRUE(gross == QStringList{paisa} && focused() == &box(7) && box(13).text().isEmpty());
    type(box(7), "3197.12");
    pressEnter(box(12));
    EXPECT_EQ(box(13).text(), "3197.12");

    for (int n : {14, 15, 16, 17, 18, 28, 29, 30, 31}) {
        EXPECT_EQ(saidBy([&] { enter(box(n), "0.001"); }), QStringList{paisa}) << n;
        EXPECT_EQ(focused(), &box(n)) << n;
        type(box(n), "0");
    }
    type(box(16), "0.001");
    const QStringList net = saidBy([&] { enter(box(19), "0"); });
    EXPECT_TRUE(net == QStringList{paisa} && focused() == &box(16) && box(20).text().isEmpty() && !button(3).isEnabled());
    type(box(16), "0");
    EXPECT_TRUE(saidBy([&] { enter(box(19), "0"); }).isEmpty());
    EXPECT_TRUE(box(20).text() == "3197.12" && button(3).isEnabled());
}
