// What the bill's outer sheet, pro statement and documents hold, and the bill form's files, workbooks and PRINT ALL
// SCHEDULE, read back from the saved files and the printers.
#include "documents_form_fixture.h"

#include "paybill/documents/bill_documents.h"
#include "paybill/documents/bill_workbooks.h"
#include "paybill/schedules/recovery_schedules.h"
#include "support/first_row.h"
#include "support/folder_digest.h"
#include "support/report_texts.h"
#include "support/template_edits.h"

#include <QDir>
#include <QFile>

namespace {

using namespace doctest;
using namespace testsupport;
using namespace paybill;

// Every cell of the map as "D4=MAR-12" (an empty one as "I67="), in writing order; only those of `refs` if given.
QStringList written(const CellMap& m, const QStringList& refs = {})
{
    QStringList out;
    for (const paybill::Cell& c : m) {
        const QString ref = QChar(QLatin1Char('A' + c.col - 1)) + QString::number(c.row);
        if (refs.isEmpty() || refs.contains(ref))
            out << ref + QLatin1Char('=') + shown(c.value);
    }
    return out;
}

// The texts of the named bookmarks, "<none>" for one not filled.
QStringList textsAt(const paybill::BookmarkTexts& t, const QStringList& names)
{
    QStringList out;
    for (const QString& name : names) {
        const auto it = std::find_if(t.begin(), t.end(), [&](const auto& b) { return b.bookmark == name; });
        out << (it == t.end() ? QStringLiteral("<none>") : it->text);
    }
    return out;
}

// (The March bill kept under 1 April, its pro statement without a 1983 member and the printed statement's row 40
// are the form's paise bill's cases.)
TEST_F(BillData, OuterSheetProStatementAndBillExtractHoldTheBillAndItsOwnYearsRegister)
{
    // February's bill, every cell in writing order: the pro statement splits the fund by account series. An older
    // bill (January 2012) runs from 1 April 2011 to its date: the December allotment counts, the February bills do
    // not; nobody outside group D with a fund leaves I49 empty.
    const struct {
        QDate date;
        const char* billNo; // null for the pro statement
        QStringList refs, expected;
    } cases[] = {
        {kFebBill, "23", {}, kFebOuterSheet},
        {kQuietBill, "NIL", {"G24", "G29", "I49", "I66", "I67", "I68", "I69", "I70", "H82"},
         {"G24=195000", "G29=28000", "I49=", "I68=", "I67=", "I70=0", "I69=0", "I66=0",
          "H82=(Sixteen Thousand Three Hundred Thirty) Only"}}, {kFebBill, nullptr, {}, kFebProStatement},
    };
    for (const auto& c : cases) {
        activate(c.date);
        const paybill::OuterSheetBill bill{QString::fromLatin1(c.billNo), c.date.toString(QStringLiteral("dd/MM/yyyy")),
                                           c.date, QStringLiteral("FEB-12"), QString::fromLatin1(kDrawalCode),
                                           QStringLiteral("2011-2012")};
        const auto cells = c.billNo ? paybill::outerSheetCells(salaryDb(), fundDb(), bill)
            : std::optional<CellMap>(paybill::proStatementCells(salaryDb(), QString::fromLatin1(kDrawalCode), true)->cells);
        ASSERT_TRUE(cells);
        EXPECT_EQ(written(*cells, c.refs), c.expected) << c.billNo;
    }

    // The bill extract of the February bill, still active.
    auto texts = paybill::billExtractTexts(salaryDb(), QString::fromLatin1(kDrawalCode), QStringLiteral("23"));
    ASSERT_TRUE(texts);
    // Row 1 is the highest grade pay; the form's test reads every bookmark back from the file.
    EXPECT_EQ(textsAt(*texts, {"name"}), QStringList{"Asha Roy"});

    // Paise, a total under one rupee and nothing at all.
    const std::pair<double, QStringList> nets[] = {
        {12345.5, {"12345.50", "(Twelve Thousand Three Hundred FortyFiveAndFifty) Only"}},
        {0.5, {".50", "(AndFifty) Only"}}, {0, {".00", "() Only"}}};
    for (const auto& [net, expected] : nets) {
        salaryDb().execute(QStringLiteral("update sal set net = case when sl_no = 1 then ? else 0 end"), {net});
        texts = paybill::billExtractTexts(salaryDb(), QString(), QString());
        ASSERT_TRUE(texts);
        EXPECT_EQ(textsAt(*texts, {"amt", "amtd"}), expected) << net;
    }

    // A field the row lacks is written as empty text, never left as the template's.
    salaryDb().execute(QStringLiteral("update sal set name = null, designation = null where sl_no = 1"));
    texts = paybill::billExtractTexts(salaryDb(), QString(), QString());
    ASSERT_TRUE(texts);
    EXPECT_EQ(textsAt(*texts, {"name", "degn"}), QStringList(2, QString()));
}

// Register figures stored finer than the paisa by an older build count as the register prints them:
//   allotted  195000 + 0.01 (pay) + 0.01 (D.A.) + 0.01 (H.R.A.) = 195000.03
//   spent     28000 + 0.01 (pay) + 0.01 (grade pay) + 0.01 (M.A.) = 28000.03
// (added as stored, each would come to .015 over). A bill stored under a date
// that is no date, "2012-01-32", is January's on every paper of the registers,
// so spent by the 31st here: 28000.03 + 100 = 28100.03.
TEST_F(BillData, OuterSheetRegisterTotalsAddEachFigureToThePaisa)
{
    const QString head = QString::fromLatin1(kDrawalCode);
    //                                  pay    da     d_pay  hra    ma     bonus
    addRegisterRow(head, 0, {2011, 5, 2},  {0.005, 0.005, 0,     0.005, 0,     0});
    addRegisterRow(head, 40, {2011, 5, 2}, {0.005, 0,     0,     0,     0,     0});
    addRegisterRow(head, 41, {2011, 5, 2}, {0,     0,     0.005, 0,     0.005, 0});
    addRegisterRow(head, 42, QVariant("2012-01-32"), {100,   0,     0,     0,     0,     0});
    activate(kQuietBill);
    const paybill::OuterSheetBill bill{QStringLiteral("NIL"), QStringLiteral("31/01/2012"), kQuietBill,
                                       QStringLiteral("JAN-12"), head, QStringLiteral("2011-2012")};
    const auto cells = paybill::outerSheetCells(salaryDb(), fundDb(), bill);
    ASSERT_TRUE(cells);
    EXPECT_EQ(written(*cells, {"G24", "G29"}), (QStringList{"G24=195000.03", "G29=28100.03"}));
}

// The bonus lies outside the sheet's lines and gets a line of its own, so the
// gross the sheet adds up is the bill's (the figures recomputed by an office
// suite are the integration test's).
TEST_F(BillData, OuterSheetDrawsWhatIsHeldInGrossAloneOnALineOfItsOwn)
{
    addBonusBill();
    activate(kBonusBill);
    const paybill::OuterSheetBill bill{QStringLiteral("NIL"), QStringLiteral("10/01/2012"), kBonusBill,
                                       QStringLiteral("JAN-12"), QString::fromLatin1(kDrawalCode),
                                       QStringLiteral("2011-2012")};
    const auto cells = paybill::outerSheetCells(salaryDb(), fundDb(), bill);
    ASSERT_TRUE(cells);
    EXPECT_EQ(written(*cells, {"G6", "G8", "G10", "G11", "G14", "G12", "I49", "I66", "H82"}),
              QStringList({"G6=23000", "G8=5200", "G10=9660", "G11=3450", "G14=950", "G12=3500", "I49=2216.67",
                           "I66=600", "H82=" + kBonusBillWords}));
}

// A row an older build stored with a third of a rupee in its gross (an
// advance of 1000 over 3) and another in its deduction (a loan of 4000 over 3):
//   gross 25000 + 4400 + 8800 + 1830 + 300 - 333.3333 = 39996.6667, printed 39996.67
//   deduction 2000 + 1333.3333 + 30 + 60 + 150 = 3573.3333, printed 3573.33
//   net stored 36423.3334, which alone would print 36423.33 under those two;
//   every paper says 36423.34, the printed gross less the printed deduction,
//   and Import's figures give it too: 40330 less (3573.33 + 333.33) = 36423.34.
TEST_F(BillData, ARowOfThirdsInItsGrossAndItsDeductionHasOneNetOnEveryPaper)
{
    const QDate date(2012, 1, 20);
    addSalary(date, {"S021", "Old Row", "CLERK", "Edn/121", "C", 25000, 4400, 1000.0 / 3, 8800, 1830, 300, 0, 2000,
                     4000.0 / 3, 30, 60, 150, 0, 0, 0, 0});
    activate(date);
    EXPECT_EQ(number(salaryDb(), "select net from sal"), 36423.34);
    const paybill::OuterSheetBill bill{QStringLiteral("NIL"), QStringLiteral("20/01/2012"), date,
                                       QStringLiteral("JAN-12"), QString::fromLatin1(kDrawalCode),
                                       QStringLiteral("2011-2012")};
    const QString words = QStringLiteral("(ThirtySix Thousand Four Hundred TwentyThreeAndThirtyFour) Only");
    EXPECT_EQ(written(*paybill::outerSheetCells(salaryDb(), fundDb(), bill), {"G7", "G12", "H82"}),
              QStringList({"G7=333.33", "G12=0", "H82=" + words}));
    EXPECT_EQ(written(paybill::proStatementCells(salaryDb(), QString::fromLatin1(kDrawalCode), false)->cells,
                      {"C30", "D30"}),
              QStringList({"C30=36423.34", "D30=" + words}));
    const auto t = paybill::headTotals(salaryDb(), date, QStringLiteral("S")).value();
    EXPECT_EQ((QList<double>{t.pay + t.dPay + t.da + t.hra + t.maOa + t.bonus, t.deduct}),
              (QList<double>{40330, 3906.66}));
}

class BillDocuments : public BillFormFiles {
protected:
    void makeData() override { makeOffice(); }

