#include "payslip/annexure.h"
#include "payslip/cheque_slip_figures.h"
#include "payslip_fixture.h"
#include "platform/vb/convert.h"

using namespace slipstest;
using payslip::SlipHead;

namespace {

using ChequeSlip = Office;

// The working table's rows, "serial:code" in serial order.
QString slipCodes()
{
    return testsupport::firstRow(salaryDb(), "SELECT group_concat(printf('%d:%s', sl_no, emp_code), ' ')"
                                             " FROM (SELECT * FROM chq_sal ORDER BY sl_no)").value(0).toString();
}

// Employees, bills, net (-1 for none), slip rows, then the counted bills' numbers.
QList<double> summary(const payslip::SlipFigures& f)
{
    return QList<double>{double(f.employees), double(f.bills), f.net.value_or(-1), double(f.slipRows)} + f.billNumbers;
}

} // namespace

TEST_F(ChequeSlip, WholeDateAndHeadFiguresUseTheRegisterDateOfAMarchBill)
{
    makeMarchBill();
    // The bill form's own working table is never touched.
    salaryDb().execute("INSERT INTO sal (emp_code, sl_no) VALUES ('S001', 1)");

    // Today in March of the bill's year, and a year later: the bills are kept
    // under 1 April 2013 either way.
    for (const QDate day : {QDate(2013, 3, 20), QDate(2014, 3, 20)}) {
        forms::Clock::Override clock(day);
        EXPECT_EQ(summary(payslip::chooseSlipRows(salaryDb(), fundDb(), kMarch)),
                  (QList<double>{4, 2, 58602, 3, 5, 6}));
    }
    EXPECT_EQ(slipCodes() + " " + QString::number(number(salaryDb(), "SELECT count(*) FROM sal WHERE emp_code = 'S001'")),
              "1:A101 2:B201 3:BA07 1");

    // Head B takes the codes beginning with B, BA07 with them; head A leaves BA07 out.
    EXPECT_EQ(summary(payslip::chooseSlipRows(salaryDb(), fundDb(), kMarch, SlipHead{kHeadB, "B"})),
              (QList<double>{2, 1, 17562 + 18740, 2, 6}));
    EXPECT_EQ(slipCodes(), "1:B201 2:BA07");
    // A101, and A102 with nothing to credit.
    EXPECT_EQ(summary(payslip::chooseSlipRows(salaryDb(), fundDb(), kMarch, SlipHead{kHeadA, "A"})),
              (QList<double>{2, 1, 22300, 1, 5}));

    // A date whose only row has nothing to credit: chq_sal emptied.
    addRows({{"A102", QDate(2013, 5, 31), 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}});
    EXPECT_EQ(summary(payslip::chooseSlipRows(salaryDb(), fundDb(), QDate(2013, 5, 31))), (QList<double>{1, 0, -1, 0}));
    EXPECT_EQ(slipCodes(), "");
}

// 30 November 2013: A401 paid 18000 and a bonus of 4000, A402 15000 and a
// festival advance of 7500, A403 on leave without pay. Three employees of the
// date, two of them on the slip's list in four lines: 44500 to credit.
TEST_F(ChequeSlip, ABonusOrAdvanceBesideTheSalaryIsALineNotAnotherEmployee)
{
    const QDate date(2013, 11, 30);
    addRows({{"A401", date, 20000, 0, 0, 0, 0, 0, 0, 20000, 2000, 0, 0, 0, 0, 0, 18000},
             {"A401", date, 0, 0, 0, 0, 0, 0, 0, 4000, 0, 0, 0, 0, 0, 0, 4000},
             {"A402", date, 15000, 0, 0, 0, 0, 0, 0, 15000, 0, 0, 0, 0, 0, 0, 15000},
             {"A402", date, 0, 0, 0, 0, 0, 0, 0, 7500, 0, 0, 0, 0, 0, 0, 7500},
             {"A403", date, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}});
    const payslip::SlipFigures f = payslip::chooseSlipRows(salaryDb(), fundDb(), date);
    EXPECT_EQ(summary(f) << double(f.slipEmployees), (QList<double>{3, 0, 44500, 4, 2}));
    EXPECT_EQ(slipCodes(), "1:A401 2:A401 3:A402 4:A402");
}

TEST_F(ChequeSlip, NetOfALargeBillIsShownToThePaisa)
{
    // Sixty nets of 12345.67 add up to 740740.20; summed as binary fractions
    // they come to 740740.200000001.
    const QDate date(2013, 6, 30);
    for (int i = 0; i < 60; ++i)
        addRows({{QString("C%1").arg(i, 3, 10, QLatin1Char('0')), date, 9000, 0, 0, 3345.67, 0, 0, 0, 12345.67,
                0, 0, 0, 0, 0, 0, 12345.67}});
    const auto f = payslip::chooseSlipRows(salaryDb(), fundDb(), date);
    EXPECT_EQ(vb::cstr(f.net.value_or(0)) + " " + payslip::refundText(f.net.value_or(0), 740000), "740740.2 740.2");
}

