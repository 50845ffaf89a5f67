// The bill clerk's month on the demo office, through the real forms: salary in
// one click, the bill form, the bill register with the imported totals, the
// sheets and schedules, the balances and the register reports.
#include "allotment/financial_report_form.h"
#include "allotment/register_form.h"
#include "allotment/register_reports.h"
#include "common/schema.h"
#include "paybill/bill_form.h"
#include "paybill/inner_sheet_reports.h"
#include "paybill/schedules/gpf_schedules.h"
#include "paybill/schedules/increment_certificate.h"
#include "paybill/schedules/insurance_schedules.h"
#include "paybill/schedules/recovery_schedules.h"
#include "paybill/schedules/tax_schedules.h"
#include "payslip/pay_reports.h"
#include "payslip/pay_slip_form.h"
#include "common/pay_month.h"
#include "platform/office/desktop.h"
#include "platform/vb/convert.h"
#include "platform/data/database.h"
#include "platform/data/recordset.h"
#include "platform/forms/clock.h"
#include "platform/forms/controls.h"
#include "platform/forms/registry.h"
#include "platform/reports/page_model.h"
#include "platform/reports/registry.h"
#include "platform/reports/report.h"
#include "salary/single_click_form.h"
#include "setup/demo_office.h"
#include "shell/register_forms.h"
#include "support/temp_data_folder.h"
#include "support/ui_driver.h"

#include <QDate>
#include <QStringList>
#include <cmath>
#include <gtest/gtest.h>

namespace {

using forms::Forms;
using reports::Reports;
using testsupport::choose;
using testsupport::chooseByData;
using testsupport::click;

const QString kHeadA = QStringLiteral("2202-00-109-NP-002-V-01");
const QString kHeadADescription = QStringLiteral("Salary Secondary Schools");

data::Database& salaryDb() { return data::Database::open(QString::fromLatin1(common::kSalaryDb)); }
data::Database& fundDb() { return data::Database::open(QString::fromLatin1(common::kFundDb)); }

// The first row of a query as numbers (null and text read as 0).
QList<double> row(data::Database& db, const QString& sql, const QVariantList& params = {})
{
    data::QueryRecordset rs(db, sql, params);
    QList<double> out;
    if (rs.eof())
        return out;
    for (int i = 0; i < rs.columnNames().size(); ++i)
        out << rs.field(i).number();
    return out;
}

template <class R>
const reports::Report* loadedReport()
{
    return Reports::isLoaded<R>() ? &Reports::get<R>() : nullptr;
}

double number(data::Database& db, const QString& sql, const QVariantList& params = {})
{
    data::QueryRecordset rs(db, sql, params);
    return rs.field(0).number();
}

// Every ledger row as text, to see that nothing in them moved.
QStringList ledgers()
{
    QStringList out;
    for (const char* sql : {"select emp_code, adv_due, adv_rec, inst_no from festi_adv order by emp_code",
                            "select emp_code, loan_due, loan_rec, inst_no from gpf_loan order by emp_code"}) {
        data::QueryRecordset rs(salaryDb(), QString::fromLatin1(sql));
        for (; !rs.eof(); rs.moveNext())
            out << QStringLiteral("%1 %2 %3 %4")
                       .arg(rs.field(0).text())
                       .arg(rs.field(1).number(), 0, 'f', 4)
                       .arg(rs.field(2).number(), 0, 'f', 4)
                       .arg(rs.field(3).number());
    }
    return out;
}

// Whether a laid-out report prints the amount in any of its texts ("1,234.00",
// "1234" and "1234.00" all count).
bool printsAmount(const reports::PageModel& m, double amount)
{
    for (const reports::Page& page : m.pages)
        for (const reports::Item& item : page.items) {
            if (item.kind != reports::Item::Kind::Text)
                continue;
            QString t = item.text.trimmed();
            t.remove(QLatin1Char(','));
            bool ok = false;
            const double v = t.toDouble(&ok);
            if (ok && std::fabs(v - amount) < 0.005)
                return true;
        }
    return false;
}

bool printsText(const reports::PageModel& m, const QString& text)
{
    for (const reports::Page& page : m.pages)
        for (const reports::Item& item : page.items)
            if (item.kind == reports::Item::Kind::Text && item.text == text)
                return true;
    return false;
}

// The prompts of the boxes shown while doing it, joined by "|" ("" for none).
template <class F>
QString boxesDuring(F&& act)
{
    testsupport::ScriptedBoxes boxes;
    act();
    return boxes.prompts().join(QLatin1Char('|'));
}

// A report of two pages, shown without printing.
void showTwoPages(forms::CommandButton& button)
{
    testsupport::ScriptedBoxes boxes;
    boxes.answer(forms::vbNo, QStringLiteral("THIS REPORT CONTAINS TOTAL 2 PAGES"));
    click(button);
}

// A bill date in the current financial year, on or before today, that is
// booked in the year's own bill register (a March bill goes under 1 April).
QDate billDateFor(const QDate& today)
{
    QDate d = today.day() >= 15 ? QDate(today.year(), today.month(), 15)
                                : QDate(today.year(), today.month(), 1).addMonths(-1).addDays(14);
    if (d.month() == 3 && today.month() == 3)
        d = QDate(today.year(), 2, 15);
    return d;
}

class MonthlyRoad : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!Forms::isRegistered(QStringLiteral("Form6")))
            shell::registerAllForms();
        setup::writeStartingRows(QStringLiteral("dosset"));
        setup::writeDemoOffice();
    }
    void TearDown() override
    {
        Reports::unloadAll();
        Forms::unloadAll();
        testsupport::settle();
    }

    testsupport::TempDataFolder folder;
    // The demo office dates its registers from the real calendar.
    forms::Clock::Override today{QDate::currentDate()};
    const QDate billDate = billDateFor(QDate::currentDate());
};

