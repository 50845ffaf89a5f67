#include "bill_fixture.h"

#include <QApplication>
#include <QStringList>

namespace billtest {
namespace {

using testsupport::choose;
using testsupport::chooseByData;
using testsupport::click;

QList<forms::CommandButton*> billButtons(const paybill::Form6& f)
{
    return {f.Command2,  f.Command3,  f.Command4,  f.Command5,  f.Command6,  f.Command7,
            f.Command8,  f.Command10, f.Command11, f.Command12, f.Command13, f.Command14,
            f.Command15, f.Command16, f.Command17, f.Command18, f.Command19, f.Command20};
}

int enabledCount(const paybill::Form6& f)
{
    int n = 0;
    for (auto* b : billButtons(f))
        n += b->isEnabled();
    return n;
}

const QString kMissingS = QStringLiteral("NO BILL FOUND FOR THIS BILL DATE UNDER SALARY \n"
                                         "IN BILL REGISTER. EITHER THIS BILL NOT YET ENTERED\n"
                                         "OR HEAD OF ACCOUNT IS NOT MATCHING WITH BILL DATE\n"
                                         "DO YOU WANT TO ENTER BILL NUMBER NOW?");

TEST_F(BillForm, LoadingListsBillsHeadsAndOffices)
{
    makeBill(kMarchBill, 2);
    makeBill(kFebBill, 1);
    auto& f = open();

    EXPECT_EQ(f.caption(), QStringLiteral("SALARY AND SCHEDULE"));
    ASSERT_EQ(f.Combo1->listCount(), 2);
    EXPECT_EQ(f.Combo1->list(0), QStringLiteral("29/02/2012"));
    EXPECT_EQ(f.Combo1->list(1), QStringLiteral("31/03/2012"));
    // Only salary heads, each with its own drawal code behind a shared description.
    ASSERT_EQ(f.Combo2->listCount(), 2);
    EXPECT_EQ(f.Combo2->list(0), QStringLiteral("SALARY"));
    EXPECT_EQ(f.Combo2->itemData(0).toString(), QString::fromLatin1(kHeadS));
    EXPECT_EQ(f.Combo2->itemData(1).toString(), QString::fromLatin1(kHeadT));
    EXPECT_EQ(f.Combo3->listCount(), 2);
    EXPECT_EQ(f.Label10->caption(), QStringLiteral("Office of the Block Development Officer Nadia"));
    EXPECT_EQ(f.Label12->caption(), QStringLiteral("DDO-1"));
    // Today is 29 February 2028.
    EXPECT_EQ(f.Label26->caption(), QStringLiteral("01/04/2027"));
    EXPECT_EQ(f.Label58->caption(), QStringLiteral("2027-2028"));
    for (auto* l : {f.Label61, f.Label62, f.Label63, f.Label64, f.Label65, f.Label66})
        EXPECT_EQ(l->caption(), QStringLiteral("0"));
    // Before a bill date and head every command is out of reach, clicked or not.
    EXPECT_FALSE(f.Combo2->isEnabled());
    for (auto* b : billButtons(f))
        click(*b);
    click(*f.Command1);
    EXPECT_TRUE(boxes.boxes().isEmpty());
    EXPECT_EQ(enabledCount(f), 0);

    ASSERT_TRUE(choose(*f.Combo3, QStringLiteral("DDO-2")));
    EXPECT_EQ(f.Label10->caption(), QStringLiteral("Office of the Sub-Divisional Officer Ranaghat"));
    EXPECT_EQ(f.Label12->caption(), QStringLiteral("DDO-2"));
}

TEST_F(BillForm, ChoicesAndActivationFollowTheLabelContract)
{
    makeBill(kMarchBill, 3);
    addEmployee(QStringLiteral("S001"), QStringLiteral("C"));
    auto& f = open();

    ASSERT_TRUE(chooseByData(*f.Combo1, kMarchBill));
    EXPECT_TRUE(f.Combo2->isEnabled());
    ASSERT_TRUE(chooseByData(*f.Combo2, QString::fromLatin1(kHeadS)));
    EXPECT_EQ(f.Text2->text(), QStringLiteral("S"));
    EXPECT_EQ(f.Label7->caption(), QString::fromLatin1(kHeadS));
    EXPECT_EQ(f.Label6->caption(), QStringLiteral("MAR-12"));
    // Registered under 1 April 2012, found without a question.
    EXPECT_EQ(f.Label16->caption(), QStringLiteral("17"));
    EXPECT_TRUE(boxes.boxes().isEmpty());
    EXPECT_TRUE(f.Command1->isEnabled());
    EXPECT_EQ(enabledCount(f), 0);

    click(*f.Command1);
    f.Command1_Click(); // twice: the same working tables, not twice the rows
    EXPECT_EQ(f.Label18->caption(), QStringLiteral("3"));
    // Row 3 is of the 1983 scheme (if 3, sf 5); rows 1 and 2 pay 6 and 14.
    EXPECT_EQ(f.Label22->caption(), QStringLiteral("5"));
    EXPECT_EQ(f.Label23->caption(), QStringLiteral("3"));
    EXPECT_EQ(f.Label24->caption(), QStringLiteral("12"));
    EXPECT_EQ(f.Label25->caption(), QStringLiteral("28"));
    EXPECT_EQ(f.Label9->caption(), QStringLiteral("PREVIEW SCHEDULE AND PRINT ONE BY ONE"));
    EXPECT_EQ(f.Label20->caption(), QStringLiteral("PREVIEW PAY BILL SHEET AND PRINT"));
    EXPECT_EQ(f.Label21->caption(), QStringLiteral("PRINT WITHOUT PREVIEW"));
    EXPECT_FALSE(f.Command1->isEnabled());
    EXPECT_EQ(enabledCount(f), 18);
    EXPECT_EQ(scalar(QStringLiteral("SELECT count(*) FROM sal")), 3);

    // Another bill date: the old bill's buttons go until it is activated again.
    ASSERT_TRUE(chooseByData(*f.Combo1, kMarchBill));
    EXPECT_EQ(enabledCount(f), 0);
    EXPECT_FALSE(f.Command1->isEnabled());
    for (auto* l : {f.Label6, f.Label7, f.Label16, f.Label18})
        EXPECT_TRUE(l->caption().isEmpty());
    EXPECT_TRUE(f.Text2->text().isEmpty());
    EXPECT_TRUE(f.Combo2->text().isEmpty());

    // The second head of the same description is head T, not S.
    boxes.answer(forms::vbNo, QStringLiteral("NO BILL FOUND"));
    ASSERT_TRUE(chooseByData(*f.Combo2, QString::fromLatin1(kHeadT)));
    EXPECT_EQ(f.Text2->text(), QStringLiteral("T"));
    EXPECT_EQ(f.Label7->caption(), QString::fromLatin1(kHeadT));
    EXPECT_EQ(f.Label16->caption(), QStringLiteral("NIL"));

    // Head T has no rows: the tables are emptied and nothing is enabled.
    click(*f.Command1);
    ASSERT_EQ(boxes.boxes().size(), 2);
    EXPECT_EQ(boxes.boxes().last().prompt,
              QStringLiteral("BILL DATE NOT MATCHING WITH SALARY HEAD.\nNOTHING TO DISPLAY."));
    EXPECT_EQ(boxes.boxes().last().style, forms::vbOKOnly);
    EXPECT_EQ(f.Label18->caption(), QStringLiteral("0"));
    EXPECT_EQ(f.Label22->caption() + f.Label23->caption() + f.Label24->caption() + f.Label25->caption(), "0000");
    EXPECT_TRUE(f.Command1->isEnabled());
    EXPECT_EQ(enabledCount(f), 0);
    EXPECT_EQ(scalar(QStringLiteral("SELECT count(*) FROM sal")), 0);

    // CLOSE unloads the form; the menu makes a fresh one.
    click(*f.Command9);
    testsupport::settle();
    EXPECT_FALSE(forms::Forms::isLoaded(QStringLiteral("Form6")));
}

TEST_F(BillForm, MissingBillQuestionBothWays)
{
    forms::Forms::registerForm<Form1>(QStringLiteral("Form1"));
    makeBill(kMarchBill, 2);
    makeBill(kFebBill, 2);
    auto& f = open();

    // No: the bill number reads NIL.
    ASSERT_TRUE(chooseByData(*f.Combo1, kFebBill));
    boxes.answer(forms::vbNo, QStringLiteral("NO BILL FOUND"));
    ASSERT_TRUE(chooseByData(*f.Combo2, QString::fromLatin1(kHeadS)));
    ASSERT_EQ(boxes.boxes().size(), 1);
    EXPECT_EQ(testsupport::said(boxes.boxes().first()), QStringLiteral("Missing Bill No Alert.|4|") + kMissingS);
    EXPECT_EQ(f.Label16->caption(), QStringLiteral("NIL"));
    EXPECT_EQ(f.Label61->caption(), QStringLiteral("0"));
    EXPECT_FALSE(forms::Forms::isLoaded(QStringLiteral("Form1")));

    // March's bill under S is registered. Changing only the head to T, whose
    // bill is not, and answering Yes leaves NIL, not S's 17; T has no rows.
    ASSERT_TRUE(chooseByData(*f.Combo1, kMarchBill));
    ASSERT_TRUE(chooseByData(*f.Combo2, QString::fromLatin1(kHeadS)));
    EXPECT_EQ(f.Label16->caption(), QStringLiteral("17"));
    boxes.clearBoxes();
    boxes.answer(forms::vbYes, QStringLiteral("NO BILL FOUND"));
    ASSERT_TRUE(chooseByData(*f.Combo2, QString::fromLatin1(kHeadT)));
    EXPECT_EQ(f.Label16->caption(), QStringLiteral("NIL"));
    ASSERT_EQ(boxes.boxes().size(), 2);
    EXPECT_EQ(testsupport::said(boxes.boxes().last()),
              QStringLiteral("PLEASE NOTE|0|NO RECORD FOUND IN SALARY HEAD ON 31/03/2012\n\n"));
    EXPECT_EQ(f.Label61->caption(), QStringLiteral("0"));
    EXPECT_FALSE(forms::Forms::isLoaded(QStringLiteral("Form1")));

    // Yes on February's bill of S hands its totals to the bill register.
    ASSERT_TRUE(chooseByData(*f.Combo1, kFebBill));
    boxes.answer(forms::vbYes, QStringLiteral("NO BILL FOUND"));
    ASSERT_TRUE(chooseByData(*f.Combo2, QString::fromLatin1(kHeadS)));
    EXPECT_EQ(f.Label16->caption(), QStringLiteral("NIL"));
    // Rows 1 and 2: pay 1000 and 2000, D.A. a tenth, H.R.A. a twentieth, M.A.
    // 300 each, grade pay 9999 and 9998, deductions 630 each.
    EXPECT_EQ(f.Label61->caption(), QStringLiteral("3000"));
    EXPECT_EQ(f.Label62->caption(), QStringLiteral("300"));
    EXPECT_EQ(f.Label63->caption(), QStringLiteral("150"));
    EXPECT_EQ(f.Label64->caption(), QStringLiteral("600"));
    EXPECT_EQ(f.Label65->caption(), QStringLiteral("19997"));
    EXPECT_EQ(f.Label66->caption(), QStringLiteral("1260"));
    EXPECT_TRUE(forms::Forms::isLoaded(QStringLiteral("Form1")));
    EXPECT_TRUE(forms::Forms::get(QStringLiteral("Form1")).isVisible());
}

TEST_F(BillForm, BillEnteredSinceIsLookedUpOnActivationAndBeforeActivateNow)
{
    makeBill(kFebBill, 2);
    auto& f = open();
    ASSERT_TRUE(chooseByData(*f.Combo1, kFebBill));
    boxes.answer(forms::vbNo, QStringLiteral("NO BILL FOUND"));
    ASSERT_TRUE(chooseByData(*f.Combo2, QString::fromLatin1(kHeadS)));
    ASSERT_EQ(f.Label16->caption(), QStringLiteral("NIL"));

    // Entered in the register meanwhile, as Import and OK there do.
    const auto enterBill = [](const char* head, int billNo) {
        fundDb().execute(QStringLiteral("INSERT INTO all_exp (head, bill_no, bill_date) VALUES (?, ?, ?)"),
                         {QString::fromLatin1(head), billNo, kFebBill});
    };
    enterBill(kHeadS, 18);
    click(*f.Command1); // ACTIVATE NOW
    EXPECT_EQ(f.Label16->caption(), QStringLiteral("18"));

    // Back on the form from the register's window.
    boxes.answer(forms::vbNo, QStringLiteral("NO BILL FOUND"));
    ASSERT_TRUE(chooseByData(*f.Combo2, QString::fromLatin1(kHeadT)));
    EXPECT_EQ(f.Label16->caption(), QStringLiteral("NIL"));
    enterBill(kHeadT, 19);
    QEvent activation(QEvent::WindowActivate);
    QApplication::sendEvent(&f, &activation);
    EXPECT_EQ(f.Label16->caption(), QStringLiteral("19"));
}

TEST_F(BillForm, FailedActivationSaysSoAndKeepsTheOldBill)
{
    makeBill(kMarchBill, 3);
    auto& f = open();
    activate(kMarchBill);
    ASSERT_EQ(enabledCount(f), 18);

    addSalary(kMarchBill, {"S099", 1, 6, 14, 0, 0, 0, 500});
    salaryDb().execute(QStringLiteral("ALTER TABLE temp1 RENAME TO temp1_away"));
    ASSERT_TRUE(chooseByData(*f.Combo2, QString::fromLatin1(kHeadS)));
    click(*f.Command1);
    salaryDb().execute(QStringLiteral("ALTER TABLE temp1_away RENAME TO temp1"));

    ASSERT_EQ(boxes.boxes().size(), 1);
    EXPECT_EQ(boxes.boxes().first().prompt,
              QStringLiteral("\"ACTIVATE NOW\" could not be finished: the data file could not be read or written; "
                             "nothing of it was saved.\nThe working tables of the bill are left as they were."));
    EXPECT_TRUE(boxes.boxes().first().details.contains(QStringLiteral("temp1")));
    EXPECT_EQ(boxes.boxes().first().style, forms::vbCritical);
    EXPECT_EQ(scalar(QStringLiteral("SELECT count(*) FROM sal")), 3);
    EXPECT_EQ(f.Label18->caption(), QStringLiteral("3"));
    EXPECT_TRUE(f.Command1->isEnabled());
    EXPECT_EQ(enabledCount(f), 0);
}

} // namespace
} // namespace billtest