// A row an older build stored with thirds in its gross (advance 1000/3) and
// its deduction (loan 4000/3): gross 39996.6667, deduction 3573.3333, net
// stored 36423.3334. The bank is asked for what the bill's sheets print,
// 39996.67 - 3573.33 = 36423.34, never 36423.33.
TEST_F(ChequeSlip, ARowOfThirdsInItsGrossAndDeductionIsCreditedAsItsSheetsPrintIt)
{
    const QDate date(2013, 7, 31);
    const double gross = 40330 - 1000.0 / 3, deduct = 2000 + 4000.0 / 3 + 30 + 60 + 150;
    addRows({{"A701", date, 25000, 4400, 1000.0 / 3, 8800, 1830, 300, 0, gross, 2000, 4000.0 / 3, 30, 60, 150, 0,
              gross - deduct}});
    EXPECT_EQ(vb::cstr(payslip::chooseSlipRows(salaryDb(), fundDb(), date).net.value_or(0)), "36423.34");
}

TEST_F(ChequeSlip, CreditedAmountLiesBetweenNothingAndTheNetTotal)
{
    using payslip::CreditedFault;
    const std::tuple<const char*, double, CreditedFault> cases[] = {
        {" 58000 ", 58000, CreditedFault::None},       {"58602", 58602, CreditedFault::None},
        {"0", 0, CreditedFault::None},                 {"58000.50", 58000.5, CreditedFault::None},
        {"-1", -1, CreditedFault::OutOfRange},         {"58602.01", -1, CreditedFault::OutOfRange},
        {"58,000", -1, CreditedFault::NotAFigure},     {" ", -1, CreditedFault::NotAFigure},
        {"58000.005", -1, CreditedFault::FinerThanPaisa}, {"0.001", -1, CreditedFault::FinerThanPaisa}};
    for (const auto& [typed, credited, fault] : cases) {
        EXPECT_EQ(payslip::creditedAmount(QString::fromLatin1(typed), 58602).value_or(-1), credited) << typed;
        EXPECT_EQ(payslip::creditedFault(QString::fromLatin1(typed), 58602), fault) << typed;
    }
}

// The document's rows and bookmarks, with paise, are checked in the March-bill test.
TEST_F(ChequeSlip, AnnexureNeedsEveryCountedBillsChequeListsEveryAmountToThePaisaAndOnlyTheHeadsOwn)
{
    // Rows an older build stored with unrounded loan instalments (thirds of a
    // rupee) and half a rupee of O.A.: A101 22300.67, BA07 18739.67; B201 17562.50.
    makeMarchBill();
    for (const char* sql : {"gpf_rec = gpf_rec - (2000.0 / 3 - 666), deduct = deduct - (2000.0 / 3 - 666),"
                            " net = net + (2000.0 / 3 - 666) WHERE emp_code = 'A101'",
                            "oa = oa + 0.5, gross = gross + 0.5, net = net + 0.5 WHERE emp_code = 'B201'",
                            "gpf_rec = gpf_rec + (1000.0 / 3 - 333), deduct = deduct + (1000.0 / 3 - 333),"
                            " net = net - (1000.0 / 3 - 333) WHERE emp_code = 'BA07'"})
        salaryDb().execute(QString("UPDATE salary SET ") + sql);
    addCheque(5, kRegister, "CHQ-501", 22300);
    payslip::chooseSlipRows(salaryDb(), fundDb(), kMarch);
    const payslip::AnnexureRequest whole{kMarch, QString(), "MAR-13", 58000, QString()};

    // Bill 6 has no cheque yet: no annexure at all.
    EXPECT_THROW(payslip::buildAnnexure(salaryDb(), fundDb(), whole), vb::Error);

    addCheque(6, kRegister, "CHQ-601", 36302);
    const auto a = payslip::buildAnnexure(salaryDb(), fundDb(), whole);
    QStringList amounts;
    for (const QStringList& row : a.employees)
        amounts << row[4];
    for (const char* name : {"rs", "credited", "refunded", "chqamt"})
        amounts << a.bookmark(QString::fromLatin1(name));
    for (const QStringList& row : a.cheques)
        amounts << row[2];
    EXPECT_EQ(amounts, (QStringList{"22300.67", "17562.50", "18739.67", "58602.84", "58602.84", "602.84", "58000.00",
                                    "22300.00", "36302.00"}));

    // Head-wise: the cheque number matched whatever its case; a cheque of another head is refused.
    payslip::chooseSlipRows(salaryDb(), fundDb(), kMarch, SlipHead{kHeadB, "B"});
    const auto b = payslip::buildAnnexure(salaryDb(), fundDb(), {kMarch, kHeadB, "MAR-13", 36302, "chq-601"});
    EXPECT_EQ(b.cheques, (QVector<QStringList>{{"CHQ-601", "05/04/2013", "36302.00"}}));
    EXPECT_THROW(payslip::buildAnnexure(salaryDb(), fundDb(), {kMarch, kHeadB, "MAR-13", 0, "CHQ-501"}), vb::Error);
}

