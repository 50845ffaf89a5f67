// The pay-slip and cheque form: pay slips of a bill, the cheque register and the cheque slip with its annexure.
#pragma once

#include "common/database_handle.h"
#include "common/schema.h"
#include "platform/data/data_fwd.h"
#include "platform/forms/controls_fwd.h"
#include "platform/forms/form.h"

#include <QDate>
#include <QString>
#include <optional>

namespace payslip {

struct SlipFigures;
struct SlipHead;

// The form is split by concern:
//   pay_slip_form.cpp               layout, loading, the modes, the bill date, pay slips, CLOSE, timer
//   pay_slip_form_cheque_entry.cpp  the cheque register (Text1..Text4, SAVE, CANCEL, the grid)
//   pay_slip_form_cheque_slip.cpp   the head, the amounts, CHEQUE SLIP and its CANCEL
//
// LABEL CONTRACT (who writes what; the reports read these as they stand):
//   Combo1   bill dates dd/mm/yyyy; item data = the date                    Form_Load / user
//   Combo2   employee codes of salary; locked until a bill date is chosen   Form_Load / user
//   Combo3   salary heads by description; item data = the drawal code      Form_Load / user
//   Label4   name of the chosen employee ("" when neither table has it)     Combo2_Click
//   Label6   pay month of the bill date in capitals ("MAR-12")              Combo1_Click
//   Label9   employees of the date (of the head's codes), net or none, once Combo1_Click, Combo3_Click
//   Label11  bills counted for the slip (bill_no > 0, a net above 0)        Combo1_Click, Combo3_Click
//   Label13  slipNet of the rows with a net above 0, as text                Combo1_Click, Combo3_Click
//   Label24  Label13 in words                                               Combo1_Click, Combo3_Click
//   List1    numbers of the counted bills                                   Combo1_Click, Combo3_Click
//   Label26  net less the amount to be credited                             Text5 Enter/leaving, CHEQUE SLIP
//   Label29  code category of the chosen head                 hidden        Combo3_Click
//   Label31  start of the financial year, dd/mm/yyyy          hidden        Form_Load
//   Label32  office line "Office of the <degn> <dist>"; Label33 its D.D.O.  Form_Load
//   Label39  employees with a line in chq_sal, each once      hidden        Combo1_Click, Combo3_Click, CHEQUE SLIP
//   Label7   bill date of the looked-up bill number; "" once Text1 changes  Text1 look-up
//   Label37/Label38/Timer1  loading notice and its counter                  CHEQUE SLIP / Timer1_Timer
//
// The cheque slip's employees go to chq_sal, the form's own working table:
// the bill form's sal keeps the bill the bill form built.
class Form8 : public forms::Form {
    Q_OBJECT
public:
    explicit Form8(QWidget* parent = nullptr);

    void Form_Load() override;

    // The menu commands' modes: each sets the whole enabled state of the
    // three modes' controls (its own on, the others off), so that they may be
    // used in any order. CLOSE, the hidden labels and the notice are left alone.
    enum class Mode { PaySlip, ChequeEntry, ChequeSlip };
    void setMode(Mode mode);

    // The chosen bill date (null when none) and head's drawal code ("" for none).
    QDate billDate() const;
    QString drawalCode() const;

    // ---- Handlers ----
    // pay_slip_form.cpp
    void Combo1_Click();
    void Combo2_Click();
    void Command1_Click(); // ALL PAY SLIP
    void Command7_Click(); // SINGLE PAY SLIP
    void Command2_Click(); // CLOSE
    void Timer1_Timer();

    // pay_slip_form_cheque_entry.cpp
    void Text1_GotFocus();
    void Text1_Change();
    void Text1_KeyUp(int keyCode);
    void Text1_LostFocus();
    void Command3_Click(); // SAVE
    void Command5_Click(); // CANCEL

    // pay_slip_form_cheque_slip.cpp
    void Combo3_Click();
    void Text5_GotFocus();
    void Text5_KeyUp(int keyCode);
    void Text5_LostFocus();
    void Text6_GotFocus();
    void Text6_Change();
    void Text6_KeyUp(int keyCode);
    void Text6_LostFocus();
    void Command4_Click(); // CHEQUE SLIP
    void Command6_Click(); // CANCEL

    // ---- Controls ----
    forms::ComboBox *Combo1 = nullptr, *Combo2 = nullptr, *Combo3 = nullptr;
    forms::TextBox *Text1 = nullptr, *Text2 = nullptr, *Text3 = nullptr, *Text4 = nullptr, *Text5 = nullptr,
                   *Text6 = nullptr;
    forms::CommandButton *Command1 = nullptr, *Command2 = nullptr, *Command3 = nullptr, *Command4 = nullptr,
                         *Command5 = nullptr, *Command6 = nullptr, *Command7 = nullptr;
    forms::ListBox* List1 = nullptr;
    forms::DataGrid* DBGrid1 = nullptr;
    data::DataControl* Data1 = nullptr;
    forms::Timer* Timer1 = nullptr;
    forms::Label *Label1 = nullptr, *Label2 = nullptr, *Label3 = nullptr, *Label4 = nullptr, *Label5 = nullptr,
                 *Label6 = nullptr, *Label7 = nullptr, *Label8 = nullptr, *Label9 = nullptr, *Label10 = nullptr,
                 *Label11 = nullptr, *Label12 = nullptr, *Label13 = nullptr, *Label14 = nullptr,
                 *Label15 = nullptr, *Label16 = nullptr, *Label17 = nullptr, *Label18 = nullptr,
                 *Label19 = nullptr, *Label20 = nullptr, *Label21 = nullptr, *Label22 = nullptr,
                 *Label23 = nullptr, *Label24 = nullptr, *Label25 = nullptr, *Label26 = nullptr,
                 *Label27 = nullptr, *Label28 = nullptr, *Label29 = nullptr, *Label30 = nullptr,
                 *Label31 = nullptr, *Label32 = nullptr, *Label33 = nullptr, *Label34 = nullptr,
                 *Label35 = nullptr, *Label36 = nullptr, *Label37 = nullptr, *Label38 = nullptr,
                 *Label39 = nullptr;

private:
    void buildControls();
    void wireHandlers();
    data::Database& salaryDb() const { return *mSalaryDb; }
    data::Database& fundDb() const { return *mFundDb; }

    // Shows a date's or a head's figures, or clears them when nothing is credited.
    void showSlipFigures(const SlipFigures& f);
    void clearSlipFigures();
    // The figures of a bill date (and head); nullopt after the failure of the
    // step is told under title, the earlier cheque slip's employees kept.
    std::optional<SlipFigures> chooseRows(const QDate& date, const std::optional<SlipHead>& head, const QString& step,
                                          const QString& title, const QString& handler);
    // The head's figures for the chosen date; false when no row of the head has a net.
    bool applyHead();
    // Label26 from the typed amount; false (and Label26 blank) when the amount
    // is no number from 0 to the net total.
    bool workOutRefund();
    // The cheque register's look-up of Text1; the bill date or none.
    std::optional<QDate> lookUpBill(const QString& title);
    void showLastCheque();
    // A cell of the register grid changed in place: SAVE's checks, then written.
    void editRegisterCell(int row, const QString& field, const QVariant& value);

    common::DatabaseHandle mSalaryDb{common::kSalaryDb};
    common::DatabaseHandle mFundDb{common::kFundDb};
    QDate mLookedUpBillDate; // the bill the look-up found; null once Text1 changes
    bool mChequeNoAsked = false; // Text6's number was asked about and not changed since
};

} // namespace payslip
