// The pay-slip, cheque and statement forms fed what a clerk, a paste or a
// tester may put in their boxes, and their commands pressed out of order:
// each refusal is the form's own message, nothing is half written.
#include "payslip_fixture.h"
#include "support/hostile_inputs.h"

#include <QAbstractItemModel>
#include <QFile>
#include <QRegularExpression>
#include <QTableView>

using namespace slipstest;
using namespace testsupport;
using payslip::Form8;

namespace {

// Both data files' rows but the cheque slip's working table, which every
// choice of a bill date or head refills by design.
QMap<QString, QByteArray> keptRows()
{
    auto rows = rowsOfBothFiles();
    for (auto it = rows.begin(); it != rows.end();)
        it = it.key().contains(QLatin1String("chq_sal")) ? rows.erase(it) : std::next(it);
    return rows;
}

} // namespace

using HostileSlipForm = Office;

TEST_F(HostileSlipForm, ChequeEntryBoxesAndGridRefuseWhatIsNoChequeAndWriteNothing)
{
    makeMarchBill();
    addCheque(6, kRegister, "CHQ-601", 36302);
    auto& f = slipForm(Form8::Mode::ChequeEntry);
    const auto before = rowsOfBothFiles();

    // SAVE and CANCEL before anything is typed, twice, and after CANCEL;
    // leaving the empty bill number box asks first.
    boxes.answer(forms::vbNo, "NOT AUTHENTICATED");
    for (auto* b : {f.Command3, f.Command3, f.Command5, f.Command3, f.Command5})
        click(*b);
    EXPECT_EQ(shown(),
              QStringList{"BILL NUMBER NOT AUTHENTICATED. DO YOU WISH TO CORRECT?"} + QStringList(3, "PLEASE ENTER CHEQUE NUMBER"));

    // Not bill numbers: Enter finds nothing, leaving the box asks to correct and Yes keeps the focus there.
    expectRefused({{f.Text1, notAmounts() + oddTexts() + QStringList{"0", "2.5", "  ", "99999999999"},
                    {"BILL NUMBER NOT AUTHENTICATED. DO YOU WISH TO CORRECT?"}}},
                  [&](forms::TextBox& b, const QString& text) {
                      paste(b, text);
                      pressEnter(b);
                      boxes.answer(forms::vbYes, "NOT AUTHENTICATED");
                      focus(*f.Text2);
                      EXPECT_TRUE(focused() == &b && f.Label7->caption().isEmpty());
                      return shown();
                  });
    enter(*f.Text1, "  5  ");
    EXPECT_EQ(f.Label7->caption(), "01/04/2013");

    std::vector<Refusal> cheque = unstorable(f.Text2, "CHEQUE NUMBER", 20);
    cheque.insert(cheque.end(), {{f.Text2, {"", " ", "   "}, {"PLEASE ENTER CHEQUE NUMBER"}},
        {f.Text3, notDates() + QStringList{"१२/०४/२०१३", "5 or 1=1", "1.2.3"},
         {" PLEASE ENTER CHEQUE DATE IN PROPER FORMAT"}},
        {f.Text4, notAmounts().mid(1), {"PLEASE ENTER CHEQUE AMOUNT IN FIGURE"}},
        {f.Text4, {"-1", "0", "-0", "99999999999", "10000000000"},
         {"CHEQUE AMOUNT MUST BE MORE THAN 0 AND LESS THAN A THOUSAND CRORE"}},
        {f.Text4, {"22300.005", "0.001", "-0.001"},
         {"CHEQUE AMOUNT IS KEPT TO THE PAISA: TYPE AT MOST TWO FIGURES AFTER THE POINT"}}});
    expectRefused(cheque, [&](forms::TextBox& b, const QString& text) {
        typeCheque(f, "CHQ-501", "05/04/2013", "22300");
        paste(b, text);
        click(*f.Command3);
        return shown();
    });

    // The register's grid takes the same refusals, cell by cell.
    // No prompt may carry the engine's or the program's own words.
    static const QRegularExpression own("could not be finished|SELECT|error|_Click|_KeyUp|_LostFocus|_Update|sqlite");
    QAbstractItemModel* grid = f.DBGrid1->findChild<QTableView*>()->model();
    const QList<std::pair<int, QStringList>> cells{{0, notAmounts() + QStringList{"0", ""}}, {1, notDates()},
        {2, QStringList{"", " "} + unstorableTexts()}, {3, notDates()},
        {4, notAmounts() + QStringList{"0", "", "99999999999"}}};
    for (const auto& [column, texts] : cells)
        for (const QString& text : texts) {
            grid->setData(grid->index(0, column), text, Qt::EditRole);
            const QStringList prompts = shown();
            EXPECT_TRUE(prompts.size() == 1 && !prompts[0].contains(own)) << column << prompts.join('|').toStdString();
        }
    EXPECT_TRUE(rowsOfBothFiles() == before);

    // Odd cheque numbers are kept as typed.
    const QString odd = "  '; drop table chq;--  ";
    typeCheque(f, QString(), "  05/04/2013 ", "  22300.50  ");
    paste(*f.Text2, odd);
    click(*f.Command3);
    EXPECT_EQ(firstRow(fundDb(), "SELECT bill_no, cheque_no, cheque_date, cheque_amt FROM cheque WHERE bill_no = 5")
                  << shown().join('|'), (QVariantList{5.0, odd.trimmed(), QDate(2013, 4, 5), 22300.5, "RECORD ENTERED SUCCESSFULLY"}));
}

