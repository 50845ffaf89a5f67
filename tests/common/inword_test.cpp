#include "common/inword.h"
#include "common/pay_month.h"

#include <gtest/gtest.h>

using namespace common;

TEST(Inword, TableOfAmounts)
{
    struct Case { double amount; const char* shortForm; const char* longForm; };
    const Case cases[] = {
        {0, "() Only", "() Only"},
        {15, "(Fifteen) Only", "(Fifteen) Only"},
        {40, "(Forty) Only", "(Forty) Only"},
        {200, "(Two Hundred ) Only", "(Two Hundred ) Only"},
        {1005, "(One Thousand Five) Only", "(One Thousand Five) Only"},
        {205010, "(Two Lakh Five Thousand Ten) Only", "(Two Lakh Five Thousand Ten) Only"},
        {250.50, "(Two Hundred FiftyAndFifty) Only", "(Two Hundred Fifty AndFifty) Only"},
        {300.05, "(Three Hundred AndFive) Only", "(Three Hundred  AndFive) Only"},
        {0.75, "(AndSeventyFive) Only", "( AndSeventyFive) Only"},
        {123456.78, "(One Lakh TwentyThree Thousand Four Hundred FiftySixAndSeventyEight) Only", nullptr},
        {1999.75, "(One Thousand Nine Hundred NinetyNineAndSeventyFive) Only", nullptr},
        {12345678.50, nullptr, "(One Crore TwentyThree Lakh FortyFive Thousand Six Hundred SeventyEight AndFifty) Only"},
        {100000, "(One Lakh ) Only", "(One Lakh ) Only"},
        {99999.996, "(One Lakh ) Only", "(One Lakh ) Only"},
        {0.125, "(AndTwelve) Only", nullptr},
        {0.375, "(AndThirtyEight) Only", nullptr},
        {10000000, "(One Crore ) Only", "(One Crore ) Only"},
        {1910, "(One Thousand Nine Hundred Ten) Only", nullptr},
        {90, "(Ninety) Only", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.amount);
        if (c.shortForm) {
            EXPECT_EQ(inwordShort(c.amount), QString::fromLatin1(c.shortForm));
        }
        if (c.longForm) {
            EXPECT_EQ(inwordLong(c.amount), QString::fromLatin1(c.longForm));
        }
    }
}

TEST(Inword, LargeAmountsDoNotOverflow)
{
    // Past what 32-bit paise could hold: 50 crore and a few paise.
    EXPECT_EQ(inwordLong(500000000.07), "(Fifty Crore  AndSeven) Only");
    EXPECT_EQ(inwordShort(123456789012.0),
              "(Twelve Thousand Three Hundred FortyFive Crore SixtySeven Lakh EightyNine Thousand Twelve) Only");
}

TEST(PayMonth, FirstOfAprilIsBookedToMarch)
{
    EXPECT_EQ(payMonth(QDate(2012, 4, 1)), "Mar-12");
    EXPECT_EQ(payMonth(QDate(2012, 3, 31)), "Mar-12");
    EXPECT_EQ(payMonth(QDate(2012, 4, 2)), "Apr-12");
    EXPECT_EQ(payMonth(QDate(2013, 1, 1)), "Jan-13");
    EXPECT_EQ(financialYearStart(QDate(2012, 3, 31)), QDate(2011, 4, 1));
    EXPECT_EQ(financialYearStart(QDate(2012, 4, 1)), QDate(2012, 4, 1));
    EXPECT_EQ(financialYearStart(QDate(2012, 2, 29)), QDate(2011, 4, 1));
    EXPECT_EQ(financialYearStart(QDate(2012, 12, 31)), QDate(2012, 4, 1));
}
