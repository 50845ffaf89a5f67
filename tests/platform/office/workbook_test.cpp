#include "office_fixture.h"

#include "platform/office/workbook.h"
#include "support/ooxml_reader.h"

#include <QDate>
#include <QDomDocument>
#include <QFileInfo>
#include <ranges>
#include <gtest/gtest.h>

using office::Workbook;
using namespace officetest;

namespace {

using ooxml::cellElement;

QDomDocument xmlOf(const QString& saved, const QString& name) { return ooxml::dom(part(saved, name)); }
QDomDocument sheetOf(const QString& saved) { return xmlOf(saved, "xl/worksheets/sheet1.xml"); }

// Cells as "style type text", "-" for an attribute a cell lacks.
QStringList cells(const QString& saved, const QStringList& refs)
{
    QStringList list;
    for (const QDomElement& c : refs | std::views::transform([&](const QString& ref) { return cellElement(saved, ref); }))
        list << c.attribute("s", "-") + ' ' + c.attribute("t", "-") + ' ' + c.text();
    return list;
}

QStringList attributes(const QDomDocument& doc, const QString& tag, const QString& attr)
{
    QStringList list;
    const QDomNodeList nodes = doc.elementsByTagName(tag);
    for (int i = 0; i < nodes.size(); ++i)
        list.append(nodes.at(i).toElement().attribute(attr));
    return list;
}

} // namespace

TEST(Workbook, WritesNumbersTextsDatesAndNothingKeepingEachCellsStyle)
{
    Folder folder;
    folder.put("t.xlsx", workbookParts(
        "<row r=\"1\"><c r=\"A1\" s=\"1\"/><c r=\"B1\" s=\"2\"/><c r=\"C1\" s=\"3\"/><c r=\"D1\" s=\"3\"/>"
        "<c r=\"E1\" s=\"4\"><v>40000</v></c><c r=\"F1\" t=\"s\"><v>1</v></c><c r=\"G1\" s=\"3\" t=\"s\"><v>0</v></c></row>"
        "</sheetData>"));
    const QByteArray before = folder.bytes("t.xlsx");

    Workbook wb = Workbook::open("t.xlsx");
    // What the template holds reads back as it is shown.
    EXPECT_EQ(wb.value(1, 5), QVariant(QDate(2009, 7, 6)));
    EXPECT_EQ(wb.value(1, 6), QVariant(QString("Basic pay")));
    EXPECT_FALSE(wb.value(9, 9).isValid());

    wb.setValue(1, 1, 1234.5);
    wb.setValue(1, 2, QDate(2012, 4, 1));        // 2012 starts at 40909; + 31 + 29 + 31 days
    wb.setValue(1, 3, QString("01/04/2012"));
    wb.setValue(1, 4, QDate(2000, 3, 1));        // a bold cell with no date format
    wb.setValue(1, 7, QVariant());
    // A blank amount read from the database empties its cell: no 0, no empty text.
    wb.setValue(1, 5, QVariant(QMetaType::fromType<double>()));
    wb.setValue(1, 6, QVariant(QMetaType::fromType<QString>()));
    wb.setValue(2, 1, QString("A & B <sons>\x01\x0b tab\there"));
    wb.setValue(2, 2, 42);
    EXPECT_EQ(QVariantList({wb.value(1, 1), wb.value(1, 2), wb.value(1, 3), wb.value(1, 4), wb.value(1, 5),
                            wb.value(1, 6), wb.value(1, 7)}),
              QVariantList({1234.5, QDate(2012, 4, 1), QString("01/04/2012"), QDate(2000, 3, 1), QVariant(),
                            QVariant(), QVariant()}));

    const QString saved = wb.save();
    EXPECT_EQ(folder.bytes("t.xlsx"), before);   // the template is only read
    EXPECT_EQ(QFileInfo(saved).dir().dirName(), "output");
    // 1 March 2000 in D1: 36526 for 1 January, + 31 + 29 (a leap year).
    EXPECT_EQ(cells(saved, {"A1", "B1", "C1", "D1", "G1", "A2", "B2"}),
              QStringList({"1 - 1234.5", "2 - 41000", "3 inlineStr 01/04/2012", "5 - 36586", "3 - ",
                           "- inlineStr A & B <sons> tab\there", "- - 42"}));
    EXPECT_TRUE(cellElement(saved, "G1").firstChildElement().isNull());
    EXPECT_EQ(attributes(sheetOf(saved), "dimension", "ref"), QStringList{"A1:G2"});

    // The bold cell got a copy of its style, bold still, showing the day first.
    const QDomDocument styles = xmlOf(saved, "xl/styles.xml");
    const QDomElement xf = styles.elementsByTagName("cellXfs").at(0).childNodes().at(5).toElement();
    EXPECT_EQ(xf.attribute("fontId"), "1");
    EXPECT_EQ(attributes(styles, "numFmt", "formatCode"), QStringList({"dd\\-mmm\\-yy", "dd/mm/yyyy"}));
    EXPECT_EQ(attributes(styles, "numFmt", "numFmtId").last(), xf.attribute("numFmtId"));
}

