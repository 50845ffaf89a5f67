// Two years of one employee's bills on the income-tax statement: 27 lines, three more than the template's 24,
// with paise, O.A., a festival-advance instalment, a festival advance, an arrear and a bonus.
//
//   bill date                  pay       g.pay  less FA  D.A.    H.R.A.  M.A.  O.A.    gross     GPF   IF+SF P.tax I.tax
//   12 month-ends 4/12-3/13    10000.50  4200   500.25   9000    1500    300   100.25  24600.50  2000  60    150   1250.50
//   12 month-ends 4/13-3/14    10500.50  4200   0        9450    1575    300   100.25  26125.75  2000  60    150   1250.50
//   12/02/2014 festival adv.   0         0      0        0       0       0     0       5000      0     0     0     0
//   05/03/2014 arrear          500.25    0      0        450.20  75.05   0     0       1025.50   0     0     0     0
//   20/03/2014 bonus           0         0      0        0       0       0     0       3500      0     0     0     0
// gross = pay + g.pay + D.A. + H.R.A. + M.A. + O.A. - less FA: 10000.50 + 4200 + 9000 + 1500 + 300 + 100.25 - 500.25
// = 24600.50; 10500.50 + 4200 + 9450 + 1575 + 300 + 100.25 = 26125.75; 500.25 + 450.20 + 75.05 = 1025.50.
//
// Lines by bill date: 16-27 the first year, 28-37 April to January, 38 the advance, then the rows the sheet
// inserts: 39 February's bill, 40 the arrear, 41 the bonus; 42 March's bill; the totals move from 41 to 44.
//   PAY        12 x 10000.50 + 12 x 10500.50 + 500.25 = 120006 + 126006 + 500.25 = 246512.25
//   GRADE PAY  24 x 4200 = 100800
//   PAY + G.P. 246512.25 + 100800 = 347312.25
//   D.A.       12 x 9000 + 12 x 9450 + 450.20 = 221850.20;  H.R.A. 18000 + 18900 + 75.05 = 36975.05;  M.A. 24 x 300 = 7200
//   GROSS      12 x 24600.50 + 12 x 26125.75 + 5000 + 1025.50 + 3500 = 295206 + 313509 + 9525.50 = 618240.50
//              (= 347312.25 + 221850.20 + 36975.05 + 7200 + O.A. 24 x 100.25 - F.A. 12 x 500.25 + 5000 + 3500)
//   GPF 48000, IF + SF 1440, P.tax 3600, I.tax 24 x 1250.50 = 30012
// Without the three inserted lines' own PAY + G.P. and GROSS the totals would read 332111.50 and 587589.25; with
// GROSS as (4) to (7) besides, 12 x 25000.50 + 11 x 26025.50 = 586286.50.
#include "payslip/office_files.h"
#include "payslip/pay_reports.h"
#include "payslip/statements.h"
#include "payslip_fixture.h"
#include "platform/office/workbook.h"
#include "support/libreoffice_convert.h"

#include <QFile>
#include <QSet>

using namespace slipstest;

namespace {

const QString kCols = "ABCDEFGHIJKL";

QDate monthEnd(int year, int month) { return QDate(year, month, 1).addMonths(1).addDays(-1); }

void makeTwoYears()
{
    addEmployees({"C301"});
    for (int m = 0; m < 12; ++m) {
        const QDate first = QDate(2012, 4, 1).addMonths(m), second = first.addYears(1);
        addRows({{"C301", monthEnd(first.year(), first.month()), 10000.50, 4200, 500.25, 9000, 1500, 300, 100.25,
                  24600.50, 2000, 0, 30, 30, 150, 1250.50, 21140, 1250.50},
                 {"C301", monthEnd(second.year(), second.month()), 10500.50, 4200, 0, 9450, 1575, 300, 100.25,
                  26125.75, 2000, 0, 30, 30, 150, 1250.50, 22665.25, 1250.50}});
    }
    addRows({{"C301", QDate(2014, 2, 12), 0, 0, 0, 0, 0, 0, 0, 5000, 0, 0, 0, 0, 0, 0, 5000},
             {"C301", QDate(2014, 3, 5), 500.25, 0, 0, 450.20, 75.05, 0, 0, 1025.50, 0, 0, 0, 0, 0, 0, 1025.50},
             {"C301", QDate(2014, 3, 20), 0, 0, 0, 0, 0, 0, 0, 3500, 0, 0, 0, 0, 0, 0, 3500}});
}

// A line's twelve cells: the month, then each figure to the paisa.
QString line(const office::Workbook& book, int row)
{
    QStringList cells{book.value(row, 1).toString()};
    for (int c = 2; c <= 12; ++c)
        cells << QString::number(book.value(row, c).toDouble(), 'f', 2);
    return cells.join(',');
}

} // namespace

