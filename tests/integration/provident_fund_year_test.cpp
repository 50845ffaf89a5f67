// The provident-fund year on the demo office: a subscriber with last year's
// summary worked out and filed, and a new subscriber's last year typed in first.
#include "common/pay_month.h"
#include "platform/forms/clock.h"
#include "platform/forms/controls.h"
#include "platform/forms/registry.h"
#include "provident_fund/account_form.h"
#include "setup/demo_office.h"
#include "support/temp_data_folder.h"
#include "support/ui_driver.h"

#include <gtest/gtest.h>

namespace {

using forms::Forms;
using namespace testsupport;

class DemoFundYear : public ::testing::Test {
protected:
    DemoFundYear()
    {
        setup::writeStartingRows(QStringLiteral("dosset"));
        setup::writeDemoOffice();
    }
    void TearDown() override
    {
        Forms::unloadAll();
        settle();
    }
    provident_fund::gpf_ac& reopen()
    {
        Forms::unloadAll();
        settle();
        auto& f = Forms::get<provident_fund::gpf_ac>();
        showForm(f);
        return f;
    }
    void workOut(provident_fund::gpf_ac& f, const QString& account, const QString& subs)
    {
        click(*f.Option2);
        ASSERT_TRUE(choose(*f.Combo2, account));
        enter(*f.Text5, subs);
        enter(*f.Text6, "0");
        f.Text7->setText("");
        pressEnter(*f.Text7);
        enter(*f.Text9, "8");
    }

    TempDataFolder folder;
    ScriptedBoxes boxes;
};

TEST_F(DemoFundYear, LastYearsClosingEarnsThisYearAndANewSubscriberJoins)
{
    auto* f = &reopen();
    workOut(*f, "EDN/4110", "500");
    EXPECT_EQ(boxes.lastPrompt().left(39), "No record found for this Financial year");
    EXPECT_EQ(f->Text10->text(), "1060");
    click(*f->Command7);
    EXPECT_EQ(f->Text20->text(), "17060");
    click(*f->Command3);
    EXPECT_EQ(boxes.lastPrompt(), "REPORT SAVED IN THE BROAD SHEET");

    f = &reopen();
    click(*f->Option2);
    ASSERT_TRUE(choose(*f->Combo2, "EDN/4110"));
    EXPECT_EQ(f->Text2->text() + "|" + f->Text20->text(), "J. T. Raut|17060");

    // EDN/4112 has no summary: last year's is typed in under last year's start.
    const QDate start = common::financialYearStart(forms::Clock::today());
    pickDate(*f->DTPicker1, start.addYears(-1));
    click(*f->Option1);
    for (auto [box, text] : {std::pair{f->Text1, "EDN/4112"}, {f->Text2, "A. S. Chavan"}, {f->Text19, "20000"},
                             {f->Text3, "16800"}, {f->Text15, "0"}, {f->Text11, "2000"}, {f->Text12, "0"}})
        enter(*box, text);
    EXPECT_EQ(f->Text13->text(), "38800");
    click(*f->Command1);
    EXPECT_EQ(boxes.lastPrompt(), "Data Entered in the Broad Sheet");

    f = &reopen();
    workOut(*f, "EDN/4112", "1400");
    EXPECT_EQ(f->Text14->text() + "|" + f->Text10->text(), "38800|3832");
    click(*f->Command7);
    EXPECT_EQ(f->Text20->text(), "59432");
}

} // namespace