TEST(Workbook, CellsAndRowsStayInSheetOrderWhateverTheOrderOfWriting)
{
    Folder folder;
    folder.put("t.xlsx", workbookParts("<row r=\"3\" spans=\"2:2\"><c r=\"B3\"><v>1</v></c></row></sheetData>"));
    Workbook wb = Workbook::open("t.xlsx");
    for (auto [row, column] : {std::pair{5, 3}, {2, 1}, {5, 1}, {3, 4}, {3, 1}})
        wb.setValue(row, column, 1);
    const QDomDocument sheet = sheetOf(wb.save());
    EXPECT_EQ(attributes(sheet, "row", "r"), QStringList({"2", "3", "5"}));
    EXPECT_EQ(attributes(sheet, "c", "r"), QStringList({"A2", "A3", "B3", "D3", "A5", "C5"}));
    EXPECT_FALSE(sheet.elementsByTagName("row").at(1).toElement().hasAttribute("spans"));
}

TEST(Workbook, SavingDropsCachedResultsAndTheCalcChainAndAsksForFullRecalculation)
{
    Folder folder;
    folder.put("t.xlsx", workbookParts(
        "<row r=\"1\"><c r=\"A1\"><v>5</v></c><c r=\"B1\"><f>A1*2</f><v>10</v></c>"
        "<c r=\"C1\" t=\"str\"><f>\"x\"&amp;A1</f><v>x5</v></c></row></sheetData>",
        "<definedNames><definedName name=\"total\">Sheet1!$B$1</definedName></definedNames>",
        "<row r=\"1\"><c r=\"A1\"><f>Sheet1!B1+1</f><v>11</v></c></row>"));
    const QByteArray before = folder.bytes("t.xlsx");
    Workbook wb = Workbook::open("t.xlsx");
    // Nothing here calculates: a cached result is never taken for the figure.
    EXPECT_FALSE(wb.value(1, 2).isValid());
    wb.setValue(1, 1, 7);
    const QString saved = wb.save();

    // The cells keep their formulas only: no cached value, no result type.
    EXPECT_EQ(cells(saved, {"A1", "B1", "C1"}), QStringList({"- - 7", "- - A1*2", "- - \"x\"&A1"}));
    EXPECT_FALSE(part(saved, "xl/worksheets/sheet2.xml").contains("<v>"));
    EXPECT_FALSE(partNames(saved).contains("xl/calcChain.xml") || part(saved, "xl/_rels/workbook.xml.rels").contains("calcChain")
                 || part(saved, "[Content_Types].xml").contains("calcChain"));
    const QDomElement calcPr = xmlOf(saved, "xl/workbook.xml").documentElement().lastChildElement();
    EXPECT_EQ(calcPr.tagName() + calcPr.attribute("fullCalcOnLoad"), "calcPr1");   // after the names, where it belongs
    EXPECT_EQ(folder.bytes("t.xlsx"), before);
}

TEST(Workbook, AMissingTemplateIsError53NamingItAndADamagedOne1004)
{
    Folder folder;
    { QFile junk(folder.path() + "/junk.xlsx"); junk.open(QIODevice::WriteOnly); junk.write("not a zip"); }
    for (const auto& [name, number] : {std::pair{"pro_stt.xlsx", 53}, std::pair{"junk.xlsx", 1004}}) {
        const vb::Error e = errorOf([&] { Workbook::open(name); });
        EXPECT_TRUE(e.number == number && e.description.contains(QStringLiteral("\"%1\"").arg(name))) << e.description.toStdString();
    }
}