TEST_F(HostileSlipForm, SlipModesRefuseOddAmountsChequesAndCodesBeforeAnyChoice)
{
    makeMarchBill();
    addCheque(5, kRegister, "CHQ-501", 22300);
    auto& f = slipForm(Form8::Mode::ChequeSlip);
    const auto before = keptRows();

    // Every command before a bill date, twice, and after CANCEL.
    for (auto* b : {f.Command4, f.Command4, f.Command6, f.Command4})
        click(*b);
    ASSERT_TRUE(choose(*f.Combo3, 0));
    EXPECT_EQ(shown(), QStringList(4, "PLEASE SELECT BILL DATE FOR CHEQUE SLIP"));
    click(*f.Command6);

    ASSERT_TRUE(chooseByData(*f.Combo1, kMarch));
    const QString range = "THE AMOUNT TO BE CREDITED CANNOT BE LESS THAN 0 OR MORE THAN THE NET AMOUNT OF THE BILL (S)";
    for (const QString& text : notAmounts() + QStringList{"99999999999", "58602.01", ""}) {
        paste(*f.Text5, text);
        pressEnter(*f.Text5);
        click(*f.Command4);
        const QStringList prompts = shown() << f.Label26->caption();
        const QString figure = "PLEASE ENTER CHEQUE AMOUNT IN FIGURE";
        EXPECT_TRUE(prompts == (QStringList{range, range, " "}) || prompts == (QStringList{figure, figure, " "}))
            << text.left(20).toStdString() << prompts.join('|').toStdString();
    }
    // A third figure after the point: never "more than the net".
    const QString paisa = "THE AMOUNT TO BE CREDITED IS KEPT TO THE PAISA: TYPE AT MOST TWO FIGURES AFTER THE POINT";
    for (const QString text : {"58000.005", "0.001"}) {
        paste(*f.Text5, text);
        pressEnter(*f.Text5);
        click(*f.Command4);
        EXPECT_EQ(shown() << f.Label26->caption(), (QStringList{paisa, paisa, " "})) << text.toStdString();
    }

    // Head-wise: a blank or odd cheque number is asked about, never looked up as SQL.
    const QString notFound = "THIS CHEQUE NUMBER NOT FOUND. ENTER CORRECT NUMBER NOW?";
    ASSERT_TRUE(chooseByData(*f.Combo3, kHeadA));
    type(*f.Text5, "  22300  ");
    expectRefused({{f.Text6, oddTexts() + QStringList{"5 or 1=1", "' or ''='"}, {notFound}}},
                  [&](forms::TextBox& b, const QString& text) {
                      paste(b, text);
                      boxes.answer(forms::vbNo, "CHEQUE NUMBER NOT FOUND");
                      focus(*f.Text5);
                      return shown();
                  },
                  keptRows);
    // Blank is taken as empty (the March-bill test asks for the empty number),
    // and asked about once, however often the box is left unchanged.
    paste(*f.Text6, "   ");
    boxes.answer(forms::vbNo, "CHEQUE NUMBER NOT FOUND");
    click(*f.Command4);
    focus(*f.Text5);
    for (auto* b : {f.Command6, f.Command6, f.Command4})
        click(*b);
    EXPECT_EQ(shown(), (QStringList{notFound, "YOU ARE ABOUT TO PREPARE A FILTERED REPORT.\r\nSO, PLEASE ENTER CHEQUE NUMBER",
                                    "PLEASE SELECT BILL DATE FOR CHEQUE SLIP"}));

    // Pay-slip mode: the commands before a date or a code.
    f.setMode(Form8::Mode::PaySlip);
    f.Combo1->setListIndex(-1);
    click(*f.Command7);
    click(*f.Command1);
    ASSERT_TRUE(chooseByData(*f.Combo1, kMarch));
    // The code is picked from the list, never typed.
    f.Combo2->setText("5 or 1=1");
    EXPECT_EQ(boxes.prompts() << f.Combo2->text(),
              (QStringList{"EMPLOYEE CODE NOT MENTIONED", "PLEASE SELECT BILL DATE FOR PAY SLIP", ""}));
    EXPECT_TRUE(keptRows() == before);
}

