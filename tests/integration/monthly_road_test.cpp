// The bill clerk's month on the demo office, through the real forms: salary in
// one click, the bill form, the bill register with the imported totals, the
// sheets and schedules, the balances and the cheque.
#include "allotment/register_form.h"
#include "paybill/bill_form.h"
#include "paybill/inner_sheet_reports.h"
#include "paybill/schedules/gpf_schedules.h"
#include "paybill/schedules/increment_certificate.h"
#include "paybill/schedules/insurance_schedules.h"
#include "paybill/schedules/recovery_schedules.h"
#include "paybill/schedules/tax_schedules.h"
#include "payslip/pay_reports.h"
#include "payslip/pay_slip_form.h"
#include "platform/forms/clock.h"
#include "platform/office/desktop.h"
#include "platform/reports/registry.h"
#include "salary/single_click_form.h"
#include "setup/demo_office.h"
#include "shell/register_forms.h"
#include "support/demo_office_road.h"
#include "support/first_row.h"
#include "support/temp_data_folder.h"
#include "support/ui_driver.h"


namespace {

using forms::Forms;
using reports::Reports;
using namespace testsupport;

const QString kHeadA = QStringLiteral("2202-00-109-NP-002-V-01");

// Whether a laid-out report prints the amount ("1,234.00", "1234" and "1234.00" all count) or the text.
bool prints(const reports::PageModel& m, double amount, const QString& text = {})
{
    for (const reports::Page& page : m.pages)
        for (const reports::Item& item : page.items) {
            QString t = item.text.trimmed();
            bool ok = false;
            if (item.kind == reports::Item::Kind::Text && ((!text.isEmpty() && t == text) || (std::fabs(t.remove(',').toDouble(&ok) - amount) < 0.005 && ok)))
                return true;
        }
    return false;
}

template <class R>
reports::PageModel laidOut() { return Reports::isLoaded<R>() ? Reports::get<R>().layout() : reports::PageModel{}; }

// Twelve rows make two pages: shown, not printed.
QStringList showTwoPages(forms::CommandButton& button) { return saidBy([&] { click(button); }, {{forms::vbNo, "THIS REPORT CONTAINS TOTAL 2 PAGES"}}); }

// The demo's April and May bills are in the register.
class MonthlyRoad : public DemoOfficeRoad {
protected:
    forms::Clock::Override today{QDate(2026, 6, 20)};
    const QDate billDate{2026, 6, 15};
};

// Head A's twelve employees at the demo's order (D.A. 58 %, H.R.A. 10 % up to
// 6000, M.A. 300), worked by hand from the demo's table:
//   pay 198910, grade pay 39400, D.A. 138220, H.R.A. 22981 (A104 FIXED 1500),
//   M.A. 11 x 300 + O.A. 450 = 3750, less festival advances 750 + 600:
//   gross 401911. Deductions: GPF 23750 (group D 2550) + loans 24000/18 +
//   10000/24 = 1750, insurance 331 (A112's 1983 scheme 8), P.Tax 1820,
//   A101's misc. 5000 (H.B. loan 1500 + interest 500, income tax 3000):
//   32651; net 369260. Import files the deduction with the advances
//   recovered, 32651 + 1350 = 34001, since the register has no column to
//   take them off the pay: 403261 of amounts less 34001 is the net 369260.
TEST_F(MonthlyRoad, SalaryBillRegisterSheetsSchedulesAndRegisters)
{
    // ---- Form9: the whole office in one click, then A101's recoveries ----
    auto& f9 = Forms::get<salary::Form9>();
    showForm(f9);
    pickDate(f9.control<forms::DatePicker>("DTPicker1"), billDate);
    EXPECT_EQ(saidBy([&] { click(f9.control<forms::CommandButton>("Command1")); }, {{forms::vbYes, "ONE CLICK SALARY"}}).value(1),
              "PLEASE NOTE|0|SALARY OF 20 NUMBERS EMPLOYEE FOR THE MONTH OF Jun-26\n\n"
              " PREPARED AND SAVED IN THE AQUITTANCE ROLL.\n");
    type(f9.control<forms::TextBox>("Text1"), "A101");
    click(f9.control<forms::CommandButton>("Command2"));
    EXPECT_EQ(f9.control<forms::Label>("Label4").caption(), "R. K. Chatterjee");
    for (auto [n, amount] : {std::pair{2, "1500"}, {3, "500"}, {4, "3000"}, {5, "0"}})
        enter(f9.control<forms::TextBox>(QStringLiteral("Text%1").arg(n)), amount);
    EXPECT_EQ(saidBy([&] { click(f9.control<forms::CommandButton>("Command3")); }, {{forms::vbYes, "DO YOU LIKE TO SAVE CHANGES?"}}).value(1),
              "Hi|64|RECORD EDITED AND SAVED.");
    // A101: 59600 + D.A. 34568 + H.R.A. 5960 (under the cap) + M.A. 300 = 100428;
    // 6000 + 24 + 56 + 200 + 5000 deducted.
    auto& sal = data::Database::open(QString::fromLatin1(common::kSalaryDb));
    EXPECT_EQ(firstRow(sal, "select da, hra, gross, deduct, net from salary where emp_code = 'A101'"),
              (QVariantList{34568.0, 5960.0, 100428.0, 11280.0, 89148.0}));
    Forms::unload(f9);
    settle();

    // ---- Form6: no bill number yet, so the register is offered ----------
    auto& f6 = Forms::get<paybill::Form6>();
    showForm(f6);
    ASSERT_TRUE(chooseByData(*f6.Combo1, billDate));
    EXPECT_EQ(saidBy([&] { ASSERT_TRUE(chooseByData(*f6.Combo2, kHeadA)); },
                     {{forms::vbYes, "NO BILL FOUND FOR THIS BILL DATE UNDER Salary Secondary Schools"}}).value(0).section('|', 0, 0),
              "Missing Bill No Alert.");
    EXPECT_EQ(f6.Label16->caption() + "|" + f6.Text2->text() + "|" + f6.Label61->caption(), "NIL|A|198910");
    auto* f1 = static_cast<allotment::Form1*>(Forms::loaded(QStringLiteral("Form1")));
    ASSERT_TRUE(f1 && f1->isVisible());

    // ---- Form1: the bill entered with the imported totals ---------------
    // April's and May's bills drew 198910 pay and 138220 D.A. each from 2600000 and 1700000.
    ASSERT_TRUE(choose(*f1->Combo1, kHeadA));
    EXPECT_EQ(f1->Label10->caption(), "2202180");
    click(*f1->Option2);
    pickDate(*f1->DTPicker4, billDate);
    enter(*f1->Text16, "101");
    ASSERT_TRUE(f1->Command8->isVisible()) << "Import is not offered after the bill number";
    click(*f1->Command8);
    QStringList imported;
    for (auto b : {allotment::Pay, allotment::Da, allotment::Hra, allotment::Ma, allotment::DPay})
        imported << f1->billBox[b]->text();
    EXPECT_EQ(imported << f1->Label83->caption() << f6.Label61->caption(),
              (QStringList{"198910", "138220", "22981", "3750", "39400", "34001", "0"}));
    saidBy([&] { click(*f1->Command4); }, {typed("34001", "ENTER TOTAL DEDUCTION"), {forms::vbNo, "BILL ENTERED SUCCESSFULLY UNDER THE HEAD"}});
    EXPECT_EQ(firstRow(data::Database::open(QString::fromLatin1(common::kFundDb)),
                       "select pay, da, hra, ma, d_pay, deduction from all_exp where bill_no = 101"),
              (QVariantList{198910.0, 138220.0, 22981.0, 3750.0, 39400.0, 34001.0}));
    EXPECT_EQ(QStringList({f1->Label10->caption(), f1->Label11->caption(), f1->Label67->caption()}),
              (QStringList{"2003270", "1285340", "101"}));

    // ---- Form6: back on the bill form, the bill is found; ACTIVATE NOW --
    showForm(f6);
    settle();
    const QString billNo = f6.Label16->caption();
    EXPECT_EQ(saidBy([&] { click(*f6.Command1); }), QStringList{});
    EXPECT_EQ(billNo + "|" + f6.Label18->caption(), "101|12");

    // The sheets: inner (two pages), net, pay and gross, net in words.
    EXPECT_EQ(showTwoPages(*f6.Command2).size(), 1);
    const reports::PageModel inner = laidOut<paybill::DataReport1>();
    EXPECT_TRUE(inner.pageCount() == 2 && prints(inner, 198910) && inner.texts(QStringLiteral("Label27")).contains("JUN-26"));
    showTwoPages(*f6.Command15);
    EXPECT_TRUE(prints(laidOut<paybill::DataReport15>(), 369260));
    click(*f6.Command17);
    EXPECT_EQ(f6.Label31->caption() + "|" + f6.Label37->caption(), "198910|401911");
    EXPECT_TRUE(prints(laidOut<paybill::DataReport8>(), 401911));
    click(*f6.Command18);
    EXPECT_TRUE(f6.Label47->caption().toDouble() == 369260 && prints(laidOut<paybill::DataReport16>(), 369260));

    // The schedules: each states its total on the form and prints it (the
    // house-building schedule its total in words).
    const struct { forms::CommandButton* button; reports::PageModel (*report)(); double total; } schedules[] = {
        {f6.Command3, &laidOut<paybill::DataReport3>, 22950},  // GPF other than group D, loans included
        {f6.Command7, &laidOut<paybill::DataReport6>, 2550},   // GPF group D
        {f6.Command4, &laidOut<paybill::DataReport4>, 1820},   // professional tax
        {f6.Command6, &laidOut<paybill::DataReport5>, 323},    // insurance, 1987 scheme
        {f6.Command5, &laidOut<paybill::DataReport2>, 8},      // insurance, 1983 scheme
        {f6.Command13, &laidOut<paybill::DataReport13>, 3000}, // income tax
        {f6.Command14, &laidOut<paybill::DataReport12>, 2000}, // house-building loan and interest
    };
    for (const auto& s : schedules) {
        SCOPED_TRACE(s.button->objectName().toStdString());
        f6.Label14->setCaption(QString());
        EXPECT_EQ(saidBy([&] { click(*s.button); }), QStringList{});
        EXPECT_EQ(f6.Label14->caption().toDouble(), s.total);
        EXPECT_TRUE(prints(s.report(), s.total, f6.Label15->caption()));
    }
    // Nobody's house rent ("others") is recovered this month: the schedule says so.
    EXPECT_EQ(saidBy([&] { click(*f6.Command19); }).size(), 1);
    EXPECT_FALSE(Reports::isLoaded<paybill::DataReport17>());
    // The increment certificate lists head A's employees of the last increment run only.
    EXPECT_EQ(saidBy([&] { click(*f6.Command12); }), QStringList{});
    const reports::PageModel certificate = laidOut<paybill::DataReport14>();
    EXPECT_TRUE(prints(certificate, -1, "S. M. Banerjee") && prints(certificate, -1, "V. S. Das") && !prints(certificate, -1, "C. R. Saha"));

    // ---- Form8: the bill's cheque (once), its pay slips and its cheque slip ----
    office::RecordingDesktop desktop;
    office::setDesktop(std::make_unique<office::RecordingDesktop>(desktop));
    auto& f8 = Forms::get<payslip::Form8>();
    showForm(f8);
    f8.setMode(payslip::Form8::Mode::ChequeEntry);
    for (const QString& expected : {QStringLiteral("RECORD ENTERED SUCCESSFULLY"),
                                    QStringLiteral("Cheque for this bill has already entered in the Register")}) {
        enter(*f8.Text1, "101");
        for (auto [box, text] : {std::pair{f8.Text2, "CHQ-101"}, {f8.Text3, "15/06/2026"}, {f8.Text4, "369260"}})
            type(*box, text);
        const QString billDay = f8.Label7->caption();
        EXPECT_EQ(billDay + saidBy([&] { click(*f8.Command3); }).value(0).section('|', 2), "15/06/2026" + expected);
        click(*f8.Command5);
    }
    f8.setMode(payslip::Form8::Mode::PaySlip);
    ASSERT_TRUE(chooseByData(*f8.Combo1, billDate));
    click(*f8.Command1);
    EXPECT_EQ(Reports::get<payslip::DataReport7>().layout().texts(QStringLiteral("Text1")).size(), 20);
    f8.setMode(payslip::Form8::Mode::ChequeSlip);
    EXPECT_EQ(saidBy([&] {
                  ASSERT_TRUE(chooseByData(*f8.Combo3, kHeadA));
                  EXPECT_EQ(f8.Label13->caption().toDouble(), 369260);
                  type(*f8.Text5, f8.Label13->caption());
                  type(*f8.Text6, "CHQ-101");
                  click(*f8.Command4);
              }),
              QStringList{});
    EXPECT_TRUE(desktop.opened().size() == 1 && desktop.opened()[0].contains("anx"));
    office::setDesktop(nullptr);
}

// October's bonus and November's festival advance paid before the month's salary.
class FestivalMonths : public DemoOfficeRoad {
protected:
    // What the one-click run on the date says, answered Yes, then `repeat` to the duplicate question.
    QStringList oneClick(const QDate& date, std::optional<int> repeat = {})
    {
        auto& f9 = Forms::get<salary::Form9>();
        showForm(f9);
        pickDate(f9.control<forms::DatePicker>("DTPicker1"), date);
        const auto act = [&] { click(f9.control<forms::CommandButton>("Command1")); };
        return repeat ? saidBy(act, {{forms::vbYes, "ONE CLICK SALARY"}, {*repeat, "HAS ALREADY PREPARED"}})
                      : saidBy(act, {{forms::vbYes, "ONE CLICK SALARY"}});
    }
    // Each ledger row "code due recovered left", festival advances then loans, by code.
    QString ledgers()
    {
        return firstRow(data::Database::open(QString::fromLatin1(common::kSalaryDb)),
                        "select (select group_concat(l, ', ') from (select printf('%s %.2f %.2f %g', emp_code, adv_due,"
                        " adv_rec, inst_no) as l from festi_adv order by emp_code)) || ' | ' || (select group_concat(l, ', ')"
                        " from (select printf('%s %.2f %.2f %g', emp_code, loan_due, loan_rec, inst_no) as l from gpf_loan"
                        " order by emp_code))").value(0).toString();
    }
    static QString prepared(const QString& month)
    {
        return "PLEASE NOTE|0|SALARY OF 20 NUMBERS EMPLOYEE FOR THE MONTH OF " + month
            + "\n\n PREPARED AND SAVED IN THE AQUITTANCE ROLL.\n";
    }

