// Lays a report out into pages: report header on page 1, page header and
// footer on every page, detail rows flowing (or a fixed number a page), the
// report footer after the last row, and %P filled in once the count is known.
#include "platform/reports/report.h"

#include "platform/vb/convert.h"
#include "platform/vb/error.h"

#include <QDate>
#include <QDateTime>
#include <QRegularExpression>

namespace reports {

namespace {

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
            return vb::cstr(x);
        return isDateFormat(fmt) ? vb::cstr(x) : vb::format(x, fmt);
    }
    const QString s = v.toString();
    if (fmt.isEmpty())
        return isIsoDate(s) ? vb::shortDate(QDate::fromString(s, Qt::ISODate)) : s;
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
    const QString t = s.trimmed();
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

double aggregate(const Control& c, const DataSource& src, int column, int first, int count)
{
    double sum = 0;
    int n = 0;
    for (int r = first; r < first + count; ++r) {
        const QVariant& v = src.value(r, column);
        double x = 0;
        if (numberOf(v, x))
            sum += x;
        if (!v.isNull())
            ++n;
    }
    return c.functionKind() == FunctionKind::Count ? n : sum;
}

QString aggregateText(const Control& c, double value)
{
    if (c.formatter())
        return c.formatter()(QVariant(value));
    return c.format().isEmpty() ? vb::cstr(value) : vb::format(value, c.format());
}

class Layouter {
public:
    explicit Layouter(const Report& r) : mReport(r), mSrc(r.dataSource()) {}

    PageModel run();

private:
    struct Resolved {
        const Control* control;
        int column; // data column for fields and functions, else -1
        QString reportValue; // report-scope functions, computed once
        bool pageFunction = false;
        bool hasPageNumber = false;
        bool hasPageCount = false;
    };
    struct SectionPlan {
        const Section* section;
        QString name;
        int height = 0; // 0 when hidden
        QVector<Resolved> controls;
    };

    void plan(SectionKind kind, SectionPlan& out);
    void openPage();
    void closePage();
    void place(const SectionPlan& s, int top, int row);

