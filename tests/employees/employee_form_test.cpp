#include "employees/employee_form.h"
#include "employees/status_view.h"

#include "common/schema.h"
#include "platform/data/database.h"
#include "platform/data/recordset.h"
#include "platform/forms/controls.h"
#include "platform/forms/registry.h"
#include "support/first_row.h"
#include "support/form_fixture.h"
#include "support/hostile_inputs.h"
#include "support/ui_driver.h"

#include <gtest/gtest.h>

using forms::CommandButton;
using forms::Forms;
using forms::Label;
using forms::TextBox;
using namespace testsupport;

namespace {

// The single-click form lives in another module; the employee form reaches
// it by name only.
struct QuickForm : forms::Form {
    QuickForm()
    {
        new TextBox(QStringLiteral("Text7"), this);
        new CommandButton(QStringLiteral("Command4"), QStringLiteral("EXIT"), this);
        new CommandButton(QStringLiteral("Command7"), QStringLiteral("< BACK"), this);
    }
};

data::Database& db() { return data::Database::open(QString::fromLatin1(common::kSalaryDb)); }
QVariantList row(const QString& sql) { return firstRow(db(), sql); }

class EmployeeFormTest : public FormFixture<employees::Employee> {
protected:
    void SetUp() override
    {
        // The heads pay the staff of codes A and C.
        data::Database::open(QString::fromLatin1(common::kFundDb)).execute("insert into head (drawal_code, description, code_category) values ('H1', 'SALARY', 'A'), ('H2', 'WAGES', 'C')");
        open();
    }

    bool enabled(int n) { return button(n).isEnabled(); }
    void fill(const QString& code, const QString& name = "Ram", const QString& pay = "20000")
    {
        box(1).setText(code);
        box(2).setText(name);
        box(12).setText(pay);
    }
};

} // namespace

TEST_F(EmployeeFormTest, ANewEmployeeIsSavedFoundChangedListedAndQuickSearchLeaves)
{
    // NEW CODE alone without a code; FIND, SAVE and CANCEL with one (as the single-click form's "< BACK" writes it).
    QString commands;
    for (const char* code : {"", "A12", ""}) {
        box(1).setText(code);
        commands += QString("%1%2%3%4 ").arg(enabled(1)).arg(enabled(2)).arg(enabled(3)).arg(enabled(4));
    }
    EXPECT_EQ(commands, "1000 0111 1000 ");
    ScriptedBoxes boxes;
    click(button(1)); // NEW CODE
    for (auto [n, text] : {std::pair{1, "A12"}, {2, "Ram Kumar"}, {10, "FIXED"}, {12, "20000"}, {13, "4200"}, {14, "8000"}, {21, "01/07/2011"}})
        type(box(n), text);
    click(button(3)); // SAVE
    EXPECT_EQ(boxes.prompts(), QStringList{"RECORD SAVED."});
    EXPECT_EQ(row("select emp_code, name, hra_type, b_pay, grade_pay, hra, oa, basic, effect_date from employee"),
              (QVariantList{"A12", "Ram Kumar", "FIXED", 20000.0, 4200.0, 8000.0, 0.0, 24200.0, QDate(2011, 7, 1)}));

    click(button(4)); // CANCEL
    const QString cleared = box(2).text();
    box(1).setText(" A12");
    click(button(2)); // FIND
    EXPECT_EQ(QStringList{cleared} + texts({2, 12, 21, 22}), (QStringList{"", "Ram Kumar", "20000", "01/07/2011", "24200"}));

    type(box(13), "4800");
    click(button(3));
    EXPECT_EQ(row("select count(*), grade_pay, basic from employee"), (QVariantList{1, 4800.0, 24800.0}));

    // The status view lists every employee by code, read only.
    db().execute("insert into employee (emp_code, name, designation) values ('B7', 'Hari Das', 'PEON')");
    const auto& grid = Forms::get<employees::Status>().control<forms::DataGrid>("DBGrid1");
    EXPECT_EQ(QString::number(grid.rowCount()) + grid.cell(0, 0).toString() + grid.cell(1, 1).toString() + QString::number(grid.allowUpdate()),
              "2A12Hari Das0");

    // Quick search leaves for the single-click form.
    if (!Forms::isRegistered("Form9"))
        Forms::registerForm<QuickForm>("Form9");
    click(form->control<Label>("Label49"));
    settle();
    forms::Form* quick = Forms::loaded("Form9");
    ASSERT_TRUE(quick && !Forms::isLoaded("Employee"));
    EXPECT_TRUE(quick->isVisible() && !quick->control<CommandButton>("Command4").isVisibleTo(quick) &&
                quick->control<CommandButton>("Command7").isVisibleTo(quick) && quick->focusWidget() == &quick->control<TextBox>("Text7"));
}

