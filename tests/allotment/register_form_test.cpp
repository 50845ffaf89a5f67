#include "allotment/register_form.h"

#include "register_rows.h"

#include "common/schema.h"
#include "platform/data/database.h"
#include "platform/data/recordset.h"
#include "platform/forms/clock.h"
#include "platform/forms/controls.h"
#include "platform/forms/registry.h"
#include "support/hostile_inputs.h"
#include "support/temp_data_folder.h"
#include "support/ui_driver.h"

#include <gtest/gtest.h>

using namespace allotmenttest;
using namespace allotment;
using forms::Forms;
using forms::Label;
using forms::TextBox;

namespace {

// The bill form lives in another module; Import reaches it by name only.
struct BillFormStandIn : forms::Form {
    BillFormStandIn()
    {
        for (int n = 61; n <= 66; ++n)
            new Label(QStringLiteral("Label%1").arg(n), QStringLiteral("0"), this);
    }
};

const QDate kStart(2012, 4, 1);
const QString kSure = "ARE YOU SURE TO CLEAR ALL PREVIOUS RECORDS AND SET FOR CURRENT FINANCIAL YEAR?";

class Form1Test : public ::testing::Test {
protected:
    Form1Test() : today(QDate(2013, 3, 20))
    {
        if (!Forms::isRegistered("Form6"))
            Forms::registerForm<BillFormStandIn>("Form6");
        addHead(salary, "SALARY NP", "A", kStart);
        addHead(office, "OFFICE EXPENSES", "B", kStart);
        addHead(scheme, "SCHEME SP", "C", kStart);
        addHead(wages, "WAGES", "D", kStart);
    }
    void SetUp() override
    {
        form = &Forms::get<Form1>();
        testsupport::showForm(*form);
    }
    void TearDown() override
    {
        Forms::unloadAll();
        testsupport::settle();
    }

    TextBox& box(int n) { return form->control<TextBox>(QStringLiteral("Text%1").arg(n)); }
    QString label(const char* name) { return form->control<Label>(name).caption(); }
    Label& billFormLabel(int n) { return Forms::control<Label>("Form6", QStringLiteral("Label%1").arg(n)); }
    void chooseHead(const QString& code) { ASSERT_TRUE(testsupport::choose(*form->Combo1, code)); }
    QStringList enabledBoxes()
    {
        QStringList out;
        for (int n = 4; n <= 32; ++n)
            if (n != 16 && box(n).isEnabled())
                out << QStringLiteral("Text%1").arg(n);
        return out;
    }
    void walk(const QList<QWidget*>& chain, int key = Qt::Key_Return)
    {
        for (QWidget* next : chain) {
            testsupport::pressKey(*testsupport::focused(), key);
            ASSERT_EQ(testsupport::focused(), next) << next->objectName().toStdString();
        }
    }

