#include "allotment/head_form.h"
#include "allotment/head_upkeep.h"

#include "common/schema.h"
#include "platform/data/database.h"
#include "platform/data/recordset.h"
#include "platform/data/data_control.h"
#include "platform/forms/clock.h"
#include "platform/forms/controls.h"
#include "platform/forms/registry.h"
#include "support/hostile_inputs.h"
#include "support/temp_data_folder.h"
#include "support/ui_driver.h"

#include <gtest/gtest.h>

namespace {

using allotment::HeadEntry;

const QString kSalaryCode = "2202-01-NP-001-0001-01";

QString refusal(const std::optional<allotment::Refusal>& r)
{
    return r ? r->message : QString();
}

// A head filed whole counts 3: its row and both opening rows.
const QString headAndOpeningRows = "select (select count(*) from head where drawal_code = ?1 and description = ?2)"
                                   " + (select count(*) from all_allot where head = ?1)"
                                   " + (select count(*) from all_exp where head = ?1)";

int count(data::Database& db, const QString& sql, const QVariantList& params = {})
{
    data::QueryRecordset rs(db, sql, params);
    return int(rs.field(0).toDouble());
}

TEST(HeadUpkeep, AddsTheHeadAndBothOpeningRowsTogether)
{
    testsupport::TempDataFolder folder;
    data::Database& fund = data::Database::open(common::kFundDb);

    allotment::addHead(fund, {"  " + kSalaryCode + " ", " SALARY ", "A"}, QDate(2012, 4, 1));

    EXPECT_EQ(count(fund, "select count(*) from head where drawal_code = ? and description = 'SALARY' "
                          "and code_category = 'A'", {kSalaryCode}), 1);
    // Every amount a real 0, never null, in both opening rows.
    const QString zeros = "pay = 0 and d_pay = 0 and da = 0 and hra = 0 and ma = 0 and bonus = 0 and wages = 0 "
                          "and ta = 0 and elec = 0 and tele = 0 and misc = 0 and oe = 0 and oc = 0 and scheme = 0 "
                          "and despn = 'SALARY' and head = ?";
    EXPECT_EQ(count(fund, "select count(*) from all_allot where order_no = '0' and order_date = '2012-04-01' and "
                              + zeros, {kSalaryCode}), 1);
    EXPECT_EQ(count(fund, "select count(*) from all_exp where bill_no = 0 and bill_date = '2012-04-01' "
                          "and deduction = 0 and " + zeros, {kSalaryCode}), 1);
    EXPECT_EQ(count(fund, "select (select count(*) from all_allot) + (select count(*) from all_exp)"), 2);
}

TEST(HeadUpkeep, RefusesEmptyAndUsedCodesAndDescriptions)
{
    testsupport::TempDataFolder folder;
    data::Database& fund = data::Database::open(common::kFundDb);
    allotment::addHead(fund, {kSalaryCode, "SALARY", "A"}, QDate(2012, 4, 1));
    const QString wagesCode = "2202-01-NP-001-0001-02";
    auto refuseNew = [&](const HeadEntry& e) { return refusal(allotment::refuseNewHead(fund, e)); };
    auto refuseChange = [&](const HeadEntry& e) {
        return refusal(allotment::refuseHeadChange(fund, kSalaryCode, e));
    };

    const QString emptyCode = "ENTER THE 17-DIGIT DRAWAL CODE.";
    const QString usedCode = "THIS DRAWAL CODE IS ALREADY IN USE.";
    const QString emptyDescription = "ENTER THE SHORT DESCRIPTION OF THE HEAD.";
    const QString usedDescription = "THIS DESCRIPTION IS ALREADY USED FOR ANOTHER HEAD.";

    EXPECT_EQ(refuseNew({"   ", "WAGES", "B"}), emptyCode);
    EXPECT_EQ(refuseNew({" " + kSalaryCode, "WAGES", "B"}), usedCode);
    EXPECT_EQ(refuseNew({wagesCode, " ", "B"}), emptyDescription);
    // Descriptions are compared as the table compares text: without case.
    EXPECT_EQ(refuseNew({wagesCode, "salary ", "B"}), usedDescription);
    EXPECT_EQ(refuseNew({wagesCode, "WAGES", ""}), QString());

    // A saved head keeps its own description and code; it may not take another's.
    allotment::addHead(fund, {wagesCode, "WAGES", "B"}, QDate(2012, 4, 1));
    EXPECT_EQ(refuseChange({kSalaryCode, "SALARY", "C"}), QString());
    EXPECT_EQ(refuseChange({kSalaryCode, "WAGES", "A"}), usedDescription);
    EXPECT_EQ(refuseChange({kSalaryCode, "", "A"}), emptyDescription);
    EXPECT_EQ(refuseChange({"2202-01-NP-001-0009-01", "SALARY", "A"}),
              "THE DRAWAL CODE OF A SAVED HEAD CAN NOT BE CHANGED.");
    // Older data may hold a description twice; such a head may still change its category.
    fund.execute("insert into head values ('2202-01-NP-001-0007-02', 'WAGES', 'B')");
    EXPECT_EQ(refusal(allotment::refuseHeadChange(fund, "2202-01-NP-001-0007-02",
                                                  {"2202-01-NP-001-0007-02", "WAGES", "E"})),
              QString());

    allotment::changeHead(fund, kSalaryCode, {kSalaryCode, "PAY OF STAFF", "D"});
    EXPECT_EQ(count(fund, "select count(*) from head where drawal_code = ? and description = ? "
                          "and code_category = ?",
                    {kSalaryCode, "PAY OF STAFF", "D"}),
              1);
    EXPECT_EQ(count(fund, "select count(*) from all_allot where head = ?", {kSalaryCode}), 1);
}

// One open Form14 on a fresh data folder, on a fixed day.
struct HeadFormTest : ::testing::Test {
    testsupport::TempDataFolder folder;
    forms::Clock::Override day{QDate(2013, 1, 31)};
    testsupport::ScriptedBoxes boxes;
    allotment::Form14* form = nullptr;

