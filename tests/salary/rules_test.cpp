#include "salary/rules.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace salary;

TEST(SalaryRules, DearnessAllowanceIsWholeRupeesOfPayAndGradePay)
{
    EXPECT_EQ(dearnessAllowance(12000, 2400, 45), 6480);
    // 1001 x 50 % = 500.5: a half rupee goes up.
    EXPECT_EQ(dearnessAllowance(1001, 0, 50), 501);
    // 3871 x 40 % = 1548.4
    EXPECT_EQ(dearnessAllowance(3226, 645, 40), 1548);
    // Below half a rupee the text is empty; the stored value is 0, never -0.
    EXPECT_EQ(dearnessAllowance(0, 0, 40), 0);
    EXPECT_FALSE(std::signbit(dearnessAllowance(-0.4, 0, 100)));
    EXPECT_EQ(dearnessAllowance(1, 0, 40), 0);
}

TEST(SalaryRules, HouseRentAllowanceFixedTypeAndCap)
{
    // 30000 x 20 % = 6000 stays; 30005 x 20 % = 6001 is capped.
    EXPECT_EQ(houseRentAllowance("", 0, 25000, 5000, 20), 6000);
    EXPECT_EQ(houseRentAllowance("", 0, 25005, 5000, 20), 6000);
    EXPECT_EQ(houseRentAllowance("BY RATE", 0, 20000, 2000, 20), 4400);
    // 6000.4 rounds to 6000 before the cap; 6000.5 rounds to 6001 and is capped.
    EXPECT_EQ(houseRentAllowance("", 0, 30002, 0, 20), 6000);
    EXPECT_EQ(houseRentAllowance("", 0, 30002.5, 0, 20), 6000);
    EXPECT_EQ(houseRentAllowance("", 0, 29000, 0, 20), 5800);
    // FIXED pays the employee's own amount: not capped, not rounded.
    EXPECT_EQ(houseRentAllowance("FIXED", 8000, 25000, 5000, 20), 8000);
    EXPECT_EQ(houseRentAllowance("FIXED", 1234.4, 25000, 5000, 20), 1234.4);
    // The type test is exact: "fixed" is paid by rate.
    EXPECT_EQ(houseRentAllowance("fixed", 8000, 10000, 0, 10), 1000);
    // By rate (irregular bills): no cap.
    EXPECT_EQ(houseRentAllowanceByRate(25005, 5000, 20), 6001);
}

TEST(SalaryRules, MedicalAllowanceOnlyExactYesIsSchemeMember)
{
    EXPECT_EQ(medicalAllowance("YES", 300), 0);
    EXPECT_EQ(medicalAllowance("yes", 300), 300);
    EXPECT_EQ(medicalAllowance("NO", 300), 300);
    EXPECT_EQ(medicalAllowance("", 300), 300);
}

TEST(SalaryRules, InstalmentsAndLedgerAdvance)
{
    const double third = 1000.0 / 3;
    EXPECT_DOUBLE_EQ(instalment(1000, 3), 333.3333333333333);
    const LedgerState after = advanceLedger({1000, 200, 3}, third);
    EXPECT_DOUBLE_EQ(after.due, 666.6666666666667);
    EXPECT_DOUBLE_EQ(after.recovered, 533.3333333333333);
    EXPECT_EQ(after.instalmentsLeft, 2);

    // A negative due is divided as it stands.
    EXPECT_EQ(instalment(-300, 3), -100);
    // Paid off.
    EXPECT_EQ(instalment(0, 4), 0);
    // Due but no instalments left: the whole due is recovered, and the
    // count of instalments does not go below 0.
    EXPECT_EQ(instalment(500, 0), 500);
    EXPECT_EQ(instalment(500, -2), 500);
    const LedgerState cleared = advanceLedger({500, 1500, 0}, 500);
    EXPECT_EQ(cleared.due, 0);
    EXPECT_EQ(cleared.recovered, 2000);
    EXPECT_EQ(cleared.instalmentsLeft, 0);
}

