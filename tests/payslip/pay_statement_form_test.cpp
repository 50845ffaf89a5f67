#include "payslip/pay_reports.h"
#include "payslip/pay_statement_form.h"
#include "payslip_fixture.h"
#include "platform/forms/controls.h"

#include <QFile>

using namespace slipstest;
using namespace testsupport;
using payslip::Form15;

namespace {

class StatementForm : public Office {
protected:
    Form15& open()
    {
        form = &forms::Forms::get<Form15>();
        showForm(*form);
        return *form;
    }
    Form15* form = nullptr;
};

} // namespace

TEST_F(StatementForm, LookUpThenStatementOfTheCodeFound)
{
    makeMarchBill();
    auto& f = open();
    EXPECT_EQ(f.DTPicker1->value(), QDate(2013, 4, 1));
    EXPECT_EQ(f.DTPicker2->value(), QDate(2014, 3, 20));
    EXPECT_FALSE(f.DTPicker1->isEnabled());
    EXPECT_EQ(f.Label11->caption(), QStringLiteral("Office of the Block Development Officer Nadia"));

    click(*f.Command1);
    EXPECT_EQ(boxes.lastPrompt(), QStringLiteral("First select an employee by entering employee code.\n"
                                                 "Then select the period of IT Statement and proceed"));
    boxes.clearBoxes();

    enter(*f.Text1, QStringLiteral("  A101 "));
    EXPECT_EQ(f.Label5->caption(), QStringLiteral("Name A101 , CLERK"));
    EXPECT_EQ(f.Label13->caption(), QStringLiteral("GPF/A101"));
    EXPECT_EQ(focused(), f.DTPicker1);
    pressEnter(*f.DTPicker1);
    EXPECT_TRUE(f.DTPicker2->isEnabled());

    f.DTPicker1->setValue(QDate(2012, 4, 1));
    f.DTPicker2->setValue(QDate(2012, 3, 1));
    click(*f.Command1);
    EXPECT_EQ(boxes.lastPrompt(), QStringLiteral("THE PERIOD ENDS BEFORE IT BEGINS. CHECK THE DATES."));
    f.DTPicker2->setValue(QDate(2013, 3, 31));
    click(*f.Command1);
    EXPECT_EQ(f.Label7->caption(), QStringLiteral("Mar-12"));
    EXPECT_EQ(f.Label9->caption(), QStringLiteral("04/01/12"));
    EXPECT_EQ(f.Label10->caption(), QStringLiteral("03/31/13"));
    auto model = reports::Reports::get<payslip::DataReport11>().layout();
    EXPECT_EQ(model.texts(QStringLiteral("Text16")), QStringList{"22300"});
    EXPECT_EQ(model.texts(QStringLiteral("Label18")), QStringList{"Name A101 , CLERK"});
    EXPECT_EQ(model.texts(QStringLiteral("Label20")), QStringList{"Mar-12"});

    // A missing template is named, with the way to restore it.
    QFile::remove(folder.path() + QStringLiteral("/IT_statement.xlsx"));
    boxes.clearBoxes();
    click(*f.Command3);
    ASSERT_EQ(boxes.prompts().size(), 1);
    EXPECT_TRUE(boxes.lastPrompt().contains(QStringLiteral("IT_statement.xlsx")));
    EXPECT_TRUE(boxes.lastPrompt().contains(QStringLiteral("No statement was made.")));
    EXPECT_TRUE(boxes.lastPrompt().contains(QStringLiteral("--update")));

    // An edit of the code forgets the employee found.
    type(*f.Text1, QStringLiteral("B201"));
    EXPECT_EQ(f.Label5->caption(), QStringLiteral(" "));
    boxes.clearBoxes();
    click(*f.Command3);
    EXPECT_EQ(boxes.prompts().size(), 1);
    EXPECT_TRUE(boxes.lastPrompt().startsWith(QStringLiteral("First select an employee")));

    // A removed employee: found after the question, no income-tax statement.
    boxes.clearBoxes();
    boxes.answer(forms::vbYes, QStringLiteral("Back Up Register"));
    enter(*f.Text1, QStringLiteral("R900"));
    EXPECT_EQ(f.Label5->caption(), QStringLiteral("Ramen Sil , PEON"));
    boxes.answer(forms::vbNo, QStringLiteral("Back Up Register"));
    enter(*f.Text1, QStringLiteral("X1"));
    EXPECT_EQ(focused(), f.Text1);
    EXPECT_EQ(f.Label5->caption(), QStringLiteral(" "));
}
