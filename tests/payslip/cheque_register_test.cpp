#include "payslip/cheque_register.h"
#include "payslip_fixture.h"
#include "support/first_row.h"

using namespace slipstest;
using payslip::ChequeBox;
using payslip::ChequeEntry;

namespace {

using ChequeRegister = Office;

QString refusal(const ChequeEntry& e, qint64 row = 0)
{
    const auto r = payslip::checkCheque(fundDb(), e, row);
    return r ? r->message : QString();
}

} // namespace

TEST_F(ChequeRegister, BillNumbersAreWholeNumbersOfRealBills)
{
    EXPECT_EQ(payslip::billNumber(QStringLiteral(" 5 ")), 5);
    // Other refusals are in the hostile-input table; this one overflows a 32-bit number.
    EXPECT_FALSE(payslip::billNumber(QStringLiteral("3000000000")));
    EXPECT_EQ(payslip::registeredBillDate(fundDb(), 5), kRegister);
    EXPECT_FALSE(payslip::registeredBillDate(fundDb(), 9));
    // The opening rows carry number 0; no typed number reaches them.
    EXPECT_FALSE(payslip::isRegisteredBill(fundDb(), 0, kRegister));
}

TEST_F(ChequeRegister, SaveChecksRunInOrderAndOneChequePerBill)
{
    ChequeEntry e{QStringLiteral("5"), kRegister, QStringLiteral(" "), QStringLiteral("31/02/2013"),
                  QStringLiteral("abc")};
    EXPECT_EQ(refusal(e), QStringLiteral("PLEASE ENTER CHEQUE NUMBER"));
    e.chequeNo = QStringLiteral("CHQ-501");
    EXPECT_EQ(refusal(e), QStringLiteral(" PLEASE ENTER CHEQUE DATE IN PROPER FORMAT"));
    e.chequeDate = QStringLiteral("05/04/13");
    EXPECT_EQ(refusal(e), QStringLiteral("PLEASE ENTER CHEQUE AMOUNT IN FIGURE"));
    e.amount = QStringLiteral("0");
    EXPECT_EQ(refusal(e), QStringLiteral("CHEQUE AMOUNT MUST BE MORE THAN 0 AND LESS THAN A THOUSAND CRORE"));
    e.amount = QStringLiteral("22300");
    ChequeEntry noBill = e;
    noBill.billDate = QDate();
    EXPECT_EQ(refusal(noBill), QStringLiteral("PLEASE ENTER THE BILL NUMBER AND PRESS ENTER TO FIND ITS BILL DATE"));
    noBill.billDate = QDate(2013, 4, 2); // no bill 5 of that date
    EXPECT_FALSE(refusal(noBill).isEmpty());

    ASSERT_EQ(refusal(e), QString());
    payslip::addCheque(fundDb(), e);
    EXPECT_EQ(testsupport::firstRow(fundDb(), QStringLiteral("SELECT bill_no, bill_date, cheque_no, cheque_date,"
                                                             " cheque_amt FROM cheque")),
              (QVariantList{5.0, kRegister, QStringLiteral("CHQ-501"), QDate(2013, 4, 5), 22300.0}));
    e.chequeNo = QStringLiteral("CHQ-999");
    EXPECT_EQ(refusal(e), QStringLiteral("Cheque for this bill has already entered in the Register"));
    EXPECT_EQ(payslip::checkCheque(fundDb(), e).value().box, ChequeBox::Cancel);
    // The table itself holds one cheque per bill, whatever writes to it.
    EXPECT_THROW(payslip::addCheque(fundDb(), e), vb::Error);

    // The same number under another year's date is another bill.
    fundDb().execute(QStringLiteral("INSERT INTO all_exp (head, bill_no, bill_date, pay) VALUES (?, 5, ?, 100)"),
                     {QString::fromLatin1(kHeadA), QDate(2014, 4, 1)});
    e.billDate = QDate(2014, 4, 1);
    EXPECT_EQ(refusal(e), QString());
    payslip::addCheque(fundDb(), e);
    EXPECT_EQ(scalar(fundDb(), QStringLiteral("SELECT count(*) FROM cheque")), 2);
}

TEST_F(ChequeRegister, GridEditsGetSavesChecks)
{
    addCheque(5, kRegister, QStringLiteral("CHQ-501"), 22300);
    addCheque(6, kRegister, QStringLiteral("CHQ-601"), 36302);
    const QString read = QStringLiteral("SELECT bill_no, cheque_no, cheque_amt FROM cheque WHERE rowid = 1");

    EXPECT_EQ(payslip::editCheque(fundDb(), 1, QStringLiteral("bill_no"), 6.0).value().message,
              QStringLiteral("Cheque for this bill has already entered in the Register"));
    EXPECT_EQ(testsupport::firstRow(fundDb(), read), (QVariantList{5.0, QStringLiteral("CHQ-501"), 22300.0}));

    EXPECT_FALSE(payslip::editCheque(fundDb(), 1, QStringLiteral("cheque_amt"), QStringLiteral("22000")));
    EXPECT_FALSE(payslip::editCheque(fundDb(), 1, QStringLiteral("cheque_no"), QStringLiteral("CHQ-502")));
    EXPECT_EQ(testsupport::firstRow(fundDb(), read), (QVariantList{5.0, QStringLiteral("CHQ-502"), 22000.0}));
}