TEST_F(Office, IncomeTaxStatementOfTwentySevenLinesEachWithItsFiguresGrossAndPaise)
{
    makeTwoYears();
    const QString saved = payslip::incomeTaxWorkbook(
                              payslip::incomeTaxCells(salaryDb(), "C301", QDate(2012, 4, 1), QDate(2014, 3, 31)))
                              .save();
    const auto book = office::Workbook::open(saved);

    // The inserted lines, whole.
    EXPECT_EQ((QStringList{line(book, 39), line(book, 40), line(book, 41)}),
              (QStringList{"Feb-14,10500.50,4200.00,14700.50,9450.00,1575.00,300.00,26125.75,2000.00,60.00,150.00,"
                           "1250.50",
                           "Mar-14,500.25,0.00,500.25,450.20,75.05,0.00,1025.50,0.00,0.00,0.00,0.00",
                           "Mar-14,0.00,0.00,0.00,0.00,0.00,0.00,3500.00,0.00,0.00,0.00,0.00"}));

    // PAY + GRADE PAY and GROSS of every line, as the bills have them.
    QStringList payAndGross, expected;
    for (int r = 16; r <= 42; ++r)
        payAndGross << QString::number(book.value(r, 4).toDouble(), 'f', 2) + '|'
                           + QString::number(book.value(r, 8).toDouble(), 'f', 2);
    for (int m = 0; m < 12; ++m)
        expected << "14200.50|24600.50";
    for (int m = 0; m < 10; ++m)
        expected << "14700.50|26125.75";
    expected << "0.00|5000.00" << "14700.50|26125.75" << "500.25|1025.50" << "0.00|3500.00" << "14700.50|26125.75";
    EXPECT_EQ(payAndGross, expected);

    // The totals are the template's sums, over every line; lines and totals show paise alike.
    QStringList sums;
    QSet<QString> formats;
    for (int c = 1; c < 12; ++c) {
        const QString col = kCols.at(c);
        sums << ooxml::formula(saved, col + "44");
        for (int r = 16; r <= 44; ++r)
            if (r != 43)
                formats << ooxml::numberFormat(saved, col + QString::number(r));
    }
    EXPECT_EQ(book.value(44, 1).toString() + ' ' + sums.join(' '),
              "TOTAL SUM(B16:B42) SUM(C16:C42) SUM(D16:D42) SUM(E16:E42) SUM(F16:F42) SUM(G16:G42) SUM(H16:H42)"
              " SUM(I16:I42) SUM(J16:J42) SUM(K16:K42) SUM(L16:L42)");
    EXPECT_EQ(formats, QSet<QString>{"0.00"});

    // As LibreOffice computes and shows them.
    if (!testsupport::hasLibreOffice())
        GTEST_SKIP() << "LibreOffice is not installed";
    QTemporaryDir out;
    QFile csv(testsupport::convertedByLibreOffice(saved, testsupport::kShownCsv, out));
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    const QStringList shown = QString::fromUtf8(csv.readAll()).split('\n');
    EXPECT_EQ((QStringList{shown.value(39 - 1), shown.value(44 - 1)}),
              (QStringList{"Feb-14,10500.50,4200.00,14700.50,9450.00,1575.00,300.00,26125.75,2000.00,60.00,150.00,"
                           "1250.50",
                           "TOTAL,246512.25,100800.00,347312.25,221850.20,36975.05,7200.00,618240.50,48000.00,"
                           "1440.00,3600.00,30012.00"}));
}

// Two years of D401's month-end bills stored by an earlier build with thirds of a rupee: a festival-advance
// instalment of 333.3333 and a loan instalment of 1333.3333 each month.
//   gross 20000 + 5000 - 333.3333 = 24666.6667, printed 24666.67; net stored 23333.3334, printed as the printed
//   gross less the printed loan, 24666.67 - 1333.33 = 23333.34 (as the bank was asked to credit it)
// Each total is the sum of its 24 printed lines: F.A. 24 x 333.33 = 7999.92, loan 24 x 1333.33 = 31999.92,
// gross 24 x 24666.67 = 592000.08, net 24 x 23333.34 = 560000.16 (the stored figures add to 8000.00, 32000.00,
// 592000.00 and 560000.00). The income-tax sheet's 24 lines fill rows 16 to 39, totalled in row 41:
// pay 480000, pay + g.pay 480000, D.A. 120000, gross 592000.08.
TEST_F(Office, StatementsOfRowsWithThirdsTotalTheFiguresTheyPrint)
{
    addEmployees({"D401"});
    for (int m = 0; m < 24; ++m) {
        const QDate month = QDate(2012, 4, 1).addMonths(m);
        addRows({{"D401", monthEnd(month.year(), month.month()), 20000, 0, 333.3333, 5000, 0, 0, 0, 24666.6667, 0,
                  1333.3333, 0, 0, 0, 0, 23333.3334}});
    }
    const QDate from(2012, 4, 1), to(2014, 3, 31);
    payslip::DataReport11 statement;
    statement.fill(salaryDb(), "D401", from, to);
    const auto m = statement.layout();
    QStringList lines; // each column's distinct line figures
    for (int i : {4, 9, 11, 16}) {
        const QStringList texts = m.texts(QString("Text%1").arg(i));
        lines << QString::number(texts.size()) + ' ' + QStringList(QSet<QString>(texts.begin(), texts.end()).values()).join('|');
    }
    EXPECT_EQ(lines, (QStringList{"24 333.33", "24 24666.67", "24 1333.33", "24 23333.34"}));
    const QStringList totals = fifteen(m, "Function");
    EXPECT_EQ((QStringList{totals[2], totals[7], totals[9], totals[14]}),
              (QStringList{"7999.92", "592000.08", "31999.92", "560000.16"}));

    const QString saved = payslip::incomeTaxWorkbook(payslip::incomeTaxCells(salaryDb(), "D401", from, to)).save();
    const auto book = office::Workbook::open(saved);
    EXPECT_EQ(line(book, 39), "Mar-14,20000.00,0.00,20000.00,5000.00,0.00,0.00,24666.67,0.00,0.00,0.00,0.00");
    EXPECT_EQ(book.value(16, 8).toDouble(), 24666.67); // the figure itself, not one that shows so

    if (!testsupport::hasLibreOffice())
        GTEST_SKIP() << "LibreOffice is not installed";
    QTemporaryDir out;
    QFile csv(testsupport::convertedByLibreOffice(saved, testsupport::kShownCsv, out));
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(csv.readAll()).split('\n').value(41 - 1),
              "TOTAL,480000.00,0.00,480000.00,120000.00,0.00,0.00,592000.08,0.00,0.00,0.00,0.00");
}
