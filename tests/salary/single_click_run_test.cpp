#include "salary/single_click_run.h"

#include "platform/vb/error.h"
#include "salary_fixture.h"
#include "support/temp_data_folder.h"

#include <gtest/gtest.h>

using namespace salarytest;

namespace {

QVariantList ledger(const QString& table, const QString& code)
{
    return roundedRow(QString("select %1_due, %1_rec, inst_no from %2 where emp_code = ?").arg(table == "festi_adv" ? "adv" : "loan", table), {code});
}

class SingleClickRun : public ::testing::Test {
protected:
    void SetUp() override { addOffice(); }
    int run(const QDate& d, salary::RunKind kind = salary::RunKind::First) { return salary::runSingleClick(salaryDb(), d, kind); }
    testsupport::TempDataFolder folder;
};

} // namespace

TEST_F(SingleClickRun, FirstRunWritesEveryRowAndAdvancesTheLedgers)
{
    EXPECT_EQ(run(QDate(2012, 3, 10)), 3);

    // A12: gross 40330 less a third of 1000 = 39996.67, so the tax is 150, not 200.
    // The paise of the advance, gross and net are stored as worked out.
    EXPECT_EQ(roundedRow("select pay, less_fa, d_pay, da, hra, ma, oa, gross, gpf_subs, gpf_rec, \"if\", sf, p_tax, misc, net, deduct, "
                         "hb_loan, hb_int, i_tax, others, bill_date, p_month, name, designation, category, bank_ac from salary where emp_code = 'A12'"),
              rounded({20000.0, 1000.0 / 3, 4200.0, 10890.0, 4840.0, 300.0, 100.0, 40330 - 1000.0 / 3, 2000.0, 300.0, 30.0, 60.0, 150.0,
                       0.0, 40330 - 1000.0 / 3 - 2540, 2540.0, 0.0, 0.0, 0.0, 0.0, QDate(2012, 3, 10), "Mar-12", "Ram Kumar", "CLERK A12",
                       "C", "SB-A12"}));

    // A123: FIXED 8000 uncapped, scheme member without M.A., loan with no
    // instalments left recovered whole. B7: "yes" is not the scheme's YES.
    EXPECT_EQ(firstRow("select less_fa, da, hra, ma, gross, gpf_rec, p_tax, deduct, net from salary where emp_code = 'A123'"),
              (QVariantList{0.0, 15930.0, 8000.0, 0.0, 59330.0, 500.0, 200.0, 3700.0, 55630.0}));
    EXPECT_EQ(firstRow("select ma, gross, p_tax, net from salary where emp_code = 'B7'"), (QVariantList{300.0, 10200.0, 110.0, 9590.0}));

    // A paid-off advance (A123's) is deleted.
    const QVariantList advance = ledger("festi_adv", "A12"), loans = ledger("gpf_loan", "A12") + ledger("gpf_loan", "A123");
    EXPECT_EQ(advance + loans + ledger("festi_adv", "A123"), rounded({1000 - 1000.0 / 3, 1000.0 / 3, 2.0, 2700.0, 300.0, 9.0, 0.0, 5000.0, 0.0}));

    const salary::MonthRows month = salary::monthRows(salaryDb(), "Mar-12");
    EXPECT_EQ(QString::number(month.count) + month.firstName + QString::number(salary::monthRows(salaryDb(), "Apr-12").count),
              "3Ram Kumar0");

    // A repeat run takes instalments from the ledgers as they now stand
    // (666.67 / 2 and 2700 / 9) but moves none of them.
    // A123's loan is now paid off: the repeat run deletes it and takes nothing.
    EXPECT_EQ(run(QDate(2012, 3, 20), salary::RunKind::Repeat), 3);
    EXPECT_EQ(roundedRow("select count(*), sum(less_fa * (emp_code = 'A12')), sum(gpf_rec * (emp_code = 'A12')), sum(gpf_rec * (emp_code = 'A123')) "
                         "from salary where p_month = 'Mar-12' and bill_date = '2012-03-20'") + ledger("festi_adv", "A12") + ledger("gpf_loan", "A12") + ledger("gpf_loan", "A123"),
              rounded({3, (1000 - 1000.0 / 3) / 2, 300.0, 0.0}) + advance + loans.mid(0, 3));
}

// The database refuses the last employee's row, after the first two rows and
// their ledger changes were made; with no D.A. order nothing starts.
TEST_F(SingleClickRun, FailurePartWayOrNoDaOrderLeavesNothingOfTheRun)
{
    salaryDb().execute("create trigger refuse before insert on salary when new.emp_code = 'B7' "
                       "begin select raise(abort, 'disk full'); end");
    const auto failure = [&] {
        try { run(QDate(2012, 3, 10)); } catch (const vb::Error& e) { return e.description; }
        return QString("no failure");
    };
    EXPECT_TRUE(failure().contains("disk full"));
    salaryDb().execute("drop trigger refuse");
    salaryDb().execute("delete from da_table");
    EXPECT_NE(failure(), "no failure");
    EXPECT_EQ(scalar("select count(*) from salary"), 0);
    EXPECT_EQ(ledger("festi_adv", "A12") + ledger("gpf_loan", "A12") + ledger("festi_adv", "A123") + ledger("gpf_loan", "A123"),
              (QVariantList{1000.0, 0.0, 3.0, 3000.0, 0.0, 10.0, 0.0, 2000.0, 0.0, 500.0, 4500.0, 0.0}));

    // The connection is usable again; a zero order leaves zero, not empty, amounts.
    setDaOrder(0, 0, 0);
    EXPECT_EQ(run(QDate(2012, 3, 10)), 3);
    EXPECT_EQ(firstRow("select da, hra, ma, gross, p_tax, net from salary where emp_code = 'B7'"),
              (QVariantList{0.0, 0.0, 0.0, 6000.0, 40.0, 5460.0}));
}
