#include "allotment/head_form.h"
#include "allotment/head_upkeep.h"

#include "register_rows.h"

#include "platform/data/data_control.h"
#include "platform/forms/clock.h"
#include "support/form_fixture.h"
#include "support/hostile_inputs.h"

namespace {

using allotment::HeadEntry;
using allotmenttest::fund;
using namespace testsupport;

const QString kSalaryCode = "2202-01-NP-001-0001-01";
const QString kWagesCode = "2202-01-NP-001-0001-02";

// The rows filed under a code: its head (with this description, when given), its opening allotment and its
// opening bill on the given day.
QVariantList rowsOf(const QString& code, const QString& description = "%", const QString& day = "%")
{
    return firstRow(fund(),
                    "select (select count(*) from head where drawal_code = ?1 and description like ?2), "
                    "(select count(*) from all_allot where head = ?1 and order_date like ?3), "
                    "(select count(*) from all_exp where head = ?1 and bill_date like ?3)",
                    {code, description, day});
}
const QVariantList kWhole{1, 1, 1};

TEST(HeadUpkeep, AddsTheHeadTrimmedWithBothOpeningRowsOfZeros)
{
    TempDataFolder folder;
    allotment::addHead(fund(), {"  " + kSalaryCode + " ", " SALARY ", "A"}, QDate(2012, 4, 1));
    // Every amount a real 0, never null.
    const QString zeros = "pay = 0 and d_pay = 0 and da = 0 and hra = 0 and ma = 0 and bonus = 0 and wages = 0 "
                          "and ta = 0 and elec = 0 and tele = 0 and misc = 0 and oe = 0 and oc = 0 and scheme = 0 "
                          "and despn = 'SALARY' and head = ?1";
    EXPECT_EQ(firstRow(fund(),
                       "select (select count(*) from head where drawal_code = ?1 and description = 'SALARY' "
                       "and code_category = 'A'), (select count(*) from all_allot where order_no = '0' and "
                       "order_date = '2012-04-01' and " + zeros + "), (select count(*) from all_exp where "
                       "bill_no = 0 and bill_date = '2012-04-01' and deduction = 0 and " + zeros + "), "
                       "(select count(*) from all_allot), (select count(*) from all_exp)",
                       {kSalaryCode}),
              (QVariantList{1, 1, 1, 1, 1}));
}

TEST(HeadUpkeep, RefusesEmptyAndUsedCodesAndDescriptions)
{
    TempDataFolder folder;
    allotment::addHead(fund(), {kSalaryCode, "SALARY", "A"}, QDate(2012, 4, 1));
    allotment::addHead(fund(), {kWagesCode, "WAGES", "B"}, QDate(2012, 4, 1));
    // Older data may hold a description twice.
    fund().execute("insert into head values ('2202-01-NP-001-0007-02', 'WAGES', 'B')");
    const QString office = "2202-01-NP-001-0001-13";
    const QString usedDescription = "THIS DESCRIPTION IS ALREADY USED FOR ANOTHER HEAD.";
    const QString emptyDescription = "ENTER THE SHORT DESCRIPTION OF THE HEAD.";
    const std::tuple<QString, HeadEntry, QString> cases[] = {
        // the saved code changed ("" for a new head), the entry, the refusal
        {"", {"   ", "OFFICE", "B"}, "ENTER THE 17-DIGIT DRAWAL CODE."},
        {"", {" " + kSalaryCode, "OFFICE", "B"}, "THIS DRAWAL CODE IS ALREADY IN USE."},
        {"", {office, " ", "B"}, emptyDescription},
        {"", {office, "salary ", "B"}, usedDescription}, // compared as the table compares text: without case
        {"", {office, "OFFICE", ""}, ""},
        // A saved head keeps its own description and code; it may not take another's.
        {kSalaryCode, {kSalaryCode, "SALARY", "C"}, ""},
        {kSalaryCode, {kSalaryCode, "WAGES", "A"}, usedDescription},
        {kSalaryCode, {kSalaryCode, "", "A"}, emptyDescription},
        {kSalaryCode, {"2202-01-NP-001-0009-01", "SALARY", "A"}, "THE DRAWAL CODE OF A SAVED HEAD CAN NOT BE CHANGED."},
        {"2202-01-NP-001-0007-02", {"2202-01-NP-001-0007-02", "WAGES", "E"}, ""}, // its category may still change
    };
    for (const auto& [saved, entry, refusal] : cases) {
        const auto r = saved.isEmpty() ? allotment::refuseNewHead(fund(), entry)
                                       : allotment::refuseHeadChange(fund(), saved, entry);
        EXPECT_EQ(r ? r->message : QString(), refusal) << entry.drawalCode.toStdString() << " "
                                                        << entry.description.toStdString();
    }
    allotment::changeHead(fund(), kSalaryCode, {kSalaryCode, "PAY OF STAFF", "D"});
    EXPECT_EQ(firstRow(fund(), "select code_category from head where drawal_code = ? and description = ?",
                       {kSalaryCode, "PAY OF STAFF"}),
              QVariantList{"D"});
    EXPECT_EQ(rowsOf(kSalaryCode), kWhole);
}

// Form14 on a fixed day.
struct HeadFormTest : FormFixture<allotment::Form14> {
    forms::Clock::Override day{QDate(2013, 1, 31)};
    ScriptedBoxes boxes;

