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

TEST(SalaryRules, InstalmentsToThePaisaClearTheLedgerExactly)
{
    // 4000 in 3: 4000 / 3 = 1333.333 -> 1333.33; 2666.67 / 2 = 1333.335 -> 1333.34
    // (half away from zero); the last is what is left, 1333.33. Likewise 1000 in 3.
    const auto walk = [](LedgerState s) {
        QList<double> out;
        for (int month = 0; month < 4; ++month) {
            const double inst = instalment(s.due, s.instalmentsLeft);
            s = advanceLedger(s, inst);
            out << inst << s.due << s.recovered << s.instalmentsLeft;
        }
        return out;
    };
    EXPECT_EQ(walk({4000, 0, 3}), (QList<double>{1333.33, 2666.67, 1333.33, 2, 1333.34, 1333.33, 2666.67, 1, 1333.33, 0, 4000, 0,
                                                 0, 0, 4000, 0}));
    EXPECT_EQ(walk({1000, 200, 3}), (QList<double>{333.33, 666.67, 533.33, 2, 333.34, 333.33, 866.67, 1, 333.33, 0, 1200, 0,
                                                   0, 0, 1200, 0}));
    // A due left unrounded by an earlier build: 666.666.. over 2 is taken as
    // 666.67 / 2, and the ledger is whole paise after the move.
    const LedgerState old = advanceLedger({2000.0 / 3, 1000.0 / 3, 2}, instalment(2000.0 / 3, 2));
    EXPECT_EQ((QList<double>{old.due, old.recovered, old.instalmentsLeft}), (QList<double>{333.33, 666.67, 1}));

    // A negative due is divided as it stands; a paid-off due (less than half a
    // paisa) gives 0; with no instalments left, a negative count or a fraction
    // of one, the whole due and never more.
    EXPECT_EQ((QList<double>{instalment(-300, 3), instalment(0, 4), instalment(0.004, 4), instalment(500, 0),
                             instalment(500, -2), instalment(500, 0.5), instalment(250.505, 1), instalment(1000, 1.5)}),
              (QList<double>{-100, 0, 0, 500, 500, 500, 250.51, 666.67}));
    EXPECT_EQ((QList<bool>{paidOff(0), paidOff(0.004), paidOff(-0.004), paidOff(0.005), paidOff(-300)}),
              (QList<bool>{true, true, true, false, false}));
    // A half paisa on an even count goes away from zero too, never to the even paisa:
    // 66665 / 2 = 33332.5 -> 333.33; 5 / 2 = 2.5 -> 0.03; -66665 / 2 -> -333.33.
    EXPECT_EQ((QList<double>{instalment(666.65, 2), instalment(0.05, 2), instalment(-666.65, 2)}),
              (QList<double>{333.33, 0.03, -333.33}));
    const LedgerState cleared = advanceLedger({500, 1500, 0}, 500);
    EXPECT_EQ((QList<double>{cleared.due, cleared.recovered, cleared.instalmentsLeft}), (QList<double>{0, 2000, 0}));
}

TEST(SalaryRules, GrossTaxDeductionAndNet)
{
    EXPECT_EQ(gross(20000, 4200, 10890, 4840, 300, 100, 500), 39830);
    // Each figure to the paisa: 9000 less 333.333 is 8666.67, slab above 8000.
    // 1501 less 0.667 is 1500.33, above 1500 although its whole rupees are not.
    const double g = gross(9000, 0, 0, 0, 0, 0, 1000.0 / 3);
    EXPECT_EQ(g, 8666.67);
    EXPECT_EQ(professionalTax(g), 90);
    EXPECT_EQ(professionalTax(gross(1501, 0, 0, 0, 0, 0, 2.0 / 3)), 18);

    struct Edge { double at, taxAt, taxAbove; };
    for (const Edge& e : {Edge{40000, 150, 200}, {25000, 130, 150}, {15000, 110, 130}, {9000, 90, 110}, {8000, 50, 90},
                          {7000, 45, 50}, {6000, 40, 45}, {5000, 30, 40}, {3000, 25, 30}, {2000, 18, 25}, {1500, 0, 18},
                          {-50, 0, 0}})
        EXPECT_EQ((QList<double>{professionalTax(e.at), professionalTax(e.at + 0.01), professionalTax(e.at + 1)}),
                  (QList<double>{e.taxAt, e.taxAbove, e.taxAbove})) << e.at;

    // misc counts once; its break-up is not part of the sum. Added in whole
    // paise: 0.1 + 0.2 is 0.3, and 40006.67 - 2573.33 is 37433.34 exactly.
    EXPECT_EQ(totalDeduction(2000, 333.5, 30, 60, 150, 175), 2748.5);
    EXPECT_EQ(totalDeduction(0.1, 0.2, 0, 0, 0, 0), 0.3);
    EXPECT_EQ(net(39830, 2748.5), 37081.5);
    EXPECT_EQ(net(40006.67, 2573.33), 37433.34);
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
