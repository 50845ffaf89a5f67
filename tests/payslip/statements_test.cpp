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

// The report drawn from these is checked, with paise, in the March-bill test.
TEST_F(Statements, PeriodTotalsAndIncomeTaxCellsInBillDateOrder)
{
    makeYear();
    const QDate from(2012, 4, 1), to(2013, 3, 31);
    // Hand totals: pay 34000, grade pay 7200, less F.A. 750, D.A. 30050, H.R.A. 5100,
    // M.A. 900, O.A. 0, gross 76500, subscription 6000, loan 1500, I.F. 90, S.F. 90,
    // P. tax 450, misc 2290, net 66080.
    const std::array<double, 15> expected{34000, 7200, 750, 30050, 5100, 900, 0, 76500,
                                          6000,  1500, 90,  90,    450,  2290, 66080};
    EXPECT_EQ(payslip::statementTotals(salaryDb(), QStringLiteral("A101"), from, to), expected);

    const auto cells = payslip::incomeTaxCells(salaryDb(), QStringLiteral("A101"), from, to);
    auto at = [&](int row, int col) {
        for (const auto& c : cells)
            if (c.row == row && c.col == col)
                return c.value.toString();
        return QStringLiteral("none");
    };
    // The month rows, then row 18, the March 2013 bill: pay, grade pay, (the template's own
    // column 4), D.A., H.R.A., M.A., (column 8), subscription, I.F. + S.F. = 30 + 30, P. tax, income tax.
    QStringList written;
    for (int r = 16; r <= 19; ++r)
        written << at(r, 1);
    for (int c = 2; c <= 12; ++c)
        written << at(18, c);
    EXPECT_EQ(written, (QStringList{"Mar-12", "May-12", "Mar-13", "none", "12000", "2400", "none", "10800", "1800",
                                    "300", "none", "2000", "60", "150", "1290"}));

    // A removed employee has no particulars; a period with no row has nothing to write.
    EXPECT_THROW(payslip::incomeTaxCells(salaryDb(), QStringLiteral("R900"), from, to), vb::Error);
    EXPECT_THROW(payslip::incomeTaxCells(salaryDb(), QStringLiteral("A101"), QDate(2015, 4, 1), QDate(2016, 3, 31)),
                 vb::Error);
}