    QString shownCommands() // of OK, ADD, CANCEL and DELETE
    {
        QString out;
        for (auto* b : {form->Command1, form->Command2, form->Command3, form->Command4})
            out += b->visible() ? b->objectName().right(1) : QString();
        return out;
    }
    QStringList add(const QString& code, const QString& description, const QString& category)
    {
        return saidBy([&] {
            click(*form->Command2);
            type(*form->Text1, code);
            type(*form->Text2, description);
            type(*form->Text3, category);
            click(*form->Command1);
        });
    }
};

TEST_F(HeadFormTest, ShowsTheYearAddsAHeadWithItsOpeningRowsAndRefusesAUsedCode)
{
    open();
    // 31 January 2013 lies in the year that began on 1 April 2012.
    EXPECT_EQ(form->Label8->caption() + " " + form->Label5->caption() + " " + form->Label6->caption(),
              "01/04/2012 2012 2013");
    // Browsing: OK and CANCEL are out of reach, and OK called anyway writes nothing.
    EXPECT_EQ(shownCommands(), "24");
    form->Command1_Click(); // the one row counted at the end shows it wrote nothing
    click(*form->Command2);
    EXPECT_TRUE(shownCommands() == "13" && focused() == form->Text1);

    EXPECT_EQ(add(kSalaryCode, "SALARY", "A"), QStringList{});
    EXPECT_EQ(rowsOf(kSalaryCode, "SALARY", "2012-04-01"), kWhole);
    // Back to browsing on the new head, whose code is no longer open to typing.
    EXPECT_EQ(shownCommands() + form->Data1->value("drawal_code").toString() + (form->Text1->locked() ? " locked" : ""),
              "24" + kSalaryCode + " locked");

    // The same code again: refused, still entering, nothing written.
    EXPECT_EQ(add(kSalaryCode, "OTHER", "B"), QStringList{"PLEASE NOTE|64|THIS DRAWAL CODE IS ALREADY IN USE."});
    EXPECT_TRUE(form->isAdding() && focused() == form->Text1);

    // Corrected code, empty description: the description box is asked for.
    type(*form->Text1, kWagesCode);
    type(*form->Text2, " ");
    EXPECT_EQ(saidBy([&] { click(*form->Command1); }),
              QStringList{"PLEASE NOTE|64|ENTER THE SHORT DESCRIPTION OF THE HEAD."});
    EXPECT_TRUE(focused() == form->Text2 && rowsOf(kWagesCode) == QVariantList({0, 0, 0}));

    // A save the table refuses: "X", the new head dropped with its opening rows.
    fund().execute("create trigger refuse_head before insert on head begin select raise(abort, 'refused'); end");
    type(*form->Text2, "WAGES");
    EXPECT_EQ(saidBy([&] { click(*form->Command1); }).value(0).section('|', 2), "X");
    EXPECT_TRUE(!form->isAdding() && form->Command2->visible());
    EXPECT_EQ(rowsOf(kWagesCode), (QVariantList{0, 0, 0}));

    // CANCEL drops what was typed and writes nothing.
    click(*form->Command2);
    type(*form->Text1, "2202-01-NP-001-0001-13");
    click(*form->Command3);
    EXPECT_FALSE(form->isAdding());
    EXPECT_EQ(allotmenttest::count("select count(*) from all_allot"), 1);
}

TEST_F(HeadFormTest, EditsADescriptionButNeverACodeAndDeletesOnlyARowShown)
{
    allotment::addHead(fund(), {kSalaryCode, "SALARY", "A"}, QDate(2012, 4, 1));
    allotment::addHead(fund(), {kWagesCode, "WAGES", "B"}, QDate(2012, 4, 1));
    open();
    ASSERT_TRUE(form->Data1->value("drawal_code").toString() == kSalaryCode && form->Text1->locked());

    // Taking the other head's description is refused and the box restored; a new one of its own is
    // written on leaving the box.
    type(*form->Text2, "WAGES");
    EXPECT_EQ(saidBy([&] { focus(*form->Text3); }) << form->Text2->text(),
              (QStringList{"PLEASE NOTE|64|THIS DESCRIPTION IS ALREADY USED FOR ANOTHER HEAD.", "SALARY"}));
    type(*form->Text2, "PAY OF STAFF");
    focus(*form->Text3);
    EXPECT_EQ(rowsOf(kSalaryCode, "PAY OF STAFF"), kWhole);

    // DELETE asks first, No being the default; No keeps the head. Yes removes the head shown and keeps its
    // register rows; a second DELETE with no row shown does nothing at all.
    const QString question = "DELETE HEAD " + kSalaryCode + " (PAY OF STAFF) ?";
    const auto remove = [&](int answer) { return saidBy([&] { click(*form->Command4); }, {{answer, question}}); };
    EXPECT_EQ(remove(forms::vbNo), QStringList{"PLEASE NOTE|292|" + question});
    EXPECT_EQ(rowsOf(kSalaryCode), kWhole);
    remove(forms::vbYes);
    EXPECT_EQ(saidBy([&] { click(*form->Command4); }) << QString::number(form->Data1->currentRow()), QStringList{"-1"});
    EXPECT_EQ(rowsOf(kSalaryCode) + rowsOf(kWagesCode), (QVariantList{0, 1, 1} + kWhole));
}

// Odd codes and descriptions, pasted, are filed as typed with both opening
// rows; text no column can hold is refused in each box, added or changed.
TEST_F(HeadFormTest, OddTextIsFiledAsTypedAndUnstorableTextRefused)
{
    open();
    int k = 0;
    for (const QString& text : keptTexts()) {
        const QString code = QString("%1 %2").arg(text.left(26)).arg(++k);
        const QStringList said = saidBy([&] {
            click(*form->Command2);
            form->Text1->setText(code); // typing cannot carry a NUL
            form->Text2->setText(text);
            form->Text3->setText("A");
            click(*form->Command1);
        });
        EXPECT_EQ(said, QStringList{});
        EXPECT_EQ(rowsOf(code, text), kWhole) << text.toStdString();
    }

    std::vector<Refusal> table;
    for (const auto& [box, caption, width] : {std::tuple{form->Text1, "DRAWAL CODE", 30},
                                              {form->Text2, "DESCRIPTION", 50}, {form->Text3, "CATEGORY", 1}})
        for (const auto& line : unstorable(box, caption, width, "PLEASE NOTE|64|"))
            table.push_back(line);
    // Adding, the other boxes hold a good head; changing a saved head, the box is left for another.
    bool adding = true;
    const auto enter = [&](forms::TextBox& b, const QString& text) {
        return saidBy([&] {
            if (adding) {
                click(*form->Command2);
                form->Text1->setText(kSalaryCode);
                form->Text2->setText("SALARY");
                form->Text3->setText("A");
            } else {
                focus(b);
            }
            b.setText(text);
            if (adding) {
                click(*form->Command1);
            } else {
                focus(&b == form->Text2 ? *form->Text3 : *form->Text2);
                EXPECT_NE(b.text(), text);
            }
        });
    };
    expectRefused(table, enter);
    // A saved head's description and category, changed in place: refused the same and the saved text shown again.
    click(*form->Command3);
    adding = false;
    table.erase(table.begin(), table.begin() + 2);
    expectRefused(table, enter);
}

} // namespace
