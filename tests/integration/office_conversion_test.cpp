// A saved B-statement and a bill's outer sheet and pro statement opened by
// LibreOffice itself: their totals recomputed from their formulas, and their
// figures as it prints them. Skipped where LibreOffice is not installed.
#include "allotment/financial_report_form.h"
#include "paybill/documents_form_fixture.h"

#include "platform/data/database.h"
#include "platform/forms/controls.h"
#include "platform/office/desktop.h"
#include "platform/office/workbook.h"
#include "support/libreoffice_convert.h"
#include "support/ooxml_reader.h"

namespace {

// Three April bills under the head's codes, one May bill and one of another
// head. Row 27 sums the April lines (by hand):
//   pay 10000 + 7000 = 17000, grade pay 2400 + 1900 = 4300, D.A. 5000 + 3500 = 8500,
//   H.R.A. and M.A. 1500 + 300 + 700 = 2500, T.A. 250, contingency 100 + 40 + 50.5 = 190.5,
//   deductions 2500 + 1200 = 3700, net 16700 + 190.5 + 12150 = 29040.5.
TEST(LibreOfficeReads, BStatementMonthTotalsAsRecomputed)
{
    if (!testsupport::hasLibreOffice())
        GTEST_SKIP() << "LibreOffice is not installed";
    testsupport::TempDataFolder folder;
    testsupport::ScriptedBoxes boxes;
    office::RecordingDesktop desktop;
    office::setDesktop(std::make_unique<office::RecordingDesktop>(desktop));
    data::Database& fund = doctest::fundDb();
    const auto bill = [&](const char* code, int no, const QDate& date, const QString& amounts, double deduction) {
        fund.execute(QStringLiteral("insert into all_exp (head, bill_no, bill_date, pay, d_pay, da, hra, ma, bonus, "
                                    "wages, ta, elec, tele, misc, oe, oc, scheme, deduction, despn) values "
                                    "(?, ?, ?, %1, ?, '')")
                         .arg(amounts),
                     {QString::fromLatin1(code), no, date.toString(Qt::ISODate), deduction});
    };
    fund.execute("insert into head (drawal_code, description, code_category) values ('2202-00-109-NP-00001-01', 'SALARY', 'A'), "
                 "('2202-00-109-NP-00001-13', 'OFFICE', 'A'), ('2202-00-109-NP-00002-01', 'OTHER SALARY', 'A')");
    //                                                                   pay  dp   da   hra ma  bo wa ta  el  te mi oe oc   sc
    bill("2202-00-109-NP-00001-01", 14, QDate(2011, 4, 30), "10000, 2400, 5000, 1500, 300, 0, 0, 0, 0, 0, 0, 0, 0, 0", 2500);
    bill("2202-00-109-NP-00001-13", 9, QDate(2011, 4, 12), "0, 0, 0, 0, 0, 0, 0, 0, 100, 0, 0, 40, 50.5, 0", 0);
    bill("2202-00-109-NP-00001-01", 11, QDate(2011, 4, 20), "7000, 1900, 3500, 700, 0, 0, 0, 250, 0, 0, 0, 0, 0, 0", 1200);
    bill("2202-00-109-NP-00001-01", 20, QDate(2011, 5, 2), "999, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0", 0);
    bill("2202-00-109-NP-00002-01", 3, QDate(2011, 4, 15), "888, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0", 0);

    auto& form = forms::Forms::get<allotment::Form4>();
    testsupport::showForm(form);
    testsupport::enter(*form.Text3, "01/04/2011");
    testsupport::choose(*form.Combo2, "APRIL");
    testsupport::choose(*form.Combo1, "SALARY");
    testsupport::click(*form.Command4);
    ASSERT_EQ(desktop.opened().size(), 1) << boxes.prompts().join(QLatin1Char('|')).toStdString();

    QTemporaryDir out;
    const QString book = testsupport::convertedByLibreOffice(desktop.opened().first(), "xlsx", out);
    // Lines by date: bills 9, 11, 14; nothing of May or of the other head. April brings nothing
    // forward: the progressive row (N28) is the month's.
    QVariantList cells;
    for (const QString& cell : QStringList{"A5", "A6", "A7", "A8", "D27", "E27", "F27", "G27", "H27", "I27", "J27", "K27", "L27", "M27", "N27", "N28"})
        cells << (cell.startsWith('A') ? ooxml::cell(book, cell) : QVariant(ooxml::cell(book, cell).toDouble()));
    EXPECT_EQ(cells, (QVariantList{9.0, 11.0, 14.0, QVariant(), 17000.0, 4300.0, 8500.0, 2500.0, 0.0, 250.0, 190.5, 0.0, 0.0, 3700.0, 29040.5, 29040.5}));

    forms::Forms::unloadAll();
    testsupport::settle();
    office::setDesktop(nullptr);
}

// The outer sheet and the pro statement of a bill with a bonus drawn in gross
// alone, as LibreOffice adds them up: their gross and net are the bill's, to
// the paisa, and the net is the one their words say (the bill is worked by
// hand beside addBonusBill: gross 44093.34, recoveries 3732.67, net 40360.67,
// each the sum of its rows' figures to the paisa).
using BonusBillSheet = doctest::BonusBillFiles;

TEST_F(BonusBillSheet, OuterSheetAndProStatementGrossAndNetAreTheBillsAsRecomputed)
{
    if (!testsupport::hasLibreOffice())
        GTEST_SKIP() << "LibreOffice is not installed";
    activate();
    const auto left = paybill::leftGrandTotals(doctest::salaryDb());
    const auto right = paybill::rightGrandTotals(doctest::salaryDb());
    ASSERT_TRUE(left && right);
    const qint64 gross = qRound64(left->gross * 100), net = qRound64(right->net * 100);
    EXPECT_EQ((QList<qint64>{gross, net}), (QList<qint64>{4409334, 4036067}));

    // Bonus, gross, deductions, net and the words of each file, in the cells they sit in.
    const struct {
        forms::CommandButton* command;
        const char* cells[5];
    } files[] = {{form->Command16, {"G12", "G16", "I74", "I78", "H82"}}, {form->Command8, {"I14", "I15", "I48", "C30", "D30"}}};
    for (const auto& f : files) {
        const qsizetype before = desktop.opened().size();
        testsupport::click(*f.command);
        ASSERT_EQ(desktop.opened().size(), before + 1) << boxes.prompts().join(QLatin1Char('|')).toStdString();
        QTemporaryDir out;
        const QString book = testsupport::convertedByLibreOffice(desktop.opened().last(), "xlsx", out);
        QList<qint64> paise;
        for (int i = 0; i < 4; ++i)
            paise << qRound64(ooxml::cell(book, QLatin1String(f.cells[i])).toDouble() * 100);
        EXPECT_EQ(paise, (QList<qint64>{350000, gross, 373267, net})) << f.cells[0];
        EXPECT_EQ(ooxml::cell(book, QLatin1String(f.cells[4])).toString(), doctest::kBonusBillWords);
    }
}

// An overspent head: to 10 January 2012 it has 28,80,000 allotted (the
// office's 1,95,000 and 26,85,000 more) and 32,26,088 billed (28,000 and
// 31,98,088 more), so the outer sheet's balance of the allotment (G31, the
// allotment less the bills) is -3,46,088.
class OverspentHead : public doctest::BonusBillFiles {
protected:
    void makeData() override
    {
        BonusBillFiles::makeData();
        const QString head = QString::fromLatin1(doctest::kDrawalCode);
        doctest::addRegisterRow(head, 0, {2011, 6, 1}, {2685000, 0, 0, 0, 0, 0});
        doctest::addRegisterRow(head, 30, {2011, 9, 1}, {3198088, 0, 0, 0, 0, 0});
    }
};

// As LibreOffice prints them, in the preview and on paper: every figure of
// the outer sheet and the pro statement with its sign, in lakhs and crores.
TEST_F(OverspentHead, OuterSheetAndProStatementPrintEachFigureWithItsSignInLakhsAndCrores)
{
    if (!testsupport::hasLibreOffice())
        GTEST_SKIP() << "LibreOffice is not installed";
    activate();
    testsupport::click(*form->Command16);
    ASSERT_EQ(desktop.opened().size(), 1) << boxes.prompts().join(QLatin1Char('|')).toStdString();
    QTemporaryDir out;
    QMap<QString, QString> shown = testsupport::shownCells(
        testsupport::convertedByLibreOffice(desktop.opened().last(), testsupport::kShownCsv, out));
    EXPECT_EQ(QStringList({shown["B31"], shown["G24"], shown["G29"], shown["G31"]}).join('|'),
              "Balance of the allotment (Rs.)|28,80,000.00|32,26,088.00|-3,46,088.00");

    // Figures of either sign in thousands, lakhs and crores, and beside the
    // lakh, written into figure cells of each.
    const double figures[] = {-12345678.5, -346088, -100000, -500, -0.5, 0, 500, 99999.99, 346088, 12345678.5};
    const QString printed = "-1,23,45,678.50|-3,46,088.00|-1,00,000.00|-500.00|-0.50|0.00|500.00|99,999.99|"
                            "3,46,088.00|1,23,45,678.50";
    const struct {
        const char* name;
        int rows[10]; // of column I
    } books[] = {{"outer_sheet.xlsx", {49, 51, 55, 62, 64, 66, 67, 68, 69, 70}},
                 {"pro_stt.xlsx", {9, 10, 11, 12, 13, 14, 19, 21, 25, 32}}};
    for (const auto& b : books) {
        office::Workbook book = office::Workbook::open(QString::fromLatin1(b.name));
        for (int i = 0; i < 10; ++i)
            book.setValue(b.rows[i], 9, figures[i]);
        shown = testsupport::shownCells(testsupport::convertedByLibreOffice(book.save(), testsupport::kShownCsv, out));
        QStringList texts;
        for (int row : b.rows)
            texts << shown.value("I" + QString::number(row));
        EXPECT_EQ(texts.join('|'), printed) << b.name;
    }
}

} // namespace
