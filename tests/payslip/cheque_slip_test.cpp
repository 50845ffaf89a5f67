#include "common/inword.h"
#include "payslip/annexure.h"
#include "payslip/cheque_slip_figures.h"
#include "payslip_fixture.h"
#include "platform/vb/convert.h"
#include "platform/vb/error.h"

using namespace slipstest;
using payslip::SlipHead;

namespace {

using ChequeSlip = Office;

QStringList slipCodes()
{
    data::QueryRecordset rs(salaryDb(), QStringLiteral("SELECT sl_no, emp_code FROM chq_sal ORDER BY sl_no"));
    QStringList out;
    for (; !rs.eof(); rs.moveNext())
        out << rs.field("sl_no").text() + QLatin1Char(':') + rs.field("emp_code").text();
    return out;
}

} // namespace

TEST_F(ChequeSlip, WholeDateAndHeadFiguresUseTheRegisterDateOfAMarchBill)
{
    makeMarchBill();
    // The bill form's own working table is never touched.
    salaryDb().execute(QStringLiteral("INSERT INTO sal (emp_code, sl_no) VALUES ('S001', 1)"));

    // Today in March of the bill's year, and a year later: the bills are kept
    // under 1 April 2013 either way.
    for (const QDate day : {QDate(2013, 3, 20), QDate(2014, 3, 20)}) {
        forms::Clock::Override clock(day);
        const auto f = payslip::chooseSlipRows(salaryDb(), fundDb(), kMarch);
        EXPECT_EQ(f.employees, 4);
        EXPECT_EQ(f.bills, 2);
        EXPECT_EQ(f.billNumbers, (QList<double>{5, 6}));
        ASSERT_TRUE(f.net);
        EXPECT_EQ(*f.net, 58602);
        EXPECT_EQ(f.slipRows, 3);
    }
    EXPECT_EQ(common::inwordShort(58602), QStringLiteral("(FiftyEight Thousand Six Hundred Two) Only"));
    EXPECT_EQ(slipCodes(), (QStringList{"1:A101", "2:B201", "3:BA07"}));
    EXPECT_EQ(scalar(salaryDb(), QStringLiteral("SELECT count(*) FROM sal WHERE emp_code = 'S001'")), 1);

    // Head B takes the codes beginning with B, BA07 with them; head A leaves BA07 out.
    auto b = payslip::chooseSlipRows(salaryDb(), fundDb(), kMarch, SlipHead{kHeadB, QStringLiteral("B")});
    EXPECT_EQ(b.employees, 2);
    EXPECT_EQ(b.billNumbers, (QList<double>{6}));
    EXPECT_EQ(*b.net, 17562 + 18740);
    EXPECT_EQ(slipCodes(), (QStringList{"1:B201", "2:BA07"}));
    auto a = payslip::chooseSlipRows(salaryDb(), fundDb(), kMarch, SlipHead{kHeadA, QStringLiteral("A")});
    EXPECT_EQ(a.employees, 2); // A101 and the unpaid A102
    EXPECT_EQ(a.slipRows, 1);
    EXPECT_EQ(*a.net, 22300);
    EXPECT_EQ(a.billNumbers, (QList<double>{5}));

    // A date whose only row is unpaid: nothing to pay, chq_sal emptied.
    addRow({QStringLiteral("A102"), QDate(2013, 5, 31), 0, 0, 0, 0, 0, 300, 0, 300, 0, 0, 0, 0, 0, 0, 300});
    auto none = payslip::chooseSlipRows(salaryDb(), fundDb(), QDate(2013, 5, 31));
    EXPECT_EQ(none.employees, 1);
    EXPECT_FALSE(none.net);
    EXPECT_EQ(none.bills, 0);
    EXPECT_TRUE(slipCodes().isEmpty());
}

TEST_F(ChequeSlip, NetOfALargeBillIsShownToThePaisa)
{
    // Sixty nets of 12345.67 add up to 740740.20; summed as binary fractions
    // they come to 740740.200000001.
    const QDate date(2013, 6, 30);
    for (int i = 0; i < 60; ++i)
        addRow({QStringLiteral("C%1").arg(i, 3, 10, QLatin1Char('0')), date, 9000, 0, 0, 3345.67, 0, 0, 0, 12345.67,
                0, 0, 0, 0, 0, 0, 12345.67});
    const auto f = payslip::chooseSlipRows(salaryDb(), fundDb(), date);
    ASSERT_TRUE(f.net);
    EXPECT_EQ(vb::cstr(*f.net), QStringLiteral("740740.2"));
    EXPECT_EQ(payslip::refundText(*f.net, 740000), QStringLiteral("740.2"));
}

TEST_F(ChequeSlip, CreditedAmountLiesBetweenNothingAndTheNetTotal)
{
    EXPECT_EQ(payslip::creditedAmount(QStringLiteral(" 58000 "), 58602), 58000);
    EXPECT_EQ(payslip::creditedAmount(QStringLiteral("58602"), 58602), 58602);
    EXPECT_EQ(payslip::creditedAmount(QStringLiteral("0"), 58602), 0);
    EXPECT_FALSE(payslip::creditedAmount(QStringLiteral("-1"), 58602));
    EXPECT_FALSE(payslip::creditedAmount(QStringLiteral("58602.01"), 58602));
    EXPECT_FALSE(payslip::creditedAmount(QStringLiteral("58,000"), 58602));
    EXPECT_FALSE(payslip::creditedAmount(QStringLiteral(" "), 58602));
}

