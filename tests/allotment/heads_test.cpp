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

    // Each head and the columns it opens: the object heads alike under every plan, then head 50 and odd codes.
    std::vector<std::pair<QString, QVector<Column>>> opens{{code("NP", "50"), {Oc}}, {code("SP", "50"), {Scheme}},
        {code("PL", "50"), {}}, {code("np", "50"), {}}, {"2202-00-109-NP-00001", {}}, {code("NP", "01") + "5", {Scheme}}};
    for (const char* plan : {"NP", "SP", "PL"})
        for (const auto& [object, columns] : {std::pair{"01", QVector<Column>{Pay, DPay, Da, Hra, Ma, Bonus}},
                 {"02", {Wages}}, {"11", {Ta}}, {"13", {Elec, Tele, Misc, Oe}}, {"31", {Scheme}}})
            opens.push_back({code(plan, object), columns});
    for (const auto& [head, columns] : opens)
        EXPECT_EQ(columnsOpened(head), columns) << head.toStdString();
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
