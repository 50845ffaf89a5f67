#include "salary/single_click_form.h"

#include "platform/forms/clock.h"
#include "platform/forms/controls.h"
#include "platform/forms/registry.h"
#include "salary/single_click_run.h"
#include "salary_fixture.h"
#include "support/hostile_inputs.h"
#include "support/temp_data_folder.h"
#include "support/ui_driver.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <gtest/gtest.h>

using namespace salarytest;
using forms::CommandButton;
using forms::DatePicker;
using forms::Forms;
using forms::Label;
using forms::ListBox;
using forms::TextBox;

namespace {

// Stand-ins for the forms Form9 leads to, which live in other modules.
template <int N>
struct LinkedForm : forms::Form {
    LinkedForm() { new TextBox(QStringLiteral("Text1"), this); }
};

void registerLinkedForms()
{
    if (!Forms::isRegistered("Employee"))
        Forms::registerForm<LinkedForm<1>>("Employee");
    if (!Forms::isRegistered("SALARY"))
        Forms::registerForm<LinkedForm<2>>("SALARY");
    if (!Forms::isRegistered("Status"))
        Forms::registerForm<LinkedForm<3>>("Status");
}

const QString kRunQuestion = "ONE CLICK SALARY - ENABLE YOU TO PREPARE SALARY\n\n"
                             "WITHOUT ANY MISCELLENOUS RECOVERY DEDUCTION.\n\n"
                             "DO YOU LIKE TO PROCEED THIS WAY?";

class Form9Test : public ::testing::Test {
protected:
    void SetUp() override
    {
        addOffice();
        registerLinkedForms();
        form = &Forms::get<salary::Form9>();
    }
    void TearDown() override
    {
        Forms::unloadAll();
        testsupport::settle();
    }

    TextBox& box(const char* name) { return form->control<TextBox>(name); }
    Label& label(const char* name) { return form->control<Label>(name); }
    CommandButton& button(const char* name) { return form->control<CommandButton>(name); }
    QStringList texts(std::initializer_list<const char*> names)
    {
        QStringList out;
        for (const char* n : names)
            out << box(n).text();
        return out;
    }
    QStringList rowCommands() // FIND, EDIT and DELETE, those enabled
    {
        QStringList out;
        for (const char* n : {"Command2", "Command3", "Command5"})
            if (button(n).isEnabled())
                out << n;
        return out;
    }
    void setBillDate(const QDate& d) { form->control<DatePicker>("DTPicker1").setValue(d); }
    void run(const QDate& d)
    {
        testsupport::ScriptedBoxes boxes;
        boxes.answer(forms::vbYes, "ONE CLICK SALARY");
        setBillDate(d);
        form->Command1_Click();
    }
    void find(const QString& code)
    {
        box("Text1").setText(code);
        form->Command2_Click();
    }
    void enterRecoveries(const QString& a, const QString& b, const QString& c, const QString& d)
    {
        box("Text2").setText(a);
        box("Text3").setText(b);
        box("Text4").setText(c);
        box("Text5").setText(d);
        form->Text5_LostFocus();
    }

    forms::Clock::Override today{QDate(2012, 3, 10)};
    testsupport::TempDataFolder folder;
    salary::Form9* form = nullptr;
};

} // namespace