    data::Database& fund() { return data::Database::open(common::kFundDb); }

    void open()
    {
        form = &forms::Forms::get<allotment::Form14>();
        testsupport::showForm(*form);
    }
    ~HeadFormTest() override
    {
        forms::Forms::unloadAll();
        testsupport::settle();
    }
    QString shownCommands() // of OK, ADD, CANCEL and DELETE
    {
        QString out;
        for (auto* b : {form->Command1, form->Command2, form->Command3, form->Command4})
            out += b->visible() ? b->objectName().right(1) : QString();
        return out;
    }
    void addThroughForm(const QString& code, const QString& description, const QString& category)
    {
        testsupport::click(*form->Command2);
        testsupport::type(*form->Text1, code);
        testsupport::type(*form->Text2, description);
        testsupport::type(*form->Text3, category);
        testsupport::click(*form->Command1);
    }
};

TEST_F(HeadFormTest, ShowsTheYearAndAddsAHeadWithItsOpeningRows)
{
    open();
    // 31 January 2013 lies in the year that began on 1 April 2012.
    EXPECT_EQ(form->Label8->caption(), "01/04/2012");
    EXPECT_EQ(form->Label5->caption(), "2012");
    EXPECT_EQ(form->Label6->caption(), "2013");

    // Browsing: OK and CANCEL are out of reach, and OK called anyway writes nothing.
    EXPECT_EQ(shownCommands(), "24");
    form->Command1_Click();
    EXPECT_EQ(count(fund(), "select count(*) from all_allot"), 0);

    testsupport::click(*form->Command2);
    EXPECT_EQ(shownCommands(), "13");
    EXPECT_EQ(testsupport::focused(), form->Text1);

    testsupport::type(*form->Text1, kSalaryCode);
    testsupport::type(*form->Text2, "SALARY");
    testsupport::type(*form->Text3, "A");
    testsupport::click(*form->Command1);

    EXPECT_TRUE(boxes.boxes().isEmpty());
    // The opening rows fall on the start of the year shown.
    EXPECT_EQ(count(fund(), "select (select count(*) from head where description = 'SALARY' and code_category = 'A')"
                            " + (select count(*) from all_allot where head = ?1 and order_date = '2012-04-01')"
                            " + (select count(*) from all_exp where head = ?1 and bill_date = '2012-04-01')",
                    {kSalaryCode}),
              3);
    // Back to browsing on the new head, whose code is no longer open to typing.
    EXPECT_EQ(shownCommands(), "24");
    EXPECT_EQ(form->Data1->value("drawal_code").toString(), kSalaryCode);
    EXPECT_TRUE(form->Text1->locked());
}

TEST_F(HeadFormTest, RefusesABadHeadAndDropsOneThatFailsToSave)
{
    open();
    addThroughForm(kSalaryCode, "SALARY", "A");

    // The same code again: refused, still entering, nothing written.
    addThroughForm(kSalaryCode, "OTHER", "B");
    ASSERT_EQ(boxes.boxes().size(), 1);
    EXPECT_EQ(boxes.boxes()[0].prompt, "THIS DRAWAL CODE IS ALREADY IN USE.");
    EXPECT_EQ(boxes.boxes()[0].title, "PLEASE NOTE");
    EXPECT_TRUE(form->isAdding());
    EXPECT_EQ(testsupport::focused(), form->Text1);

    // Corrected code, empty description: the description box is asked for.
    testsupport::type(*form->Text1, "2202-01-NP-001-0001-02");
    testsupport::type(*form->Text2, " ");
    testsupport::click(*form->Command1);
    EXPECT_EQ(boxes.lastPrompt(), "ENTER THE SHORT DESCRIPTION OF THE HEAD.");
    EXPECT_EQ(testsupport::focused(), form->Text2);
    EXPECT_EQ(count(fund(), "select count(*) from all_allot"), 1);

    // A save the table refuses: "X", the new head dropped with its opening rows.
    fund().execute("create trigger refuse_head before insert on head "
                   "begin select raise(abort, 'refused'); end");
    testsupport::type(*form->Text2, "WAGES");
    testsupport::click(*form->Command1);
    EXPECT_EQ(boxes.lastPrompt(), "X");
    EXPECT_FALSE(form->isAdding());
    EXPECT_TRUE(form->Command2->visible());
    EXPECT_EQ(count(fund(), "select (select count(*) from head) + (select count(*) from all_allot) "
                            "+ (select count(*) from all_exp)"), 3);

    // CANCEL drops what was typed and writes nothing.
    testsupport::click(*form->Command2);
    testsupport::type(*form->Text1, "2202-01-NP-001-0001-13");
    testsupport::click(*form->Command3);
    EXPECT_FALSE(form->isAdding());
    EXPECT_EQ(count(fund(), "select count(*) from all_allot"), 1);
}

TEST_F(HeadFormTest, EditsADescriptionButNeverACodeAndDeletesOnlyARowShown)
{
    allotment::addHead(fund(), {kSalaryCode, "SALARY", "A"}, QDate(2012, 4, 1));
    allotment::addHead(fund(), {"2202-01-NP-001-0001-02", "WAGES", "B"}, QDate(2012, 4, 1));
    open();
    ASSERT_EQ(form->Data1->value("drawal_code").toString(), kSalaryCode);
    EXPECT_TRUE(form->Text1->locked());

    // Taking the other head's description is refused and the box restored.
    testsupport::type(*form->Text2, "WAGES");
    testsupport::focus(*form->Text3);
    EXPECT_EQ(boxes.lastPrompt(), "THIS DESCRIPTION IS ALREADY USED FOR ANOTHER HEAD.");
    EXPECT_EQ(form->Text2->text(), "SALARY");

    // A new description of its own is written on leaving the box.
    testsupport::type(*form->Text2, "PAY OF STAFF");
    testsupport::focus(*form->Text3);
    EXPECT_EQ(count(fund(), "select count(*) from head where drawal_code = ? and description = ?",
                    {kSalaryCode, "PAY OF STAFF"}),
              1);

    // DELETE asks first, No being the default; No keeps the head.
    boxes.clearBoxes();
    const QString question = "DELETE HEAD " + kSalaryCode + " (PAY OF STAFF) ?";
    boxes.answer(forms::vbNo, question);
    testsupport::click(*form->Command4);
    ASSERT_EQ(boxes.boxes().size(), 1);
    EXPECT_TRUE(boxes.boxes().first().defaultNo());
    EXPECT_EQ(count(fund(), "select count(*) from head where drawal_code = ?", {kSalaryCode}), 1);

    // Yes removes the head shown, keeps its register rows, and a second
    // DELETE with no row shown does nothing at all.
    boxes.clearBoxes();
    boxes.answer(forms::vbYes, question);
    testsupport::click(*form->Command4);
    boxes.clearBoxes();
    EXPECT_EQ(count(fund(), "select (select count(*) from head where drawal_code = ?1) * 10 "
                            "+ (select count(*) from all_allot where head = ?1) "
                            "+ (select count(*) from all_exp where head = ?1)", {kSalaryCode}), 2);
    EXPECT_EQ(form->Data1->currentRow(), -1);
    testsupport::click(*form->Command4);
    EXPECT_EQ(count(fund(), "select count(*) from head"), 1);
    EXPECT_TRUE(boxes.boxes().isEmpty());
}

} // namespace

