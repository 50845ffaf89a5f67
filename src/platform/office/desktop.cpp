#include "platform/office/desktop.h"

#include "platform/forms/dialogs.h"
#include "platform/vb/error.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace office {

namespace {

constexpr int kPrinterError = 482;
constexpr int kConversionFailed = 1004;

class SystemDesktop : public Desktop {
public:
    bool open(const QString& path) override { return QDesktopServices::openUrl(QUrl::fromLocalFile(path)); }
};

std::unique_ptr<Desktop>& installedDesktop()
{
    static std::unique_ptr<Desktop> d;
    return d;
}

std::unique_ptr<PdfConverter>& installedConverter()
{
    static std::unique_ptr<PdfConverter> c;
    return c;
}

std::unique_ptr<PdfPrinter>& installedPrinter()
{
    static std::unique_ptr<PdfPrinter> p;
    return p;
}

QString savedAs(const QString& path)
{
    return QStringLiteral("\"%1\" is saved as %2").arg(QFileInfo(path).fileName(), QDir::toNativeSeparators(path));
}

} // namespace

// Defined with the LibreOffice and Qt PDF sources.
std::unique_ptr<PdfConverter> makeLibreOfficeConverter();
std::unique_ptr<PdfPrinter> makeQtPdfPrinter();

Desktop& desktop()
{
    auto& d = installedDesktop();
    if (!d)
        d = std::make_unique<SystemDesktop>();
    return *d;
}

void setDesktop(std::unique_ptr<Desktop> d) { installedDesktop() = std::move(d); }

PdfConverter& pdfConverter()
{
    auto& c = installedConverter();
    if (!c)
        c = makeLibreOfficeConverter();
    return *c;
}

void setPdfConverter(std::unique_ptr<PdfConverter> c) { installedConverter() = std::move(c); }

PdfPrinter& pdfPrinter()
{
    auto& p = installedPrinter();
    if (!p)
        p = makeQtPdfPrinter();
    return *p;
}

void setPdfPrinter(std::unique_ptr<PdfPrinter> p) { installedPrinter() = std::move(p); }

void showFile(const QString& path)
{
    if (!desktop().open(path)) {
        forms::Dialogs::msgBox(QStringLiteral("No program to open it was found on this computer.\n%1.").arg(savedAs(path)),
                               forms::vbExclamation);
    }
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
            where.append(savedAs(f) + QLatin1Char('.'));
        throw vb::Error(kPrinterError, QStringLiteral("Printer error: no printer is installed, so nothing was printed.\n%1")
                                           .arg(where.join(QLatin1Char('\n'))));
    }

    QStringList pdfs;
    try {
        pdfs = pdfConverter().toPdf(files);
    } catch (const vb::Error& e) {
        for (PrintOutcome& o : outcomes) {
            o.error = e.number;
            o.message = QStringLiteral("%1\n%2, not printed.").arg(e.description, savedAs(o.path));
        }
        return outcomes;
    }

    for (qsizetype i = 0; i < jobs.size(); ++i) {
        PrintOutcome& o = outcomes[i];
        const QString pdf = pdfs.value(i);
        if (pdf.isEmpty()) {
            o.error = kConversionFailed;
            o.message = QStringLiteral("LibreOffice could not turn \"%1\" into pages to print.\n%2, not printed.")
                            .arg(QFileInfo(o.path).fileName(), savedAs(o.path));
            continue;
        }
        try {
            pdfPrinter().print(pdf, jobs[i].from, jobs[i].to);
            o.printed = true;
        } catch (const vb::Error& e) {
            o.error = e.number;
            o.message = QStringLiteral("%1\n%2, not printed.").arg(e.description, savedAs(o.path));
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
    bool opens = true;
    QStringList opened;
};

RecordingDesktop::RecordingDesktop(bool opens) : mState(std::make_shared<State>()) { mState->opens = opens; }

bool RecordingDesktop::open(const QString& path)
{
    mState->opened.append(path);
    return mState->opens;
}

QStringList RecordingDesktop::opened() const { return mState->opened; }

struct RecordingPdfConverter::State {
    QList<QStringList> runs;
    QStringList failing;
    bool installed = true;
};

RecordingPdfConverter::RecordingPdfConverter() : mState(std::make_shared<State>()) {}

QStringList RecordingPdfConverter::toPdf(const QStringList& files)
{
    if (!mState->installed)
        throw vb::Error(vb::FileNotFound, QStringLiteral("LibreOffice is not installed, so nothing could be printed."));
    mState->runs.append(files);
    QStringList pdfs;
    for (const QString& f : files) {
        const bool fails = std::any_of(mState->failing.begin(), mState->failing.end(),
                                       [&](const QString& end) { return f.endsWith(end); });
        pdfs.append(fails ? QString() : f + QStringLiteral(".pdf"));
    }
    return pdfs;
}

QList<QStringList> RecordingPdfConverter::runs() const { return mState->runs; }
void RecordingPdfConverter::failFor(const QStringList& endings) { mState->failing = endings; }
void RecordingPdfConverter::setInstalled(bool installed) { mState->installed = installed; }

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
