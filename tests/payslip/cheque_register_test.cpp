#include "payslip/cheque_register.h"
#include "payslip_fixture.h"

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

TEST_F(ChequeRegister, SaveChecksRunInOrderAndOneChequePerBill)
{
    // Each check in turn, the earlier ones passed; the last has no bill 5 of its date.
    const ChequeEntry good{"5", kRegister, "CHQ-501", "05/04/13", "22300"};
    const std::pair<ChequeEntry, const char*> cases[] = {
        {{"5", kRegister, " ", "31/02/2013", "abc"}, "PLEASE ENTER CHEQUE NUMBER"},
        {{"5", kRegister, "CHQ-501", "31/02/2013", "abc"}, " PLEASE ENTER CHEQUE DATE IN PROPER FORMAT"},
        {{"5", kRegister, "CHQ-501", "05/04/13", "abc"}, "PLEASE ENTER CHEQUE AMOUNT IN FIGURE"},
        {{"5", kRegister, "CHQ-501", "05/04/13", "0"}, "CHEQUE AMOUNT MUST BE MORE THAN 0 AND LESS THAN A THOUSAND CRORE"},
        {{"5", QDate(), "CHQ-501", "05/04/13", "22300"}, "PLEASE ENTER THE BILL NUMBER AND PRESS ENTER TO FIND ITS BILL DATE"},
        {{"5", QDate(2013, 4, 2), "CHQ-501", "05/04/13", "22300"}, "PLEASE ENTER THE BILL NUMBER AND PRESS ENTER TO FIND ITS BILL DATE"}};
    for (const auto& [entry, message] : cases)
        EXPECT_EQ(refusal(entry), QString::fromLatin1(message));
    ChequeEntry e = good;
    ASSERT_EQ(refusal(e), QString());
    payslip::addCheque(fundDb(), e);
    EXPECT_EQ(testsupport::firstRow(fundDb(), "SELECT bill_no, bill_date, cheque_no, cheque_date, cheque_amt FROM cheque"),
              (QVariantList{5.0, kRegister, "CHQ-501", QDate(2013, 4, 5), 22300.0}));
    e.chequeNo = "CHQ-999";
    EXPECT_EQ(refusal(e) + (payslip::checkCheque(fundDb(), e).value().box == ChequeBox::Cancel ? " (Cancel)" : ""),
              "Cheque for this bill has already entered in the Register (Cancel)");
    // The table itself holds one cheque per bill, whatever writes to it.
    EXPECT_THROW(payslip::addCheque(fundDb(), e), vb::Error);

    // The same number under another year's date is another bill.
    addBills(QDate(2014, 4, 1), {{kHeadA, 5, 100}});
    e.billDate = QDate(2014, 4, 1);
    EXPECT_EQ(refusal(e), QString());
    payslip::addCheque(fundDb(), e);
    EXPECT_EQ(number(fundDb(), "SELECT count(*) FROM cheque"), 2);
}

TEST_F(ChequeRegister, GridEditsGetSavesChecks)
{
    addCheque(5, kRegister, "CHQ-501", 22300);
    addCheque(6, kRegister, "CHQ-601", 36302);
    const QString read = "SELECT bill_no, cheque_no, cheque_amt FROM cheque WHERE rowid = 1";

    EXPECT_EQ(payslip::editCheque(fundDb(), 1, "bill_no", 6.0).value().message,
              "Cheque for this bill has already entered in the Register");
    EXPECT_EQ(testsupport::firstRow(fundDb(), read), (QVariantList{5.0, "CHQ-501", 22300.0}));

    EXPECT_FALSE(payslip::editCheque(fundDb(), 1, "cheque_amt", "22000"));
    EXPECT_FALSE(payslip::editCheque(fundDb(), 1, "cheque_no", "CHQ-502"));
    EXPECT_EQ(testsupport::firstRow(fundDb(), read), (QVariantList{5.0, "CHQ-502", 22000.0}));
}
