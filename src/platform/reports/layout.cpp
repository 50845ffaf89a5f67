// Lays a report out into pages: report header on page 1, page header and
// footer on every page, detail rows flowing (or a fixed number a page), the
// report footer after the last row, and %P filled in once the count is known.
#include "platform/reports/report.h"

#include "platform/vb/convert.h"
#include "platform/vb/error.h"

#include <QDate>
#include <QDateTime>
#include <QRegularExpression>
#include <cmath>

namespace reports {

namespace {

// A caption that every page shows as it is. Kept once for the life of the
// program, as names are (the layouts' own captions and the few a form hands
// over: an office, a total; one copy of each distinct text), and handed out
// as a view of the kept text, so the copy every item of every page makes
// touches no shared count.
QString keptCaption(const QString& text)
{
    if (text.isEmpty())
        return text;
    const QString& kept = Name(text).str();
    return QString::fromRawData(kept.constData(), kept.size());
}

bool isIsoDate(const QString& s)
{
    return s.size() == 10 && s[4] == QLatin1Char('-') && s[7] == QLatin1Char('-')
        && QDate::fromString(s, Qt::ISODate).isValid();
}

// A number format is made of digits, '#', '.' and ','; anything with letters
// ("dd/mm/yy", "Medium Date") is a date format.
bool isDateFormat(const QString& fmt)
{
    for (QChar c : fmt) {
        if (c.isLetter())
            return true;
    }
    return false;
}

bool isNumberType(const QVariant& v)
{
    switch (v.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::Short:
    case QMetaType::UShort:
        return true;
    default:
        return false;
    }
}

QString valueText(const Control& c, const QVariant& v)
{
    if (c.formatter())
        return c.formatter()(v);
    if (v.isNull())
        return {};
    const QString& fmt = c.format();
    if (v.typeId() == QMetaType::QDate || v.typeId() == QMetaType::QDateTime) {
        const QDate d = v.toDate();
        return fmt.isEmpty() ? vb::shortDate(d) : vb::format(d, fmt);
    }
    if (isNumberType(v)) {
        const double x = v.toDouble();
        if (fmt.isEmpty())
            return vb::figure(x);
        return isDateFormat(fmt) ? vb::figure(x) : vb::format(x, fmt);
    }
    const QString s = v.toString();
    if (fmt.isEmpty())
        return isIsoDate(s) ? vb::shortDate(QDate::fromString(s, Qt::ISODate)) : vb::figure(s);
    if (isDateFormat(fmt)) {
        const QDate d = isIsoDate(s) ? QDate::fromString(s, Qt::ISODate) : vb::parseDate(s);
        return d.isValid() ? vb::format(d, fmt) : s;
    }
    return vb::isNumeric(s) ? vb::format(s.trimmed().toDouble(), fmt) : s;
}

// A figure as the formats write it: digits with at most a sign, a decimal
// point and grouping commas.
bool looksLikeNumber(const QString& s)
{
    const QStringView t = QStringView(s).trimmed();
    bool digit = false;
    bool point = false;
    for (int i = 0; i < t.size(); ++i) {
        const QChar c = t[i];
        if (c.isDigit())
            digit = true;
        else if (c == QLatin1Char('.') && !point)
            point = true;
        else if (c != QLatin1Char(',') && !(i == 0 && (c == QLatin1Char('-') || c == QLatin1Char('+'))))
            return false;
    }
    return digit;
}

// What a sum adds of one value: numbers, and texts that are whole numbers;
// null and other text add nothing.
bool numberOf(const QVariant& v, double& out)
{
    if (v.isNull())
        return false;
    if (isNumberType(v)) {
        out = v.toDouble();
        return true;
    }
    if (v.typeId() == QMetaType::QString) {
        const QString s = v.toString();
        if (vb::isNumeric(s)) {
            out = s.trimmed().toDouble();
            return true;
        }
    }
    return false;
}

// The decimals a sum prints its figure to: those its number format shows
// ("0.00" two, "###" none), two for a figure printed without one (at most
// two decimals) or by a formatter of its own.
int printedDecimals(const Control& c)
{
    const QString& f = c.format();
    if (c.formatter() || f.isEmpty())
        return 2;
    const int dot = int(f.indexOf(QLatin1Char('.')));
    return dot < 0 ? 0 : qMin(int(f.size()) - dot - 1, 9);
}

// A sum adds its figures as they are printed, each rounded half away from
// nothing to the decimals the sum shows, in whole units of that decimal: the
// total under a column is then always the sum of the lines printed in it,
// never of fractions no line shows.
double aggregate(const Control& c, const DataSource& src, int column, int first, int count)
{
    const int decimals = printedDecimals(c);
    const double scale = std::pow(10.0, decimals);
    const auto units = [&](double x) {
        return decimals == 2 ? vb::hundredths(x) : std::llround(vb::roundHalfAway(x, decimals) * scale);
    };
    qint64 sum = 0;
    int n = 0;
    for (int r = first; r < first + count; ++r) {
        double x = 0;
        if (src.isNumber(r, column, x)) {
            sum += units(x);
            ++n;
            continue;
        }
        const QVariant v = src.value(r, column);
        if (numberOf(v, x))
            sum += units(x);
        if (!v.isNull())
            ++n;
    }
    return c.functionKind() == FunctionKind::Count ? n : double(sum) / scale;
}

QString aggregateText(const Control& c, double value)
{
    if (c.formatter())
        return c.formatter()(QVariant(value));
    return c.format().isEmpty() ? vb::figure(value) : vb::format(value, c.format());
}

// Two passes: the constructor finds where each page breaks and how many pages
// there are, keeping only that; page() then makes any page alone. It holds
// its own copy of the controls and shares the rows, so the pages can still be
// made after the report instance is gone.
class Paginator : public PageSource {
public:
    explicit Paginator(const Report& r);

