// Heads of account: browse, add with their registers' opening rows, delete.
#pragma once

#include "platform/data/data_fwd.h"
#include "platform/forms/controls_fwd.h"
#include "platform/forms/form.h"

#include <QDate>
#include <QString>

namespace allotment {

class Form14 : public forms::Form {
    Q_OBJECT
public:
    Form14();

    void Form_Load() override;
    void Form_Unload() override;

    void Command1_Click(); // OK
    void Command2_Click(); // ADD NEW
    void Command3_Click(); // CANCEL
    void Command4_Click(); // DELETE
    void Command5_Click(); // CLOSE
    void hidebuttons();
    void showbuttons();

    bool isAdding() const { return mAdding; }

    data::DataControl* Data1 = nullptr;
    forms::TextBox *Text1 = nullptr, *Text2 = nullptr, *Text3 = nullptr;
    forms::DataGrid* DBGrid1 = nullptr;
    forms::Label *Label1 = nullptr, *Label2 = nullptr, *Label3 = nullptr, *Label4 = nullptr,
                 *Label5 = nullptr, *Label6 = nullptr, *Label7 = nullptr, *Label8 = nullptr,
                 *Label9 = nullptr;
    forms::CommandButton *Command1 = nullptr, *Command2 = nullptr, *Command3 = nullptr, *Command4 = nullptr,
                         *Command5 = nullptr;

private:
    void showCurrentHead();
    // Writes a description or category typed over the current head's when the
    // user leaves the box or the form, so an edit is never lost by moving on.
    void saveBoxEdits();
    void selectHead(const QString& drawalCode);

    bool mAdding = false;
    QDate mYearStart;
};

} // namespace allotment
