// Form11: one pay-roll row outside the monthly bill: pay for part of a month,
// bonus, festival advance or arrear pay.
#pragma once

#include "platform/data/data_fwd.h"
#include "platform/forms/controls_fwd.h"
#include "platform/forms/form.h"
#include "salary/bill_row.h"

#include <memory>

namespace salary {

class Form11 : public forms::Form {
    Q_OBJECT
public:
    Form11();
    ~Form11() override;

    void Form_Load() override;

    void Option1_Click(); // FRACTION PAY
    void Option2_Click(); // BONUS
    void Option3_Click(); // FESTIVAL ADVANCE
    void Option4_Click(); // ARREAR PAY
    bool Text1_Enter();   // bill date
    void Text1_Change();
    void Combo1_Click();
    void Text2_KeyUp(int keyCode); // Enter: the employee look-up
    bool Text22_Enter();  // day count of the pay period
    void Text12_Enter();  // gross and professional tax
    void Text13_Enter();  // bonus or advance amount
    void Text19_Enter();  // total deduction and net
    void Command3_Click(); // CONFIRM
    void Command1_Click(); // ADD
    void Command2_Click(); // CANCEL
    void Command4_Click(); // CLOSE

private:
    enum class Kind { None, FractionPay, Bonus, FestivalAdvance, ArrearPay };
    Kind kind() const;
    void buildControls();
    void connectHandlers();
    void lookUp();
    void showPeriod(bool on);
    // The pay period typed in the two period boxes, refused with a message
    // (and the focus in the offending box) when it is not a period.
    bool readPeriod(QDate* from, QDate* to);
    void periodBoxLeft(forms::TextBox* box);
    QString instalmentText(data::TableRecordset& ledger, const QString& dueField);
    // Figures changed after the net was worked out: CONFIRM and ADD wait.
    void figuresChanged();
    // The first of the boxes holding a figure finer than the paisa is told so
    // and takes the focus; false when none does.
    bool refuseFinerThanPaisa(std::initializer_list<int> boxes);

    forms::OptionButton* Option[5] = {};
    forms::TextBox* Text[32] = {}; // Text1 .. Text31 (0 and 24 .. 27 unused)
    forms::ComboBox* Combo1 = nullptr;
    forms::Label *Label3 = nullptr, *Label24 = nullptr, *Label25 = nullptr, *Label27 = nullptr,
                 *Label29 = nullptr, *Label32 = nullptr, *Label33 = nullptr, *Label34 = nullptr,
                 *Label35 = nullptr, *Label36 = nullptr;
    forms::CommandButton* Command[5] = {}; // Command1 .. Command4

    std::unique_ptr<data::TableRecordset> mEmployee;
    std::unique_ptr<data::TableRecordset> mDa;
    std::unique_ptr<data::TableRecordset> mSalary;
    std::unique_ptr<data::TableRecordset> mFesti;
    std::unique_ptr<data::TableRecordset> mLoan;

    QString mCode; // the employee the boxes were filled for
    bool mGrossStale = false; // a part of the gross changed since it was worked out
    bool mValidating = false;
};

} // namespace salary
