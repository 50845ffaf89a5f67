// The provident-fund year on the demo office for a new subscriber: last year's
// summary typed in first, then this year worked out on it. (A subscriber with
// a filed summary walks the account form's own tests with the same figures.)
#include "common/pay_month.h"
#include "platform/forms/clock.h"
#include "provident_fund/account_form.h"
#include "setup/demo_office.h"
#include "support/form_fixture.h"

#include <gtest/gtest.h>

namespace {

using namespace testsupport;

class DemoFundYear : public FormFixture<provident_fund::gpf_ac> {
protected:
    DemoFundYear()
    {
        setup::writeStartingRows(QStringLiteral("dosset"));
        setup::writeDemoOffice();
    }
    void SetUp() override { open(); }
    forms::Clock::Override today{QDate(2026, 6, 20)}; // set before the demo office dates its year
    ScriptedBoxes boxes;
};

TEST_F(DemoFundYear, ANewSubscribersTypedInYearEarnsTheNext)
{
    // EDN/4112 has no summary: last year's is typed in under last year's start.
    pickDate(*form->DTPicker1, common::financialYearStart(forms::Clock::today()).addYears(-1));
    click(*form->Option1);
    for (auto [n, text] : {std::pair{1, "EDN/4112"}, {2, "A. S. Chakraborty"}, {19, "20000"}, {3, "16800"}, {15, "0"},
                           {11, "2000"}, {12, "0"}})
        enter(box(n), text);
    const QString opening = box(13).text();
    click(*form->Command1);
    EXPECT_EQ(opening + "|" + boxes.lastPrompt(), "38800|Data Entered in the Broad Sheet");

    // 38800 + 1400 a month: balances sum to 574800; 8 % of a twelfth is 3832.
    reopen();
    click(*form->Option2);
    ASSERT_TRUE(choose(*form->Combo2, "EDN/4112"));
    enter(box(5), "1400");
    enter(box(6), "0");
    pressEnter(box(7));
    enter(box(9), "8");
    click(*form->Command7);
    EXPECT_EQ(box(14).text() + "|" + box(10).text() + "|" + box(20).text(), "38800|3832|59432");
}

} // namespace
