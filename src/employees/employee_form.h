// Employee: the employee master, one row of `employee` at a time (new, find by
// code, save, cancel), and the way to the single-click salary form.
#pragma once

#include "platform/data/data_fwd.h"
#include "platform/forms/controls_fwd.h"
#include "platform/forms/form.h"

#include <QList>
#include <memory>

namespace employees {

class Employee : public forms::Form {
    Q_OBJECT
public:
    Employee();
    ~Employee() override;

    void Form_Load() override;

    void Text1_Change();
    void Text1_KeyUp(int keyCode); // Enter finds the code
    void Command1_Click(); // NEW CODE
    void Command2_Click(); // FIND
    void Command3_Click(); // SAVE
    void Command4_Click(); // CANCEL
    void Command5_Click(); // CLOSE
    void Label49_Click();  // QUICK SEARCH AN EXISTING CODE

private:
    void buildControls();
    void clearBoxes();

    forms::TextBox* Text1 = nullptr;
    QList<forms::TextBox*> mFieldBoxes; // Text2 .. Text22, one per field
    forms::Label* Label49 = nullptr;
    forms::CommandButton *Command1 = nullptr, *Command2 = nullptr, *Command3 = nullptr, *Command4 = nullptr,
                         *Command5 = nullptr;

    std::unique_ptr<data::TableRecordset> mEmployee;
    // The code whose row the boxes show; SAVE changes that row and no other.
    QString mShownCode;
};

} // namespace employees
