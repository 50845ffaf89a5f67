#include "platform/forms/clock.h"
#include "platform/reports/preview.h"
#include "platform/reports/printer.h"
#include "platform/reports/registry.h"
#include "support/first_row.h"
#include "support/temp_data_folder.h"
#include "support/ui_driver.h"

#include <QScrollArea>
#include <QScrollBar>

using namespace reports;

namespace {

// Stands in for a form's label that a report reads when it is first used.
QString gFormCaption;
int gInitialised = 0;
bool gFailInitialise = false;

class SlipReport : public Report {
public:
    SlipReport()
    {
        setOrientation(Orientation::Landscape);
        setWindowState(WindowState::Maximized);
        section(SectionKind::PageHeader).setHeight(500).addLabel("Label24", 0, 0, 5000, 300, "");
        section(SectionKind::Detail).setHeight(400).addField("Text1", 0, 0, 3000, 300, "name");
        section(SectionKind::PageFooter).setHeight(300).addLabel("Label2", 0, 0, 3000, 300, "PAGE %p OF %P");
    }
    void initialize() override
    {
        ++gInitialised;
        if (gFailInitialise)
            throw vb::Error(94, "Invalid use of Null");
        label("Section2", "Label24").setCaption(gFormCaption);
        setDataSource(DataSource({"name"}, {{"A. Roy"}, {"B. Sen"}}));
    }
};

class BrokenPrinter : public Printer {
public:
    void print(const PageModel&) override
    {
        throw vb::Error(482, "Printer error: no printer is installed, so \"Slip\" was not printed.");
    }
};

struct ReportsFixture : ::testing::Test {
    RecordingPrinter printed;
    void SetUp() override
    {
        gInitialised = 0;
        gFailInitialise = false;
        gFormCaption = "OFFICE ONE";
        setPrinter(std::make_unique<RecordingPrinter>(printed));
    }
    void TearDown() override
    {
        Reports::unloadAll();
        setPrinter(nullptr);
    }
};

} // namespace

TEST_F(ReportsFixture, InstanceReadsItsFormOnceUntilUnloaded)
{
    SlipReport& r = Reports::get<SlipReport>();
    gFormCaption = "OFFICE TWO";
    EXPECT_TRUE(&Reports::get<SlipReport>() == &r && gInitialised == 1);
    r.printReport();
    ASSERT_EQ(printed.jobs(), 1);
    EXPECT_TRUE(printed.job(0).landscape && printed.job(0).pageWidth == 16838);
    EXPECT_EQ(printed.job(0).texts("Label24") + printed.job(0).texts("Label2"), QStringList({"OFFICE ONE", "PAGE 1 OF 1"}));
    // A PDF to a path that cannot be written is refused with 75 and no file.
    QTemporaryDir dir;
    const QString bad = dir.filePath("no such folder/slip.pdf");
    EXPECT_EQ(testsupport::errorOf([&] { r.exportPdf(bad); }).number, 75);
    EXPECT_FALSE(QFile::exists(bad));

    Reports::unload<SlipReport>();
    Reports::get<SlipReport>().printReport();
    EXPECT_EQ(printed.job(1).texts("Label24"), QStringList({"OFFICE TWO"}));

    // An initialisation that fails leaves no half-read instance behind.
    Reports::unload<SlipReport>();
    gFailInitialise = true;
    EXPECT_THROW(Reports::get<SlipReport>(), vb::Error);
    EXPECT_FALSE(Reports::isLoaded<SlipReport>());
}

TEST_F(ReportsFixture, PreviewPrintsIsReplacedWhenShownAgainAndClosingItUnloadsTheReport)
{
    SlipReport& r = Reports::get<SlipReport>();
    r.show();
    QPointer<PreviewWindow> first = r.preview();
    ASSERT_TRUE(first && first->isVisible() && (first->windowState() & Qt::WindowMaximized));
    first->print();
    EXPECT_EQ(printed.job(0).texts("Text1"), QStringList({"A. Roy", "B. Sen"}));
    forms::ScriptedDialogs boxes;
    setPrinter(std::make_unique<BrokenPrinter>());
    first->print();
    EXPECT_EQ(boxes.prompts(), QStringList{"Printer error: no printer is installed, so \"Slip\" was not printed."});
    EXPECT_THROW(r.printReport(), vb::Error); // a failed print is never silent

    r.show();
    QPointer<PreviewWindow> second = r.preview();
    testsupport::settle();
    EXPECT_TRUE(!first && second && Reports::isLoaded<SlipReport>()); // replacing is not closing
    second->close();
    testsupport::settle();
    EXPECT_FALSE(Reports::isLoaded<SlipReport>() || second);
}

TEST_F(ReportsFixture, PreviewOpensAtFitWidthClosesWithEscAndProposesAPdfInOutput)
{
    testsupport::TempDataFolder folder;
    forms::Clock::Override day(QDate(2026, 11, 30));
    SlipReport& r = Reports::get<SlipReport>();
    r.setTitle("T.R. FORM NO. 12 / Tax: \"Slip\"");
    r.show();
    QPointer<PreviewWindow> w = r.preview();
    ASSERT_TRUE(w);
    auto* zoomBox = w->findChild<QComboBox*>();
    EXPECT_EQ(w->windowTitle() + " " + zoomBox->currentText(), "T.R. FORM NO. 12 / Tax: \"Slip\" Fit width");
    // The whole page in a wide window: nothing to scroll.
    w->showNormal();
    w->setFit(PreviewWindow::Fit::Page);
    w->resize(1200, 400);
    QApplication::processEvents();
    auto* scroll = w->findChild<QScrollArea*>();
    EXPECT_EQ(scroll->verticalScrollBar()->maximum() + scroll->horizontalScrollBar()->maximum(), 0);
    w->setZoom(1.5);
    EXPECT_EQ(zoomBox->currentText() + " " + w->proposedPdfPath(),
              "150% " + QDir(folder.path()).filePath("output/T.R. FORM NO. 12 - Tax- -Slip- 2026-11-30.pdf"));

    QTest::keyClick(w, Qt::Key_Escape);
    testsupport::settle();
    EXPECT_FALSE(w || Reports::isLoaded<SlipReport>());
}