    // The templates are only ever read.
    QList<QByteArray> digests() const
    {
        const auto all = fileDigests(data::dataFolder());
        return {all.value("outer_sheet.xlsx"), all.value("pro_stt.xlsx"), all.value("bill extract.docx"),
                all.value("D.A.schedule.docx")};
    }
    void SetUp() override
    {
        templates = digests();
        ASSERT_FALSE(templates.contains(QByteArray()));
        BillFormFiles::SetUp();
    }
    void TearDown() override
    {
        EXPECT_EQ(digests(), templates);
        BillFormFiles::TearDown();
    }
    void activate(const QDate& date) { activateOn(*form, date, kDrawalCode, date != kQuietBill); }
    // PRINT ALL SCHEDULE answered Yes: what it said last.
    QString printAll()
    {
        return saidBy([&] { click(*form->Command20); }, {{forms::vbYes, "DO YOU LIKE TO CONTINUE"}}).value(1);
    }
    QStringList files() { return saidBy([&] { for (auto* b : {form->Command16, form->Command8, form->Command10, form->Command11}) click(*b); }); }

    QList<QByteArray> templates;
};

TEST_F(BillDocuments, EachFileIsFilledShownAndTheNoticeRunsTenTicks)
{
    activate(kFebBill);
    EXPECT_EQ(files(), QStringList());
    ASSERT_EQ(desktop.opened().size(), 4);
    // Each saved name says which bill: "output/<template> <bill date> <head> <time>".
    const char* made[] = {"outer_sheet", "pro_stt", "bill extract", "D.A.schedule"};
    for (int i = 0; i < 4; ++i)
        EXPECT_TRUE(desktop.opened().at(i).startsWith(QDir(data::dataFolder()).filePath(
            QStringLiteral("output/%1 2012-02-15 %2 ").arg(QLatin1String(made[i]), QLatin1String(kDrawalCode)))));
    // Every cell is the content test's; the file keeps the year the form was
    // opened in (today 29/02/2028) and the template's captions around them.
    expectTexts(desktop.opened().at(0), {"F18=2027-2028", "B6=Pay in the pay band", "G6=29500",
                                         "B12=Bonus, festival advance paid and other amounts", "G12=0"});
    expectTexts(desktop.opened().at(2), {"amtd=(FortySeven Thousand Two Hundred SeventyNine) Only"});
    expectTexts(desktop.opened().at(3), {"bill=23"});

    // The notice is up before the work and goes at the tenth tick.
    EXPECT_TRUE(form->Timer1->enabled() && form->Label60->caption() == QStringLiteral("0"));
    for (int i = 1; i <= 9; ++i)
        form->Timer1->tick();
    EXPECT_FALSE(form->Label59->isHidden());
    form->Timer1->tick();
    EXPECT_TRUE(form->Label59->isHidden() && !form->Timer1->enabled() && form->Label60->caption() == QStringLiteral("100"));
}

TEST_F(BillDocuments, NothingHalfFilledIsShown)
{
    activate(kFebBill);
    salaryDb().execute(QStringLiteral("delete from sal"));
    EXPECT_EQ(files(), QStringList({"|0|Either No Pay Bill for this Bill Date or Pay Head is not correct",
                                    "PLEASE NOTE|64|No Employee under GISS 1983 Scheme",
                                    "PLEASE NOTE|64|Either No Pay Bill for this Bill Date or Pay Head is not correct",
                                    "Hi|64|Either No Pay Bill for this bill date or Pay head is not correct",
                                    "Hi|64|Either No Pay Bill for this bill date or Pay head is not correct"}));
    EXPECT_TRUE(desktop.opened().isEmpty());

    // A missing template is named, with the command that puts it back.
    activate(kFebBill);
    templates[0] = QByteArray();
    QFile::remove(QDir(data::dataFolder()).filePath(QStringLiteral("outer_sheet.xlsx")));
    const QStringList said = saidBy([&] { click(*form->Command16); });
    EXPECT_TRUE(said.size() == 1 && said[0].contains("\"outer_sheet.xlsx\" is missing") && said[0].contains("--update"))
        << said.join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(desktop.opened().isEmpty());
}

TEST_F(BillDocuments, PrintAllPrintsInOrderAndSwapsTheButtonsOrSaysWhyNot)
{
    activate(kFebBill);
    // No: nothing at all.
    EXPECT_EQ(saidBy([&] { click(*form->Command20); }, {{forms::vbNo, "DO YOU LIKE TO CONTINUE"}}),
              QStringList{"PRINTING ALART MESSAGE|4|ALL SCHEDULE OF THIS BILL WILL BE PRINTED THROUGH\nYOUR DEFAULT "
                          "PRINTER AND NO PREVIEW WILL AVAILABLE.\n DO YOU LIKE TO CONTINUE ?"});
    EXPECT_TRUE(log.isEmpty() && converter.runs().isEmpty() && form->Label59->isHidden());

    // Without a printer: nothing printed and nothing written, and the buttons stay.
    office::setPdfPrinter(std::make_unique<LogPdfPrinter>(log, false));
    EXPECT_EQ(printAll(), QStringLiteral("PLEASE NOTE|48|NO DEFAULT PRINTER IS SET UP ON THIS COMPUTER.\n"
                                         "Nothing was printed. Set up a printer and print again."));
    EXPECT_TRUE(log.isEmpty() && converter.runs().isEmpty() && !QDir(data::dataFolder()).exists(QStringLiteral("output")));
    EXPECT_TRUE(!form->Command20->isHidden() && form->Command21->isHidden() && form->Label14->caption().isEmpty());
    office::setPdfPrinter(std::make_unique<LogPdfPrinter>(log, true));

    // An earlier preview must not be what prints: its captions were another schedule's.
    click(*form->Command4);
    const QString closing = printAll();
    // One conversion of the three files, then everything in its place.
    ASSERT_EQ(converter.runs().size(), 1);
    QStringList converted;
    for (const QString& f : converter.runs().first())
        converted << QFileInfo(f).fileName().section(QStringLiteral(" 20"), 0, 0);
    EXPECT_EQ(converted, QStringList({"bill extract", "D.A.schedule", "pro_stt"}));
    EXPECT_EQ(log, QStringList({"bill extract 1-0", "D.A.schedule 1-0", "T.R.Form No", "T.R. FORM NO. 47",
                                        "T.R. FORM NO. 46", "T.R. FORM NO. 53", "T.R FORM NO. 55",
                                        "T.R. FORM NO. 10", "T.R. FORM NO. 12", "T.R. FORM NO. 11", "pro_stt 1-1"}));
    const QString outputDir = QDir::toNativeSeparators(QDir(data::dataFolder()).filePath(QStringLiteral("output")));
    EXPECT_EQ(closing, QStringLiteral("PLEASE NOTE|64|DO NOT CLICK O.K WHILE REPORTS ARE PRINTING\n\n"
                                      "Printed: bill extract, D.A. schedule, H.B. loan (T.R. 38), G.P.F. other than"
                                      " group D (T.R. 47), G.P.F. group D (T.R. 46), GISS 1983 (T.R. 53), GISS 1987"
                                      " (T.R. 55), income tax (T.R. 10), professional tax (T.R. 12), house rent etc."
                                      " (T.R. 11), pro statement (page 1).\n\n"
                                      "The filled documents and workbook are saved in ")
                           + outputDir + QLatin1Char('.'));
    EXPECT_TRUE(form->Command20->isHidden() && !form->Command21->isHidden() && reports::Reports::isLoaded<DataReport17>());

    // The second button lets the eight go and swaps back.
    click(*form->Command21);
    EXPECT_TRUE(!form->Command20->isHidden() && form->Command21->isHidden());
    EXPECT_FALSE(reports::Reports::isLoaded<DataReport12>() || reports::Reports::isLoaded<DataReport17>());

    // Without the office suite each file's reason stands beside the schedules that did print.
    log.clear();
    converter.setInstalled(false);
    const QString prompt = printAll();
    EXPECT_EQ(log, QStringList({"T.R.Form No", "T.R. FORM NO. 47", "T.R. FORM NO. 46", "T.R. FORM NO. 53",
                                        "T.R FORM NO. 55", "T.R. FORM NO. 10", "T.R. FORM NO. 12", "T.R. FORM NO. 11"}));
    const QString why = "LibreOffice is not installed; documents and workbooks cannot be printed without it.";
    EXPECT_TRUE(prompt.contains(QStringLiteral("\n\nNot printed:\nbill extract: %1\nD.A. schedule: %1\n"
                                               "pro statement (page 1): %1\n\n").arg(why)) &&
                prompt.contains("\n\nPrinted: H.B. loan (T.R. 38), ")) << prompt.toStdString();
}

TEST_F(BillDocuments, PrintAllSaysWhatItSkippedAndWhatFailed)
{
    activate(kQuietBill);
    converter.failFor({QStringLiteral(".xlsx")});
    EXPECT_EQ(printAll(),
              QStringLiteral("PLEASE NOTE|48|DO NOT CLICK O.K WHILE REPORTS ARE PRINTING\n\nPrinted: bill extract, D.A. schedule, "
              "GISS 1987 (T.R. 55), professional tax (T.R. 12).\n\nNot printed:\npro statement (page 1): the office "
              "suite could not turn it into a PDF\n\nThe filled documents and workbook are saved in ")
                  + QDir::toNativeSeparators(QDir(data::dataFolder()).filePath(QStringLiteral("output")))
                  + QStringLiteral(".\n\nNothing to print for: H.B. loan (T.R. 38), G.P.F. other than "
              "group D (T.R. 47), G.P.F. group D (T.R. 46), GISS 1983 (T.R. 53), income tax (T.R. 10), house rent "
              "etc. (T.R. 11)."));
    EXPECT_EQ(log, QStringList({"bill extract 1-0", "D.A.schedule 1-0", "T.R FORM NO. 55", "T.R. FORM NO. 12"}));
    EXPECT_FALSE(form->Command21->isHidden());
}

// The bonus the bill draws in gross alone has a line of its own on the pro
// statement too, the one PRO REPORT shows and the one PRINT ALL SCHEDULE
// prints (the figures recomputed by an office suite are the integration test's).
TEST_F(BonusBillFiles, ProStatementShownAndPrintedDrawsWhatIsHeldInGrossAloneOnALineOfItsOwn)
{
    activate();
    click(*form->Command8);
    ASSERT_EQ(desktop.opened().size(), 1) << boxes.prompts().join(QLatin1Char('|')).toStdString();
    boxes.answer(forms::vbYes, QStringLiteral("DO YOU LIKE TO CONTINUE"));
    click(*form->Command20);
    const QStringList printed = converter.runs().value(0);
    ASSERT_EQ(printed.size(), 3);
    for (const QString& file : {desktop.opened().first(), printed.at(2)})
        expectTexts(file, {"B14=Bonus, festival advance paid and other amounts", "I13=4400", "I14=3500",
                           "C30=40360.67", "D30=" + kBonusBillWords});
}

// A template the bill cannot be filled into whole would show the bonus
// unlabelled, or a gross short of the bill's under a net in words that is
// the bill's: an earlier version (the one before the bonus line) and one
// changed so that its gross leaves the line out are each refused, named with
// the way to the current one, before anything is filled, saved or printed.
// One changed elsewhere whose gross still takes the line in is filled.
TEST_F(BonusBillFiles, AnEarlierTemplateOrOneWhoseGrossLeavesOutTheBonusLineIsRefusedBeforeAnythingIsFilled)
{
    activate();
    const QDir dir(data::dataFolder());
    const QString folder = QDir::toNativeSeparators(data::dataFolder());
    auto refusal = [&](const QString& said, const char* nothing) {
        return QStringLiteral("PLEASE NOTE|48|") + said + QStringLiteral("\r\n") + QLatin1String(nothing);
    };
    const QString command = QStringLiteral(" with:\r\n    dosset-setup \"%1\" --update").arg(folder);
    const QString earlier = "THE WORKBOOK TEMPLATE \"%1\" IN THE DATA FOLDER IS AN EARLIER VERSION, WHICH THIS "
                            "PROGRAM NO LONGER FILLS.";
    const QString lacks = "THE WORKBOOK TEMPLATE \"%1\" IN THE DATA FOLDER WAS CHANGED THERE AND LACKS WHAT THIS "
                          "PROGRAM WRITES INTO IT: THE GROSS FORMULA OF %2 DOES NOT TAKE IN %3, \"Bonus, festival "
                          "advance paid and other amounts\".";
    const QString moveIt = "\r\nMove it out of the data folder, then bring the current one" + command;
    auto nothingDone = [&] {
        EXPECT_TRUE(desktop.opened().isEmpty() && converter.runs().isEmpty() && log.isEmpty());
        EXPECT_FALSE(dir.exists(QStringLiteral("output")));
        EXPECT_TRUE(form->Label59->isHidden() && !form->Timer1->enabled());
    };

    testsupport::takeOutTheOuterSheetsBonusLine(dir.filePath("outer_sheet.xlsx"));
    testsupport::takeOutTheProStatementsBonusLine(dir.filePath("pro_stt.xlsx"));
    EXPECT_EQ(saidBy([&] { click(*form->Command16); }),
              QStringList{refusal(earlier.arg("outer_sheet.xlsx"), "NOTHING WAS FILLED.") + "\r\nBring the current one"
                          + command});
    EXPECT_EQ(saidBy([&] { click(*form->Command8); }),
              QStringList{refusal(earlier.arg("pro_stt.xlsx"), "NOTHING WAS FILLED.") + "\r\nBring the current one"
                          + command});
    // PRINT ALL SCHEDULE asks nothing and prints nothing, not even the two documents.
    EXPECT_EQ(saidBy([&] { click(*form->Command20); }),
              QStringList{refusal(earlier.arg("pro_stt.xlsx"), "NOTHING WAS PRINTED.") + "\r\nBring the current one"
                          + command});
    nothingDone();

    // Changed in the folder: the gross formula as it was before the line.
    common::installTemplates(dir.path(), false);
    testsupport::setFormula(dir.filePath("outer_sheet.xlsx"), "G16", "G6-G7+G8+G10+G11+G14");
    testsupport::setFormula(dir.filePath("pro_stt.xlsx"), "I15", "I9+I10-I11+I12+I13");
    EXPECT_EQ(saidBy([&] { click(*form->Command16); }),
              QStringList{refusal(lacks.arg("outer_sheet.xlsx", "G16", "G12"), "NOTHING WAS FILLED.") + moveIt});
    EXPECT_EQ(saidBy([&] { click(*form->Command20); }),
              QStringList{refusal(lacks.arg("pro_stt.xlsx", "I15", "I14"), "NOTHING WAS PRINTED.") + moveIt});
    nothingDone();

    // Changed, but the gross takes the line in through a range:
    //   SUM(G6:G14) - 2 x G7 = 23000 + 1666.67 + 5200 + 9660 + 3450 + 3500 + 950 - 3333.34 = 44093.33, the bill's.
    testsupport::setFormula(dir.filePath("outer_sheet.xlsx"), "G16", "SUM(G6:G14)-2*G7");
    EXPECT_EQ(saidBy([&] { click(*form->Command16); }), QStringList());
    ASSERT_EQ(desktop.opened().size(), 1);
    expectTexts(desktop.opened().first(), {"B12=Bonus, festival advance paid and other amounts", "G12=3500"});
    EXPECT_EQ(ooxml::formula(desktop.opened().first(), "G16"), "SUM(G6:G14)-2*G7");
}

const char* const kHeadK = "20540010010202001";
const QDate kJanBill{2028, 1, 20};
const QDate kMarBill{2028, 3, 31};

// The January 2028 bill, worked by hand (gross less deductions):
//   K01  29220    - (3000 + 416.67 + 30 + 70 + 200 + 1200)          = 24303.33
//   K02  16679.50 - (1200 + 3 + 5 + 130 + 800 + 125.25)             = 14416.25   less_fa 250.50
//   K03  10170    - (700 + 150 + 12 + 18 + 40 + 310)                =  8940
//   K04   9705    - (600 + 3 + 5 + 40)                               =  9057
//   net 56716.58; GPF 6066.67: by group B/C 4616.67, D 1450; by series "Agr" (Agr/11, Agri/22, Agr/44)
//   5216.67, others 850; insurance 1983 (K02, K04) if 6 sf 10, 1987 if 42 sf 88.
void makeOfficeK()
{
    fundDb().execute(QStringLiteral("insert into estt (ddo_code, degn, dist) values ('DDO-K', 'Sub-Divisional Officer',"
                                    " 'Hooghly')"));
    fundDb().execute(QStringLiteral("insert into head (drawal_code, description, code_category) values (?,?,?)"),
                     {QString::fromLatin1(kHeadK), QStringLiteral("Salary Office K"), QStringLiteral("K")});
    const Row bill[] = {
        {"K01", "Ratan Ghosh", "SECTION OFFICER", "Agr/11", "B", 15000, 5400, 0, 6120, 2400, 300, 0, 3000, 416.67, 30,
         70, 200, 0, 0, 1200, 0},
        {"K02", "Mitali Bose", "UPPER DIVISION CLERK", "Agri/22", "C", 9000, 2600, 250.5, 3480, 1500, 300, 50, 1200, 0,
         3, 5, 130, 800, 125.25, 0, 0},
        {"K03", "Harun Ali", "GROUP D STAFF", "G/33", "D", 5200, 1700, 0, 2070, 900, 300, 0, 700, 150, 12, 18, 40, 0, 0,
         0, 310},
        {"K04", "Sima Dey", "PEON", "Agr/44", "D", 4900, 1700, 0, 1980, 825, 300, 0, 600, 0, 3, 5, 40, 0, 0, 0, 0},
    };
    for (const Row& r : bill)
        addSalary(kJanBill, r);
    addSalary(kMarBill, bill[0]);

    // 2027-28 up to 20 January: allotted 130000, billed 100 + 58000 + 60000.
    // The March bill is kept under 1 April 2028 with that day's allotment.
    const QString head = QString::fromLatin1(kHeadK);
    //                                     pay     da     d_pay  hra   ma    bonus
    addRegisterRow(head, 0, {2027, 3, 15},  {9999,   0,     0,     0,    0,    0});
    addRegisterRow(head, 0, {2027, 4, 1},   {100000, 30000, 0,     0,    0,    0});
    addRegisterRow(head, 0, {2028, 1, 21},  {555,    0,     0,     0,    0,    0});
    addRegisterRow(head, 0, {2028, 4, 1},   {5000,   0,     0,     0,    0,    0});
    addRegisterRow(head, 1, {2027, 4, 1},   {100,    0,     0,     0,    0,    0});
    addRegisterRow(head, 7, {2027, 12, 20}, {30000,  12000, 10000, 5000, 1000, 0});
    addRegisterRow(head, 9, {2028, 1, 20},  {34100,  13650, 11400, 0,    0,    850});
    addRegisterRow(head, 12, {2028, 4, 1},  {7000,   0,     0,     0,    0,    0});
}

const QString kWords = QStringLiteral("(FiftySix Thousand Seven Hundred SixteenAndFiftyEight) Only");

class PaiseBill : public BillFormFiles {
protected:
    void makeData() override { makeOfficeK(); }