// The statement and workbook of a found code are in the March-bill test.
TEST_F(HostileSlipForm, StatementCommandsWaitForAFoundCodeAndAPeriodInOrder)
{
    makeMarchBill();
    auto& f = statementForm();
    EXPECT_EQ(QVariantList({f.DTPicker1->value(), f.DTPicker2->value(), f.DTPicker1->isEnabled(), f.Label11->caption()}),
              QVariantList({QDate(2013, 4, 1), QDate(2014, 3, 20), false, "Office of the Block Development Officer Nadia"}));
    const QString noCode = "First select an employee by entering employee code.\n"
                           "Then select the period of IT Statement and proceed";
    // Before any code, and after each refused one (the empty text among them).
    expectRefused({{f.Text1, oddTexts() + notAmounts() + QStringList{"", " ", "0"},
                    {"This Code not found in current Register.Do you like to search Back Up Register?",
                     "Invalid employee code. Please check and Re-enter.", noCode, noCode, " "}}},
                  [&](forms::TextBox& b, const QString& text) {
                      paste(b, text);
                      boxes.answer(forms::vbYes, "Back Up Register");
                      pressEnter(b);
                      click(*f.Command1);
                      click(*f.Command3);
                      return shown() << f.Label5->caption();
                  });

    // A found code, then a period that ends before it starts or lies outside the calendar's range.
    enter(*f.Text1, "  A101  ");
    f.DTPicker1->setValue(QDate(2013, 4, 1));
    f.DTPicker2->setValue(QDate(2013, 3, 31));
    click(*f.Command1);
    click(*f.Command3);
    EXPECT_EQ(shown(), QStringList(2, "THE PERIOD ENDS BEFORE IT BEGINS. CHECK THE DATES."));
    f.DTPicker1->setValue(QDate(1929, 1, 1));
    f.DTPicker2->setValue(QDate(2100, 1, 1));
    EXPECT_TRUE(f.DTPicker1->value() >= QDate(1930, 1, 1) && f.DTPicker2->value() <= QDate(2099, 12, 31));
    // A code typed after the look-up is not the code found.
    type(*f.Text1, "A102");
    click(*f.Command1);
    EXPECT_EQ(captions({f.Label5}) + shown(), (QStringList{" ", noCode}));

    enter(*f.Text1, "  A101 ");
    EXPECT_EQ(captions({f.Label5, f.Label13}), (QStringList{"Name A101 , CLERK", "GPF/A101"}));
    EXPECT_EQ(focused(), f.DTPicker1);
    pressEnter(*f.DTPicker1);
    EXPECT_TRUE(f.DTPicker2->isEnabled());
    f.DTPicker1->setValue(QDate(2012, 4, 1));
    f.DTPicker2->setValue(QDate(2013, 3, 31));
    click(*f.Command1);
    // A missing template is named, with the way to restore it.
    QFile::remove(folder.path() + "/IT_statement.xlsx");
    click(*f.Command3);
    EXPECT_EQ(shown(), QStringList{"File not found: \"IT_statement.xlsx\" is not in the data folder.\nNo statement was made."
                                   " Restore the template with:\n    dosset-setup \"" + folder.path() + "\" --update"});

    // A removed employee: found after the question.
    boxes.answer(forms::vbYes, "Back Up Register");
    enter(*f.Text1, "R900");
    EXPECT_EQ(f.Label5->caption(), "Ramen Sil , PEON");
    boxes.answer(forms::vbNo, "Back Up Register");
    enter(*f.Text1, "X1");
    EXPECT_TRUE(focused() == f.Text1 && f.Label5->caption() == " ");
}
