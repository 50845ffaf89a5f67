#include "salary/single_click_form.h"

#include "platform/forms/clock.h"
#include "salary_fixture.h"
#include "support/form_fixture.h"
#include "support/hostile_inputs.h"

#include <QSqlDatabase>
#include <QSqlQuery>

using namespace salarytest;
using namespace testsupport;
using forms::Forms;
using forms::vbNo;
using forms::vbYes;

namespace {

// Stand-ins for the forms Form9 leads to, which live in other modules.
template <int N>
struct LinkedForm : forms::Form {
    LinkedForm() { new forms::TextBox(QStringLiteral("Text1"), this); }
};

const QString kRunQuestion = "Hi|68|ONE CLICK SALARY - ENABLE YOU TO PREPARE SALARY\n\n"
                             "WITHOUT ANY MISCELLENOUS RECOVERY DEDUCTION.\n\n"
                             "DO YOU LIKE TO PROCEED THIS WAY?";
const QString kPrepared = "PLEASE NOTE|0|SALARY OF 3 NUMBERS EMPLOYEE FOR THE MONTH OF Mar-12\n\n"
                          " PREPARED AND SAVED IN THE AQUITTANCE ROLL.\n";
const QString kNoEdit = "NO RECORD FOUND FOR EDIT. FIND OUT THE RECORD FIRST";
const QString kNoDelete = "NO RECORD FOUND FOR DELETION. FIND OUT THE RECORD FIRST";

class Form9Test : public FormFixture<salary::Form9> {
protected:
    void SetUp() override
    {
        addOffice();
        if (!Forms::isRegistered("Employee")) {
            Forms::registerForm<LinkedForm<1>>("Employee");
            Forms::registerForm<LinkedForm<2>>("SALARY");
            Forms::registerForm<LinkedForm<3>>("Status");
        }
        form = &Forms::get<salary::Form9>();
    }

    QStringList rowCommands() // FIND, EDIT and DELETE, those enabled
    {
        QStringList out;
        for (int n : {2, 3, 5})
            if (button(n).isEnabled())
                out << button(n).objectName();
        return out;
    }
    void setBillDate(const QDate& d) { form->control<forms::DatePicker>("DTPicker1").setValue(d); }
    // What a run on the date says, answered Yes, then `repeat` to the duplicate question.
    QStringList run(const QDate& d, std::optional<int> repeat = {})
    {
        setBillDate(d);
        auto act = [&] { form->Command1_Click(); };
        return repeat ? saidBy(act, {{vbYes, "ONE CLICK SALARY"}, {*repeat, "HAS ALREADY PREPARED"}})
                      : saidBy(act, {{vbYes, "ONE CLICK SALARY"}});
    }
    void find(const QString& code) { box(1).setText(code), form->Command2_Click(); }
    void enterRecoveries(const QStringList& amounts)
    {
        for (int n : {2, 3, 4, 5})
            box(n).setText(amounts[n - 2]);
        form->Text5_LostFocus();
    }
    QStringList edit(int answer = vbYes) { return saidBy([&] { form->Command3_Click(); }, {{answer, "DO YOU LIKE TO SAVE CHANGES?"}}); }

    forms::Clock::Override today{QDate(2012, 3, 10)};
};

} // namespace

TEST_F(Form9Test, RunAsksThenReportsAndARepeatAsksAboutTheMonth)
{
    EXPECT_TRUE(form->control<forms::DatePicker>("DTPicker1").value() == QDate(2012, 3, 10) && rowCommands().isEmpty());
    EXPECT_EQ(saidBy([&] { form->Command1_Click(); }, {{vbNo, "ONE CLICK SALARY"}}), QStringList{kRunQuestion});
    EXPECT_EQ(scalar("select count(*) from salary"), 0);
    EXPECT_EQ(run(QDate(2012, 3, 10)), (QStringList{kRunQuestion, kPrepared}));

    const QString duplicate = "DUPLICATE ENTRY ERROR|260|SALARY OF RAM KUMAR AND 2 OTHERS  FOR THE MONTH OF Mar-12\n\n"
                              "HAS ALREADY PREPARED. SO, HE / SHE / THEY WILL NOT ENTITLE TO GET\n\n"
                              "SALARY FOR THIS MONTH AGAIN. DO YOU WANT TO PROCEED ANY WAY?\n\n";
    EXPECT_EQ(run(QDate(2012, 3, 25), vbNo), (QStringList{kRunQuestion, duplicate}));
    EXPECT_EQ(scalar("select count(*) from salary"), 3);
    EXPECT_EQ(run(QDate(2012, 3, 25), vbYes), (QStringList{kRunQuestion, duplicate, kPrepared}));
    // The repeat run moved no ledger: one instalment taken in all.
    EXPECT_EQ(firstRow("select (select count(*) from salary where bill_date = '2012-03-25'), loan_due, (select inst_no from festi_adv "
                       "where emp_code = 'A12') from gpf_loan where emp_code = 'A12'"), (QVariantList{3, 2700.0, 2.0}));

    form->Command4_Click();
    settle();
    EXPECT_TRUE(!Forms::isLoaded<salary::Form9>() && Forms::isLoaded("SALARY"));
}