TEST_F(Form9Test, RunAsksThenReportsAndARepeatAsksAboutTheMonth)
{
    EXPECT_EQ(form->control<DatePicker>("DTPicker1").value(), QDate(2012, 3, 10));
    EXPECT_EQ(rowCommands(), QStringList{});
    EXPECT_TRUE(button("Command1").isEnabled());
    {
        testsupport::ScriptedBoxes boxes;
        boxes.answer(forms::vbNo, "ONE CLICK SALARY");
        form->Command1_Click();
        EXPECT_EQ(boxes.boxes().size(), 1);
        EXPECT_EQ(scalar("select count(*) from salary"), 0);
    }
    {
        testsupport::ScriptedBoxes boxes;
        boxes.answer(forms::vbYes, "ONE CLICK SALARY");
        form->Command1_Click();
        ASSERT_EQ(boxes.boxes().size(), 2);
        EXPECT_EQ(testsupport::said(boxes.boxes()[0]), "Hi|68|" + kRunQuestion);
        EXPECT_EQ(testsupport::said(boxes.boxes()[1]), "PLEASE NOTE|0|SALARY OF 3 NUMBERS EMPLOYEE FOR THE MONTH OF "
                                                      "Mar-12\n\n PREPARED AND SAVED IN THE AQUITTANCE ROLL.\n");
        EXPECT_EQ(scalar("select count(*) from salary"), 3);
    }
    const QString duplicate = "SALARY OF RAM KUMAR AND 2 OTHERS  FOR THE MONTH OF Mar-12\n\n"
                              "HAS ALREADY PREPARED. SO, HE / SHE / THEY WILL NOT ENTITLE TO GET\n\n"
                              "SALARY FOR THIS MONTH AGAIN. DO YOU WANT TO PROCEED ANY WAY?\n\n";
    setBillDate(QDate(2012, 3, 25));
    {
        testsupport::ScriptedBoxes boxes;
        boxes.answer(forms::vbYes, "ONE CLICK SALARY").answer(forms::vbNo, "HAS ALREADY PREPARED");
        form->Command1_Click();
        ASSERT_EQ(boxes.boxes().size(), 2);
        EXPECT_EQ(testsupport::said(boxes.boxes()[1]), "DUPLICATE ENTRY ERROR|260|" + duplicate);
        EXPECT_EQ(scalar("select count(*) from salary"), 3);
    }
    {
        testsupport::ScriptedBoxes boxes;
        boxes.answer(forms::vbYes, "ONE CLICK SALARY").answer(forms::vbYes, "HAS ALREADY PREPARED");
        form->Command1_Click();
        ASSERT_EQ(boxes.boxes().size(), 3);
        EXPECT_TRUE(boxes.boxes()[2].prompt.startsWith("SALARY OF 3 NUMBERS EMPLOYEE FOR THE MONTH OF Mar-12"));
    }
    EXPECT_EQ(scalar("select count(*) from salary where bill_date = '2012-03-25'"), 3);
    // The repeat run moved no ledger: one instalment taken in all.
    EXPECT_EQ(scalar("select loan_due from gpf_loan where emp_code = 'A12'"), 2700);
    EXPECT_EQ(scalar("select inst_no from festi_adv where emp_code = 'A12'"), 2);

    form->Command4_Click();
    testsupport::settle();
    EXPECT_FALSE(Forms::isLoaded<salary::Form9>());
    EXPECT_TRUE(Forms::isLoaded("SALARY"));
}

TEST_F(Form9Test, FirstOfAprilIsOneMonthForRowsQuestionAndMessage)
{
    testsupport::ScriptedBoxes boxes;
    boxes.answer(forms::vbYes, "ONE CLICK SALARY");
    setBillDate(QDate(2012, 4, 1));
    form->Command1_Click();
    EXPECT_TRUE(boxes.lastPrompt().startsWith("SALARY OF 3 NUMBERS EMPLOYEE FOR THE MONTH OF Mar-12"));
    EXPECT_EQ(scalar("select count(*) from salary where p_month = 'Mar-12'"), 3);

    // A second run on 1 April, and a run later in March, both meet March's rows.
    for (QDate again : {QDate(2012, 4, 1), QDate(2012, 3, 31)}) {
        boxes.clearBoxes();
        boxes.answer(forms::vbYes, "ONE CLICK SALARY").answer(forms::vbNo, "FOR THE MONTH OF Mar-12");
        setBillDate(again);
        form->Command1_Click();
        EXPECT_EQ(boxes.boxes().size(), 2);
    }
    EXPECT_EQ(scalar("select count(*) from salary"), 3);
}

TEST_F(Form9Test, FailedRunSaysNothingWasSaved)
{
    salaryDb().execute("create trigger refuse before insert on salary when new.emp_code = 'B7' "
                       "begin select raise(abort, 'disk full'); end");
    testsupport::ScriptedBoxes boxes;
    boxes.answer(forms::vbYes, "ONE CLICK SALARY");
    form->Command1_Click();
    ASSERT_EQ(boxes.boxes().size(), 2);
    EXPECT_EQ(boxes.boxes()[1].style, 16);
    EXPECT_EQ(boxes.boxes()[1].prompt, "SALARY COULD NOT BE PREPARED:\nThe data file could not be read or written; "
                                       "nothing of it was saved.\n\nNOTHING OF THIS RUN HAS BEEN SAVED: NO SALARY "
                                       "ROW AND NO LEDGER CHANGE.");
    EXPECT_TRUE(boxes.boxes()[1].details.contains("disk full"));

    // Another program holding the file: said so in the clerk's words, after the engine's wait.
    salaryDb().execute("drop trigger refuse");
    const QString other = "other program";
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", other);
        db.setDatabaseName(salaryDb().path());
        ASSERT_TRUE(db.open());
        QSqlQuery q(db);
        ASSERT_TRUE(q.exec("BEGIN EXCLUSIVE"));
        boxes.clearBoxes();
        boxes.answer(forms::vbYes, "ONE CLICK SALARY");
        form->Command1_Click();
        q.exec("ROLLBACK");
        db.close();
    }
    QSqlDatabase::removeDatabase(other);
    ASSERT_EQ(boxes.boxes().size(), 2);
    EXPECT_TRUE(boxes.boxes()[1].prompt.startsWith(
        "SALARY COULD NOT BE PREPARED:\nThe data file is in use by another program or another copy of Dosset; "
        "nothing was saved."));
    EXPECT_TRUE(boxes.boxes()[1].details.contains("locked"));
    EXPECT_EQ(scalar("select count(*) from salary"), 0);
    EXPECT_EQ(scalar("select loan_due from gpf_loan where emp_code = 'A12'"), 3000);
}

