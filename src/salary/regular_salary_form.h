// SALARY: one employee's row of the regular monthly bill, worked out from the
// employee record and saved with the recovery of the loan and advance instalments.
#pragma once

#include "common/database_handle.h"
#include "common/schema.h"
#include "platform/data/data_fwd.h"
#include "platform/forms/controls_fwd.h"
#include "platform/forms/form.h"
#include "salary/bill_row.h"

#include <memory>

namespace salary {

class SALARY : public forms::Form {
    Q_OBJECT
public:
    SALARY();
    ~SALARY() override;

    void Form_Load() override;

    void Data1_Reposition();
    bool Text12_Enter(); // O.A.: gross and professional tax
    bool Text19_Enter(); // misc. recoveries: total deduction and net
    void Command1_Click(); // CONFIRM
    void Command4_Click(); // OK
    void Check1_Click();   // STOP GPF RECOVERY
    void Label40_Click();  // CLICK HERE FOR QUICK PAY BILL

private:
    void buildControls();
    void connectHandlers();
    // A change of the employee, the bill date or an amount makes the worked
    // figures stale: CONFIRM and OK wait for the Enter chain again.
    void figuresChanged();
    double gpfInstalment(const QString& code);
    // The number a box's text begins with (an empty box 0); worked-out figures
    // are whole paise, so a box holds the very figure the row stores.
    double figure(int box) const;

    data::DataControl* Data1 = nullptr;
    forms::DatePicker* DTPicker1 = nullptr;
    forms::TextBox* Text[25] = {}; // Text1 .. Text24 (index 0 unused)
    forms::Label *Label25 = nullptr, *Label27 = nullptr, *Label38 = nullptr, *Label39 = nullptr,
                 *Label40 = nullptr, *Label41 = nullptr;
    forms::CheckBox* Check1 = nullptr;
    forms::CommandButton *Command1 = nullptr, *Command4 = nullptr;

    common::DatabaseHandle mDb{common::kSalaryDb};
    std::unique_ptr<data::TableRecordset> mSalary;
    std::unique_ptr<data::TableRecordset> mDa;
    std::unique_ptr<data::TableRecordset> mFesti;
    std::unique_ptr<data::TableRecordset> mLoan;
    bool mFilling = false;
    bool mGrossStale = false; // a part of the gross changed since it was worked out
};

} // namespace salary