TEST(Workbook, InsertedRowsTakeTheStyleOfTheRowTheyPushDownAndEverythingBelowMoves)
{
    Folder folder;
    folder.put("t.xlsx", workbookParts(
        "<row r=\"2\"><c r=\"A2\"><v>1</v></c></row>"
        "<row r=\"4\" ht=\"30\" customHeight=\"1\" s=\"3\" customFormat=\"1\"><c r=\"A4\" s=\"1\"><v>4</v></c><c r=\"C4\" s=\"3\"/></row>"
        "<row r=\"5\"><c r=\"B5\"><v>5</v></c></row>"
        "<row r=\"7\"><c r=\"A7\"><f>SUM(B2:B6)+$B$5+B3+Sheet2!B5+LOG10(4)+'Sheet1'!B4&amp;\"B5\"</f></c></row>"
        "</sheetData><mergeCells count=\"2\"><mergeCell ref=\"A5:C5\"/><mergeCell ref=\"D2:D6\"/></mergeCells>"
        "<rowBreaks count=\"1\"><brk id=\"5\" max=\"16383\" man=\"1\"/></rowBreaks>",
        "<definedNames><definedName name=\"_xlnm.Print_Area\" localSheetId=\"0\">'Sheet1'!$A$1:$H$6</definedName></definedNames>",
        "<row r=\"1\"><c r=\"A1\"><f>Sheet1!B5+B5</f></c></row>"));
    Workbook wb = Workbook::open("t.xlsx");
    wb.insertRows(4, 2);
    EXPECT_EQ(QVariantList({wb.value(6, 1), wb.value(7, 2), wb.value(4, 1)}), QVariantList({4.0, 5.0, QVariant()}));
    wb.setValue(5, 3, QString("new"));
    const QString saved = wb.save();

    const QDomDocument sheet = sheetOf(saved);
    EXPECT_EQ(attributes(sheet, "row", "r") + attributes(sheet, "row", "ht") + attributes(sheet, "row", "s"),
              QStringList({"2", "4", "5", "6", "7", "9", "", "30", "30", "30", "", "", "", "3", "3", "3", "", ""}));
    EXPECT_EQ(attributes(sheet, "c", "r"), QStringList({"A2", "A4", "C4", "A5", "C5", "A6", "C6", "B7", "A9"}));
    EXPECT_EQ(cells(saved, {"A4", "C5", "A9"}),
              QStringList({"1 - ", "3 inlineStr new", "- - SUM(B2:B8)+$B$7+B3+Sheet2!B5+LOG10(4)+'Sheet1'!B6&\"B5\""}));
    EXPECT_EQ(attributes(sheet, "mergeCell", "ref") + attributes(sheet, "brk", "id") + attributes(sheet, "dimension", "ref"),
              QStringList({"A7:C7", "D2:D8", "7", "A2:C9"}));
    EXPECT_EQ(xmlOf(saved, "xl/workbook.xml").elementsByTagName("definedName").at(0).toElement().text()
                  + xmlOf(saved, "xl/worksheets/sheet2.xml").elementsByTagName("f").at(0).toElement().text(),
              "'Sheet1'!$A$1:$H$8Sheet1!B7+B5");
}

// Whether a formula takes a cell in: named alone (with or without $), as a
// corner of a range or inside one either way round, in whole rows, or under
// its own sheet's name; never in a text, another sheet, a name or a
// function that only look like it, nor in a cell without a formula.
TEST(Workbook, AFormulaTakesACellInAloneOrInsideARangeOfItsOwnSheet)
{
    const QStringList formulas = {
        "G6-G7+G12", "$G$12*2", "SUM(G6:G14)", "SUM(H14:F10)", "SUM(12:13)", "'Sheet1'!G12+1", "Sheet1!G6:G14",
        // none of these
        "G6-G7+G11+G14", "Sheet2!G12", "Sheet2!G6:G14", "\"G12\"&G6", "LOG12(2)+XG12+G120", "SUM(G6:F11)", "SUM(1:11)",
    };
    QByteArray rows;
    for (int r = 0; r < formulas.size(); ++r)
        rows += QStringLiteral("<row r=\"%1\"><c r=\"A%1\"><f>%2</f></c></row>")
                    .arg(r + 1).arg(formulas.at(r).toHtmlEscaped()).toUtf8();
    Folder folder;
    folder.put("t.xlsx", workbookParts(rows + "<row r=\"20\"><c r=\"A20\"><v>12</v></c></row></sheetData>"));
    const Workbook wb = Workbook::open("t.xlsx");
    QStringList takenIn;
    for (int r = 1; r <= formulas.size(); ++r)
        if (wb.formulaTakesIn(r, 1, 12, 7))
            takenIn << formulas.at(r - 1);
    EXPECT_EQ(takenIn, formulas.mid(0, 7));
    EXPECT_FALSE(wb.formulaTakesIn(20, 1, 12, 7) || wb.formulaTakesIn(30, 1, 12, 7));
}