// Odd codes and descriptions, pasted, are filed as typed with both opening
// rows; text no column can hold is refused in each box, added or changed.
TEST_F(HeadFormTest, OddTextIsFiledAsTypedAndUnstorableTextRefused)
{
    open();

    int k = 0;
    for (const QString& text : testsupport::keptTexts()) {
        SCOPED_TRACE(text.left(20).toStdString());
        const QString code = QString("%1 %2").arg(text.left(26)).arg(++k);
        testsupport::click(*form->Command2);
        form->Text1->setText(code); // typing cannot carry a NUL
        form->Text2->setText(text);
        form->Text3->setText("A");
        testsupport::click(*form->Command1);
        EXPECT_EQ(boxes.prompts(), QStringList{});
        EXPECT_EQ(count(fund(), headAndOpeningRows, {code, text}), 3);
    }

    std::vector<testsupport::Refusal> table;
    for (const auto& [box, caption, width] : {std::tuple{form->Text1, "DRAWAL CODE", 30},
                                              {form->Text2, "DESCRIPTION", 50}, {form->Text3, "CATEGORY", 1}})
        for (const auto& line : testsupport::unstorable(box, caption, width))
            table.push_back(line);
    testsupport::expectRefused(table, [&](forms::TextBox& b, const QString& text) {
        boxes.clearBoxes();
        testsupport::click(*form->Command2);
        form->Text1->setText(kSalaryCode);
        form->Text2->setText("SALARY");
        form->Text3->setText("A");
        b.setText(text);
        testsupport::click(*form->Command1);
        return boxes.prompts();
    });
    // A saved head's description and category, changed in place, the same.
    testsupport::click(*form->Command3);
    table.erase(table.begin(), table.begin() + 2);
    testsupport::expectRefused(table, [&](forms::TextBox& b, const QString& text) {
        boxes.clearBoxes();
        testsupport::focus(b);
        b.setText(text);
        testsupport::focus(&b == form->Text2 ? *form->Text3 : *form->Text2);
        EXPECT_NE(b.text(), text); // the saved text is shown again
        return boxes.prompts();
    });
}
