#include "allotment/b_statement.h"

#include "platform/data/database.h"
#include "register_rows.h"
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

StatementRequest month(int monthNo, int fyYear = 2011)
{
    static const QStringList names{"APRIL", "MAY",     "JUNE",     "JULY",    "AUGUST",   "SEPTEMBER",
                                   "OCTOBER", "NOVEMBER", "DECEMBER", "JANUARY", "FEBRUARY", "MARCH"};
    return {kCode, fyYear, monthNo, names[monthNo - 4],
            QStringLiteral("APR-%1").arg(fyYear % 100, 2, 10, QLatin1Char('0'))};
}

StatementAmounts amounts(std::initializer_list<double> v)
{
    StatementAmounts a{};
    std::copy(v.begin(), v.end(), a.begin());
    return a;
}

QVariant cell(const StatementSheet& sheet, int row, int col)
{
    for (const SheetCell& c : sheet.cells)
        if (c.row == row && c.col == col)
            return c.value;
    return QVariant();
}

struct BStatementTest : ::testing::Test {
    testsupport::TempDataFolder folder;

    void SetUp() override
    {
        addHead(kPayHead, "SALARY", "A", QDate(2011, 4, 1));
        addHead(kOfficeHead, "OFFICE", "A", QDate(2011, 4, 1));
        addHead(kOtherHead, "SALARY OF SCHOOLS", "B", QDate(2011, 4, 1));
    }
    // The April bills: a pay bill, an office bill and one of another head.
    void aprilBills()
    {
        addBill(kPayHead, 14, QDate(2011, 4, 30),
                {{Pay, 10000}, {DPay, 2400}, {Da, 5000}, {Hra, 1500}, {Ma, 300}, {Bonus, 0}}, 2500);
        addBill(kOfficeHead, 9, QDate(2011, 4, 12),
                {{Elec, 100}, {Tele, 200}, {Misc, 30.5}, {Oe, 40}, {Oc, 50}, {Ta, 75}});
        addBill(kOtherHead, 10, QDate(2011, 4, 15), {{Pay, 999}});
        addBill(kPayHead, 15, QDate(2011, 5, 1), {{Pay, 1}});     // May's
        addBill(kPayHead, 8, QDate(2011, 3, 31), {{Pay, 1}});     // last year's
    }
};

TEST_F(BStatementTest, AprilTakesTheMonthsBillsOfEveryObjectHeadOfTheCode)
{
    aprilBills();
    addBill(kPayHead, 7, QDate(2011, 4, 12), {{Wages, 60}, {Scheme, 40}});

    const auto s = makeBStatement(fund(), month(4));
    ASSERT_TRUE(s);
    // By date, then number; opening rows (bill 0) and other heads left out.
    ASSERT_EQ(s->bills.size(), 3);
    EXPECT_EQ(s->bills[0].billNo, 7);
    EXPECT_EQ(s->bills[1].billNo, 9);
    EXPECT_EQ(s->bills[2].billNo, 14);
    EXPECT_EQ(s->bills[2].billDate, QDate(2011, 4, 30));
    // pay, grade pay, D.A., H.R.A. with M.A., wages, T.A., contingencies,
    // bonus, scheme, deduction, net.
    EXPECT_EQ(s->bills[2].amounts, amounts({10000, 2400, 5000, 1800, 0, 0, 0, 0, 0, 2500, 16700}));
    EXPECT_EQ(s->bills[1].amounts, amounts({0, 0, 0, 0, 0, 75, 420.5, 0, 0, 0, 495.5}));
    EXPECT_EQ(s->monthTotals, amounts({10000, 2400, 5000, 1800, 60, 75, 420.5, 0, 40, 2500, 17295.5}));
    EXPECT_EQ(s->progressive, s->monthTotals);

    const StatementSheet sheet = statementSheet(*s);
    EXPECT_EQ(sheet.extraRows, 0);
    EXPECT_EQ(cell(sheet, 2, 8), QVariant("APRIL"));
    EXPECT_EQ(cell(sheet, 2, 9), QVariant(2011));
    EXPECT_EQ(cell(sheet, 3, 9), QVariant(kCode));
    EXPECT_EQ(cell(sheet, 7, 1), QVariant(14.0));
    EXPECT_EQ(cell(sheet, 7, 2), QVariant(QDate(2011, 4, 30)));
    EXPECT_EQ(cell(sheet, 7, 7), QVariant(1800.0));
    EXPECT_EQ(cell(sheet, 7, 14), QVariant(16700.0));
    EXPECT_FALSE(cell(sheet, 7, 3).isValid());          // column 3 is the clerk's
    EXPECT_FALSE(cell(sheet, 28, 3).isValid());         // April has no start to show
    EXPECT_EQ(cell(sheet, 28, 4), QVariant(10000.0));
    EXPECT_EQ(cell(sheet, 28, 14), QVariant(17295.5));
    for (const SheetCell& c : sheet.cells)
        EXPECT_NE(c.row, kTotalsRow) << "the template sums row 27 itself";

    EXPECT_TRUE(storeProgressive(fund(), *s));
    EXPECT_EQ(count("select count(*) from b_statement"), 1);
    EXPECT_EQ(count("select count(*) from b_statement where fy_year = 2011 and month_no = 5 "
                    "and m_head = '2202-00-109-NP-00001' and pay = 10000 and hra = 1800 and cont = 420.5 "
                    "and scheme = 40 and deduct = 2500 and net = 17295.5 and wages = 60 and ta = 75"),
              1);
}