TEST_F(Form9Test, EnterChainFindEditAndFindAgainKeepMiscOnceInTheDeduction)
{
    run(QDate(2012, 3, 10));
    // Through the Enter chain, as the clerk goes: code, FIND, the four recoveries, EDIT.
    testsupport::showForm(*form);
    testsupport::enter(box("Text1"), "A12");
    EXPECT_EQ(testsupport::focused(), &button("Command2"));
    testsupport::pressEnter(button("Command2"));
    EXPECT_EQ(label("Label4").caption() + "|" + label("Label6").caption(), "Ram Kumar|CLERK A12");
    EXPECT_EQ(texts({"Text2", "Text6"}), (QStringList{"0", "0"}));
    EXPECT_EQ(rowCommands(), (QStringList{"Command2", "Command5"}));
    EXPECT_EQ(testsupport::focused(), &box("Text2"));
    EXPECT_EQ(box("Text2").backColor(), forms::entryFocusColour);
    EXPECT_EQ(box("Text2").selectedText(), "0");
    testsupport::type(box("Text2"), "100");
    testsupport::pressEnter(box("Text2"));
    EXPECT_EQ(box("Text2").backColor(), forms::entryIdleColour);
    EXPECT_EQ(testsupport::focused(), &box("Text3"));
    testsupport::enter(box("Text3"), "50");
    testsupport::enter(box("Text4"), "");
    testsupport::enter(box("Text5"), "25");
    EXPECT_EQ(box("Text6").text(), "175");
    EXPECT_EQ(testsupport::focused(), &button("Command3"));
    {
        testsupport::ScriptedBoxes boxes;
        boxes.answer(forms::vbYes, "DO YOU LIKE TO SAVE CHANGES?");
        testsupport::pressEnter(button("Command3"));
        EXPECT_EQ(boxes.prompts(), (QStringList{"DO YOU LIKE TO SAVE CHANGES?", "RECORD EDITED AND SAVED."}));
    }
    EXPECT_EQ(testsupport::focused(), &box("Text1"));
    const double gross = 40330 - 1000.0 / 3;
    EXPECT_EQ(firstRow("select hb_loan, hb_int, i_tax, others, misc, deduct from salary where emp_code = 'A12'"),
              (QVariantList{100.0, 50.0, 0.0, 25.0, 175.0, 2540.0 + 175}));
    EXPECT_DOUBLE_EQ(scalar("select net from salary where emp_code = 'A12'"), gross - 2715);
    EXPECT_EQ(box("Text1").text() + label("Label4").caption(), "");
    EXPECT_EQ(rowCommands(), QStringList{});

    find("A12");
    EXPECT_EQ(texts({"Text2", "Text3", "Text4", "Text5", "Text6"}), (QStringList{"100", "50", "0", "25", "175"}));
    enterRecoveries("100", "50.5", "0", "0");
    EXPECT_EQ(box("Text6").text(), "150.5");
    {
        testsupport::ScriptedBoxes boxes;
        boxes.answer(forms::vbYes, "DO YOU LIKE TO SAVE CHANGES?");
        form->Command3_Click();
    }
    const QVariantList r = firstRow("select misc, deduct, net from salary where emp_code = 'A12'");
    EXPECT_EQ(r.mid(0, 2), (QVariantList{150.5, 2540.0 + 150.5}));
    EXPECT_DOUBLE_EQ(r[2].toDouble(), gross - 2690.5);
}

