#include "office_fixture.h"

#include "platform/forms/scripted_dialogs.h"
#include "platform/office/desktop.h"
#include "platform/office/document.h"
#include "platform/office/package.h"
#include "platform/office/workbook.h"
#include "platform/reports/painter.h"
#include "platform/reports/preview.h"

#include <QApplication>
#include <QGuiApplication>
#include <QPainter>
#include <QPdfDocument>
#include <QStandardPaths>
#include <gtest/gtest.h>

using namespace office;
using namespace officetest;

namespace {

// Installs recording doubles for one test and puts the real ones back after.
struct Seams {
    RecordingDesktop desktop{true};
    RecordingPdfConverter converter;
    RecordingPdfPrinter printer{true};
    explicit Seams(bool opens = true, bool hasPrinter = true) : desktop(opens), printer(hasPrinter)
    {
        setDesktop(std::make_unique<RecordingDesktop>(desktop));
        setPdfConverter(std::make_unique<RecordingPdfConverter>(converter));
        setPdfPrinter(std::make_unique<RecordingPdfPrinter>(printer));
    }
    ~Seams()
    {
        setDesktop(nullptr);
        setPdfConverter(nullptr);
        setPdfPrinter(nullptr);
    }
};

QString savedWorkbook(const Folder& folder, const QString& name)
{
    folder.put(name, workbookParts("</sheetData>"));
    return Workbook::open(name).save();
}

} // namespace

// The desktop's program only where it can really show the file; else the
// pages LibreOffice makes, in the program's preview; else the file is named.
TEST(Show, DesktopProgramOnlyWhereOneCanShowTheFileElseItsPagesElseItsName)
{
    Folder folder;
    folder.put("gpf_statement.xlsx", workbookParts("<row r=\"1\"><c r=\"A1\"><v>1</v></c></row></sheetData>"));
    const DesktopApplication other{"office.desktop", "/usr/bin/office"};
    const DesktopApplication libre{"libreoffice-calc.desktop", "/usr/bin/libreoffice"};
    enum Converter { None, Works, Fails };
    const struct {
        DesktopApplication app;
        bool libreOfficeWindows;
        Converter converter;
        QString shown;
    } cases[] = {
        {other, false, Works, "desktop"},
        {libre, true, Works, "desktop"},
        {libre, false, Works, "preview"},                 // LibreOffice's headless packages only
        {{"office.desktop", ""}, true, Works, "preview"},  // its program is not there
        {{}, true, Works, "preview"},
        {{}, false, Fails, "LibreOffice could not turn it into pages to show."},
        {{}, false, None, "No program to show it was found on this computer."},
    };
    for (const auto& c : cases) {
        forms::ScriptedDialogs dialogs;
        Seams seams;
        seams.desktop.setApplication(c.app);
        seams.desktop.setLibreOfficeHasWindows(c.libreOfficeWindows);
        seams.converter.setInstalled(c.converter != None);
        seams.converter.setWritesPdfs(true);
        if (c.converter == Fails)
            seams.converter.failFor({".xlsx"});
        const QString path = Workbook::open("gpf_statement.xlsx").show();
        const QFileInfo file(path);
        QString shown = seams.desktop.opened() == QStringList{path} ? "desktop" : "";
        const QWidgetList tops = QApplication::topLevelWidgets();
        const auto top = std::find_if(tops.begin(), tops.end(), [&](QWidget* w) { return w->windowTitle() == file.fileName(); });
        if (auto* preview = top == tops.end() ? nullptr : qobject_cast<reports::PreviewWindow*>(*top)) {
            shown += "preview";
            // Save as PDF keeps the file's own name: it already says what and when.
            EXPECT_EQ(QFileInfo(preview->proposedPdfPath()).fileName(), file.completeBaseName() + ".pdf");
            // The PDF's page is drawn: its text leaves dark pixels on white paper.
            QImage page(200, 280, QImage::Format_RGB32);
            page.fill(Qt::white);
            QPainter painter(&page);
            painter.scale(200.0 / preview->model().pageWidth, 280.0 / preview->model().pageHeight);
            reports::paintPage(painter, preview->model(), 0);
            painter.end();
            EXPECT_TRUE(std::any_of(page.constBits(), page.constBits() + page.sizeInBytes(), [](uchar b) { return b < 128; }));
            delete preview;
        }
        const QString named = "\n\"" + file.fileName() + "\" is saved in the folder\n" + file.absolutePath();
        EXPECT_EQ(dialogs.boxes().isEmpty() ? shown : dialogs.lastPrompt(), c.shown.endsWith('.') ? c.shown + named : c.shown);
        // Pages are made under the busy cursor, and it is gone before anything is shown.
        EXPECT_EQ(seams.converter.busyDuringRuns(), QList<bool>(c.shown == "desktop" || c.converter == None ? 0 : 1, true));
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
        EXPECT_TRUE(QDir(file.absolutePath()).entryList({"*.pdf"}).isEmpty()); // the pages leave no PDF behind
    }
}

