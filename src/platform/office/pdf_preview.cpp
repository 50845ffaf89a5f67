// A filled file's pages, made by LibreOffice as a PDF, in the report preview window.
#include "platform/reports/page_model.h"
#include "platform/reports/preview.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QPdfDocument>
#include <QTemporaryDir>

namespace office {

namespace {

constexpr double kMostDpi = 300;
constexpr qint64 kMostCachedPixels = 4'000'000;

// The PDF, kept out of the clerk's folder for as long as a window shows it.
struct HeldPdf {
    QTemporaryDir dir;
    QPdfDocument doc;
};

class PdfPage : public reports::Picture {
public:
    PdfPage(std::shared_ptr<HeldPdf> pdf, int page) : mPdf(std::move(pdf)), mPage(page) {}

    void paint(QPainter& painter, const QRectF& target) const override
    {
        QSize size = painter.deviceTransform().mapRect(target).size().toSize();
        const QSize most = (mPdf->doc.pagePointSize(mPage) * kMostDpi / 72.0).toSize();
        if (size.width() > most.width() || size.height() > most.height())
            size.scale(most, Qt::KeepAspectRatio);
        if (size.isEmpty())
            return;
        if (mImage.size() == size) {
            painter.drawImage(target, mImage);
            return;
        }
        const QImage image = mPdf->doc.render(mPage, size);
        painter.drawImage(target, image);
        // The screen's page is kept for the next paint; a printer's is not.
        if (qint64(size.width()) * size.height() <= kMostCachedPixels)
            mImage = image;
    }

private:
    std::shared_ptr<HeldPdf> mPdf;
    int mPage;
    mutable QImage mImage;
};

} // namespace

// Shows the pages of `pdf` (which is moved away and removed) in a preview
// window titled `title`. False when they cannot be read.
bool showPdfPages(const QString& pdf, const QString& title)
{
    auto held = std::make_shared<HeldPdf>();
    const QString kept = QDir(held->dir.path()).filePath(QStringLiteral("pages.pdf"));
    const bool moved = held->dir.isValid() && (QFile::rename(pdf, kept) || QFile::copy(pdf, kept));
    QFile::remove(pdf);
    if (!moved || held->doc.load(kept) != QPdfDocument::Error::None || held->doc.pageCount() < 1)
        return false;

    reports::PageModel model;
    model.title = title;
    // The saved file's name already says what it is of and when it was made.
    model.pdfName = QFileInfo(title).completeBaseName() + QStringLiteral(".pdf");
    const QSizeF first = held->doc.pagePointSize(0);
    model.pageWidth = qRound(first.width() * reports::kTwipsPerPoint);
    model.pageHeight = qRound(first.height() * reports::kTwipsPerPoint);
    model.landscape = first.width() > first.height();
    for (int i = 0; i < held->doc.pageCount(); ++i) {
        reports::Item it;
        it.kind = reports::Item::Kind::Picture;
        it.w = model.pageWidth;
        it.h = model.pageHeight;
        it.picture = std::make_shared<PdfPage>(held, i);
        reports::Page page;
        page.items.append(it);
        model.pages.append(page);
    }
    auto* window = new reports::PreviewWindow(std::move(model));
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    window->raise();
    window->activateWindow();
    return true;
}

} // namespace office
