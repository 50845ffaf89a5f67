#include "platform/vb/convert.h"
#include "support/first_row.h"

#include <gtest/gtest.h>

using namespace vb;

TEST(Convert, NumbersAreReadWholeOrRefused)
{
    struct Case { const char* text; bool numeric; double value; };
    const Case cases[] = {
        {"1234", true, 1234}, {"  12.50 ", true, 12.5}, {"-7", true, -7}, {"+3", true, 3},
        {".5", true, 0.5},    {"5.", true, 5},          {"1,000", false, 1}, {"1e3", false, 1},
        {"Rs 100", false, 0}, {"", false, 0},           {"   ", false, 0},   {"12 34", false, 12},
        {"1.2.3", false, 1.2}, {"-", false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(isNumeric(QString::fromLatin1(c.text)), c.numeric);
        EXPECT_DOUBLE_EQ(val(QString::fromLatin1(c.text)), c.value);
        if (c.numeric)
            EXPECT_DOUBLE_EQ(cdbl(QString::fromLatin1(c.text)), c.value);
        else
            EXPECT_THROW(cdbl(QString::fromLatin1(c.text)), Error);
    }
    EXPECT_EQ(testsupport::errorOf([] { cdbl(QVariant()); }).number, InvalidUseOfNull);
}

TEST(Convert, DatesAreDayFirstAndCalendarCheckedWithYearsFrom1930To2099)
{
    const std::pair<const char*, QDate> read[] = {
        {"01/04/2012", QDate(2012, 4, 1)}, {"1-4-12", QDate(2012, 4, 1)}, {"31.03.2012", QDate(2012, 3, 31)},
        {"05-Mar-29", QDate(2029, 3, 5)},  {"05-Mar-30", QDate(1930, 3, 5)}, // the two-digit rule
        {"2012-04-01", QDate(2012, 4, 1)}, {"29/02/2000", QDate(2000, 2, 29)}, {"01/01/1930", QDate(1930, 1, 1)},
        {"31/12/2099", QDate(2099, 12, 31)}};
    for (const auto& [text, date] : read)
        EXPECT_EQ(parseDate(QString::fromLatin1(text)), date) << text;
    // No month-first fallback, no mixed separators, real calendars, 1930 to 2099.
    for (const char* bad : {"31/02/2012", "29/02/2100", "13/13/2012", "12/31/2012", "01/04-2012", "", "31/12/1929",
                            "01/01/2100", "01/04/0212", "01/04/20121", "01-Apr-2100"})
        EXPECT_FALSE(isDate(QString::fromLatin1(bad))) << bad;
    EXPECT_THROW(cdate("31/02/2012"), Error);
}

TEST(Convert, FormatsRoundHalfAwayAndLeaveZeroEmpty)
{
    EXPECT_EQ((QStringList{format(0.0, "###"), format(0.4, "###"), format(0.5, "###"), format(1234.5, "###"),
                           format(-2.5, "###"), format(2.675, "0.00"), format(0.0, "0.00"), format(0.5, "#.00"),
                           format(7.0, "##0.00"), format(1234567.0, "#,##0"), cstr(1234.0), cstr(0.1 + 0.2),
                           cstr(-3.25), cstr(1e16)}),
              (QStringList{"", "", "1", "1235", "-3", "2.68", "0.00", ".50", "7.00", "1,234,567", "1234", "0.3",
                           "-3.25", "10000000000000000"}));
    // Report figures: two decimals at most, half away from zero; other text as it is.
    EXPECT_EQ((QStringList{figure(4000.0 / 3), figure(120020.0 / 3), figure(-0.125), figure(37250.5), figure(1200.0),
                           figure(QString("40006.6666666667")), figure(QString(" 2.675 ")), figure(QString("1.5")),
                           figure(QString("1,234.5678")), figure(QString("DDO-7"))}),
              (QStringList{"1333.33", "40006.67", "-0.13", "37250.5", "1200", "40006.67", "2.68", "1.5",
                           "1,234.5678", "DDO-7"}));
    EXPECT_EQ(mediumDate(QDate(2012, 3, 1)), "01-Mar-12");
    EXPECT_EQ(shortDate(QDate(2012, 3, 1)), "01/03/2012");
    EXPECT_EQ(format(QDate(2012, 3, 1), "mm/dd/yy"), "03/01/12");
}
