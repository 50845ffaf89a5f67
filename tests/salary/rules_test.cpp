#include "salary/rules.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace salary;

TEST(SalaryRules, AllowancesInWholeRupeesHraCappedUnlessFixedMaOnlyForNonMembers)
{
    // 14400 x 45 % = 6480; 1001 x 50 % = 500.5 goes up; 3871 x 40 % = 1548.4; below half a rupee 0, never -0.
    EXPECT_EQ((QList<double>{dearnessAllowance(12000, 2400, 45), dearnessAllowance(1001, 0, 50),
                             dearnessAllowance(3226, 645, 40), dearnessAllowance(0, 0, 40), dearnessAllowance(1, 0, 40)}),
              (QList<double>{6480, 501, 1548, 0, 0}));
    EXPECT_FALSE(std::signbit(dearnessAllowance(-0.4, 0, 100)));

    // 30000 x 20 % = 6000 stays, 30005 x 20 % is capped; 6000.4 rounds to 6000 first, 6000.5 to 6001 and is capped.
    // FIXED pays the employee's own amount, neither capped nor rounded; "fixed" is paid by rate.
    EXPECT_EQ((QList<double>{houseRentAllowance("", 0, 25000, 5000, 20), houseRentAllowance("", 0, 25005, 5000, 20),
                             houseRentAllowance("BY RATE", 0, 20000, 2000, 20), houseRentAllowance("", 0, 30002, 0, 20),
                             houseRentAllowance("", 0, 30002.5, 0, 20), houseRentAllowance("", 0, 29000, 0, 20),
                             houseRentAllowance("FIXED", 8000, 25000, 5000, 20),
                             houseRentAllowance("FIXED", 1234.4, 25000, 5000, 20),
                             houseRentAllowance("fixed", 8000, 10000, 0, 10), houseRentAllowanceByRate(25005, 5000, 20)}),
              (QList<double>{6000, 6000, 4400, 6000, 6000, 5800, 8000, 1234.4, 1000, 6001})); // by rate: no cap

    EXPECT_EQ((QList<double>{medicalAllowance("YES", 300), medicalAllowance("yes", 300), medicalAllowance("NO", 300),
                             medicalAllowance("", 300)}),
              (QList<double>{0, 300, 300, 300}));
}

TEST(SalaryRules, InstalmentsAndLedgerAdvance)
{
    EXPECT_DOUBLE_EQ(instalment(1000, 3), 333.3333333333333);
    const LedgerState after = advanceLedger({1000, 200, 3}, 1000.0 / 3);
    EXPECT_DOUBLE_EQ(after.due, 666.6666666666667);
    EXPECT_DOUBLE_EQ(after.recovered, 533.3333333333333);
    EXPECT_EQ(after.instalmentsLeft, 2);
    // A negative due is divided as it stands; paid off gives 0; due with no
    // instalments left is recovered whole, and the count stays at 0.
    EXPECT_EQ((QList<double>{instalment(-300, 3), instalment(0, 4), instalment(500, 0), instalment(500, -2)}),
              (QList<double>{-100, 0, 500, 500}));
    const LedgerState cleared = advanceLedger({500, 1500, 0}, 500);
    EXPECT_EQ((QList<double>{cleared.due, cleared.recovered, cleared.instalmentsLeft}), (QList<double>{0, 2000, 0}));
}

TEST(SalaryRules, GrossTaxDeductionAndNet)
{
    EXPECT_EQ(gross(20000, 4200, 10890, 4840, 300, 100, 500), 39830);
    // 9000 less a third of 1000 is 8666.67: slab above 8000. 1500.33 is above
    // 1500 although its whole rupees are not.
    const double g = gross(9000, 0, 0, 0, 0, 0, 1000.0 / 3);
    EXPECT_DOUBLE_EQ(g, 8666.666666666666);
    EXPECT_EQ(professionalTax(g), 90);
    EXPECT_EQ(professionalTax(gross(1501, 0, 0, 0, 0, 0, 2.0 / 3)), 18);

    struct Edge { double at, taxAt, taxAbove; };
    for (const Edge& e : {Edge{40000, 150, 200}, {25000, 130, 150}, {15000, 110, 130}, {9000, 90, 110}, {8000, 50, 90},
                          {7000, 45, 50}, {6000, 40, 45}, {5000, 30, 40}, {3000, 25, 30}, {2000, 18, 25}, {1500, 0, 18},
                          {-50, 0, 0}})
        EXPECT_EQ((QList<double>{professionalTax(e.at), professionalTax(e.at + 0.01), professionalTax(e.at + 1)}),
                  (QList<double>{e.taxAt, e.taxAbove, e.taxAbove})) << e.at;

    // misc counts once; its break-up is not part of the sum.
    EXPECT_EQ(totalDeduction(2000, 333.5, 30, 60, 150, 175), 2748.5);
    EXPECT_EQ(net(39830, 2748.5), 37081.5);
}

TEST(SalaryRules, ProrationCountsBothEndsOverTheFromMonth)
{
    EXPECT_EQ((QList<int>{prorationDays(QDate(2012, 3, 1), QDate(2012, 3, 31)), prorationDays(QDate(2012, 3, 1), QDate(2012, 3, 14)),
                          prorationDays(QDate(2012, 1, 20), QDate(2012, 2, 10)), prorationDays(QDate(2012, 2, 10), QDate(2012, 2, 29))}),
              (QList<int>{31, 14, 22, 20}));
    // 2000 is a leap year, 2100 is not.
    QList<int> lengths;
    for (const QDate& d : {QDate(2012, 1, 20), QDate(2012, 4, 1), QDate(2012, 2, 10), QDate(2013, 2, 10), QDate(2000, 2, 1), QDate(2100, 2, 1)})
        lengths << prorationMonthLength(d);
    EXPECT_EQ(lengths, (QList<int>{31, 30, 29, 28, 29, 28}));
    // A period running into the next month is paid at the from-month's rate (3100 / 31 x 22).
    EXPECT_EQ((QList<double>{prorate(31000, 31, 14), prorate(31000, 31, 17), prorate(29000, 29, 15), prorate(10000, 31, 10),
                             prorate(2000, 31, 10), prorate(300, 30, 10), prorate(1, 31, 10), prorate(3100, 31, 22)}),
              (QList<double>{14000, 17000, 15000, 3226, 645, 100, 0, 2200}));
}