// Nets with thirds of a rupee (loan instalments of 4000/3 and 8000/3) among whole rupees, 30 June 2013:
//   A201 41340 - 1333.3333 = 40006.6667 -> 40006.67     A205..A209 45000, 43836, 42000, 47000, 42000
//   A202 39836 - 1333.3333 = 38502.6667 -> 38502.67     (whole rupees: 219836)
//   A203 37540 - 1333.3333 = 36206.6667 -> 36206.67
//   A204 41708 - 2666.6667 = 39041.3333 -> 39041.33
// Each to the paisa: 40006.67 + 38502.67 + 36206.67 + 39041.33 = 153757.34; with 219836, 373593.34.
// Summed first: 153755 + 7/3 = 153757.3333, with 219836 373593.3333, which reads 373593.33.
using PaiseOfThirds = DesktopOffice;

TEST_F(PaiseOfThirds, FormLetterAndBankListCarryTheSumOfTheNetsEachToThePaisa)
{
    const QDate date(2013, 6, 30);
    const double loan = 4000.0 / 3;
    addRows({{"A201", date, 41340, 0, 0, 0, 0, 0, 0, 41340, 0, loan, 0, 0, 0, 0, 41340 - loan},
             {"A202", date, 39836, 0, 0, 0, 0, 0, 0, 39836, 0, loan, 0, 0, 0, 0, 39836 - loan},
             {"A203", date, 37540, 0, 0, 0, 0, 0, 0, 37540, 0, loan, 0, 0, 0, 0, 37540 - loan},
             {"A204", date, 41708, 0, 0, 0, 0, 0, 0, 41708, 0, 2 * loan, 0, 0, 0, 0, 41708 - 2 * loan}});
    const std::pair<const char*, double> whole[] = {
        {"A205", 45000}, {"A206", 43836}, {"A207", 42000}, {"A208", 47000}, {"A209", 42000}};
    for (const auto& [code, net] : whole)
        addRows({{code, date, net, 0, 0, 0, 0, 0, 0, net, 0, 0, 0, 0, 0, 0, net}});
    addBills(date, {{kHeadA, 21, 377540}});
    addCheque(21, date, "CHQ-2101", 373593.34);

    auto& f = slipForm(payslip::Form8::Mode::ChequeSlip);
    ASSERT_TRUE(testsupport::chooseByData(*f.Combo1, date));
    // The whole net is credited: nothing to refund, and the slip is made without a word.
    const QStringList said = testsupport::saidBy([&] {
        testsupport::type(*f.Text5, "373593.34");
        testsupport::pressEnter(*f.Text5);
        testsupport::click(*f.Command4);
    });
    EXPECT_EQ(captions({f.Label9, f.Label13, f.Label24, f.Label26}) + said,
              (QStringList{"9", "373593.34",
                           "(Three Lakh SeventyThree Thousand Five Hundred NinetyThreeAndThirtyFour) Only", "0"}));

    const QString doc = desktop.opened().value(0);
    QStringList amounts;
    for (const QStringList& row : tableRows(doc))
        amounts << row.last();
    EXPECT_EQ(amounts, (QStringList{"Amount", "373593.34", "Amount", "(5)", "40006.67", "38502.67", "36206.67",
                                    "39041.33", "45000.00", "43836.00", "42000.00", "47000.00", "42000.00"}));
    // "rs", "credited" and "chqamt" with the enclosed cheque; "refunded" nothing.
    EXPECT_EQ(occurrences(doc, {"373593.34", "0.00", "373593.33", "0.01"}), (QStringList{"4", "1", "0", "0"}));
}

