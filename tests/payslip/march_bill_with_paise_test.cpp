// A March 2014 bill with paise, worked by hand, driven through both forms as
// the clerk would: the figures on the form, the slips, the register, the
// annexure document, the statement and the income-tax workbook.
//
//   code  pay   g.pay  less FA  D.A.   H.R.A. M.A. O.A.    gross     GPF  rec      IF SF P.tax misc  net
//   A501  15600 5400   0        18900  3150   300  0       43350     3000 1666.67  30 30 200   0     38423.33
//   A502  0     0      0        0      0      0    0       0         0    0        0  0  0     0     0 (leave without pay)
//   B601  9300  4200   333.33   11340  1890   300  0       26696.67  1500 0        30 30 150   500   24486.67
//   BA08  7000  1900   0        5340   1335   300  125.50  16000.50  800  0        3  5  130   0     15062.50
//
// gross = pay + g.pay + D.A. + H.R.A. + M.A. + O.A. - less FA;
// net = gross - (GPF + rec + IF + SF + P.tax + misc).
// Net credited on the date: 38423.33 + 24486.67 + 15062.50 = 77972.50.
// Head B (codes beginning with B; BA08 holds the A of head A inside): 24486.67 + 15062.50 = 39549.17.
// The bills are registered under 1 April 2014 (the bill's own year), while
// today (20 March 2014) the financial year began on 1 April 2013.
#include "payslip/pay_reports.h"
#include "payslip_fixture.h"
#include "platform/office/workbook.h"

#include <QRegularExpression>

using namespace slipstest;
using namespace testsupport;
using payslip::Form8;

