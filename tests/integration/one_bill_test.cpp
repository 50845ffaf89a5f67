// One bill followed through every paper and register that carries its money,
// on the demo office, through the real forms: the inner sheets, the outer
// sheet and pro statement as LibreOffice adds them up, the bill extract, the
// bill register, the B-statement, the cheque slip with its letter and the
// bank's list. Each carries the same gross, deduction and net to the paisa,
// and each paper's total is the sum of the lines it prints.
#include "allotment/financial_report_form.h"
#include "allotment/register_form.h"
#include "paybill/bill_form.h"
#include "paybill/inner_sheet_reports.h"
#include "payslip/pay_slip_form.h"
#include "platform/forms/clock.h"
#include "platform/office/desktop.h"
#include "platform/office/workbook.h"
#include "platform/reports/registry.h"
#include "platform/vb/convert.h"
#include "salary/irregular_bill_form.h"
#include "salary/single_click_form.h"
#include "setup/demo_office.h"
#include "shell/register_forms.h"
#include "support/demo_office_road.h"
#include "support/first_row.h"
#include "support/libreoffice_convert.h"
#include "support/ooxml_reader.h"
#include "support/temp_data_folder.h"
#include "support/ui_driver.h"

namespace {

using forms::Forms;
using reports::Reports;
using namespace testsupport;

// The bill: head A of the demo office on 25 December 2026, worked by hand from
// the demo's table at its order (D.A. 58 %, H.R.A. 10 % up to 6000, M.A. 300).
//   twelve rows of pay: pay 198910, grade pay 39400, D.A. 138220, H.R.A. 22981
//     (A104 FIXED 1500), M.A. 11 x 300 = 3300 (A107 in the health scheme),
//     O.A. 450, less the festival advances recovered 7500/10 = 750 (A105) and
//     3000/5 = 600 (A108): gross 401911
//   a bonus of 4000 (A103) and a festival advance of 7500 paid (A106), each in
//     gross alone: gross 413411, 11500 of it outside the pay and allowance lines
//   deductions: G.P.F. 23750, loans 24000/18 = 1333.33 (A102) and
//     10000/24 = 416.67 (A111), insurance 101 + 230, P.Tax 1820: 27651
//   net 413411 - 27651 = 385760; A102 nets 44080 - 4073.33 = 40006.67 and A111
//     42198 - 3156.67 = 39041.33, thirds that every paper prints to the paisa
// The register files it with the advances recovered in its deduction (it has no
// column to take them off the pay): 27651 + 1350 = 29001, and
//   198910 + 138220 + 22981 + (3300 + 450) + 39400 + bonus 11500 = 414761,
//   less 29001 = 385760, the net again.
const QString kHeadA = QStringLiteral("2202-00-109-NP-002-V-01");
const QString kContingencies = QStringLiteral("2202-00-109-NP-002-V-13");
const QDate kBillDate{2026, 12, 25};
constexpr qint64 kGross = 41341100, kDeduction = 2765100, kNet = 38576000; // paise
const QString kNetInWords = QStringLiteral("(Three Lakh EightyFive Thousand Seven Hundred Sixty) Only");

// A printed figure in paise ("40006.67", "1,234.00"); -1 for text that is no figure.
qint64 paiseOf(QString text)
{
    bool ok = false;
    const double x = text.remove(QLatin1Char(',')).trimmed().toDouble(&ok);
    return ok ? vb::hundredths(x) : -1;
}

// The lines a report prints under a control, in paise, and their sum.
struct Column {
    QList<qint64> lines;
    qint64 sum = 0;
};
Column printed(const reports::PageModel& m, const QString& control)
{
    Column c;
    for (const QString& t : m.texts(control)) {
        c.lines << paiseOf(t);
        c.sum += c.lines.last();
    }
    return c;
}

qint64 cellPaise(const QString& xlsx, const QString& ref)
{
    return vb::hundredths(ooxml::cell(xlsx, ref).toDouble());
}

// The demo's April to November bills and the totals they carried are in.
class OneBill : public DemoOfficeRoad {
protected:
    void SetUp() override
    {
        DemoOfficeRoad::SetUp();
        office::setDesktop(std::make_unique<office::RecordingDesktop>(desktop));
    }
    void TearDown() override
    {
        DemoOfficeRoad::TearDown();
        office::setDesktop(nullptr);
    }

