// The allotment and expenditure form: head balances, allotment and bill entry, year-end reset.
#pragma once

#include "allotment/heads.h"
#include "common/database_handle.h"
#include "common/schema.h"
#include "platform/data/data_fwd.h"
#include "platform/forms/controls_fwd.h"
#include "platform/forms/form.h"

#include <QDate>
#include <QString>

#include <array>
#include <memory>
#include <optional>

namespace vb {
struct AmountRule;
}

namespace allotment {

// The form is split by concern:
//   register_form.cpp            controls, layout, loading, the Enter chain, CLOSE
//   register_form_balance.cpp    the head choice and the balance panel
//   register_form_allotment.cpp  NEW ALLOTMENT ENTRY, its OK and CANCEL
//   register_form_bill.cpp       NEW BILL ENTRY, Import, its OK and CANCEL
//   register_form_reset.cpp      DELETE RECORDS and the two register resets
//
// What the controls hold:
//   Combo1      every drawal code of head; item data = the code               Form_Load / user
//   DTPicker1   start of the balance period and the reset's new year;
//               financial-year start of today at load
//   DTPicker2   end of the balance period; today at load
//   DTPicker3   order date; DTPicker4 bill date; today at load
//   Label76, Label78  the financial year: start's year, the next year           Form_Load
//   Label2, Label79   description of the chosen head                           Combo1_Click
//   balance labels    allotted less spent per column over the period;          Combo1_Click, both OKs
//                     Label15 the total of the six salary columns
//   Label67     highest bill number of the bill register                      Combo1_Click, bill OK
//   Text2       order number; Text16 bill number
//   allotment boxes Text4..Text15, Text17, Text31; bill boxes Text18..Text30, Text32
//   Label83     deduction total taken over by Import (hidden but while saving a bill)
//   Text3, Text1  the new and the previous year's start                        Option3_Click
class Form1 : public forms::Form {
    Q_OBJECT
public:
    explicit Form1(QWidget* parent = nullptr);
    ~Form1() override;

    void Form_Load() override;
    void Form_Unload() override;

    // Head choice and balances.
    void Combo1_Click();
    void Command7_Click();

    // Allotment entry.
    void Option1_Click();
    void Command1_Click();
    void Command2_Click();
    void DTPicker3_KeyUp(int keyCode);

    // Bill entry.
    void Option2_Click();
    void Command4_Click();
    void Command5_Click();
    void Command8_Click();
    void DTPicker4_KeyUp(int keyCode);
    void DTPicker4_Change();

    // Year-end reset.
    void Option3_Click();
    void Command6_Click();
    void Command3_Click();

    forms::ComboBox* Combo1 = nullptr;
    forms::DatePicker *DTPicker1 = nullptr, *DTPicker2 = nullptr, *DTPicker3 = nullptr, *DTPicker4 = nullptr;
    forms::Label *Label2 = nullptr, *Label79 = nullptr, *Label75 = nullptr, *Label76 = nullptr,
                 *Label77 = nullptr, *Label78 = nullptr, *Label81 = nullptr, *Label82 = nullptr,
                 *Label10 = nullptr, *Label74 = nullptr, *Label11 = nullptr, *Label12 = nullptr,
                 *Label13 = nullptr, *Label14 = nullptr, *Label15 = nullptr, *Label17 = nullptr,
                 *Label27 = nullptr, *Label28 = nullptr, *Label29 = nullptr, *Label30 = nullptr,
                 *Label31 = nullptr, *Label32 = nullptr, *Label68 = nullptr, *Label67 = nullptr,
                 *Label83 = nullptr, *Label84 = nullptr;
    forms::OptionButton *Option1 = nullptr, *Option2 = nullptr, *Option3 = nullptr;
    forms::TextBox *Text1 = nullptr, *Text2 = nullptr, *Text3 = nullptr, *Text16 = nullptr;
    // Amount boxes, by register column.
    std::array<forms::TextBox*, ColumnCount> allotmentBox{};
    std::array<forms::TextBox*, ColumnCount> billBox{};
    std::array<forms::Label*, ColumnCount> balanceLabel{};
    forms::CommandButton* Command1 = nullptr; // allotment OK
    forms::CommandButton* Command2 = nullptr; // allotment CANCEL
    forms::CommandButton* Command3 = nullptr; // RESET BILL REGISTER
    forms::CommandButton* Command4 = nullptr; // bill OK
    forms::CommandButton* Command5 = nullptr; // bill CANCEL
    forms::CommandButton* Command6 = nullptr; // RESET FUND REGISTER
    forms::CommandButton* Command7 = nullptr; // CLOSE
    forms::CommandButton* Command8 = nullptr; // Import
    data::DataControl* Data1 = nullptr;
    forms::DataGrid* DBGrid1 = nullptr;

private:
    void buildControls();
    void wireHandlers();

    // The drawal code chosen in Combo1 ("" for none).
    QString chosenHead() const;
    // Recomputes every balance label for the chosen head over the period;
    // false (nothing changed) when either register has no row of it there.
    bool refreshBalances();
    // Opens the boxes of the head's columns for the entry option chosen.
    void openBoxesForHead();
    // The entry options' common end: the reset panel is disarmed.
    void disarmReset();
    // The amount checks of both OKs, in their fixed order; false after the
    // first failure has been shown.
    // Each box's amount by the rule, or the box's own message and false.
    bool checkAmounts(const std::array<forms::TextBox*, ColumnCount>& boxes, const vb::AmountRule& rule, int style,
                      const QString& title);
    void fillAmountBoxes(const std::array<forms::TextBox*, ColumnCount>& boxes, const QString& text, bool select);
    void focusFirstOpen(const std::array<forms::TextBox*, ColumnCount>& boxes);

    // The bill whose boxes Import filled, until it is saved, cancelled or
    // begun afresh: OK files the figures under that bill only and proposes
    // its deduction.
    struct ImportedBill {
        QString head;          // drawal code
        QDate billDate;        // of the salary rows, as the bill form chose it
        QString deduction;     // the bill's total deduction, as imported
    };
    std::optional<ImportedBill> mImported;
    // Whether the chosen head and bill date are those of the bill.
    bool isChosenBill(const ImportedBill& bill) const;
    // Why the chosen head and bill date are not those of the imported
    // figures; nothing when they are.
    std::optional<QString> importedElsewhere(const ImportedBill& bill) const;
    // One of the bill form's total labels (Label61 to Label66), reached by
    // name; the bill form is loaded hidden when it is not open.
    forms::Label& billFormTotal(int n) const;
    // The bill whose totals wait on the bill form: made for a bill, with at
    // least one figure. Unless loadBillForm, a bill form not open has none.
    std::optional<ImportedBill> totalsWaiting(bool loadBillForm) const;
    // Shows Import when totals wait for the new bill of the chosen head and
    // bill date.
    void offerImportOfWaitingTotals();

    common::DatabaseHandle mFund{common::kFundDb};
    std::unique_ptr<data::TableRecordset> mAllotments;
    std::unique_ptr<data::TableRecordset> mBills;
};

// The columns in the order the entry forms check, fill and empty their boxes.
extern const std::array<Column, ColumnCount> kEntryOrder;

} // namespace allotment
