#include "platform/reports/preview.h"

#include "platform/data/database.h"
#include "platform/forms/clock.h"
#include "platform/forms/dialogs.h"
#include "platform/reports/painter.h"
#include "platform/reports/printer.h"
#include "platform/vb/error.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolBar>
#include <QVBoxLayout>

namespace reports {

// One page of the model at a zoom, on white paper.
class PageView : public QWidget {
public:
    PageView(const PageModel& model, QWidget* parent) : QWidget(parent), mModel(model) {}

    void setPage(int page) { mPage = page; update(); }
    double zoom() const { return mZoom; }
    void setZoom(double z)
    {
        mZoom = std::clamp(z, 0.1, 8.0);
        setFixedSize(pixelSize());
        update();
    }
    QSize pixelSize() const
    {
        return QSize(qRound(mModel.pageWidth * scaleX()), qRound(mModel.pageHeight * scaleY()));
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.fillRect(rect(), Qt::white);
        p.scale(scaleX(), scaleY());
        paintPage(p, mModel, mPage);
    }

private:
    double scaleX() const { return logicalDpiX() * mZoom / kTwipsPerInch; }
    double scaleY() const { return logicalDpiY() * mZoom / kTwipsPerInch; }

    const PageModel& mModel;
    int mPage = 0;
    double mZoom = 1.0;
};

PreviewWindow::PreviewWindow(PageModel model, QWidget* parent)
    : QWidget(parent, Qt::Window), mModel(std::move(model))
{
    setWindowTitle(mModel.title);
    setObjectName(QStringLiteral("ReportPreview"));

    auto* bar = new QToolBar(this);
    mFirst = bar->addAction(tr("|< First"), this, &PreviewWindow::firstPage);
    mPrev = bar->addAction(tr("< Previous"), this, &PreviewWindow::previousPage);
    mPageLabel = new QLabel(bar);
    bar->addWidget(mPageLabel);
    mNext = bar->addAction(tr("Next >"), this, &PreviewWindow::nextPage);
    mLast = bar->addAction(tr("Last >|"), this, &PreviewWindow::lastPage);
    mPrev->setShortcut(QKeySequence::MoveToPreviousPage);
    mNext->setShortcut(QKeySequence::MoveToNextPage);
    bar->addSeparator();
    mZoomBox = new QComboBox(bar);
    mZoomBox->addItem(tr("Fit page"), QStringLiteral("page"));
    mZoomBox->addItem(tr("Fit width"), QStringLiteral("width"));
    for (int pct : {50, 75, 100, 125, 150, 200})
        mZoomBox->addItem(QStringLiteral("%1%").arg(pct), pct / 100.0);
    connect(mZoomBox, &QComboBox::activated, this, [this](int i) {
        const QVariant choice = mZoomBox->itemData(i);
        if (choice == QStringLiteral("page"))
            setFit(Fit::Page);
        else if (choice == QStringLiteral("width"))
            setFit(Fit::Width);
        else
            setZoom(choice.toDouble());
    });
    bar->addWidget(mZoomBox);
    bar->addSeparator();
    bar->addAction(tr("Print"), this, &PreviewWindow::print);
    bar->addAction(tr("Save as PDF..."), this, &PreviewWindow::saveAsPdf);
    QAction* closing = bar->addAction(tr("Close"), this, &QWidget::close);
    closing->setShortcut(Qt::Key_Escape);

    mView = new PageView(mModel, this);
    mScroll = new QScrollArea(this);
    mScroll->setBackgroundRole(QPalette::Dark);
    mScroll->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    mScroll->setWidget(mView);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar);
    layout->addWidget(mScroll);

    // Never taller or wider than the screen: the page's scroll bars stay in reach.
    QSize size(1000, 800);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableGeometry().size());
    resize(size);
    setFit(Fit::Width);
    updateState();
}

void PreviewWindow::setPage(int page)
{
    mPage = std::clamp(page, 0, std::max(0, mModel.pageCount() - 1));
    mView->setPage(mPage);
    updateState();
}

double PreviewWindow::zoom() const { return mView->zoom(); }

