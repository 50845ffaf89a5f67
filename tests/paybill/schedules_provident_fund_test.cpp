#include "paybill/schedules/gpf_schedules.h"
#include "schedules_fixture.h"

using namespace schedtest;
using paybill::DataReport3;
using paybill::DataReport6;

TEST_F(BillOnForm, GpfOtherThanGroupDListsEveryDeductionItsTotalCounts)
{
    testsupport::click(*form->Command3);
    EXPECT_TRUE(boxes.boxes().isEmpty());
    // 2000 + 500, 1500, 300 without an account, 1000 + 250.50 of an employee since removed.
    EXPECT_EQ(form->Label14->caption(), QStringLiteral("5550.5"));
    EXPECT_EQ(form->Label15->caption(), QStringLiteral("(Five Thousand Five Hundred FiftyAndFifty) Only"));

    ASSERT_TRUE(reports::Reports::isLoaded<DataReport3>());
    const reports::PageModel m = reports::Reports::get<DataReport3>().layout();
    EXPECT_EQ(m.texts(QStringLiteral("acc_no")),
              (QStringList{"Agr/101", "Agr/102", "Agr/105", "Nil"}));
    EXPECT_EQ(m.texts(QStringLiteral("name")),
              (QStringList{"Asha Roy", "Bimal Das", "Emon Kar", "Chitra Sen"}));
    EXPECT_EQ(m.texts(QStringLiteral("gpf_rec")), (QStringList{"500.00", "0.00", "250.50", "0.00"}));
    EXPECT_EQ(textOf(m, "sum_gpf_subs"), QStringLiteral("4800.00"));
    EXPECT_EQ(textOf(m, "sum_gpf_rec"), QStringLiteral("750.50"));
    EXPECT_EQ(textOf(m, "sum_total"), QStringLiteral("5550.50"));
    EXPECT_EQ(textOf(m, "Label34"), form->Label15->caption());
    EXPECT_EQ(textOf(m, "Label24"), QStringLiteral("DDO-2"));
    EXPECT_EQ(textOf(m, "Label38"), QStringLiteral("42"));
    EXPECT_EQ(textOf(m, "Label27"), QStringLiteral("29/02/2012"));
    EXPECT_EQ(textOf(m, "Label31"), QStringLiteral("FEB-12"));
    EXPECT_EQ(textOf(m, "Label29"), form->Label10->caption());
}

TEST_F(BillOnForm, GpfGroupDCertifiesTheAmountWithPaise)
{
    testsupport::click(*form->Command7);
    EXPECT_EQ(form->Label14->caption(), QStringLiteral("600"));
    EXPECT_EQ(form->Label15->caption(), QStringLiteral("(Six Hundred ) Only"));

    const reports::PageModel m = reports::Reports::get<DataReport6>().layout();
    EXPECT_EQ(textOf(m, "label22"), QStringLiteral("600.00"));
    EXPECT_EQ(textOf(m, "label24"), QStringLiteral("(Six Hundred ) Only"));
    EXPECT_EQ(textOf(m, "nos"), QStringLiteral("1"));
    EXPECT_EQ(textOf(m, "tgpfs"), QStringLiteral("600.00"));
    EXPECT_EQ(textOf(m, "total"), QStringLiteral("600.00"));
    EXPECT_EQ(textOf(m, "label17"), QStringLiteral("DDO-2"));
}
