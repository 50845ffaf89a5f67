#include "allotment/heads.h"

#include "register_rows.h"

#include <gtest/gtest.h>

using namespace allotment;
using allotmenttest::code;

TEST(Heads, DrawalCodePlacesAndTheColumnsEachHeadOpens)
{
    const QString c = code("NP", "13");
    ASSERT_EQ(c.size(), 23);
    EXPECT_EQ(planLetters(c) + objectHead(c) + entryObjectHead(c), "NP1313");
    EXPECT_EQ(planLetters("2202-00-109-N") + objectHead("2202-00-109-NP-00001-0"), "N0");
    EXPECT_EQ(objectHead(c + "7") + " " + entryObjectHead(c + "7"), "13 137");
    // A salary head ends in "01", whatever its characters 22-23.
    EXPECT_TRUE(isSalaryHead(code("NP", "31") + "01"));
    EXPECT_FALSE(isSalaryHead(code("NP", "01") + "X"));
    EXPECT_FALSE(isPayHead(code("NP", "31") + "01"));

    for (const char* plan : {"NP", "SP", "PL"}) {
        EXPECT_EQ(columnsOpened(code(plan, "01")), (QVector<Column>{Pay, DPay, Da, Hra, Ma, Bonus})) << plan;
        EXPECT_EQ(columnsOpened(code(plan, "02")), QVector<Column>{Wages}) << plan;
        EXPECT_EQ(columnsOpened(code(plan, "11")), QVector<Column>{Ta}) << plan;
        EXPECT_EQ(columnsOpened(code(plan, "13")), (QVector<Column>{Elec, Tele, Misc, Oe})) << plan;
        EXPECT_EQ(columnsOpened(code(plan, "31")), QVector<Column>{Scheme}) << plan;
    }
    EXPECT_EQ(columnsOpened(code("NP", "50")), QVector<Column>{Oc});
    EXPECT_EQ(columnsOpened(code("SP", "50")), QVector<Column>{Scheme});
    EXPECT_TRUE(columnsOpened(code("PL", "50")).isEmpty());
    EXPECT_TRUE(columnsOpened(code("np", "50")).isEmpty());
    EXPECT_TRUE(columnsOpened("2202-00-109-NP-00001").isEmpty());
    EXPECT_EQ(columnsOpened(code("NP", "01") + "5"), QVector<Column>{Scheme});
    for (int i = 0; i < ColumnCount; ++i)
        EXPECT_EQ(kAmountColumns[i].column, i);
}

TEST(Heads, MarchPayBillGoesUnderFirstAprilOfItsOwnYear)
{
    const QString pay = code("NP", "01");
    EXPECT_EQ(registerDate(pay, QDate(2013, 3, 15)), QDate(2013, 4, 1));
    EXPECT_EQ(registerDate(pay, QDate(2012, 3, 31)), QDate(2012, 4, 1));
    EXPECT_EQ(registerDate(pay, QDate(2013, 4, 1)), QDate(2013, 4, 1));
    EXPECT_EQ(registerDate(pay, QDate(2012, 6, 30)), QDate(2012, 6, 30));
    EXPECT_EQ(registerDate(code("NP", "02"), QDate(2013, 3, 20)), QDate(2013, 3, 20));
    EXPECT_EQ(registerDate(pay + "9", QDate(2013, 3, 20)), QDate(2013, 3, 20));
}