    testsupport::TempDataFolder folder;
    forms::Clock::Override today;
    const QString salary = code("NP", "01");
    const QString office = code("NP", "13");
    const QString scheme = code("SP", "50");
    const QString wages = code("NP", "02");
    Form1* form = nullptr;
};

TEST_F(Form1Test, HeadChoiceShowsBalancesAndOpensTheSameBoxesInEitherOrder)
{
    EXPECT_EQ(form->DTPicker1->value(), kStart);
    EXPECT_EQ(label("Label76") + label("Label77") + label("Label78"), "2012--2013");
    EXPECT_TRUE(enabledBoxes().isEmpty());
    EXPECT_FALSE(form->Command8->visible());
    // Every command stays reachable inside the main window on a 1366x768 screen.
    EXPECT_LE(form->minimumSizeHint().height(), 680);
    EXPECT_LE(form->minimumSizeHint().width(), 1300);

    addAllotment(salary, "F/1", QDate(2012, 5, 2), {{Pay, 120000.5}, {Da, 50000}});
    addBill(salary, 7, QDate(2012, 6, 30), {{Pay, 60000}, {Hra, 900}});
    addBill(office, 31, QDate(2012, 7, 1), {{Elec, 100}});
    testsupport::ScriptedBoxes boxes;
    chooseHead(salary);
    // Label67: another head's bill.
    EXPECT_EQ(QStringList({label("Label2"), label("Label10"), label("Label11"), label("Label12"), label("Label15"),
                           label("Label67")}),
              (QStringList{"SALARY NP", "60000.5", "50000", "-900", "109100.5", "31"}));
    EXPECT_EQ(form->DBGrid1->rowCount(), 1); // the opening row is hidden
    EXPECT_TRUE(enabledBoxes().isEmpty());   // no entry option chosen

    // Option then head, or head then option: the same boxes.
    const QStringList allotBoxes{"Text11", "Text12", "Text13", "Text14"};
    const QStringList billBoxes{"Text25", "Text26", "Text27", "Text28"};
    testsupport::click(*form->Option1);
    chooseHead(office);
    EXPECT_EQ(enabledBoxes(), allotBoxes);
    chooseHead(wages);
    testsupport::click(*form->Option2);
    chooseHead(office);
    EXPECT_EQ(enabledBoxes(), billBoxes);
    testsupport::click(*form->Option1);
    EXPECT_EQ(enabledBoxes(), allotBoxes + billBoxes);
    chooseHead(scheme);
    EXPECT_EQ(enabledBoxes(), QStringList{"Text17"});
    testsupport::click(*form->Option3);
    chooseHead(salary);
    EXPECT_TRUE(enabledBoxes().isEmpty());

    // A period that misses the opening rows: the question, nothing else.
    form->DTPicker1->setValue(QDate(2013, 4, 1));
    boxes.answer(forms::vbNo, "Either allotment or expenditure table is empty. Want to enter data now?");
    chooseHead(salary);
    EXPECT_EQ(label("Label10"), "60000.5");
}

TEST_F(Form1Test, AllotmentIsCheckedInOrderSavedAndEveryBalanceRefreshed)
{
    testsupport::ScriptedBoxes boxes;
    testsupport::click(*form->Option1);
    form->Text2->setText("F/12/7");
    form->Command1_Click();
    EXPECT_EQ(boxes.lastPrompt(), "DRAWAL CODE NOT SELECTED");

    chooseHead(scheme);
    testsupport::click(*form->Option1);
    for (int n : {4, 5, 6, 7, 8, 9, 31, 10, 11, 12, 13, 14, 15, 17})
        EXPECT_TRUE(box(n).text() == "0" && box(n).selLength() == 1) << n;
    for (const char* bad : {"", "   ", " 0 "}) {
        boxes.clearBoxes();
        form->Text2->setText(bad);
        form->Command1_Click();
        EXPECT_EQ(boxes.prompts(), QStringList{"ORDER NUMBER NOT MENTIONED"}) << bad;
    }
    // First failure wins, in the fixed order.
    form->Text2->setText("F/12/7");
    box(4).setText("abc");
    box(5).setText("x");
    boxes.clearBoxes();
    form->Command1_Click();
    box(4).setText("0");
    box(5).setText("0");
    box(31).setText("");
    form->Command1_Click();
    EXPECT_EQ(boxes.prompts(), (QStringList{"PAY MUST BE A NUMBER", "D.PAY MUST BE A NUMBER"}));
    EXPECT_EQ(count("select count(*) from all_allot"), 4);

    box(31).setText("0");
    box(17).setText("2500.75");
    form->DTPicker3->setValue(QDate(2012, 8, 9));
    boxes.answer(forms::vbYes, "ALLOTMENT ENTERED SUCCESSFULLY UNDER THE HEAD OF A/C.\n\n" + scheme
                                   + ". ENTER ANOTHER IN THE SAME HEAD?");
    form->Command1_Click();
    EXPECT_EQ(count("select count(*) from all_allot where head = '" + scheme + "' and order_no = 'F/12/7' "
                    "and order_date = '2012-08-09' and scheme = 2500.75 and pay = 0 and despn = 'SCHEME SP'"),
              1);
    EXPECT_EQ(label("Label68"), "2500.75"); // the scheme balance too
    EXPECT_EQ(form->Text2->text(), "");
    EXPECT_EQ(box(17).text(), "0");
    EXPECT_EQ(testsupport::focused(), form->Text2);

    form->Text2->setText("F/12/8");
    box(17).setText("100");
    boxes.answer(forms::vbNo, "ALLOTMENT ENTERED SUCCESSFULLY");
    form->Command1_Click();
    EXPECT_EQ(label("Label68"), "2600.75");
    EXPECT_FALSE(form->Option1->value());
    EXPECT_FALSE(form->Command1->isEnabled());
    EXPECT_EQ(box(17).text(), "");
}

TEST_F(Form1Test, EnterAndTabWalkTheOpenGroupToOk)
{
    testsupport::ScriptedBoxes boxes;
    chooseHead(office);
    testsupport::click(*form->Option1);
    const QList<QWidget*> allotment = {form->DTPicker3, &box(11), &box(12), &box(13), &box(14), form->Command1};
    for (int key : {Qt::Key_Return, Qt::Key_Tab}) {
        testsupport::focus(*form->Text2);
        EXPECT_EQ(form->Text2->backColor(), forms::entryFocusColour);
        walk(allotment, key);
        EXPECT_EQ(form->Text2->backColor(), forms::entryIdleColour);
    }
    EXPECT_TRUE(boxes.boxes().isEmpty()) << "Enter checks nothing";

    // The bill side of a salary head; Import is offered after the bill number.
    chooseHead(salary);
    testsupport::click(*form->Option2);
    for (int key : {Qt::Key_Tab, Qt::Key_Return}) {
        testsupport::focus(*form->Text16);
        walk({form->DTPicker4, &box(18), &box(19), &box(20), &box(21), &box(22), &box(32), form->Command4}, key);
    }
    EXPECT_TRUE(form->Command8->visible());
}

TEST_F(Form1Test, BillEntryMarchPayBillDeductionAndRefusals)
{
    testsupport::ScriptedBoxes boxes;
    chooseHead(salary);
    testsupport::click(*form->Option2);
    form->DTPicker4->setValue(QDate(2013, 3, 15));
    box(18).setText("41000");
    box(32).setText("4800");
    for (const char* bad : {"0", "2.5", "x1", "-3", "2147483648"}) {
        form->Text16->setText(bad);
        form->Command4_Click();
        EXPECT_EQ(boxes.lastPrompt(), "BILL NUMBER MUST BE A WHOLE NUMBER ABOVE 0") << bad;
    }
    form->Text16->setText("  ");
    form->Command4_Click();
    EXPECT_EQ(boxes.lastPrompt(), "BILL NUMBER NOT MENTIONED");
    EXPECT_EQ(boxes.boxes().last().title, "Hi");

    // Cancel at the deduction abandons the bill.
    form->Text16->setText("12");
    boxes.answerInput(std::nullopt, "THIS IS A PAY BILL.\nENTER TOTAL DEDUCTION OF THE BILL HERE.");
    form->Command4_Click();
    EXPECT_EQ(count("select count(*) from all_exp where bill_no = 12"), 0);
    EXPECT_EQ(box(18).text(), "41000");

    // Letters are asked again; the March pay bill goes under 1 April of its year.
    boxes.clearBoxes();
    boxes.answerInput(QString("twelve"), "ENTER TOTAL DEDUCTION");
    boxes.answerInput(QString("1250"), "ENTER TOTAL DEDUCTION");
    boxes.answer(forms::vbNo, "BILL ENTERED SUCCESSFULLY UNDER THE HEAD OF A/C.\n\n" + salary);
    form->Command4_Click();
    EXPECT_EQ(boxes.prompts()[1], "TOTAL DEDUCTION MUST BE A NUMBER");
    EXPECT_EQ(count("select count(*) from all_exp where bill_no = 12 and bill_date = '2013-04-01' "
                    "and pay = 41000 and d_pay = 4800 and deduction = 1250 and despn = 'SALARY NP'"),
              1);
    EXPECT_EQ(label("Label67"), "12");
    EXPECT_FALSE(form->Label83->visible());
    EXPECT_FALSE(form->Command4->isEnabled());
    EXPECT_EQ(label("Label10"), "0"); // 1 April 2013 lies outside the period
}

TEST_F(Form1Test, ImportTakesThePayBillTotalsOnceAndOnlyForAPayBill)
{
    testsupport::ScriptedBoxes boxes;
    const QString totals[] = {"52000", "37440", "2300", "900", "9600", "6120"};
    for (int i = 0; i < 6; ++i)
        billFormLabel(61 + i).setCaption(totals[i]);

    chooseHead(wages);
    testsupport::click(*form->Option2);
    form->Command8_Click();
    EXPECT_EQ(boxes.lastPrompt(), "IMPORT IS ONLY FOR A NEW BILL UNDER A SALARY HEAD (OBJECT HEAD 01).");
    EXPECT_EQ(billFormLabel(61).caption(), "52000");

    chooseHead(salary);
    testsupport::click(*form->Option2);
    boxes.clearBoxes();
    form->Command8_Click();
    EXPECT_TRUE(boxes.boxes().isEmpty());
    const QStringList taken{box(18).text(), box(19).text(), box(20).text(), box(21).text(), box(32).text(),
                            label("Label83")};
    EXPECT_EQ(taken, QStringList(std::begin(totals), std::end(totals)));
    for (int n = 61; n <= 66; ++n)
        EXPECT_EQ(billFormLabel(n).caption(), "0") << n;

    form->Command8_Click();
    EXPECT_EQ(boxes.lastPrompt(), "DATA NOT AVAILABLE. OPEN REPORT SECTION.");
    EXPECT_EQ(boxes.boxes().last().title, "PLEASE NOTE");
    EXPECT_EQ(box(18).text(), "52000");
    EXPECT_FALSE(form->Command8->visible());
}

TEST_F(Form1Test, ResetKeepsTheNewYearAndRefusesAStartThatIsNotFirstApril)
{
    addAllotment(salary, "F/1", QDate(2012, 5, 2), {{Pay, 1000}});
    addBill(salary, 7, QDate(2012, 6, 30), {{Pay, 600}});
    addBill(salary, 8, QDate(2013, 4, 1), {{Pay, 800}}); // the March pay bill
    addAllotment(salary, "F/13/1", QDate(2013, 4, 3), {{Pay, 5000}});
    testsupport::ScriptedBoxes boxes;

    form->DTPicker1->setValue(QDate(2013, 3, 1));
    testsupport::click(*form->Option3);
    form->Command6_Click();
    EXPECT_TRUE(boxes.lastPrompt().startsWith("A FINANCIAL YEAR BEGINS ON 1 APRIL."));

    form->DTPicker1->setValue(QDate(2013, 4, 1));
    testsupport::click(*form->Option3);
    EXPECT_EQ(form->Text3->text() + " " + form->Text1->text(), "01/04/2013 01/04/2012");
    boxes.answer(forms::vbNo, kSure);
    form->Command3_Click();
    EXPECT_EQ(count("select count(*) from all_exp") + count("select count(*) from all_allot"), 12);
    // Enter or Esc on the question keeps both registers.
    EXPECT_TRUE(boxes.boxes().last().defaultNo());

    // Run twice in the registers' own tests; here once, with what the user sees.
    boxes.answer(forms::vbYes, kSure).answer(forms::vbYes, kSure);
    boxes.clearBoxes();
    form->Command6_Click();
    form->Command3_Click();
    EXPECT_EQ(boxes.prompts(), (QStringList{kSure, "YOUR ALLOTMENT REGISTER IS EMPTY NOW", kSure,
                                            "YOUR BILL REGISTER IS EMPTY NOW"}));
    EXPECT_FALSE(form->Command3->isEnabled());
    EXPECT_TRUE(form->Command6->isEnabled());
    // Four opening rows each, F/13/1 and the March pay bill 8.
    EXPECT_EQ(count("select count(*) from all_allot") * 10 + count("select count(*) from all_exp"), 55);

    testsupport::click(*form->Option3);
    testsupport::click(*form->Option1); // disarms the reset panel
    EXPECT_EQ(form->Text3->text(), "");
    EXPECT_FALSE(form->Command6->isEnabled());
}

} // namespace

