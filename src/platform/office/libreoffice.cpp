// PDFs from LibreOffice run headless, and their pages on the default printer.
#include "platform/office/desktop.h"

#include "platform/vb/error.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QPainter>
#include <QPdfDocument>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>

#include <csignal>
#include <sys/types.h>
#include <unistd.h>

namespace office {

namespace {

constexpr int kPrinterError = 482;
constexpr int kStartMs = 60000;     // a first start builds the private profile
constexpr int kPerFileMs = 60000;

// A PDF name beside `file` that no earlier file holds.
QString pdfBeside(const QString& file)
{
    const QFileInfo info(file);
    QString pdf = info.dir().filePath(info.completeBaseName() + QStringLiteral(".pdf"));
    for (int n = 2; QFileInfo::exists(pdf); ++n)
        pdf = info.dir().filePath(QStringLiteral("%1 (%2).pdf").arg(info.completeBaseName()).arg(n));
    return pdf;
}

// The start of the export filter LibreOffice picks for a file of this kind.
QString filterPrefix(const QString& suffix)
{
    static const QStringList sheets{QStringLiteral("xlsx"), QStringLiteral("xls"), QStringLiteral("ods")};
    static const QStringList texts{QStringLiteral("docx"), QStringLiteral("doc"), QStringLiteral("odt")};
    if (sheets.contains(suffix, Qt::CaseInsensitive))
        return QStringLiteral("calc");
    if (texts.contains(suffix, Qt::CaseInsensitive))
        return QStringLiteral("writer");
    return {};
}

class LibreOfficeConverter : public PdfConverter {
public:
    QStringList toPdf(const QStringList& files) override
    {
        const QString exe = libreOfficeProgram();
        if (exe.isEmpty())
            throw vb::Error(vb::FileNotFound, noOfficeSuiteMessage());
        QStringList pdfs(files.size());
        // Files of one run must differ by name: LibreOffice names each PDF by its file.
        QList<qsizetype> pending;
        for (qsizetype i = 0; i < files.size(); ++i)
            pending.append(i);
        while (!pending.isEmpty()) {
            QList<qsizetype> run, later;
            QSet<QString> names;
            for (qsizetype i : pending) {
                const QString base = QFileInfo(files[i]).completeBaseName();
                (names.contains(base) ? later : run).append(i);
                names.insert(base);
            }
            convert(exe, files, run, pdfs);
            pending = later;
        }
        return pdfs;
    }

private:
    void convert(const QString& exe, const QStringList& files, const QList<qsizetype>& run, QStringList& pdfs)
    {
        QTemporaryDir out;
        if (!out.isValid() || !mProfile.isValid())
            return;
        // Our own profile, so that a LibreOffice the clerk has open does not
        // take the job (and then print nothing here).
        QStringList args{QStringLiteral("--headless"), QStringLiteral("--norestore"), QStringLiteral("--nologo"),
                         QStringLiteral("--nolockcheck"),
                         QStringLiteral("-env:UserInstallation=") + QUrl::fromLocalFile(mProfile.path()).toString(),
                         QStringLiteral("--convert-to"), QStringLiteral("pdf"), QStringLiteral("--outdir"), out.path()};
        for (qsizetype i : run)
            args.append(QFileInfo(files[i]).absoluteFilePath());
        // A lock file LibreOffice leaves beside a file it was stopped on is
        // removed; one that was there before (the clerk's own) stays.
        QStringList locks;
        for (qsizetype i : run) {
            const QFileInfo source(files[i]);
            const QString lock = source.dir().filePath(QStringLiteral(".~lock.%1#").arg(source.fileName()));
            if (!QFileInfo::exists(lock))
                locks << lock;
        }
        QProcess soffice;
        soffice.setProcessChannelMode(QProcess::MergedChannels);
        // Its own process group: the launcher starts the real program as a
        // child, and a stuck run is ended whole, never left running.
        soffice.setChildProcessModifier([] { ::setpgid(0, 0); });
        soffice.start(exe, args);
        if (!soffice.waitForStarted(kStartMs))
            throw vb::Error(vb::FileNotFound, QStringLiteral("LibreOffice could not be started; documents and workbooks cannot be printed without it."));
        if (!soffice.waitForFinished(kStartMs + kPerFileMs * int(run.size()))) {
            // A run that has just ended has no process id left: -0 would be
            // this program's own process group.
            if (const qint64 pid = soffice.processId(); pid > 0)
                ::kill(-pid_t(pid), SIGKILL);
            soffice.waitForFinished();
        }
        for (const QString& lock : locks)
            QFile::remove(lock);
        // It exits 0 even on a file it could not load ("Error: source file
        // could not be loaded"), and a damaged workbook may load as plain text:
        // a file counts as converted when LibreOffice said it converted it
        // with a filter of the file's kind, and the PDF is there.
        const QString output = QString::fromLocal8Bit(soffice.readAll());
        static const QRegularExpression converted(QStringLiteral("^convert (.+) -> .+ using filter : (\\S+)"),
                                                  QRegularExpression::MultilineOption);
        QHash<QString, QString> filterOf;
        for (auto it = converted.globalMatch(output); it.hasNext();) {
            const auto m = it.next();
            filterOf.insert(QFileInfo(m.captured(1)).canonicalFilePath(), m.captured(2));
        }
        for (qsizetype i : run) {
            const QFileInfo source(files[i]);
            const QString made = QDir(out.path()).filePath(source.completeBaseName() + QStringLiteral(".pdf"));
            const QString filter = filterOf.value(source.canonicalFilePath());
            if (QFileInfo(made).size() <= 0 || !filter.startsWith(filterPrefix(source.suffix()))) {
                qWarning("LibreOffice did not convert %s: %s", qPrintable(files[i]), qPrintable(output.trimmed()));
                continue;
            }
            const QString pdf = pdfBeside(files[i]);
            if (QFile::rename(made, pdf) || QFile::copy(made, pdf))
                pdfs[i] = pdf;
        }
    }

