// Financial reports: the allotment and bill registers of a period, and the B-statement's choices.
#pragma once

#include "platform/forms/controls_fwd.h"
#include "platform/forms/form.h"

namespace allotment {

class Form4 : public forms::Form {
    Q_OBJECT
public:
    Form4();

    void Form_Load() override;

    void Text3_KeyUp(int keyCode);
    void Text3_LostFocus();
    void Combo1_Click();
    void Combo2_Click();
    void Text1_Change();
    void Command1_Click(); // SHOW ALL ALLOTMENT
    void Command2_Click(); // SHOW ALL BILL
    void Command3_Click(); // CLOSE
    void Command4_Click(); // B-STATEMENT

    forms::TextBox *Text1 = nullptr, *Text2 = nullptr, *Text3 = nullptr;
    forms::ComboBox *Combo1 = nullptr, *Combo2 = nullptr;
    forms::Label *Label1 = nullptr, *Label2 = nullptr, *Label3 = nullptr, *Label4 = nullptr,
                 *Label5 = nullptr, *Label6 = nullptr, *Label7 = nullptr, *Label8 = nullptr,
                 *Label9 = nullptr, *Label10 = nullptr, *Label11 = nullptr, *Label12 = nullptr,
                 *Label13 = nullptr, *Label14 = nullptr, *Label15 = nullptr, *Label16 = nullptr,
                 *Label17 = nullptr, *Label18 = nullptr;
    forms::CommandButton *Command1 = nullptr, *Command2 = nullptr, *Command3 = nullptr, *Command4 = nullptr;

private:
    // Takes the financial-year start typed in Text3 (Enter or leaving the box).
    void takeYearStart();
    // False, having said so and put the focus there, when a period box is no date.
    bool periodIsDates();
    // The period boxes as dates and their captions; false (having said so) when one is no date.
    bool readPeriod();
    bool Text2_Enter();
};

} // namespace allotment
