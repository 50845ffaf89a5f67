#include "paybill/schedules/insurance_schedules.h"
#include "schedules_fixture.h"

using namespace schedtest;
using paybill::DataReport2;
using paybill::DataReport5;

TEST_F(BillOnForm, Giss1983TotalsTheMembersWhoPayEightRupees)
{
    testsupport::click(*form->Command5);
    EXPECT_EQ(form->Label14->caption(), QStringLiteral("16"));
    EXPECT_EQ(form->Label15->caption(), QStringLiteral("(Sixteen) Only"));

    const reports::PageModel m = reports::Reports::get<DataReport2>().layout();
    EXPECT_EQ(textOf(m, "ifno"), QStringLiteral("2"));
    EXPECT_EQ(textOf(m, "totalif"), QStringLiteral("6"));
    EXPECT_EQ(textOf(m, "totalsf"), QStringLiteral("10"));
    EXPECT_EQ(textOf(m, "total"), QStringLiteral("16"));
    EXPECT_EQ(textOf(m, "label26"), QStringLiteral("(Sixteen) Only"));
    EXPECT_EQ(textOf(m, "label18"), QStringLiteral("DDO-2"));
    EXPECT_EQ(textOf(m, "label15"), form->Label10->caption());
}

TEST_F(BillOnForm, Giss1987AbstractKeepsARemovedEmployeeUnderTheBillRowsGroup)
{
    testsupport::click(*form->Command6);
    // 24 + 56, 6 + 14, and 6 of the employee removed since.
    EXPECT_EQ(form->Label14->caption(), QStringLiteral("106"));
    EXPECT_EQ(form->Label15->caption(), QStringLiteral("(One Hundred Six) Only"));

    const reports::PageModel m = reports::Reports::get<DataReport5>().layout();
    EXPECT_EQ(m.texts(QStringLiteral("grp")), (QStringList{"A", "C"}));
    EXPECT_EQ(m.texts(QStringLiteral("iftotal")), (QStringList{"24", "12"}));
    EXPECT_EQ(m.texts(QStringLiteral("sftotal")), (QStringList{"56", "14"}));
    EXPECT_EQ(textOf(m, "sum_total"), QStringLiteral("106"));
    EXPECT_EQ(textOf(m, "sum_iftotal"), QStringLiteral("36"));
    EXPECT_EQ(textOf(m, "sum_sftotal"), QStringLiteral("70"));
    EXPECT_EQ(textOf(m, "label28"), form->Label15->caption());
    EXPECT_EQ(textOf(m, "label17"), QStringLiteral("DDO-2"));
    EXPECT_EQ(textOf(m, "label24"), QString::fromLatin1(kDrawalCode));
}
