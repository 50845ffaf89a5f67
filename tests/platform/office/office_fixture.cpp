#include "office_fixture.h"

#include "platform/data/database.h"

#include <QDir>
#include <QFile>

#include <quazip/quazip.h>
#include <quazip/quazipfile.h>
#include <quazip/quazipnewinfo.h>

namespace officetest {

Folder::Folder() { data::setDataFolder(mDir.path()); }

void Folder::put(const QString& name, const QMap<QString, QByteArray>& parts) const
{
    QuaZip zip(QDir(mDir.path()).filePath(name));
    zip.open(QuaZip::mdCreate);
    for (auto it = parts.begin(); it != parts.end(); ++it) {
        QuaZipFile f(&zip);
        f.open(QIODevice::WriteOnly, QuaZipNewInfo(it.key()));
        f.write(it.value());
        f.close();
    }
    zip.close();
}

QByteArray Folder::bytes(const QString& name) const
{
    QFile f(QDir(mDir.path()).filePath(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QStringList partNames(const QString& file)
{
    QuaZip zip(file);
    zip.open(QuaZip::mdUnzip);
    return zip.getFileNameList();
}

namespace {

const QByteArray kXml = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n";
const QByteArray kMain = "http://schemas.openxmlformats.org/spreadsheetml/2006/main";
const QByteArray kRel = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";

// The content types of the given parts, as "/part|type" pairs.
QByteArray contentTypes(const QList<QByteArray>& overrides)
{
    QByteArray xml = kXml + "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
        "<Default Extension=\"rels\" ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
        "<Default Extension=\"xml\" ContentType=\"application/xml\"/>";
    for (const QByteArray& o : overrides)
        xml += "<Override PartName=\"" + o.split('|')[0] + "\" ContentType=\"application/vnd.openxmlformats-officedocument."
            + o.split('|')[1] + "+xml\"/>";
    return xml + "</Types>";
}

// Relationships rId1, rId2, ... as "type|target" pairs.
QByteArray relationships(const QList<QByteArray>& rels)
{
    QByteArray xml = kXml + "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">";
    for (int i = 0; i < rels.size(); ++i)
        xml += "<Relationship Id=\"rId" + QByteArray::number(i + 1) + "\" Type=\"" + kRel + "/" + rels[i].split('|')[0]
            + "\" Target=\"" + rels[i].split('|')[1] + "\"/>";
    return xml + "</Relationships>";
}

} // namespace

QMap<QString, QByteArray> workbookParts(const QByteArray& sheet1, const QByteArray& workbookExtra,
                                        const QByteArray& sheet2)
{
    QMap<QString, QByteArray> parts;
    const QByteArray sml = "spreadsheetml.";
    parts["[Content_Types].xml"] = contentTypes({"/xl/workbook.xml|" + sml + "sheet.main",
        "/xl/worksheets/sheet1.xml|" + sml + "worksheet", "/xl/worksheets/sheet2.xml|" + sml + "worksheet",
        "/xl/styles.xml|" + sml + "styles", "/xl/sharedStrings.xml|" + sml + "sharedStrings",
        "/xl/calcChain.xml|" + sml + "calcChain"});
    parts["_rels/.rels"] = relationships({"officeDocument|xl/workbook.xml"});
    parts["xl/_rels/workbook.xml.rels"] = relationships({"worksheet|worksheets/sheet1.xml",
        "worksheet|worksheets/sheet2.xml", "styles|styles.xml", "sharedStrings|sharedStrings.xml",
        "calcChain|calcChain.xml"});
    parts["xl/workbook.xml"] = kXml + "<workbook xmlns=\"" + kMain + "\" xmlns:r=\"" + kRel + "\">"
        "<sheets><sheet name=\"Sheet1\" sheetId=\"1\" r:id=\"rId1\"/><sheet name=\"Sheet2\" sheetId=\"2\" r:id=\"rId2\"/></sheets>"
        + workbookExtra + "</workbook>";
    // Styles: 0 general, 1 "0.00", 2 a built-in date, 3 a bold font, 4 a custom day-first date.
    parts["xl/styles.xml"] = kXml + "<styleSheet xmlns=\"" + kMain + "\">"
        "<numFmts count=\"1\"><numFmt numFmtId=\"164\" formatCode=\"dd\\-mmm\\-yy\"/></numFmts>"
        "<fonts count=\"2\"><font><sz val=\"11\"/></font><font><b/><sz val=\"11\"/></font></fonts>"
        "<fills count=\"1\"><fill><patternFill patternType=\"none\"/></fill></fills>"
        "<borders count=\"1\"><border/></borders>"
        "<cellXfs count=\"5\"><xf numFmtId=\"0\" fontId=\"0\"/><xf numFmtId=\"2\" fontId=\"0\" applyNumberFormat=\"1\"/>"
        "<xf numFmtId=\"14\" fontId=\"0\" applyNumberFormat=\"1\"/><xf numFmtId=\"0\" fontId=\"1\" applyFont=\"1\"/>"
        "<xf numFmtId=\"164\" fontId=\"0\" applyNumberFormat=\"1\"/></cellXfs></styleSheet>";
    parts["xl/sharedStrings.xml"] = kXml + "<sst xmlns=\"" + kMain + "\" count=\"2\" uniqueCount=\"2\">"
        "<si><t>Name</t></si><si><r><t>Basic </t></r><r><rPr><b/></rPr><t>pay</t></r></si></sst>";
    parts["xl/calcChain.xml"] = kXml + "<calcChain xmlns=\"" + kMain + "\"><c r=\"A1\" i=\"1\"/></calcChain>";
    parts["xl/worksheets/sheet1.xml"] = kXml + "<worksheet xmlns=\"" + kMain + "\" xmlns:r=\"" + kRel + "\">"
        "<dimension ref=\"A1\"/><sheetData>" + sheet1 + "</worksheet>";
    parts["xl/worksheets/sheet2.xml"] = kXml + "<worksheet xmlns=\"" + kMain + "\"><sheetData>" + sheet2
        + "</sheetData></worksheet>";
    return parts;
}

QMap<QString, QByteArray> documentParts(const QByteArray& body)
{
    return {{"[Content_Types].xml", contentTypes({"/word/document.xml|wordprocessingml.document.main"})},
            {"_rels/.rels", relationships({"officeDocument|word/document.xml"})},
            {"word/document.xml", kXml + "<w:document xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\">"
                "<w:body>" + body + "<w:sectPr><w:pgSz w:w=\"11906\" w:h=\"16838\"/>"
                "<w:pgMar w:top=\"1134\" w:right=\"1134\" w:bottom=\"1134\" w:left=\"1134\"/></w:sectPr></w:body></w:document>"}};
}

} // namespace officetest
