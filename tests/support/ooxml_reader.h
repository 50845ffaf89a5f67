// Reads a saved workbook's cells and a saved document's bookmarks straight from the zip's XML.
#pragma once

#include <QDomDocument>
#include <QStringList>
#include <QVariant>
#include <functional>
#include <quazip/quazip.h>
#include <quazip/quazipfile.h>

namespace testsupport {

// One part of the package ("xl/worksheets/sheet1.xml"); empty when it has none.
inline QByteArray part(const QString& file, const QString& name)
{
    QuaZip zip(file);
    if (!zip.open(QuaZip::mdUnzip) || !zip.setCurrentFile(name))
        return {};
    QuaZipFile f(&zip);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace testsupport

namespace ooxml {

using testsupport::part;

inline QDomDocument dom(const QByteArray& xml)
{
    QDomDocument d;
    d.setContent(xml, true);
    return d;
}

// The text of every <t> under a node, in order.
inline QString textUnder(const QDomElement& e)
{
    QString s;
    const QDomNodeList ts = e.elementsByTagNameNS(e.namespaceURI(), QStringLiteral("t"));
    for (int i = 0; i < ts.size(); ++i)
        s += ts.at(i).toElement().text();
    return s;
}

// A cell of the first sheet ("G6"); null when the sheet has none.
inline QDomElement cellElement(const QString& xlsx, const QString& ref)
{
    QDomDocument sheet = dom(part(xlsx, QStringLiteral("xl/worksheets/sheet1.xml")));
    const QDomNodeList cells = sheet.elementsByTagNameNS(sheet.documentElement().namespaceURI(), QStringLiteral("c"));
    for (int i = 0; i < cells.size(); ++i)
        if (cells.at(i).toElement().attribute(QStringLiteral("r")) == ref)
            return cells.at(i).toElement();
    return {};
}

// The value of a cell of the first sheet: a double, a text, or null when the
// cell is absent or empty.
inline QVariant cell(const QString& xlsx, const QString& ref)
{
    const QDomElement c = cellElement(xlsx, ref);
    const QString type = c.attribute(QStringLiteral("t"));
    const QDomElement v = c.firstChildElement(QStringLiteral("v"));
    if (type == QLatin1String("inlineStr"))
        return textUnder(c.firstChildElement(QStringLiteral("is")));
    if (v.isNull())
        return {};
    if (type == QLatin1String("s")) {
        QDomDocument sst = dom(part(xlsx, QStringLiteral("xl/sharedStrings.xml")));
        return textUnder(sst.elementsByTagNameNS(c.namespaceURI(), QStringLiteral("si")).at(v.text().toInt()).toElement());
    }
    return type == QLatin1String("str") ? QVariant(v.text()) : QVariant(v.text().toDouble());
}

// The formula of a cell of the first sheet ("D27"); empty when it has none.
inline QString formula(const QString& xlsx, const QString& ref)
{
    return cellElement(xlsx, ref).firstChildElement(QStringLiteral("f")).text();
}

// The number format of a cell of the first sheet ("0.00"), "General" for
// none; a built-in format other than these two reads as "builtin <id>".
inline QString numberFormat(const QString& xlsx, const QString& ref)
{
    QDomDocument styles = dom(part(xlsx, QStringLiteral("xl/styles.xml")));
    const QString ns = styles.documentElement().namespaceURI();
    const QDomElement xfs = styles.elementsByTagNameNS(ns, QStringLiteral("cellXfs")).at(0).toElement();
    const int s = cellElement(xlsx, ref).attribute(QStringLiteral("s"), QStringLiteral("0")).toInt();
    const QString id = xfs.elementsByTagNameNS(ns, QStringLiteral("xf")).at(s).toElement().attribute(QStringLiteral("numFmtId"), QStringLiteral("0"));
    const QDomNodeList custom = styles.elementsByTagNameNS(ns, QStringLiteral("numFmt"));
    for (int i = 0; i < custom.size(); ++i)
        if (custom.at(i).toElement().attribute(QStringLiteral("numFmtId")) == id)
            return custom.at(i).toElement().attribute(QStringLiteral("formatCode"));
    return id == QLatin1String("0") ? QStringLiteral("General")
         : id == QLatin1String("2") ? QStringLiteral("0.00")
                                    : QStringLiteral("builtin ") + id;
}

// The text between a bookmark's start and end in word/document.xml; a null
// QString when the document has no such bookmark.
inline QString bookmark(const QString& docx, const QString& name)
{
    QDomDocument doc = dom(part(docx, QStringLiteral("word/document.xml")));
    QString id, text;
    // Walks the body in document order until the bookmark's end.
    std::function<bool(const QDomElement&)> walk = [&](const QDomElement& e) {
        const QString ns = e.namespaceURI();
        if (e.localName() == QLatin1String("bookmarkStart") && e.attributeNS(ns, "name") == name) {
            id = e.attributeNS(ns, "id");
            text = QLatin1String("");
        } else if (e.localName() == QLatin1String("bookmarkEnd") && !id.isNull() && e.attributeNS(ns, "id") == id)
            return true;
        else if (!id.isNull() && e.localName() == QLatin1String("t"))
            text += e.text();
        for (QDomElement c = e.firstChildElement(); !c.isNull(); c = c.nextSiblingElement())
            if (walk(c))
                return true;
        return false;
    };
    return walk(doc.documentElement()) ? text : QString();
}

// Rows of a document's tables, in document order: each row's cell texts.
inline QList<QStringList> tableRows(const QString& docx)
{
    const QString w = QStringLiteral("http://schemas.openxmlformats.org/wordprocessingml/2006/main");
    const QDomNodeList rows = dom(part(docx, QStringLiteral("word/document.xml"))).elementsByTagNameNS(w, "tr");
    QList<QStringList> out;
    for (int r = 0; r < rows.size(); ++r) {
        out << QStringList();
        const QDomNodeList cells = rows.at(r).toElement().elementsByTagNameNS(w, "tc");
        for (int c = 0; c < cells.size(); ++c)
            out.last() << textUnder(cells.at(c).toElement());
    }
    return out;
}

} // namespace ooxml
