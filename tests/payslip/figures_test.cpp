// A loan instalment of 4000/3 and a row whose every part stands at its ceiling, on the slip and the statement:
// two decimals at most, and every figure at its own size in its own column.
//   A101 Mar-13  pay 41340, G.P.F. loan instalment 4000/3 = 1333.333..., net 41340 - 1333.333... = 40006.666...
//   A101 Apr-13  every part and deduction 9999999.99, gross and net 59999999.94 (the widest the columns meet)
#include "payslip/office_files.h"
#include "payslip/pay_reports.h"
#include "payslip/statements.h"
#include "payslip_fixture.h"
#include "platform/office/workbook.h"

using namespace slipstest;

const QDate kApril{2013, 4, 30};

TEST_F(Office, ThirdsAndCeilingsReadWithTwoDecimalsInTheirOwnColumns)
{
    const double c = 9999999.99, wide = 59999999.94;
    addRows({{"A101", kMarch, 41340, 0, 0, 0, 0, 0, 0, 41340, 0, 4000.0 / 3, 0, 0, 0, 0, 41340 - 4000.0 / 3},
             {"A101", kApril, c, c, c, c, c, c, c, wide, c, c, c, c, c, c, wide}});
    const QStringList third{"41340", "0", "0", "0", "0", "0", "0", "41340", "0", "1333.33", "0", "0", "0", "0",
                            "40006.67"};
    QStringList ceiling(15, "9999999.99");
    ceiling[7] = ceiling[14] = "59999999.94"; // gross and net
    for (const auto& [date, figures] : {std::pair{kMarch, third}, std::pair{kApril, ceiling}}) {
        payslip::DataReport7 slip;
        slip.fill(salaryDb(), date, "A101", "Office of the Block Development Officer Nadia", "DDO-7");
        EXPECT_EQ(fifteen(slip.layout(), "Amount") + testsupport::misfits(slip.layout()), figures);
    }

    payslip::DataReport11 statement;
    statement.fill(salaryDb(), "A101", kMarch.addDays(-30), kApril);
    const auto m = statement.layout();
    QStringList rows, expected;
    for (int i = 0; i < 15; ++i) {
        rows << m.texts(QString("Text%1").arg(i + 2)).join('|');
        expected << third[i] + '|' + ceiling[i];
    }
    EXPECT_EQ(rows, expected);
    EXPECT_EQ(fifteen(m, "Function").mid(7),
              (QStringList{"60041339.94", "9999999.99", "10001333.32", "9999999.99", "9999999.99", "9999999.99",
                           "9999999.99", "60040006.61"}));
    // A year of rows at the ceilings: twelve grosses.
    EXPECT_EQ(testsupport::misfits(m, "719999999.28"), QStringList());
}

// A missing template is refused in the statement form test, with its message.
TEST_F(Office, IncomeTaxWorkbookCellsPushTheTotalRowDownAndNeedAnEmployeeAndARow)
{
    const QVector<payslip::SheetCell> cells{
        {5, 4, "NAME A101"}, {16, 1, "Mar-13"}, {16, 2, 12000.0}, {16, 10, 60.0}, {41, 1, "Mar-14"}};
    auto book = office::Workbook::open(payslip::incomeTaxWorkbook(cells).save());
    // Two rows past the template's 24 month rows push its total row down.
    EXPECT_EQ((QVariantList{book.value(5, 4), book.value(16, 2).toDouble(), book.value(16, 10).toDouble(),
                            book.value(41, 1), book.value(43, 1)}),
              (QVariantList{"NAME A101", 12000.0, 60.0, "Mar-14", "TOTAL"}));

    // The cells need the employee's particulars and a row in the period; those written, in bill-date order,
    // are read back from the workbook in the March-bill test.
    makeMarchBill();
    EXPECT_THROW(payslip::incomeTaxCells(salaryDb(), "R900", QDate(2012, 4, 1), QDate(2013, 3, 31)), vb::Error);
    EXPECT_THROW(payslip::incomeTaxCells(salaryDb(), "A101", QDate(2015, 4, 1), QDate(2016, 3, 31)), vb::Error);
}