    const Report& mReport;
    const DataSource& mSrc;
    PageModel mModel;
    Page mPage;
    SectionPlan mRH, mPH, mD, mPF, mRF;
    int mY = 0;
    int mNextRow = 0;
    int mDetailBottom = 0;
    // Items with page-scope sums to fill when their page closes, and items
    // holding %P to fill at the end.
    QVector<std::pair<int, const Resolved*>> mPendingPage;
    QVector<std::pair<int, int>> mPendingCount;
};

void Layouter::plan(SectionKind kind, SectionPlan& out)
{
    const Section& s = mReport.section(kind);
    out.section = &s;
    out.name = s.name();
    out.height = s.isVisible() ? s.height() : 0;
    if (!s.isVisible())
        return;
    for (const auto& cp : s.controls()) {
        const Control& c = *cp;
        if (!c.isVisible())
            continue;
        Resolved r{&c, -1, {}};
        if (c.kind() == ControlKind::Field || c.kind() == ControlKind::Function) {
            r.column = mSrc.columnIndex(c.dataField());
            if (r.column < 0) {
                throw vb::Error(vb::InvalidProcedureCall,
                                QStringLiteral("Report %1: %2 in %3 is bound to the column \"%4\", "
                                               "which its data does not have.")
                                    .arg(mReport.effectiveTitle(), c.name(), out.name, c.dataField()));
            }
            if (c.kind() == ControlKind::Function) {
                if (c.scope() == FunctionScope::Report)
                    r.reportValue = aggregateText(c, aggregate(c, mSrc, r.column, 0, mSrc.rowCount()));
                else
                    r.pageFunction = true;
            }
        } else if (c.kind() == ControlKind::Label) {
            r.hasPageNumber = c.caption().contains(QLatin1String("%p"));
            r.hasPageCount = c.caption().contains(QLatin1String("%P"));
        }
        out.controls.push_back(r);
    }
}

void Layouter::place(const SectionPlan& s, int top, int row)
{
    const int left = mReport.leftMargin();
    for (const Resolved& r : s.controls) {
        const Control& c = *r.control;
        Item it;
        it.x = left + c.x();
        it.y = top + c.y();
        it.w = c.width();
        it.h = c.height();
        it.section = s.name;
        it.control = c.name();
        it.font = c.font();
        it.align = c.align();
        it.wordWrap = c.wordWrap();
        it.lineWidth = c.lineWidth();
        switch (c.kind()) {
        case ControlKind::Label:
            it.text = c.caption();
            if (r.hasPageNumber)
                it.text.replace(QLatin1String("%p"), QString::number(mModel.pages.size() + 1));
            if (r.hasPageCount)
                mPendingCount.push_back({mModel.pages.size(), int(mPage.items.size())});
            // A figure handed over from a form (a grand total) is a figure too.
            it.number = looksLikeNumber(it.text);
            break;
        case ControlKind::Field:
            it.row = row;
            if (row >= 0)
                it.text = valueText(c, mSrc.value(row, r.column));
            it.number = looksLikeNumber(it.text);
            break;
        case ControlKind::Function:
            it.number = true;
            if (r.pageFunction)
                mPendingPage.push_back({int(mPage.items.size()), &r});
            else
                it.text = r.reportValue;
            break;
        case ControlKind::Line:
            it.kind = Item::Kind::Line;
            break;
        case ControlKind::Box:
            it.kind = Item::Kind::Box;
            break;
        }
        if (s.section->kind() != SectionKind::Detail && c.kind() != ControlKind::Field)
            it.row = -1;
        else if (s.section->kind() == SectionKind::Detail)
            it.row = row;
        mPage.items.push_back(std::move(it));
    }
}

void Layouter::openPage()
{
    mPage = Page();
    mPage.firstRow = mNextRow;
    mPage.items.reserve(16 + (mReport.rowsPerPage() > 0 ? mReport.rowsPerPage() : 40)
                                 * mD.controls.size());
    mY = mReport.topMargin();
    if (mModel.pages.isEmpty() && mRH.height > 0) {
        place(mRH, mY, mSrc.rowCount() > 0 ? 0 : -1);
        mY += mRH.height;
    }
    if (mPH.height > 0) {
        place(mPH, mY, mNextRow < mSrc.rowCount() ? mNextRow : -1);
        mY += mPH.height;
    }
}

void Layouter::closePage()
{
    const int lastRow = mPage.rowCount > 0 ? mPage.firstRow + mPage.rowCount - 1
                                           : (mSrc.rowCount() > 0 ? mSrc.rowCount() - 1 : -1);
    if (mPF.height > 0)
        place(mPF, mDetailBottom, lastRow);
    for (const auto& [index, r] : mPendingPage) {
        const Control& c = *r->control;
        mPage.items[index].text
            = aggregateText(c, aggregate(c, mSrc, r->column, mPage.firstRow, mPage.rowCount));
    }
    mPendingPage.clear();
    mModel.pages.push_back(std::move(mPage));
    mPage = Page();
}

PageModel Layouter::run()
{
    mModel.title = mReport.effectiveTitle();
    mModel.pageWidth = mReport.pageWidth();
    mModel.pageHeight = mReport.pageHeight();
    mModel.landscape = mReport.orientation() == Orientation::Landscape;

    plan(SectionKind::ReportHeader, mRH);
    plan(SectionKind::PageHeader, mPH);
    plan(SectionKind::Detail, mD);
    plan(SectionKind::PageFooter, mPF);
    plan(SectionKind::ReportFooter, mRF);

    mDetailBottom = mModel.pageHeight - mReport.bottomMargin() - mPF.height;
    const int perPage = mReport.rowsPerPage();
    const int rows = mSrc.rowCount();
    if (perPage > 0)
        mModel.pages.reserve(rows / perPage + 2);

    openPage();
    for (int r = 0; r < rows; ++r) {
        const bool full = perPage > 0 && mPage.rowCount >= perPage;
        // A row taller than a whole page is still placed, alone, rather than
        // breaking pages for ever.
        const bool noRoom = mY + mD.height > mDetailBottom && mPage.rowCount > 0;
        if (full || noRoom) {
            closePage();
            openPage();
        }
        place(mD, mY, r);
        mY += mD.height;
        ++mPage.rowCount;
        ++mNextRow;
    }
    if (mRF.height > 0 || !mRF.controls.isEmpty()) {
        const bool freshPage = mPage.rowCount == 0;
        if (mY + mRF.height > mDetailBottom && !freshPage) {
            closePage();
            openPage();
        }
        place(mRF, mY, rows > 0 ? rows - 1 : -1);
        mY += mRF.height;
    }
    closePage();

    const QString count = QString::number(mModel.pages.size());
    for (const auto& [page, index] : mPendingCount)
        mModel.pages[page].items[index].text.replace(QLatin1String("%P"), count);
    return std::move(mModel);
}

} // namespace

PageModel Report::layout() const
{
    return Layouter(*this).run();
}

} // namespace reports
