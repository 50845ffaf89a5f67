#include "platform/office/desktop.h"

#include "platform/forms/dialogs.h"
#include "platform/installed.h"
#include "platform/vb/error.h"

#include <QCursor>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMimeDatabase>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace office {

namespace {

constexpr int kPrinterError = 482;
constexpr int kConversionFailed = 1004;

constexpr int kAskMs = 5000;

// The program a desktop entry runs: TryExec when given, else the first word of Exec.
QString entryProgram(const QString& desktopFile)
{
    QFile file(desktopFile);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QString exec, tryExec;
    bool inEntry = false;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.startsWith(QLatin1Char('[')))
            inEntry = line == QLatin1String("[Desktop Entry]");
        else if (inEntry && line.startsWith(QLatin1String("TryExec=")))
            tryExec = line.mid(8).trimmed();
        else if (inEntry && line.startsWith(QLatin1String("Exec=")))
            exec = line.mid(5).trimmed();
    }
    if (!tryExec.isEmpty())
        return tryExec;
    if (exec.startsWith(QLatin1Char('"')))
        return exec.mid(1).section(QLatin1Char('"'), 0, 0);
    return exec.section(QLatin1Char(' '), 0, 0, QString::SectionSkipEmpty);
}

QString foundProgram(const QString& program)
{
    if (program.isEmpty())
        return {};
    if (QDir::isAbsolutePath(program))
        return QFileInfo(program).isExecutable() ? program : QString();
    return QStandardPaths::findExecutable(program);
}

class SystemDesktop : public Desktop {
public:
    DesktopApplication defaultApplication(const QString& path) override
    {
        const QString xdgMime = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
        if (xdgMime.isEmpty())
            return {};
        QProcess ask;
        ask.start(xdgMime, {QStringLiteral("query"), QStringLiteral("default"),
                            QMimeDatabase().mimeTypeForFile(path).name()});
        if (!ask.waitForFinished(kAskMs)) {
            ask.kill();
            ask.waitForFinished();
            return {};
        }
        DesktopApplication app;
        app.entry = QString::fromLocal8Bit(ask.readAllStandardOutput()).section(QLatin1Char('\n'), 0, 0).trimmed();
        if (!app.entry.isEmpty())
            app.program = foundProgram(entryProgram(QStandardPaths::locate(QStandardPaths::ApplicationsLocation, app.entry)));
        return app;
    }

    bool libreOfficeHasWindows() override
    {
        // The packages with windows add LibreOffice's window-system plug-ins
        // beside its program; the headless ones have none.
        const QString exe = libreOfficeProgram();
        if (exe.isEmpty())
            return false;
        const QDir program = QFileInfo(QFileInfo(exe).canonicalFilePath()).dir();
        return !program.entryList({QStringLiteral("libvclplug_*")}, QDir::Files).isEmpty();
    }

    bool open(const QString& path) override { return QDesktopServices::openUrl(QUrl::fromLocalFile(path)); }
};

bool isLibreOffice(const DesktopApplication& app)
{
    const QString program = QFileInfo(app.program).fileName();
    return app.entry.startsWith(QLatin1String("libreoffice"), Qt::CaseInsensitive)
           || program.startsWith(QLatin1String("libreoffice"), Qt::CaseInsensitive)
           || program.startsWith(QLatin1String("soffice"), Qt::CaseInsensitive)
           || QFileInfo(app.program).canonicalFilePath().contains(QLatin1String("/libreoffice"), Qt::CaseInsensitive);
}

// LibreOffice takes a second or more a file (longer on its first start) and
// the window cannot repaint meanwhile: the busy cursor says work goes on.
class BusyCursor {
public:
    BusyCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { restore(); }
    void restore()
    {
        if (mOn)
            QGuiApplication::restoreOverrideCursor();
        mOn = false;
    }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

private:
    bool mOn = true;
};

// The folder on a line of its own, so that it is read (and copied) whole.
QString savedIn(const QString& path)
{
    const QFileInfo info(path);
    return QStringLiteral("\"%1\" is saved in the folder\n%2")
        .arg(info.fileName(), QDir::toNativeSeparators(info.absolutePath()));
}

