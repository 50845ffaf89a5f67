// The provident-fund year on the demo office: a subscriber with last year's
// summary worked out and filed, and a new subscriber's last year typed in first.
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
    // Opened afresh, the account picked, and its year worked out at 8 %.
    void workOut(const QString& account, const QString& subs)
    {
        forms::Forms::unloadAll();
        settle();
        open();
        click(*form->Option2);
        ASSERT_TRUE(choose(*form->Combo2, account));
        enter(box(5), subs);
        enter(box(6), "0");
        pressEnter(box(7));
        enter(box(9), "8");
        click(*form->Command7);
    }

    ScriptedBoxes boxes;
};

TEST_F(DemoFundYear, LastYearsClosingEarnsThisYearAndANewSubscriberJoins)
{
    workOut("EDN/4110", "500");
    EXPECT_EQ(boxes.lastPrompt().left(39), "No record found for this Financial year");
    EXPECT_EQ(box(10).text() + "|" + box(20).text(), "1060|17060");
    click(*form->Command3);
    EXPECT_EQ(boxes.lastPrompt(), "REPORT SAVED IN THE BROAD SHEET");

    // EDN/4112 has no summary: last year's is typed in under last year's start.
    pickDate(*form->DTPicker1, common::financialYearStart(forms::Clock::today()).addYears(-1));
    click(*form->Option1);
    for (auto [n, text] : {std::pair{1, "EDN/4112"}, {2, "A. S. Chavan"}, {19, "20000"}, {3, "16800"}, {15, "0"},
                           {11, "2000"}, {12, "0"}})
        enter(box(n), text);
    EXPECT_EQ(box(13).text(), "38800");
    click(*form->Command1);
    EXPECT_EQ(boxes.lastPrompt(), "Data Entered in the Broad Sheet");

    // 38800 + 1400 a month: balances sum to 574800; 8 % of a twelfth is 3832.
    workOut("EDN/4112", "1400");
    EXPECT_EQ(box(14).text() + "|" + box(10).text() + "|" + box(20).text(), "38800|3832|59432");
}

} // namespace