    int pageCount() const override { return int(mBreaks.size()); }
    Page page(int index) const override;

private:
    // How a control's item gets what changes from page to page or row to row.
    enum class Fill { None, PageLabel, Field, PageFunction };
    struct Resolved {
        Control control;
        int column = -1; // data column for fields and functions
        Fill fill = Fill::None;
        bool dateFormat = false; // a field's format is a date format
        // The figure this field showed last and its number: a column often
        // holds the same amount row after row (the same allowance, the same
        // tax), and its text is then shared rather than written again.
        // Pages are made one at a time, on the thread that shows or prints them.
        mutable double lastNumber = 0;
        mutable QString lastFigure;
    };
    struct SectionPlan {
        SectionKind kind = SectionKind::Detail;
        QString name;
        int height = 0; // 0 when hidden
        QVector<Resolved> controls;
        // The controls' items as every page shows them, placed at the
        // section's top: what does not change (a caption, a line, a
        // report-wide sum) is worked out once here, not on every page.
        QVector<Item> items;
    };
    struct Break {
        int firstRow = 0;
        int rowCount = 0;
        int footerTop = -1; // top of the report footer when it is on this page
    };

    void plan(const Report& report, SectionKind kind, SectionPlan& out);
    int bodyTop(int page) const;
    void fillField(Item& it, const Resolved& r, int row) const;
    void place(Page& page, int index, const SectionPlan& s, int top, int row) const;