TEST_F(ChequeSlip, AnnexureAddsUpToItsTotalAndEnclosesEveryCountedBillsCheque)
{
    makeMarchBill();
    addCheque(5, kRegister, QStringLiteral("CHQ-501"), 22300);
    payslip::chooseSlipRows(salaryDb(), fundDb(), kMarch);
    const payslip::AnnexureRequest whole{kMarch, QString(), QStringLiteral("MAR-13"), 58000, QString(), QString()};

    // Bill 6 has no cheque yet: no annexure at all.
    try {
        payslip::buildAnnexure(salaryDb(), fundDb(), whole);
        FAIL() << "a bill without its cheque was enclosed";
    } catch (const vb::Error& e) {
        EXPECT_EQ(e.number, vb::NoCurrentRecord);
    }

    addCheque(6, kRegister, QStringLiteral("CHQ-601"), 36302);
    const auto a = payslip::buildAnnexure(salaryDb(), fundDb(), whole);
    ASSERT_EQ(a.employees.size(), 3);
    EXPECT_EQ(a.employees[0], (QStringList{"1", "Name A101", "CLERK", "SB-A101", "22300"}));
    EXPECT_EQ(a.employees[2], (QStringList{"3", "Name BA07", "CLERK", "SB-BA07", "18740"}));
    double sum = 0;
    for (const QStringList& row : a.employees)
        sum += row[4].toDouble();
    EXPECT_EQ(vb::cstr(sum), a.bookmark(QStringLiteral("rs")));
    QStringList names;
    for (const auto& [name, text] : a.bookmarks)
        names << name + QLatin1Char('=') + text;
    EXPECT_EQ(names, (QStringList{"month=MAR-13", "rs=58602", "credited=58602", "refunded=602", "chqamt=58000"}));
    ASSERT_EQ(a.cheques.size(), 2);
    EXPECT_EQ(a.cheques[0], (QStringList{"CHQ-501", "05/04/2013", "22300"}));
    EXPECT_EQ(a.cheques[1], (QStringList{"CHQ-601", "05/04/2013", "36302"}));

    // Head-wise: the head's employees and its one cheque; a cheque of another head is refused.
    payslip::chooseSlipRows(salaryDb(), fundDb(), kMarch, SlipHead{kHeadB, QStringLiteral("B")});
    const auto b = payslip::buildAnnexure(
        salaryDb(), fundDb(), {kMarch, QString::fromLatin1(kHeadB), QStringLiteral("MAR-13"), 36302, "chq-601", "36302"});
    EXPECT_EQ(b.employees.size(), 2);
    EXPECT_EQ(b.bookmark(QStringLiteral("rs")), QStringLiteral("36302"));
    EXPECT_EQ(b.bookmark(QStringLiteral("refunded")), QStringLiteral("0"));
    ASSERT_EQ(b.cheques.size(), 1);
    EXPECT_EQ(b.cheques[0][0], QStringLiteral("CHQ-601"));
    EXPECT_THROW(payslip::buildAnnexure(salaryDb(), fundDb(),
                                        {kMarch, QString::fromLatin1(kHeadB), QStringLiteral("MAR-13"), 0, "CHQ-501", "0"}),
                 vb::Error);
}

TEST_F(ChequeSlip, AnnexureListsNetsCarryingThirdsOfARupeeToThePaisa)
{
    // Unrounded loan instalments of 1000 / 3: A101 22300.67, B201 17562.33, BA07 18739.67.
    makeMarchBill();
    salaryDb().execute(QStringLiteral("UPDATE salary SET net = net + 2000.0 / 3 - 2000 / 3 WHERE emp_code = 'A101'"));
    salaryDb().execute(QStringLiteral("UPDATE salary SET net = 17562 + 1000.0 / 3 - 1000 / 3 WHERE emp_code = 'B201'"));
    salaryDb().execute(QStringLiteral("UPDATE salary SET net = 18740 - 1000.0 / 3 + 1000 / 3 WHERE emp_code = 'BA07'"));
    addCheque(5, kRegister, QStringLiteral("CHQ-501"), 22300);
    addCheque(6, kRegister, QStringLiteral("CHQ-601"), 36302);
    payslip::chooseSlipRows(salaryDb(), fundDb(), kMarch);
    const auto a = payslip::buildAnnexure(
        salaryDb(), fundDb(), {kMarch, QString(), QStringLiteral("MAR-13"), 58000, QString(), QStringLiteral("58000")});
    QStringList amounts;
    for (const QStringList& row : a.employees)
        amounts << row[4];
    EXPECT_EQ(amounts, (QStringList{"22300.67", "17562.33", "18739.67"}));
    EXPECT_EQ(a.bookmark(QStringLiteral("rs")), QStringLiteral("58602.67"));
    EXPECT_EQ(a.bookmark(QStringLiteral("credited")), QStringLiteral("58602.67"));
    EXPECT_EQ(a.bookmark(QStringLiteral("refunded")), QStringLiteral("602.67"));
}
