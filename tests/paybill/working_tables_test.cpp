#include "bill_fixture.h"

#include "common/pay_month.h"
#include "paybill/working_tables.h"
#include "platform/vb/error.h"

#include <QStringList>

namespace billtest {
namespace {

QStringList column(const QString& sql)
{
    data::QueryRecordset rs(salaryDb(), sql);
    QStringList out;
    for (; !rs.eof(); rs.moveNext()) {
        QStringList cells;
        for (int i = 0; i < rs.columnNames().size(); ++i)
            cells << rs.field(i).text();
        out << cells.join(QLatin1Char(' '));
    }
    return out;
}

QList<double> splitOf(const paybill::InsuranceSplit& s) { return {s.sf83, s.if83, s.if87, s.sf87}; }

// Six employees of head S on 29 February 2012, and three rows that are not
// part of that bill.
class WorkingTables : public ::testing::Test {
protected:
    void SetUp() override
    {
        // code, grade pay, if, sf, income tax, loan, interest
        addSalary(kFebBill, {"S001", 1900, 24, 56, 1000, 0, 0, 20000});
        addSalary(kFebBill, {"S002", 2400, 24, 0, 0, 0, 200, 21000});
        addSalary(kFebBill, {"S003", 1900, 6, 14, 500, 0, 0, 9000});
        addSalary(kFebBill, {"S004", 4200, 3, 5, 0, 0, 0, 30000});
        addSalary(kFebBill, {"S005", 2400, 6, 7, 0, 1000, 0, 9500});
        addSalary(kFebBill, {"S006", 1300, 24, 56, 0, 0, 0, 18000});
        // Holds the category but does not begin with it.
        addSalary(kFebBill, {"XS07", 9999, 24, 56, 900, 100, 0, 50000});
        addSalary(kFebBill, {"T001", 9999, 24, 56, 900, 100, 0, 50000});
        addSalary(QDate(2012, 1, 31), {"S008", 9999, 24, 56, 900, 100, 0, 50000});

        for (auto [code, grp] : {std::pair{"S001", "A"}, {"S002", "A"}, {"S003", "C"}, {"S004", "OLD"},
                                 {"S005", "C"}, {"S006", "A"}, {"XS07", "B"}})
            addEmployee(QString::fromLatin1(code), QString::fromLatin1(grp));
    }

