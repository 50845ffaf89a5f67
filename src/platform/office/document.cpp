#include "platform/office/document.h"

#include "platform/office/desktop.h"
#include "platform/office/package.h"
#include "platform/office/xml_util.h"
#include "platform/vb/error.h"

#include <QDomDocument>
#include <QRegularExpression>
#include <QVector>

namespace office {

namespace {

constexpr int kTextWidth = 9638;     // twips between the margins of A4 with 2 cm margins
constexpr int kCharWidth = 120;      // twips of an average character at 11 points
constexpr int kCellPadding = 216;    // twips of a cell's left and right margins
constexpr int kMinColumn = 400;

QString w(const char* local) { return QStringLiteral("w:") + QLatin1String(local); }

// Fills a run with text: line breaks and tabs become their own elements.
void fillRun(QDomDocument& doc, QDomElement& run, const QString& text)
{
    QString plain = xmlSafe(text);
    plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QString pending;
    auto flush = [&] {
        if (pending.isEmpty())
            return;
        QDomElement t = doc.createElement(w("t"));
        t.setAttribute(QStringLiteral("xml:space"), QStringLiteral("preserve"));
        t.appendChild(doc.createTextNode(pending));
        run.appendChild(t);
        pending.clear();
    };
    for (QChar c : plain) {
        if (c == u'\n' || c == u'\t') {
            flush();
            run.appendChild(doc.createElement(c == u'\n' ? w("br") : w("tab")));
        } else {
            pending += c;
        }
    }
    flush();
}

QDomElement ancestor(QDomElement e, const QString& local)
{
    for (; !e.isNull(); e = e.parentNode().toElement())
        if (localName(e) == local)
            return e;
    return {};
}

// The paragraph that follows `e` in document order.
QDomElement nextParagraph(const QDomElement& root, const QDomElement& e)
{
    bool passed = false;
    QDomElement found;
    walk(root, [&](QDomElement& x) {
        if (x == e)
            passed = true;
        else if (passed && localName(x) == u"p")
            found = x;
        return found.isNull();
    });
    return found;
}

bool hasText(const QDomElement& paragraph)
{
    bool text = false;
    walk(paragraph, [&](QDomElement& x) {
        text = localName(x) == u"t" && !x.text().isEmpty();
        return !text;
    });
    return text;
}

} // namespace

struct Document::Impl {
    struct TableData {
        QDomElement tbl;
        int rows = 0;
        int cols = 0;
        bool fit = true;
        QVector<QString> texts;
    };

    Package pkg;
    QString templateName;
    QString subject;
    QString mainPart;
    QDomDocument doc;
    QDomElement body;
    QVector<TableData> tables;

    QDomElement bookmarkStart(const QString& name) const
    {
        QDomElement found;
        walk(body, [&](QDomElement& e) {
            if (localName(e) == u"bookmarkStart" && e.attribute(w("name")) == name)
                found = e;
            return found.isNull();
        });
        if (found.isNull())
            throw vb::Error(vb::InvalidProcedureCall,
                            QStringLiteral("The bookmark \"%1\" is not in the template \"%2\".").arg(name, templateName));
        return found;
    }

    // The run format of the paragraph a bookmark stands in: its first run's,
    // or in a paragraph with no run, its mark's.
    QDomElement runFormatNear(const QDomElement& start) const
    {
        QDomElement p = ancestor(start, QStringLiteral("p"));
        if (p.isNull())
            p = nextParagraph(body, start);
        QDomElement format;
        bool run = false;
        walk(p, [&](QDomElement& e) {
            run = localName(e) == u"r";
            if (run)
                format = child(e, QStringLiteral("rPr"));
            return !run;
        });
        if (!run)
            format = child(child(p, QStringLiteral("pPr")), QStringLiteral("rPr"));
        return format;
    }

