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

TEST_F(SheetTest, SecondExampleWithRefundsOverAPeriodAndAWithdrawal)
{
    ASSERT_TRUE(sheet.reset());
    sheet.stamp("77", "SITA", 1000, kStart);
    sheet.bookRefund(500, QDate(2011, 6, 1), QDate(2011, 8, 1)); // both ends included
    EXPECT_EQ(sheetColumn("refund"), numbers({0, 0, 500, 500, 500, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(sheet.bookWithdrawal(10000, "Oct-11"), 1);
    const YearInterest year = sheet.workOut(25000, 8.6);
    EXPECT_EQ(sheetColumn("cumulative"), numbers({26000, 27000, 28500, 30000, 31500, 32500, 23500, 24500, 25500,
                                                  26500, 27500, 28500}));
    EXPECT_EQ(year.sumOfBalances, 331500);
    EXPECT_DOUBLE_EQ(year.interest, 2375.75);
    EXPECT_EQ(interestText(year.interest), "2376");
    const SheetTotals t = sheet.totals();
    EXPECT_EQ(numbers({t.subs, t.refund, t.loan}), numbers({12000, 1500, 10000}));
    EXPECT_EQ(closingBalance(25000, t.subs, t.refund, 2376, t.loan), 30876);
}

TEST_F(SheetTest, LaterBookingsReplaceAndTheInterestStepSetsTotalsItself)
{
    ASSERT_TRUE(sheet.reset());
    sheet.stamp("9", "X Y", 100, kStart);
    sheet.bookRefund(300, QDate(2011, 5, 1), QDate(2011, 7, 1));
    sheet.bookRefund(50, QDate(2011, 7, 1), QDate(2011, 9, 15)); // overlaps July
    sheet.bookRefund(999, QDate(2011, 4, 2), QDate(2011, 4, 30)); // no month's date in it
    EXPECT_EQ(sheetColumn("refund"), numbers({0, 300, 300, 50, 50, 50, 0, 0, 0, 0, 0, 0}));
    sheet.bookWithdrawal(700, "Jan-12");
    sheet.bookWithdrawal(400, "Jan-12");
    EXPECT_EQ(sheetColumn("loan"), numbers({0, 0, 0, 0, 0, 0, 0, 0, 0, 400, 0, 0}));
    // A subscription stamped again after the refunds: the totals follow it.
    sheet.stamp("9", "X Y", 200, kStart);
    sheet.workOut(0, 0);
    EXPECT_EQ(sheetColumn("total"), numbers({200, 500, 500, 250, 250, 250, 200, 200, 200, 200, 200, 200}));
    EXPECT_EQ(sheetColumn("cumulative").at(9), 200 * 10 + 750 - 400);
}

TEST_F(SheetTest, InterestRoundsHalfUpAndShowsNothingBelowHalfARupee)
{
    EXPECT_EQ(interestText(yearInterest(60, 8)), "");  // 0.4
    EXPECT_EQ(interestText(yearInterest(60, 10)), "1"); // 0.5
    EXPECT_EQ(interestText(yearInterest(0, 8)), "");
}

TEST_F(SheetTest, ATemplateWithoutTwelveRowsLeavesTheSheetAsItWas)
{
    ASSERT_TRUE(sheet.reset());
    sheet.stamp("5", "A", 10, kStart);
    salaryDb().execute("delete from first_sheet where rowid = (select max(rowid) from first_sheet)");
    EXPECT_EQ(sheet.templateRows(), 11);
    EXPECT_FALSE(sheet.reset());
    EXPECT_EQ(sheetColumn("count(*)"), QVariantList{12});
    EXPECT_TRUE(sheet.stampedFor("5", kStart));
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
    try {
        fileYear("EDN/1", "CHANGED", QDate(2010, 4, 1), 1);
        ADD_FAILURE() << "a second record of the year was filed";
    } catch (const vb::Error& e) {
        EXPECT_EQ(e.number, vb::DuplicateKey);
    }
    EXPECT_EQ(broad.find("EDN/1", QDate(2010, 4, 1))->name, "ONE");
}

TEST_F(SheetTest, StatementCellsComeFromTheSheetAndTheSummaryAsNumbers)
{
    StatementBoxes boxes{"2011--2012", "8", "10000", "6000", "0", "1060", "0", "17060"};
    EXPECT_EQ(statementCells(salaryDb(), boxes).refusal, "PREVIEW AVAILABLE AFTER CALCULATION OF G.P.F ONLY");
    ASSERT_TRUE(sheet.reset());
    sheet.stamp("123", "RAM", 500, kStart);
    sheet.workOut(10000, 8);
    const Statement s = statementCells(salaryDb(), boxes);
    ASSERT_EQ(s.refusal, "");
    QMap<int, QVariant> cells;
    for (const StatementCell& c : s.cells)
        cells[c.row * 100 + c.col] = c.value;
    auto cell = [&](int row, int col) { return cells.value(row * 100 + col); };
    EXPECT_EQ(cells.size(), 4 + 6 + 1 + 12 * 6);
    EXPECT_EQ((QVariantList{cell(3, 3), cell(3, 6), cell(4, 2), cell(4, 6), cell(29, 4), cell(31, 3), cell(7, 1),
                            cell(7, 2), cell(7, 6), cell(18, 1), cell(18, 6)}),
              (QVariantList{" RAM ", " 123 ", "2011--2012", 8.0, 17060.0, "(Seventeen Thousand Sixty) Only", "Apr-11",
                            500.0, 10500.0, "Mar-12", 16000.0}));
    for (const char* closing : {"-1", ""}) {
        boxes.closing = closing;
        EXPECT_TRUE(statementCells(salaryDb(), boxes).cells.isEmpty()) << closing;
    }
}

} // namespace
