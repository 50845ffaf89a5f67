#include "payslip/pay_reports.h"
#include "payslip_fixture.h"

using namespace slipstest;
using namespace testsupport;
using payslip::Form8;
using SlipForm = Office;

// The row written and the checks' order are in the cheque register's and the hostile-input tests.
TEST_F(SlipForm, ModesSetTheirWholeStateThenChequeEntrySavesOnce)
{
    makeMarchBill();
    auto& f = slipForm(Form8::Mode::ChequeSlip);
    EXPECT_EQ(captions({f.Label32, f.Label33, f.Label31}),
              (QStringList{"Office of the Block Development Officer Nadia", "DDO-7", "01/04/2013"}));
    EXPECT_TRUE(!f.Timer1->enabled() && f.Combo2->locked());

    // Enabled, in the order Command1 Combo2 Combo1 Text1 DBGrid1 Command3 Combo3 Text5 Command4 Command2.
    QStringList enabled;
    for (auto mode : {Form8::Mode::PaySlip, Form8::Mode::ChequeEntry, Form8::Mode::ChequeSlip, Form8::Mode::PaySlip,
                      Form8::Mode::ChequeSlip, Form8::Mode::ChequeEntry}) {
        f.setMode(mode);
        enabled << QString();
        for (const QWidget* w : std::initializer_list<const QWidget*>{f.Command1, f.Combo2, f.Combo1, f.Text1,
                                                                       f.DBGrid1, f.Command3, f.Combo3, f.Text5,
                                                                       f.Command4, f.Command2})
            enabled.last() += w->isEnabled() ? '1' : '0';
    }
    EXPECT_EQ(enabled, (QStringList{"1110000001", "0001110001", "0010001111", "1110000001", "0010001111", "0001110001"}));
    ASSERT_EQ(focused(), f.Text1);

    // Cheque entry: an unknown bill, then bill 5 found; a number typed after the look-up has no date.
    EXPECT_EQ(saidBy([&] { enter(*f.Text1, "9"); }), QStringList{"PLEASE NOTE|64|THIS BILL NUMBER NOT FOUND"});
    enter(*f.Text1, "5");
    EXPECT_EQ(focused(), f.Text2);
    type(*f.Text1, "6");
    EXPECT_EQ(f.Label7->caption(), QString());
    // Saved once, the boxes emptied; the second cheque for bill 5 is refused and the boxes kept.
    const auto fields = [&] {
        return QStringList{f.Text1->text(), f.Text2->text(), f.Text3->text(), f.Text4->text(), f.Label7->caption()}.join('|');
    };
    QStringList seen;
    for (const char* cheque : {"CHQ-501", "CHQ-777"}) {
        enter(*f.Text1, "5");
        seen << f.Label7->caption();
        typeCheque(f, cheque, "05/04/2013", "22300");
        click(*f.Command3);
        seen << fields();
    }
    EXPECT_EQ(seen + shown(), (QStringList{"01/04/2013", "||||", "01/04/2013", "5|CHQ-777|05/04/2013|22300|01/04/2013",
                                           "RECORD ENTERED SUCCESSFULLY",
                                           "Cheque for this bill has already entered in the Register"}));
    EXPECT_TRUE(focused() == f.Command5 && f.DBGrid1->rowCount() == 1);
    click(*f.Command5);
    EXPECT_EQ(fields(), " | | | | ");
}

// Every slip of a date is printed in the March-bill test.
TEST_F(SlipForm, OneSlipFromTheSalaryRows)
{
    makeMarchBill();
    // Codes with rows on other dates only: one removed, one in neither table.
    for (const char* code : {"Z999", "R900"})
        salaryDb().execute("INSERT INTO salary (emp_code, bill_date, pay) VALUES (?, ?, 1)", {code, QDate(2012, 1, 31)});
    auto& f = slipForm(Form8::Mode::PaySlip);
    boxes.answer(forms::vbYes, "NOT EXIST").answer(forms::vbYes, "NOT EXIST");
    ASSERT_TRUE(chooseByData(*f.Combo1, kMarch));
    // One slip: a code in neither table shows no name; one with no row on the date gets no slip.
    QStringList names;
    for (const char* code : {"Z999", "R900", "BA07"}) {
        ASSERT_TRUE(choose(*f.Combo2, code));
        names << f.Label4->caption();
        click(*f.Command7);
    }
    EXPECT_EQ(names + shown() + textsOf(layoutOf<payslip::DataReport7>(), {"Text1", "Amount15"}),
              (QStringList{"", "Ramen Sil", "Name BA07", "EMPLOYEE NOT EXIST IN THE ESTABLISHMENT. CONTINUE YET ?",
                           "EMPLOYEE NOT FOUND IN BACK UP TABLE.", "NO RECORD FOUND",
                           "EMPLOYEE NOT EXIST IN THE ESTABLISHMENT. CONTINUE YET ?", "NO RECORD FOUND", "BA07", "18740"}));
}

