// Where a saved workbook or document goes next: the desktop's office suite,
// LibreOffice headless for a PDF, and the printer. Each is a seam tests replace.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

namespace office {

// Opens a saved file with the desktop's own program. False when nothing could
// open it; the caller then says where the file is.
class Desktop {
public:
    virtual ~Desktop() = default;
    virtual bool open(const QString& path) = 0;
};
Desktop& desktop();
void setDesktop(std::unique_ptr<Desktop> d);   // nullptr restores QDesktopServices

// Turns saved files into PDFs beside them, in one run of the office suite.
// Returns the PDF of each file, empty where it failed; throws vb::Error 53
// when no office suite is installed.
class PdfConverter {
public:
    virtual ~PdfConverter() = default;
    virtual QStringList toPdf(const QStringList& files) = 0;
};
PdfConverter& pdfConverter();
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

} // namespace office