TEST_F(MonthlyRoad, SalaryBillRegisterSheetsSchedulesAndRegisters)
{
    const QString pMonth = QLocale(QLocale::English).toString(billDate, QStringLiteral("MMM-yy"));

    // ---- Form9: the whole office in one click ---------------------------
    auto& f9 = Forms::get<salary::Form9>();
    testsupport::showForm(f9);
    testsupport::pickDate(f9.control<forms::DatePicker>("DTPicker1"), billDate);
    {
        testsupport::ScriptedBoxes boxes;
        boxes.answer(forms::vbYes, QStringLiteral("ONE CLICK SALARY"));
        click(f9.control<forms::CommandButton>("Command1"));
        ASSERT_EQ(boxes.boxes().size(), 2);
        EXPECT_EQ(boxes.boxes()[1].prompt, QStringLiteral("SALARY OF 20 NUMBERS EMPLOYEE FOR THE MONTH OF %1\n\n"
                                                          " PREPARED AND SAVED IN THE AQUITTANCE ROLL.\n")
                                               .arg(pMonth));
    }
    EXPECT_EQ(number(salaryDb(), "select count(*) from salary where bill_date = ?", {billDate}), 20);
    EXPECT_EQ(number(salaryDb(), "select count(distinct emp_code) from salary where p_month = ?", {pMonth}), 20);

    const QString rowSql = QStringLiteral(
        "select pay, d_pay, da, hra, ma, oa, less_fa, gross, p_tax, gpf_rec, deduct, net from salary "
        "where emp_code = ? and bill_date = ?");
    // A101: 52000 + 7600 = 59600; D.A. 58% 34568, H.R.A. 10% 5960 (under the
    // cap), M.A. 300; gross 100428, tax 200; 6000 + 24 + 56 + 200 deducted.
    EXPECT_EQ(row(salaryDb(), rowSql, {"A101", billDate}),
              (QList<double>{52000.0, 7600.0, 34568.0, 5960.0, 300.0, 0.0, 0.0, 100428.0, 200.0, 0.0, 6280.0,
                            94148.0}));
    // A104 has a FIXED H.R.A. of 1500: 23500 pay, D.A. 13630, O.A. 100,
    // gross 39030, tax 150, 2300 + 12 + 28 + 150 deducted.
    EXPECT_EQ(row(salaryDb(), rowSql, {"A104", billDate}),
              (QList<double>{18900.0, 4600.0, 13630.0, 1500.0, 300.0, 100.0, 0.0, 39030.0, 150.0, 0.0, 2490.0,
                            36540.0}));
    // A105 repays a festival advance of 7500 in 10: 750 off the gross.
    EXPECT_EQ(row(salaryDb(), rowSql, {"A105", billDate}),
              (QList<double>{13250.0, 2800.0, 9309.0, 1605.0, 300.0, 0.0, 750.0, 26514.0, 150.0, 0.0, 1770.0,
                            24744.0}));
    // A107 is in the health scheme: no M.A.
    EXPECT_EQ(number(salaryDb(), "select ma from salary where emp_code = 'A107'"), 0);
    // A102's provident-fund loan: 24000 in 18, unrounded.
    EXPECT_NEAR(number(salaryDb(), "select gpf_rec from salary where emp_code = 'A102'"), 24000.0 / 18, 1e-6);

    // Each ledger moved by exactly one instalment.
    const QStringList afterFirstRun = ledgers();
    EXPECT_EQ(row(salaryDb(), "select adv_due, adv_rec, inst_no from festi_adv where emp_code = 'A105'"),
              (QList<double>{6750.0, 750.0, 9.0}));
    EXPECT_EQ(row(salaryDb(), "select adv_due, adv_rec, inst_no from festi_adv where emp_code = 'A108'"),
              (QList<double>{2400.0, 2100.0, 4.0}));
    const QList<double> loan = row(salaryDb(), "select loan_due, loan_rec, inst_no from gpf_loan "
                                              "where emp_code = 'A102'");
    ASSERT_EQ(loan.size(), 3);
    EXPECT_NEAR(loan[0], 24000 - 24000.0 / 18, 1e-6);
    EXPECT_NEAR(loan[1], 6000 + 24000.0 / 18, 1e-6);
    EXPECT_EQ(loan[2], 17);

    // A second run for the same month, a day earlier, asks about the
    // duplicate; going on anyway adds the rows but takes no second instalment.
    const QDate repeatDate = billDate.addDays(-1);
    testsupport::pickDate(f9.control<forms::DatePicker>("DTPicker1"), repeatDate);
    {
        testsupport::ScriptedBoxes boxes;
        boxes.answer(forms::vbYes, QStringLiteral("ONE CLICK SALARY"))
            .answer(forms::vbYes, QStringLiteral("HAS ALREADY PREPARED"));
        click(f9.control<forms::CommandButton>("Command1"));
        ASSERT_EQ(boxes.boxes().size(), 3);
        EXPECT_EQ(boxes.boxes()[1].title, QStringLiteral("DUPLICATE ENTRY ERROR"));
        EXPECT_TRUE(boxes.boxes()[1].prompt.contains(QStringLiteral("AND 19 OTHERS  FOR THE MONTH OF ") + pMonth));
    }
    EXPECT_EQ(number(salaryDb(), "select count(*) from salary where bill_date = ?", {repeatDate}), 20);
    EXPECT_EQ(ledgers(), afterFirstRun);

    // Recoveries of one employee, entered after the run: house-building loan,
    // its interest and income tax, so that their schedules have something.
    testsupport::pickDate(f9.control<forms::DatePicker>("DTPicker1"), billDate);
    testsupport::type(f9.control<forms::TextBox>("Text1"), QStringLiteral("A101"));
    click(f9.control<forms::CommandButton>("Command2"));
    EXPECT_EQ(f9.control<forms::Label>("Label4").caption(), QStringLiteral("R. K. Chatterjee"));
    for (auto [n, amount] : {std::pair{2, "1500"}, {3, "500"}, {4, "3000"}, {5, "0"}})
        testsupport::enter(f9.control<forms::TextBox>(QStringLiteral("Text%1").arg(n)), amount);
    EXPECT_EQ(f9.control<forms::TextBox>("Text6").text(), QStringLiteral("5000"));
    {
        testsupport::ScriptedBoxes boxes;
        boxes.answer(forms::vbYes, QStringLiteral("DO YOU LIKE TO SAVE CHANGES?"));
        click(f9.control<forms::CommandButton>("Command3"));
        EXPECT_EQ(boxes.lastPrompt(), QStringLiteral("RECORD EDITED AND SAVED."));
    }
    EXPECT_EQ(row(salaryDb(), "select misc, deduct, net from salary where emp_code = 'A101' and bill_date = ?",
                  {billDate}),
              (QList<double>{5000.0, 11280.0, 89148.0}));
    Forms::unload(f9);
    testsupport::settle();

    // The bill of head A: its salary rows are those whose codes begin with A.
    const QList<double> sums =
        row(salaryDb(),
            "select sum(pay), sum(da), sum(hra), sum(ma) + sum(oa), sum(d_pay), sum(deduct), sum(net), count(*), "
            "sum(gpf_subs), sum(p_tax), sum(i_tax), sum(hb_loan) + sum(hb_int), sum(others), sum(gross) "
            "from salary where bill_date = ? and substr(emp_code, 1, 1) = 'A'",
            {billDate});
    ASSERT_EQ(sums.size(), 14);
    ASSERT_EQ(sums[7], 12);
    const double sumPay = sums[0];
    const double sumNet = sums[6];
    const double sumDeduct = sums[5];

    // ---- Form6: no bill number yet, so the register is offered ----------
    auto& f6 = Forms::get<paybill::Form6>();
    testsupport::showForm(f6);
    ASSERT_TRUE(chooseByData(*f6.Combo1, billDate));
    {
        testsupport::ScriptedBoxes boxes;
        boxes.answer(forms::vbYes, QStringLiteral("NO BILL FOUND FOR THIS BILL DATE UNDER ") + kHeadADescription);
        ASSERT_TRUE(chooseByData(*f6.Combo2, kHeadA));
        ASSERT_EQ(boxes.boxes().size(), 1);
        EXPECT_EQ(boxes.boxes()[0].title, QStringLiteral("Missing Bill No Alert."));
    }
    EXPECT_EQ(f6.Label16->caption(), QStringLiteral("NIL"));
    EXPECT_EQ(f6.Text2->text(), QStringLiteral("A"));
    EXPECT_EQ(f6.Label61->caption().toDouble(), sumPay);
    ASSERT_TRUE(Forms::isLoaded(QStringLiteral("Form1")));
    auto& f1 = static_cast<allotment::Form1&>(Forms::get(QStringLiteral("Form1")));
    EXPECT_TRUE(f1.isVisible());

    // ---- Form1: the bill entered with the imported totals ---------------
    ASSERT_TRUE(choose(*f1.Combo1, kHeadA));
    // The demo's bills of the year's earlier months draw 198910 pay and 138220
    // D.A. a month from the head's allotment of 2600000 and 1700000.
    const int earlier = (forms::Clock::today().month() + 8) % 12;
    const double payLeft = 2600000 - 198910.0 * earlier, daLeft = 1700000 - 138220.0 * earlier;
    EXPECT_EQ(f1.Label10->caption().toDouble(), payLeft);
    click(*f1.Option2);
    testsupport::pickDate(*f1.DTPicker4, billDate);
    testsupport::enter(*f1.Text16, QStringLiteral("101"));
    ASSERT_TRUE(f1.Command8->isVisible()) << "Import is not offered after the bill number";
    click(*f1.Command8);
    QList<double> imported;
    for (auto b : {allotment::Pay, allotment::Da, allotment::Hra, allotment::Ma, allotment::DPay})
        imported << f1.billBox[b]->text().toDouble();
    EXPECT_EQ(imported, sums.mid(0, 5));
    EXPECT_EQ(f1.Label83->caption().toDouble(), sumDeduct);
    EXPECT_EQ(f6.Label61->caption(), QStringLiteral("0"));
    {
        testsupport::ScriptedBoxes boxes;
        boxes.answerInput(f1.Label83->caption(), QStringLiteral("ENTER TOTAL DEDUCTION"))
            .answer(forms::vbNo, QStringLiteral("BILL ENTERED SUCCESSFULLY UNDER THE HEAD OF A/C.\n\n") + kHeadA);
        click(*f1.Command4);
        EXPECT_EQ(boxes.boxes().size(), 2) << boxes.prompts().join(QLatin1Char('|')).toStdString();
    }
    EXPECT_EQ(row(fundDb(), "select pay, da, hra, ma, d_pay, deduction from all_exp where head = ? and bill_no = 101 "
                            "and bill_date = ?",
                  {kHeadA, billDate}),
              (QList<double>{sumPay, sums[1], sums[2], sums[3], sums[4], sumDeduct}));
    // The balance of the head's pay is the allotment less the bill.
    EXPECT_EQ(f1.Label10->caption().toDouble(), payLeft - sumPay);
    EXPECT_EQ(f1.Label11->caption().toDouble(), daLeft - sums[1]);
    EXPECT_EQ(f1.Label67->caption(), QStringLiteral("101"));

    // ---- Form6: back on the bill form, the bill is found; ACTIVATE NOW --
    EXPECT_EQ(f6.Label16->caption(), QStringLiteral("NIL"));
    testsupport::showForm(f6);
    testsupport::settle();
    EXPECT_EQ(f6.Label16->caption(), QStringLiteral("101"));
    EXPECT_EQ(boxesDuring([&] { click(*f6.Command1); }), "");
    EXPECT_EQ(f6.Label18->caption(), QStringLiteral("12"));
    ASSERT_TRUE(f6.Command2->isEnabled());

    // Inner sheets (12 rows: two pages; printed whole with the grand total).
    showTwoPages(*f6.Command2);
    ASSERT_TRUE(Reports::isLoaded<paybill::DataReport1>());
    const reports::PageModel inner = Reports::get<paybill::DataReport1>().layout();
    EXPECT_EQ(inner.pageCount(), 2);
    EXPECT_TRUE(printsAmount(inner, sumPay));
    EXPECT_TRUE(inner.texts(QStringLiteral("Label27")).contains(pMonth.toUpper()));
    showTwoPages(*f6.Command15);
    ASSERT_TRUE(Reports::isLoaded<paybill::DataReport15>());
    EXPECT_TRUE(printsAmount(Reports::get<paybill::DataReport15>().layout(), sumNet));
    click(*f6.Command17);
    EXPECT_EQ(f6.Label31->caption().toDouble(), sumPay);
    EXPECT_EQ(f6.Label37->caption().toDouble(), sums[13]);
    ASSERT_TRUE(Reports::isLoaded<paybill::DataReport8>());
    EXPECT_TRUE(printsAmount(Reports::get<paybill::DataReport8>().layout(), sumPay));
    EXPECT_TRUE(printsAmount(Reports::get<paybill::DataReport8>().layout(), sums[13]));
    click(*f6.Command18);
    EXPECT_NEAR(f6.Label47->caption().toDouble(), sumNet, 0.005);
    ASSERT_TRUE(Reports::isLoaded<paybill::DataReport16>());
    EXPECT_TRUE(printsAmount(Reports::get<paybill::DataReport16>().layout(), sumNet));

    // The schedules: each prints the total it states on the form.
    const double gpfGroupD =
        number(salaryDb(), "select sum(gpf_subs) + sum(gpf_rec) from salary where bill_date = ? and "
                           "substr(emp_code, 1, 1) = 'A' and category = 'D'",
               {billDate});
    const double gpfOthers =
        number(salaryDb(), "select sum(gpf_subs) + sum(gpf_rec) from salary where bill_date = ? and "
                           "substr(emp_code, 1, 1) = 'A' and category <> 'D'",
               {billDate});
    struct Schedule {
        const char* name;
        forms::CommandButton* button;
        const reports::Report* (*report)();
        double total;
    };
    const Schedule schedules[] = {
        {"GPF NON GR.D", f6.Command3, &loadedReport<paybill::DataReport3>, gpfOthers},
        {"GPF GR.D", f6.Command7, &loadedReport<paybill::DataReport6>, gpfGroupD},
        {"PROF. TAX", f6.Command4, &loadedReport<paybill::DataReport4>, sums[9]},
        {"GISS 1987", f6.Command6, &loadedReport<paybill::DataReport5>,
         number(salaryDb(), "select sum(\"if\") + sum(sf) from sal where \"if\" + sf <> 8")},
        {"GISS 1983", f6.Command5, &loadedReport<paybill::DataReport2>,
         number(salaryDb(), "select sum(\"if\") + sum(sf) from sal where \"if\" + sf = 8")},
        {"INCOME TAX", f6.Command13, &loadedReport<paybill::DataReport13>, sums[10]},
        {"H.B.LOAN", f6.Command14, &loadedReport<paybill::DataReport12>, sums[11]},
    };
    for (const Schedule& s : schedules) {
        f6.Label14->setCaption(QString());
        EXPECT_EQ(boxesDuring([&] { click(*s.button); }), "") << s.name;
        EXPECT_EQ(f6.Label14->caption().toDouble(), s.total) << s.name;
        const reports::Report* r = s.report();
        ASSERT_NE(r, nullptr) << s.name;
        // The house-building schedule prints its lines and the total in words only.
        const reports::PageModel m = r->layout();
        EXPECT_TRUE(printsAmount(m, s.total) || printsText(m, f6.Label15->caption())) << s.name;
    }
    // H.R.A. etc. states its own total (the others column) in Label54.
    {
        testsupport::ScriptedBoxes boxes;
        click(*f6.Command19);
        if (sums[12] == 0)
            EXPECT_EQ(boxes.boxes().size(), 1) << "H.R.A. ETC. with no others recovered";
        else
            EXPECT_TRUE(printsAmount(Reports::get<paybill::DataReport17>().layout(), sums[12]));
    }
    // The increment certificate lists the head's employees of the last increment run.
    EXPECT_EQ(boxesDuring([&] { click(*f6.Command12); }), "");
    ASSERT_TRUE(Reports::isLoaded<paybill::DataReport14>());
    const reports::PageModel certificate = Reports::get<paybill::DataReport14>().layout();
    EXPECT_TRUE(printsText(certificate, QStringLiteral("S. M. Banerjee")));
    EXPECT_TRUE(printsText(certificate, QStringLiteral("V. S. Das")));
    EXPECT_FALSE(printsText(certificate, QStringLiteral("C. R. Saha"))); // head B's

    // ---- Form4: the registers of the bill's month hold the bill ---------
    auto& f4 = Forms::get<allotment::Form4>();
    testsupport::showForm(f4);
    const QDate yearStart(billDate.month() < 4 ? billDate.year() - 1 : billDate.year(), 4, 1);
    testsupport::enter(*f4.Text3, yearStart.toString(QStringLiteral("dd/MM/yyyy")));
    const QString monthName = QLocale(QLocale::English).monthName(billDate.month()).toUpper();
    EXPECT_EQ(boxesDuring([&] { EXPECT_TRUE(choose(*f4.Combo2, monthName)); }), "");
    EXPECT_EQ(f4.Text1->text(), QDate(billDate.year(), billDate.month(), 1).toString(QStringLiteral("dd/MM/yyyy")));
    EXPECT_EQ(boxesDuring([&] { click(*f4.Command2); }), "");
    ASSERT_TRUE(Reports::isLoaded<allotment::DataReport10>());
    const reports::PageModel bills = Reports::get<allotment::DataReport10>().layout();
    // With the demo's own bill of the month when the bill is of last month.
    EXPECT_TRUE(bills.texts(QStringLiteral("Text1")).contains(QStringLiteral("101")));
    EXPECT_TRUE(printsAmount(bills, sumPay));

    // The allotment register of the year holds head A's order.
    testsupport::type(*f4.Text1, yearStart.toString(QStringLiteral("dd/MM/yyyy")));
    testsupport::type(*f4.Text2, QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy")));
    EXPECT_EQ(boxesDuring([&] { click(*f4.Command1); }), "");
    ASSERT_TRUE(Reports::isLoaded<allotment::DataReport9>());
    EXPECT_TRUE(Reports::get<allotment::DataReport9>().layout().texts(QStringLiteral("Text3")).contains(
        QStringLiteral("EDN/ALT/114")));

    // ---- Form8: the bill's cheque, its slips and its cheque slip ----------
    office::RecordingDesktop desktop;
    office::setDesktop(std::make_unique<office::RecordingDesktop>(desktop));
    auto& f8 = Forms::get<payslip::Form8>();
    testsupport::showForm(f8);
    f8.setMode(payslip::Form8::Mode::ChequeEntry);
    const QString chequeNo = QStringLiteral("CHQ-101");
    for (const QString& expected : {QStringLiteral("RECORD ENTERED SUCCESSFULLY"),
                                   QStringLiteral("Cheque for this bill has already entered in the Register")}) {
        testsupport::ScriptedBoxes boxes;
        testsupport::enter(*f8.Text1, QStringLiteral("101"));
        EXPECT_EQ(f8.Label7->caption(), vb::shortDate(common::payBillRegisterDate(billDate)));
        testsupport::type(*f8.Text2, chequeNo);
        testsupport::type(*f8.Text3, vb::shortDate(billDate));
        testsupport::type(*f8.Text4, vb::cstr(sumNet));
        click(*f8.Command3);
        EXPECT_EQ(boxes.prompts(), QStringList{expected});
        click(*f8.Command5);
    }
    f8.setMode(payslip::Form8::Mode::PaySlip);
    ASSERT_TRUE(chooseByData(*f8.Combo1, billDate));
    click(*f8.Command1);
    EXPECT_EQ(Reports::get<payslip::DataReport7>().layout().texts(QStringLiteral("Text1")).size(),
              int(number(salaryDb(), "select count(*) from salary where bill_date = ?", {billDate})));
    f8.setMode(payslip::Form8::Mode::ChequeSlip);
    {
        testsupport::ScriptedBoxes boxes;
        ASSERT_TRUE(chooseByData(*f8.Combo3, kHeadA));
        EXPECT_NEAR(f8.Label13->caption().toDouble(), sumNet, 0.005);
        testsupport::type(*f8.Text5, f8.Label13->caption());
        testsupport::type(*f8.Text6, chequeNo);
        click(*f8.Command4);
        EXPECT_TRUE(boxes.boxes().isEmpty()) << boxes.prompts().join(QLatin1Char('|')).toStdString();
    }
    const QStringList opened = desktop.opened();
    ASSERT_EQ(opened.size(), 1);
    EXPECT_TRUE(opened[0].contains(QStringLiteral("anx")));
    office::setDesktop(nullptr);

    // The bill form's inner sheet still shows its own bill.
    showTwoPages(*f6.Command2);
    EXPECT_TRUE(printsAmount(Reports::get<paybill::DataReport1>().layout(), sumPay));
}

} // namespace
