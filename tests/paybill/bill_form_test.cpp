// The bill form over a registered bill: loading, choosing and activating, the working tables it fills, and its inner sheets.
#include "bill_fixture.h"

#include "common/bill_totals.h"
#include "common/pay_month.h"
#include "paybill/inner_sheet_reports.h"
#include "paybill/working_tables.h"
#include "platform/reports/page_model.h"
#include "platform/vb/convert.h"
#include "platform/vb/error.h"
#include "support/report_texts.h"

#include <QApplication>
#include <QStringList>
#include <algorithm>

namespace billtest {
namespace {

using namespace testsupport;

// Every command but ACTIVATE NOW and CLOSE; and whether ACTIVATE NOW is enabled and how many of them are, as "1 0".
std::vector<forms::CommandButton*> commands(const paybill::Form6& f)
{
    return {f.Command2,  f.Command3,  f.Command4,  f.Command5,  f.Command6,  f.Command7,  f.Command8,
            f.Command10, f.Command11, f.Command12, f.Command13, f.Command14, f.Command15, f.Command16,
            f.Command17, f.Command18, f.Command19, f.Command20};
}
QString enabled(const paybill::Form6& f)
{
    return QStringLiteral("%1 %2").arg(int(f.Command1->isEnabled())).arg(std::ranges::count_if(commands(f), &QWidget::isEnabled));
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

    // The bill dates; only salary heads, each with its own drawal code behind a shared description; the offices.
    EXPECT_EQ((QStringList{f.caption(), f.Combo1->list(0), f.Combo1->list(1), QString::number(f.Combo1->listCount()),
                           QString::number(f.Combo2->listCount()), f.Combo2->list(0), f.Combo2->itemData(0).toString(),
                           f.Combo2->itemData(1).toString(), QString::number(f.Combo3->listCount())}),
              (QStringList{"SALARY AND SCHEDULE", "29/02/2012", "31/03/2012", "2", "2", "SALARY", kHeadS, kHeadT, "2"}));
    // Today is 29 February 2028.
    EXPECT_EQ(captions({f.Label10, f.Label12, f.Label26, f.Label58, f.Label61, f.Label62, f.Label63, f.Label64,
                        f.Label65, f.Label66}),
              (QStringList{"Office of the Block Development Officer Nadia", "DDO-1", "01/04/2027", "2027-2028", "0",
                           "0", "0", "0", "0", "0"}));
    // Before a bill date and head every command is out of reach, clicked or not.
    EXPECT_FALSE(f.Combo2->isEnabled());
    EXPECT_EQ(saidBy([&] { for (auto* b : commands(f)) click(*b); click(*f.Command1); }), QStringList());
    EXPECT_EQ(enabled(f), "0 0");

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
    EXPECT_EQ(enabled(f), "1 0");

    click(*f.Command1);
    f.Command1_Click(); // twice: the same working tables, not twice the rows
    // Row 3 is of the 1983 scheme (if 3, sf 5); rows 1 and 2 pay 6 and 14.
    EXPECT_EQ(captions({f.Label18, f.Label22, f.Label23, f.Label24, f.Label25, f.Label9, f.Label20, f.Label21}),
              (QStringList{"3", "5", "3", "12", "28", "PREVIEW SCHEDULE AND PRINT ONE BY ONE",
                           "PREVIEW PAY BILL SHEET AND PRINT", "PRINT WITHOUT PREVIEW"}));
    EXPECT_EQ(enabled(f), "0 18");
    EXPECT_EQ(scalar(QStringLiteral("SELECT count(*) FROM sal")), 3);

    // Another bill date: the old bill's buttons go until it is activated again.
    ASSERT_TRUE(chooseByData(*f.Combo1, kMarchBill));
    EXPECT_EQ(enabled(f), "0 0");
    EXPECT_EQ(captions({f.Label6, f.Label7, f.Label16, f.Label18}) << f.Text2->text() << f.Combo2->text(),
              QStringList(6, QString()));

    // The second head of the same description is head T, not S.
    EXPECT_EQ(saidBy([&] { ASSERT_TRUE(chooseByData(*f.Combo2, QString::fromLatin1(kHeadT))); },
                     {{forms::vbNo, "NO BILL FOUND"}}), QStringList{kMissingS});
    EXPECT_EQ(QStringList{f.Text2->text()} + captions({f.Label7, f.Label16}), (QStringList{"T", kHeadT, "NIL"}));

    // Head T has no rows: the tables are emptied and nothing is enabled.
    EXPECT_EQ(saidBy([&] { click(*f.Command1); }),
              QStringList{"|0|BILL DATE NOT MATCHING WITH SALARY HEAD.\nNOTHING TO DISPLAY."});
    EXPECT_EQ(captions({f.Label18, f.Label22, f.Label23, f.Label24, f.Label25}), QStringList(5, "0"));
    EXPECT_EQ(enabled(f), "1 0");
    EXPECT_EQ(scalar(QStringLiteral("SELECT count(*) FROM sal")), 0);

    // CLOSE unloads the form; the menu makes a fresh one.
    click(*f.Command9);
    settle();
    EXPECT_FALSE(forms::Forms::isLoaded(QStringLiteral("Form6")));
}

TEST_F(BillForm, MissingBillQuestionBothWays)
{
    forms::Forms::registerForm<Form1>(QStringLiteral("Form1"));
    makeBill(kMarchBill, 2);
    makeBill(kFebBill, 2);
    auto& f = open();
    const auto head = [&](const char* code, std::initializer_list<Reply> replies) {
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
    // ... and names the bill they are of, so that the register takes them into that bill only.
    EXPECT_EQ((QVariantList{f.Label61->property(common::kTotalsHeadProperty),
                            f.Label61->property(common::kTotalsBillDateProperty)}),
              (QVariantList{QString::fromLatin1(kHeadS), kFebBill}));
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
    ASSERT_EQ(enabled(f), "0 18");

    addSalary(kMarchBill, {"S099", 1, 6, 14, 0, 0, 0, 500});
    salaryDb().execute(QStringLiteral("ALTER TABLE temp1 RENAME TO temp1_away"));
    ASSERT_TRUE(chooseByData(*f.Combo2, QString::fromLatin1(kHeadS)));
    click(*f.Command1);
    salaryDb().execute(QStringLiteral("ALTER TABLE temp1_away RENAME TO temp1"));

    ASSERT_EQ(boxes.boxes().size(), 1);
    EXPECT_EQ(said(boxes.boxes().first()),
              QStringLiteral("|16|\"ACTIVATE NOW\" could not be finished: the data file could not be read or written;"
                             " nothing of it was saved.\nThe working tables of the bill are left as they were."));
    EXPECT_TRUE(boxes.boxes().first().details.contains(QStringLiteral("temp1")));
    EXPECT_EQ(scalar(QStringLiteral("SELECT count(*) FROM sal")), 3);
    EXPECT_EQ(f.Label18->caption(), QStringLiteral("3"));
    EXPECT_EQ(enabled(f), "1 0");
}

QStringList column(const QString& sql)
{
    QStringList out;
    for (data::QueryRecordset rs(salaryDb(), sql); !rs.eof(); rs.moveNext()) {
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

    TempDataFolder folder;
};

TEST_F(WorkingTables, BillIsCopiedNumberedAbstractedTotalledOrLeftAsItWas)
{
    const auto result = paybill::activateBill(salaryDb(), kFebBill, QStringLiteral("S"));
    EXPECT_EQ(result.employees, 6);

    // Highest grade pay first; rows of equal grade pay in the order prepared.
    EXPECT_EQ(column(QStringLiteral("SELECT sl_no, emp_code FROM sal ORDER BY rowid")),
              QStringList({"1 S004", "2 S002", "3 S005", "4 S001", "5 S003", "6 S006"}));
    // The sheet's net is the row's gross less its deduction, 11225 - 1623, whatever net the row holds.
    EXPECT_EQ(column(QStringLiteral("SELECT name, acc_no, pay, d_pay, gross, \"if\", sf, misc, net, p_month,"
                                    " deduct, category, bank_ac FROM sal WHERE sl_no = 3")),
              QStringList({"Name S005 Agr/S005 9500 2400 11225 6 7 1000 9602 Mar-12 1623 C "}));

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

    // Activated again over a ginew that cannot be written, with a new row for the bill.
    paybill::activateBill(salaryDb(), kFebBill, QStringLiteral("S"));
    const auto tables = [] { return column("SELECT * FROM sal ORDER BY rowid") + column("SELECT * FROM temp ORDER BY rowid"); };
    const QStringList before = tables();

    addSalary(kFebBill, {"S009", 5000, 6, 14, 700, 0, 0, 8000});
    salaryDb().execute(QStringLiteral("ALTER TABLE ginew RENAME TO ginew_away"));
    EXPECT_THROW(paybill::activateBill(salaryDb(), kFebBill, QStringLiteral("S")), vb::Error);
    salaryDb().execute(QStringLiteral("ALTER TABLE ginew_away RENAME TO ginew"));

    EXPECT_EQ(tables(), before);
    EXPECT_EQ(scalar(QStringLiteral("SELECT count(*) FROM ginew")), 2);

    // A bill without rows empties every table.
    const auto none = paybill::activateBill(salaryDb(), QDate(2012, 5, 31), QStringLiteral("S"));
    EXPECT_EQ(none.employees, 0);
    EXPECT_EQ(splitOf(none.split), QList<double>(4, 0));
    EXPECT_EQ(scalar(QStringLiteral("SELECT (SELECT count(*) FROM sal) + (SELECT count(*) FROM temp)"
                                    " + (SELECT count(*) FROM temp1) + (SELECT count(*) FROM ginew)")), 0);
    EXPECT_FALSE(paybill::insuranceSplit(salaryDb()) || paybill::leftGrandTotals(salaryDb())
                 || paybill::rightGrandTotals(salaryDb()));
}

TEST(BillRegister, MarchBillIsLookedUpUnderFirstApril)
{
    for (auto [bill, kept] : {std::pair{QDate(2012, 3, 31), QDate(2012, 4, 1)}, {QDate(2012, 3, 1), QDate(2012, 4, 1)},
                              {QDate(2012, 4, 1), QDate(2012, 4, 1)}, {QDate(2012, 2, 29), QDate(2012, 2, 29)}})
        EXPECT_EQ(common::payBillRegisterDate(bill), kept) << bill.toString().toStdString();
    EXPECT_EQ(paybill::codePattern(QStringLiteral(" S ")), QStringLiteral("S%"));
    EXPECT_EQ(paybill::codePattern(QStringLiteral("_")), QStringLiteral("\\_%"));
}

using namespace paybill;

QStringList numbers(int from, int to)
{
    QStringList out;
    while (from <= to)
        out << QString::number(from++);
    return out;
}

QString note(const QString& text) { return QStringLiteral("PLEASE NOTE|64|") + text; }

// A March bill of n rows for head S on the form, activated. Row i has Sl. No.
// i, pay 1000 * i, and is of the 1983 scheme (if 3, sf 5) when i is a
// multiple of 3, else pays if 6 and sf 14.
class InnerSheets : public BillForm {
protected:
    // With `lastTwiceOver`, the last row is a second one (a bonus, say) of
    // the employee before it: n rows of n - 1 employees.
    void bill(int n, bool lastTwiceOver = false)
    {
        reports::Reports::unloadAll();
        salaryDb().execute(QStringLiteral("DELETE FROM salary"));
        makeBill(kMarchBill, n);
        if (lastTwiceOver)
            salaryDb().execute(QStringLiteral("UPDATE salary SET emp_code = ? WHERE emp_code = ?"),
                               {QStringLiteral("S%1").arg(n - 1, 3, 10, QLatin1Char('0')),
                                QStringLiteral("S%1").arg(n, 3, 10, QLatin1Char('0'))});
        if (!form) {
            open();
            ASSERT_TRUE(choose(*form->Combo3, QStringLiteral("DDO-2")));
        }
        activate(kMarchBill);
    }
    QStringList clicked(forms::CommandButton& b, std::initializer_list<Reply> replies = {})
    {
        return saidBy([&] { click(b); }, replies);
    }
};

TEST_F(InnerSheets, WholeBillPagesOfEightRows)
{
    bill(8);
    EXPECT_EQ(clicked(*form->Command2), QStringList());
    auto m = layoutOf<DataReport1>();
    EXPECT_EQ(textsOf(m, {"Label24", "Function1", "Label27", "Label20", "Label21"}) << QString::number(m.pageCount()),
              (QStringList{"TOTAL:-", "36000.00", "MAR-12", kHeadS, "Office of the Sub-Divisional Officer Ranaghat", "1"}));
    EXPECT_TRUE(form->Label27->caption() == QStringLiteral("0") && !forms::visibleFlag(form->Label27));

    for (auto [rows, pages] : {std::pair{9, 2}, {16, 2}, {17, 3}}) {
        bill(rows);
        EXPECT_EQ(clicked(*form->Command2, {{forms::vbNo}}),
                  QStringList{QStringLiteral("Hi|4|THIS REPORT CONTAINS TOTAL %1 PAGES.\nDO YOU WISH TO PRINT THIS "
                                             "REPORT WITH PAGE TOTAL?").arg(pages)});
        m = layoutOf<DataReport1>();
        EXPECT_EQ(m.texts(QStringLiteral("Text1")), numbers(1, rows));
        EXPECT_EQ(textsOf(m, {"Label24", "Function1"}) << QString::number(m.pageCount()),
                  (QStringList{"GRAND TOTAL:-", vb::format(1000.0 * rows * (rows + 1) / 2, QStringLiteral("0.00")),
                               QString::number(pages)}));
        EXPECT_EQ(captions({form->Label30, form->Label29}), (QStringList{"ALL", "PRINTED LEFT P-"}));
    }
}

TEST_F(InnerSheets, OnePageOfBothHalvesAfterTheNumberIsCheckedAndGrandTotalPages)
{
    bill(17);
    boxes.answer(forms::vbYes).answerInput(QStringLiteral("2"), QStringLiteral("ENTER THE PAGE NUMBER HERE"));
    click(*form->Command2);
    EXPECT_EQ(boxes.boxes().last().defaultText, QStringLiteral("1")); // the first page proposed
    EXPECT_EQ(captions({form->Label48, form->Label49, form->Label27, form->Label29}),
              (QStringList{"9", "16", "2", "PRINTED LEFT P-"}));
    EXPECT_TRUE(forms::visibleFlag(form->Label27) && !forms::visibleFlag(form->Label30));
    auto m = layoutOf<DataReport1>();
    EXPECT_EQ(m.texts(QStringLiteral("Text1")), numbers(9, 16));
    EXPECT_EQ(textsOf(m, {"Label24", "Function1"}) << QString::number(m.pageCount()), (QStringList{"TOTAL:-", "100000.00", "1"}));

    // A page number out of range is said before anything changes.
    reports::Reports::unloadAll();
    for (const char* text : {"0", "4", "2.5", "abc", "", "-1"}) {
        const QStringList said = clicked(*form->Command2, {{forms::vbYes}, typed(QString::fromLatin1(text))});
        EXPECT_EQ(said.mid(2), QStringList{note("The page number must be a whole number from 1 to 3.")}) << text;
        EXPECT_EQ(captions({form->Label27, form->Label48, form->Label49}), (QStringList{"2", "9", "16"})) << text;
        EXPECT_FALSE(reports::Reports::isLoaded<DataReport1>()) << text;
    }
    // Cancel: nothing at all.
    EXPECT_EQ(clicked(*form->Command15, {{forms::vbYes}, typed(std::nullopt)}).size(), 2);
    EXPECT_FALSE(reports::Reports::isLoaded<DataReport15>());
    EXPECT_EQ(form->Label29->caption(), QStringLiteral("PRINTED LEFT P-"));

    // The last page of the right half holds row 17 alone (if 6, sf 14).
    clicked(*form->Command15, {{forms::vbYes}, typed(" 3 ")});
    EXPECT_EQ(form->Label29->caption(), QStringLiteral("PRINTED RIGHT P-"));
    m = layoutOf<DataReport15>();
    EXPECT_EQ(textsOf(m, {"Label5", "Label19", "Label20", "Label30", "Label31", "Label32", "Label33", "Label34",
                          "Label35", "Function3", "Function4"}) << QString::number(m.pageCount()),
              (QStringList{"DDO-2", "SALARY", "Sub-Divisional Officer Ranaghat", "17", "31/03/2012", "0", "14", "0",
                           "6", "14.00", "6.00", "1"}));

    // The whole right half again (its split is the grand total test's).
    clicked(*form->Command15, {{forms::vbNo}});
    EXPECT_EQ(layoutOf<DataReport15>().pageCount(), 3);

    // The grand totals of the whole bill.
    click(*form->Command17);
    EXPECT_EQ(captions({form->Label31, form->Label36}), (QStringList{"153000", "0"}));
    m = layoutOf<DataReport8>();
    // A zero oa sum keeps its 0.00 (and a zero pay sum, below, leaves the rupees blank); one page.
    EXPECT_EQ(textsOf(m, {"Label8", "Label1", "Label3", "Label6"}) << QString::number(m.pageCount()),
              (QStringList{"GRAND TOTAL:-", "153000.00", "15300.00", "0.00", "1"}));
    salaryDb().execute(QStringLiteral("UPDATE sal SET pay = 0"));
    click(*form->Command17);
    EXPECT_EQ(textsOf(layoutOf<DataReport8>(), {"Label1"}), QStringList{".00"});

    // A page of the right half first, then its grand total: the split is the whole bill's again.
    clicked(*form->Command15, {{forms::vbYes}, typed("3")});
    click(*form->Command18);
    EXPECT_EQ(captions({form->Label38, form->Label40, form->Label41, form->Label42}),
              (QStringList{"8500", "87", "193", "1870"}));
    m = layoutOf<DataReport16>();
    EXPECT_EQ(textsOf(m, {"Label1", "Label3", "Label5", "Label7", "Label8", "Label10", "Label12", "Label13", "Label14"})
                  << QString::number(m.pageCount()),
              (QStringList{"8500.00", "25", "168", "193.00", "15", "72", "87.00", "1870.00", "0.00", "1"}));
}

// The range runs over the bill's rows, each its own Sl. No.: seventeen rows
// of sixteen employees end at 17.
TEST_F(InnerSheets, SlNoRangeIsCheckedThenPrinted)
{
    bill(17, true);
    click(*form->Option1);
    const auto shown = [&] {
        QString out;
        for (QWidget* w : std::initializer_list<QWidget*>{form->Text1, form->Text3, form->Label50, form->Label51,
                                                          form->Label53, form->Shape12, form->Label27, form->Label29,
                                                          form->Label30})
            out += forms::visibleFlag(w) ? QLatin1Char('1') : QLatin1Char('0');
        return out;
    };
    EXPECT_TRUE(shown().startsWith(QStringLiteral("1111111")));

    type(*form->Text1, QStringLiteral("3"));
    type(*form->Text3, QStringLiteral("5"));
    EXPECT_EQ(clicked(*form->Command2), QStringList());
    EXPECT_EQ(captions({form->Label27, form->Label48, form->Label49}), (QStringList{"1", "3", "5"}));
    EXPECT_EQ(form->Text1->text() + form->Text3->text(), QString());
    auto m = layoutOf<DataReport1>();
    EXPECT_EQ(m.texts(QStringLiteral("Text1")), numbers(3, 5));
    EXPECT_EQ(textsOf(m, {"Label24", "Function1"}), (QStringList{"TOTAL:-", "12000.00"}));
    reports::Reports::unloadAll();

    const QString within = QStringLiteral(" must be from 1 to 17, the last Sl. No. of this bill.");
    const QString notDigit = QStringLiteral(" Sl. No. must be a numeric digit.");
    const struct {
        const char *first, *last;
        QString message;
        forms::TextBox* focus;
    } cases[] = {
        {"abc", "5", "First" + notDigit, form->Text1},      {"", "5", "First" + notDigit, form->Text1},
        {"3", "x", "Last" + notDigit, form->Text3},         {"2.5", "5", "First" + notDigit, form->Text1},
        {"0", "5", "First Sl. No." + within, form->Text1}, {"3", "18", "Last Sl. No." + within, form->Text3},
        {"5", "3", QStringLiteral("First Sl. No. must not be after the last Sl. No."), form->Text1},
    };
    for (const auto& c : cases) {
        form->Text1->setText(QString::fromLatin1(c.first));
        form->Text3->setText(QString::fromLatin1(c.last));
        EXPECT_EQ(clicked(*form->Command15), QStringList{note(c.message)});
        EXPECT_EQ(focused(), c.focus) << c.first << " " << c.last;
        EXPECT_EQ(captions({form->Label48, form->Label49}), (QStringList{"3", "5"}));
        EXPECT_FALSE(reports::Reports::isLoaded<DataReport15>());
    }

    click(*form->Option2);
    EXPECT_FALSE(form->Option1->value());
    EXPECT_EQ(shown(), QStringLiteral("000000000"));
}

TEST_F(InnerSheets, LessFaCrossChecksToTheTotalDueAndThirdsAndCeilingsFit)
{
    bill(2); // gross 1450 and 2600 before the advances
    salaryDb().execute("UPDATE sal SET less_fa = iif(sl_no = 1, 333.33, 250), gross = gross - iif(sl_no = 1, 333.33, 250)");
    click(*form->Command2);
    EXPECT_EQ(textsOf(layoutOf<DataReport1>(), {"Function8", "Function7"}), (QStringList{"583.33", "3466.67"}));
    click(*form->Command17);
    EXPECT_EQ(textsOf(layoutOf<DataReport8>(), {"Label9", "Label7"}), (QStringList{"583.33", "3466.67"}));

    // Then row 1 recovers a loan of 4000 in three instalments (1333.33 printed, net 1450 - 1333.33 = 116.67);
    // row 2 has every part and deduction at 9999999.99 and gross, total deduction and net at 59999999.94, the
    // widest a row meets. Each sheet and grand total prints them at their own size, and its totals have room for
    // ten-digit rupees.
    salaryDb().execute(QStringLiteral("UPDATE sal SET gpf_rec = 4000.0 / 3, net = 1450 - 4000.0 / 3 WHERE sl_no = 1"));
    QString ceilings = QStringLiteral("gross = 59999999.94, deduct = 59999999.94, net = 59999999.94");
    for (const char* c : {"pay", "d_pay", "less_fa", "da", "hra", "ma", "oa", "gpf_subs", "gpf_rec", "if", "sf",
                          "p_tax", "misc", "hb_loan", "hb_int", "i_tax", "others"})
        ceilings += QStringLiteral(", \"%1\" = 9999999.99").arg(QLatin1String(c));
    salaryDb().execute(QStringLiteral("UPDATE sal SET %1 WHERE sl_no = 2").arg(ceilings));
    const std::pair<forms::CommandButton*, reports::PageModel (*)()> sheets[] = {
        {form->Command2, &layoutOf<DataReport1>}, {form->Command15, &layoutOf<DataReport15>},
        {form->Command17, &layoutOf<DataReport8>}, {form->Command18, &layoutOf<DataReport16>}};
    QStringList shown, all;
    for (const auto& [command, layout] : sheets) {
        click(*command);
        const auto m = layout();
        EXPECT_EQ(misfits(m), QStringList()) << m.title.toStdString();
        for (int p = 0; p < m.pageCount(); ++p)
            for (const auto& it : m.page(p).items) {
                all << it.text;
                if (it.number && it.text.section(QLatin1Char('.'), 1).size() > 2)
                    shown << it.text;
            }
    }
    EXPECT_EQ(shown, QStringList()); // no figure with more than two decimals
    EXPECT_TRUE(all.contains(QStringLiteral("1333.33")));
}

TEST_F(InnerSheets, NothingToShowIsSaid)
{
    bill(3);
    salaryDb().execute(QStringLiteral("DELETE FROM sal"));
    for (forms::CommandButton* b : {form->Command17, form->Command18, form->Command2, form->Command15})
        EXPECT_EQ(clicked(*b), QStringList{note("NOTHING TO DISPLAY.")});
    EXPECT_FALSE(reports::Reports::isLoaded<DataReport8>() || reports::Reports::isLoaded<DataReport16>()
                 || reports::Reports::isLoaded<DataReport1>() || reports::Reports::isLoaded<DataReport15>());
    EXPECT_EQ(form->Label31->caption(), QString());
}

} // namespace
} // namespace billtest
