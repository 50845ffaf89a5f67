#include "paybill/schedules/schedule_queries.h"
#include "paybill/schedules/gpf_schedules.h"
#include "paybill/schedules/increment_certificate.h"
#include "paybill/schedules/insurance_schedules.h"
#include "paybill/schedules/recovery_schedules.h"
#include "paybill/schedules/tax_schedules.h"
#include "schedules_fixture.h"

using namespace schedtest;
using paybill::DataReport13;
using paybill::DataReport4;

TEST_F(BillOnForm, ProfessionalTaxPrintsItsTotalUnformattedWithItsWords)
{
    testsupport::click(*form->Command4);
    EXPECT_EQ(form->Label14->caption(), QStringLiteral("590"));
    EXPECT_EQ(form->Label15->caption(), QStringLiteral("(Five Hundred Ninety) Only"));

    const reports::PageModel m = reports::Reports::get<DataReport4>().layout();
    EXPECT_EQ(textOf(m, "total"), QStringLiteral("590"));
    EXPECT_EQ(textOf(m, "Label26"), QStringLiteral("590"));
    EXPECT_EQ(textOf(m, "Label28"), QStringLiteral("(Five Hundred Ninety) Only"));
    EXPECT_EQ(textOf(m, "Label24"), QString::fromLatin1(kDrawalCode));
    EXPECT_EQ(textOf(m, "Label19"), QStringLiteral("DDO-2"));
    EXPECT_EQ(textOf(m, "Label16"), QStringLiteral("Office of the Sub-Divisional Officer Ranaghat"));
    EXPECT_EQ(textOf(m, "Label17"), QStringLiteral("FEB-12"));
}

TEST_F(BillOnForm, IncomeTaxKeepsTheRowOfAnEmployeeRemovedSinceWithABlankPan)
{
    testsupport::click(*form->Command13);
    EXPECT_EQ(form->Label14->caption(), QStringLiteral("2200"));
    EXPECT_EQ(form->Label15->caption(), QStringLiteral("(Two Thousand Two Hundred ) Only"));

    const reports::PageModel m = reports::Reports::get<DataReport13>().layout();
    EXPECT_EQ(m.texts(QStringLiteral("name")), (QStringList{"Asha Roy", "Emon Kar"}));
    EXPECT_EQ(m.texts(QStringLiteral("pan")), (QStringList{"ABCDE1234F", ""}));
    EXPECT_EQ(m.texts(QStringLiteral("i_tax")), (QStringList{"1500", "700"}));
    EXPECT_EQ(m.texts(QStringLiteral("sl_no")), (QStringList{"1", "2"}));
    // The lines add up to the sum in words.
    EXPECT_EQ(textOf(m, "sum_i_tax"), QStringLiteral("2200"));
    EXPECT_EQ(textOf(m, "label26"), form->Label15->caption());
    EXPECT_EQ(textOf(m, "label6"), QStringLiteral("DDO-2"));
    EXPECT_EQ(textOf(m, "label22"), QString::fromLatin1(kDrawalCode));
}

// Every schedule with nothing in the quiet bill says so in its own words,
// shows no report and leaves the form's totals as they were.
TEST_F(BillOnForm, SchedulesWithNothingToShowSaySo)
{
    activate(kQuietBillDate);
    form->Label14->setCaption(QStringLiteral("before"));
    form->Label15->setCaption(QStringLiteral("(before) Only"));
    form->Label54->setCaption(QStringLiteral("rent before"));
    const struct {
        forms::CommandButton* command;
        const char* note;
        bool (*loaded)();
    } cases[] = {
        {form->Command5, "No Employee found in this Scheme", &reports::Reports::isLoaded<paybill::DataReport2>},
        // The only row has no account and no deduction.
        {form->Command3, "No Employee other than Group 'D' found under this Head",
         &reports::Reports::isLoaded<paybill::DataReport3>},
        {form->Command7, "No Group 'D' Employee found under this Head",
         &reports::Reports::isLoaded<paybill::DataReport6>},
        {form->Command14, "Nothing to display for H.B.Loan under this Head",
         &reports::Reports::isLoaded<paybill::DataReport12>},
        {form->Command19, "Nothing to display for H.R.Deduction under this Head",
         &reports::Reports::isLoaded<paybill::DataReport17>},
        {form->Command12, "Nothing to display for Increment under this Head",
         &reports::Reports::isLoaded<paybill::DataReport14>},
        {form->Command13, "Nothing to display for Income Tax under this Head", &reports::Reports::isLoaded<DataReport13>},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.note);
        testsupport::click(*c.command);
        expectNote(QString::fromLatin1(c.note));
        EXPECT_FALSE(c.loaded());
    }
    EXPECT_EQ(form->Label14->caption(), QStringLiteral("before"));
    EXPECT_EQ(form->Label15->caption(), QStringLiteral("(before) Only"));
    EXPECT_EQ(form->Label54->caption(), QStringLiteral("rent before"));

    // The bill's one member of the 1987 scheme is no longer in the master.
    testsupport::click(*form->Command6);
    EXPECT_TRUE(boxes.boxes().isEmpty());
    EXPECT_EQ(form->Label14->caption(), QStringLiteral("20"));
    EXPECT_EQ(textOf(reports::Reports::get<paybill::DataReport5>().layout(), "sum_total"), QStringLiteral("20"));

    // A bill whose rows pay no professional tax still states its nil amount.
    testsupport::click(*form->Command4);
    EXPECT_TRUE(boxes.boxes().isEmpty());
    EXPECT_EQ(form->Label14->caption(), QStringLiteral("0"));
    EXPECT_EQ(form->Label15->caption(), QStringLiteral("() Only"));

    // With no rows at all the sum is empty, and that is said, not printed.
    reports::Reports::unloadAll();
    form->Label14->setCaption(QStringLiteral("before"));
    salaryDb().execute(QStringLiteral("delete from sal"));
    EXPECT_FALSE(paybill::scheduleTotal(salaryDb(), paybill::Schedule::ProfessionalTax).has_value());
    testsupport::click(*form->Command4);
    expectNote(QStringLiteral("Nothing to display for Prof. Tax under this Head"));
    EXPECT_EQ(form->Label14->caption(), QStringLiteral("before"));
    EXPECT_FALSE(reports::Reports::isLoaded<DataReport4>());
}
