#include "platform/vb/amount.h"

#include <gtest/gtest.h>

using namespace vb;

TEST(Amount, ReadWholeOrRefusedByTheRule)
{
    const AmountRule pay{1e7, false};
    // A withdrawal: negative allowed, the ceiling holds either way; a blank refused.
    const AmountRule order{1e10, true, false}, plain{};
    // A figure kept in whole hundredths (a salary part) takes no finer one.
    const AmountRule paise{1e7, false, true, true};
    struct Case { const char* text; AmountFault fault; double value; const AmountRule* rule = nullptr; };
    const Case cases[] = {
        {"  1234.50 ", AmountFault::None, 1234.5},
        {"", AmountFault::None, 0},            // a blank box is nil
        {"   ", AmountFault::None, 0},
        {"1,000", AmountFault::NotANumber, 0}, // never read as 1
        {"1e3", AmountFault::NotANumber, 0},   // never read as 1 or 1000
        {"Rs 100", AmountFault::NotANumber, 0},
        {"-5", AmountFault::Negative, -5},
        {"-0", AmountFault::None, 0},
        {"9999999.99", AmountFault::None, 9999999.99},
        {"10000000", AmountFault::TooLarge, 1e7}, // one crore
        {"123456789012345", AmountFault::TooLarge, 123456789012345.0},
        {"1234567.89012345", AmountFault::None, 1234567.89012345},    // 15 significant digits
        {"1234567.890123456", AmountFault::TooManyDigits, 0},          // 16
        {"0001234567.890123450", AmountFault::None, 1234567.89012345}, // zeros that change nothing
        {"-2500.75", AmountFault::None, -2500.75, &order},
        {"-10000000000", AmountFault::TooLarge, 0, &order},
        {"9999999999.99", AmountFault::None, 9999999999.99, &order},
        {"", AmountFault::NotANumber, 0, &order},
        {"1234567890123456", AmountFault::TooManyDigits, 0, &plain},
        {"100.125", AmountFault::TooManyDecimals, 0, &paise}, // never stored as 100.13
        {"100.12500", AmountFault::None, 100.125, &order},
        {"100.1200 ", AmountFault::None, 100.12, &paise},
        {"-100.125", AmountFault::TooManyDecimals, 0, &paise},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const AmountRead r = readAmount(QString::fromLatin1(c.text), c.rule ? *c.rule : pay);
        EXPECT_EQ(r.fault, c.fault);
        if (c.fault == AmountFault::None) { EXPECT_DOUBLE_EQ(r.value, c.value); }
    }
}

TEST(Amount, WholeNumbersFromOneToTheLargestInteger)
{
    EXPECT_EQ(readWhole(" 12 "), 12);
    EXPECT_EQ(readWhole("2147483647"), 2147483647);
    for (const char* bad : {"0", "-3", "2.5", "12.0", "1e3", "1,000", "", "2147483648", "99999999999999999999"})
        EXPECT_FALSE(readWhole(QString::fromLatin1(bad)).has_value()) << bad;
}
