// A loan instalment of 4000/3 and a row whose every part stands at its ceiling, on the slip and the statement:
// two decimals at most, and every figure at its own size in its own column.
//   A101 Mar-13  pay 41340, G.P.F. loan instalment 4000/3 = 1333.333..., net 41340 - 1333.333... = 40006.666...
//   A101 Apr-13  every part and deduction 9999999.99, gross and net 59999999.94 (the widest the columns meet)
#include "payslip/pay_reports.h"
#include "payslip_fixture.h"
#include "support/report_texts.h"

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