QString notPrinted(const QString& path)
{
    const QFileInfo info(path);
    return QStringLiteral("\"%1\" was not printed; it is saved in the folder\n%2")
        .arg(info.fileName(), QDir::toNativeSeparators(info.absolutePath()));
}

} // namespace

// Defined with the LibreOffice and Qt PDF sources.
std::unique_ptr<PdfConverter> makeLibreOfficeConverter();
bool showPdfPages(const QString& pdf, const QString& title);
std::unique_ptr<PdfPrinter> makeQtPdfPrinter();

namespace {
platform::Installed<Desktop> installedDesktop([]() -> std::unique_ptr<Desktop> {
    return std::make_unique<SystemDesktop>();
});
platform::Installed<PdfConverter> installedConverter(makeLibreOfficeConverter);
platform::Installed<PdfPrinter> installedPrinter(makeQtPdfPrinter);
} // namespace

Desktop& desktop() { return installedDesktop.get(); }
void setDesktop(std::unique_ptr<Desktop> d) { installedDesktop.set(std::move(d)); }

PdfConverter& pdfConverter() { return installedConverter.get(); }

QString noOfficeSuiteMessage()
{
    return QStringLiteral("LibreOffice is not installed; documents and workbooks cannot be printed without it.");
}

void setPdfConverter(std::unique_ptr<PdfConverter> c) { installedConverter.set(std::move(c)); }

PdfPrinter& pdfPrinter() { return installedPrinter.get(); }
void setPdfPrinter(std::unique_ptr<PdfPrinter> p) { installedPrinter.set(std::move(p)); }

bool desktopCanShow(const QString& path)
{
    const DesktopApplication app = desktop().defaultApplication(path);
    if (app.entry.isEmpty() || app.program.isEmpty())
        return false;
    return !isLibreOffice(app) || desktop().libreOfficeHasWindows();
}

void showFile(const QString& path)
{
    if (desktopCanShow(path) && desktop().open(path))
        return;
    QString why = QStringLiteral("No program to show it was found on this computer.");
    QString pdf;
    BusyCursor busy;
    try {
        pdf = pdfConverter().toPdf({path}).value(0);
        if (pdf.isEmpty())
            why = QStringLiteral("LibreOffice could not turn it into pages to show.");
    } catch (const vb::Error&) {
        // No LibreOffice, or it would not start: the file is only named.
    }
    busy.restore();
    if (!pdf.isEmpty() && showPdfPages(pdf, QFileInfo(path).fileName()))
        return;
    if (!pdf.isEmpty())
        QFile::remove(pdf);
    forms::Dialogs::msgBox(why + QLatin1Char('\n') + savedIn(path), forms::vbExclamation);
}

QList<PrintOutcome> printFiles(const QList<PrintJob>& jobs)
{
    QList<PrintOutcome> outcomes;
    QStringList files;
    for (const PrintJob& job : jobs) {
        outcomes.append({job.path, false, 0, QString()});
        files.append(job.path);
    }
    if (jobs.isEmpty())
        return outcomes;

    // Known before anything is converted, so that nothing prints half.
    if (!pdfPrinter().hasPrinter()) {
        QStringList where;
        for (const QString& f : files)
            where.append(savedIn(f));
        throw vb::Error(kPrinterError, QStringLiteral("Printer error: no printer is installed, so nothing was printed.\n%1")
                                           .arg(where.join(QLatin1Char('\n'))));
    }

    BusyCursor busy;
    QStringList pdfs;
    try {
        pdfs = pdfConverter().toPdf(files);
    } catch (const vb::Error& e) {
        for (PrintOutcome& o : outcomes) {
            o.error = e.number;
            o.message = e.description + QLatin1Char('\n') + notPrinted(o.path);
        }
        return outcomes;
    }

    for (qsizetype i = 0; i < jobs.size(); ++i) {
        PrintOutcome& o = outcomes[i];
        const QString pdf = pdfs.value(i);
        if (pdf.isEmpty()) {
            o.error = kConversionFailed;
            o.message = QStringLiteral("LibreOffice could not turn \"%1\" into pages to print.\n%2")
                            .arg(QFileInfo(o.path).fileName(), notPrinted(o.path));
            continue;
        }
        try {
            pdfPrinter().print(pdf, jobs[i].from, jobs[i].to);
            o.printed = true;
        } catch (const vb::Error& e) {
            o.error = e.number;
            o.message = e.description + QLatin1Char('\n') + notPrinted(o.path);
        }
        // The PDF only carried the pages to the printer; the saved file stays.
        QFile::remove(pdf);
    }
    return outcomes;
}

