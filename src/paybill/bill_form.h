// The bill form: picks one pay bill, builds its working tables and prints its sheets and schedules.
#pragma once

#include "common/database_handle.h"
#include "common/schema.h"
#include "platform/data/data_fwd.h"
#include "platform/forms/controls_fwd.h"
#include "platform/forms/form.h"

#include <QDate>
#include <QString>
#include <optional>

class QFrame;

namespace paybill {

// The form is split by concern:
//   bill_form.cpp            layout, loading, the choices and ACTIVATE NOW
//   bill_form_sheets.cpp     inner sheets, page and Sl. No. range, grand totals
//   bill_form_schedules.cpp  the nine statutory schedule buttons
//   bill_form_documents.cpp  outer sheet, pro statement, bill extract, D.A. schedule; loading notice
//   bill_form_print_all.cpp  PRINT ALL SCHEDULE and its second button
//   (what goes in each cell and bookmark: paybill/documents/)
//
// LABEL CONTRACT: which control holds what, and who writes it. Reports and
// other forms read these captions (and the texts of the boxes and lists) as
// they stand when they are shown.
//
//   Combo1   bill dates, shown dd/mm/yyyy; item data = the date (QDate)      Form_Load / user
//   Combo2   salary heads by description; item data = the drawal code        Form_Load / user;
//            (two heads may share a description, never a drawal code)        emptied by Combo1_Click
//   Combo3   D.D.O. codes of estt; item data = the code                      Form_Load / user
//   Text2    code category of the head (employee codes begin with it)        Combo2_Click; emptied by Combo1_Click
//   Label6   pay month in capitals ("MAR-12"; a 1 April bill is March's)     Combo2_Click; emptied by Combo1_Click
//   Label7   drawal code of the head (17 digits)                             Combo2_Click; emptied by Combo1_Click
//   Label10  office line "Office of the <degn> <dist>"                       Form_Load (first estt row), Combo3_Click
//   Label12  D.D.O. code of that office                                      Form_Load, Combo3_Click
//   Label16  bill number from the bill register, or "NIL"                   Combo2_Click; emptied by Combo1_Click
//   Label18  number of employees of the bill, each once                     Command1_Click; emptied by Combo1_Click
//   Label22  sum of sf of the 1983-scheme rows (if + sf = 8)   hidden        Command1_Click, inner sheet (R), grand total (R)
//   Label23  sum of if of the 1983-scheme rows                 hidden        same
//   Label24  sum of if of the other rows (1987 scheme)         hidden        same
//   Label25  sum of sf of the other rows                       hidden        same
//   Label26  start of the financial year, dd/mm/yyyy                         Form_Load
//   Label67  year of Label26                                   hidden        Form_Load
//   Label68  Label67 + 1                                       hidden        Form_Load
//   Label58  "<Label67>-<Label68>", the financial year                       Form_Load
//   Label61  sum of pay of the bill     } hidden; "0" at load; set on the    Combo2_Click (missing bill, Yes);
//   Label62  sum of da                  } Yes of "Missing Bill No Alert.";   reset to "0" by Form1's Import
//   Label63  sum of hra                 }
//   Label64  sum of ma + sum of oa      }
//   Label65  sum of d_pay               }
//   Label66  sum of deduct              }
//            Label61 also carries the head and bill date the totals were made for, as
//            properties (common/bill_totals.h), set and cleared with them
//   Label9, Label20, Label21  captions over the button groups                Command1_Click; Label9 emptied by Combo2_Click
//
//   Inner sheets and grand totals (bill_form_sheets.cpp):
//   Label27  print mode: "0" whole bill, else range/page (the page number)   Command2_Click, Command15_Click
//   Label48  first Sl. No. of the range or page                hidden        same
//   Label49  last Sl. No. of the range or page                 hidden        same
//   Label52  left footer caption "TOTAL:-" / "GRAND TOTAL:-"   hidden        Command2_Click
//   Label29  "PRINTED LEFT P-" / "PRINTED RIGHT P-"                          Command2_Click, Command15_Click
//   Label30  "ALL" after a whole bill with its grand total                   Command2_Click, Command15_Click
//   Label31..Label37  sums of pay, d_pay, da, hra, ma, oa, gross of sal      Command17_Click
//   Label38..Label47  sums of gpf_subs, gpf_rec, if, sf, p_tax, i_tax,       Command18_Click
//                     hb_loan, hb_int, deduct, net of sal
//   Label56  sum of others of sal                                            Command18_Click
//
//   Schedules (bill_form_schedules.cpp):
//   Label14  total of the schedule last computed                             the schedule buttons
//   Label15  that total in words (common::inwordShort)                       the schedule buttons
//   Label54  house-rent total                                                Command19_Click
//   Label55  that total in words                                             Command19_Click
//
//   Loading notice: Label59 "Report is Loading. Please wait....." (hidden),
//   Label60 its counter (hidden), Timer1 (500 ms, off at load).
//
// ENABLED: Command2..Command8 and Command10..Command20 (the sheet, schedule,
// document and workbook buttons) are enabled only by a completed ACTIVATE NOW
// and disabled again by choosing another bill date or head, so no command
// prints one bill's rows under another's captions.
class Form6 : public forms::Form {
    Q_OBJECT
public:
    explicit Form6(QWidget* parent = nullptr);

