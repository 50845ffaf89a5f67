#include "allotment/registers.h"

#include "register_rows.h"
#include "support/temp_data_folder.h"

#include "platform/vb/error.h"

#include <gtest/gtest.h>

using namespace allotment;
using namespace allotmenttest;

static const QDate kStart(2012, 4, 1), kEnd(2013, 3, 31);

TEST(Registers, BalancesAfterAllotmentsAndBills)
{
    testsupport::TempDataFolder folder;
    const QString salary = code("NP", "01");
    const QString office = code("NP", "13");
    addHead(salary, "SALARY NP", "A", kStart);
    addHead(office, "OFFICE", "B", kStart);
    addAllotment(salary, "F/12/1", QDate(2012, 5, 10), {{Pay, 100000}, {DPay, 20000}, {Da, 65000.5}, {Bonus, 3000}});
    addAllotment(salary, "F/12/2", QDate(2012, 9, 1), {{Pay, 50000}, {Hra, 8000}});
    addAllotment(salary, "F/11/9", QDate(2012, 3, 31), {{Pay, 999999}}); // before the period
    addBill(salary, 41, QDate(2012, 6, 30), {{Pay, 60000}, {DPay, 12000}, {Da, 42000}, {Hra, 9000}, {Ma, 600}}, 8000);
    addBill(salary, 57, QDate(2013, 4, 1), {{Pay, 70000}}); // after it
    addBill(office, 99, QDate(2012, 7, 1), {{Elec, 1200}});

    const auto b = headBalances(fund(), salary, kStart, kEnd);
    ASSERT_TRUE(b);
    EXPECT_EQ(b->column, (Amounts{90000, 8000, 23000.5, -1000, -600, 3000, 0, 0, 0, 0, 0, 0, 0, 0})); // overspent: < 0
    EXPECT_DOUBLE_EQ(b->salaryTotal, 90000 + 8000 + 23000.5 - 1000 - 600 + 3000);

    // The last bill number is the highest of every head and date.
    EXPECT_EQ(lastBillNumber(fund()), 99);

    // A period that ends before it starts, or a head without opening rows: no balance.
    EXPECT_FALSE(headBalances(fund(), salary, kEnd, kStart));
    addHead(code("NP", "02"), "WAGES", "C", QDate());
    addAllotment(code("NP", "02"), "W/1", QDate(2012, 5, 1), {{Wages, 500}});
    EXPECT_TRUE(registerSums(fund(), Register::Allotments, code("NP", "02"), kStart, kEnd));
    EXPECT_FALSE(headBalances(fund(), code("NP", "02"), kStart, kEnd));

    // A bill held under a date that is no date is spent on the last day whose
    // text is not after its own: by 30 June, as June's B-statement counts it.
    addBill(salary, 42, QString("2012-06-31"), {{Pay, 500}});
    EXPECT_EQ(headBalances(fund(), salary, kStart, QDate(2012, 6, 30))->column[Pay], 100000 - 60000 - 500);
}

TEST(Registers, YearEndResetKeepsTheNewYearAndIsSafeToRepeat)
{
    testsupport::TempDataFolder folder;
    const QDate newStart(2013, 4, 1);
    const QString salary = code("NP", "01");
    const QString wages = code("NP", "02");
    const QString travel = code("NP", "11");
    addHead(salary, "SALARY", "A", QDate(2011, 4, 1)); // last year's reset was never made
    addHead(wages, "WAGES", "B", kStart);
    addHead(travel, "TRAVEL", "C", QDate());            // has lost its opening rows
    addAllotment(salary, "F/1", QDate(2012, 5, 1), {{Pay, 1000}});
    addAllotment(salary, "F/2", kStart, {{Pay, 400}});
    addBill(salary, 12, QDate(2013, 3, 30), {{Pay, 900}});
    // Entered in the new year before the reset: must survive.
    addAllotment(wages, "F/13/1", QDate(2013, 4, 20), {{Wages, 7000}});
    addBill(wages, 3, QDate(2013, 5, 2), {{Wages, 2500}});
    addBill(salary, 5, newStart, {{Pay, 800}}, 120); // the March pay bill

    // Not 1 April: refused, nothing changed.
    const int allotRows = count("select count(*) from all_allot");
    EXPECT_THROW(resetRegister(fund(), Register::Allotments, QDate(2013, 3, 1)), vb::Error);
    EXPECT_EQ(count("select count(*) from all_allot"), allotRows);

    // Safe to repeat: the second run finds nothing to redate, make or remove.
    for (const QList<int>& expected : {QList<int>{2, 1, 2, 2, 1, 1}, QList<int>(6, 0)}) {
        const ResetOutcome a = resetRegister(fund(), Register::Allotments, newStart);
        const ResetOutcome e = resetRegister(fund(), Register::Bills, newStart);
        EXPECT_EQ((QList<int>{a.redated, a.made, a.removed, e.redated, e.made, e.removed}), expected);
        // One opening row per head, at the new start, with its description; none older; the new year's entries.
        EXPECT_EQ(testsupport::firstRow(fund(),
                      "select (select count(*) from all_allot where order_no = '0' and order_date = '2013-04-01'), "
                      "(select count(*) from all_exp where bill_no = 0 and bill_date = '2013-04-01'), "
                      "(select count(*) from all_allot where order_date < '2013-04-01') + (select count(*) from "
                      "all_exp where bill_date < '2013-04-01'), (select count(*) from all_exp where despn = 'TRAVEL' "
                      "and deduction = 0), (select sum(wages) from all_allot), (select sum(wages) from all_exp), "
                      "(select deduction from all_exp where bill_no = 5)"),
                  (QVariantList{3, 3, 0, 1, 7000, 2500, 120}));
    }
    EXPECT_EQ(headBalances(fund(), salary, newStart, QDate(2014, 3, 31)).value().column[Pay], -800);
    EXPECT_TRUE(headBalances(fund(), travel, newStart, QDate(2014, 3, 31)));
}

TEST(Registers, FiguresStoredFinerThanThePaisaAddUpAsPrinted)
{
    // Rows of an older build, each printed to the paisa:
    //   allotted  pay 1000.01 + 1000.01 = 2000.02, H.R.A. 0.01 x 3 = 0.03
    //   spent     pay 500.00
    //   balance   pay 1500.02, H.R.A. 0.03, salary 1500.05
    // Added as stored they come to 2000.01, 0.02, 1500.01 and 1500.02.
    testsupport::TempDataFolder folder;
    const QString salary = code("NP", "01");
    addHead(salary, "SALARY NP", "A", kStart);
    addAllotment(salary, "F/1", QDate(2012, 5, 10), {{Pay, 1000.005}, {Hra, 0.005}});
    addAllotment(salary, "F/2", QDate(2012, 6, 10), {{Pay, 1000.005}, {Hra, 0.005}});
    addAllotment(salary, "F/3", QDate(2012, 7, 10), {{Hra, 0.005}});
    addBill(salary, 1, QDate(2012, 8, 1), {{Pay, 500.004}});

    const auto allotted = registerSums(fund(), Register::Allotments, salary, kStart, kEnd);
    ASSERT_TRUE(allotted);
    EXPECT_EQ(std::make_pair((*allotted)[Pay], (*allotted)[Hra]), std::make_pair(2000.02, 0.03));
    const auto b = headBalances(fund(), salary, kStart, kEnd);
    ASSERT_TRUE(b);
    EXPECT_EQ(b->column, (Amounts{1500.02, 0, 0, 0.03, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(b->salaryTotal, 1500.05);
}
