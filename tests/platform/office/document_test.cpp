#include "office_fixture.h"

#include "platform/office/document.h"

#include <QDomDocument>
#include <gtest/gtest.h>

using office::Document;
using namespace officetest;

namespace {

// A letter: a bold name in two runs between the bookmark's ends, a plain
// word after it, an empty paragraph holding a table's bookmark.
const QByteArray kLetter =
    "<w:p><w:r><w:t xml:space=\"preserve\">To </w:t></w:r>"
    "<w:bookmarkStart w:id=\"0\" w:name=\"name\"/>"
    "<w:r><w:rPr><w:b/><w:sz w:val=\"28\"/></w:rPr><w:t>NAME</w:t></w:r>"
    "<w:proofErr w:type=\"spellStart\"/><w:r><w:rPr><w:i/></w:rPr><w:t>HERE</w:t></w:r>"
    "<w:bookmarkEnd w:id=\"0\"/>"
    "<w:r><w:t xml:space=\"preserve\"> </w:t></w:r><w:r><w:t>Sir,</w:t></w:r></w:p>"
    "<w:p><w:bookmarkStart w:id=\"1\" w:name=\"empty\"/><w:bookmarkEnd w:id=\"1\"/>"
    "<w:r><w:rPr><w:u w:val=\"single\"/></w:rPr><w:t>after</w:t></w:r></w:p>"
    "<w:p><w:r><w:t>Heading</w:t></w:r></w:p>"
    "<w:p><w:pPr><w:rPr><w:sz w:val=\"20\"/></w:rPr></w:pPr><w:bookmarkStart w:id=\"2\" w:name=\"table\"/><w:bookmarkEnd w:id=\"2\"/></w:p>";

// Every `tag` under `e`: its `attr`, or its text when no attribute is named.
QStringList all(const QDomElement& e, const QString& tag, const QString& attr = {})
{
    QStringList list;
    const QDomNodeList ts = e.elementsByTagName(tag);
    for (int i = 0; i < ts.size(); ++i)
        list.append(attr.isEmpty() ? ts.at(i).toElement().text() : ts.at(i).toElement().attribute(attr));
    return list;
}

} // namespace

TEST(Document, ABookmarksRunsBecomeOneRunInTheFirstRunsFormatWithItsTextEscaped)
{
    Folder folder;
    folder.put("anx.docx", documentParts(kLetter));
    const QByteArray before = folder.bytes("anx.docx");
    Document doc = Document::open("anx.docx");
    doc.bookmark("name").setText("Shri A & B <Rao>\x01\x0c\nDelhi");
    doc.bookmark("empty").setText("12");
    const QByteArray raw = part(doc.save(), "word/document.xml");
    QDomDocument xml;
    xml.setContent(raw);
    EXPECT_EQ(folder.bytes("anx.docx"), before);

    const QDomElement first = xml.elementsByTagName("w:p").at(0).toElement();
    EXPECT_EQ(all(first, "w:t"), QStringList({"To ", "Shri A & B <Rao>", "Delhi", "", "Sir,"}));
    // The blank run after the bookmark survives a load and a save.
    EXPECT_TRUE(raw.contains("<w:t xml:space=\"preserve\"> </w:t></w:r><w:r><w:t>Sir,"));
    const QDomNodeList runs = first.elementsByTagName("w:r");
    ASSERT_EQ(runs.size(), 4);
    const QDomElement run = runs.at(1).toElement();
    QStringList format;
    for (QDomElement e = run.firstChildElement("w:rPr").firstChildElement(); !e.isNull(); e = e.nextSiblingElement())
        format << e.tagName() + e.attribute("w:val");
    EXPECT_EQ(QStringList({run.previousSiblingElement().tagName(), run.nextSiblingElement().tagName()}) + format
                  + QStringList{QString::number(run.elementsByTagName("w:br").size())},
              QStringList({"w:bookmarkStart", "w:proofErr", "w:b", "w:sz28", "1"}));

    // An empty bookmark takes the format of its paragraph's first run.
    const QDomElement second = xml.elementsByTagName("w:p").at(1).toElement();
    EXPECT_EQ(all(second, "w:t") + all(second, "w:u", "w:val"), QStringList({"12", "after", "single", "single"}));

    // A missing bookmark is named with its template.
    const vb::Error e = errorOf([&] { doc.bookmark("total").setText("1"); });
    EXPECT_EQ(QString::number(e.number) + " " + e.description, "5 The bookmark \"total\" is not in the template \"anx.docx\".");
}

TEST(Document, ATableAtABookmarkHasItsTextAllBordersAndColumnsFittedToTheText)
{
    Folder folder;
    folder.put("anx.docx", documentParts(kLetter));
    Document doc = Document::open("anx.docx");
    office::Table fitted = doc.addTable("table", 2, 3);
    for (auto [row, column, text] : {std::tuple{1, 1, "Sl"}, {1, 2, "Name of the employee"}, {2, 3, "1,250 & 7"}})
        fitted.setCell(row, column, text);
    office::Table even = doc.addTable("name", 1, 2, false);
    EXPECT_THROW(even.setCell(2, 1, "x"), vb::Error);
    QDomDocument xml;
    xml.setContent(part(doc.save(), "word/document.xml"));

    const QDomElement body = xml.documentElement().firstChildElement("w:body");
    QStringList order;
    for (QDomElement e = body.firstChildElement(); !e.isNull(); e = e.nextSiblingElement())
        order.append(e.tagName());
    // A paragraph with text keeps it above its table; an empty one follows its table.
    EXPECT_EQ(order, QStringList({"w:p", "w:tbl", "w:p", "w:p", "w:tbl", "w:p", "w:sectPr"}));

    const QDomElement tbl = body.elementsByTagName("w:tbl").at(1).toElement();
    EXPECT_EQ(all(tbl, "w:t"), QStringList({"Sl", "Name of the employee", "1,250 & 7"}));
    EXPECT_EQ(QList<int>({tbl.elementsByTagName("w:tr").size(), tbl.elementsByTagName("w:tc").size()}), QList<int>({2, 6}));
    QStringList sides;
    const QDomNodeList borders = tbl.firstChildElement("w:tblPr").firstChildElement("w:tblBorders").childNodes();
    for (int i = 0; i < borders.size(); ++i)
        if (borders.at(i).toElement().attribute("w:val") == "single")
            sides.append(borders.at(i).toElement().tagName());
    EXPECT_EQ(sides, QStringList({"w:top", "w:left", "w:bottom", "w:right", "w:insideH", "w:insideV"}));
    // Cell text in the format of the paragraph's run.
    EXPECT_EQ(all(tbl, "w:sz", "w:val").value(0), "20");
    // Two characters, twenty, nine: each column as wide as its longest text. Not
    // fitted: the width between the margins shared evenly (11906 - 2 x 1134).
    EXPECT_EQ(all(tbl, "w:gridCol", "w:w") + all(body.elementsByTagName("w:tbl").at(0).toElement(), "w:gridCol", "w:w"),
              QStringList({"456", "2616", "1296", "4819", "4819"}));
}
