// The bill form's documents, workbooks and PRINT ALL SCHEDULE, read back from the saved files and the printers.
#include "documents_form_fixture.h"

#include "paybill/schedules/recovery_schedules.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>

namespace {

using namespace doctest;
using testsupport::click;
using testsupport::saidBy;

class BillDocuments : public BillFormFiles {
protected:
    void makeData() override { makeOffice(); }

    // The templates are only ever read.
    QList<QByteArray> digests() const
    {
        QList<QByteArray> out;
        for (const char* t : {"outer_sheet.xlsx", "pro_stt.xlsx", "bill extract.docx", "D.A.schedule.docx"}) {
            QFile f(QDir(data::dataFolder()).filePath(QString::fromLatin1(t)));
            out << (f.open(QIODevice::ReadOnly) ? QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256)
                                                : QByteArray());
        }
        return out;
    }
    void SetUp() override
    {
        templates = digests();
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
    const QStringList outer = {"F18=2027-2028", "B6=Pay in the pay band", "G6=29500"};
    EXPECT_EQ(fileTexts(desktop.opened().at(0), outer), outer);
    const QStringList extract = {"amtd=(FortySeven Thousand Two Hundred SeventyNine) Only"};
    EXPECT_EQ(fileTexts(desktop.opened().at(2), extract), extract);
    EXPECT_EQ(fileTexts(desktop.opened().at(3), {"bill=23"}), QStringList{"bill=23"});

    // The notice is up before the work and goes at the tenth tick.
    EXPECT_TRUE(form->Timer1->enabled());
    EXPECT_EQ(form->Label60->caption(), QStringLiteral("0"));
    for (int i = 1; i <= 9; ++i)
        form->Timer1->tick();
    EXPECT_FALSE(form->Label59->isHidden());
    form->Timer1->tick();
    EXPECT_TRUE(form->Label59->isHidden() && !form->Timer1->enabled());
    EXPECT_EQ(form->Label60->caption(), QStringLiteral("100"));
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
    ASSERT_EQ(said.size(), 1);
    EXPECT_TRUE(said[0].contains("\"outer_sheet.xlsx\" is missing") && said[0].contains("--update")) << said[0].toStdString();
    EXPECT_TRUE(desktop.opened().isEmpty());
}

TEST_F(BillDocuments, PrintAllPrintsInOrderAndSwapsTheButtons)
{
    activate(kFebBill);
    // No: nothing at all.
    EXPECT_EQ(saidBy([&] { click(*form->Command20); }, {{forms::vbNo, "DO YOU LIKE TO CONTINUE"}}),
              QStringList{"PRINTING ALART MESSAGE|4|ALL SCHEDULE OF THIS BILL WILL BE PRINTED THROUGH\nYOUR DEFAULT "
                          "PRINTER AND NO PREVIEW WILL AVAILABLE.\n DO YOU LIKE TO CONTINUE ?"});
    EXPECT_TRUE(log.entries.isEmpty() && converter.runs().isEmpty() && form->Label59->isHidden());

    // An earlier preview must not be what prints: its captions were another schedule's.
    click(*form->Command4);
    const QString closing = printAll();
    // One conversion of the three files, then everything in its place.
    ASSERT_EQ(converter.runs().size(), 1);
    QStringList converted;
    for (const QString& f : converter.runs().first())
        converted << QFileInfo(f).fileName().section(QStringLiteral(" 20"), 0, 0);
    EXPECT_EQ(converted, QStringList({"bill extract", "D.A.schedule", "pro_stt"}));
    EXPECT_EQ(log.entries, QStringList({"bill extract 1-0", "D.A.schedule 1-0", "T.R.Form No", "T.R. FORM NO. 47",
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
    EXPECT_TRUE(form->Command20->isHidden() && !form->Command21->isHidden());
    EXPECT_TRUE(reports::Reports::isLoaded<paybill::DataReport17>());

    // The second button lets the eight go and swaps back.
    click(*form->Command21);
    EXPECT_TRUE(!form->Command20->isHidden() && form->Command21->isHidden());
    EXPECT_FALSE(reports::Reports::isLoaded<paybill::DataReport12>() || reports::Reports::isLoaded<paybill::DataReport17>());
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
    EXPECT_EQ(log.entries, QStringList({"bill extract 1-0", "D.A.schedule 1-0", "T.R FORM NO. 55", "T.R. FORM NO. 12"}));
    EXPECT_FALSE(form->Command21->isHidden());
}

TEST_F(BillDocuments, PrintAllWithoutTheOfficeSuiteStillPrintsTheSchedules)
{
    activate(kFebBill);
    // Each file's reason stands beside the schedules that did print.
    converter.setInstalled(false);
    const QString prompt = printAll();
    EXPECT_EQ(log.entries, QStringList({"T.R.Form No", "T.R. FORM NO. 47", "T.R. FORM NO. 46", "T.R. FORM NO. 53",
                                        "T.R FORM NO. 55", "T.R. FORM NO. 10", "T.R. FORM NO. 12", "T.R. FORM NO. 11"}));
    const QString why = "LibreOffice is not installed; documents and workbooks cannot be printed without it.";
    EXPECT_TRUE(prompt.contains(QStringLiteral("\n\nNot printed:\nbill extract: %1\nD.A. schedule: %1\n"
                                               "pro statement (page 1): %1\n\n").arg(why)) &&
                prompt.contains("\n\nPrinted: H.B. loan (T.R. 38), ")) << prompt.toStdString();

}

TEST_F(BillDocuments, PrintAllWithoutAPrinterPrintsNothing)
{
    activate(kFebBill);
    office::setPdfPrinter(std::make_unique<LogPdfPrinter>(log, false));
    EXPECT_EQ(printAll(), QStringLiteral("PLEASE NOTE|48|NO DEFAULT PRINTER IS SET UP ON THIS COMPUTER.\n"
                                         "Nothing was printed. Set up a printer and print again."));
    EXPECT_TRUE(log.entries.isEmpty() && converter.runs().isEmpty());
    EXPECT_FALSE(QDir(data::dataFolder()).exists(QStringLiteral("output")));
    EXPECT_TRUE(!form->Command20->isHidden() && form->Command21->isHidden());
    EXPECT_EQ(form->Label14->caption(), QString());
}

} // namespace
