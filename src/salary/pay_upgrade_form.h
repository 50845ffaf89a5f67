// form5: the salary of a month split at a change of grade pay (career
// advancement), prorated in two periods and handed to the regular salary form.
#pragma once

#include "platform/data/data_fwd.h"
#include "platform/forms/controls_fwd.h"
#include "platform/forms/form.h"

#include <memory>

class QDate;

namespace salary {

class form5 : public forms::Form {
    Q_OBJECT
public:
    form5();
    ~form5() override;

    void Form_Load() override;

    void Text1_Enter();    // employee look-up
    void Command1_Click(); // CALCULATE 1
    void Command2_Click(); // CALCULATE 2
    void Command3_Click(); // TOTAL SALARY
    void Command5_Click(); // CANCEL 1
    void Command6_Click(); // CANCEL 2
    void Command7_Click(); // RE - SET
    void Command4_Click(); // CLOSE

private:
    struct Period; // the boxes of one period
    static const Period kPeriod1, kPeriod2;
    void buildControls();
    void connectHandlers();
    bool calculate(const Period& p);
    // Forgets the figures of both periods: TOTAL SALARY waits for both to be
    // calculated again for the employee now looked up.
    void clearComputed();
    void clearPeriod(const Period& p);
    void updateTotalCommand();
    double handOverInstalment(data::TableRecordset& ledger, const QString& dueField, bool stopped);

    forms::TextBox* Text[33] = {}; // Text1 .. Text32 (index 0 unused)
    forms::Label *Label1 = nullptr, *Label35 = nullptr, *Label37 = nullptr, *Label38 = nullptr,
                 *Label41 = nullptr;
    forms::CheckBox* Check2 = nullptr;
    forms::CommandButton* Command[8] = {}; // Command1 .. Command7

    std::unique_ptr<data::TableRecordset> mEmployee;
    std::unique_ptr<data::TableRecordset> mFesti;
    std::unique_ptr<data::TableRecordset> mDa;
    std::unique_ptr<data::TableRecordset> mLoan;

    QString mCode; // the employee of the last successful look-up
    bool mPeriodDone[2] = {false, false};
};

} // namespace salary
