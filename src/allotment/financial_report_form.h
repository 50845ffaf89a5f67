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

    forms::TextBox* Text1 = nullptr;
    forms::TextBox* Text2 = nullptr;
    forms::TextBox* Text3 = nullptr;
    forms::ComboBox* Combo1 = nullptr;
    forms::ComboBox* Combo2 = nullptr;
    forms::Label* Label1 = nullptr;
    forms::Label* Label2 = nullptr;
    forms::Label* Label3 = nullptr;
    forms::Label* Label4 = nullptr;
    forms::Label* Label5 = nullptr;
    forms::Label* Label6 = nullptr;
    forms::Label* Label7 = nullptr;
    forms::Label* Label8 = nullptr;
    forms::Label* Label9 = nullptr;
    forms::Label* Label10 = nullptr;
    forms::Label* Label11 = nullptr;
    forms::Label* Label12 = nullptr;
    forms::Label* Label13 = nullptr;
    forms::Label* Label14 = nullptr;
    forms::Label* Label15 = nullptr;
    forms::Label* Label16 = nullptr;
    forms::Label* Label17 = nullptr;
    forms::Label* Label18 = nullptr;
    forms::CommandButton* Command1 = nullptr;
    forms::CommandButton* Command2 = nullptr;
    forms::CommandButton* Command3 = nullptr;
    forms::CommandButton* Command4 = nullptr;

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