TEST_F(Form9Test, FailedRunSaysNothingWasSaved)
{
    const auto failure = [&] { // the box after the question
        ScriptedBoxes boxes;
        boxes.answer(vbYes, "ONE CLICK SALARY");
        form->Command1_Click();
        return boxes.boxes().value(1);
    };
    salaryDb().execute("create trigger refuse before insert on salary when new.emp_code = 'B7' "
                       "begin select raise(abort, 'disk full'); end");
    auto b = failure();
    EXPECT_EQ(said(b) + QString::number(b.details.contains("disk full")), "PLEASE NOTE|16|SALARY COULD NOT BE PREPARED:\nThe data file could not be read or "
              "written; nothing of it was saved.\n\nNOTHING OF THIS RUN HAS BEEN SAVED: NO SALARY ROW AND NO LEDGER CHANGE.1");

    // Another program holding the file: said so in the clerk's words, after the engine's wait.
    salaryDb().execute("drop trigger refuse");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "other program");
        db.setDatabaseName(salaryDb().path());
        ASSERT_TRUE(db.open());
        QSqlQuery q(db);
        ASSERT_TRUE(q.exec("BEGIN EXCLUSIVE"));
        b = failure();
        q.exec("ROLLBACK");
        db.close();
    }
    QSqlDatabase::removeDatabase("other program");
    EXPECT_TRUE(b.details.contains("locked") && b.prompt.startsWith("SALARY COULD NOT BE PREPARED:\nThe data file is in use by another "
                                                                      "program or another copy of Dosset; nothing was saved."));
    EXPECT_EQ(firstRow("select (select count(*) from salary), loan_due from gpf_loan where emp_code = 'A12'"),
              (QVariantList{0, 3000.0}));
}

TEST_F(Form9Test, EnterChainFindEditAndFindAgainKeepMiscOnceInTheDeduction)
{
    run(QDate(2012, 3, 10));
    // Through the Enter chain, as the clerk goes: code, FIND, the four recoveries, EDIT.
    showForm(*form);
    enter(box(1), "A12");
    EXPECT_EQ(focused(), &button(2));
    pressEnter(button(2));
    EXPECT_EQ(QStringList({label(4).caption(), label(6).caption()}) + texts({2, 6}) + rowCommands(),
              (QStringList{"Ram Kumar", "CLERK A12", "0", "0", "Command2", "Command5"}));
    EXPECT_TRUE(focused() == &box(2) && box(2).backColor() == forms::entryFocusColour && box(2).selectedText() == "0");
    type(box(2), "100");
    pressEnter(box(2));
    EXPECT_TRUE(box(2).backColor() == forms::entryIdleColour && focused() == &box(3));
    enter(box(3), "50");
    enter(box(4), "");
    enter(box(5), "25");
    EXPECT_TRUE(box(6).text() == "175" && focused() == &button(3));
    EXPECT_EQ(saidBy([&] { pressEnter(button(3)); }, {{vbYes, "DO YOU LIKE TO SAVE CHANGES?"}}),
              (QStringList{"Hi|4|DO YOU LIKE TO SAVE CHANGES?", "Hi|64|RECORD EDITED AND SAVED."}));
    EXPECT_EQ(focused(), &box(1));
    // Gross 40330 - 333.33 = 39996.67: net 39996.67 - 2715 = 37281.67, to the paisa.
    EXPECT_EQ(firstRow("select hb_loan, hb_int, i_tax, others, misc, deduct, net from salary where emp_code = 'A12'"),
              (QVariantList{100.0, 50.0, 0.0, 25.0, 175.0, 2715.0, 37281.67}));
    EXPECT_EQ(box(1).text() + label(4).caption() + rowCommands().join(""), "");

    find("A12");
    EXPECT_EQ(texts({2, 3, 4, 5, 6}), (QStringList{"100", "50", "0", "25", "175"}));
    enterRecoveries({"100", "50.5", "0", "0"});
    EXPECT_EQ(box(6).text(), "150.5");
    edit();
    EXPECT_EQ(firstRow("select misc, deduct, net from salary where emp_code = 'A12'"), (QVariantList{150.5, 2690.5, 37306.17}));
}

