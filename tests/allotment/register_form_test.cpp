#include "allotment/register_form.h"

#include "register_rows.h"

#include "common/bill_totals.h"
#include "platform/forms/clock.h"
#include "platform/vb/convert.h"
#include "support/form_fixture.h"
#include "support/hostile_inputs.h"

using namespace allotmenttest;
using namespace allotment;
using forms::Forms;
using forms::Label;
using forms::vbNo;
using forms::vbYes;
using namespace testsupport;

namespace {

// The bill form lives in another module; Import reaches it by name only.
struct BillFormStandIn : forms::Form {
    BillFormStandIn()
    {
        for (int n = 61; n <= 66; ++n)
            new Label(QStringLiteral("Label%1").arg(n), QStringLiteral("0"), this);
    }
};

const QDate kStart(2012, 4, 1);
const QString kSure = "Alart message|308|ARE YOU SURE TO CLEAR ALL PREVIOUS RECORDS AND SET FOR CURRENT FINANCIAL YEAR?";

class Form1Test : public FormFixture<Form1> {
protected:
    Form1Test()
    {
        if (!Forms::isRegistered("Form6"))
            Forms::registerForm<BillFormStandIn>("Form6");
        for (const auto& [head, name, category] : {std::tuple{salary, "SALARY NP", "A"},
                 {office, "OFFICE EXPENSES", "B"}, {scheme, "SCHEME SP", "C"}, {wages, "WAGES", "D"}})
            addHead(head, name, category, kStart);
    }
    void SetUp() override { open(); }

    QStringList captions(std::initializer_list<int> labels)
    {
        QStringList out;
        for (int n : labels)
            out << label(n).caption();
        return out;
    }
    Label& billFormLabel(int n) { return Forms::control<Label>("Form6", QStringLiteral("Label%1").arg(n)); }
    // The bill form's six totals as its missing-bill question leaves them:
    // made for the bill of `date` under `head`, with what it draws outside
    // pay and allowances.
    void offerTotals(const QString& head, const QDate& date, const QStringList& totals, double bonus = 0)
    {
        for (int i = 0; i < 6; ++i)
            billFormLabel(61 + i).setCaption(totals[i]);
        billFormLabel(61).setProperty(common::kTotalsHeadProperty, head);
        billFormLabel(61).setProperty(common::kTotalsBillDateProperty, date);
        billFormLabel(61).setProperty(common::kTotalsBonusProperty, bonus);
    }
    QStringList billTotals()
    {
        QStringList out;
        for (int n = 61; n <= 66; ++n)
            out << billFormLabel(n).caption();
        return out;
    }
    void chooseHead(const QString& code) { ASSERT_TRUE(choose(*form->Combo1, code)); }
    QStringList enabledBoxes()
    {
        QStringList out;
        for (int n = 4; n <= 32; ++n)
            if (n != 16 && box(n).isEnabled())
                out << QStringLiteral("Text%1").arg(n);
        return out;
    }
    void walk(const QList<QWidget*>& chain, int key)
    {
        for (QWidget* next : chain) {
            pressKey(*focused(), key);
            ASSERT_EQ(focused(), next) << next->objectName().toStdString();
        }
    }
    // What OK of the allotment side, or of the bill side, said with these answers.
    QStringList allot(std::initializer_list<Reply> r = {}) { return saidBy([&] { form->Command1_Click(); }, r); }
    QStringList bill(std::initializer_list<Reply> r = {}) { return saidBy([&] { form->Command4_Click(); }, r); }
    // The rows of the allotment register and of the bill register.
    QList<int> rows() { return {count("select count(*) from all_allot"), count("select count(*) from all_exp")}; }

