#include "platform/reports/preview.h"

#include "platform/reports/painter.h"
#include "platform/reports/printer.h"
#include "platform/forms/dialogs.h"
#include "platform/vb/error.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QScrollArea>
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
    for (int pct : {50, 75, 100, 125, 150, 200})
        mZoomBox->addItem(QStringLiteral("%1%").arg(pct), pct / 100.0);
    mZoomBox->setCurrentIndex(2);
    connect(mZoomBox, &QComboBox::activated, this,
            [this](int i) { setZoom(mZoomBox->itemData(i).toDouble()); });
    bar->addWidget(mZoomBox);
    bar->addSeparator();
    bar->addAction(tr("Print"), this, &PreviewWindow::print);
    bar->addAction(tr("Save as PDF..."), this, &PreviewWindow::saveAsPdf);
    bar->addAction(tr("Close"), this, &QWidget::close);

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

    mView->setZoom(1.0);
    // Never taller or wider than the screen: the page's scroll bars stay in reach.
    QSize size(1000, 800);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableGeometry().size());
    resize(size);
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
    mView->setZoom(factor);
    const int i = mZoomBox->findData(factor);
    if (i >= 0)
        mZoomBox->setCurrentIndex(i);
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
    const QString path = QFileDialog::getSaveFileName(this, tr("Save as PDF"), mModel.title + QStringLiteral(".pdf"),
                                                      tr("PDF files (*.pdf)"));
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
