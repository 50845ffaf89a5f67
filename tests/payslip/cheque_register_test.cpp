#include "payslip/cheque_register.h"
#include "payslip_fixture.h"
#include "platform/vb/convert.h"

#include <QAbstractItemModel>
#include <QLineEdit>
#include <QTableView>
#include <QTest>

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
        {{"5", kRegister, "CHQ-501", "05/04/13", "22300.005"},
         "CHEQUE AMOUNT IS KEPT TO THE PAISA: TYPE AT MOST TWO FIGURES AFTER THE POINT"},
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
              "BILL NO. 6 OF 01/04/2013 HAS ITS CHEQUE IN THE REGISTER ALREADY.\n"
              "THE CHEQUE STAYS WITH BILL NO. 5 OF 01/04/2013.");
    EXPECT_EQ(testsupport::firstRow(fundDb(), read), (QVariantList{5.0, "CHQ-501", 22300.0}));

    EXPECT_EQ(payslip::editCheque(fundDb(), 1, "cheque_amt", "22000.005").value().message,
              "CHEQUE AMOUNT IS KEPT TO THE PAISA: TYPE AT MOST TWO FIGURES AFTER THE POINT");
    EXPECT_FALSE(payslip::editCheque(fundDb(), 1, "cheque_amt", "22000"));
    EXPECT_FALSE(payslip::editCheque(fundDb(), 1, "cheque_no", "CHQ-502"));
    EXPECT_EQ(testsupport::firstRow(fundDb(), read), (QVariantList{5.0, "CHQ-502", 22000.0}));
}

// Bills 1, 2 and 3 of head A dated 25/04, 25/05 and 25/06/2026, and head B's bill 1 of 26/04/2026;
// bill 3 has cheque 654321. Cheque 123456 is saved against bill 2, the wrong one, and moved in the grid.
TEST_F(ChequeRegister, GridMovesACheckedChequeToAnotherBillAndSaveAsksBeforeANumberIsUsedTwice)
{
    using namespace testsupport;
    const QDate april(2026, 4, 25), may(2026, 5, 25), june(2026, 6, 25);
    addBills(april, {{kHeadA, 1, 41000}});
    addBills(may, {{kHeadA, 2, 41000}});
    addBills(june, {{kHeadA, 3, 41000}});
    addBills(april.addDays(1), {{kHeadB, 1, 19000}});
    addCheque(3, june, "654321", 40000);
    auto& f = slipForm(payslip::Form8::Mode::ChequeEntry);
    enter(*f.Text1, "2");
    typeCheque(f, "123456", "27/05/2026", "39500");
    click(*f.Command3);
    ASSERT_EQ(shown(), QStringList{"RECORD ENTERED SUCCESSFULLY"});

    const auto table = [] {
        return firstRow(fundDb(), "SELECT group_concat(printf('%g %s %s %s %g', bill_no, bill_date, cheque_no,"
                                  " cheque_date, cheque_amt), ' | ') FROM (SELECT * FROM cheque ORDER BY rowid)")
            .value(0).toString();
    };
    const QString wrong = "3 2026-06-25 654321 2026-06-29 40000 | 2 2026-05-25 123456 2026-05-27 39500";
    ASSERT_EQ(table(), wrong);
    QAbstractItemModel* grid = f.DBGrid1->findChild<QTableView*>()->model();
    const auto edit = [&](int column, const QString& text) {
        grid->setData(grid->index(1, column), text, Qt::EditRole);
        return shown().join('|') + " => " + table();
    };
    const QString stays = "\nTHE CHEQUE STAYS WITH BILL NO. 2 OF 25/05/2026.";
    // The date alone names no bill of number 2; bill 9 is not registered; bill 3 has its cheque.
    EXPECT_EQ(edit(1, "25/04/2026"), "BILL NO. 2 OF 25/04/2026 IS NOT IN THE BILL REGISTER. TO MOVE THE CHEQUE TO"
                                     " ANOTHER BILL, CHANGE ITS BILL NO.: THE BILL DATE FOLLOWS FROM THE REGISTER."
                                         + stays + " => " + wrong);
    EXPECT_EQ(edit(0, "9"), "BILL NO. 9 IS NOT IN THE BILL REGISTER." + stays + " => " + wrong);
    EXPECT_EQ(edit(0, "3"), "BILL NO. 3 OF 25/06/2026 HAS ITS CHEQUE IN THE REGISTER ALREADY." + stays + " => " + wrong);

    // Bill number 1: the date follows from the register's first bill 1 (head A's); the
    // date of head B's bill 1 then moves it there, and the same number again keeps it there.
    QStringList moved;
    for (const auto& [column, text] : {std::pair{0, "1"}, {1, "26/04/2026"}, {0, " 1 "}})
        moved << edit(column, text) << vb::cstr(f.DBGrid1->cell(1, 0)) + " " + vb::cstr(f.DBGrid1->cell(1, 1));
    const QString head = "3 2026-06-25 654321 2026-06-29 40000 | 1 ";
    EXPECT_EQ(moved, (QStringList{" => " + head + "2026-04-25 123456 2026-05-27 39500", "1 25/04/2026",
                                  " => " + head + "2026-04-26 123456 2026-05-27 39500", "1 26/04/2026",
                                  " => " + head + "2026-04-26 123456 2026-05-27 39500", "1 26/04/2026"}));

    // The number typed again for bill 2 is asked about: No keeps the register and the boxes, Yes saves it twice.
    const QString question = "Hi|292|CHEQUE NUMBER 123456 IS ALREADY IN THE REGISTER FOR BILL NO. 1 OF 26/04/2026.\n"
                             "A CHEQUE SAVED AGAINST THE WRONG BILL IS MOVED BY CHANGING ITS BILL NO. IN THE GRID"
                             " BELOW.\nSAVE CHEQUE NUMBER 123456 FOR BILL NO. 2 OF 25/05/2026 AS WELL?";
    enter(*f.Text1, "2");
    typeCheque(f, " 123456 ", "28/05/2026", "39500");
    EXPECT_EQ(saidBy([&] { click(*f.Command3); }, {{forms::vbNo, "AS WELL"}}) << f.Text2->text() << table(),
              (QStringList{question, " 123456 ", head + "2026-04-26 123456 2026-05-27 39500"}));
    EXPECT_EQ(saidBy([&] { click(*f.Command3); }, {{forms::vbYes, "AS WELL"}}) << table(),
              (QStringList{question, "Hi|64|RECORD ENTERED SUCCESSFULLY",
                           head + "2026-04-26 123456 2026-05-27 39500 | 2 2026-05-25 123456 2026-05-28 39500"}));
}

