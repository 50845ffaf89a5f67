// A report definition: sections with named controls over a data source, laid out into pages.
#pragma once

#include "platform/reports/data_source.h"
#include "platform/reports/page_model.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QVector>
#include <functional>
#include <memory>
#include <vector>

namespace reports {

class PreviewWindow;

// The five sections keep the names the layouts were drawn with.
enum class SectionKind {
    ReportHeader, // "Section4": once, at the top of page 1
    PageHeader,   // "Section2": at the top of every page (under the report header on page 1)
    Detail,       // "Section1": once per data row
    PageFooter,   // "Section3": at the bottom of every page
    ReportFooter, // "Section5": once, after the last row
};
QString sectionName(SectionKind kind);

enum class ControlKind {
    Label,    // fixed caption; may hold %p (page number) and %P (page count)
    Field,    // bound to a column of the data source, shown with a format
    Function, // sum (or count) of a column over the report or over the page
    Line,
    Box,
};

enum class FunctionScope { Report, Page };
enum class FunctionKind { Sum, Count };

enum class PageSize { A4, Legal, Letter };
enum class Orientation { Portrait = 1, Landscape = 2 };
// As the preview's window state was set: 0 normal, 2 maximised.
enum class WindowState { Normal = 0, Maximized = 2 };

// A control of a section. Setters return the control so that a layout reads
// as one statement per control:
//   s.addField("Text5", {3000, 0, 900, 240}, "pay", "0.00").setAlign(Align::Right);
class Control {
public:
    Control(ControlKind kind, QString name, int x, int y, int w, int h);

    ControlKind kind() const { return mKind; }
    const QString& name() const { return mName; }
    int x() const { return mX; }
    int y() const { return mY; }
    int width() const { return mW; }
    int height() const { return mH; }

    // Label text; for a Field or Function it is ignored.
    Control& setCaption(const QString& caption);
    const QString& caption() const { return mCaption; }

    // Field and Function: the column; Function: also how and over what.
    const QString& dataField() const { return mDataField; }
    Control& setDataField(const QString& column);
    FunctionKind functionKind() const { return mFunctionKind; }
    FunctionScope scope() const { return mScope; }
    Control& setFunction(FunctionKind kind, FunctionScope scope);

    // A number or date format as vb::format reads it ("###", "0.00", "##0.00", "dd/mm/yy" ...);
    // empty shows the value as the database gives it (numbers as cstr, ISO
    // dates as dd/mm/yyyy, text as it is, null as nothing).
    const QString& format() const { return mFormat; }
    Control& setFormat(const QString& fmt);
    // Replaces format() for a field that needs its own text (e.g. a caption
    // drawn from two columns). Receives the bound value.
    using Formatter = std::function<QString(const QVariant&)>;
    Control& setFormatter(Formatter f);
    const Formatter& formatter() const { return mFormatter; }

    Control& setFont(double pointSize, bool bold = false);
    Control& setFontSize(double pointSize);
    Control& setBold(bool bold = true);
    Control& setItalic(bool italic = true);
    Control& setUnderline(bool underline = true);
    Control& setFontFamily(const QString& family);
    const Font& font() const { return mFont; }

    Control& setAlign(Align a);
    Align align() const { return mAlign; }
    // Labels wrap their text inside their box (the default), as the layouts'
    // long captions rely on runs of blanks to break their lines.
    Control& setWordWrap(bool wrap);
    bool wordWrap() const { return mWordWrap; }
    Control& setLineWidth(int twips);
    int lineWidth() const { return mLineWidth; }
    // A hidden control is not laid out.
    Control& setVisible(bool visible);
    bool isVisible() const { return mVisible; }
    Control& setGeometry(int x, int y, int w, int h);

private:
    ControlKind mKind;
    QString mName;
    int mX, mY, mW, mH;
    QString mCaption;
    QString mDataField;
    FunctionKind mFunctionKind = FunctionKind::Sum;
    FunctionScope mScope = FunctionScope::Report;
    QString mFormat;
    Formatter mFormatter;
    Font mFont;
    Align mAlign = Align::Left;
    bool mWordWrap = true;
    int mLineWidth = 15;
    bool mVisible = true;
};

// A section: a height and its controls, in the order they were added.
// Control positions are relative to the section's top-left corner, x counted
// from the left margin.
class Section {
public:
    explicit Section(SectionKind kind) : mKind(kind) {}

    SectionKind kind() const { return mKind; }
    QString name() const { return sectionName(mKind); }
    int height() const { return mHeight; }
    Section& setHeight(int twips);
    bool isVisible() const { return mVisible; }
    Section& setVisible(bool visible);

