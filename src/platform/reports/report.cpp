#include "platform/reports/report.h"

#include "platform/reports/painter.h"
#include "platform/reports/preview.h"
#include "platform/reports/printer.h"
#include "platform/data/recordset.h"
#include "platform/vb/error.h"

#include <QGuiApplication>
#include <QScreen>
#include <cxxabi.h>
#include <cstdlib>
#include <typeinfo>

namespace reports {

namespace {

// Static text, so that the name every laid-out item carries costs nothing to copy.
const QString kSectionNames[] = {QStringLiteral("Section4"), QStringLiteral("Section2"), QStringLiteral("Section1"),
                                 QStringLiteral("Section3"), QStringLiteral("Section5")};

int indexOf(SectionKind k) { return static_cast<int>(k); }

QString className(const std::type_info& t)
{
    int status = 0;
    char* name = abi::__cxa_demangle(t.name(), nullptr, nullptr, &status);
    QString out = status == 0 && name ? QString::fromLatin1(name) : QString::fromLatin1(t.name());
    std::free(name);
    const int colons = out.lastIndexOf(QLatin1String("::"));
    return colons >= 0 ? out.mid(colons + 2) : out;
}

} // namespace

QString sectionName(SectionKind kind) { return kSectionNames[indexOf(kind)]; }

// ---- Control ----------------------------------------------------------------

Control::Control(ControlKind kind, QString name, int x, int y, int w, int h)
    : mKind(kind), mName(std::move(name)), mX(x), mY(y), mW(w), mH(h)
{
    if (kind == ControlKind::Field || kind == ControlKind::Function)
        mWordWrap = false;
}

Control& Control::setCaption(const QString& caption) { mCaption = caption; return *this; }
Control& Control::setDataField(const QString& column) { mDataField = column; return *this; }
Control& Control::setFunction(FunctionKind kind, FunctionScope scope)
{
    mFunctionKind = kind;
    mScope = scope;
    return *this;
}
Control& Control::setFormat(const QString& fmt) { mFormat = fmt; return *this; }
Control& Control::setFormatter(Formatter f) { mFormatter = std::move(f); return *this; }
Control& Control::setFont(double pointSize, bool bold)
{
    mFont.pointSize = pointSize;
    mFont.bold = bold;
    return *this;
}
Control& Control::setFontSize(double pointSize) { mFont.pointSize = pointSize; return *this; }
Control& Control::setBold(bool bold) { mFont.bold = bold; return *this; }
Control& Control::setItalic(bool italic) { mFont.italic = italic; return *this; }
Control& Control::setUnderline(bool underline) { mFont.underline = underline; return *this; }
Control& Control::setFontFamily(const QString& family) { mFont.family = family; return *this; }
Control& Control::setAlign(Align a) { mAlign = a; return *this; }
Control& Control::setWordWrap(bool wrap) { mWordWrap = wrap; return *this; }
Control& Control::setLineWidth(int twips) { mLineWidth = twips; return *this; }
Control& Control::setVisible(bool visible) { mVisible = visible; return *this; }
Control& Control::setGeometry(int x, int y, int w, int h)
{
    mX = x; mY = y; mW = w; mH = h;
    return *this;
}

// ---- Section ----------------------------------------------------------------

Section& Section::setHeight(int twips) { mHeight = std::max(0, twips); return *this; }
Section& Section::setVisible(bool visible) { mVisible = visible; return *this; }

Control& Section::add(std::unique_ptr<Control> c)
{
    mControls.push_back(std::move(c));
    return *mControls.back();
}

Control& Section::addLabel(const QString& name, int x, int y, int w, int h, const QString& caption)
{
    auto c = std::make_unique<Control>(ControlKind::Label, name, x, y, w, h);
    c->setCaption(caption);
    return add(std::move(c));
}

Control& Section::addField(const QString& name, int x, int y, int w, int h,
                           const QString& column, const QString& format)
{
    auto c = std::make_unique<Control>(ControlKind::Field, name, x, y, w, h);
    c->setDataField(column).setFormat(format);
    return add(std::move(c));
}

Control& Section::addSum(const QString& name, int x, int y, int w, int h, const QString& column,
                         const QString& format, FunctionScope scope)
{
    auto c = std::make_unique<Control>(ControlKind::Function, name, x, y, w, h);
    c->setDataField(column).setFormat(format).setFunction(FunctionKind::Sum, scope);
    return add(std::move(c));
}

Control& Section::addLine(const QString& name, int x1, int y1, int x2, int y2)
{
    return add(std::make_unique<Control>(ControlKind::Line, name, x1, y1, x2 - x1, y2 - y1));
}

Control& Section::addBox(const QString& name, int x, int y, int w, int h)
{
    return add(std::make_unique<Control>(ControlKind::Box, name, x, y, w, h));
}

Control* Section::find(const QString& name)
{
    for (auto& c : mControls) {
        if (c->name().compare(name, Qt::CaseInsensitive) == 0)
            return c.get();
    }
    return nullptr;
}

const Control* Section::find(const QString& name) const
{
    return const_cast<Section*>(this)->find(name);
}

Control& Section::control(const QString& name)
{
    if (Control* c = find(name))
        return *c;
    throw vb::Error(vb::InvalidProcedureCall,
                    QStringLiteral("The report has no control %1 in %2.").arg(name, this->name()));
}

// ---- Report -----------------------------------------------------------------

Report::Report()
{
    for (int i = 0; i < 5; ++i)
        mSections[i] = std::make_unique<Section>(static_cast<SectionKind>(i));
}

Report::~Report()
{
    // Unloading a report closes its preview: the preview shows this report's
    // pages and must not outlive them.
    if (mPreview) {
        disconnect(mPreview, nullptr, this, nullptr);
        mPreview->close();
    }
}

Section& Report::section(SectionKind kind) { return *mSections[indexOf(kind)]; }
const Section& Report::section(SectionKind kind) const { return *mSections[indexOf(kind)]; }

Section& Report::section(const QString& name)
{
    for (int i = 0; i < 5; ++i) {
        if (name.trimmed().compare(kSectionNames[i], Qt::CaseInsensitive) == 0)
            return *mSections[i];
    }
    throw vb::Error(vb::InvalidProcedureCall,
                    QStringLiteral("The report has no section %1.").arg(name));
}

Control& Report::label(const QString& sectionName, const QString& control)
{
    return section(sectionName).control(control);
}

void Report::setPageSize(PageSize size) { mPageSize = size; }
void Report::setOrientation(Orientation o) { mOrientation = o; }
void Report::setMargins(int left, int top, int right, int bottom)
{
    mLeft = left; mTop = top; mRight = right; mBottom = bottom;
}

static QSize portraitTwips(PageSize s)
{
    switch (s) {
    case PageSize::A4: return {11906, 16838};     // 210 x 297 mm
    case PageSize::Legal: return {12240, 20160};  // 8.5 x 14 in
    case PageSize::Letter: return {12240, 15840}; // 8.5 x 11 in
    }
    return {11906, 16838};
}

int Report::pageWidth() const
{
    const QSize p = portraitTwips(mPageSize);
    return mOrientation == Orientation::Landscape ? p.height() : p.width();
}

int Report::pageHeight() const
{
    const QSize p = portraitTwips(mPageSize);
    return mOrientation == Orientation::Landscape ? p.width() : p.height();
}

void Report::setRowsPerPage(int n) { mRowsPerPage = std::max(0, n); }

void Report::setDataSource(DataSource source) { mSource = std::move(source); }
void Report::setDataSource(data::QueryRecordset& rs) { mSource = DataSource::fromRecordset(rs); }

QString Report::effectiveTitle() const
{
    return mTitle.isEmpty() ? className(typeid(*this)) : mTitle;
}

void Report::show()
{
    PageModel model = paginate();
    if (mPreview) {
        disconnect(mPreview, nullptr, this, nullptr);
        mPreview->close();
    }
    auto* w = new PreviewWindow(std::move(model));
    w->setAttribute(Qt::WA_DeleteOnClose);
    connect(w, &PreviewWindow::closed, this, [this] {
        mPreview.clear();
        emit previewClosed();
    });
    mPreview = w;
    if (mWindowState == WindowState::Maximized) {
        // Where no window manager honours the request, the window still covers the screen.
        if (const QScreen* screen = QGuiApplication::primaryScreen())
            w->setGeometry(screen->availableGeometry());
        w->showMaximized();
    }
    else
        w->show();
    w->raise();
    w->activateWindow();
}

void Report::printReport() { printer().print(paginate()); }

void Report::exportPdf(const QString& path) { reports::exportPdf(paginate(), path); }

PreviewWindow* Report::preview() const { return mPreview.data(); }

} // namespace reports
