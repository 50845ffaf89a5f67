// The bill form's documents, workbooks and PRINT ALL SCHEDULE, read back from the saved files and the printers.
#include "documents_form_fixture.h"

#include "paybill/schedules/recovery_schedules.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>

namespace {

using namespace doctest;

QByteArray digest(const QString& name)
{
    QFile f(QDir(data::dataFolder()).filePath(name));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

class BillDocuments : public BillFormFiles {
protected:
    void makeData() override { makeOffice(); }

    void SetUp() override
    {
        for (const char* t : {"outer_sheet.xlsx", "pro_stt.xlsx", "bill extract.docx", "D.A.schedule.docx"})
            templates << digest(QString::fromLatin1(t));
        BillFormFiles::SetUp();
    }

    void TearDown() override
    {
        // The templates are only ever read.
        int i = 0;
        for (const char* t : {"outer_sheet.xlsx", "pro_stt.xlsx", "bill extract.docx", "D.A.schedule.docx"})
            EXPECT_EQ(digest(QString::fromLatin1(t)), templates.at(i++)) << t;
        BillFormFiles::TearDown();
    }

    void activate(const QDate& date)
    {
        ASSERT_TRUE(testsupport::chooseByData(*form->Combo1, date));
        if (date == kQuietBill)
            boxes.answer(forms::vbNo, QStringLiteral("NO BILL FOUND"));
        ASSERT_TRUE(testsupport::choose(*form->Combo2, QStringLiteral("Salary Office S")));
        testsupport::click(*form->Command1);
        ASSERT_FALSE(form->Command1->isEnabled());
        boxes.clearBoxes();
    }

    // The one file the last command opened.
    QString opened()
    {
        const QStringList o = desktop.opened();
        return o.isEmpty() ? QString() : o.last();
    }

    QList<QByteArray> templates;
};

TEST_F(BillDocuments, OuterSheetIsFilledShownAndTheNoticeRunsTenTicks)
{
    activate(kFebBill);
    testsupport::click(*form->Command16);
    EXPECT_TRUE(boxes.boxes().isEmpty()) << boxes.prompts().join(QLatin1Char('|')).toStdString();
    const QString path = opened();
    ASSERT_FALSE(path.isEmpty());
    EXPECT_TRUE(path.startsWith(QDir(data::dataFolder()).filePath(QStringLiteral("output"))));
    // F18 is the year the form was opened in (today 29/02/2028).
    QStringList expected = kFebOuterSheet;
    expected.replace(expected.indexOf(QStringLiteral("F18=2011-2012")), QStringLiteral("F18=2027-2028"));
    EXPECT_EQ(fileCells(path, expected), expected);
    // The template's captions and formulas stay around the figures.
    EXPECT_EQ(ooxml::cell(path, QStringLiteral("B6")), QVariant(QStringLiteral("Pay in the pay band")));

    // The notice is up before the work and goes at the tenth tick.
    EXPECT_FALSE(form->Label59->isHidden());
    EXPECT_TRUE(form->Timer1->enabled());
    EXPECT_EQ(form->Label60->caption(), QStringLiteral("0"));
    for (int i = 1; i <= 9; ++i)
        form->Timer1->tick();
    EXPECT_FALSE(form->Label59->isHidden());
    form->Timer1->tick();
    EXPECT_TRUE(form->Label59->isHidden());
    EXPECT_FALSE(form->Timer1->enabled());
    EXPECT_EQ(form->Label60->caption(), QStringLiteral("100"));
}

TEST_F(BillDocuments, ProReportWritesRowFortyAndNamesAMissingScheme)
{
    activate(kFebBill);
    testsupport::click(*form->Command8);
    EXPECT_TRUE(boxes.boxes().isEmpty());
    EXPECT_EQ(fileCells(opened(), kFebProStatement), kFebProStatement);
    EXPECT_FALSE(form->Label59->isHidden());

    // No 1983 member: said once, then the workbook with rows 35 and 36 empty.
    activate(kMarchBill);
    desktop = office::RecordingDesktop();
    office::setDesktop(std::make_unique<office::RecordingDesktop>(desktop));
    testsupport::click(*form->Command8);
    EXPECT_EQ(boxes.prompts(), QStringList{"No Employee under GISS 1983 Scheme"});
    const QString path = opened();
    ASSERT_FALSE(path.isEmpty());
    EXPECT_TRUE(ooxml::cell(path, QStringLiteral("I35")).isNull());
    EXPECT_TRUE(ooxml::cell(path, QStringLiteral("I36")).isNull());
    EXPECT_EQ(ooxml::cell(path, QStringLiteral("I37")), QVariant(70.0));
}

TEST_F(BillDocuments, BillExtractAndDaScheduleFillEveryBookmark)
{
    activate(kFebBill);
    testsupport::click(*form->Command10);
    testsupport::click(*form->Command11);
    EXPECT_TRUE(boxes.boxes().isEmpty()) << boxes.prompts().join(QLatin1Char('|')).toStdString();
    ASSERT_EQ(desktop.opened().size(), 2);
    const QString extract = desktop.opened().at(0);
    const QString da = desktop.opened().at(1);
    const std::pair<const char*, const char*> expected[] = {
        {"code", kDrawalCode},     {"date", "15/02/2012"}, {"name", "Asha Roy"}, {"degn", "HEAD CLERK"},
        {"month", "Feb-12"},       {"bill", "23"},         {"amt", "47279.00"},
        {"amtd", "(FortySeven Thousand Two Hundred SeventyNine) Only"}};
    for (const auto& [bm, text] : expected)
        EXPECT_EQ(ooxml::bookmark(extract, QString::fromLatin1(bm)), QString::fromLatin1(text)) << bm;
    EXPECT_EQ(ooxml::bookmark(da, QStringLiteral("date")), QStringLiteral("15/02/2012"));
    EXPECT_EQ(ooxml::bookmark(da, QStringLiteral("bill")), QStringLiteral("23"));
}

TEST_F(BillDocuments, NothingHalfFilledIsShown)
{
    activate(kFebBill);
    salaryDb().execute(QStringLiteral("delete from sal"));
    testsupport::click(*form->Command16);
    testsupport::click(*form->Command8);
    testsupport::click(*form->Command10);
    testsupport::click(*form->Command11);
    EXPECT_EQ(boxes.prompts(), QStringList({"Either No Pay Bill for this Bill Date or Pay Head is not correct",
                                            "No Employee under GISS 1983 Scheme",
                                            "Either No Pay Bill for this Bill Date or Pay Head is not correct",
                                            "Either No Pay Bill for this bill date or Pay head is not correct",
                                            "Either No Pay Bill for this bill date or Pay head is not correct"}));
    EXPECT_EQ(boxes.boxes().at(0).title, QString());
    EXPECT_EQ(boxes.boxes().at(2).title, QStringLiteral("PLEASE NOTE"));
    EXPECT_EQ(boxes.boxes().at(4).title, QStringLiteral("Hi"));
    EXPECT_TRUE(desktop.opened().isEmpty());

    // A missing template is named, with the command that puts it back.
    activate(kFebBill);
    templates[0] = QByteArray();
    QFile::remove(QDir(data::dataFolder()).filePath(QStringLiteral("outer_sheet.xlsx")));
    testsupport::click(*form->Command16);
    ASSERT_EQ(boxes.boxes().size(), 1);
    EXPECT_TRUE(boxes.lastPrompt().contains(QStringLiteral("\"outer_sheet.xlsx\" is missing")));
    EXPECT_TRUE(boxes.lastPrompt().contains(QStringLiteral("--update")));
    EXPECT_TRUE(desktop.opened().isEmpty());
}

const QString kQuestion = QStringLiteral("ALL SCHEDULE OF THIS BILL WILL BE PRINTED THROUGH\n"
                                         "YOUR DEFAULT PRINTER AND NO PREVIEW WILL AVAILABLE.\n"
                                         " DO YOU LIKE TO CONTINUE ?");

TEST_F(BillDocuments, PrintAllPrintsInOrderAndSwapsTheButtons)
{
    activate(kFebBill);
    // No: nothing at all.
    boxes.answer(forms::vbNo, QStringLiteral("DO YOU LIKE TO CONTINUE"));
    testsupport::click(*form->Command20);
    EXPECT_EQ(boxes.prompts(), QStringList{kQuestion});
    EXPECT_EQ(boxes.boxes().first().title, QStringLiteral("PRINTING ALART MESSAGE"));
    EXPECT_TRUE(log.entries.isEmpty());
    EXPECT_TRUE(converter.runs().isEmpty());
    EXPECT_TRUE(form->Label59->isHidden());
    boxes.clearBoxes();

    // An earlier preview must not be what prints: its captions were another schedule's.
    testsupport::click(*form->Command4);
    boxes.answer(forms::vbYes, QStringLiteral("DO YOU LIKE TO CONTINUE"));
    testsupport::click(*form->Command20);

    // One conversion of the three files, then everything in its place.
    ASSERT_EQ(converter.runs().size(), 1);
    QStringList converted;
    for (const QString& f : converter.runs().first())
        converted << QFileInfo(f).fileName().section(QStringLiteral(" 20"), 0, 0);
    EXPECT_EQ(converted, QStringList({"bill extract", "D.A.schedule", "pro_stt"}));
    EXPECT_EQ(log.entries, QStringList({"bill extract 1-0", "D.A.schedule 1-0", "T.R.Form No", "T.R. FORM NO. 47",
                                        "T.R. FORM NO. 46", "T.R. FORM NO. 53", "T.R FORM NO. 55",
                                        "T.R. FORM NO. 10", "T.R. FORM NO. 12", "T.R. FORM NO. 11", "pro_stt 1-1"}))
        << converted.join(QLatin1Char('|')).toStdString();
    ASSERT_EQ(LogReportPrinter::models.size(), 8);
    // The funds are split by group as the buttons split them: the "Agr" and
    // "Agri" accounts are each counted once, on their employee's side.
    EXPECT_TRUE(LogReportPrinter::models.at(1).texts(QStringLiteral("Label34")).contains(
        QStringLiteral("(Three Thousand ) Only")));
    EXPECT_TRUE(LogReportPrinter::models.at(2).texts(QStringLiteral("label22")).contains(QStringLiteral("800.00")));
    EXPECT_EQ(form->Label14->caption(), QStringLiteral("320"));
    EXPECT_EQ(form->Label54->caption(), QStringLiteral("450"));
    EXPECT_EQ(form->Label55->caption(), QStringLiteral("(Four Hundred Fifty) Only"));

    // Row 40 of the printed statement is the template's.
    const QString pro = converter.runs().first().at(2);
    EXPECT_TRUE(ooxml::cell(pro, QStringLiteral("I40")).isNull());
    EXPECT_EQ(ooxml::cell(pro, QStringLiteral("I46")), QVariant(2000.0));

    ASSERT_EQ(boxes.boxes().size(), 2);
    const auto& closing = boxes.boxes().last();
    EXPECT_EQ(closing.title, QStringLiteral("PLEASE NOTE"));
    EXPECT_EQ(closing.style, forms::vbOKOnly + forms::vbInformation);
    const QString outputDir = QDir::toNativeSeparators(QDir(data::dataFolder()).filePath(QStringLiteral("output")));
    EXPECT_EQ(closing.prompt,
              QStringLiteral("DO NOT CLICK O.K WHILE REPORTS ARE PRINTING\n\n"
                             "Printed: bill extract, D.A. schedule, H.B. loan (T.R. 38), G.P.F. other than group D"
                             " (T.R. 47), G.P.F. group D (T.R. 46), GISS 1983 (T.R. 53), GISS 1987 (T.R. 55),"
                             " income tax (T.R. 10), professional tax (T.R. 12), house rent etc. (T.R. 11),"
                             " pro statement (page 1).\n\n"
                             "The filled documents and workbook are saved in ")
                  + outputDir + QLatin1Char('.'));
    EXPECT_TRUE(form->Command20->isHidden());
    EXPECT_FALSE(form->Command21->isHidden());
    EXPECT_TRUE(reports::Reports::isLoaded<paybill::DataReport17>());

    // The second button lets the eight go and swaps back.
    testsupport::click(*form->Command21);
    EXPECT_FALSE(form->Command20->isHidden());
    EXPECT_TRUE(form->Command21->isHidden());
    EXPECT_FALSE(reports::Reports::isLoaded<paybill::DataReport12>());
    EXPECT_FALSE(reports::Reports::isLoaded<paybill::DataReport17>());
}

TEST_F(BillDocuments, PrintAllSaysWhatItSkippedAndWhatFailed)
{
    activate(kQuietBill);
    converter.failFor({QStringLiteral(".xlsx")});
    boxes.answer(forms::vbYes, QStringLiteral("DO YOU LIKE TO CONTINUE"));
    testsupport::click(*form->Command20);
    EXPECT_EQ(log.entries, QStringList({"bill extract 1-0", "D.A.schedule 1-0", "T.R FORM NO. 55",
                                        "T.R. FORM NO. 12"}));
    const auto& closing = boxes.boxes().last();
    EXPECT_EQ(closing.style, forms::vbOKOnly + forms::vbExclamation);
    EXPECT_TRUE(closing.prompt.startsWith(
        QStringLiteral("DO NOT CLICK O.K WHILE REPORTS ARE PRINTING\n\n"
                       "Printed: bill extract, D.A. schedule, GISS 1987 (T.R. 55), professional tax (T.R. 12).\n\n"
                       "Not printed:\npro statement (page 1): the office suite could not turn it into a PDF\n\n")))
        << closing.prompt.toStdString();
    EXPECT_TRUE(closing.prompt.endsWith(
        QStringLiteral("\n\nNothing to print for: H.B. loan (T.R. 38), G.P.F. other than group D (T.R. 47),"
                       " G.P.F. group D (T.R. 46), GISS 1983 (T.R. 53), income tax (T.R. 10),"
                       " house rent etc. (T.R. 11).")));
    EXPECT_FALSE(form->Command21->isHidden());
}

TEST_F(BillDocuments, PrintAllWithoutAPrinterPrintsNothing)
{
    activate(kFebBill);
    office::setPdfPrinter(std::make_unique<LogPdfPrinter>(log, false));
    boxes.answer(forms::vbYes, QStringLiteral("DO YOU LIKE TO CONTINUE"));
    testsupport::click(*form->Command20);
    ASSERT_EQ(boxes.boxes().size(), 2);
    EXPECT_EQ(boxes.lastPrompt(), QStringLiteral("NO DEFAULT PRINTER IS SET UP ON THIS COMPUTER.\n"
                                                 "Nothing was printed. Set up a printer and print again."));
    EXPECT_TRUE(log.entries.isEmpty());
    EXPECT_TRUE(converter.runs().isEmpty());
    EXPECT_FALSE(QDir(data::dataFolder()).exists(QStringLiteral("output")));
    EXPECT_FALSE(form->Command20->isHidden());
    EXPECT_TRUE(form->Command21->isHidden());
    EXPECT_EQ(form->Label14->caption(), QString());
}

} // namespace
