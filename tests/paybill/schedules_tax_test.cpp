#include "paybill/schedules/schedule_queries.h"
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

TEST_F(BillOnForm, TaxSchedulesWithNothingToShowSaySo)
{
    activate(kQuietBillDate);
    form->Label14->setCaption(QStringLiteral("before"));

    testsupport::click(*form->Command13);
    expectNote(QStringLiteral("Nothing to display for Income Tax under this Head"));
    EXPECT_FALSE(reports::Reports::isLoaded<DataReport13>());

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
