#include "platform/office/workbook.h"

#include "platform/office/cell_ref.h"
#include "platform/office/desktop.h"
#include "platform/office/package.h"
#include "platform/office/xml_util.h"
#include "platform/vb/error.h"

#include <QDate>
#include <QDomDocument>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <cmath>
#include <map>

namespace office {

namespace {

constexpr int kMaxRow = 1048576;
constexpr int kMaxCol = 16384;
const QDate kEpoch(1899, 12, 30);   // serial 0 of the 1900 date system, past its false leap day
const QString kWorkbookPart = QStringLiteral("xl/workbook.xml");
const QString kWorkbookRels = QStringLiteral("xl/_rels/workbook.xml.rels");
const QString kStylesPart = QStringLiteral("xl/styles.xml");

bool isBuiltinDateFormat(int id) { return (id >= 14 && id <= 22) || (id >= 45 && id <= 47); }

// A format code shows a date when, outside quotes, brackets and escapes, it
// holds a day, month or year letter.
bool isDateFormatCode(const QString& code)
{
    bool quoted = false;
    int bracket = 0;
    for (qsizetype i = 0; i < code.size(); ++i) {
        const QChar c = code.at(i);
        if (c == u'"')
            quoted = !quoted;
        else if (quoted)
            continue;
        else if (c == u'\\' || c == u'_' || c == u'*')
            ++i;
        else if (c == u'[')
            ++bracket;
        else if (c == u']')
            bracket = std::max(0, bracket - 1);
        else if (!bracket && QStringLiteral("dmyDMY").contains(c))
            return true;
    }
    return false;
}

// The text of a shared string or an inline string: its runs, without phonetic hints.
QString stringItemText(const QDomElement& item)
{
    QString text;
    for (QDomElement e = item.firstChildElement(); !e.isNull(); e = e.nextSiblingElement()) {
        if (localName(e) == u"t")
            text += e.text();
        else if (localName(e) == u"r")
            text += child(e, QStringLiteral("t")).text();
    }
    return text;
}

// "xl/" + a relationship target, or the absolute target as a part name.
QString partOfTarget(const QString& base, const QString& target)
{
    if (target.startsWith(QLatin1Char('/')))
        return target.mid(1);
    QStringList parts = base.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (const QString& p : target.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        if (p == u"..")
            parts.removeLast();
        else if (p != u".")
            parts.append(p);
    }
    return parts.join(QLatin1Char('/'));
}

} // namespace

struct Workbook::Impl {
    Package pkg;
    QString templateName;
    QString subject;
    QString sheetPart;
    QString sheetName;
    QDomDocument workbook, sheet, styles;
    QDomElement sheetData;
    QString ns;                             // the sheet's tag prefix, usually empty
    std::map<int, QDomElement> rows;        // by row number, kept in sheet order
    QStringList sharedStrings;
    QHash<int, int> dateStyleOf;            // a style -> the same style under a date format
    bool stylesChanged = false;