TEST(Show, SavedNameSaysWhatTheFileIsOfInCharactersEveryFileSystemTakes)
{
    const QDateTime at(QDate(2026, 12, 7), QTime(1, 14, 47));
    EXPECT_EQ(savedFileName("B-statement.xlsx", "2026-12 2202-00-109-NP-002-V-01", at),
              "B-statement 2026-12 2202-00-109-NP-002-V-01 2026-12-07 011447.xlsx");
    EXPECT_EQ(savedFileName("anx.docx", " 2026-12-01  a/b\\c:d*e?f\"g<h>i|j\x01\tk ", at),
              "anx 2026-12-01 a-b-c-d-e-f-g-h-i-j--k 2026-12-07 011447.docx");
    EXPECT_EQ(savedFileName("pro_stt.xlsx", "", at), "pro_stt 2026-12-07 011447.xlsx");
    Folder folder;
    folder.put("t.xlsx", workbookParts("</sheetData>"));
    Workbook book = Workbook::open("t.xlsx");
    book.setSubject("2026-12 A/1");
    // Saves within one second never reuse a name, and each holds what was written before it.
    QStringList saved;
    for (int i = 0; i < 3; ++i) {
        book.setValue(1, 1, i);
        saved << book.save();
        EXPECT_TRUE(QFileInfo(saved[i]).fileName().startsWith("t 2026-12 A-1 ") && saved[i].endsWith(".xlsx"));
        EXPECT_TRUE(part(saved[i], "xl/worksheets/sheet1.xml").contains("<v>" + QByteArray::number(i) + "</v>"));
    }
    EXPECT_EQ(QSet<QString>(saved.begin(), saved.end()).size(), 3);
}

TEST(Print, AllFilesGoThroughOneConversionAndEachSaysWhetherItPrinted)
{
    Folder folder;
    Seams seams;
    const QString a = savedWorkbook(folder, "pro_stt.xlsx"), b = savedWorkbook(folder, "B-statement.xlsx"),
                  c = savedWorkbook(folder, "IT_statement.xlsx");
    seams.converter.failFor({QFileInfo(b).fileName()});
    const QList<PrintOutcome> out = printFiles({{a, 1, 1}, {b, 1, 0}, {c, 2, 3}});

    EXPECT_EQ(seams.converter.runs(), QList<QStringList>({{a, b, c}}));
    QStringList jobs;
    for (const auto& j : seams.printer.jobs())
        jobs << QStringLiteral("%1 %2-%3").arg(j.pdf).arg(j.from).arg(j.to);
    EXPECT_EQ(jobs, QStringList({a + ".pdf 1-1", c + ".pdf 2-3"}));

    ASSERT_EQ(out.size(), 3);
    EXPECT_EQ(QList<int>({out[0].printed, out[1].printed, out[2].printed, out[1].error}), QList<int>({1, 0, 1, 1004}));
    EXPECT_EQ(out[1].message.toStdString(),
              QStringLiteral("LibreOffice could not turn \"%1\" into pages to print.\n\"%1\" was not printed; it is saved "
                             "in the folder\n%2")
                  .arg(QFileInfo(b).fileName(), QFileInfo(b).absolutePath()).toStdString());
    EXPECT_EQ(seams.converter.busyDuringRuns(), QList<bool>{true});
    EXPECT_TRUE(QFileInfo::exists(b));
}