    void Form_Load() override;
    // Back from the bill entry: a bill entered there since gets its number.
    void Form_Activate() override;

    // The bill chosen on the form (null date / empty code when none).
    QDate billDate() const;
    QString drawalCode() const;
    // What the bill's filled files are of, for their saved names: bill date and head.
    QString fileSubject() const;
    // The database files the form opened at load.
    data::Database& salaryDb() const { return *mSalaryDb; }
    data::Database& fundDb() const { return *mFundDb; }

    // ---- Handlers -------------------------------------------------------
    // bill_form.cpp
    void Combo1_Click(); // bill date chosen
    void Combo2_Click(); // salary head chosen
    void Combo3_Click(); // D.D.O. code chosen
    void Command1_Click(); // ACTIVATE NOW

    // bill_form_sheets.cpp
    void Option1_Click();   // INNER SHEET PRINT SET UP
    void Option2_Click();   // CANCEL PRINT SET UP
    void Command2_Click();  // INNER SHEET (L)
    void Command15_Click(); // INNER SHEET (R)
    void Command17_Click(); // GRAND TOTAL (L)
    void Command18_Click(); // GRAND TOTAL (R)

    // bill_form_schedules.cpp
    void Command3_Click();  // GPF NON GR.D
    void Command7_Click();  // GPF GR.D
    void Command4_Click();  // PROF. TAX
    void Command5_Click();  // GISS 1983
    void Command6_Click();  // GISS 1987
    void Command13_Click(); // INCOME TAX
    void Command14_Click(); // H.B.LOAN
    void Command19_Click(); // H.R.A. ETC.
    void Command12_Click(); // INCREMENT
    void Command9_Click();  // CLOSE

    // bill_form_documents.cpp
    void Command8_Click();  // PRO REPORT
    void Command10_Click(); // BILL EXTRACT
    void Command11_Click(); // D.A.SCHEDULE
    void Command16_Click(); // OUTER SHEET FRONT AND BACK
    void Timer1_Timer();    // loading notice

    // bill_form_print_all.cpp
    void Command20_Click(); // PRINT ALL SCHEDULE
    void Command21_Click(); // PRINT ALL SCHEDULE (second, after printing)

    // ---- Controls (objectName = member name) -----------------------------
    forms::ComboBox* Combo1 = nullptr; // bill date
    forms::ComboBox* Combo2 = nullptr; // salary head
    forms::ComboBox* Combo3 = nullptr; // D.D.O. code

    forms::TextBox* Text1 = nullptr; // first Sl. No. of the range
    forms::TextBox* Text2 = nullptr; // code category
    forms::TextBox* Text3 = nullptr; // last Sl. No. of the range

    forms::OptionButton* Option1 = nullptr; // INNER SHEET PRINT SET UP
    forms::OptionButton* Option2 = nullptr; // CANCEL PRINT SET UP