    QDomElement el(const QString& local) { return sheet.createElement(ns + local); }
    void loadSharedStrings();
    void indexRows();
    QDomElement row(int r, bool create);
    QDomElement cell(int r, int c, bool create);
    int defaultStyle(const QDomElement& rowEl, int col) const;
    int numFmtOf(int style, QString* code = nullptr) const;
    bool isDateStyle(int style) const;
    int dateStyle(int style);
    void prepareForSave();
};

void Workbook::Impl::loadSharedStrings()
{
    const QDomElement rels = pkg.xml(kWorkbookRels).documentElement();
    for (const QDomElement& r : children(rels, QStringLiteral("Relationship"))) {
        if (!r.attribute(QStringLiteral("Type")).endsWith(QStringLiteral("/sharedStrings")))
            continue;
        const QDomElement sst = pkg.xml(partOfTarget(QStringLiteral("xl"), r.attribute(QStringLiteral("Target")))).documentElement();
        for (const QDomElement& si : children(sst, QStringLiteral("si")))
            sharedStrings.append(stringItemText(si));
    }
}

void Workbook::Impl::indexRows()
{
    // Rows and cells may leave out their numbers (each then follows the one
    // before); naming them all lets cells be found and moved by number.
    rows.clear();
    int r = 0;
    for (QDomElement rowEl : children(sheetData, QStringLiteral("row"))) {
        r = rowEl.hasAttribute(QStringLiteral("r")) ? rowEl.attribute(QStringLiteral("r")).toInt() : r + 1;
        rowEl.setAttribute(QStringLiteral("r"), r);
        rows[r] = rowEl;
        int c = 0;
        for (QDomElement cellEl : children(rowEl, QStringLiteral("c"))) {
            int rr = 0;
            if (!parseCell(cellEl.attribute(QStringLiteral("r")), rr, c))
                ++c;
            cellEl.setAttribute(QStringLiteral("r"), cellName(r, c));
        }
    }
}

QDomElement Workbook::Impl::row(int r, bool create)
{
    const auto it = rows.lower_bound(r);
    if (it != rows.end() && it->first == r)
        return it->second;
    if (!create)
        return {};
    QDomElement rowEl = el(QStringLiteral("row"));
    rowEl.setAttribute(QStringLiteral("r"), r);
    if (it == rows.end())
        sheetData.appendChild(rowEl);
    else
        sheetData.insertBefore(rowEl, it->second);
    rows[r] = rowEl;
    return rowEl;
}

int Workbook::Impl::defaultStyle(const QDomElement& rowEl, int col) const
{
    if (rowEl.attribute(QStringLiteral("customFormat")) == u"1" || rowEl.attribute(QStringLiteral("customFormat")) == u"true")
        return rowEl.attribute(QStringLiteral("s")).toInt();
    const QDomElement cols = child(sheet.documentElement(), QStringLiteral("cols"));
    for (const QDomElement& c : children(cols, QStringLiteral("col")))
        if (c.attribute(QStringLiteral("min")).toInt() <= col && col <= c.attribute(QStringLiteral("max")).toInt())
            return c.attribute(QStringLiteral("style")).toInt();
    return 0;
}

QDomElement Workbook::Impl::cell(int r, int c, bool create)
{
    QDomElement rowEl = row(r, create);
    if (rowEl.isNull())
        return {};
    auto fresh = [&] {
        QDomElement e = el(QStringLiteral("c"));
        e.setAttribute(QStringLiteral("r"), cellName(r, c));
        if (const int s = defaultStyle(rowEl, c))
            e.setAttribute(QStringLiteral("s"), s);
        return e;
    };
    for (QDomElement cellEl = rowEl.firstChildElement(); !cellEl.isNull(); cellEl = cellEl.nextSiblingElement()) {
        if (localName(cellEl) != u"c")
            continue;
        int rr = 0, cc = 0;
        parseCell(cellEl.attribute(QStringLiteral("r")), rr, cc);
        if (cc == c)
            return cellEl;
        if (cc > c) {
            if (!create)
                return {};
            return rowEl.insertBefore(fresh(), cellEl).toElement();
        }
    }
    if (!create)
        return {};
    // The row's span is a hint that a cell outside it would make wrong.
    rowEl.removeAttribute(QStringLiteral("spans"));
    // A row's extension list, where there is one, stays last.
    const QDomElement ext = child(rowEl, QStringLiteral("extLst"));
    return (ext.isNull() ? rowEl.appendChild(fresh()) : rowEl.insertBefore(fresh(), ext)).toElement();
}

int Workbook::Impl::numFmtOf(int style, QString* code) const
{
    const QDomElement root = styles.documentElement();
    const QList<QDomElement> xfs = children(child(root, QStringLiteral("cellXfs")), QStringLiteral("xf"));
    if (style < 0 || style >= xfs.size())
        return 0;
    const int id = xfs.at(style).attribute(QStringLiteral("numFmtId")).toInt();
    if (code) {
        for (const QDomElement& f : children(child(root, QStringLiteral("numFmts")), QStringLiteral("numFmt")))
            if (f.attribute(QStringLiteral("numFmtId")).toInt() == id)
                *code = f.attribute(QStringLiteral("formatCode"));
    }
    return id;
}

bool Workbook::Impl::isDateStyle(int style) const
{
    if (styles.isNull())
        return false;
    QString code;
    const int id = numFmtOf(style, &code);
    return isBuiltinDateFormat(id) || (!code.isEmpty() && isDateFormatCode(code));
}

int Workbook::Impl::dateStyle(int style)
{
    if (isDateStyle(style))
        return style;
    if (dateStyleOf.contains(style))
        return dateStyleOf.value(style);
    if (styles.isNull())
        throw vb::Error(vb::SpreadsheetError, QStringLiteral("\"%1\" has no styles, so a date cannot be written.").arg(templateName));
    // A cell with no date format gets a copy of its style showing the day first,
    // as dates are shown here; its font, borders and fill stay.
    QDomElement root = styles.documentElement();
    QDomElement numFmts = child(root, QStringLiteral("numFmts"));
    const QString p = prefixOf(root);
    if (numFmts.isNull()) {
        numFmts = styles.createElement(p + QStringLiteral("numFmts"));
        root.insertBefore(numFmts, root.firstChildElement());
    }
    int id = 163;
    int found = 0;
    for (const QDomElement& f : children(numFmts, QStringLiteral("numFmt"))) {
        id = std::max(id, f.attribute(QStringLiteral("numFmtId")).toInt());
        if (f.attribute(QStringLiteral("formatCode")) == u"dd/mm/yyyy")
            found = f.attribute(QStringLiteral("numFmtId")).toInt();
    }
    if (!found) {
        found = id + 1;
        QDomElement f = styles.createElement(p + QStringLiteral("numFmt"));
        f.setAttribute(QStringLiteral("numFmtId"), found);
        f.setAttribute(QStringLiteral("formatCode"), QStringLiteral("dd/mm/yyyy"));
        numFmts.appendChild(f);
        numFmts.setAttribute(QStringLiteral("count"), children(numFmts, QStringLiteral("numFmt")).size());
    }
    QDomElement cellXfs = child(root, QStringLiteral("cellXfs"));
    const QList<QDomElement> xfs = children(cellXfs, QStringLiteral("xf"));
    QDomElement xf = style < xfs.size() ? xfs.at(style).cloneNode(true).toElement()
                                        : styles.createElement(p + QStringLiteral("xf"));
    xf.setAttribute(QStringLiteral("numFmtId"), found);
    xf.setAttribute(QStringLiteral("applyNumberFormat"), 1);
    cellXfs.appendChild(xf);
    cellXfs.setAttribute(QStringLiteral("count"), xfs.size() + 1);
    dateStyleOf.insert(style, xfs.size());
    stylesChanged = true;
    return xfs.size();
}

Workbook::Workbook() : d(std::make_unique<Impl>()) {}
Workbook::Workbook(Workbook&&) noexcept = default;
Workbook& Workbook::operator=(Workbook&&) noexcept = default;
Workbook::~Workbook() = default;

Workbook Workbook::open(const QString& name)
{
    Workbook wb;
    Impl& d = *wb.d;
    d.pkg = Package::load(templatePath(name), vb::SpreadsheetError);
    d.templateName = name;
    d.workbook = d.pkg.xml(kWorkbookPart);
    const QDomElement first = child(child(d.workbook.documentElement(), QStringLiteral("sheets")), QStringLiteral("sheet"));
    const QString id = attributeAnyPrefix(first, QStringLiteral("id"));
    d.sheetName = first.attribute(QStringLiteral("name"));
    for (const QDomElement& r : children(d.pkg.xml(kWorkbookRels).documentElement(), QStringLiteral("Relationship")))
        if (r.attribute(QStringLiteral("Id")) == id)
            d.sheetPart = partOfTarget(QStringLiteral("xl"), r.attribute(QStringLiteral("Target")));
    if (d.sheetPart.isEmpty())
        throw vb::Error(vb::SpreadsheetError, QStringLiteral("\"%1\" cannot be read: it has no worksheet.").arg(name));
    d.sheet = d.pkg.xml(d.sheetPart);
    d.sheetData = child(d.sheet.documentElement(), QStringLiteral("sheetData"));
    if (d.sheetData.isNull())
        throw vb::Error(vb::SpreadsheetError, QStringLiteral("\"%1\" cannot be read: its first sheet has no cells part.").arg(name));
    d.ns = prefixOf(d.sheetData);
    if (d.pkg.has(kStylesPart))
        d.styles = d.pkg.xml(kStylesPart);
    d.loadSharedStrings();
    d.indexRows();
    return wb;
}

QString Workbook::templateName() const { return d->templateName; }
void Workbook::setSubject(const QString& what) { d->subject = what; }

void Workbook::setValue(int row, int col, const QVariant& v)
{
    if (row < 1 || row > kMaxRow || col < 1 || col > kMaxCol)
        throw vb::Error(vb::SpreadsheetError, QStringLiteral("There is no cell at row %1, column %2.").arg(row).arg(col));
    QDomElement c = d->cell(row, col, true);
    for (QDomElement e = c.firstChildElement(); !e.isNull();) {
        QDomElement next = e.nextSiblingElement();
        if (localName(e) != u"extLst")
            c.removeChild(e);
        e = next;
    }
    c.removeAttribute(QStringLiteral("t"));
    auto add = [&](const QString& tag, const QString& text) {
        QDomElement e = d->el(tag);
        e.appendChild(d->sheet.createTextNode(text));
        c.insertBefore(e, c.firstChildElement());
        return e;
    };
    // A blank read from the database comes typed (a null amount, a null
    // text): it empties the cell as a bare null does, never a 0 or "".
    if (v.isNull())
        return;
    switch (v.typeId()) {
    case QMetaType::UnknownType:
    case QMetaType::Nullptr:
        return;
    case QMetaType::QDate:
    case QMetaType::QDateTime: {
        const QDate date = v.toDate();
        if (!date.isValid())
            return;
        add(QStringLiteral("v"), QString::number(kEpoch.daysTo(date)));
        c.setAttribute(QStringLiteral("s"), d->dateStyle(c.attribute(QStringLiteral("s")).toInt()));
        return;
    }
    case QMetaType::Bool:
        c.setAttribute(QStringLiteral("t"), QStringLiteral("b"));
        add(QStringLiteral("v"), v.toBool() ? QStringLiteral("1") : QStringLiteral("0"));
        return;
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
        add(QStringLiteral("v"), v.toString());
        return;
    case QMetaType::Double:
    case QMetaType::Float: {
        const double x = v.toDouble();
        if (!std::isfinite(x))
            throw vb::Error(vb::SpreadsheetError, QStringLiteral("Cell %1 cannot hold %2.").arg(cellName(row, col), v.toString()));
        add(QStringLiteral("v"), QString::number(x, 'g', QLocale::FloatingPointShortest));
        return;
    }
    default: {
        // Text goes in as it stands: never read as a number or a date.
        c.setAttribute(QStringLiteral("t"), QStringLiteral("inlineStr"));
        QDomElement is = add(QStringLiteral("is"), QString());
        is.removeChild(is.firstChild());
        QDomElement t = d->el(QStringLiteral("t"));
        t.setAttribute(QStringLiteral("xml:space"), QStringLiteral("preserve"));
        t.appendChild(d->sheet.createTextNode(xmlSafe(v.toString())));
        is.appendChild(t);
        return;
    }
    }
}

bool Workbook::formulaTakesIn(int row, int col, int refRow, int refCol) const
{
    const QDomElement c = d->cell(row, col, false);
    const QDomElement f = c.isNull() ? QDomElement() : child(c, QStringLiteral("f"));
    return !f.isNull() && formulaRefersTo(f.text(), d->sheetName, refRow, refCol);
}

QVariant Workbook::value(int row, int col) const
{
    const QDomElement c = d->cell(row, col, false);
    if (c.isNull() || !child(c, QStringLiteral("f")).isNull())
        return {};
    const QString t = c.attribute(QStringLiteral("t"), QStringLiteral("n"));
    if (t == u"inlineStr")
        return stringItemText(child(c, QStringLiteral("is")));
    const QDomElement v = child(c, QStringLiteral("v"));
    if (v.isNull())
        return {};
    if (t == u"s")
        return d->sharedStrings.value(v.text().toInt());
    if (t == u"str")
        return v.text();
    if (t == u"b")
        return v.text() == u"1";
    if (t != u"n")
        return {};
    const double x = v.text().toDouble();
    if (d->isDateStyle(c.attribute(QStringLiteral("s")).toInt()))
        return kEpoch.addDays(qint64(std::floor(x)));
    return x;
}

void Workbook::insertRows(int before, int n)
{
    if (n <= 0)
        return;
    Impl& w = *d;
    const int last = w.rows.empty() ? 0 : w.rows.rbegin()->first;
    if (before < 1 || before > kMaxRow || std::max(last, before) + n > kMaxRow)
        throw vb::Error(vb::SpreadsheetError, QStringLiteral("%1 rows cannot be inserted at row %2: the sheet would overflow.").arg(n).arg(before));

    std::map<int, QDomElement> moved;
    for (auto& [r, rowEl] : w.rows) {
        const int to = r >= before ? r + n : r;
        if (to != r) {
            rowEl.setAttribute(QStringLiteral("r"), to);
            for (QDomElement c : children(rowEl, QStringLiteral("c"))) {
                int rr = 0, cc = 0;
                parseCell(c.attribute(QStringLiteral("r")), rr, cc);
                c.setAttribute(QStringLiteral("r"), cellName(to, cc));
            }
        }
        moved[to] = rowEl;
    }
    w.rows = std::move(moved);

    // The new rows look like the row they push down: its height and format,
    // and each of its cells' styles, with nothing in them.
    const QDomElement model = w.row(before + n, false);
    for (int i = 0; i < n; ++i) {
        const int r = before + i;
        if (model.isNull())
            break;   // nothing to copy, and an empty row is no row
        QDomElement rowEl = model.cloneNode(false).toElement();
        rowEl.setAttribute(QStringLiteral("r"), r);
        for (const QDomElement& mc : children(model, QStringLiteral("c"))) {
            int rr = 0, cc = 0;
            parseCell(mc.attribute(QStringLiteral("r")), rr, cc);
            QDomElement c = w.el(QStringLiteral("c"));
            c.setAttribute(QStringLiteral("r"), cellName(r, cc));
            if (mc.hasAttribute(QStringLiteral("s")))
                c.setAttribute(QStringLiteral("s"), mc.attribute(QStringLiteral("s")));
            rowEl.appendChild(c);
        }
        w.sheetData.insertBefore(rowEl, model);
        w.rows[r] = rowEl;
    }

    const QDomElement root = w.sheet.documentElement();
    walk(root, [&](QDomElement& e) {
        const QString name = localName(e);
        if (name == u"f") {
            if (e.hasAttribute(QStringLiteral("ref")))
                e.setAttribute(QStringLiteral("ref"), shiftRanges(e.attribute(QStringLiteral("ref")), before, n));
            if (!e.text().isEmpty()) {
                const QString shifted = shiftFormula(e.text(), w.sheetName, true, before, n);
                while (e.hasChildNodes())
                    e.removeChild(e.firstChild());
                e.appendChild(w.sheet.createTextNode(shifted));
            }
        } else if (name == u"mergeCell" || name == u"hyperlink") {
            e.setAttribute(QStringLiteral("ref"), shiftRanges(e.attribute(QStringLiteral("ref")), before, n));
        } else if (name == u"conditionalFormatting" || name == u"dataValidation") {
            e.setAttribute(QStringLiteral("sqref"), shiftRanges(e.attribute(QStringLiteral("sqref")), before, n));
        } else if (name == u"brk" && localName(e.parentNode().toElement()) == u"rowBreaks") {
            const int id = e.attribute(QStringLiteral("id")).toInt();
            if (id >= before)
                e.setAttribute(QStringLiteral("id"), id + n);
        }
        return true;
    });

    // References from elsewhere to this sheet move too: the print area and
    // other names, and other sheets' formulas.
    const QDomElement names = child(w.workbook.documentElement(), QStringLiteral("definedNames"));
    for (QDomElement name : children(names, QStringLiteral("definedName"))) {
        const QString shifted = shiftFormula(name.text(), w.sheetName, false, before, n);
        while (name.hasChildNodes())
            name.removeChild(name.firstChild());
        name.appendChild(w.workbook.createTextNode(shifted));
    }
    const QDomElement rels = w.pkg.xml(kWorkbookRels).documentElement();
    for (const QDomElement& r : children(rels, QStringLiteral("Relationship"))) {
        const QString part = partOfTarget(QStringLiteral("xl"), r.attribute(QStringLiteral("Target")));
        if (!r.attribute(QStringLiteral("Type")).endsWith(QStringLiteral("/worksheet")) || part == w.sheetPart || !w.pkg.has(part))
            continue;
        QDomDocument other = w.pkg.xml(part);
        walk(other.documentElement(), [&](QDomElement& e) {
            if (localName(e) == u"f" && !e.text().isEmpty()) {
                const QString shifted = shiftFormula(e.text(), w.sheetName, false, before, n);
                while (e.hasChildNodes())
                    e.removeChild(e.firstChild());
                e.appendChild(other.createTextNode(shifted));
            }
            return true;
        });
        w.pkg.setXml(part, other);
    }
}

void Workbook::Impl::prepareForSave()
{
    // Nothing here calculates, so a cached result may be stale: drop every one,
    // drop the order of calculation, and have the office suite compute afresh.
    const QDomElement rels = pkg.xml(kWorkbookRels).documentElement();
    for (const QDomElement& r : children(rels, QStringLiteral("Relationship"))) {
        const QString type = r.attribute(QStringLiteral("Type"));
        const QString part = partOfTarget(QStringLiteral("xl"), r.attribute(QStringLiteral("Target")));
        if (type.endsWith(QStringLiteral("/worksheet")) && part != sheetPart && pkg.has(part)) {
            QDomDocument other = pkg.xml(part);
            bool changed = false;
            walk(other.documentElement(), [&](QDomElement& e) {
                if (localName(e) == u"c" && !child(e, QStringLiteral("f")).isNull()) {
                    QDomElement v = child(e, QStringLiteral("v"));
                    if (!v.isNull()) {
                        e.removeChild(v);
                        e.removeAttribute(QStringLiteral("t"));
                        changed = true;
                    }
                }
                return true;
            });
            if (changed)
                pkg.setXml(part, other);
        }
    }
    QDomDocument relsDoc = pkg.xml(kWorkbookRels);
    for (QDomElement r : children(relsDoc.documentElement(), QStringLiteral("Relationship"))) {
        if (r.attribute(QStringLiteral("Type")).endsWith(QStringLiteral("/calcChain"))) {
            pkg.removePart(partOfTarget(QStringLiteral("xl"), r.attribute(QStringLiteral("Target"))));
            relsDoc.documentElement().removeChild(r);
        }
    }
    pkg.setXml(kWorkbookRels, relsDoc);
    pkg.removePart(QStringLiteral("xl/calcChain.xml"));
    if (pkg.has(QStringLiteral("[Content_Types].xml"))) {
        QDomDocument types = pkg.xml(QStringLiteral("[Content_Types].xml"));
        for (QDomElement o : children(types.documentElement(), QStringLiteral("Override")))
            if (o.attribute(QStringLiteral("PartName")).endsWith(QStringLiteral("/calcChain.xml")))
                types.documentElement().removeChild(o);
        pkg.setXml(QStringLiteral("[Content_Types].xml"), types);
    }

    for (auto& [r, rowEl] : rows) {
        for (QDomElement c : children(rowEl, QStringLiteral("c"))) {
            if (child(c, QStringLiteral("f")).isNull())
                continue;
            const QDomElement v = child(c, QStringLiteral("v"));
            if (!v.isNull())
                c.removeChild(v);
            c.removeAttribute(QStringLiteral("t"));
        }
    }

    QDomElement root = workbook.documentElement();
    QDomElement calcPr = child(root, QStringLiteral("calcPr"));
    if (calcPr.isNull()) {
        calcPr = workbook.createElement(prefixOf(root) + QStringLiteral("calcPr"));
        // calcPr follows the sheets and what may come after them, and precedes the rest.
        QDomElement after;
        for (const QString& name : {QStringLiteral("sheets"), QStringLiteral("functionGroups"),
                                    QStringLiteral("externalReferences"), QStringLiteral("definedNames")}) {
            const QDomElement e = child(root, name);
            if (!e.isNull())
                after = e;
        }
        if (after.isNull())
            root.appendChild(calcPr);
        else
            root.insertAfter(calcPr, after);
    }
    calcPr.setAttribute(QStringLiteral("fullCalcOnLoad"), 1);

    QDomElement dimension = child(sheet.documentElement(), QStringLiteral("dimension"));
    if (!dimension.isNull()) {
        int top = 0, bottom = 0, left = 0, right = 0;
        for (const auto& [r, rowEl] : rows) {
            for (const QDomElement& c : children(rowEl, QStringLiteral("c"))) {
                int rr = 0, cc = 0;
                parseCell(c.attribute(QStringLiteral("r")), rr, cc);
                top = top ? std::min(top, rr) : rr;
                bottom = std::max(bottom, rr);
                left = left ? std::min(left, cc) : cc;
                right = std::max(right, cc);
            }
        }
        dimension.setAttribute(QStringLiteral("ref"), top ? cellName(top, left) + QLatin1Char(':') + cellName(bottom, right)
                                                          : QStringLiteral("A1"));
    }
    pkg.setXml(sheetPart, sheet);
    pkg.setXml(kWorkbookPart, workbook);
    if (stylesChanged)
        pkg.setXml(kStylesPart, styles);
}

QString Workbook::save()
{
    return stage().publish();
}

StagedFile Workbook::stage()
{
    d->prepareForSave();
    return stageInOutput(d->pkg, d->templateName, d->subject);
}

QString Workbook::printOut(int from, int to)
{
    const QString path = save();
    printFile(path, from, to);
    return path;
}

QString Workbook::show()
{
    const QString path = save();
    showFile(path);
    return path;
}

} // namespace office