TEST(Print, NoPrinterStopsBeforeAnythingIsConvertedAndNoOfficeSuiteIsReportedPerFile)
{
    Folder folder;
    folder.put("anx.docx", documentParts("<w:p/>"));
    {
        Seams seams(true, false);
        const QString a = savedWorkbook(folder, "pro_stt.xlsx");
        const vb::Error e = errorOf([] { Document::open("anx.docx").printOut(1, 1); });
        EXPECT_TRUE(e.number == 482 && e.description.startsWith("Printer error: no printer is installed, so nothing was printed.\n\"anx "));
        EXPECT_TRUE(errorOf([&] { printFiles({{a, 1, 1}}); }).number == 482 && seams.converter.runs().isEmpty());
    }
    Seams seams;
    seams.converter.setInstalled(false);
    const QList<PrintOutcome> out = printFiles({{savedWorkbook(folder, "pro_stt.xlsx"), 1, 1},
                                                {savedWorkbook(folder, "outer_sheet.xlsx"), 1, 0}});
    ASSERT_EQ(out.size(), 2);
    for (const PrintOutcome& o : out) {
        EXPECT_EQ(QList<int>({o.printed, o.error}), QList<int>({0, 53}));
        EXPECT_EQ(o.message, "LibreOffice is not installed; documents and workbooks cannot be printed without it.\n\""
                                 + QFileInfo(o.path).fileName() + "\" was not printed; it is saved in the folder\n"
                                 + QFileInfo(o.path).absolutePath());
        EXPECT_TRUE(QFileInfo::exists(o.path));
    }
    EXPECT_EQ(errorOf([] { Workbook::open("outer_sheet.xlsx").printOut(); }).number, 53);
    EXPECT_TRUE(seams.printer.jobs().isEmpty());
}

// LibreOffice reads the filled document and refuses a damaged workbook (the
// recomputed workbook is read back by the integration tests). CI installs it;
// elsewhere the test is skipped.
TEST(Print, LibreOfficeReadsTheDocumentAndMakesNoPdfOfADamagedWorkbook)
{
    if (QStandardPaths::findExecutable("soffice").isEmpty())
        GTEST_SKIP() << "LibreOffice is not installed";
    Folder folder;
    folder.put("d.docx", documentParts(
        "<w:p><w:bookmarkStart w:id=\"0\" w:name=\"who\"/><w:r><w:t>X</w:t></w:r><w:bookmarkEnd w:id=\"0\"/></w:p>"
        "<w:p><w:bookmarkStart w:id=\"1\" w:name=\"grid\"/><w:bookmarkEnd w:id=\"1\"/></w:p>"));
    Document doc = Document::open("d.docx");
    doc.bookmark("who").setText("Anand Kumar & Sons");
    doc.addTable("grid", 1, 2).setCell(1, 2, "Gross 4,321");
    const QString words = doc.save();
    // A damaged workbook, which LibreOffice would read as a text, is no PDF.
    const QString junk = folder.path() + "/output/junk.xlsx";
    { QFile f(junk); ASSERT_TRUE(f.open(QIODevice::WriteOnly)); f.write("not a workbook"); }

    const QStringList pdfs = pdfConverter().toPdf({junk, words});
    ASSERT_TRUE(pdfs.size() == 2 && pdfs[0].isEmpty());
    QPdfDocument p;
    ASSERT_EQ(p.load(pdfs[1]), QPdfDocument::Error::None) << pdfs[1].toStdString();
    const QString docText = p.getAllText(0).text();
    EXPECT_TRUE(docText.contains("Anand Kumar & Sons") && docText.contains("Gross 4,321")) << docText.toStdString();
}
