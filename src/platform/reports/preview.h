// The modeless preview window of a laid-out report: pages, zoom, print, save as PDF.
#pragma once

#include "platform/reports/page_model.h"

#include <QWidget>

class QLabel;
class QComboBox;
class QScrollArea;
class QAction;

namespace reports {

class PageView;

// Shows its own copy of the page model, so it stays valid after the report
// instance is unloaded. Deletes itself when closed.
class PreviewWindow : public QWidget {
    Q_OBJECT
public:
    explicit PreviewWindow(PageModel model, QWidget* parent = nullptr);

    const PageModel& model() const { return mModel; }
    int currentPage() const { return mPage; } // 0-based
    void setPage(int page);                   // clamped to the pages there are
    double zoom() const;                      // 1.0 = actual size
    void setZoom(double factor);
    // The zoom that fits the page's width (or the whole page) in the window,
    // kept as the window is resized; the preview opens at fit width.
    enum class Fit { None, Width, Page };
    Fit fit() const { return mFit; }
    void setFit(Fit fit);
    // Where Save as PDF proposes to write: "output/<title> <date>.pdf" in the
    // data folder, or the model's own PDF name there.
    QString proposedPdfPath() const;

public slots:
    void firstPage();
    void previousPage();
    void nextPage();
    void lastPage();
    // Through reports::printer(); a failure is shown in a message box.
    void print();
    // Asks for a file name and writes the PDF there.
    void saveAsPdf();

signals:
    void closed();

protected:
    void closeEvent(QCloseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void updateState();
    void applyFit();
    void showZoomChoice();

    PageModel mModel;
    int mPage = 0;
    PageView* mView = nullptr;
    QScrollArea* mScroll = nullptr;
    QLabel* mPageLabel = nullptr;
    QComboBox* mZoomBox = nullptr;
    QAction* mFirst = nullptr;
    QAction* mPrev = nullptr;
    QAction* mNext = nullptr;
    QAction* mLast = nullptr;
    Fit mFit = Fit::Width;
};

} // namespace reports