    void activate(const QDate& date) { activateOn(*form, date, kHeadK); }
};

TEST_F(PaiseBill, EveryCellAndBookmarkComesOutAsWorkedByHandAndPrintAllSplitsTheFundAndAMarchBillKeepsItsYear)
{
    activate(kJanBill);
    for (auto* b : {form->Command16, form->Command8, form->Command10, form->Command11})
        click(*b);
    EXPECT_TRUE(boxes.boxes().isEmpty()) << boxes.prompts().join(QLatin1Char('|')).toStdString();
    ASSERT_EQ(desktop.opened().size(), 4);

    expectTexts(desktop.opened().at(0), {
        "B15=9", "D15=20/01/2028", "D4=JAN-28", "F18=2027-2028", "G4=2028", "G6=34100", "G8=11400", "G7=250.5",
        "G10=13650", "G11=5625", "G14=1250", "G12=0", "G24=130000", "G29=118100", "I49=4616.67", "I51=800", "I55=125.25",
        "I72=1200", "I68=10", "I67=6", "I70=88", "I69=42", "I62=410", "I64=310", "I66=1450", "H82=" + kWords});

    expectTexts(desktop.opened().at(1), {
        "C5=2054", "I9=34100", "I10=11400", "I11=250.5", "I12=13650", "I13=6875", "I14=0", "I19=5216.67", "I21=800",
        "I25=125.25", "I33=1200", "I35=10", "I36=6", "I37=88", "I38=42", "I40=310", "I32=410", "C30=56716.58",
        "D30=" + kWords, "I46=850"});

    expectTexts(desktop.opened().at(2), {QStringLiteral("code=") + QString::fromLatin1(kHeadK), "date=20/01/2028",
                                         "name=Ratan Ghosh", "degn=SECTION OFFICER", "month=Jan-28", "bill=9",
                                         "amt=56716.58", "amtd=" + kWords});
    expectTexts(desktop.opened().at(3), {"date=20/01/2028", "bill=9"});

    // PRINT ALL SCHEDULE splits the fund by group and leaves row forty of the printed statement to the template.
    boxes.answer(forms::vbYes, QStringLiteral("DO YOU LIKE TO CONTINUE"));
    click(*form->Command20);
    ASSERT_EQ(boxes.boxes().size(), 2); // the question and the closing note
    EXPECT_TRUE(boxes.lastPrompt().startsWith(QStringLiteral("DO NOT CLICK O.K WHILE REPORTS ARE PRINTING\n\n")));
    EXPECT_EQ(log.size(), 11);
    ASSERT_EQ(LogReportPrinter::models.size(), 8);

    // T.R. 47 and 46 take the funds by group: 4616.67 and 1450.00.
    EXPECT_TRUE(LogReportPrinter::models.at(1).texts(QStringLiteral("Label34")).contains(
        QStringLiteral("(Four Thousand Six Hundred SixteenAndSixtySeven) Only")));
    EXPECT_TRUE(LogReportPrinter::models.at(2).texts(QStringLiteral("label22")).contains(QStringLiteral("1450.00")));
    EXPECT_EQ(captions({form->Label14, form->Label15, form->Label54}),
              (QStringList{"410", "(Four Hundred Ten) Only", "310"}));

    const QStringList files = converter.runs().value(0);
    ASSERT_EQ(files.size(), 3);
    expectTexts(files.at(2), {"I19=5216.67", "I40=", "I46=850", "C30=56716.58", "D30=" + kWords});

    // Made on 29 February 2028, the March bill is kept under 1 April 2028; the sheet still names the year the form
    // shows. No 1983 member: PRO REPORT says so once, before the workbook.
    activate(kMarBill);
    click(*form->Command16);
    expectTexts(desktop.opened().at(4), {"B15=12", "D4=MAR-28", "F18=2027-2028", "G4=2028", "G24=5000", "G29=7000",
                                         "I49=3416.67", "I66=0", "I67=", "I68=", "I69=30", "I70=70"});
    EXPECT_EQ(saidBy([&] { click(*form->Command8); }), QStringList{"PLEASE NOTE|64|No Employee under GISS 1983 Scheme"});
    ASSERT_EQ(desktop.opened().size(), 6);
    expectTexts(desktop.opened().at(5), {"I19=3416.67", "I35=0", "I36=0", "I37=70", "I38=30", "I40=0", "I46=0"});
}

} // namespace