TEST_F(Form9Test, EditRefusesWhatItCannotSave)
{
    run(QDate(2012, 3, 10));
    const QVariantList before = firstRow("select * from salary where emp_code = 'A12'");

    // No: nothing written, EDIT disabled, the code kept.
    find("A12");
    enterRecoveries("100", "50", "0", "0");
    {
        testsupport::ScriptedBoxes boxes;
        boxes.answer(forms::vbNo, "DO YOU LIKE TO SAVE CHANGES?");
        form->Command3_Click();
    }
    EXPECT_FALSE(button("Command3").isEnabled());
    EXPECT_EQ(box("Text1").text(), "A12");

    // Another code typed after the find: EDIT and DELETE no longer act.
    find("A12");
    enterRecoveries("100", "0", "0", "0");
    box("Text1").setText("A123");
    EXPECT_FALSE(button("Command3").isEnabled());
    EXPECT_FALSE(button("Command5").isEnabled());
    box("Text2").setText("100");
    {
        testsupport::ScriptedBoxes boxes;
        form->Command3_Click();
        EXPECT_EQ(boxes.prompts(), QStringList{"NO RECORD FOUND FOR EDIT. FIND OUT THE RECORD FIRST"});
    }
    // The bill date changed after the find: the same; a find there has no row
    // and leaves the boxes as typed.
    find("A12");
    enterRecoveries("7", "0", "0", "0");
    setBillDate(QDate(2012, 3, 11));
    {
        testsupport::ScriptedBoxes boxes;
        form->Command3_Click();
        form->Command5_Click();
        form->Command2_Click();
        EXPECT_EQ(boxes.prompts(), (QStringList{"NO RECORD FOUND FOR EDIT. FIND OUT THE RECORD FIRST",
                                                "NO RECORD FOUND FOR DELETION. FIND OUT THE RECORD FIRST",
                                                "NO RECORD FOUND FOR THIS BILL DATE"}));
        EXPECT_EQ(boxes.boxes()[2].style, 64);
    }
    EXPECT_EQ(box("Text2").text(), "7");
    EXPECT_FALSE(button("Command5").isEnabled());
    EXPECT_EQ(firstRow("select * from salary where emp_code = 'A12'"), before);
    EXPECT_EQ(scalar("select count(*) from salary"), 3);
}

TEST_F(Form9Test, DeleteRemovesTheFoundCodesRowsAndCountsThem)
{
    run(QDate(2012, 4, 1));
    // A second row of A12 on the same bill.
    salaryDb().execute("insert into salary (name, designation, emp_code, bill_date, p_month) "
                       "values ('Ram Kumar', 'CLERK A12', 'A12', '2012-04-01', 'Mar-12')");
    setBillDate(QDate(2012, 4, 1));
    find("A12");
    {
        testsupport::ScriptedBoxes boxes;
        boxes.answer(forms::vbNo, "ARE YOU SURE ABOUT DELETION OF THIS RECORD ?");
        form->Command5_Click();
    }
    EXPECT_EQ(scalar("select count(*) from salary"), 4);
    {
        testsupport::ScriptedBoxes boxes;
        boxes.answer(forms::vbYes, "ARE YOU SURE ABOUT DELETION OF THIS RECORD ?");
        form->Command5_Click();
        ASSERT_EQ(boxes.boxes().size(), 2);
        EXPECT_EQ(testsupport::said(boxes.boxes()[0]),
                  "CONFIRM DELETION|260|ARE YOU SURE ABOUT DELETION OF THIS RECORD ?"); // Enter keeps the row
        EXPECT_EQ(testsupport::said(boxes.boxes()[1]), "PLEASE NOTE|0|SALARY RECORD OF RAM KUMAR, CLERK A12\n"
                                                      "FOR THE MONTH OF Mar-12 HAS BEEN DELETED\n"
                                                      "FROM AQUITTANCE ROLL.\n\n2 RECORDS DELETED.");
    }
    EXPECT_EQ(scalar("select count(*) from salary where emp_code = 'A12'"), 0);
    EXPECT_EQ(scalar("select count(*) from salary"), 2);
    EXPECT_EQ(box("Text1").text(), "");
    EXPECT_FALSE(button("Command5").isEnabled());

    // Rows removed elsewhere between the find and the delete.
    find("B7");
    salaryDb().execute("delete from salary where emp_code = 'B7'");
    {
        testsupport::ScriptedBoxes boxes;
        boxes.answer(forms::vbYes, "ARE YOU SURE ABOUT DELETION");
        form->Command5_Click();
        EXPECT_EQ(boxes.lastPrompt(), "NO SALARY RECORD OF B7 FOR THE BILL DATE 01/04/2012 WAS FOUND.\n"
                                      "NOTHING HAS BEEN DELETED.");
    }
    EXPECT_EQ(scalar("select count(*) from salary"), 1);
}