TEST(SalaryRules, GrossTakesFestivalAdvanceAndTaxComparesUnroundedGross)
{
    EXPECT_EQ(gross(20000, 4200, 10890, 4840, 300, 100, 500), 39830);
    // A gross of 9000 less a third of 1000 is 8666.67: slab above 8000.
    const double g = gross(9000, 0, 0, 0, 0, 0, 1000.0 / 3);
    EXPECT_DOUBLE_EQ(g, 8666.666666666666);
    EXPECT_EQ(professionalTax(g), 90);
    // 1500.33 is above 1500 although its whole rupees are not.
    EXPECT_EQ(professionalTax(gross(1501, 0, 0, 0, 0, 0, 2.0 / 3)), 18);

    struct Edge { double at; double taxAt; double taxAbove; };
    const Edge edges[] = {
        {40000, 150, 200}, {25000, 130, 150}, {15000, 110, 130}, {9000, 90, 110},
        {8000, 50, 90},    {7000, 45, 50},    {6000, 40, 45},    {5000, 30, 40},
        {3000, 25, 30},    {2000, 18, 25},    {1500, 0, 18},
    };
    for (const Edge& e : edges) {
        EXPECT_EQ(professionalTax(e.at), e.taxAt) << e.at;
        EXPECT_EQ(professionalTax(e.at + 0.01), e.taxAbove) << e.at;
        EXPECT_EQ(professionalTax(e.at + 1), e.taxAbove) << e.at;
    }
    EXPECT_EQ(professionalTax(0), 0);
    EXPECT_EQ(professionalTax(-50), 0);
}

TEST(SalaryRules, DeductionAndNet)
{
    // misc counts once; its break-up is not part of the sum.
    EXPECT_EQ(totalDeduction(2000, 333.5, 30, 60, 150, 175), 2748.5);
    EXPECT_EQ(net(39830, 2748.5), 37081.5);
}

TEST(SalaryRules, PayMonthBooksFirstOfAprilToMarch)
{
    EXPECT_EQ(payMonth(QDate(2012, 4, 1)), "Mar-12");
    EXPECT_EQ(payMonth(QDate(2012, 4, 2)), "Apr-12");
    EXPECT_EQ(payMonth(QDate(2012, 3, 31)), "Mar-12");
    EXPECT_EQ(payMonth(QDate(2012, 3, 1)), "Mar-12");
    EXPECT_EQ(payMonth(QDate(2026, 12, 6)), "Dec-26");
}

TEST(SalaryRules, ProrationCountsBothEndsOverTheFromMonth)
{
    EXPECT_EQ(prorationDays(QDate(2012, 3, 1), QDate(2012, 3, 31)), 31);
    EXPECT_EQ(prorationDays(QDate(2012, 3, 1), QDate(2012, 3, 14)), 14);
    EXPECT_EQ(prorationDays(QDate(2012, 1, 20), QDate(2012, 2, 10)), 22);
    EXPECT_EQ(prorationDays(QDate(2012, 2, 10), QDate(2012, 2, 29)), 20);

    EXPECT_EQ(prorationMonthLength(QDate(2012, 1, 20)), 31);
    EXPECT_EQ(prorationMonthLength(QDate(2012, 4, 1)), 30);
    EXPECT_EQ(prorationMonthLength(QDate(2012, 2, 10)), 29);
    EXPECT_EQ(prorationMonthLength(QDate(2013, 2, 10)), 28);
    // Gregorian century years: 2000 is a leap year, 2100 is not.
    EXPECT_EQ(prorationMonthLength(QDate(2000, 2, 1)), 29);
    EXPECT_EQ(prorationMonthLength(QDate(2100, 2, 1)), 28);

    EXPECT_EQ(prorate(31000, 31, 14), 14000);
    EXPECT_EQ(prorate(31000, 31, 17), 17000);
    EXPECT_EQ(prorate(29000, 29, 15), 15000);
    EXPECT_EQ(prorate(10000, 31, 10), 3226);
    EXPECT_EQ(prorate(2000, 31, 10), 645);
    EXPECT_EQ(prorate(300, 30, 10), 100);
    EXPECT_EQ(prorate(1, 31, 10), 0);
    // A period running into the next month is paid at the from-month's rate.
    EXPECT_EQ(prorate(3100, 31, 22), 2200);
}
