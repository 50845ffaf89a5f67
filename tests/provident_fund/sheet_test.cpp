#include "fund_fixture.h"

#include "platform/vb/error.h"
#include "provident_fund/sheet.h"
#include "provident_fund/statement.h"

#include <gtest/gtest.h>

using namespace fundtest;
using namespace provident_fund;

namespace {

const QDate kStart(2011, 4, 1);

class SheetTest : public ::testing::Test {
protected:
    FundFolder folder;
    Sheet sheet{salaryDb()};
    BroadSheet broad{salaryDb()};
};

TEST_F(SheetTest, FirstExampleRunsTwelveMonthEndBalancesFromLastYearsClosing)
{
    ASSERT_TRUE(sheet.reset());
    sheet.stamp("123", "RAM", 500, kStart);
    EXPECT_EQ(sheetColumn("month"), (QVariantList{"Apr-11", "May-11", "Jun-11", "Jul-11", "Aug-11", "Sep-11",
                                                  "Oct-11", "Nov-11", "Dec-11", "Jan-12", "Feb-12", "Mar-12"}));
    EXPECT_EQ(sheetColumn("dep_dt").first().toString() + "|" + sheetColumn("dep_dt").last().toString(),
              "2011-04-01|2012-03-01");
    EXPECT_EQ(sheetColumn("distinct ac_no || '|' || name"), QVariantList{" 123 | RAM "});
    EXPECT_EQ((QList<bool>{sheet.stampedFor(" 123", kStart), sheet.stampedFor("124", kStart),
                           sheet.stampedFor("123", kStart.addYears(1))}),
              (QList<bool>{true, false, false}));

    const YearInterest year = sheet.workOut(10000, 8);
    EXPECT_EQ(sheetColumn("cumulative"), numbers({10500, 11000, 11500, 12000, 12500, 13000, 13500, 14000, 14500,
                                                  15000, 15500, 16000}));
    EXPECT_EQ(numbers({year.sumOfBalances, year.interest}), numbers({159000, 1060}));
    EXPECT_EQ(interestText(year.interest), "1060");
    const SheetTotals t = sheet.totals();
    EXPECT_EQ(closingBalance(10000, t.subs, t.refund, 1060, t.loan), 17060);
}

// Refunds over a period, replacing bookings, a period between row dates and the
// interest's rounding are worked by hand through the form in worked_years_test;
// here a subscription stamped again after the bookings.
TEST_F(SheetTest, ASubscriptionStampedAgainKeepsTheRefundsAndWithdrawalInTheTotals)
{
    ASSERT_TRUE(sheet.reset());
    sheet.stamp("9", "X Y", 100, kStart);
    sheet.bookRefund(300, QDate(2011, 5, 1), QDate(2011, 7, 1));
    sheet.bookWithdrawal(400, "Jan-12");
    sheet.stamp("9", "X Y", 200, kStart);
    sheet.workOut(0, 0);
    EXPECT_EQ(sheetColumn("total"), numbers({200, 500, 500, 500, 200, 200, 200, 200, 200, 200, 200, 200}));
    EXPECT_EQ(sheetColumn("cumulative").at(9), 200 * 10 + 900 - 400);
}

// The form refuses a short template and keeps the sheet; here the sheet itself
// losing a row between the steps.
TEST_F(SheetTest, ASheetWithoutTwelveRowsIsNotWorkedOut)
{
    ASSERT_TRUE(sheet.reset());
    sheet.stamp("5", "A", 10, kStart);
    salaryDb().execute("delete from calc_sheet where rowid = (select max(rowid) from calc_sheet)");
    EXPECT_THROW(sheet.workOut(0, 8), vb::Error);
    EXPECT_EQ(sheetColumn("sum(cumulative)"), QVariantList{0.0});
}

TEST_F(SheetTest, BroadSheetLooksUpTrimmedAndRefusesASecondYear)
{
    fileYear("EDN/1", "ONE", QDate(2010, 4, 1), 500, 100, 0, 40, 0);
    fileYear("EDN/1", "ONE", QDate(2009, 4, 1), 0, 500, 0, 0, 0);
    fileYear("EDN/2", "TWO", QDate(2010, 4, 1), 10, 0, 0, 0, 0, 999);
    EXPECT_EQ(broad.accounts(), (QStringList{"EDN/1", "EDN/2"}));
    const auto r = broad.find("  edn/1 ", QDate(2010, 4, 1));
    ASSERT_TRUE(r);
    EXPECT_EQ(r->cb, 640);
    EXPECT_EQ(broad.any("EDN/1")->yrBegin, QDate(2010, 4, 1));
    EXPECT_FALSE(broad.find("EDN/1", QDate(2011, 4, 1)));
    EXPECT_EQ(broad.find("EDN/2", QDate(2010, 4, 1))->componentSum(), 10);
    EXPECT_THROW(fileYear("EDN/1", "CHANGED", QDate(2010, 4, 1), 1), vb::Error);
    EXPECT_EQ(broad.find("EDN/1", QDate(2010, 4, 1))->name, "ONE");
}

TEST_F(SheetTest, StatementWaitsForTheSheetAndAClosingBalance)
{
    StatementBoxes boxes{"2011--2012", "8", "10000", "6000", "0", "1060", "0", "17060"};
    EXPECT_EQ(statementCells(salaryDb(), boxes).refusal, "PREVIEW AVAILABLE AFTER CALCULATION OF G.P.F ONLY");
    ASSERT_TRUE(sheet.reset());
    sheet.stamp("123", "RAM", 500, kStart);
    sheet.workOut(10000, 8);
    EXPECT_EQ(statementCells(salaryDb(), boxes).cells.size(), 4 + 6 + 1 + 12 * 6);
    boxes.closing = ""; // a negative one is refused through the form
    EXPECT_TRUE(statementCells(salaryDb(), boxes).cells.isEmpty());
}

} // namespace