    QString mTitle;
    DataSource mSrc;
    int mLeft = 0, mTop = 0, mDetailBottom = 0;
    SectionPlan mRH, mPH, mD, mPF, mRF;
    QVector<Break> mBreaks;
};

void Paginator::plan(const Report& report, SectionKind kind, SectionPlan& out)
{
    const Section& s = report.section(kind);
    out.kind = kind;
    out.name = s.name();
    out.height = s.isVisible() ? s.height() : 0;
    if (!s.isVisible())
        return;
    for (const auto& cp : s.controls()) {
        const Control& c = *cp;
        if (!c.isVisible())
            continue;
        Resolved r{c, -1, Fill::None, false, 0, {}};
        Item it;
        it.x = mLeft + c.x();
        it.y = c.y();
        it.w = c.width();
        it.h = c.height();
        it.section = out.name;
        it.control = c.name();
        it.font = c.font();
        it.align = c.align();
        it.wordWrap = c.wordWrap();
        it.lineWidth = c.lineWidth();
        switch (c.kind()) {
        case ControlKind::Label:
            it.text = vb::figure(c.caption());
            if (c.caption().contains(QLatin1String("%p")) || c.caption().contains(QLatin1String("%P")))
                r.fill = Fill::PageLabel;
            else
                it.number = looksLikeNumber(it.text);
            if (r.fill == Fill::None)
                it.text = keptCaption(it.text);
            break;
        case ControlKind::Field:
        case ControlKind::Function:
            r.column = mSrc.columnIndex(c.dataField());
            if (r.column < 0) {
                throw vb::Error(vb::InvalidProcedureCall,
                                QStringLiteral("Report %1: %2 in %3 is bound to the column \"%4\", "
                                               "which its data does not have.")
                                    .arg(mTitle, c.name(), out.name, c.dataField()));
            }
            if (c.kind() == ControlKind::Field) {
                r.fill = Fill::Field;
                r.dateFormat = isDateFormat(c.format());
            } else {
                it.number = true;
                if (c.scope() == FunctionScope::Report)
                    it.text = aggregateText(c, aggregate(c, mSrc, r.column, 0, mSrc.rowCount()));
                else
                    r.fill = Fill::PageFunction;
            }
            break;
        case ControlKind::Line:
            it.kind = Item::Kind::Line;
            break;
        case ControlKind::Box:
            it.kind = Item::Kind::Box;
            break;
        }
        out.controls.push_back(std::move(r));
        out.items.push_back(std::move(it));
    }
}

// Where the first detail row of a page goes: under the report header on the
// first page and the page header on every page.
int Paginator::bodyTop(int page) const
{
    int y = mTop;
    if (page == 0 && mRH.height > 0)
        y += mRH.height;
    if (mPH.height > 0)
        y += mPH.height;
    return y;
}

Paginator::Paginator(const Report& r)
    : mTitle(r.effectiveTitle()), mSrc(r.dataSource()), mLeft(r.leftMargin()), mTop(r.topMargin())
{
    plan(r, SectionKind::ReportHeader, mRH);
    plan(r, SectionKind::PageHeader, mPH);
    plan(r, SectionKind::Detail, mD);
    plan(r, SectionKind::PageFooter, mPF);
    plan(r, SectionKind::ReportFooter, mRF);
    mDetailBottom = r.pageHeight() - r.bottomMargin() - mPF.height;

    const int perPage = r.rowsPerPage();
    const int rows = mSrc.rowCount();
    if (perPage > 0)
        mBreaks.reserve(rows / perPage + 2);
    Break page;
    int y = bodyTop(0);
    auto next = [&](int firstRow) {
        mBreaks.push_back(page);
        page = Break{firstRow, 0, -1};
        y = bodyTop(int(mBreaks.size()));
    };
    for (int row = 0; row < rows; ++row) {
        const bool full = perPage > 0 && page.rowCount >= perPage;
        // A row taller than a whole page is still placed, alone, rather than
        // breaking pages for ever.
        const bool noRoom = y + mD.height > mDetailBottom && page.rowCount > 0;
        if (full || noRoom)
            next(row);
        y += mD.height;
        ++page.rowCount;
    }
    if (mRF.height > 0 || !mRF.controls.isEmpty()) {
        if (y + mRF.height > mDetailBottom && page.rowCount > 0)
            next(rows);
        page.footerTop = y;
    }
    mBreaks.push_back(page);
}

// A field's text and whether it is a figure. A number without a format of
// its own goes straight to its figure, with no variant made on the way (and
// the figure of a finite number always reads as one), and so does plain text
// (a name, an account number) to what valueText() would make of it; anything
// else is shown as valueText() says.
void Paginator::fillField(Item& it, const Resolved& r, int row) const
{
    const Control& c = r.control;
    double x = 0;
    if (row >= 0 && !c.formatter() && mSrc.isNumber(row, r.column, x)) {
        if (c.format().isEmpty() || r.dateFormat) {
            if (r.lastFigure.isNull() || x != r.lastNumber) {
                r.lastFigure = vb::figure(x);
                r.lastNumber = x;
            }
            it.text = r.lastFigure;
            it.number = std::isfinite(x) || looksLikeNumber(it.text);
            return;
        }
        it.text = vb::format(x, c.format());
    } else if (row >= 0 && !c.formatter() && c.format().isEmpty() && mSrc.isPlainText(row, r.column, it.text)) {
        // Text without a decimal point is no figure to round: it stays as read.
        if (it.text.contains(QLatin1Char('.')))
            it.text = vb::figure(it.text);
    } else if (row >= 0) {
        it.text = valueText(c, mSrc.value(row, r.column));
    }
    it.number = looksLikeNumber(it.text);
}

void Paginator::place(Page& page, int index, const SectionPlan& s, int top, int row) const
{
    // Detail items carry their row; elsewhere only fields do.
    const bool detail = s.kind == SectionKind::Detail;
    const qsizetype first = page.items.size();
    page.items.append(s.items);
    Item* items = page.items.data() + first;
    for (qsizetype i = 0; i < s.controls.size(); ++i) {
        const Resolved& r = s.controls[i];
        Item& it = items[i];
        it.y += top;
        if (detail || r.fill == Fill::Field)
            it.row = row;
        switch (r.fill) {
        case Fill::None:
            break;
        case Fill::PageLabel:
            it.text.replace(QLatin1String("%p"), QString::number(index + 1));
            // A figure handed over from a form (a grand total) is a figure too.
            it.number = looksLikeNumber(it.text);
            it.text.replace(QLatin1String("%P"), QString::number(pageCount()));
            break;
        case Fill::Field:
            fillField(it, r, row);
            break;
        case Fill::PageFunction:
            it.text = aggregateText(r.control, aggregate(r.control, mSrc, r.column, page.firstRow, page.rowCount));
            break;
        }
    }
}

Page Paginator::page(int index) const
{
    const Break& b = mBreaks.at(index);
    const int rows = mSrc.rowCount();
    Page p;
    p.firstRow = b.firstRow;
    p.rowCount = b.rowCount;
    p.items.reserve(mRH.controls.size() + mPH.controls.size() + mPF.controls.size() + mRF.controls.size()
                    + b.rowCount * mD.controls.size());
    int y = mTop;
    if (index == 0 && mRH.height > 0) {
        place(p, index, mRH, y, rows > 0 ? 0 : -1);
        y += mRH.height;
    }
    if (mPH.height > 0) {
        place(p, index, mPH, y, b.firstRow < rows ? b.firstRow : -1);
        y += mPH.height;
    }
    for (int row = b.firstRow; row < b.firstRow + b.rowCount; ++row) {
        place(p, index, mD, y, row);
        y += mD.height;
    }
    if (b.footerTop >= 0)
        place(p, index, mRF, b.footerTop, rows > 0 ? rows - 1 : -1);
    const int lastRow = b.rowCount > 0 ? b.firstRow + b.rowCount - 1 : (rows > 0 ? rows - 1 : -1);
    if (mPF.height > 0)
        place(p, index, mPF, mDetailBottom, lastRow);
    return p;
}

PageModel emptyModel(const Report& r)
{
    PageModel m;
    m.title = r.effectiveTitle();
    m.pageWidth = r.pageWidth();
    m.pageHeight = r.pageHeight();
    m.landscape = r.orientation() == Orientation::Landscape;
    return m;
}

} // namespace

PageModel Report::layout() const
{
    PageModel m = emptyModel(*this);
    const Paginator pages(*this);
    m.pages.reserve(pages.pageCount());
    for (int i = 0; i < pages.pageCount(); ++i)
        m.pages.push_back(pages.page(i));
    return m;
}

PageModel Report::paginate() const
{
    PageModel m = emptyModel(*this);
    m.source = std::make_shared<Paginator>(*this);
    return m;
}

} // namespace reports
