// Where a saved workbook or document goes next: the desktop's office suite,
// LibreOffice headless for a PDF, and the printer. Each is a seam tests replace.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

namespace office {

// The program the desktop opens a file of some type with.
struct DesktopApplication {
    QString entry;    // its desktop entry ("libreoffice-calc.desktop"); empty when the type has none
    QString program;  // the program the entry runs, found on this computer; empty when it is not there
};

// The desktop's own programs, as far as showing a saved file needs them.
class Desktop {
public:
    virtual ~Desktop() = default;
    virtual DesktopApplication defaultApplication(const QString& path) = 0;
    // A LibreOffice that can open windows is installed, not only its headless
    // packages (which start, show nothing and never end).
    virtual bool libreOfficeHasWindows() = 0;
    // Hands the file to the desktop; false when that failed.
    virtual bool open(const QString& path) = 0;
};
Desktop& desktop();
void setDesktop(std::unique_ptr<Desktop> d);   // nullptr restores the system's desktop

// A program of the desktop that will really show the file: its type has a
// default application whose program is there, and when that is LibreOffice,
// one with windows.
bool desktopCanShow(const QString& path);

// Shows a saved file: in the desktop's program when desktopCanShow; else its
// pages, made by LibreOffice headless, in the program's own preview titled by
// the file's name; else a message naming the file and its folder.
void showFile(const QString& path);

// Turns saved files into PDFs, in one run of the office suite.
// Returns the PDF of each file, empty where it failed; throws vb::Error 53
// when no office suite is installed.
// LibreOffice's program on the PATH ("soffice", else "libreoffice"); empty when none.
QString libreOfficeProgram();

class PdfConverter {
public:
    virtual ~PdfConverter() = default;
    virtual QStringList toPdf(const QStringList& files) = 0;
};
PdfConverter& pdfConverter();
// Why a file was not printed when no office suite is installed. It stands
// beside files that did print, so it speaks of no others.
QString noOfficeSuiteMessage();
void setPdfConverter(std::unique_ptr<PdfConverter> c);  // nullptr restores LibreOffice

// Prints pages from..to of a PDF to the default printer without a dialog.
// Throws vb::Error 482 when there is no printer or the job fails.
class PdfPrinter {
public:
    virtual ~PdfPrinter() = default;
    virtual void print(const QString& pdf, int from, int to) = 0;
    virtual bool hasPrinter() = 0;
};
PdfPrinter& pdfPrinter();
void setPdfPrinter(std::unique_ptr<PdfPrinter> p);  // nullptr restores QPrinter

// One saved file to print, pages from..to (counted from 1; to = 0 is the last).
struct PrintJob {
    QString path;
    int from = 1;
    int to = 0;
};

// What became of one file: printed, or the error number and the clerk's
// message saying why not and where the file is.
struct PrintOutcome {
    QString path;
    bool printed = false;
    int error = 0;
    QString message;
};

// Prints saved files: every one converted in a single run of the office suite,
// then each printed in turn. Throws vb::Error 482 before converting anything
// when there is no printer; otherwise reports each file, in the jobs' order
// (no office suite: each file not printed, with error 53).
QList<PrintOutcome> printFiles(const QList<PrintJob>& jobs);
// One file: throws the outcome's error when it was not printed.
void printFile(const QString& path, int from, int to);

// Doubles for tests. Copies share their record: keep one, install a copy,
// e.g. setPdfPrinter(std::make_unique<RecordingPdfPrinter>(kept)).
// By default the file's type has a default application (not LibreOffice)
// that opens it; constructed with false, the type has none.
class RecordingDesktop : public Desktop {
public:
    explicit RecordingDesktop(bool hasApplication = true);
    DesktopApplication defaultApplication(const QString& path) override;
    bool libreOfficeHasWindows() override;
    bool open(const QString& path) override;
    QStringList opened() const;
    void setApplication(const DesktopApplication& app);
    void setLibreOfficeHasWindows(bool has);

private:
    struct State;
    std::shared_ptr<State> mState;
};

// Returns "<file>.pdf" for each file (writing a one-page PDF when told), or
// fails as told.
class RecordingPdfConverter : public PdfConverter {
public:
    RecordingPdfConverter();
    QStringList toPdf(const QStringList& files) override;
    // Each call's files, in order.
    QList<QStringList> runs() const;
    // For each call, whether the busy cursor was showing while it ran.
    QList<bool> busyDuringRuns() const;
    // Files whose name ends with one of these come back without a PDF.
    void failFor(const QStringList& endings);
    // Every call throws vb::Error 53, as with no office suite installed.
    void setInstalled(bool installed);
    // Each PDF is written, one page holding the file's name.
    void setWritesPdfs(bool writes);

private:
    struct State;
    std::shared_ptr<State> mState;
};

class RecordingPdfPrinter : public PdfPrinter {
public:
    struct Job {
        QString pdf;
        int from = 1;
        int to = 0;
    };
    explicit RecordingPdfPrinter(bool hasPrinter = true);
    void print(const QString& pdf, int from, int to) override;
    bool hasPrinter() override;
    QList<Job> jobs() const;

private:
    struct State;
    std::shared_ptr<State> mState;
};

} // namespace office