TEST_F(Form9Test, EditRefusesWhatItCannotSave)
{
    run(QDate(2012, 3, 10));
    const QVariantList before = firstRow("select * from salary where emp_code = 'A12'");

    // No: nothing written, EDIT disabled, the code kept.
    find("A12");
    enterRecoveries({"100", "50", "0", "0"});
    edit(vbNo);
    EXPECT_TRUE(!button(3).isEnabled() && box(1).text() == "A12");

    // Another code typed after the find: EDIT and DELETE no longer act.
    find("A12");
    enterRecoveries({"100", "0", "0", "0"});
    box(1).setText("A123");
    EXPECT_EQ(rowCommands(), QStringList{"Command2"});
    box(2).setText("100");
    EXPECT_EQ(saidBy([&] { form->Command3_Click(); }), QStringList{"Hi|64|" + kNoEdit});
    // The bill date changed after the find: the same; a find there has no row
    // and leaves the boxes as typed.
    find("A12");
    enterRecoveries({"7", "0", "0", "0"});
    setBillDate(QDate(2012, 3, 11));
    EXPECT_EQ(saidBy([&] {
                  form->Command3_Click();
                  form->Command5_Click();
                  form->Command2_Click();
              }),
              (QStringList{"Hi|64|" + kNoEdit, "Hi|64|" + kNoDelete, "Hi|64|NO RECORD FOUND FOR THIS BILL DATE"}));
    EXPECT_TRUE(box(2).text() == "7" && !button(5).isEnabled());
    EXPECT_EQ(firstRow("select *, (select count(*) from salary) from salary where emp_code = 'A12'"), before + QVariantList{3});
}

// A bill of 1 April is March's: its rows, the duplicate question and the messages.
TEST_F(Form9Test, FirstOfAprilIsMarchAndDeleteRemovesTheFoundCodesRowsAndCountsThem)
{
    EXPECT_EQ(run(QDate(2012, 4, 1)).value(1), kPrepared);
    EXPECT_EQ(scalar("select count(*) from salary where p_month = 'Mar-12'"), 3);
    // A second run on 1 April, and a run later in March, both meet March's rows.
    for (QDate again : {QDate(2012, 4, 1), QDate(2012, 3, 31)})
        EXPECT_EQ(run(again, vbNo).size(), 2);
    // A second row of A12 on the same bill.
    salaryDb().execute("insert into salary (name, designation, emp_code, bill_date, p_month) values ('Ram Kumar', 'CLERK A12', 'A12', '2012-04-01', 'Mar-12')");
    setBillDate(QDate(2012, 4, 1));
    find("A12");
    const QString sure = "ARE YOU SURE ABOUT DELETION OF THIS RECORD ?";
    saidBy([&] { form->Command5_Click(); }, {{vbNo, sure}});
    EXPECT_EQ(scalar("select count(*) from salary"), 4);
    EXPECT_EQ(saidBy([&] { form->Command5_Click(); }, {{vbYes, sure}}),
              (QStringList{"CONFIRM DELETION|260|" + sure, // Enter keeps the row
                           "PLEASE NOTE|0|SALARY RECORD OF RAM KUMAR, CLERK A12\nFOR THE MONTH OF Mar-12 HAS BEEN "
                           "DELETED\nFROM AQUITTANCE ROLL.\n\n2 RECORDS DELETED."}));
    EXPECT_EQ(firstRow("select count(*), sum(emp_code = 'A12') from salary"), (QVariantList{2, 0}));
    EXPECT_TRUE(box(1).text().isEmpty() && !button(5).isEnabled());

    // Rows removed elsewhere between the find and the delete.
    find("B7");
    salaryDb().execute("delete from salary where emp_code = 'B7'");
    EXPECT_EQ(saidBy([&] { form->Command5_Click(); }, {{vbYes, sure}}).value(1).section('|', 2),
              "NO SALARY RECORD OF B7 FOR THE BILL DATE 01/04/2012 WAS FOUND.\nNOTHING HAS BEEN DELETED.");
    EXPECT_EQ(scalar("select count(*) from salary"), 1);
}