    forms::Clock::Override today{QDate(2026, 11, 25)};
};

// The demo's ledgers, each moved by one instalment a month (to the paisa,
// half a paisa away from nothing):
//   advances A105 7500 in 10: 750; A108 3000 in 5: 600; B205 5000 in 3: 1666.67,
//     then 3333.33 in 2: 1666.665 -> 1666.67
//   loans A102 24000 in 18: 1333.33, then 22666.67 in 17: 1333.33; A111 10000
//     in 24: 416.67, then 9583.33 in 23: 416.67; B202 15000 in 20: 750
// October's rows recover 750 + 600 + 1666.67 = 3016.67 of advances and
// 1333.33 + 416.67 + 750 = 2500 of loans.
TEST_F(FestivalMonths, ABonusOrAdvancePaidFirstLeavesTheSalaryRunTheMonthsFirst)
{
    const QString before = "A105 7500.00 0.00 10, A108 3000.00 1500.00 5, B205 5000.00 2500.00 3 | "
                           "A102 24000.00 6000.00 18, A111 10000.00 0.00 24, B202 15000.00 5000.00 20";
    const QString october = "A105 6750.00 750.00 9, A108 2400.00 2100.00 4, B205 3333.33 4166.67 2 | "
                            "A102 22666.67 7333.33 17, A111 9583.33 416.67 23, B202 14250.00 5750.00 19";
    const QString november = "A105 6000.00 1500.00 8, A108 1800.00 2700.00 3, B205 1666.66 5833.34 1 | "
                             "A102 21333.34 8666.66 16, A111 9166.66 833.34 22, B202 13500.00 6500.00 18";
    EXPECT_EQ(ledgers(), before);
    auto& sal = data::Database::open(QString::fromLatin1(common::kSalaryDb));

    // A110's bonus of 10 October, then the month's salary: no question, the ledgers move.
    drawnInGrossAlone(2, "A110", "4000", QDate(2026, 10, 10));
    EXPECT_EQ(oneClick(QDate(2026, 10, 15)).mid(1), QStringList{prepared("Oct-26")});
    EXPECT_EQ(ledgers(), october);
    EXPECT_EQ(firstRow(sal, "select count(*), round(sum(less_fa), 2), round(sum(gpf_rec), 2) from salary where p_month = 'Oct-26'"),
              (QVariantList{qint64(21), 3016.67, 2500.0}));

    // A second run of October asks of the twenty rows that pay salary, and moves nothing.
    const QString duplicate = "DUPLICATE ENTRY ERROR|260|SALARY OF R. K. CHATTERJEE AND 19 OTHERS  FOR THE MONTH OF Oct-26\n\n"
                              "HAS ALREADY PREPARED. SO, HE / SHE / THEY WILL NOT ENTITLE TO GET\n\n"
                              "SALARY FOR THIS MONTH AGAIN. DO YOU WANT TO PROCEED ANY WAY?\n\n";
    EXPECT_EQ(oneClick(QDate(2026, 10, 31), forms::vbYes).mid(1), (QStringList{duplicate, prepared("Oct-26")}));
    EXPECT_EQ(ledgers(), october);

    // B207's festival advance paid on 5 November, then November's salary: the same.
    drawnInGrossAlone(3, "B207", "5000", QDate(2026, 11, 5));
    EXPECT_EQ(oneClick(QDate(2026, 11, 20)).mid(1), QStringList{prepared("Nov-26")});
    EXPECT_EQ(ledgers(), november);
    EXPECT_EQ(firstRow(sal, "select count(*) from salary where p_month = 'Nov-26'"), QVariantList{qint64(21)});
}

} // namespace