    data::Database& fund() { return data::Database::open(QString::fromLatin1(common::kFundDb)); }

    forms::Clock::Override today{QDate(2026, 12, 26)};
    office::RecordingDesktop desktop;
};

TEST_F(OneBill, EveryPaperAndRegisterCarriesTheSameGrossDeductionAndNet)
{
    // ---- The month's salary in one click, a bonus and an advance on its date ----
    auto& f9 = Forms::get<salary::Form9>();
    showForm(f9);
    pickDate(f9.control<forms::DatePicker>("DTPicker1"), kBillDate);
    saidBy([&] { click(f9.control<forms::CommandButton>("Command1")); }, {{forms::vbYes, "ONE CLICK SALARY"}});
    Forms::unload(f9);
    drawnInGrossAlone(2, "A103", "4000", kBillDate);
    drawnInGrossAlone(3, "A106", "7500", kBillDate);
    auto& sal = data::Database::open(QString::fromLatin1(common::kSalaryDb));
    // Every row is whole paise, its net its gross less its deduction.
    EXPECT_EQ(firstRow(sal, "select count(*), sum(hundredths(gross) - hundredths(deduct) <> hundredths(net)),"
                            " sum(abs(net * 100 - hundredths(net)) > 1e-6) from salary where bill_date = ?",
                       {kBillDate}),
              (QVariantList{qint64(22), qint64(0), qint64(0)}));

    // ---- A contingency bill of October entered late, 99.99 of office expenses ----
    auto& f1 = Forms::get<allotment::Form1>();
    showForm(f1);
    ASSERT_TRUE(choose(*f1.Combo1, kContingencies));
    click(*f1.Option2);
    pickDate(*f1.DTPicker4, QDate(2026, 10, 20));
    enter(*f1.Text16, "17");
    f1.billBox[allotment::Oe]->setText("99.99");
    saidBy([&] { click(*f1.Command4); }, {{forms::vbNo, "BILL ENTERED SUCCESSFULLY"}});

    // ---- The bill form offers the register, which imports the bill's totals ----
    auto& f6 = Forms::get<paybill::Form6>();
    showForm(f6);
    ASSERT_TRUE(chooseByData(*f6.Combo1, kBillDate));
    saidBy([&] { ASSERT_TRUE(chooseByData(*f6.Combo2, kHeadA)); }, {{forms::vbYes, "NO BILL FOUND FOR THIS BILL DATE"}});
    ASSERT_TRUE(f1.isVisible());
    ASSERT_TRUE(choose(*f1.Combo1, kHeadA));
    click(*f1.Option2);
    pickDate(*f1.DTPicker4, kBillDate);
    enter(*f1.Text16, "18");
    ASSERT_TRUE(f1.Command8->isVisible());
    click(*f1.Command8);
    QStringList imported;
    for (auto c : {allotment::Pay, allotment::DPay, allotment::Da, allotment::Hra, allotment::Ma, allotment::Bonus})
        imported << f1.billBox[c]->text();
    EXPECT_EQ(imported << f1.Label83->caption(),
              (QStringList{"198910", "39400", "138220", "22981", "3750", "11500", "29001"}));
    // The deduction proposed is taken as it stands.
    saidBy([&] { click(*f1.Command4); },
           {enterOnInput("ENTER TOTAL DEDUCTION"), {forms::vbNo, "BILL ENTERED SUCCESSFULLY"}});
    const QVariantList registerRow = firstRow(
        fund(), "select pay + d_pay + da + hra + ma + bonus, deduction, pay + d_pay + da + hra + ma + bonus - deduction"
                " from all_exp where bill_no = 18 and head = ? and bill_date = ?",
        {kHeadA, kBillDate});
    EXPECT_EQ(registerRow, (QVariantList{414761.0, 29001.0, 385760.0}));

    // ---- The inner sheets: each column's lines add up to the total under it ----
    showForm(f6);
    settle();
    EXPECT_EQ(saidBy([&] { click(*f6.Command1); }), QStringList{});
    // Twelve employees in fourteen rows: the bonus and the advance are A103's and A106's.
    EXPECT_EQ(f6.Label16->caption() + "|" + f6.Label18->caption(), "18|12");
    saidBy([&] { click(*f6.Command2); }, {{forms::vbNo, "THIS REPORT CONTAINS TOTAL 2 PAGES"}});
    saidBy([&] { click(*f6.Command15); }, {{forms::vbNo, "THIS REPORT CONTAINS TOTAL 2 PAGES"}});
    const reports::PageModel left = Reports::get<paybill::DataReport1>().layout();
    const reports::PageModel right = Reports::get<paybill::DataReport15>().layout();
    const Column gross = printed(left, "Text12"), deduction = printed(right, "Text10"), net = printed(right, "Text11");
    EXPECT_EQ((QList<qint64>{gross.sum, paiseOf(left.texts("Function7").value(0)), deduction.sum,
                             paiseOf(right.texts("Function10").value(0)), net.sum,
                             paiseOf(right.texts("Function11").value(0))}),
              (QList<qint64>{kGross, kGross, kDeduction, kDeduction, kNet, kNet}));
    EXPECT_TRUE(net.lines.contains(4000667) && net.lines.contains(3904133) && net.lines.size() == 14);
    click(*f6.Command17);
    click(*f6.Command18);
    EXPECT_EQ(QStringList({f6.Label37->caption(), f6.Label46->caption(), f6.Label47->caption()}),
              (QStringList{"413411", "27651", "385760"}));

    // ---- The bill extract, the outer sheet and the pro statement ----
    click(*f6.Command10);
    ASSERT_EQ(desktop.opened().size(), 1);
    EXPECT_EQ(ooxml::bookmark(desktop.opened().last(), "amt") + "|" + ooxml::bookmark(desktop.opened().last(), "amtd"),
              "385760.00|" + kNetInWords);
    click(*f6.Command16);
    click(*f6.Command8);
    ASSERT_EQ(desktop.opened().size(), 3);
    const QString outerSheet = desktop.opened().at(1), proStatement = desktop.opened().at(2);
    EXPECT_EQ(cellPaise(outerSheet, "G12"), 1150000); // the bonus line
    EXPECT_EQ(ooxml::cell(outerSheet, "H82").toString() + "|" + ooxml::cell(proStatement, "D30").toString(),
              kNetInWords + "|" + kNetInWords);
    EXPECT_EQ(cellPaise(proStatement, "C30"), kNet);
    if (hasLibreOffice()) {
        // Their gross and deductions as the workbooks' own formulas add up the
        // lines, and the net they leave, which the words must say.
        QTemporaryDir out;
        const QString outer = convertedByLibreOffice(outerSheet, "xlsx", out);
        const QString pro = convertedByLibreOffice(proStatement, "xlsx", out);
        EXPECT_EQ((QList<qint64>{cellPaise(outer, "G16"), cellPaise(outer, "I74"), cellPaise(outer, "I78"),
                                 cellPaise(pro, "I15"), cellPaise(pro, "I48")}),
                  (QList<qint64>{kGross, kDeduction, kNet, kGross, kDeduction}));
    }

    // ---- The B-statement of December takes the bill and the late October bill ----
    auto& f4 = Forms::get<allotment::Form4>();
    showForm(f4);
    enter(*f4.Text3, "01/04/2026");
    ASSERT_TRUE(choose(*f4.Combo2, "DECEMBER"));
    ASSERT_TRUE(choose(*f4.Combo1, "Salary Secondary Schools"));
    EXPECT_EQ(saidBy([&] { click(*f4.Command4); }).value(0).section('|', 2).section('\n', 0, 0),
              "THE PROGRESSIVE TOTALS OF OCTOBER, NOVEMBER HAVE BEEN BROUGHT INTO LINE WITH THE BILL REGISTER"
              " (A BILL ENTERED LATE, CHANGED OR DELETED).");
    ASSERT_EQ(desktop.opened().size(), 4);
    const office::Workbook statement = office::Workbook::open(desktop.opened().last());
    QVariantList billLine;
    for (int col = 1; col <= 14; ++col)
        billLine << (col == 2 ? QVariant() : statement.value(5, col));
    // pay, grade pay, D.A., H.R.A. + M.A., wages, T.A., contingencies, bonus, scheme, deduction, net
    EXPECT_EQ(billLine, (QVariantList{18.0, QVariant(), QVariant(), 198910.0, 39400.0, 138220.0, 26731.0, 0.0, 0.0,
                                      0.0, 11500.0, 0.0, 29001.0, 385760.0}));
    // Brought forward: April to November's eight bills of 377360 net each
    // (deduction 25901) and the late 99.99: 3018979.99; with December's 385760,
    // 3404739.99. Pay 8 x 198910 + 198910 = 1790190; deduction 207208 + 29001 = 236209.
    EXPECT_EQ((QVariantList{statement.value(28, 4), statement.value(28, 10), statement.value(28, 13),
                            statement.value(28, 14)}),
              (QVariantList{1790190.0, 99.99, 236209.0, 3404739.99}));
    if (hasLibreOffice()) {
        QTemporaryDir out;
        const QString book = convertedByLibreOffice(desktop.opened().last(), "xlsx", out);
        EXPECT_EQ((QList<qint64>{cellPaise(book, "K27"), cellPaise(book, "M27"), cellPaise(book, "N27")}),
                  (QList<qint64>{1150000, 2900100, kNet}));
    }

    // ---- The cheque, and the slip of the head with its letter and the bank's list ----
    auto& f8 = Forms::get<payslip::Form8>();
    showForm(f8);
    f8.setMode(payslip::Form8::Mode::ChequeEntry);
    enter(*f8.Text1, "18");
    for (auto [box, text] : {std::pair{f8.Text2, "CHQ-18"}, {f8.Text3, "26/12/2026"}, {f8.Text4, "385760"}})
        type(*box, text);
    EXPECT_EQ(saidBy([&] { click(*f8.Command3); }).value(0).section('|', 2), "RECORD ENTERED SUCCESSFULLY");
    f8.setMode(payslip::Form8::Mode::ChequeSlip);
    ASSERT_TRUE(chooseByData(*f8.Combo1, kBillDate));
    ASSERT_TRUE(chooseByData(*f8.Combo3, kHeadA));
    EXPECT_EQ(QStringList({f8.Label9->caption(), f8.Label13->caption(), f8.Label24->caption()}),
              (QStringList{"12", "385760", kNetInWords}));
    type(*f8.Text5, "385760");
    pressEnter(*f8.Text5);
    type(*f8.Text6, "CHQ-18");
    EXPECT_EQ(saidBy([&] { click(*f8.Command4); }), QStringList{});
    EXPECT_EQ(f8.Label26->caption(), "0");
    ASSERT_EQ(desktop.opened().size(), 5);
    const QString letter = desktop.opened().last();
    const QList<QStringList> tables = ooxml::tableRows(letter);
    // The employee table (heading, numbers, fourteen rows), then the cheques (heading, one row).
    // In the letter's order: the cheques enclosed (heading, one row), then the
    // employees (heading, numbers, fourteen rows).
    ASSERT_EQ(tables.size(), 2 + 2 + 14);
    EXPECT_EQ(tables[1], (QStringList{"CHQ-18", "26/12/2026", "385760.00"}));
    qint64 listed = 0;
    for (int r = 4; r < 18; ++r)
        listed += paiseOf(tables[r].value(4));
    EXPECT_EQ(listed, kNet);
    EXPECT_EQ((QStringList{ooxml::bookmark(letter, "rs"), ooxml::bookmark(letter, "credited"),
                           ooxml::bookmark(letter, "refunded"), ooxml::bookmark(letter, "chqamt")}),
              (QStringList{"385760.00", "385760.00", "0.00", "385760.00"}));
}

} // namespace