    QTemporaryDir mProfile;
};

class QtPdfPrinter : public PdfPrinter {
public:
    bool hasPrinter() override { return !QPrinterInfo::defaultPrinter().isNull(); }

    void print(const QString& pdf, int from, int to) override
    {
        const QString name = QFileInfo(pdf).completeBaseName();
        const QPrinterInfo info = QPrinterInfo::defaultPrinter();
        if (info.isNull())
            throw vb::Error(kPrinterError, QStringLiteral("Printer error: no printer is installed, so \"%1\" was not printed.").arg(name));
        QPdfDocument doc;
        if (doc.load(pdf) != QPdfDocument::Error::None || doc.pageCount() < 1)
            throw vb::Error(kPrinterError, QStringLiteral("Printer error: the pages of \"%1\" could not be read.").arg(name));
        const int first = std::max(1, from);
        const int last = to <= 0 ? doc.pageCount() : std::min(to, doc.pageCount());
        if (first > last)
            throw vb::Error(kPrinterError, QStringLiteral("Printer error: \"%1\" has no page %2.").arg(name).arg(first));

        QPrinter printer(info, QPrinter::HighResolution);
        printer.setDocName(name);
        printer.setFullPage(true);
        auto layoutFor = [&](int page) {
            const QSizeF pt = doc.pagePointSize(page - 1);
            printer.setPageSize(QPageSize(pt.toSize(), QPageSize::Point));
            printer.setPageOrientation(pt.width() > pt.height() ? QPageLayout::Landscape : QPageLayout::Portrait);
        };
        layoutFor(first);
        QPainter painter;
        if (!printer.isValid() || !painter.begin(&printer))
            throw vb::Error(kPrinterError, QStringLiteral("Printer error: \"%1\" could not be sent to the printer %2.")
                                               .arg(name, info.printerName()));
        for (int page = first; page <= last; ++page) {
            if (page > first) {
                layoutFor(page);
                printer.newPage();
            }
            const QRectF target = printer.paperRect(QPrinter::DevicePixel);
            const QSizeF pt = doc.pagePointSize(page - 1);
            const double dpi = std::min(300, printer.resolution());
            const QImage image = doc.render(page - 1, (pt * dpi / 72.0).toSize());
            painter.drawImage(target, image);
        }
        if (!painter.end())
            throw vb::Error(kPrinterError, QStringLiteral("Printer error: \"%1\" could not be sent to the printer %2.")
                                               .arg(name, info.printerName()));
    }
};

} // namespace

std::unique_ptr<PdfConverter> makeLibreOfficeConverter() { return std::make_unique<LibreOfficeConverter>(); }
std::unique_ptr<PdfPrinter> makeQtPdfPrinter() { return std::make_unique<QtPdfPrinter>(); }

QString libreOfficeProgram()
{
    for (const char* name : {"soffice", "libreoffice"}) {
        const QString exe = QStandardPaths::findExecutable(QString::fromLatin1(name));
        if (!exe.isEmpty())
            return exe;
    }
    return {};
}

} // namespace office