// The grid edited as the clerk edits it (a cell's editor, Enter), the form in the main window's area beside
// another: bills 5 and 6 of 1 April 2013 with cheques CHQ-501 and CHQ-601.
TEST_F(ChequeRegister, GridEditedInItsEditorKeepsTheFormInFrontAndAsksBeforeANumberIsUsedTwice)
{
    using namespace testsupport;
    addCheque(5, kRegister, "CHQ-501", 22300);
    addCheque(6, kRegister, "CHQ-601", 36302);
    FormArea main;
    QtWarnings warnings;
    auto& f = slipForm(payslip::Form8::Mode::ChequeEntry);
    const QString form = f.parentWidget()->windowTitle();
    QTableView* view = f.DBGrid1->findChild<QTableView*>();
    ASSERT_EQ(focused(), f.Text1);

    // A click into the grid from the empty bill-number box the form opens with asks nothing.
    QStringList click = saidBy([&] {
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(view->model()->index(0, 2)).center());
    });
    EXPECT_EQ(click << main.front(), (QStringList{form + " (focus)"}));
    ASSERT_TRUE(view->hasFocus());

    const auto edit = [&](int column, const QString& text, std::initializer_list<Reply> replies) {
        const QModelIndex cell = view->model()->index(0, column);
        view->setCurrentIndex(cell);
        view->edit(cell);
        auto* editor = qobject_cast<QLineEdit*>(focused());
        if (!editor)
            return QStringList{"no editor"};
        editor->setText(text);
        // The editor hands its text over once the key is done with.
        QStringList out = saidBy([&] { QTest::keyClick(editor, Qt::Key_Return); settle(); }, replies);
        return out << main.front() << vb::cstr(f.DBGrid1->cell(0, 0)) + " " + vb::cstr(f.DBGrid1->cell(0, 2))
                   << firstRow(fundDb(), "SELECT group_concat(cheque_no, ' ') FROM (SELECT * FROM cheque ORDER BY rowid)")
                          .value(0).toString();
    };
    // A refused move: the form stays in front with the focus, and Qt has nothing to say.
    EXPECT_EQ(edit(0, "6", {}), (QStringList{"Hi|64|BILL NO. 6 OF 01/04/2013 HAS ITS CHEQUE IN THE REGISTER ALREADY.\n"
                                             "THE CHEQUE STAYS WITH BILL NO. 5 OF 01/04/2013.",
                                             form + " (focus)", "5 CHQ-501", "CHQ-501 CHQ-601"}));
    // Bill 6's cheque number typed for bill 5 is asked about as SAVE asks: No keeps the old number, Yes stores it.
    const QString question = "Hi|292|CHEQUE NUMBER CHQ-601 IS ALREADY IN THE REGISTER FOR BILL NO. 6 OF 01/04/2013.\n"
                             "A CHEQUE SAVED AGAINST THE WRONG BILL IS MOVED BY CHANGING ITS BILL NO. IN THE GRID"
                             " BELOW.\nSAVE CHEQUE NUMBER CHQ-601 FOR BILL NO. 5 OF 01/04/2013 AS WELL?";
    EXPECT_EQ(edit(2, "CHQ-601", {{forms::vbNo, "AS WELL"}}),
              (QStringList{question, form + " (focus)", "5 CHQ-501", "CHQ-501 CHQ-601"}));
    EXPECT_EQ(edit(2, "CHQ-601", {{forms::vbYes, "AS WELL"}}),
              (QStringList{question, form + " (focus)", "5 CHQ-601", "CHQ-601 CHQ-601"}));
    // Its amount changed after: the number is no longer news.
    EXPECT_EQ(edit(4, "22000", {}), (QStringList{form + " (focus)", "5 CHQ-601", "CHQ-601 CHQ-601"}));
    EXPECT_EQ(warnings.seen(), QStringList());
}