    testsupport::TempDataFolder folder;
};

TEST_F(WorkingTables, BillIsCopiedNumberedAndAbstracted)
{
    const auto result = paybill::activateBill(salaryDb(), kFebBill, QStringLiteral("S"));
    EXPECT_EQ(result.employees, 6);

    // Highest grade pay first; rows of equal grade pay in the order prepared.
    EXPECT_EQ(column(QStringLiteral("SELECT sl_no, emp_code FROM sal ORDER BY rowid")),
              QStringList({"1 S004", "2 S002", "3 S005", "4 S001", "5 S003", "6 S006"}));
    EXPECT_EQ(column(QStringLiteral("SELECT name, acc_no, pay, d_pay, gross, \"if\", sf, misc, net, p_month,"
                                    " deduct, category, bank_ac FROM sal WHERE sl_no = 3")),
              QStringList({"Name S005 Agr/S005 9500 2400 11225 6 7 1000 0 Mar-12 1623 C "}));

    EXPECT_EQ(column(QStringLiteral("SELECT sl_no, emp_code, name, designation, i_tax FROM temp ORDER BY rowid")),
              QStringList({"1 S001 Name S001 CLERK 1000", "2 S003 Name S003 CLERK 500"}));
    EXPECT_EQ(column(QStringLiteral("SELECT sl_no, emp_code, hb_loan, hb_int FROM temp1 ORDER BY rowid")),
              QStringList({"1 S002 0 200", "2 S005 1000 0"}));

    // Group A: two pay into both funds, one into the insurance fund only.
    // Group C: both pay into the savings fund, one of them 7 instead of 14
    // (two people, not one and a half). S004 belongs to the 1983 scheme.
    EXPECT_EQ(column(QStringLiteral("SELECT grp, ifno, sfno, iftotal, sftotal, total FROM ginew ORDER BY rowid")),
              QStringList({"A 1 2 72 112 184", "C 0 2 12 21 33"}));

    EXPECT_EQ(splitOf(result.split), (QList<double>{5, 3, 84, 133}));

    // The split of a range of Sl. Nos.: rows 1 to 2 are S004 (1983) and S002.
    EXPECT_EQ(splitOf(paybill::insuranceSplit(salaryDb(), 1, 2).value()), (QList<double>{5, 3, 24, 0}));
    EXPECT_FALSE(paybill::insuranceSplit(salaryDb(), 7, 8));
}

TEST_F(WorkingTables, EmptyBillEmptiesEveryTable)
{
    paybill::activateBill(salaryDb(), kFebBill, QStringLiteral("S"));
    const auto result = paybill::activateBill(salaryDb(), QDate(2012, 5, 31), QStringLiteral("S"));
    EXPECT_EQ(result.employees, 0);
    EXPECT_EQ(splitOf(result.split), QList<double>(4, 0));
    EXPECT_EQ(scalar(QStringLiteral("SELECT (SELECT count(*) FROM sal) + (SELECT count(*) FROM temp)"
                                    " + (SELECT count(*) FROM temp1) + (SELECT count(*) FROM ginew)")), 0);
    EXPECT_FALSE(paybill::insuranceSplit(salaryDb()) || paybill::leftGrandTotals(salaryDb())
                 || paybill::rightGrandTotals(salaryDb()));
}

TEST_F(WorkingTables, FailedRebuildLeavesTheTablesAsTheyWere)
{
    paybill::activateBill(salaryDb(), kFebBill, QStringLiteral("S"));
    const QStringList sal = column(QStringLiteral("SELECT * FROM sal ORDER BY rowid"));
    const QStringList temp = column(QStringLiteral("SELECT * FROM temp ORDER BY rowid"));

    // A new row for the bill, and a ginew that cannot be written.
    addSalary(kFebBill, {"S009", 5000, 6, 14, 700, 0, 0, 8000});
    salaryDb().execute(QStringLiteral("ALTER TABLE ginew RENAME TO ginew_away"));
    EXPECT_THROW(paybill::activateBill(salaryDb(), kFebBill, QStringLiteral("S")), vb::Error);
    salaryDb().execute(QStringLiteral("ALTER TABLE ginew_away RENAME TO ginew"));

    EXPECT_EQ(column(QStringLiteral("SELECT * FROM sal ORDER BY rowid")), sal);
    EXPECT_EQ(column(QStringLiteral("SELECT * FROM temp ORDER BY rowid")), temp);
    EXPECT_EQ(scalar(QStringLiteral("SELECT count(*) FROM ginew")), 2);
}

TEST_F(WorkingTables, GrandTotalsAndHeadTotals)
{
    paybill::activateBill(salaryDb(), kFebBill, QStringLiteral("S"));
    // Pay 107500 over six rows; gross is pay and its tenth and twentieth, and 300 a row: 125425.
    const auto l = paybill::leftGrandTotals(salaryDb()).value();
    EXPECT_EQ((QList<double>{l.pay, l.dPay, l.da, l.oa, l.gross}), (QList<double>{107500, 14100, 10750, 0, 125425}));
    const auto r = paybill::rightGrandTotals(salaryDb()).value();
    EXPECT_EQ((QList<double>{r.iFund, r.sFund, r.iTax, r.hbLoan + r.hbInt}), (QList<double>{87, 138, 1500, 1200}));

    // The pay-slip form refills sal without the amounts: nothing to total.
    salaryDb().execute(QStringLiteral("UPDATE sal SET pay = NULL, \"if\" = NULL"));
    EXPECT_FALSE(paybill::leftGrandTotals(salaryDb()) || paybill::rightGrandTotals(salaryDb()));

    const auto totals = paybill::headTotals(salaryDb(), kFebBill, QStringLiteral("S")).value();
    EXPECT_EQ((QList<double>{totals.pay, totals.maOa}), (QList<double>{107500, 6 * 300}));
    EXPECT_FALSE(paybill::headTotals(salaryDb(), QDate(2012, 5, 31), QStringLiteral("S")));
}

TEST(BillRegister, MarchBillIsLookedUpUnderFirstApril)
{
    for (auto [bill, kept] : {std::pair{QDate(2012, 3, 31), QDate(2012, 4, 1)}, {QDate(2012, 3, 1), QDate(2012, 4, 1)},
                              {QDate(2012, 4, 1), QDate(2012, 4, 1)}, {QDate(2012, 2, 29), QDate(2012, 2, 29)}})
        EXPECT_EQ(common::payBillRegisterDate(bill), kept) << bill.toString().toStdString();
    EXPECT_EQ(paybill::codePattern(QStringLiteral(" S ")), QStringLiteral("S%"));
    EXPECT_EQ(paybill::codePattern(QStringLiteral("_")), QStringLiteral("\\_%"));
}

} // namespace
} // namespace billtest