TEST_F(BStatementTest, LaterMonthsChainFromTheYearsOwnRowsOnce)
{
    aprilBills();
    // Last year's rows for the same code must neither feed this year nor stop
    // this year's row being added.
    fund().execute("insert into b_statement (m_head, month_no, pay, d_pay, da, hra, wages, ta, cont, bonus, "
                   "scheme, deduct, net, fy_year) values (?, 5, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 2010)",
                   {kCode});
    EXPECT_FALSE(makeBStatement(fund(), month(5)));          // May without April
    EXPECT_EQ(count("select count(*) from b_statement"), 1);

    ASSERT_TRUE(storeProgressive(fund(), *makeBStatement(fund(), month(4))));
    addBill(kPayHead, 16, QDate(2011, 5, 31), {{Pay, 500}, {Hra, 20.25}, {Ma, 0.5}}, 100);
    const auto may = makeBStatement(fund(), month(5));
    ASSERT_TRUE(may);
    EXPECT_EQ(may->monthTotals, amounts({501, 0, 0, 20.75, 0, 0, 0, 0, 0, 100, 421.75}));
    EXPECT_EQ(may->progressive, amounts({10501, 2400, 5000, 1820.75, 0, 75, 420.5, 0, 0, 2600, 17617.25}));
    const StatementSheet sheet = statementSheet(*may);
    EXPECT_EQ(cell(sheet, 2, 8), QVariant("MAY"));
    EXPECT_EQ(cell(sheet, 28, 3), QVariant("APR-11"));
    EXPECT_EQ(cell(sheet, 28, 7), QVariant(1820.75));
    EXPECT_TRUE(storeProgressive(fund(), *may));

    // Made again after a late bill: the statement shows the register as it
    // stands, the stored June row keeps the first run's totals.
    addBill(kOfficeHead, 17, QDate(2011, 5, 2), {{Oe, 10}});
    const auto again = makeBStatement(fund(), month(5));
    EXPECT_EQ(again->bills.size(), 3);
    EXPECT_EQ(again->progressive[SCont], 430.5);
    EXPECT_FALSE(storeProgressive(fund(), *again));
    EXPECT_EQ(number("select net from b_statement where fy_year = 2011 and month_no = 6"), 17617.25);
    EXPECT_EQ(count("select count(*) from b_statement"), 3);

    // A month without bills: no lines, the totals carried forward, its row stored.
    const auto june = makeBStatement(fund(), month(6));
    ASSERT_TRUE(june);
    EXPECT_TRUE(june->bills.isEmpty());
    EXPECT_EQ(june->monthTotals, StatementAmounts{});
    EXPECT_EQ(june->progressive[SNet], 17617.25);
    EXPECT_TRUE(storeProgressive(fund(), *june));
    EXPECT_EQ(number("select net from b_statement where fy_year = 2011 and month_no = 7"), 17617.25);
}