    ScriptedBoxes boxes;
    forms::Clock::Override today{QDate(2013, 3, 20)};
    const QString salary = code("NP", "01");
    const QString office = code("NP", "13");
    const QString scheme = code("SP", "50");
    const QString wages = code("NP", "02");
};

TEST_F(Form1Test, HeadChoiceShowsBalancesAndOpensTheSameBoxesInEitherOrder)
{
    EXPECT_EQ(form->DTPicker1->value(), kStart);
    EXPECT_EQ(captions({76, 77, 78}).join("") + enabledBoxes().join(","), "2012--2013");
    EXPECT_TRUE(!form->Command8->visible() && fitsSmallScreen(*form));

    addAllotment(salary, "F/1", QDate(2012, 5, 2), {{Pay, 120000.5}, {Da, 50000}});
    addBill(salary, 7, QDate(2012, 6, 30), {{Pay, 60000}, {Hra, 900}});
    addBill(office, 31, QDate(2012, 7, 1), {{Elec, 100}});
    chooseHead(salary);
    // Label67: another head's bill; one grid row, the opening row hidden; no box open before an entry option.
    EXPECT_EQ(captions({2, 10, 11, 12, 15, 67}) << QString::number(form->DBGrid1->rowCount()) << enabledBoxes(),
              (QStringList{"SALARY NP", "60000.5", "50000", "-900", "109100.5", "31", "1"}));

    // Option then head, or head then option: the same boxes.
    const QStringList allotBoxes{"Text11", "Text12", "Text13", "Text14"};
    const QStringList billBoxes{"Text25", "Text26", "Text27", "Text28"};
    // Each step: the option clicked (if any), then the head chosen (if any), then the boxes open.
    const std::tuple<forms::OptionButton*, QString, QStringList> steps[] = {{form->Option1, office, allotBoxes},
        {nullptr, wages, {"Text9"}}, {form->Option2, office, billBoxes}, {form->Option1, "", allotBoxes + billBoxes},
        {nullptr, scheme, {"Text17"}}, {form->Option3, salary, {}}};
    for (const auto& [option, head, expected] : steps) {
        if (option)
            click(*option);
        if (!head.isEmpty())
            chooseHead(head);
        EXPECT_EQ(enabledBoxes(), expected) << head.toStdString();
    }

    // A period that misses the opening rows: the question, nothing else.
    form->DTPicker1->setValue(QDate(2013, 4, 1));
    EXPECT_EQ(saidBy([&] { chooseHead(salary); }, {{vbNo, "Either"}}),
              QStringList{"|4|Either allotment or expenditure table is empty. Want to enter data now?"});
    EXPECT_EQ(label(10).caption(), "60000.5");
}

TEST_F(Form1Test, AllotmentIsCheckedInOrderSavedAndEveryBalanceRefreshed)
{
    click(*form->Option1);
    form->Text2->setText("F/12/7");
    EXPECT_EQ(allot(), QStringList{"|0|DRAWAL CODE NOT SELECTED"});

    chooseHead(scheme);
    click(*form->Option1);
    for (int n : {4, 5, 6, 7, 8, 9, 31, 10, 11, 12, 13, 14, 15, 17})
        EXPECT_TRUE(box(n).text() == "0" && box(n).selLength() == 1) << n;
    // First failure wins, in the fixed order: order number, pay, then D.pay.
    for (const auto& [order, pay, dPay, refusal] : {std::tuple{"", "abc", "", "ORDER NUMBER NOT MENTIONED"},
             {"   ", "abc", "", "ORDER NUMBER NOT MENTIONED"}, {" 0 ", "abc", "", "ORDER NUMBER NOT MENTIONED"},
             {"F/12/7", "abc", "", "PAY MUST BE A NUMBER"}, {"F/12/7", "0", "", "D.PAY MUST BE A NUMBER"}}) {
        form->Text2->setText(order);
        box(4).setText(pay);
        box(31).setText(dPay);
        EXPECT_EQ(allot(), QStringList{QString("|0|") + refusal}) << order;
    }
    EXPECT_EQ(rows(), (QList<int>{4, 4}));

    box(31).setText("0");
    box(17).setText("2500.75");
    form->DTPicker3->setValue(QDate(2012, 8, 9));
    EXPECT_EQ(allot({{vbYes, "ALLOTMENT ENTERED"}}),
              QStringList{"Hi|4|ALLOTMENT ENTERED SUCCESSFULLY UNDER THE HEAD OF A/C.\n\n" + scheme
                          + ". ENTER ANOTHER IN THE SAME HEAD?"});
    const int saved = count("select count(*) from all_allot where head = '" + scheme + "' and order_no = 'F/12/7' "
                            "and order_date = '2012-08-09' and scheme = 2500.75 and pay = 0 and despn = 'SCHEME SP'");
    EXPECT_EQ(captions({68}) << form->Text2->text() << box(17).text() << QString::number(saved),
              (QStringList{"2500.75", "", "0", "1"})); // balance too
    EXPECT_EQ(focused(), form->Text2);

    form->Text2->setText("F/12/8");
    box(17).setText("100");
    allot({{vbNo, "ALLOTMENT ENTERED SUCCESSFULLY"}});
    EXPECT_EQ(captions({68}) << box(17).text(), (QStringList{"2600.75", ""}));
    EXPECT_FALSE(form->Option1->value() || form->Command1->isEnabled());
}

TEST_F(Form1Test, EnterAndTabWalkTheOpenGroupToOk)
{
    chooseHead(office);
    click(*form->Option1);
    for (int key : {Qt::Key_Return, Qt::Key_Tab}) {
        focus(*form->Text2);
        EXPECT_EQ(form->Text2->backColor(), forms::entryFocusColour);
        walk({form->DTPicker3, &box(11), &box(12), &box(13), &box(14), form->Command1}, key);
        EXPECT_EQ(form->Text2->backColor(), forms::entryIdleColour);
    }
    EXPECT_TRUE(boxes.boxes().isEmpty()) << "Enter checks nothing";

    // The bill side of a salary head; Import is offered after the bill number.
    chooseHead(salary);
    click(*form->Option2);
    for (int key : {Qt::Key_Tab, Qt::Key_Return}) {
        focus(*form->Text16);
        walk({form->DTPicker4, &box(18), &box(19), &box(20), &box(21), &box(22), &box(32), form->Command4}, key);
    }
    EXPECT_TRUE(form->Command8->visible());
}

TEST_F(Form1Test, BillEntryMarchPayBillDeductionAndRefusals)
{
    chooseHead(salary);
    click(*form->Option2);
    form->DTPicker4->setValue(QDate(2013, 3, 15));
    box(18).setText("41000");
    box(32).setText("4800");
    const QString whole = "BILL NUMBER MUST BE A WHOLE NUMBER ABOVE 0";
    for (const auto& [bad, refusal] : {std::pair<const char*, QString>{"0", whole}, {"2.5", whole}, {"x1", whole},
             {"-3", whole}, {"2147483648", whole}, {"  ", "BILL NUMBER NOT MENTIONED"}}) {
        form->Text16->setText(bad);
        EXPECT_EQ(bill(), QStringList{"Hi|64|" + refusal}) << bad;
    }

    // Cancel at the deduction abandons the bill.
    const QString ask = "|0|THIS IS A PAY BILL.\nENTER TOTAL DEDUCTION OF THE BILL HERE.";
    form->Text16->setText("12");
    EXPECT_EQ(bill({typed(std::nullopt, "ENTER TOTAL DEDUCTION")}), QStringList{ask});
    EXPECT_TRUE(count("select count(*) from all_exp where bill_no = 12") == 0 && box(18).text() == "41000");

    // Letters are asked again; the March pay bill goes under 1 April of its year.
    EXPECT_EQ(bill({typed("twelve"), typed("1250"), {vbNo, "BILL ENTERED"}}),
              (QStringList{ask, "Hi|64|TOTAL DEDUCTION MUST BE A NUMBER", ask,
                           "Hi|4|BILL ENTERED SUCCESSFULLY UNDER THE HEAD OF A/C.\n\n" + salary
                               + ". ENTER ANOTHER IN THE SAME HEAD?"}));
    const int saved = count("select count(*) from all_exp where bill_no = 12 and bill_date = '2013-04-01' "
                            "and pay = 41000 and d_pay = 4800 and deduction = 1250 and despn = 'SALARY NP'");
    // 1 April 2013 lies outside the period
    EXPECT_EQ(captions({67, 10}) << QString::number(saved), (QStringList{"12", "0", "1"}));
    EXPECT_FALSE(form->Label83->visible() || form->Command4->isEnabled());
}

TEST_F(Form1Test, AmountsFinerThanThePaisaAreRefusedInTheBoxsOwnWordsAndNothingIsFiled)
{
    const QString paisa = " IS KEPT TO THE PAISA: TYPE AT MOST TWO FIGURES AFTER THE POINT";
    chooseHead(salary);
    click(*form->Option2);
    form->Text16->setText("12");
    box(18).setText("41000.005");
    EXPECT_EQ(bill(), QStringList{"Hi|64|PAY" + paisa});
    EXPECT_EQ(focused(), &box(18));
    box(18).setText("41000.50"); // a closing nought is no third figure
    box(21).setText("0.125");
    EXPECT_EQ(bill(), QStringList{"Hi|64|M.A." + paisa});
    box(21).setText("300");
    // The deduction is asked again, as for letters.
    const QString ask = "|0|THIS IS A PAY BILL.\nENTER TOTAL DEDUCTION OF THE BILL HERE.";
    EXPECT_EQ(bill({typed("1250.125"), typed("1250.13"), {vbNo, "BILL ENTERED"}}),
              (QStringList{ask, "Hi|64|TOTAL DEDUCTION" + paisa, ask,
                           "Hi|4|BILL ENTERED SUCCESSFULLY UNDER THE HEAD OF A/C.\n\n" + salary
                               + ". ENTER ANOTHER IN THE SAME HEAD?"}));
    EXPECT_EQ(count("select count(*) from all_exp where bill_no = 12 and pay = 41000.5 and ma = 300 "
                    "and deduction = 1250.13"),
              1);

    // An allotment order, a withdrawal too.
    chooseHead(scheme);
    click(*form->Option1);
    form->Text2->setText("W/9");
    for (const char* bad : {"2500.755", "-2500.755", "0.001"}) {
        box(17).setText(QString::fromLatin1(bad));
        EXPECT_EQ(allot(), QStringList{"|0|SCHEMATIC FUND" + paisa}) << bad;
    }
    EXPECT_EQ(rows(), (QList<int>{4, 5}));
}

TEST_F(Form1Test, ImportTakesThePayBillTotalsOnceAndOnlyForAPayBill)
{
    const QStringList totals{"52000", "37440", "2300", "900", "9600", "6120"};
    offerTotals(salary, form->DTPicker4->value(), totals);
    const auto import = [&] { return saidBy([&] { form->Command8_Click(); }); };

    chooseHead(wages);
    click(*form->Option2);
    EXPECT_EQ(import(), QStringList{"PLEASE NOTE|64|IMPORT IS ONLY FOR A NEW BILL UNDER A SALARY HEAD (OBJECT HEAD 01)."});
    EXPECT_EQ(billTotals(), totals);

    chooseHead(salary);
    click(*form->Option2);
    EXPECT_EQ(import(), QStringList{});
    EXPECT_EQ(texts({18, 19, 20, 21, 32}) << label(83).caption(), totals);
    EXPECT_EQ(billTotals(), QStringList(6, "0")); // taken once: the bill form's totals cleared

    EXPECT_EQ(import() << box(18).text(), (QStringList{"PLEASE NOTE|64|DATA NOT AVAILABLE. OPEN REPORT SECTION.", "52000"}));
    EXPECT_FALSE(form->Command8->visible());
}

// Head B's totals of 25/12/2012 while a bill of head A, or of another day,
// is entered: refused with the bill they belong to, nothing copied, the
// totals kept. Head B's own bill takes them, and OK proposes their deduction.
TEST_F(Form1Test, ImportTakesTotalsOnlyIntoTheirOwnBillAndProposesTheirDeduction)
{
    const QString headB = code("SP", "01");
    addHead(headB, "SALARY SP", "E", kStart);
    reopen();
    const QStringList totals{"117490", "81368", "11749", "1800", "23400", "16408"};
    const auto import = [&] { return saidBy([&] { form->Command8_Click(); }); };
    const auto billRow = [&](int billNo) {
        return firstRow(fund(), QStringLiteral("select head, bill_date, pay, da, hra, ma, d_pay, deduction from all_exp "
                                               "where bill_no = %1").arg(billNo));
    };
    offerTotals(headB, QDate(2012, 12, 25), totals);
    for (const auto& [head, date] : {std::pair{salary, QDate(2012, 12, 25)}, {headB, QDate(2012, 12, 24)}}) {
        chooseHead(head);
        click(*form->Option2);
        form->DTPicker4->setValue(date);
        EXPECT_EQ(import(), QStringList{"PLEASE NOTE|64|THE PAY-BILL TOTALS ARE OF THE BILL OF 25/12/2012 UNDER " + headB
                                        + " (SALARY SP).\nNOTHING IS COPIED: THEY ARE KEPT FOR THAT BILL. "
                                          "CHOOSE ITS HEAD AND BILL DATE TO IMPORT THEM."});
        EXPECT_EQ(texts({18, 19, 20, 21, 32}) << label(83).caption(), QStringList(5, "0") << "");
        EXPECT_EQ(billTotals(), totals);
    }

    form->DTPicker4->setValue(QDate(2012, 12, 25));
    EXPECT_EQ(import(), QStringList{});
    EXPECT_EQ(texts({18, 19, 20, 21, 32}) << label(83).caption(), totals);
    EXPECT_EQ(billTotals(), QStringList(6, "0"));
    // Enter at the deduction files the one shown beside it; the next bill,
    // typed by hand, is proposed none.
    form->Text16->setText("18");
    bill({enterOnInput("ENTER TOTAL DEDUCTION"), {vbYes, "BILL ENTERED"}});
    form->Text16->setText("19");
    box(18).setText("5000");
    bill({enterOnInput("ENTER TOTAL DEDUCTION"), {vbNo, "BILL ENTERED"}});
    EXPECT_EQ(billRow(18), (QVariantList{headB, QDate(2012, 12, 25), 117490.0, 81368.0, 11749.0, 1800.0, 23400.0, 16408.0}));
    EXPECT_EQ(billRow(19), (QVariantList{headB, QDate(2012, 12, 25), 5000.0, 0.0, 0.0, 0.0, 0.0, 0.0}));

    // March's pay, whose salary rows carry 1 April 2013, goes into a bill
    // dated in March: the register keeps both under 1 April. Its deduction
    // holds a loan instalment of 4000 / 3: shown and proposed to the paisa.
    offerTotals(headB, QDate(2013, 4, 1), QStringList(totals.mid(0, 5)) << vb::cstr(15075.0 + 4000.0 / 3));
    click(*form->Option2);
    form->DTPicker4->setValue(QDate(2013, 3, 28));
    EXPECT_EQ(import(), QStringList{});
    EXPECT_EQ(label(83).caption(), "16408.33");
    form->Text16->setText("20");
    bill({enterOnInput("ENTER TOTAL DEDUCTION"), {vbNo, "BILL ENTERED"}});
    EXPECT_EQ(billRow(20), (QVariantList{headB, QDate(2013, 4, 1), 117490.0, 81368.0, 11749.0, 1800.0, 23400.0, 16408.33}));

    // Imported figures stay with their bill: a date changed after Import is refused at OK.
    offerTotals(headB, QDate(2012, 11, 30), totals);
    click(*form->Option2);
    form->DTPicker4->setValue(QDate(2012, 11, 30));
    import();
    form->DTPicker4->setValue(QDate(2012, 12, 1));
    form->Text16->setText("21");
    EXPECT_EQ(bill(), QStringList{"Hi|64|THE IMPORTED FIGURES ARE OF THE BILL OF 30/11/2012 UNDER " + headB
                                  + " (SALARY SP).\nNOTHING IS SAVED: CHOOSE THAT HEAD AND BILL DATE AGAIN, "
                                    "OR CANCEL THE BILL."});
    EXPECT_EQ(count("select count(*) from all_exp where bill_no = 21"), 0);
}

// A bill that draws a bonus and recovers a festival advance, then a bill of
// bonus alone: the register's row is the whole bill. Worked by hand:
//   pay 18000 + grade pay 2400 + D.A. 11832 + H.R.A. 2040 + M.A. and O.A. 300
//   + bonus 4000 = 38572; deduction: the rows' 2060.83 + less F.A. 1350 =
//   3410.83; net 38572 - 3410.83 = 35161.17.
TEST_F(Form1Test, ImportCarriesTheBonusAndABillOfBonusAloneAndNothingWithoutTotals)
{
    const auto import = [&] { return saidBy([&] { form->Command8_Click(); }); };
    const QString none = "PLEASE NOTE|64|DATA NOT AVAILABLE. OPEN REPORT SECTION.";
    const QDate date = form->DTPicker4->value();
    chooseHead(salary);
    click(*form->Option2);

    // Figures made for no bill, or a bill made with no figure: nothing to take.
    offerTotals(salary, date, {"18000", "11832", "2040", "300", "2400", "3410.83"});
    billFormLabel(61).setProperty(common::kTotalsHeadProperty, QVariant());
    EXPECT_EQ(import(), QStringList{none});
    offerTotals(salary, date, QStringList(6, "0"));
    EXPECT_EQ(import(), QStringList{none});

    offerTotals(salary, date, {"18000", "11832", "2040", "300", "2400", "3410.83"}, 4000);
    EXPECT_EQ(import(), QStringList{});
    EXPECT_EQ(texts({18, 19, 20, 21, 32, 22}) << label(83).caption(),
              (QStringList{"18000", "11832", "2040", "300", "2400", "4000", "3410.83"}));
    EXPECT_FALSE(billFormLabel(61).property(common::kTotalsBonusProperty).isValid()
                 || billFormLabel(61).property(common::kTotalsHeadProperty).isValid());
    form->Text16->setText("31");
    bill({enterOnInput("ENTER TOTAL DEDUCTION"), {vbYes, "BILL ENTERED"}});
    const QString net = "select pay + d_pay + da + hra + ma + bonus - deduction from all_exp where bill_no = %1";
    EXPECT_EQ(vb::figure(number(net.arg(31))), "35161.17");
    EXPECT_EQ(number("select bonus from all_exp where bill_no = 31"), 4000);

    // A bonus of 4000.5 alone: no pay, still a bill.
    offerTotals(salary, date, QStringList(6, "0"), 4000.5);
    EXPECT_EQ(import(), QStringList{});
    EXPECT_EQ(texts({18, 22}) << label(83).caption(), (QStringList{"0", "4000.5", "0"}));
    form->Text16->setText("32");
    bill({enterOnInput("ENTER TOTAL DEDUCTION"), {vbNo, "BILL ENTERED"}});
    EXPECT_EQ(number(net.arg(32)), 4000.5);
}

// Refused for another bill, Import comes back once the head and the bill
// date named in the refusal are chosen, in either order.
TEST_F(Form1Test, ChoosingTheBillTheTotalsWereMadeForOffersImportAgain)
{
    const QString headB = code("SP", "01");
    addHead(headB, "SALARY SP", "E", kStart);
    reopen();
    const QDate made(2012, 12, 25);
    offerTotals(headB, made, {"117490", "81368", "11749", "1800", "23400", "16408"});
    const auto refusedThenOffered = [&](const std::function<void()>& chooseTheBill) {
        click(*form->Option2);
        saidBy([&] { form->Command8_Click(); });
        EXPECT_FALSE(form->Command8->visible());
        chooseTheBill();
        return form->Command8->visible();
    };

    chooseHead(salary);
    form->DTPicker4->setValue(made);
    EXPECT_TRUE(refusedThenOffered([&] { chooseHead(headB); })) << "the head chosen";
    // The date picked with the focus already there: leaving the bill number
    // (which offers Import of itself) plays no part.
    form->DTPicker4->setValue(made.addDays(-1));
    focus(*form->DTPicker4);
    EXPECT_TRUE(refusedThenOffered([&] { pickDate(*form->DTPicker4, made); })) << "the bill date chosen";
    // Another day, or another head, offers nothing.
    chooseHead(salary);
    focus(*form->DTPicker4);
    EXPECT_FALSE(refusedThenOffered([&] {
        pickDate(*form->DTPicker4, made.addDays(1));
        chooseHead(headB);
    }));
    EXPECT_FALSE(billTotals().contains("0"));
}

// A balance reads to the paisa; Import is offered however the bill number is left.
TEST_F(Form1Test, BalancesReadToThePaisaAndImportIsOfferedOnLeavingTheBillNumber)
{
    // 1000.05 - 999.95 and 0.3 - 0.1 leave binary fractions behind.
    addAllotment(salary, "F/2", QDate(2012, 5, 2), {{Pay, 1000.05}, {Da, 0.3}});
    addBill(salary, 9, QDate(2012, 6, 30), {{Pay, 999.95}, {Da, 0.1}});
    chooseHead(salary);
    EXPECT_EQ(captions({10, 11, 15}), (QStringList{"0.1", "0.2", "0.3"}));

    click(*form->Option2);
    for (const bool tab : {true, false}) {
        chooseHead(salary); // hides the button and puts the focus in the bill number
        ASSERT_TRUE(!form->Command8->visible() && focused() == form->Text16);
        if (tab)
            pressKey(*form->Text16, Qt::Key_Tab);
        else
            focus(box(19));
        EXPECT_TRUE(form->Command8->visible()) << (tab ? "Tab" : "a click into D.A.");
    }
}

TEST_F(Form1Test, ResetKeepsTheNewYearAndRefusesAStartThatIsNotFirstApril)
{
    addAllotment(salary, "F/1", QDate(2012, 5, 2), {{Pay, 1000}});
    addBill(salary, 7, QDate(2012, 6, 30), {{Pay, 600}});
    addBill(salary, 8, QDate(2013, 4, 1), {{Pay, 800}}); // the March pay bill
    addAllotment(salary, "F/13/1", QDate(2013, 4, 3), {{Pay, 5000}});
    const auto clear = [&](int command, std::initializer_list<Reply> r) {
        return saidBy([&] { command == 6 ? form->Command6_Click() : form->Command3_Click(); }, r);
    };

    form->DTPicker1->setValue(QDate(2013, 3, 1));
    click(*form->Option3);
    EXPECT_TRUE(clear(6, {}).value(0).startsWith("Please Note|48|A FINANCIAL YEAR BEGINS ON 1 APRIL."));

    form->DTPicker1->setValue(QDate(2013, 4, 1));
    click(*form->Option3);
    EXPECT_EQ(form->Text3->text() + " " + form->Text1->text(), "01/04/2013 01/04/2012");
    // No, the default of the question (Enter or Esc), keeps both registers.
    EXPECT_EQ(clear(3, {{vbNo, "ARE YOU SURE"}}), QStringList{kSure});
    EXPECT_EQ(rows(), (QList<int>{6, 6}));

    // Run twice in the registers' own tests; here once, with what the user sees.
    EXPECT_EQ(clear(6, {{vbYes, "ARE YOU SURE"}}), (QStringList{kSure, "Please Note|64|YOUR ALLOTMENT REGISTER IS EMPTY NOW"}));
    EXPECT_EQ(clear(3, {{vbYes, "ARE YOU SURE"}}), (QStringList{kSure, "|0|YOUR BILL REGISTER IS EMPTY NOW"}));
    EXPECT_TRUE(!form->Command3->isEnabled() && form->Command6->isEnabled());
    // Four opening rows each, F/13/1 and the March pay bill 8.
    EXPECT_EQ(rows(), (QList<int>{5, 5}));

    click(*form->Option3);
    click(*form->Option1); // disarms the reset panel
    EXPECT_TRUE(form->Text3->text().isEmpty() && !form->Command6->isEnabled());
}

TEST_F(Form1Test, RegisterAmountsWithinAThousandCroreOnlyAllotmentsNegativeAndOrderNumbersAsTyped)
{
    chooseHead(office);
    click(*form->Option2);
    form->Text16->setText("2147483647"); // the largest bill number
    for (const char* bad : {"-700", "1234567.890123456", ""}) { // the rest as for the scheme below
        box(25).setText(QString::fromLatin1(bad));
        EXPECT_EQ(bill(), QStringList{"Hi|64|ELEC. MUST BE A NUMBER"}) << bad;
    }

    // A withdrawal of funds is a negative allotment order, within a thousand crore.
    click(*form->Option1);
    form->Text2->setText("W/1");
    box(11).setText("-2500.50");
    allot({{vbNo, "ALLOTMENT ENTERED SUCCESSFULLY"}});
    const int saved = count("select count(*) from all_allot where order_no = 'W/1' and elec = -2500.5");
    click(*form->Option1);
    form->Text2->setText("W/2");
    box(11).setText("-10000000000");
    allot();
    EXPECT_EQ(rows() << saved, (QList<int>{5, 4, 1}));

    // Figures no register holds and order numbers no column holds: refused, no row written.
    chooseHead(scheme);
    click(*form->Option1);
    for (const QString& text : notAmounts().mid(1) + QStringList{"99999999999", "10000000000"}) {
        paste(*form->Text2, "F/12/7");
        paste(box(17), text);
        const QStringList said = allot();
        EXPECT_TRUE(said.size() == 1 && said[0].startsWith("|0|Schematic fund must")) << said.join('/').toStdString();
    }
    for (const auto& line : unstorable(form->Text2, "|0|ORDER NUMBER", 30))
        for (const QString& text : line.texts) {
            paste(*form->Text2, text);
            box(17).setText("10");
            EXPECT_EQ(allot(), line.said);
        }
    EXPECT_EQ(rows(), (QList<int>{5, 4}));

    // Odd order numbers are filed as typed (trimmed), one row each.
    for (const QString& text : keptTexts() + QStringList{"5 or 1=1", "  12  ", "1,000"}) {
        paste(*form->Text2, text);
        box(17).setText("  10  ");
        allot({{vbYes, "ALLOTMENT ENTERED SUCCESSFULLY"}});
        EXPECT_EQ(firstRow(fund(), "select order_no, scheme from all_allot order by rowid desc limit 1"),
                  (QVariantList{text.trimmed(), 10.0}));
    }
    EXPECT_EQ(rows(), (QList<int>{11, 4}));
}

} // namespace