TEST_F(Form9Test, NameTypeAheadListsCodesAndPicksOne)
{
    addEmployee({"C9", "100% Raju_x", 1000, 0, "", 0, "NO", 0, 0, 0, 0});
    auto& list = form->control<forms::ListBox>("List1");
    // Any text is a name's start, wildcards matched as typed.
    const QStringList starts = QStringList{"ra", "  ", "100%"} + oddTexts() + QStringList{"1_0", "%", "*", "' or ''='", "\\", ""};
    QString counts;
    for (const QString& text : starts) {
        box(7).setText(text);
        counts += QString::number(list.listCount());
    }
    box(7).setText("ra");
    EXPECT_EQ(counts + list.list(0), "141" + QString(starts.size() - 3, '0') + "A12  Ram Kumar");

    box(7).setText("s");
    list.setListIndex(0);
    form->List1_Click();
    EXPECT_TRUE(box(1).text() == "A123" && button(2).isEnabled());
    form->Label12_Click();
    EXPECT_TRUE(Forms::isLoaded("Status") && Forms::isLoaded<salary::Form9>());
    // < BACK takes the picked line's code to the employee form.
    form->Command7_Click();
    settle();
    ASSERT_TRUE(!Forms::isLoaded<salary::Form9>() && Forms::isLoaded("Employee"));
    EXPECT_EQ(Forms::control<forms::TextBox>("Employee", "Text1").text(), "A123");
}

// The row commands with no row found; every box fed what
// a clerk or a paste may put there: each refusal is the form's own message and
// the bill's rows stay as the run wrote them.
TEST_F(Form9Test, HostileCodesRecoveriesAndNamesLeaveTheRowsAsTheyWere)
{
    run(QDate(2012, 3, 10));
    showForm(*form);
    ScriptedBoxes boxes;
    // EDIT and DELETE before a find, after CANCEL, and after CANCEL following a find.
    for (int b : {3, 5, 6, 3, 5, 2, 6, 3, 5})
        b == 2 ? find("A12") : button(b).Click();
    EXPECT_EQ(boxes.prompts(), (QStringList{kNoEdit, kNoDelete, kNoEdit, kNoDelete, kNoEdit, kNoDelete}));

    std::vector<Refusal> table{{&box(1), oddTexts() + notAmounts() + QStringList{"", " ", "A12' or '1'='1", "A12%", "A1"},
                                {"Hi|64|NO RECORD FOUND FOR THIS BILL DATE", "Hi|64|" + kNoEdit, "Hi|64|" + kNoDelete}}};
    for (int n : {2, 3, 4, 5}) {
        table.push_back({&box(n), notAmounts(), {"Hi|64|YOUR INPUT MUST BE A NUMBER"}});
        table.push_back({&box(n), {"99999999999", "10000000"},
                         {"Hi|64|THE AMOUNT IS TOO LARGE: A SALARY PART MUST BE LESS THAN ONE CRORE"}});
        table.push_back({&box(n), {"1500.005"},
                         {"Hi|64|A SALARY AMOUNT IS KEPT TO THE PAISA: TYPE AT MOST TWO FIGURES AFTER THE POINT"}});
    }
    expectRefused(table, [&](forms::TextBox& b, const QString& text) {
        if (&b == &box(1)) {
            paste(b, text);
            return saidBy([&] { form->Command2_Click(); form->Command3_Click(); form->Command5_Click(); });
        }
        find("  A12  ");
        enterRecoveries({"0", "0", "0", "0"});
        paste(b, text);
        form->Text5_LostFocus();
        return saidBy([&] { form->Command3_Click(); });
    });
    EXPECT_TRUE(boxes.failures().isEmpty());
}