void PreviewWindow::setZoom(double factor)
{
    mFit = Fit::None;
    mView->setZoom(factor);
    showZoomChoice();
}

void PreviewWindow::setFit(Fit fit)
{
    mFit = fit;
    applyFit();
    showZoomChoice();
}

void PreviewWindow::showZoomChoice()
{
    const QVariant choice = mFit == Fit::Page    ? QVariant(QStringLiteral("page"))
                            : mFit == Fit::Width ? QVariant(QStringLiteral("width"))
                                                 : QVariant(mView->zoom());
    const int i = mZoomBox->findData(choice);
    mZoomBox->setCurrentIndex(i); // -1 for a zoom of no entry: the box shows none
}

void PreviewWindow::applyFit()
{
    if (mFit == Fit::None || mModel.pageWidth <= 0 || mModel.pageHeight <= 0)
        return;
    // The page's size at actual size, in the viewport's pixels.
    const double atOne = mView->zoom();
    const QSize page = mView->pixelSize();
    const double pageWidth = page.width() / atOne, pageHeight = page.height() / atOne;
    const int margin = 2 * mScroll->frameWidth() + 4;
    const double width = mScroll->width() - margin - mScroll->verticalScrollBar()->sizeHint().width();
    const double height = mScroll->height() - margin;
    double z = width / pageWidth;
    if (mFit == Fit::Page)
        z = std::min((mScroll->width() - margin) / pageWidth, height / pageHeight);
    mView->setZoom(z);
}

void PreviewWindow::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    applyFit();
}

QString PreviewWindow::proposedPdfPath() const
{
    const QString folder = data::dataFolder();
    if (!mModel.pdfName.isEmpty())
        return folder.isEmpty() ? mModel.pdfName : QDir(folder).filePath(QStringLiteral("output/") + mModel.pdfName);
    QString name = mModel.title.simplified();
    static const QString forbidden = QStringLiteral("/\\:*?\"<>|");
    for (QChar& c : name) {
        if (forbidden.contains(c))
            c = QLatin1Char('-');
    }
    if (name.isEmpty())
        name = QStringLiteral("report");
    name += QLatin1Char(' ') + forms::Clock::today().toString(Qt::ISODate) + QStringLiteral(".pdf");
    return folder.isEmpty() ? name : QDir(folder).filePath(QStringLiteral("output/") + name);
}

void PreviewWindow::firstPage() { setPage(0); }
void PreviewWindow::previousPage() { setPage(mPage - 1); }
void PreviewWindow::nextPage() { setPage(mPage + 1); }
void PreviewWindow::lastPage() { setPage(mModel.pageCount() - 1); }

void PreviewWindow::print()
{
    try {
        printer().print(mModel);
    } catch (const vb::Error& e) {
        forms::Dialogs::msgBox(e.description, forms::vbExclamation, mModel.title);
    }
}

void PreviewWindow::saveAsPdf()
{
    const QString proposed = proposedPdfPath();
    // The folder is made for the dialog to open in it, readable by the owner only.
    const QString folder = QFileInfo(proposed).absolutePath();
    if (!QFileInfo::exists(folder) && QDir().mkpath(folder))
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QString path = QFileDialog::getSaveFileName(this, tr("Save as PDF"), proposed, tr("PDF files (*.pdf)"));
    if (path.isEmpty())
        return;
    try {
        exportPdf(mModel, path);
    } catch (const vb::Error& e) {
        forms::Dialogs::msgBox(e.description, forms::vbExclamation, mModel.title);
    }
}

void PreviewWindow::closeEvent(QCloseEvent* e)
{
    emit closed();
    QWidget::closeEvent(e);
}

void PreviewWindow::updateState()
{
    const int count = mModel.pageCount();
    mPageLabel->setText(tr(" Page %1 of %2 ").arg(mPage + 1).arg(count));
    mFirst->setEnabled(mPage > 0);
    mPrev->setEnabled(mPage > 0);
    mNext->setEnabled(mPage + 1 < count);
    mLast->setEnabled(mPage + 1 < count);
}

} // namespace reports
