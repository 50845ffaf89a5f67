// Form9: the whole establishment's salary for a bill in one click, and the
// upkeep of one employee's row of a bill (find, miscellaneous recoveries, delete).
#pragma once

#include "common/database_handle.h"
#include "common/schema.h"
#include "platform/data/data_fwd.h"
#include "platform/forms/controls_fwd.h"
#include "platform/forms/form.h"

#include <QDate>
#include <optional>

namespace salary {

class Form9 : public forms::Form {
    Q_OBJECT
public:
    Form9();

    void Form_Load() override;

    void Command1_Click(); // 1-CLICK SALARY
    void Command2_Click(); // FIND DETAILS
    void Command3_Click(); // EDIT
    void Command5_Click(); // DELETE
    void Command6_Click(); // CANCEL
    void Command4_Click(); // EXIT
    void Command7_Click(); // < BACK
    void Label12_Click();  // the status view
    void List1_Click();
    void Text1_Change();
    void Text7_Change();
    void Text5_LostFocus();
    void DTPicker1_Change();

private:
    void buildControls();
    void connectHandlers();
    // Enter in, or leaving, the last recovery box.
    void totalRecoveries();
    bool foundRowIsShown() const;
    void forgetFoundRow();
    void clearShownRow();

    forms::DatePicker* DTPicker1 = nullptr;
    forms::TextBox *Text1 = nullptr, *Text2 = nullptr, *Text3 = nullptr, *Text4 = nullptr, *Text5 = nullptr,
                   *Text6 = nullptr, *Text7 = nullptr;
    forms::ListBox* List1 = nullptr;
    forms::Label *Label4 = nullptr, *Label6 = nullptr, *Label12 = nullptr;
    forms::CommandButton *Command1 = nullptr, *Command2 = nullptr, *Command3 = nullptr, *Command4 = nullptr,
                         *Command5 = nullptr, *Command6 = nullptr, *Command7 = nullptr;

    common::DatabaseHandle mDb{common::kSalaryDb};

    // The row FIND DETAILS found: EDIT and DELETE act on it and on nothing
    // else, and only while the code and bill date it was found for are shown.
    struct FoundRow {
        qint64 rowid = 0;
        QString code;
        QDate billDate;
    };
    std::optional<FoundRow> mFound;
};

} // namespace salary