namespace {

const QDate kBill{2014, 3, 31};
const QDate kApril{2014, 4, 1};

void makePaiseBill()
{
    addEmployees({"A501", "A502", "B601", "BA08"});
    addRows({{"A501", kBill, 15600, 5400, 0, 18900, 3150, 300, 0, 43350, 3000, 1666.67, 30, 30, 200, 0, 38423.33},
             {"A502", kBill, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
             {"B601", kBill, 9300, 4200, 333.33, 11340, 1890, 300, 0, 26696.67, 1500, 0, 30, 30, 150, 500, 24486.67, 500},
             {"BA08", kBill, 7000, 1900, 0, 5340, 1335, 300, 125.50, 16000.50, 800, 0, 3, 5, 130, 0, 15062.50}});
    // Opening rows, the two pay bills, and a bill that pays nothing (not counted).
    addBills(kApril, {{kHeadA, 0, 0}, {kHeadB, 0, 0}, {kHeadA, 11, 15600}, {kHeadB, 12, 16300}, {kHeadA, 13, 0}});
}

using PaiseBill = DesktopOffice;

} // namespace

TEST_F(PaiseBill, FiguresSlipsChequeSlipsStatementAndWorkbookOfAMarchBill)
{
    makePaiseBill();
    auto& f = slipForm(Form8::Mode::PaySlip);
    ASSERT_TRUE(chooseByData(*f.Combo1, kBill));
    EXPECT_EQ(captions({f.Label31, f.Label6, f.Label9, f.Label11, f.Label13, f.Label24}) << boxes.prompts()
                  << QString::number(f.List1->listCount()) << f.List1->list(0) << f.List1->list(1),
              (QStringList{"01/04/2013", "MAR-14", "4", "2", "77972.5",
                           "(SeventySeven Thousand Nine Hundred SeventyTwoAndFifty) Only", "2", "11", "12"}));

    click(*f.Command1);
    auto& report = reports::Reports::get<payslip::DataReport7>();
    EXPECT_TRUE(report.orientation() == reports::Orientation::Landscape
                && report.windowState() == reports::WindowState::Maximized);
    const auto model = report.layout();
    // Each slip heads itself; the bill number (Label30) is left blank.
    const auto each = [](const char* t) { return QStringList(4, t).join('|'); };
    const auto footer = model.sectionItems(0, "Section3");
    EXPECT_EQ(textsOf(model, {"Label24", "Label28", "Text6", "Label30", "Text1", "Text5", "Text4", "Text7"})
                  << (footer.size() == 1 ? footer[0]->text : QString()),
              (QStringList{each("Office of the Block Development Officer Nadia"), each("DDO-7"), each("31/03/2014"),
                           each(" "), "A501|A502|B601|BA08", each("Mar-14"), "GPF/A501|GPF/A502|GPF/B601|GPF/BA08",
                           "SB-A501|SB-A502|SB-B601|SB-BA08", QString("PAGE 1 OF %1").arg(model.pageCount())}));
    EXPECT_EQ(fifteen(model, "Amount", 2) + fifteen(model, "Amount", 3),
              (QStringList{"9300", "4200", "333.33", "11340", "1890", "300", "0", "26696.67", "1500", "0", "30", "30",
                           "150", "500", "24486.67", "7000", "1900", "0", "5340", "1335", "300", "125.5", "16000.5",
                           "800", "0", "3", "5", "130", "0", "15062.5"}));

    // The register, then the whole date's and a head's cheque slips.
    f.setMode(Form8::Mode::ChequeEntry);
    // A bill that pays nothing (13) may still be looked up; the cheque amount must be above 0.
    const char* cheques[][3] = {{"11", "CHQ-1101", "38423.33"}, {"12", "CHQ-1201", "39549.17"}, {"13", "CHQ-1301", "0"}};
    for (const auto& [bill, number, amount] : cheques) {
        enter(*f.Text1, bill);
        typeCheque(f, number, "03/04/2014", amount);
        click(*f.Command3);
    }
    EXPECT_EQ(shown() << QString::number(number(fundDb(), "SELECT count(*) FROM cheque")),
              (QStringList{"RECORD ENTERED SUCCESSFULLY", "RECORD ENTERED SUCCESSFULLY",
                           "CHEQUE AMOUNT MUST BE MORE THAN 0 AND LESS THAN A THOUSAND CRORE", "2"}));

    f.setMode(Form8::Mode::ChequeSlip);
    ASSERT_TRUE(chooseByData(*f.Combo1, kBill));
    // An empty amount is not a figure; a blank one was never typed.
    f.Text5->setText(QString());
    click(*f.Command4);
    type(*f.Text5, " ");
    click(*f.Command4);
    EXPECT_EQ(shown(), (QStringList{"PLEASE ENTER CHEQUE AMOUNT IN FIGURE", "PLEASE ENTER CHEQUE AMOUNT"}));

    type(*f.Text5, "77000.30");
    pressEnter(*f.Text5);
    EXPECT_EQ(f.Label26->caption(), "972.2");
    EXPECT_EQ(focused(), f.Command4);
    EXPECT_EQ(saidBy([&] { click(*f.Command4); }, {{forms::vbYes, "WITHOUT PAY"}}),
              QStringList{"Hi|4|ONE OR MORE EMPLOYEE EXIST WITHOUT PAY, CONTINUE YET ?"});
    const QString whole = desktop.opened().value(0);
    const auto rows = tableRows(whole);
    // The template encloses the cheques above the list of employees.
    EXPECT_EQ(rows, (QList<QStringList>{{"Cheque No.", "Cheque Date", "Amount"},
                                        {"CHQ-1101", "03/04/2014", "38423.33"},
                                        {"CHQ-1201", "03/04/2014", "39549.17"},
                                        {"Sl. No.", "Name of Employee", "Designation", "Bank Account Number", "Amount"},
                                        {"(1)", "(2)", "(3)", "(4)", "(5)"},
                                        {"1", "Name A501", "CLERK", "SB-A501", "38423.33"},
                                        {"2", "Name B601", "CLERK", "SB-B601", "24486.67"},
                                        {"3", "Name BA08", "CLERK", "SB-BA08", "15062.50"}}));
    // Every placeholder filled: the month, the net as "rs" and "credited", the refund and the cheque's amount.
    EXPECT_EQ(occurrences(whole, {"MONTH", "RS", "CREDITED", "REFUNDED", "CHQAMT", "MAR-14", "77972.50", "972.20",
                                  "77000.30"}),
              (QStringList{"0", "0", "0", "0", "0", "1", "2", "1", "1"}));

    // Head-wise, head B: B601 and BA08, both with a net, so no question.
    ASSERT_TRUE(chooseByData(*f.Combo3, kHeadB));
    EXPECT_EQ(captions({f.Label29, f.Label9, f.Label11, f.Label13, f.Label24, f.Label39}),
              (QStringList{"B", "2", "1", "39549.17", "(ThirtyNine Thousand Five Hundred FortyNineAndSeventeen) Only",
                           "2"}));
    type(*f.Text5, "39549.17");
    click(*f.Command4);
    EXPECT_EQ(focused(), f.Text6);
    type(*f.Text6, "CHQ-1201");
    click(*f.Command4);
    EXPECT_EQ(shown(), QStringList{"YOU ARE ABOUT TO PREPARE A FILTERED REPORT.\r\nSO, PLEASE ENTER CHEQUE NUMBER"});
    EXPECT_EQ(tableRows(desktop.opened().value(1)),
              (rows.mid(0, 1) + QList<QStringList>{rows[2]} + rows.mid(3, 2)
               + QList<QStringList>{{"1", "Name B601", "CLERK", "SB-B601", "24486.67"},
                                    {"2", "Name BA08", "CLERK", "SB-BA08", "15062.50"}}));
    EXPECT_TRUE(QString::fromUtf8(part(desktop.opened().value(1), "word/document.xml")).contains(">0.00<")); // nothing refunded

    // The statement and income-tax workbook over a year.
    // Two more of B601's bills, given out of date order, and one on each side of the period.
    //   1 Apr 2013 (booked to March): 9000+4200+9900+1800+300 = 25200; less 1500+30+30+150 = 23490
    //   30 Apr 2013: 9300+4200+10230+1890+300-333.33 = 25586.67; less 1500+30+30+150+500 = 23376.67
    addRows({{"B601", QDate(2013, 4, 30), 9300, 4200, 333.33, 10230, 1890, 300, 0, 25586.67, 1500, 0, 30, 30, 150, 500,
              23376.67, 500},
             {"B601", QDate(2013, 4, 1), 9000, 4200, 0, 9900, 1800, 300, 0, 25200, 1500, 0, 30, 30, 150, 0, 23490},
             {"B601", QDate(2013, 3, 31), 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1},
             {"B601", QDate(2014, 4, 2), 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1}});
    auto& st = statementForm();
    enter(*st.Text1, "B601");
    // The default start, kept with Enter.
    pressEnter(*st.DTPicker1);
    pickDate(*st.DTPicker2, kApril);
    click(*st.Command1);
    const auto statement = reports::Reports::get<payslip::DataReport11>().layout();
    EXPECT_EQ(captions({st.Label5, st.Label7, st.Label8, st.Label9, st.Label10}) << boxes.prompts()
                  << textsOf(statement, {"Text1", "Label26", "Label22"}),
              (QStringList{"Name B601 , CLERK", "Mar-13", "Mar-14", "04/01/13", "04/01/14", "Mar-13|Apr-13|Mar-14",
                           "GPF/B601", "Mar-14"}));
    EXPECT_EQ(fifteen(statement, "Function"), (QStringList{"27600", "12600", "666.66", "31470", "5580", "900", "0",
                                                           "77483.34", "4500", "0", "90", "90", "450", "1000",
                                                           "71353.34"}));

    click(*st.Command3);
    // The annexures named by bill date alone (every head), then the time; head-wise adds the head;
    // the workbook by the period and the code.
    QStringList names = boxes.prompts();
    for (const QString& file : desktop.opened())
        names << QFileInfo(file).fileName().replace(QRegularExpression(" \\d{4}-\\d\\d-\\d\\d \\d{6}\\."), " TIME.");
    EXPECT_EQ(names, (QStringList{"anx 2014-03-31 TIME.docx", "anx 2014-03-31 22222222222222201 TIME.docx",
                                  "IT_statement 2013-04 to 2014-04 B601 TIME.xlsx"}));
    auto book = office::Workbook::open(desktop.opened().value(2));
    QStringList texts;
    for (auto [r, c] : {std::pair{5, 4}, {8, 8}, {9, 3}, {16, 1}, {17, 1}, {18, 1}, {19, 1}})
        texts << book.value(r, c).toString();
    // Row 18, the March 2014 bill: pay, g.pay, D.A., H.R.A., M.A., GPF, IF + SF, P.tax, I.tax.
    for (int c : {2, 3, 5, 6, 7, 9, 10, 11, 12})
        texts << QString::number(book.value(18, c).toDouble());
    EXPECT_EQ(texts, (QStringList{"NAME B601", "CLERK", "PANB601", "Mar-13", "Apr-13", "Mar-14", "", "9300", "4200",
                                  "11340", "1890", "300", "1500", "60", "150", "500"}));
}