TEST_F(BStatementTest, MarchReadsFifteenWritesSixteenUnderTheNextCalendarYear)
{
    fund().execute("insert into b_statement (m_head, month_no, pay, d_pay, da, hra, wages, ta, cont, bonus, "
                   "scheme, deduct, net, fy_year) values (?, 15, 100, 0, 0, 0, 0, 0, 0, 0, 0, 0, 100, 2011)",
                   {kCode});
    // A March pay bill is registered under 1 April; a March office bill under its date.
    addBill(kOfficeHead, 40, QDate(2012, 3, 20), {{Oe, 30}});
    addBill(kPayHead, 41, QDate(2012, 4, 1), {{Pay, 7}});
    const auto march = makeBStatement(fund(), month(15));
    ASSERT_TRUE(march);
    ASSERT_EQ(march->bills.size(), 1);
    EXPECT_EQ(march->progressive[SPay], 100);
    EXPECT_EQ(march->progressive[SNet], 130);
    const StatementSheet sheet = statementSheet(*march);
    EXPECT_EQ(cell(sheet, 2, 8), QVariant("MARCH"));
    EXPECT_EQ(cell(sheet, 2, 9), QVariant(2012));
    EXPECT_TRUE(storeProgressive(fund(), *march));
    EXPECT_EQ(count("select count(*) from b_statement where fy_year = 2011 and month_no = 16 and net = 130"), 1);
}

TEST_F(BStatementTest, PastTwentyTwoBillsRowsGoInBeforeTheLastBillRow)
{
    for (int i = 1; i <= 23; ++i)
        addBill(kPayHead, i, QDate(2011, 4, 1 + i % 28), {{Pay, double(i)}});
    const auto s = makeBStatement(fund(), month(4));
    ASSERT_EQ(s->bills.size(), 23);
    const StatementSheet sheet = statementSheet(*s);
    EXPECT_EQ(sheet.insertBefore, 26);
    EXPECT_EQ(sheet.extraRows, 1);
    EXPECT_TRUE(cell(sheet, 27, 1).isValid());     // the 23rd bill
    EXPECT_FALSE(cell(sheet, 28, 4).isValid());    // the month totals, moved down
    EXPECT_EQ(cell(sheet, 29, 4), QVariant(276.0));
}

TEST_F(BStatementTest, HeadCodeIsMatchedAsWrittenNotAsAPattern)
{
    // "_" in a code must not stand for any character.
    addHead("2202_00-109-NP-00001-01", "ODD", "C", QDate());
    addBill("2202_00-109-NP-00001-01", 3, QDate(2011, 4, 2), {{Pay, 5}});
    addBill(kPayHead, 4, QDate(2011, 4, 2), {{Pay, 6}});
    StatementRequest odd = month(4);
    odd.headCode = "2202_00-109-NP-00001";
    const auto s = makeBStatement(fund(), odd);
    ASSERT_EQ(s->bills.size(), 1);
    EXPECT_EQ(s->bills[0].billNo, 3);
}

TEST(ReportingMonthCheck, MonthPickedAndPeriodOfTheYearShown)
{
    const QDate may1(2011, 5, 1), may31(2011, 5, 31);
    EXPECT_FALSE(checkReportingMonth("MAY", "5", "2011", may1, may31));
    EXPECT_EQ(checkReportingMonth("", "Label14", "2011", may1, may31), "SELECT THE REPORTING MONTH FIRST.");
    // A new year start typed after the pick leaves last year's dates.
    EXPECT_EQ(checkReportingMonth("MAY", "5", "2012", may1, may31),
              "THE REPORT DATES ARE NOT THOSE OF MAY OF THE FINANCIAL YEAR 2012--2013. "
              "SELECT THE REPORTING MONTH AGAIN.");
    // Dates typed over the month's.
    EXPECT_TRUE(checkReportingMonth("MAY", "5", "2011", may1, QDate(2011, 5, 15)));
    EXPECT_FALSE(checkReportingMonth("FEBRUARY", "14", "2011", QDate(2012, 2, 1), QDate(2012, 2, 29)));
    EXPECT_FALSE(checkReportingMonth("MARCH", "15", "2011", QDate(2012, 3, 1), QDate(2012, 3, 31)));
}

} // namespace