void printFile(const QString& path, int from, int to)
{
    const PrintOutcome o = printFiles({PrintJob{path, from, to}}).value(0);
    if (!o.printed)
        throw vb::Error(o.error, o.message);
}

struct RecordingDesktop::State {
    DesktopApplication app;
    bool libreOfficeHasWindows = false;
    QStringList opened;
};

RecordingDesktop::RecordingDesktop(bool hasApplication) : mState(std::make_shared<State>())
{
    if (hasApplication)
        mState->app = {QStringLiteral("office.desktop"), QStringLiteral("/usr/bin/office")};
}

DesktopApplication RecordingDesktop::defaultApplication(const QString&) { return mState->app; }
bool RecordingDesktop::libreOfficeHasWindows() { return mState->libreOfficeHasWindows; }

bool RecordingDesktop::open(const QString& path)
{
    mState->opened.append(path);
    return true;
}

QStringList RecordingDesktop::opened() const { return mState->opened; }
void RecordingDesktop::setApplication(const DesktopApplication& app) { mState->app = app; }
void RecordingDesktop::setLibreOfficeHasWindows(bool has) { mState->libreOfficeHasWindows = has; }

struct RecordingPdfConverter::State {
    QList<QStringList> runs;
    QList<bool> busy;
    QStringList failing;
    bool installed = true;
    bool writes = false;
};

RecordingPdfConverter::RecordingPdfConverter() : mState(std::make_shared<State>()) {}

QStringList RecordingPdfConverter::toPdf(const QStringList& files)
{
    if (!mState->installed)
        throw vb::Error(vb::FileNotFound, noOfficeSuiteMessage());
    mState->runs.append(files);
    const QCursor* cursor = QGuiApplication::overrideCursor();
    mState->busy.append(cursor && cursor->shape() == Qt::WaitCursor);
    QStringList pdfs;
    for (const QString& f : files) {
        const bool fails = std::any_of(mState->failing.begin(), mState->failing.end(),
                                       [&](const QString& end) { return f.endsWith(end); });
        pdfs.append(fails ? QString() : f + QStringLiteral(".pdf"));
        if (!fails && mState->writes) {
            QPdfWriter pdf(pdfs.last());
            QPainter page(&pdf);
            page.drawText(QPointF(500, 500), QFileInfo(f).fileName());
        }
    }
    return pdfs;
}

QList<QStringList> RecordingPdfConverter::runs() const { return mState->runs; }
QList<bool> RecordingPdfConverter::busyDuringRuns() const { return mState->busy; }
void RecordingPdfConverter::failFor(const QStringList& endings) { mState->failing = endings; }
void RecordingPdfConverter::setInstalled(bool installed) { mState->installed = installed; }
void RecordingPdfConverter::setWritesPdfs(bool writes) { mState->writes = writes; }

struct RecordingPdfPrinter::State {
    bool hasPrinter = true;
    QList<Job> jobs;
};

RecordingPdfPrinter::RecordingPdfPrinter(bool hasPrinter) : mState(std::make_shared<State>())
{
    mState->hasPrinter = hasPrinter;
}

void RecordingPdfPrinter::print(const QString& pdf, int from, int to)
{
    if (!mState->hasPrinter)
        throw vb::Error(kPrinterError, QStringLiteral("Printer error: no printer is installed."));
    mState->jobs.append({pdf, from, to});
}

bool RecordingPdfPrinter::hasPrinter() { return mState->hasPrinter; }
QList<RecordingPdfPrinter::Job> RecordingPdfPrinter::jobs() const { return mState->jobs; }

} // namespace office
