// The pay-statement form: one employee's pay statement over a period and the income-tax statement workbook.
#pragma once

#include "common/database_handle.h"
#include "common/schema.h"
#include "platform/data/data_fwd.h"
#include "platform/forms/controls_fwd.h"
#include "platform/forms/form.h"

#include <QDate>
#include <QString>

namespace payslip {

// LABEL CONTRACT:
//   Label5   "<name> , <designation>" of the employee last looked up         Text1 Enter; "" once Text1 changes
//   Label13  provident-fund account number of that employee                  same
//   Label7, Label8   pay months of the period's ends ("Mar-11")   hidden      PAY STATEMENT
//   Label9, Label10  the period's ends as "mm/dd/yy"              hidden      PAY STATEMENT
//   Label11  the office line printed on the statement             hidden      fixed
// Both commands act on the trimmed code of the last successful look-up, never
// on what is typed after it.
class Form15 : public forms::Form {
    Q_OBJECT
public:
    explicit Form15(QWidget* parent = nullptr);
    ~Form15() override;

    void Form_Load() override;

    // The code of the last successful look-up ("" for none) and the period
    // the last PAY STATEMENT read.
    QString employeeCode() const { return mCode; }
    QDate periodFrom() const { return mFrom; }
    QDate periodTo() const { return mTo; }

    void Text1_Change();
    void Text1_KeyUp(int keyCode);
    void DTPicker1_KeyUp(int keyCode);
    void DTPicker1_Change();
    void Command1_Click(); // PAY STATEMENT
    void Command3_Click(); // I. T.  STATEMENT
    void Command2_Click(); // CLOSE

    forms::TextBox* Text1 = nullptr;
    forms::DatePicker *DTPicker1 = nullptr, *DTPicker2 = nullptr;
    forms::CommandButton *Command1 = nullptr, *Command2 = nullptr, *Command3 = nullptr;
    forms::Label *Label1 = nullptr, *Label2 = nullptr, *Label3 = nullptr, *Label4 = nullptr, *Label5 = nullptr,
                 *Label6 = nullptr, *Label7 = nullptr, *Label8 = nullptr, *Label9 = nullptr, *Label10 = nullptr,
                 *Label11 = nullptr, *Label12 = nullptr, *Label13 = nullptr;

private:
    // The period of the pickers when the employee and the period can be used;
    // otherwise says why and returns false.
    bool checkRequest();

    common::DatabaseHandle mSalaryDb{common::kSalaryDb};
    QString mCode;
    QDate mFrom, mTo;
};

} // namespace payslip
