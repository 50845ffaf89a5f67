#include "paybill/schedules/increment_certificate.h"
#include "paybill/schedules/recovery_schedules.h"
#include "schedules_fixture.h"

using namespace schedtest;
using paybill::DataReport12;
using paybill::DataReport14;
using paybill::DataReport17;

TEST_F(BillOnForm, HouseBuildingLoanStatesPrincipalAndInterestTogether)
{
    testsupport::click(*form->Command14);
    EXPECT_EQ(form->Label14->caption(), QStringLiteral("1250"));
    EXPECT_EQ(form->Label15->caption(), QStringLiteral("(One Thousand Two Hundred Fifty) Only"));

    const reports::PageModel m = reports::Reports::get<DataReport12>().layout();
    EXPECT_EQ(m.texts(QStringLiteral("name")), QStringList{"Bimal Das"});
    EXPECT_EQ(textOf(m, "hb_loan"), QStringLiteral("1000"));
    EXPECT_EQ(textOf(m, "hb_int"), QStringLiteral("250"));
    EXPECT_EQ(textOf(m, "label35"), QString::fromLatin1(kDrawalCode));
    EXPECT_EQ(textOf(m, "label33"), form->Label15->caption());
    EXPECT_EQ(textOf(m, "label32"), QStringLiteral("DDO-2"));
}

TEST_F(BillOnForm, HouseRentWritesItsOwnLabelsAndPrintsOnlyTheWords)
{
    form->Label14->setCaption(QStringLiteral("before"));
    testsupport::click(*form->Command19);
    EXPECT_EQ(form->Label54->caption(), QStringLiteral("450"));
    EXPECT_EQ(form->Label55->caption(), QStringLiteral("(Four Hundred Fifty) Only"));
    EXPECT_EQ(form->Label14->caption(), QStringLiteral("before"));

    const reports::PageModel m = reports::Reports::get<DataReport17>().layout();
    EXPECT_EQ(m.texts(QStringLiteral("others")), QStringList{"450"});
    EXPECT_EQ(textOf(m, "label32"), QStringLiteral("FEB-12"));
    EXPECT_EQ(textOf(m, "label31"), QStringLiteral("(Four Hundred Fifty) Only"));
    EXPECT_EQ(textOf(m, "label7"), QStringLiteral("DDO-2"));
    EXPECT_EQ(textOf(m, "label23"), QString::fromLatin1(kDrawalCode));
    for (const reports::Page& page : m.pages)
        for (const reports::Item& item : page.items) {
            if (item.control != QStringLiteral("others")) {
                EXPECT_NE(item.text, QStringLiteral("450")) << item.control.toStdString();
            }
        }
}

TEST_F(BillOnForm, IncrementCertificateListsTheHeadsEmployeesOfTheLastRun)
{
    addEmployee("T002", "Tapan Ghosh", "C", "");
    salaryDb().execute(QStringLiteral("insert into emp_temp (emp_code, pr_pay, e_date) values"
                                      " ('S001', 14000, '2010-07-01'), ('T002', 9000, '2010-07-01'),"
                                      " ('S003', 9100, '2010-07-01')"));
    testsupport::click(*form->Command12);
    EXPECT_TRUE(boxes.boxes().isEmpty());

    const reports::PageModel m = reports::Reports::get<DataReport14>().layout();
    EXPECT_EQ(m.texts(QStringLiteral("name")), (QStringList{"Asha Roy", "Chitra Sen"}));
    EXPECT_EQ(m.texts(QStringLiteral("pr_pay")), (QStringList{"14000", "9100"}));
    EXPECT_EQ(m.texts(QStringLiteral("e_date")), (QStringList{"01/07/2010", "01/07/2010"}));
    EXPECT_EQ(textOf(m, "label5"), QStringLiteral("DDO-2"));
    EXPECT_TRUE(m.landscape);
}