// A pay bill of 30 September 2013 drawn with a bonus and a festival advance (rows of pay 0), bill 31 of head A:
//   A301 41340 less loan 1333.33 = 40006.67     A304 bonus 4000               A306 leave without pay: net 0
//   A302 39836 less loan 1333.33 = 38502.67     A305 festival advance 7500
//   A303 41708 less loan 2666.67 = 39041.33
// Credited: 40006.67 + 38502.67 + 39041.33 + 4000 + 7500 = 129050.67, five rows of six.
// Registered: pay 41340 + 39836 + 41708 = 122884, bonus 4000 + 7500 = 11500, deduction 1333.33 + 1333.33
// + 2666.67 = 5333.33; net 122884 + 11500 - 5333.33 = 129050.67, the cheque. A wages bill of the date pays
// nobody on the list, and head B's bill 34 (pay 1000, deduction 1000) pays nothing. A bonus of 15 October 2013 on a date of its own: A301 and A302 4000 each, registered
// as bill 32 with bonus 8000 and no pay, its cheque 8000.
using BonusOnTheSlip = DesktopOffice;

TEST_F(BonusOnTheSlip, RowsAndBillsWithANetAreCreditedBonusAndFestivalAdvanceIncluded)
{
    const QDate sep(2013, 9, 30), oct(2013, 10, 15);
    addRows({{"A301", sep, 41340, 0, 0, 0, 0, 0, 0, 41340, 0, 1333.33, 0, 0, 0, 0, 40006.67},
             {"A302", sep, 39836, 0, 0, 0, 0, 0, 0, 39836, 0, 1333.33, 0, 0, 0, 0, 38502.67},
             {"A303", sep, 41708, 0, 0, 0, 0, 0, 0, 41708, 0, 2666.67, 0, 0, 0, 0, 39041.33},
             {"A304", sep, 0, 0, 0, 0, 0, 0, 0, 4000, 0, 0, 0, 0, 0, 0, 4000},
             {"A305", sep, 0, 0, 0, 0, 0, 0, 0, 7500, 0, 0, 0, 0, 0, 0, 7500},
             {"A306", sep, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
             {"A301", oct, 0, 0, 0, 0, 0, 0, 0, 4000, 0, 0, 0, 0, 0, 0, 4000},
             {"A302", oct, 0, 0, 0, 0, 0, 0, 0, 4000, 0, 0, 0, 0, 0, 0, 4000}});
    addRegisteredBill(sep, kHeadA, 31, {{"pay", 122884}, {"bonus", 11500}, {"deduction", 5333.33}});
    addRegisteredBill(sep, "11111111111111102", 33, {{"wages", 5000}});
    addRegisteredBill(sep, kHeadB, 34, {{"pay", 1000}, {"deduction", 1000}});
    addRegisteredBill(oct, kHeadA, 32, {{"bonus", 8000}});
    addCheque(31, sep, "CHQ-3101", 129050.67);
    addCheque(32, oct, "CHQ-3201", 8000);

    auto& f = slipForm(payslip::Form8::Mode::ChequeSlip);
    const auto slip = [&](const QDate& date, const QString& amount, std::initializer_list<testsupport::Reply> replies) {
        const QStringList said = testsupport::saidBy(
            [&] {
                testsupport::chooseByData(*f.Combo1, date);
                testsupport::type(*f.Text5, amount);
                testsupport::pressEnter(*f.Text5);
                testsupport::click(*f.Command4);
            },
            replies);
        return captions({f.Label9, f.Label11, f.Label13, f.Label26}) + QStringList{f.List1->list(0)} + said;
    };
    // The whole net is credited: asked once about A306, nothing refunded.
    EXPECT_EQ(slip(sep, "129050.67", {{forms::vbYes, "WITHOUT PAY"}}),
              (QStringList{"6", "1", "129050.67", "0", "31", "Hi|4|ONE OR MORE EMPLOYEE EXIST WITHOUT PAY, CONTINUE YET ?"}));
    const QString doc = desktop.opened().value(0);
    QStringList amounts;
    for (const QStringList& row : tableRows(doc))
        amounts << row.first() + ' ' + row.last();
    EXPECT_EQ(amounts, (QStringList{"Cheque No. Amount", "CHQ-3101 129050.67", "Sl. No. Amount", "(1) (5)",
                                    "1 40006.67", "2 38502.67", "3 39041.33", "4 4000.00", "5 7500.00"}));
    // "rs", "credited" and "chqamt" with the enclosed cheque; "refunded" nothing.
    EXPECT_EQ(occurrences(doc, {"129050.67", "0.00", "117550.67"}), (QStringList{"4", "1", "0"}));

    // The bonus on its own date: its two rows and its bonus-only bill, no question.
    EXPECT_EQ(slip(oct, "8000", {}), (QStringList{"2", "1", "8000", "0", "32"}));
    QStringList bonus;
    for (const QStringList& row : tableRows(desktop.opened().value(1)).mid(1))
        bonus << row.first() + ' ' + row.last();
    EXPECT_EQ(bonus, (QStringList{"CHQ-3201 8000.00", "Sl. No. Amount", "(1) (5)", "1 4000.00", "2 4000.00"}));
}
