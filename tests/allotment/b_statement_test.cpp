#include "allotment/b_statement.h"

#include "register_rows.h"
#include "platform/data/database.h"
#include "platform/vb/convert.h"
#include "support/temp_data_folder.h"

#include <gtest/gtest.h>

namespace {

using namespace allotment;
using namespace allotmenttest;

// Two salary heads share the code up to the object head with an office head;
// a third head of another code must stay out.
const QString kPayHead = "2202-00-109-NP-00001-01";
const QString kOfficeHead = "2202-00-109-NP-00001-13";
const QString kOtherHead = "2202-00-109-NP-00002-01";
const QString kCode = kPayHead.left(20);

const StatementRequest kApril{kCode, 2011, 4, "APRIL", "APR-11"};

struct BStatementTest : ::testing::Test {
    testsupport::TempDataFolder folder;

    void SetUp() override
    {
        addHead(kPayHead, "SALARY", "A", QDate(2011, 4, 1));
        addHead(kOfficeHead, "OFFICE", "A", QDate(2011, 4, 1));
        addHead(kOtherHead, "SALARY OF SCHOOLS", "B", QDate(2011, 4, 1));
    }
};

TEST_F(BStatementTest, AprilTakesTheMonthsBillsOfEveryObjectHeadOfTheCode)
{
    // The April bills: a pay bill, an office bill and one of another head.
    addBill(kPayHead, 14, QDate(2011, 4, 30),
            {{Pay, 10000}, {DPay, 2400}, {Da, 5000}, {Hra, 1500}, {Ma, 300}, {Bonus, 0}}, 2500);
    addBill(kOfficeHead, 9, QDate(2011, 4, 12), {{Elec, 100}, {Tele, 200}, {Misc, 30.5}, {Oe, 40}, {Oc, 50}, {Ta, 75}});
    addBill(kOtherHead, 10, QDate(2011, 4, 15), {{Pay, 999}});
    addBill(kPayHead, 15, QDate(2011, 5, 1), {{Pay, 1}});     // May's
    addBill(kPayHead, 8, QDate(2011, 3, 31), {{Pay, 1}});     // last year's
    addBill(kPayHead, 7, QDate(2011, 4, 12), {{Wages, 60}, {Scheme, 40}});
    addBroughtForward(kCode, 2010, 5, 1, 1);   // last year's May, which must not stop this year's

    const auto s = makeBStatement(fund(), kApril);
    ASSERT_TRUE(s);
    // By date, then number; opening rows (bill 0) and other heads left out.
    QStringList bills;
    for (const auto& b : s->bills)
        bills << QStringLiteral("%1 %2").arg(b.billNo).arg(b.billDate.toString(Qt::ISODate));
    ASSERT_EQ(bills, (QStringList{"7 2011-04-12", "9 2011-04-12", "14 2011-04-30"}));
    // pay, grade pay, D.A., H.R.A. with M.A., wages, T.A., contingencies,
    // bonus, scheme, deduction, net.
    // Two bills, the month's totals and the progressive ones (the year's first month: the same).
    const StatementAmounts month{10000, 2400, 5000, 1800, 60, 75, 420.5, 0, 40, 2500, 17295.5};
    EXPECT_EQ((std::array{s->bills[2].amounts, s->bills[1].amounts, s->monthTotals, s->progressive}),
              (std::array<StatementAmounts, 4>{{{10000, 2400, 5000, 1800, 0, 0, 0, 0, 0, 2500, 16700},
                                                {0, 0, 0, 0, 0, 75, 420.5, 0, 0, 0, 495.5}, month, month}}));

    for (const SheetCell& c : statementSheet(*s).cells)
        EXPECT_NE(c.row, kTotalsRow) << "the template sums row 27 itself";

    const StoredTotals stored = storeProgressive(fund(), *s);
    EXPECT_TRUE(stored.added && stored.movedMonths.isEmpty());
    EXPECT_EQ(count("select count(*) from b_statement"), 2); // and last year's May
    EXPECT_EQ(count("select count(*) from b_statement where fy_year = 2011 and month_no = 5 "
                    "and m_head = '2202-00-109-NP-00001' and pay = 10000 and hra = 1800 and cont = 420.5 "
                    "and scheme = 40 and deduct = 2500 and net = 17295.5 and wages = 60 and ta = 75"),
              1);
}

TEST_F(BStatementTest, HeadCodeIsMatchedAsWrittenNotAsAPattern)
{
    // "_" in a code must not stand for any character.
    addHead("2202_00-109-NP-00001-01", "ODD", "C", QDate());
    addBill("2202_00-109-NP-00001-01", 3, QDate(2011, 4, 2), {{Pay, 5}});
    addBill(kPayHead, 4, QDate(2011, 4, 2), {{Pay, 6}});
    StatementRequest odd = kApril;
    odd.headCode = "2202_00-109-NP-00001";
    const auto s = makeBStatement(fund(), odd);
    ASSERT_TRUE(s);
    EXPECT_TRUE(s->bills.size() == 1 && s->bills[0].billNo == 3);
}

TEST_F(BStatementTest, EachRegisterFigureCountsToThePaisaAsTheBillPaysIt)
{
    // Figures stored finer than the paisa by an older build. Each to the paisa:
    //   bill 21  pay 100.01, D.A. 100.01, H.R.A. 0.01 + M.A. 0.01 = 0.02, deduction 0.01;
    //            gross 200.04, net 200.03 (added first: 0.01 and 200.02)
    //   bill 22  contingencies 5 x 0.01 = 0.05, net 0.05 (added first: 0.03)
    //   month    net 200.03 + 0.05 = 200.08
    addBill(kPayHead, 21, QDate(2011, 4, 20), {{Pay, 100.005}, {Da, 100.005}, {Hra, 0.005}, {Ma, 0.005}}, 0.005);
    addBill(kOfficeHead, 22, QDate(2011, 4, 21),
            {{Elec, 0.005}, {Tele, 0.005}, {Misc, 0.005}, {Oe, 0.005}, {Oc, 0.005}});
    const auto s = makeBStatement(fund(), kApril);
    ASSERT_TRUE(s && s->bills.size() == 2);
    EXPECT_EQ((std::array{s->bills[0].amounts, s->bills[1].amounts, s->monthTotals, s->progressive}),
              (std::array<StatementAmounts, 4>{{{100.01, 0, 100.01, 0.02, 0, 0, 0, 0, 0, 0.01, 200.03},
                                                {0, 0, 0, 0, 0, 0, 0.05, 0, 0, 0, 0.05},
                                                {100.01, 0, 100.01, 0.02, 0, 0, 0.05, 0, 0, 0.01, 200.08},
                                                {100.01, 0, 100.01, 0.02, 0, 0, 0.05, 0, 0, 0.01, 200.08}}}));
}

TEST_F(BStatementTest, ARegisterDateThatIsNoDateCountsInTheMonthItsTextFallsIn)
{
    // June of a year the register still holds. Two bills carry dates that are
    // no dates: "2011-04-31" comes after 1 April and before 1 May, so April's;
    // "2011-06-1x" is June's and is shown as the register holds it.
    //   April 100 + 20 = 120, May 3000: brought forward 3120
    //   June 5 + 60 = 65: progressive 3185
    addBroughtForward(kCode, 2011, 6, 1, 1);
    const std::pair<double, QString> bills[] = {{1, "2011-04-10"}, {2, "2011-04-31"}, {3, "2011-05-15"},
                                                {5, "2011-06-1x"}, {6, "2011-06-20"}};
    const double pay[] = {100, 20, 3000, 5, 60};
    for (int i = 0; i < 5; ++i) {
        addBill(kPayHead, bills[i].first, QDate(2011, 4, 1), {{Pay, pay[i]}});
        fund().execute("update all_exp set bill_date = ? where bill_no = ?", {bills[i].second, bills[i].first});
    }
    const StatementRequest june{kCode, 2011, 6, "JUNE", "APR-11"};
    const auto s = makeBStatement(fund(), june);
    ASSERT_TRUE(s && s->earlierMonths);
    QStringList pays;
    for (const StatementAmounts& m : *s->earlierMonths)
        pays << vb::cstr(m[SPay]) + "/" + vb::cstr(m[SNet]);
    for (const StatementAmounts* a : {&s->broughtForward, &s->monthTotals, &s->progressive})
        pays << vb::cstr((*a)[SPay]) + "/" + vb::cstr((*a)[SNet]);
    EXPECT_EQ(pays, (QStringList{"120/120", "3000/3000", "3120/3120", "65/65", "3185/3185"}));

    const StatementSheet sheet = statementSheet(*s);
    QVariantList dates;
    for (const SheetCell& c : sheet.cells)
        if (c.col == 2 && c.row >= kFirstBillRow)
            dates << c.value;
    EXPECT_EQ(dates, (QVariantList{"2011-06-1x", QDate(2011, 6, 20)}));
}

} // namespace
