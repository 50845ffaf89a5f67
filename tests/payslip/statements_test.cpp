#include "payslip/pay_reports.h"
#include "payslip/statements.h"
#include "payslip_fixture.h"
#include "platform/vb/error.h"

using namespace slipstest;

namespace {

using Statements = Office;

// A101 over the financial year 2012-13 and around it. Each row: pay, grade
// pay, less F.A., D.A., H.R.A., M.A., O.A., gross; then subscription, loan,
// I.F., S.F., P. tax, misc, net, and income tax.
void makeYear()
{
    // Outside the period, before and after.
    addRow({QStringLiteral("A101"), QDate(2012, 3, 31), 1, 1, 0, 1, 1, 1, 1, 6, 0, 0, 0, 0, 0, 0, 6});
    addRow({QStringLiteral("A101"), QDate(2013, 4, 1), 1, 1, 0, 1, 1, 1, 1, 6, 0, 0, 0, 0, 0, 0, 6});
    // Prepared out of order: May before the 1 April bill (March's pay).
    // May: 11000+2400+0+9900+1650+300+0 = 25250; 25250-(2000+0+30+30+150+1000) = 22040
    addRow({QStringLiteral("A101"), QDate(2012, 5, 31), 11000, 2400, 0, 9900, 1650, 300, 0, 25250, 2000, 0, 30, 30,
            150, 1000, 22040, 1000});
    // 1 April 2012: 11000+2400+9350+1650+300+0 = 24700, less F.A. 250 = 24450;
    // 24450-(2000+500+30+30+150+0) = 21740
    addRow({QStringLiteral("A101"), QDate(2012, 4, 1), 11000, 2400, 250, 9350, 1650, 300, 0, 24450, 2000, 500, 30,
            30, 150, 0, 21740});
    makeMarchBill(); // A101 on 31 March 2013, the period's last day
}

} // namespace

TEST_F(Statements, PeriodLinesInBillDateOrderWithFifteenTotals)
{
    makeYear();
    const QDate from(2012, 4, 1), to(2013, 3, 31);
    payslip::DataReport11 report;
    report.fill(salaryDb(), QStringLiteral("A101"), from, to);
    const auto model = report.layout();
    EXPECT_TRUE(model.landscape);
    EXPECT_EQ(model.texts(QStringLiteral("Text1")), (QStringList{"Mar-12", "May-12", "Mar-13"}));
    EXPECT_EQ(model.texts(QStringLiteral("Text9")), (QStringList{"24450", "25250", "26800"})); // gross
    EXPECT_EQ(model.texts(QStringLiteral("Text16")), (QStringList{"21740", "22040", "22300"})); // net

    // Hand totals: pay 34000, grade pay 7200, less F.A. 750, D.A. 30050, H.R.A. 5100,
    // M.A. 900, O.A. 0, gross 76500, subscription 6000, loan 1500, I.F. 90, S.F. 90,
    // P. tax 450, misc 2290, net 66080.
    const std::array<double, 15> expected{34000, 7200, 750, 30050, 5100, 900, 0, 76500,
                                          6000,  1500, 90,  90,    450,  2290, 66080};
    EXPECT_EQ(payslip::statementTotals(salaryDb(), QStringLiteral("A101"), from, to), expected);
    for (int i = 0; i < 15; ++i)
        EXPECT_EQ(model.texts(QStringLiteral("Function%1").arg(i + 1)), QStringList{vb::cstr(expected[i])}) << i;
    EXPECT_EQ(model.texts(QStringLiteral("Label31")).value(0), QStringLiteral("Pay Statement of Sri/Smt"));
}

TEST_F(Statements, IncomeTaxCellsOfThePeriod)
{
    makeYear();
    const auto cells = payslip::incomeTaxCells(salaryDb(), QStringLiteral("A101"), QDate(2012, 4, 1),
                                               QDate(2013, 3, 31));
    auto at = [&](int row, int col) {
        for (const auto& c : cells)
            if (c.row == row && c.col == col)
                return c.value;
        return QVariant();
    };
    EXPECT_EQ(at(5, 4), QVariant(QStringLiteral("NAME A101")));
    EXPECT_EQ(at(8, 8), QVariant(QStringLiteral("CLERK")));
    EXPECT_EQ(at(9, 3), QVariant(QStringLiteral("PANA101")));
    EXPECT_EQ(at(16, 1), QVariant(QStringLiteral("Mar-12")));
    EXPECT_EQ(at(17, 1), QVariant(QStringLiteral("May-12")));
    EXPECT_EQ(at(18, 1), QVariant(QStringLiteral("Mar-13")));
    EXPECT_FALSE(at(19, 1).isValid());
    // Row 18, the March 2013 bill: pay, grade pay, D.A., H.R.A., M.A., subscription,
    // I.F. + S.F. = 30 + 30, P. tax, income tax.
    const int cols[] = {2, 3, 5, 6, 7, 9, 10, 11, 12};
    const double values[] = {12000, 2400, 10800, 1800, 300, 2000, 60, 150, 1290};
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(at(18, cols[i]).toDouble(), values[i]) << cols[i];
    EXPECT_FALSE(at(18, 4).isValid()); // the template's own columns
    EXPECT_FALSE(at(18, 8).isValid());

    // A removed employee has no particulars; a period with no row has nothing to write.
    EXPECT_THROW(payslip::incomeTaxCells(salaryDb(), QStringLiteral("R900"), QDate(2012, 4, 1), QDate(2013, 3, 31)),
                 vb::Error);
    EXPECT_THROW(payslip::incomeTaxCells(salaryDb(), QStringLiteral("A101"), QDate(2015, 4, 1), QDate(2016, 3, 31)),
                 vb::Error);
}