    Control& addLabel(const QString& name, int x, int y, int w, int h, const QString& caption);
    Control& addField(const QString& name, int x, int y, int w, int h,
                      const QString& column, const QString& format = {});
    // A sum over the report's rows (report scope) or the page's rows.
    Control& addSum(const QString& name, int x, int y, int w, int h, const QString& column,
                    const QString& format = {}, FunctionScope scope = FunctionScope::Report);
    Control& addLine(const QString& name, int x1, int y1, int x2, int y2);
    Control& addBox(const QString& name, int x, int y, int w, int h);

    // By name, case-insensitive; nullptr when the section has none.
    Control* find(const QString& name);
    const Control* find(const QString& name) const;
    // Throws vb::Error 5 (invalid procedure call) when the section has none.
    Control& control(const QString& name);
    const std::vector<std::unique_ptr<Control>>& controls() const { return mControls; }

private:
    Control& add(std::unique_ptr<Control> c);
    SectionKind mKind;
    int mHeight = 0;
    bool mVisible = true;
    std::vector<std::unique_ptr<Control>> mControls;
};

// Base of every report. A subclass builds its sections in its constructor and
// reads its calling form and runs its query in initialize():
//
//   class DataReport1 : public reports::Report {
//   public:
//       DataReport1();              // sections and controls
//       void initialize() override; // form labels -> own labels; setDataSource(...)
//   };
//
// Instances are normally obtained through reports::Reports::get<T>(), which
// runs initialize() once, when the instance is created.
class Report : public QObject {
    Q_OBJECT
public:
    Report();
    ~Report() override;

    // Reads the calling form and runs the query. Called once per instance by
    // the registry; the base does nothing.
    virtual void initialize() {}

    // Window title of the preview and name of the print job.
    void setTitle(const QString& title) { mTitle = title; }
    const QString& title() const { return mTitle; }
    // The title, or the report's class name when none was set.
    QString effectiveTitle() const;

    Section& section(SectionKind kind);
    const Section& section(SectionKind kind) const;
    // By the section's name ("Section2", case-insensitive); throws vb::Error 5
    // for a name that is no section.
    Section& section(const QString& name);

    // The control of a section, as the forms address a report's labels:
    //   report.label("Section2", "Label12").setCaption(form.Label6->caption());
    // Throws vb::Error 5 when there is no such control.
    Control& label(const QString& section, const QString& control);
    Control& control(const QString& section, const QString& control) { return label(section, control); }

    // Paper, in twips once oriented. Default A4 portrait, margins 720 all round.
    void setPageSize(PageSize size);
    PageSize pageSize() const { return mPageSize; }
    void setOrientation(Orientation o);
    Orientation orientation() const { return mOrientation; }
    void setMargins(int left, int top, int right, int bottom);
    int leftMargin() const { return mLeft; }
    int topMargin() const { return mTop; }
    int rightMargin() const { return mRight; }
    int bottomMargin() const { return mBottom; }
    int pageWidth() const;
    int pageHeight() const;

    // 0 (the default): detail rows flow and a row that does not fit above the
    // page footer starts a new page. n > 0: at most n rows a page (a row that
    // does not fit still breaks early).
    void setRowsPerPage(int n);
    int rowsPerPage() const { return mRowsPerPage; }

    void setDataSource(DataSource source);
    void setDataSource(data::QueryRecordset& rs);
    const DataSource& dataSource() const { return mSource; }

    // Window state of the preview shown by show().
    void setWindowState(WindowState s) { mWindowState = s; }
    WindowState windowState() const { return mWindowState; }

    // Lays the report out on its current data. Throws vb::Error 5 when a
    // field or sum names a column the data source does not have.
    PageModel layout() const;
    // The same pages, made when they are asked for: only the page breaks and
    // the page count (%P) are worked out now. What the preview, the printer
    // and PDF use, so a long bill never holds all its pages at once.
    PageModel paginate() const;

    // Paginates and shows a modeless preview (maximised when the window state
    // says so), replacing an open preview of this report.
    void show();
    // Paginates and prints every page on the default printer, no dialog,
    // through the installed reports::Printer. Throws vb::Error when nothing
    // could be printed.
    void printReport();
    // Paginates and writes a PDF file page by page. Throws vb::Error 75 when
    // the file cannot be written.
    void exportPdf(const QString& path);

    // The preview this report last showed, while it is open.
    PreviewWindow* preview() const;

signals:
    // The preview window of this report was closed by the user.
    void previewClosed();

private:
    QString mTitle;
    std::unique_ptr<Section> mSections[5];
    PageSize mPageSize = PageSize::A4;
    Orientation mOrientation = Orientation::Portrait;
    int mLeft = 720, mTop = 720, mRight = 720, mBottom = 720;
    int mRowsPerPage = 0;
    DataSource mSource;
    WindowState mWindowState = WindowState::Normal;
    QPointer<PreviewWindow> mPreview;
};

} // namespace reports
