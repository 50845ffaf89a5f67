// The provident-fund form: a subscriber's year worked out month by month, filed in the broad sheet.
#pragma once

#include "common/database_handle.h"
#include "common/schema.h"
#include "platform/data/data_fwd.h"
#include "platform/forms/controls_fwd.h"
#include "platform/forms/form.h"
#include "platform/vb/amount.h"

#include <QDate>
#include <array>
#include <memory>
#include <optional>

namespace provident_fund {

class BroadSheet;
class Sheet;

// The form is split by concern:
//   account_form.cpp             controls, layout, loading, the modes, the start date, CLOSE
//   account_form_year.cpp        the calculation steps: subscription, refunds, withdrawals,
//                                interest, CALCULATE
//   account_form_broadsheet.cpp  the account pick, SAVE of a worked-out year, FIND SUMMERY,
//                                the three CANCELs
//   account_form_entry.cpp       the new subscriber's year: closing balance and SAVE
//   account_form_statement.cpp   PREVIEW SLIP
//
// What the controls hold:
//   DTPicker1   first day of the financial year (always 1 April)        Form_Load / user
//   Label21, Label30  its caption "2011--2012"                          Form_Load, start date
//   Combo1      the twelve month captions of the year (locked until a withdrawal)
//   Combo2      every account of the broad sheet (as at load)
//   Text1, Text2  account and name: typed (new subscriber) or picked
//   Text5 subscription, Text6 refund, Text8/Text4 its period, Text7 withdrawal, Text9 rate
//   Text14 opening, Text16 subscriptions, Text17 refunds, Text10 interest,
//   Text18 withdrawals, Text20 closing balance            interest step, CALCULATE, look-ups
//   Text19, Text3, Text15, Text11, Text12, Text13  a new subscriber's year
// CALCULATE is enabled by the interest step only, SAVE and PREVIEW SLIP by
// CALCULATE only; whatever changes the figures they rest on disables them.
class gpf_ac : public forms::Form {
    Q_OBJECT
public:
    explicit gpf_ac(QWidget* parent = nullptr);
    ~gpf_ac() override;

    void Form_Load() override;
    void Form_Unload() override;

    // Start date and modes.
    void DTPicker1_Change();
    void Option1_Click();
    void Option2_Click();
    void Text1_Change();

    // The calculation.
    void Text5_KeyUp(int keyCode);
    void Text6_KeyUp(int keyCode);
    void Text8_KeyUp(int keyCode);
    void Text4_KeyUp(int keyCode);
    void Text7_KeyUp(int keyCode);
    void Combo1_Click();
    void Text9_KeyUp(int keyCode);
    void Command7_Click();

    // The broad sheet.
    void Combo2_Click();
    void Combo2_KeyUp(int keyCode);
    void Command3_Click();
    void Command4_Click();
    void Command2_Click();
    void Command8_Click();
    void Command9_Click();
    void Command5_Click();

    // The new subscriber's year.
    void Text12_LostFocus();
    void Command1_Click();

    // The statement.
    void Command6_Click();

    forms::DatePicker* DTPicker1 = nullptr;
    forms::OptionButton *Option1 = nullptr, *Option2 = nullptr;
    forms::ComboBox *Combo1 = nullptr, *Combo2 = nullptr;
    forms::TextBox *Text1 = nullptr, *Text2 = nullptr, *Text3 = nullptr, *Text4 = nullptr, *Text5 = nullptr,
                   *Text6 = nullptr, *Text7 = nullptr, *Text8 = nullptr, *Text9 = nullptr, *Text10 = nullptr,
                   *Text11 = nullptr, *Text12 = nullptr, *Text13 = nullptr, *Text14 = nullptr,
                   *Text15 = nullptr, *Text16 = nullptr, *Text17 = nullptr, *Text18 = nullptr,
                   *Text19 = nullptr, *Text20 = nullptr;
    forms::Label *Label21 = nullptr, *Label29 = nullptr, *Label30 = nullptr, *Label31 = nullptr;
    forms::CommandButton* Command1 = nullptr; // SAVE (new subscriber)
    forms::CommandButton* Command2 = nullptr; // CANCEL (data entry)
    forms::CommandButton* Command3 = nullptr; // SAVE (worked-out year)
    forms::CommandButton* Command4 = nullptr; // FIND SUMMERY
    forms::CommandButton* Command5 = nullptr; // CLOSE
    forms::CommandButton* Command6 = nullptr; // PREVIEW SLIP
    forms::CommandButton* Command7 = nullptr; // CALCULATE
    forms::CommandButton* Command8 = nullptr; // CANCEL (calculation)
    forms::CommandButton* Command9 = nullptr; // CANCEL (summary)
    data::DataControl* Data1 = nullptr;
    forms::DataGrid* DBGrid1 = nullptr;

private:
    void buildControls();
    void wireHandlers();
    forms::Label* labelNamed(const char* name) const;
    void enable(std::initializer_list<const char*> names, bool on);

    // The month list and year captions of the start date.
    void showYear();
    // The blank sheet for the next subscriber's year, with the step boxes
    // open and the commands waiting for the steps; false, after saying so,
    // when the blank sheet is not whole and the sheet was kept as it was.
    bool freshSheet();
    // A change of the figures the year rests on: CALCULATE, SAVE and PREVIEW
    // SLIP wait for the interest step again.
    void disarmYear();
    // A change of the summary: SAVE and PREVIEW SLIP wait for CALCULATE.
    void disarmSave();
    // The grid shows the sheet in stored order.
    void showSheet();
    // The refund, withdrawal and interest steps work on the sheet stamped for
    // the account picked and the start date shown; otherwise this says so,
    // sends the focus to the subscription and returns false.
    bool sheetIsThisYears();
    // The amount typed in a box, read whole by the rule; nullopt after saying
    // why not (the box's message for any fault but a negative figure).
    std::optional<double> readAmount(forms::TextBox* box, const vb::AmountRule& rule, const QString& message,
                                     const QString& title, bool selectAll);
    // A monthly amount typed in a calculation box (refund, withdrawal) for
    // this year's sheet; nullopt after saying why not.
    std::optional<double> sheetAmount(forms::TextBox* box, const QString& message);
    // Whether the account number and name boxes fit the broad sheet's
    // columns; false after the box's message, with the focus in that box.
    bool subscriberFits(const QString& title);
    // The refund period as typed, both ends checked; nullopt after saying why not.
    std::optional<std::pair<QDate, QDate>> readRefundPeriod();
    // The five amounts of the data-entry part (opening balance, subscription,
    // refund, interest, withdrawal), each box with its own message; nullopt
    // after the first refusal.
    std::optional<std::array<double, 5>> readEntryAmounts(const std::array<const char*, 5>& messages);
    // The new subscriber's closing balance from the five amounts, after
    // checking them; false after the first refusal.
    bool workOutEntryClosing();
    // A summary box as a balance: a blank box is 0; nullopt after the
    // message for any other text that is no balance.
    std::optional<double> summaryAmount(forms::TextBox* box, const QString& message);
    void emptyBoxes(std::initializer_list<forms::TextBox*> boxes);

    common::DatabaseHandle mDb{common::kSalaryDb};
    std::unique_ptr<Sheet> mSheet;
    std::unique_ptr<BroadSheet> mBroadSheet;
    QDate mStart;
    // A new subscriber's amount changed after the closing balance was worked out.
    bool mEntryClosingStale = false;
};

} // namespace provident_fund