TEST_F(Form9Test, NameTypeAheadListsCodesAndPicksOne)
{
    addEmployee({"C9", "100% Raju_x", 1000, 0, "", 0, "NO", 0, 0, 0, 0});
    auto& list = form->control<ListBox>("List1");
    box("Text7").setText("ra");
    EXPECT_EQ(list.listCount(), 1);
    EXPECT_EQ(list.list(0), "A12  Ram Kumar");
    box("Text7").setText("  ");
    EXPECT_EQ(list.listCount(), 4);
    box("Text7").setText("100%");
    ASSERT_EQ(list.listCount(), 1);
    // Any text is a name's start, wildcards matched as typed.
    for (const QString& text : testsupport::oddTexts() + QStringList{"1_0", "%", "*", "' or ''='", "\\", ""}) {
        box("Text7").setText(text);
        EXPECT_EQ(list.listCount(), 0) << text.left(20).toStdString();
    }

    box("Text7").setText("s");
    list.setListIndex(0);
    form->List1_Click();
    EXPECT_EQ(box("Text1").text(), "A123");
    EXPECT_TRUE(button("Command2").isEnabled());

    form->Label12_Click();
    EXPECT_TRUE(Forms::isLoaded("Status"));
    EXPECT_TRUE(Forms::isLoaded<salary::Form9>());
    // < BACK takes the picked line's code to the employee form.
    form->Command7_Click();
    testsupport::settle();
    EXPECT_FALSE(Forms::isLoaded<salary::Form9>());
    ASSERT_TRUE(Forms::isLoaded("Employee"));
    EXPECT_EQ(Forms::control<TextBox>("Employee", "Text1").text(), "A123");
}

// The row commands before a find, twice and after CANCEL; every box fed what
// a clerk or a paste may put there: each refusal is the form's own message and
// the bill's rows stay as the run wrote them.
TEST_F(Form9Test, HostileCodesRecoveriesAndNamesLeaveTheRowsAsTheyWere)
{
    run(QDate(2012, 3, 10));
    testsupport::showForm(*form);
    testsupport::ScriptedBoxes boxes;
    for (const char* b : {"Command3", "Command5", "Command6", "Command3", "Command5", "Command6"})
        form->control<CommandButton>(b).Click();
    const QStringList notFound = {"NO RECORD FOUND FOR EDIT. FIND OUT THE RECORD FIRST",
                                  "NO RECORD FOUND FOR DELETION. FIND OUT THE RECORD FIRST"};
    EXPECT_EQ(boxes.prompts(), notFound + notFound);

    std::vector<testsupport::Refusal> table{
        {&box("Text1"),
         testsupport::oddTexts() + testsupport::notAmounts() + QStringList{"", " ", "A12' or '1'='1", "A12%", "A1"},
         QStringList{"NO RECORD FOUND FOR THIS BILL DATE"} + notFound}};
    for (const char* name : {"Text2", "Text3", "Text4", "Text5"})
        table.push_back({&box(name), testsupport::notAmounts() + QStringList{"99999999999", "10000000"},
                         {"Hi|64|YOUR INPUT MUST BE A NUMBER"}});
    testsupport::expectRefused(table, [&](TextBox& b, const QString& text) {
        const bool code = &b == &box("Text1");
        if (!code) {
            find("  A12  ");
            enterRecoveries("0", "0", "0", "0");
        }
        testsupport::paste(b, text);
        if (!code)
            form->Text5_LostFocus();
        boxes.clearBoxes();
        if (!code) {
            form->Command3_Click();
            return QStringList{testsupport::said(boxes.boxes().value(0))};
        }
        form->Command2_Click();
        form->Command3_Click();
        form->Command5_Click();
        return boxes.prompts();
    });
    // CANCEL after a find: EDIT and DELETE wait for the next one.
    find("A12");
    form->Command6_Click();
    boxes.clearBoxes();
    form->Command3_Click();
    form->Command5_Click();
    EXPECT_EQ(boxes.prompts(), notFound);
    EXPECT_TRUE(boxes.failures().isEmpty());
}