    forms::CommandButton* Command1 = nullptr;  // ACTIVATE  NOW
    forms::CommandButton* Command2 = nullptr;  // INNER SHEET (L)
    forms::CommandButton* Command3 = nullptr;  // GPF NON GR.D
    forms::CommandButton* Command4 = nullptr;  // PROF. TAX
    forms::CommandButton* Command5 = nullptr;  // GISS 1983
    forms::CommandButton* Command6 = nullptr;  // GISS 1987
    forms::CommandButton* Command7 = nullptr;  // GPF GR.D
    forms::CommandButton* Command8 = nullptr;  // PRO REPORT
    forms::CommandButton* Command9 = nullptr;  // CLOSE
    forms::CommandButton* Command10 = nullptr; // BILL EXTRACT
    forms::CommandButton* Command11 = nullptr; // D.A.SCHEDULE
    forms::CommandButton* Command12 = nullptr; // INCREMENT
    forms::CommandButton* Command13 = nullptr; // INCOME TAX
    forms::CommandButton* Command14 = nullptr; // H.B.LOAN
    forms::CommandButton* Command15 = nullptr; // INNER SHEET (R)
    forms::CommandButton* Command16 = nullptr; // OUTER SHEET FRONT AND BACK
    forms::CommandButton* Command17 = nullptr; // GRAND TOTAL (L)
    forms::CommandButton* Command18 = nullptr; // GRAND TOTAL (R)
    forms::CommandButton* Command19 = nullptr; // H.R.A. ETC.
    forms::CommandButton* Command20 = nullptr; // PRINT ALL SCHEDULE
    forms::CommandButton* Command21 = nullptr; // PRINT ALL SCHEDULE (hidden until a print-all)

    QFrame* Shape12 = nullptr; // frame around the page-size note Label53
    forms::Timer* Timer1 = nullptr;

    forms::Label *Label1 = nullptr, *Label2 = nullptr, *Label3 = nullptr, *Label4 = nullptr,
                 *Label5 = nullptr, *Label6 = nullptr, *Label7 = nullptr, *Label8 = nullptr,
                 *Label9 = nullptr, *Label10 = nullptr, *Label11 = nullptr, *Label12 = nullptr,
                 *Label13 = nullptr, *Label14 = nullptr, *Label15 = nullptr, *Label16 = nullptr,
                 *Label17 = nullptr, *Label18 = nullptr, *Label19 = nullptr, *Label20 = nullptr,
                 *Label21 = nullptr, *Label22 = nullptr, *Label23 = nullptr, *Label24 = nullptr,
                 *Label25 = nullptr, *Label26 = nullptr, *Label27 = nullptr, *Label28 = nullptr,
                 *Label29 = nullptr, *Label30 = nullptr, *Label31 = nullptr, *Label32 = nullptr,
                 *Label33 = nullptr, *Label34 = nullptr, *Label35 = nullptr, *Label36 = nullptr,
                 *Label37 = nullptr, *Label38 = nullptr, *Label39 = nullptr, *Label40 = nullptr,
                 *Label41 = nullptr, *Label42 = nullptr, *Label43 = nullptr, *Label44 = nullptr,
                 *Label45 = nullptr, *Label46 = nullptr, *Label47 = nullptr, *Label48 = nullptr,
                 *Label49 = nullptr, *Label50 = nullptr, *Label51 = nullptr, *Label52 = nullptr,
                 *Label53 = nullptr, *Label54 = nullptr, *Label55 = nullptr, *Label56 = nullptr,
                 *Label57 = nullptr, *Label58 = nullptr, *Label59 = nullptr, *Label60 = nullptr,
                 *Label61 = nullptr, *Label62 = nullptr, *Label63 = nullptr, *Label64 = nullptr,
                 *Label65 = nullptr, *Label66 = nullptr, *Label67 = nullptr, *Label68 = nullptr;

private:
    void buildControls();
    void wireHandlers();
    void lookUpBillNoAgain();
    // Enables or disables Command2..Command8 and Command10..Command20.
    void setBillButtons(bool on);
    // The four insurance labels from a split; false when there were no rows.
    bool showInsuranceSplit(std::optional<int> first, std::optional<int> last);
    // The page rule shared by both inner sheets; false when nothing is to be shown.
    bool innerSheetRange(bool right);
    // Shows "Report is Loading. Please wait....." until ten ticks of Timer1.
    void startLoadingNotice();
    // The eight schedules a print-all prints, in its order.
    void unloadPrintedSchedules();

    common::DatabaseHandle mSalaryDb{common::kSalaryDb};
    common::DatabaseHandle mFundDb{common::kFundDb};
};

} // namespace paybill
