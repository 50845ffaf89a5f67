#include "bill_fixture.h"

#include "support/report_texts.h"

#include <QApplication>
#include <QStringList>

namespace billtest {
namespace {

using testsupport::captions;
using testsupport::choose;
using testsupport::chooseByData;
using testsupport::click;
using testsupport::saidBy;

int enabledCount(const paybill::Form6& f)
{
    int n = 0;
    for (auto* b : {f.Command2, f.Command3, f.Command4, f.Command5, f.Command6, f.Command7, f.Command8, f.Command10,
                    f.Command11, f.Command12, f.Command13, f.Command14, f.Command15, f.Command16, f.Command17,
                    f.Command18, f.Command19, f.Command20})
        n += b->isEnabled();
    return n;
}

const QString kMissingS = QStringLiteral("Missing Bill No Alert.|4|NO BILL FOUND FOR THIS BILL DATE UNDER SALARY \n"
                                         "IN BILL REGISTER. EITHER THIS BILL NOT YET ENTERED\n"
                                         "OR HEAD OF ACCOUNT IS NOT MATCHING WITH BILL DATE\n"
                                         "DO YOU WANT TO ENTER BILL NUMBER NOW?");

TEST_F(BillForm, LoadingListsBillsHeadsAndOffices)
{
    makeBill(kMarchBill, 2);
    makeBill(kFebBill, 1);
    auto& f = open();

    EXPECT_EQ(f.caption(), QStringLiteral("SALARY AND SCHEDULE"));
    EXPECT_EQ((QStringList{f.Combo1->list(0), f.Combo1->list(1)}), (QStringList{"29/02/2012", "31/03/2012"}));
    // Only salary heads, each with its own drawal code behind a shared description.
    EXPECT_EQ((QStringList{QString::number(f.Combo1->listCount()), QString::number(f.Combo2->listCount()),
                           f.Combo2->list(0), f.Combo2->itemData(0).toString(), f.Combo2->itemData(1).toString(),
                           QString::number(f.Combo3->listCount())}),
              (QStringList{"2", "2", "SALARY", kHeadS, kHeadT, "2"}));
    // Today is 29 February 2028.
    EXPECT_EQ(captions({f.Label10, f.Label12, f.Label26, f.Label58, f.Label61, f.Label62, f.Label63, f.Label64,
                        f.Label65, f.Label66}),
              (QStringList{"Office of the Block Development Officer Nadia", "DDO-1", "01/04/2027", "2027-2028", "0",
                           "0", "0", "0", "0", "0"}));
    // Before a bill date and head every command is out of reach, clicked or not.
    EXPECT_FALSE(f.Combo2->isEnabled());
    EXPECT_EQ(saidBy([&] {
                  for (auto* b : {f.Command1, f.Command2, f.Command3, f.Command4, f.Command5, f.Command6, f.Command7,
                                  f.Command8, f.Command10, f.Command11, f.Command12, f.Command13, f.Command14,
                                  f.Command15, f.Command16, f.Command17, f.Command18, f.Command19, f.Command20})
                      click(*b);
              }),
              QStringList());
    EXPECT_EQ(enabledCount(f), 0);

    ASSERT_TRUE(choose(*f.Combo3, QStringLiteral("DDO-2")));
    EXPECT_EQ(captions({f.Label10, f.Label12}),
              (QStringList{"Office of the Sub-Divisional Officer Ranaghat", "DDO-2"}));
}

TEST_F(BillForm, ChoicesAndActivationFollowTheLabelContract)
{
    makeBill(kMarchBill, 3);
    addEmployee(QStringLiteral("S001"), QStringLiteral("C"));
    auto& f = open();

    ASSERT_TRUE(chooseByData(*f.Combo1, kMarchBill));
    EXPECT_TRUE(f.Combo2->isEnabled());
    // Registered under 1 April 2012, found without a question.
    EXPECT_EQ(saidBy([&] { ASSERT_TRUE(chooseByData(*f.Combo2, QString::fromLatin1(kHeadS))); }), QStringList());
    EXPECT_EQ(QStringList{f.Text2->text()} + captions({f.Label7, f.Label6, f.Label16}),
              (QStringList{"S", kHeadS, "MAR-12", "17"}));
    EXPECT_TRUE(f.Command1->isEnabled());
    EXPECT_EQ(enabledCount(f), 0);

    click(*f.Command1);
    f.Command1_Click(); // twice: the same working tables, not twice the rows
    // Row 3 is of the 1983 scheme (if 3, sf 5); rows 1 and 2 pay 6 and 14.
    EXPECT_EQ(captions({f.Label18, f.Label22, f.Label23, f.Label24, f.Label25, f.Label9, f.Label20, f.Label21}),
              (QStringList{"3", "5", "3", "12", "28", "PREVIEW SCHEDULE AND PRINT ONE BY ONE",
                           "PREVIEW PAY BILL SHEET AND PRINT", "PRINT WITHOUT PREVIEW"}));
    EXPECT_FALSE(f.Command1->isEnabled());
    EXPECT_EQ(enabledCount(f), 18);
    EXPECT_EQ(scalar(QStringLiteral("SELECT count(*) FROM sal")), 3);

    // Another bill date: the old bill's buttons go until it is activated again.
    ASSERT_TRUE(chooseByData(*f.Combo1, kMarchBill));
    EXPECT_EQ(enabledCount(f), 0);
    EXPECT_FALSE(f.Command1->isEnabled());
    EXPECT_EQ(captions({f.Label6, f.Label7, f.Label16, f.Label18}) << f.Text2->text() << f.Combo2->text(),
              QStringList(6, QString()));

    // The second head of the same description is head T, not S.
    EXPECT_EQ(saidBy([&] { ASSERT_TRUE(chooseByData(*f.Combo2, QString::fromLatin1(kHeadT))); },
                     {{forms::vbNo, "NO BILL FOUND"}}),
              QStringList{kMissingS});
    EXPECT_EQ(QStringList{f.Text2->text()} + captions({f.Label7, f.Label16}), (QStringList{"T", kHeadT, "NIL"}));

    // Head T has no rows: the tables are emptied and nothing is enabled.
    EXPECT_EQ(saidBy([&] { click(*f.Command1); }),
              QStringList{"|0|BILL DATE NOT MATCHING WITH SALARY HEAD.\nNOTHING TO DISPLAY."});
    EXPECT_EQ(captions({f.Label18, f.Label22, f.Label23, f.Label24, f.Label25}), QStringList(5, "0"));
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
    const auto head = [&](const char* code, std::initializer_list<testsupport::Reply> replies) {
        return saidBy([&] { ASSERT_TRUE(chooseByData(*f.Combo2, QString::fromLatin1(code))); }, replies);
    };

    // No: the bill number reads NIL.
    ASSERT_TRUE(chooseByData(*f.Combo1, kFebBill));
    EXPECT_EQ(head(kHeadS, {{forms::vbNo, "NO BILL FOUND"}}), QStringList{kMissingS});
    EXPECT_EQ(captions({f.Label16, f.Label61}), (QStringList{"NIL", "0"}));
    EXPECT_FALSE(forms::Forms::isLoaded(QStringLiteral("Form1")));

    // March's bill under S is registered. Changing only the head to T, whose
    // bill is not, and answering Yes leaves NIL, not S's 17; T has no rows.
    ASSERT_TRUE(chooseByData(*f.Combo1, kMarchBill));
    head(kHeadS, {});
    EXPECT_EQ(f.Label16->caption(), QStringLiteral("17"));
    EXPECT_EQ(head(kHeadT, {{forms::vbYes, "NO BILL FOUND"}}).value(1),
              QStringLiteral("PLEASE NOTE|0|NO RECORD FOUND IN SALARY HEAD ON 31/03/2012\n\n"));
    EXPECT_EQ(captions({f.Label16, f.Label61}), (QStringList{"NIL", "0"}));
    EXPECT_FALSE(forms::Forms::isLoaded(QStringLiteral("Form1")));

    // Yes on February's bill of S hands its totals to the bill register.
    // Rows 1 and 2: pay 1000 and 2000, D.A. a tenth, H.R.A. a twentieth, M.A.
    // 300 each, grade pay 9999 and 9998, deductions 630 each.
    ASSERT_TRUE(chooseByData(*f.Combo1, kFebBill));
    head(kHeadS, {{forms::vbYes, "NO BILL FOUND"}});
    EXPECT_EQ(captions({f.Label16, f.Label61, f.Label62, f.Label63, f.Label64, f.Label65, f.Label66}),
              (QStringList{"NIL", "3000", "300", "150", "600", "19997", "1260"}));
    EXPECT_TRUE(forms::Forms::isLoaded(QStringLiteral("Form1")) && forms::Forms::get(QStringLiteral("Form1")).isVisible());

    // A bill entered in the register meanwhile (as Import and OK there do) is looked up by ACTIVATE NOW, and on
    // coming back to the form from the register's window.
    const auto enterBill = [](const char* code, int billNo) {
        fundDb().execute(QStringLiteral("INSERT INTO all_exp (head, bill_no, bill_date) VALUES (?, ?, ?)"),
                         {QString::fromLatin1(code), billNo, kFebBill});
    };
    enterBill(kHeadS, 18);
    click(*f.Command1);
    EXPECT_EQ(f.Label16->caption(), QStringLiteral("18"));
    head(kHeadT, {{forms::vbNo, "NO BILL FOUND"}});
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
    EXPECT_EQ(testsupport::said(boxes.boxes().first()),
              QStringLiteral("|16|\"ACTIVATE NOW\" could not be finished: the data file could not be read or written;"
                             " nothing of it was saved.\nThe working tables of the bill are left as they were."));
    EXPECT_TRUE(boxes.boxes().first().details.contains(QStringLiteral("temp1")));
    EXPECT_EQ(scalar(QStringLiteral("SELECT count(*) FROM sal")), 3);
    EXPECT_EQ(f.Label18->caption(), QStringLiteral("3"));
    EXPECT_TRUE(f.Command1->isEnabled());
    EXPECT_EQ(enabledCount(f), 0);
}

} // namespace
} // namespace billtest
