#include "payslip_fixture.h"

#include <QFile>

using namespace slipstest;
using namespace testsupport;
using StatementForm = Office;

// The statement and workbook of a found code are in the March-bill test.
TEST_F(StatementForm, LookUpDefaultsMissingTemplateAndBackUpRegister)
{
    makeMarchBill();
    auto& f = statementForm();
    EXPECT_EQ(f.DTPicker1->value(), QDate(2013, 4, 1));
    EXPECT_EQ(f.DTPicker2->value(), QDate(2014, 3, 20));
    EXPECT_FALSE(f.DTPicker1->isEnabled());
    EXPECT_EQ(f.Label11->caption(), QStringLiteral("Office of the Block Development Officer Nadia"));

    enter(*f.Text1, QStringLiteral("  A101 "));
    EXPECT_EQ(captions({f.Label5, f.Label13}), (QStringList{"Name A101 , CLERK", "GPF/A101"}));
    EXPECT_EQ(focused(), f.DTPicker1);
    pressEnter(*f.DTPicker1);
    EXPECT_TRUE(f.DTPicker2->isEnabled());

    f.DTPicker1->setValue(QDate(2012, 4, 1));
    f.DTPicker2->setValue(QDate(2013, 3, 31));
    click(*f.Command1);
    // A missing template is named, with the way to restore it.
    QFile::remove(folder.path() + QStringLiteral("/IT_statement.xlsx"));
    click(*f.Command3);
    const QStringList prompts = shown();
    ASSERT_EQ(prompts.size(), 1);
    for (const char* part : {"IT_statement.xlsx", "No statement was made.", "--update"})
        EXPECT_TRUE(prompts[0].contains(QLatin1String(part))) << part;

    // A removed employee: found after the question, no income-tax statement.
    boxes.answer(forms::vbYes, QStringLiteral("Back Up Register"));
    enter(*f.Text1, QStringLiteral("R900"));
    EXPECT_EQ(f.Label5->caption(), QStringLiteral("Ramen Sil , PEON"));
    boxes.answer(forms::vbNo, QStringLiteral("Back Up Register"));
    enter(*f.Text1, QStringLiteral("X1"));
    EXPECT_EQ(focused(), f.Text1);
    EXPECT_EQ(f.Label5->caption(), QStringLiteral(" "));
}