// The date's figures themselves are worked in the cheque-slip and March-bill tests.
TEST_F(SlipForm, ChequeSlipChecksEverythingBeforeAnyDocumentAndATypedAmountBelongsToItsDate)
{
    makeMarchBill();
    addRows({{"A102", QDate(2013, 5, 31), 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}});
    addCheque(5, kRegister, "CHQ-501", 22300);
    auto& f = slipForm(Form8::Mode::ChequeSlip);

    click(*f.Command4);
    EXPECT_TRUE(f.Timer1->enabled());
    for (int i = 0; i < 10; ++i)
        f.Timer1->tick();
    EXPECT_TRUE(!f.Timer1->enabled() && !f.Label37->visible());
    boxes.clearBoxes();

    // A typed amount and its refund belong to the date typed for.
    ASSERT_TRUE(chooseByData(*f.Combo1, kMarch));
    EXPECT_TRUE(!f.Combo2->locked() && f.Label22->visible());
    type(*f.Text5, "58000");
    pressEnter(*f.Text5);
    EXPECT_EQ(f.Label26->caption(), "602");
    ASSERT_TRUE(chooseByData(*f.Combo1, QDate(2013, 5, 31)));
    EXPECT_EQ(shown() + captions({f.Label6, f.Label9, f.Label13, f.Label24, f.Label26}) << f.Text5->text()
                  << QString::number(f.List1->listCount() + number(salaryDb(), "SELECT count(*) FROM chq_sal")),
              (QStringList{"NO RECORD FOUND", "MAY-13", "1", " ", " ", " ", " ", "0"}));

    ASSERT_TRUE(chooseByData(*f.Combo1, kMarch));
    type(*f.Text5, "60000");
    pressEnter(*f.Text5);
    EXPECT_EQ(shown() << f.Label26->caption(),
              (QStringList{"THE AMOUNT TO BE CREDITED CANNOT BE LESS THAN 0 OR MORE THAN THE NET AMOUNT OF THE BILL (S)", " "}));
    type(*f.Text5, "58602");
    // Four rows on the date, three with a net; bill 6 has no cheque yet.
    EXPECT_EQ(saidBy([&] { click(*f.Command4); }, {{forms::vbYes, "WITHOUT PAY"}}) << f.Label26->caption(),
              (QStringList{"Hi|4|ONE OR MORE EMPLOYEE EXIST WITHOUT PAY, CONTINUE YET ?", "Hi|16|SOME RECORDS ARE MISSING", "0"}));

    ASSERT_TRUE(chooseByData(*f.Combo3, kHeadA));
    // The 58602 typed for the whole date is more than the head's net: no refund stands (Label26).
    EXPECT_EQ(captions({f.Label29, f.Label9, f.Label11, f.Label13, f.Label26, f.Label39}),
              (QStringList{"A", "2", "1", "22300", " ", "1"}));
    EXPECT_TRUE(f.Text6->visible() && focused() == f.Text5);
    // A new date keeps the head.
    ASSERT_TRUE(chooseByData(*f.Combo1, kMarch));
    EXPECT_EQ(f.Label13->caption(), "22300");
    click(*f.Command6);
    EXPECT_FALSE(f.Text6->visible());
}

TEST_F(SlipForm, HeadWiseChequeSlipAsksOnceAboutANumberNotInTheRegister)
{
    makeMarchBill();
    addCheque(5, kRegister, "CHQ-501", 22300);
    auto& f = slipForm(Form8::Mode::ChequeSlip);
    ASSERT_TRUE(chooseByData(*f.Combo1, kMarch));
    ASSERT_TRUE(chooseByData(*f.Combo3, kHeadA));
    type(*f.Text5, "22300");
    pressEnter(*f.Text5);
    ASSERT_EQ(focused(), f.Text6);

    const QString notFound = "Hi|4|THIS CHEQUE NUMBER NOT FOUND. ENTER CORRECT NUMBER NOW?";
    // CHEQUE SLIP from the empty box, then the box left again as it was: one
    // question. A number typed afterwards is a new number, asked about once;
    // a registered one is not asked about.
    EXPECT_EQ(saidBy(
                  [&] {
                      click(*f.Command4);
                      focus(*f.Text5);
                      type(*f.Text6, "CHQ-999");
                      focus(*f.Text5);
                      focus(*f.Text6);
                      focus(*f.Text5);
                      type(*f.Text6, "CHQ-501");
                      focus(*f.Text5);
                  },
                  {{forms::vbYes, "NOT FOUND"}, {forms::vbNo, "NOT FOUND"}}),
              (QStringList{notFound, "Hi|64|YOU ARE ABOUT TO PREPARE A FILTERED REPORT.\r\nSO, PLEASE ENTER CHEQUE NUMBER",
                           notFound}));
}
