#include "salary/single_click_run.h"

#include "platform/vb/error.h"
#include "salary_fixture.h"
#include "support/temp_data_folder.h"

#include <gtest/gtest.h>

using namespace salarytest;

namespace {

QVariantList ledger(const QString& table, const QString& code)
{
    return firstRow(QString("select %1_due, %1_rec, inst_no from %2 where emp_code = ?").arg(table == "festi_adv" ? "adv" : "loan", table), {code});
}

class SingleClickRun : public ::testing::Test {
protected:
    void SetUp() override { addOffice(); }
    int run(const QDate& d) { return salary::runSingleClick(salaryDb(), d); }
    testsupport::TempDataFolder folder;
};

} // namespace

TEST_F(SingleClickRun, FirstRunWritesEveryRowAndAdvancesTheLedgers)
{
    EXPECT_EQ(run(QDate(2012, 3, 10)), 3);

    // A12: 1000 / 3 taken as 333.33; gross 40330 - 333.33 = 39996.67, so the
    // tax is 150, not 200; net 39996.67 - 2540 = 37456.67, all stored to the paisa.
    EXPECT_EQ(firstRow("select pay, less_fa, d_pay, da, hra, ma, oa, gross, gpf_subs, gpf_rec, \"if\", sf, p_tax, misc, net, deduct, "
                       "hb_loan, hb_int, i_tax, others, bill_date, p_month, name, designation, category, bank_ac from salary where emp_code = 'A12'"),
              (QVariantList{20000.0, 333.33, 4200.0, 10890.0, 4840.0, 300.0, 100.0, 39996.67, 2000.0, 300.0, 30.0, 60.0, 150.0,
                            0.0, 37456.67, 2540.0, 0.0, 0.0, 0.0, 0.0, QDate(2012, 3, 10), "Mar-12", "Ram Kumar", "CLERK A12",
                            "C", "SB-A12"}));

    // A123: FIXED 8000 uncapped, scheme member without M.A., loan with no
    // instalments left recovered whole. B7: "yes" is not the scheme's YES.
    EXPECT_EQ(firstRow("select less_fa, da, hra, ma, gross, gpf_rec, p_tax, deduct, net from salary where emp_code = 'A123'"),
              (QVariantList{0.0, 15930.0, 8000.0, 0.0, 59330.0, 500.0, 200.0, 3700.0, 55630.0}));
    EXPECT_EQ(firstRow("select ma, gross, p_tax, net from salary where emp_code = 'B7'"), (QVariantList{300.0, 10200.0, 110.0, 9590.0}));

    // A paid-off advance (A123's) is deleted.
    const QVariantList advance = ledger("festi_adv", "A12"), loans = ledger("gpf_loan", "A12") + ledger("gpf_loan", "A123");
    EXPECT_EQ(advance + loans + ledger("festi_adv", "A123"), (QVariantList{666.67, 333.33, 2.0, 2700.0, 300.0, 9.0, 0.0, 5000.0, 0.0}));

    const salary::MonthRows month = salary::monthRows(salaryDb(), "Mar-12");
    EXPECT_EQ(QString::number(month.count) + month.firstName + QString::number(salary::monthRows(salaryDb(), "Apr-12").count),
              "3Ram Kumar0");

    // A second run takes instalments from the ledgers as they now stand
    // (666.67 / 2 = 333.335 -> 333.34, and 2700 / 9) but moves none of them:
    // the month has recovered them already.
    // A123's loan is now paid off: the repeat run deletes it and takes nothing.
    EXPECT_EQ(run(QDate(2012, 3, 20)), 3);
    EXPECT_EQ(roundedRow("select count(*), sum(less_fa * (emp_code = 'A12')), sum(gpf_rec * (emp_code = 'A12')), sum(gpf_rec * (emp_code = 'A123')) "
                         "from salary where p_month = 'Mar-12' and bill_date = '2012-03-20'") + ledger("festi_adv", "A12") + ledger("gpf_loan", "A12") + ledger("gpf_loan", "A123"),
              (QVariantList{3, 333.34, 300.0, 0.0}) + advance + loans.mid(0, 3));
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

// The whole recovery of an advance of 4000 and a loan of 1000, each in 3, by
// first runs of four months (D.A. 45 %, H.R.A. 20 %, M.A. 300 as the office):
// F1: 20000 + 4200 + D.A. 10890 + H.R.A. 4840 + M.A. 300 + O.A. 100 = 40330
//     before the advance; deductions 2000 + 30 + 60 + tax + loan.
//   Jun: advance 4000 / 3 = 1333.33, loan 1000 / 3 = 333.33:
//        gross 38996.67, tax 150, deduct 2573.33, net 36423.34.
//   Jul: 2666.67 / 2 = 1333.335 -> 1333.34, 666.67 / 2 -> 333.34:
//        gross 38996.66, deduct 2573.34, net 36423.32.
//   Aug: the last instalment is what is left, 1333.33 and 333.33: as June.
//   Sep: both rows paid off and deleted: gross 40330, tax 200, deduct 2290, net 38040.
// Z1 has no instalments left on its advance (250.5 due) and half of one on its
// loan (700 due): each is recovered whole, once, and never more than is due.
//   5000 + 1000 + D.A. 2700 + H.R.A. 1200, no M.A. (scheme) = 9900 - 250.5 =
//   9649.5, tax 110, deduct 500 + 700 + 110 = 1310, net 8339.5; then
//   9900, 110, 610, 9290.
// Y1's loan was left a ten-billionth of a rupee by an earlier build's thirds:
// no paisa is due, so the row is paid off and deleted at once, nothing taken.
TEST_F(SingleClickRun, InstalmentsToThePaisaClearEachLedgerExactly)
{
    for (const char* table : {"employee", "festi_adv", "gpf_loan"})
        salaryDb().execute(QString("delete from %1").arg(table));
    addEmployee({"F1", "Mala Roy", 20000, 4200, "", 0, "NO", 100, 2000, 30, 60});
    addEmployee({"Z1", "Tapan Sen", 5000, 1000, "", 0, "YES", 0, 500, 0, 0});
    addFestivalAdvance("F1", 4000, 0, 3);
    addGpfLoan("F1", 1000, 500, 3);
    addFestivalAdvance("Z1", 250.5, 0, 0);
    addGpfLoan("Z1", 700, 0, 0.5);
    addEmployee({"Y1", "Nila Bose", 1000, 0, "", 0, "NO", 0, 0, 0, 0});
    addGpfLoan("Y1", 1e-10, 3000, 0);

    const QString row = "select less_fa, gross, gpf_rec, p_tax, deduct, net from salary where emp_code = ? and bill_date = ?";
    QVariantList f1, z1;
    for (const QDate& d : {QDate(2012, 6, 10), QDate(2012, 7, 10), QDate(2012, 8, 10), QDate(2012, 9, 10)}) {
        EXPECT_EQ(run(d), 3);
        f1 << firstRow(row, {"F1", d}) << ledger("festi_adv", "F1") << ledger("gpf_loan", "F1");
        z1 << firstRow(row, {"Z1", d});
        if (d.month() == 6) { // 1000 + D.A. 450 + H.R.A. 200 + M.A. 300 = 1950, tax 18
            EXPECT_EQ(firstRow(row, {"Y1", d}) + ledger("gpf_loan", "Y1"), (QVariantList{0.0, 1950.0, 0.0, 18.0, 18.0, 1932.0}));
        }
    }
    EXPECT_EQ(f1.mid(0, 12), (QVariantList{1333.33, 38996.67, 333.33, 150.0, 2573.33, 36423.34,
                                           2666.67, 1333.33, 2.0, 666.67, 833.33, 2.0}));
    EXPECT_EQ(f1.mid(12, 12), (QVariantList{1333.34, 38996.66, 333.34, 150.0, 2573.34, 36423.32,
                                            1333.33, 2666.67, 1.0, 333.33, 1166.67, 1.0}));
    EXPECT_EQ(f1.mid(24, 12), (QVariantList{1333.33, 38996.67, 333.33, 150.0, 2573.33, 36423.34,
                                            0.0, 4000.0, 0.0, 0.0, 1500.0, 0.0}));
    EXPECT_EQ(f1.mid(36), (QVariantList{0.0, 40330.0, 0.0, 200.0, 2290.0, 38040.0})); // no ledger rows left
    EXPECT_EQ(z1.mid(0, 6), (QVariantList{250.5, 9649.5, 700.0, 110.0, 1310.0, 8339.5}));
    EXPECT_EQ(z1.mid(6, 6), (QVariantList{0.0, 9900.0, 0.0, 110.0, 610.0, 9290.0}));
    EXPECT_EQ(scalar("select count(*) from festi_adv") + scalar("select count(*) from gpf_loan"), 0);
    // Every figure stored is whole paise.
    EXPECT_EQ(scalar("select count(*) from salary where hundredths(less_fa) / 100.0 <> less_fa or hundredths(gpf_rec) / 100.0 <> gpf_rec "
                     "or hundredths(gross) / 100.0 <> gross or hundredths(net) / 100.0 <> net or hundredths(deduct) / 100.0 <> deduct"), 0);
}

// A row pays salary of its month when any of pay, grade pay, D.A., H.R.A.,
// M.A. or O.A. is a paisa or more (an arrear of one part alone is salary); a
// bonus or an advance, drawn in gross alone, is not. The first row that pays
// salary is the one named.
TEST_F(SingleClickRun, EveryRowPayingAnyPartOfSalaryCountsForItsMonthAndNoBonus)
{
    salaryDb().execute("insert into salary (emp_code, name, gross, net, p_month) values ('A12', 'Ram Kumar', 4000, 4000, 'Jun-12')");
    EXPECT_EQ(salary::monthRows(salaryDb(), "Jun-12").count, 0);
    const char* parts[] = {"oa", "ma", "hra", "da", "d_pay", "pay"};
    for (int i = 0; i < 6; ++i) {
        salaryDb().execute(QString("insert into salary (emp_code, name, %1, gross, net, p_month) values (?, ?, 0.01, 0.01, 0.01, 'Jun-12')")
                               .arg(parts[i]),
                           {QString("X%1").arg(i), QString("Arrear of %1").arg(parts[i])});
        const salary::MonthRows month = salary::monthRows(salaryDb(), "Jun-12");
        EXPECT_EQ(QString::number(month.count) + " " + month.firstName, QString("%1 Arrear of oa").arg(i + 1)) << parts[i];
    }
}