TEST_F(Form1Test, RegisterAmountsWithinAThousandCroreOnlyAllotmentsNegativeAndOrderNumbersAsTyped)
{
    testsupport::ScriptedBoxes boxes;
    chooseHead(office);
    testsupport::click(*form->Option2);
    form->Text16->setText("2147483647"); // the largest bill number
    for (const char* bad : {"-700", "1234567.890123456", ""}) { // the rest as for the scheme below
        boxes.clearBoxes();
        box(25).setText(QString::fromLatin1(bad));
        form->Command4_Click();
        EXPECT_EQ(boxes.prompts(), QStringList{"ELEC. MUST BE A NUMBER"}) << bad;
    }
    EXPECT_EQ(count("select count(*) from all_exp where bill_no > 0"), 0);

    // A withdrawal of funds is a negative allotment order.
    boxes.clearBoxes();
    testsupport::click(*form->Option1);
    form->Text2->setText("W/1");
    box(11).setText("-2500.50");
    boxes.answer(forms::vbNo, "ALLOTMENT ENTERED SUCCESSFULLY");
    form->Command1_Click();
    EXPECT_EQ(count("select count(*) from all_allot where order_no = 'W/1' and -2500.5 in "
                    "(pay, d_pay, da, hra, ma, bonus, wages, ta, elec, tele, misc, oe, oc, scheme)"),
              1);
    testsupport::click(*form->Option1);
    form->Text2->setText("W/2");
    box(11).setText("-10000000000"); // a thousand crore, even withdrawn
    form->Command1_Click();
    EXPECT_EQ(count("select count(*) from all_allot where order_no = 'W/2'"), 0);

    // Odd order numbers are filed as typed, one row each, and a refused
    // order writes no row at all.
    chooseHead(scheme);
    testsupport::click(*form->Option1);
    const int opening = count("select count(*) from all_allot");
    for (const QString& text : testsupport::notAmounts().mid(1) + QStringList{"99999999999", "10000000000"}) {
        SCOPED_TRACE(text.left(20).toStdString());
        boxes.clearBoxes();
        testsupport::paste(*form->Text2, "F/12/7");
        testsupport::paste(box(17), text);
        form->Command1_Click();
        ASSERT_EQ(boxes.prompts().size(), 1);
        EXPECT_TRUE(boxes.prompts()[0].startsWith("Schematic fund must"));
        box(17).setText("0");
    }
    EXPECT_EQ(count("select count(*) from all_allot"), opening);

    for (const auto& line : testsupport::unstorable(form->Text2, "ORDER NUMBER", 30))
        for (const QString& text : line.texts) {
            boxes.clearBoxes();
            testsupport::paste(*form->Text2, text);
            box(17).setText("10");
            form->Command1_Click();
            EXPECT_EQ(boxes.prompts(), line.said);
        }
    EXPECT_EQ(count("select count(*) from all_allot"), opening);

    int n = opening;
    for (const QString& text : testsupport::keptTexts() + QStringList{"5 or 1=1", "  12  ", "1,000"}) {
        SCOPED_TRACE(text.left(20).toStdString());
        boxes.clearBoxes();
        testsupport::paste(*form->Text2, text);
        box(17).setText("  10  ");
        boxes.answer(forms::vbYes, "ALLOTMENT ENTERED SUCCESSFULLY");
        form->Command1_Click();
        EXPECT_EQ(count("select count(*) from all_allot"), ++n);
        data::QueryRecordset rs(data::Database::open(common::kFundDb),
                                "select order_no from all_allot order by rowid desc limit 1");
        EXPECT_EQ(rs["order_no"].text(), text.trimmed());
    }
}