// Another employee's code, a code not found, a new code without a name or
// pay, or with a letter no head pays (answered No): nothing written.
TEST_F(EmployeeFormTest, BadEntriesAndAnotherEmployeesCodeWriteNothing)
{
    ScriptedBoxes boxes;
    db().execute("insert into employee (emp_code, name, b_pay) values ('A12', 'Ram Kumar', 20000)");
    fill("A12", "Somebody Else"); // exists but was not found here: would overwrite that employee
    click(button(3));
    box(1).setText("Z99");
    click(button(2));
    // Enter in the code box finds; another code then clears what was found,
    // so Ram Kumar's details are never saved under it.
    enter(box(1), "A12");
    const QStringList found = texts({2, 12});
    type(box(1), "A13");
    EXPECT_EQ(found + texts({2, 12}), (QStringList{"Ram Kumar", "20000", "", ""}));
    click(button(3));
    fill("A14", "Ram Kumar", "0");
    click(button(3));
    fill("B12", "Ram Kumar");
    boxes.answer(forms::vbNo, "CODE CATEGORY B");
    click(button(3));
    const QString noHead = "NO HEAD OF ACCOUNT HAS THE CODE CATEGORY B,\nSO THIS EMPLOYEE WILL BE IN NO PAY BILL.\n\n"
                           "SAVE THE RECORD ANYWAY?";
    EXPECT_EQ(boxes.prompts(), (QStringList{"THIS EMPLOYEE CODE ALREADY EXISTS. FIND IT BEFORE YOU CHANGE IT.", "EMPLOYEE CODE NOT FOUND.",
                                            "ENTER THE NAME OF THE EMPLOYEE.", "BASIC PAY MUST BE ABOVE 0.", noHead}));
    EXPECT_EQ(boxes.boxes().last().style, forms::vbYesNo + forms::vbQuestion);
    EXPECT_EQ(row("select count(*), name, b_pay from employee"), (QVariantList{1, "Ram Kumar", 20000.0}));

    EXPECT_EQ(saidBy([&] { click(button(3)); }, {{forms::vbYes, "CODE CATEGORY B"}}).value(1),
              "Hi|64|RECORD SAVED.");
    EXPECT_EQ(row("select emp_code, b_pay from employee where emp_code <> 'A12'"), (QVariantList{"B12", 20000.0}));
}

// Every box of the form fed what a clerk or a paste may put there: each
// refusal is the box's own message and writes nothing; odd text is kept as typed.
TEST_F(EmployeeFormTest, HostileInputInEveryBoxIsRefusedOrKeptAsTyped)
{
    ScriptedBoxes boxes;
    // Commands before a code is typed wait for one; after CANCEL too.
    for (int b : {3, 2, 4, 3, 3})
        click(button(b));
    EXPECT_EQ(boxes.prompts(), QStringList{});
    // A bad code is not found and not saved; each figure and date box its own words.
    const QString badCode = "EMPLOYEE CODE MUST BE ONE CAPITAL LETTER AND A NUMBER, 3 OR 4 CHARACTERS.";
    std::vector<Refusal> table{
        {&box(1), oddTexts() + notAmounts() + QStringList{"a12", "A12345"}, {"EMPLOYEE CODE NOT FOUND.", badCode}},
        {&box(21), notDates().mid(0, 7), {"THIS IS NOT A VALID DATE"}}}; // a blank is no date of effect
    for (const auto& [n, caption] : {std::pair{12, "BASIC PAY"}, {13, "GRADE PAY"}, {14, "FIXED H.R.A."}, {15, "OTHER ALLOWANCES"},
                                     {16, "GPF SUBSCRIPTION"}, {17, "INSURANCE FUND"}, {18, "SAVINGS FUND"}})
        table.push_back({&box(n), notAmounts() + QStringList{"99999999999", "10000000"}, {caption + QString(" MUST BE A NUMBER")}});
    for (const auto& [n, caption, width] : {std::tuple{2, "NAME", 50}, {3, "DESIGNATION", 50}, {19, "PAN", 10}})
        for (const auto& line : unstorable(&box(n), caption, width))
            table.push_back(line);
    expectRefused(table, [&](TextBox& b, const QString& text) {
        boxes.clearBoxes();
        for (int command : &b == &box(1) ? std::vector{2, 3} : std::vector{3}) { // only a code is looked up
            fill(&b == &box(1) ? text : "A12");
            for (int m : {13, 14, 15, 16, 17, 18, 3, 19, 21})
                box(m).setText(m < 19 && m != 3 ? "0" : "");
            b.setText(text);
            click(button(command));
        }
        return boxes.prompts();
    });

    // Free text is filed as typed (trimmed), quotes and all; the largest pay
    // a salary holds is taken, and the dates' edges of 1930 and 2099 too.
    int n = 10;
    for (const QString& text : keptTexts()) {
        SCOPED_TRACE(text.left(20).toStdString());
        click(button(1));
        const QString code = QString("A%1").arg(++n);
        fill(code, text, "  9999999.99  ");
        for (int b : {3, 9, 19})
            box(b).setText(b == 3 ? text : text.left(10));
        box(21).setText(n % 2 ? "1/1/1930" : "31/12/2099");
        EXPECT_EQ(saidBy([&] { click(button(3)); }), QStringList{"Hi|64|RECORD SAVED."});
        EXPECT_EQ(row("select name, designation, bank_ac, pan, b_pay from employee where emp_code = '" + code + "'"),
                  (QVariantList{text, text, text.left(10), text.left(10), 9999999.99}));
    }
}