    void layOut(TableData& t);
    int textWidth() const;
};

int Document::Impl::textWidth() const
{
    const QDomElement sect = child(body, QStringLiteral("sectPr"));
    const int page = child(sect, QStringLiteral("pgSz")).attribute(w("w")).toInt();
    const QDomElement margins = child(sect, QStringLiteral("pgMar"));
    const int width = page - margins.attribute(w("left")).toInt() - margins.attribute(w("right")).toInt();
    return page > 0 && width > 0 ? width : kTextWidth;
}

void Document::Impl::layOut(TableData& t)
{
    const int total = textWidth();
    QVector<int> widths(t.cols, total / t.cols);
    if (t.fit) {
        int sum = 0;
        for (int c = 0; c < t.cols; ++c) {
            qsizetype longest = 0;
            for (int r = 0; r < t.rows; ++r)
                for (const QString& line : t.texts[r * t.cols + c].split(QLatin1Char('\n')))
                    longest = std::max(longest, line.size());
            widths[c] = std::max<int>(kMinColumn, int(longest) * kCharWidth + kCellPadding);
            sum += widths[c];
        }
        // Wider than the page: every column gives up its share.
        if (sum > total)
            for (int& wd : widths)
                wd = std::max(kMinColumn, int(qint64(wd) * total / sum));
    }
    QDomElement tblPr = child(t.tbl, QStringLiteral("tblPr"));
    int sum = 0;
    for (int wd : widths)
        sum += wd;
    child(tblPr, QStringLiteral("tblW")).setAttribute(w("w"), sum);
    QList<QDomElement> cols = children(child(t.tbl, QStringLiteral("tblGrid")), QStringLiteral("gridCol"));
    for (int c = 0; c < t.cols; ++c)
        cols[c].setAttribute(w("w"), widths[c]);
    for (const QDomElement& tr : children(t.tbl, QStringLiteral("tr"))) {
        QList<QDomElement> cells = children(tr, QStringLiteral("tc"));
        for (int c = 0; c < t.cols; ++c)
            child(child(cells[c], QStringLiteral("tcPr")), QStringLiteral("tcW")).setAttribute(w("w"), widths[c]);
    }
}

Document::Document() : d(std::make_unique<Impl>()) {}
Document::Document(Document&&) noexcept = default;
Document& Document::operator=(Document&&) noexcept = default;
Document::~Document() = default;

Document Document::open(const QString& name)
{
    Document doc;
    Impl& d = *doc.d;
    d.pkg = Package::load(templatePath(name), vb::InvalidProcedureCall);
    d.templateName = name;
    d.mainPart = QStringLiteral("word/document.xml");
    if (d.pkg.has(QStringLiteral("_rels/.rels"))) {
        for (const QDomElement& r : children(d.pkg.xml(QStringLiteral("_rels/.rels")).documentElement(), QStringLiteral("Relationship")))
            if (r.attribute(QStringLiteral("Type")).endsWith(QStringLiteral("/officeDocument")))
                d.mainPart = r.attribute(QStringLiteral("Target")).remove(QRegularExpression(QStringLiteral("^/")));
    }
    d.doc = d.pkg.xml(d.mainPart);
    d.body = child(d.doc.documentElement(), QStringLiteral("body"));
    if (d.body.isNull())
        throw vb::Error(vb::InvalidProcedureCall, QStringLiteral("\"%1\" cannot be read: it has no body.").arg(name));
    return doc;
}

QString Document::templateName() const { return d->templateName; }
void Document::setSubject(const QString& what) { d->subject = what; }

Bookmark Document::bookmark(const QString& name)
{
    d->bookmarkStart(name);
    return Bookmark(this, name);
}

void Bookmark::setText(const QString& text)
{
    Document::Impl& d = *mDoc->d;
    const QDomElement start = d.bookmarkStart(mName);
    const QString id = start.attribute(QStringLiteral("w:id"));

    QList<QDomElement> runs;
    bool inside = false;
    walk(d.body, [&](QDomElement& e) {
        if (e == start) {
            inside = true;
        } else if (localName(e) == u"bookmarkEnd" && e.attribute(QStringLiteral("w:id")) == id) {
            return false;
        } else if (inside && localName(e) == u"r" && ancestor(e.parentNode().toElement(), QStringLiteral("r")).isNull()) {
            runs.append(e);
        }
        return true;
    });

    const QDomElement format = runs.isEmpty() ? d.runFormatNear(start) : child(runs.first(), QStringLiteral("rPr"));
    QDomElement run = d.doc.createElement(w("r"));
    if (!format.isNull())
        run.appendChild(format.cloneNode(true));
    fillRun(d.doc, run, text);

    for (QDomElement& r : runs)
        r.parentNode().removeChild(r);
    if (!ancestor(start, QStringLiteral("p")).isNull()) {
        start.parentNode().insertAfter(run, start);
    } else {
        // A bookmark between paragraphs: the text opens the next one.
        QDomElement p = nextParagraph(d.body, start);
        if (p.isNull()) {
            p = d.doc.createElement(w("p"));
            d.body.insertAfter(p, start);
        }
        const QDomElement pPr = child(p, QStringLiteral("pPr"));
        if (pPr.isNull())
            p.insertBefore(run, p.firstChild());
        else
            p.insertAfter(run, pPr);
    }
}

Table Document::addTable(const QString& bookmark, int rows, int cols, bool fitColumns)
{
    if (rows < 1 || cols < 1 || rows > 32767 || cols > 63)
        throw vb::Error(vb::InvalidProcedureCall, QStringLiteral("A table of %1 rows and %2 columns cannot be made.").arg(rows).arg(cols));
    Impl& im = *d;
    const QDomElement start = im.bookmarkStart(bookmark);
    QDomElement p = ancestor(start, QStringLiteral("p"));
    if (p.isNull())
        p = nextParagraph(im.body, start);
    const QDomElement format = im.runFormatNear(start);

    QDomDocument& doc = im.doc;
    QDomElement tbl = doc.createElement(w("tbl"));
    QDomElement tblPr = doc.createElement(w("tblPr"));
    QDomElement tblW = doc.createElement(w("tblW"));
    tblW.setAttribute(w("type"), QStringLiteral("dxa"));
    tblPr.appendChild(tblW);
    QDomElement borders = doc.createElement(w("tblBorders"));
    for (const char* side : {"top", "left", "bottom", "right", "insideH", "insideV"}) {
        QDomElement b = doc.createElement(w(side));
        b.setAttribute(w("val"), QStringLiteral("single"));
        b.setAttribute(w("sz"), 4);
        b.setAttribute(w("space"), 0);
        b.setAttribute(w("color"), QStringLiteral("000000"));
        borders.appendChild(b);
    }
    tblPr.appendChild(borders);
    QDomElement layout = doc.createElement(w("tblLayout"));
    layout.setAttribute(w("type"), QStringLiteral("fixed"));
    tblPr.appendChild(layout);
    tbl.appendChild(tblPr);
    QDomElement grid = doc.createElement(w("tblGrid"));
    for (int c = 0; c < cols; ++c)
        grid.appendChild(doc.createElement(w("gridCol")));
    tbl.appendChild(grid);
    for (int r = 0; r < rows; ++r) {
        QDomElement tr = doc.createElement(w("tr"));
        for (int c = 0; c < cols; ++c) {
            QDomElement tc = doc.createElement(w("tc"));
            QDomElement tcPr = doc.createElement(w("tcPr"));
            QDomElement tcW = doc.createElement(w("tcW"));
            tcW.setAttribute(w("type"), QStringLiteral("dxa"));
            tcPr.appendChild(tcW);
            tc.appendChild(tcPr);
            QDomElement cp = doc.createElement(w("p"));
            QDomElement run = doc.createElement(w("r"));
            if (!format.isNull())
                run.appendChild(format.cloneNode(true));
            cp.appendChild(run);
            tc.appendChild(cp);
            tr.appendChild(tc);
        }
        tbl.appendChild(tr);
    }
    // The table takes the place of an empty paragraph (which then follows it,
    // as a table needs) and comes after one that holds text.
    if (p.isNull())
        im.body.insertBefore(tbl, child(im.body, QStringLiteral("sectPr")));
    else if (hasText(p))
        p.parentNode().insertAfter(tbl, p);
    else
        p.parentNode().insertBefore(tbl, p);

    Impl::TableData data{tbl, rows, cols, fitColumns, QVector<QString>(rows * cols)};
    im.layOut(data);
    im.tables.append(data);
    return Table(this, int(im.tables.size()) - 1);
}

void Table::setCell(int row, int col, const QString& text)
{
    Document::Impl& d = *mDoc->d;
    Document::Impl::TableData& t = d.tables[mIndex];
    if (row < 1 || row > t.rows || col < 1 || col > t.cols)
        throw vb::Error(vb::InvalidProcedureCall,
                        QStringLiteral("The table has no cell at row %1, column %2.").arg(row).arg(col));
    QDomElement tc = children(children(t.tbl, QStringLiteral("tr")).at(row - 1), QStringLiteral("tc")).at(col - 1);
    QDomElement run = child(child(tc, QStringLiteral("p")), QStringLiteral("r"));
    for (QDomElement e = run.firstChildElement(); !e.isNull();) {
        QDomElement next = e.nextSiblingElement();
        if (localName(e) != u"rPr")
            run.removeChild(e);
        e = next;
    }
    fillRun(d.doc, run, text);
    t.texts[(row - 1) * t.cols + (col - 1)] = xmlSafe(text);
    if (t.fit)
        d.layOut(t);
}

int Table::rows() const { return mDoc->d->tables[mIndex].rows; }
int Table::columns() const { return mDoc->d->tables[mIndex].cols; }

QString Document::save()
{
    d->pkg.setXml(d->mainPart, d->doc);
    return saveToOutput(d->pkg, d->templateName, d->subject);
}

QString Document::show()
{
    const QString path = save();
    showFile(path);
    return path;
}

QString Document::printOut(int from, int to)
{
    const QString path = save();
    printFile(path, from, to);
    return path;
}

} // namespace office
