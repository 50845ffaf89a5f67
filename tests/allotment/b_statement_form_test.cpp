#include "allotment/b_statement.h"

#include "b_statement_fixture.h"
#include "platform/data/database.h"
#include "platform/data/recordset.h"
#include "platform/forms/controls.h"
#include "register_rows.h"
#include "support/hostile_inputs.h"
#include "support/package_part.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDomDocument>
#include <QFile>
#include <QHash>
#include <gtest/gtest.h>

namespace {

using namespace allotment;
using namespace allotmenttest;
using testsupport::part;

const QString kPayHead = "2202-00-109-NP-00001-01";
const QString kOfficeHead = "2202-00-109-NP-00001-13";
const QString kCode = "2202-00-109-NP-00001";

// The first sheet of a saved workbook, read from its XML: each cell's value
// (shared and inline texts resolved) and formula by reference ("D28").
struct Sheet {
    QHash<QString, QString> value;
    QHash<QString, QString> formula;

    explicit Sheet(const QString& zip)
    {
        QStringList shared;
        QDomDocument sst;
        sst.setContent(part(zip, "xl/sharedStrings.xml"));
        for (QDomElement si = sst.documentElement().firstChildElement("si"); !si.isNull();
             si = si.nextSiblingElement("si"))
            shared << si.text();
        QDomDocument doc;
        doc.setContent(part(zip, "xl/worksheets/sheet1.xml"));
        const QDomNodeList cells = doc.elementsByTagName("c");
        for (int i = 0; i < cells.size(); ++i) {
            const QDomElement c = cells.at(i).toElement();
            const QString ref = c.attribute("r");
            const QString v = c.firstChildElement("v").text();
            const QString type = c.attribute("t");
            if (type == "s")
                value[ref] = shared.value(v.toInt());
            else if (type == "inlineStr")
                value[ref] = c.firstChildElement("is").text();
            else
                value[ref] = v;
            if (!c.firstChildElement("f").isNull())
                formula[ref] = c.firstChildElement("f").text();
        }
    }
    QString operator()(const QString& ref) const { return value.value(ref); }
};

QByteArray digest(const QString& path)
{
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

struct BStatementFormTest : BStatementFormFixture {
    BStatementFormTest()
    {
        addHead(kPayHead, "SALARY", "A", QDate(2011, 4, 1));
        addHead(kOfficeHead, "OFFICE", "A", QDate(2011, 4, 1));
    }
    QString templatePath() const { return QDir(folder.path()).filePath("B-statement.xlsx"); }

    void open(const QString& yearStart = "01/04/2011")
    {
        form = &forms::Forms::get<Form4>();
        testsupport::showForm(*form);
        testsupport::enter(*form->Text3, yearStart);
    }
    // Picks the month and the head and makes the statement; the sheet shown, if any.
    std::optional<Sheet> statement(const QString& month)
    {
        const qsizetype before = desktop.opened().size();
        testsupport::choose(*form->Combo2, month);
        testsupport::choose(*form->Combo1, "SALARY");
        testsupport::click(*form->Command4);
        if (desktop.opened().size() == before)
            return std::nullopt;
        return Sheet(desktop.opened().last());
    }
};

TEST_F(BStatementFormTest, AprilThenMayChainTheProgressiveTotalsOnce)
{
    addBill(kPayHead, 14, QDate(2011, 4, 30),
            {{Pay, 10000}, {DPay, 2400}, {Da, 5000}, {Hra, 1500}, {Ma, 300}}, 2500);
    addBill(kOfficeHead, 9, QDate(2011, 4, 12), {{Elec, 100}, {Oe, 40}, {Oc, 50.5}});
    addBill(kPayHead, 20, QDate(2011, 5, 31), {{Pay, 11000}, {Hra, 1600}}, 2600);
    const QByteArray pristine = digest(templatePath());

    open();
    EXPECT_FALSE(form->Command4->enabled());   // until a head is picked
    auto april = statement("APRIL");
    ASSERT_TRUE(april) << boxes.prompts().join('|').toStdString();
    EXPECT_TRUE(boxes.boxes().isEmpty());
    EXPECT_TRUE(desktop.opened().last().startsWith(folder.path() + "/output/"));
    EXPECT_EQ((*april)("H2"), "APRIL");
    EXPECT_EQ((*april)("I2"), "2011");
    EXPECT_EQ((*april)("I3"), kCode);
    EXPECT_EQ((*april)("A5"), "9");       // by date: the office bill of the 12th first
    EXPECT_EQ((*april)("B5"), "40645");   // 12/04/2011 as a serial
    EXPECT_EQ((*april)("J5"), "190.5");
    EXPECT_EQ((*april)("N5"), "190.5");
    EXPECT_EQ((*april)("A6"), "14");
    EXPECT_EQ((*april)("G6"), "1800");
    EXPECT_EQ((*april)("M6"), "2500");
    EXPECT_EQ((*april)("N6"), "16700");
    EXPECT_EQ((*april)("A7"), "");
    EXPECT_EQ(april->formula.value("D27"), "SUM(D5:D26)");
    EXPECT_EQ((*april)("C28"), "");       // the template's own in April
    EXPECT_EQ((*april)("D28"), "10000");
    EXPECT_EQ((*april)("N28"), "16890.5");
    EXPECT_EQ(count("select count(*) from b_statement where fy_year = 2011 and month_no = 5 and net = 16890.5 "
                    "and cont = 190.5 and hra = 1800"),
              1);

    auto may = statement("MAY");
    ASSERT_TRUE(may);
    EXPECT_EQ((*may)("H2"), "MAY");
    EXPECT_EQ((*may)("A5"), "20");
    EXPECT_EQ((*may)("C28"), "APR-11");
    EXPECT_EQ((*may)("D28"), "21000");
    EXPECT_EQ((*may)("G28"), "3400");
    EXPECT_EQ((*may)("M28"), "5100");
    EXPECT_EQ((*may)("N28"), "26890.5");

    // Again, after a late May bill: the sheet shows it, the June row stays.
    addBill(kPayHead, 21, QDate(2011, 5, 2), {{Pay, 5}});
    auto again = statement("MAY");
    ASSERT_TRUE(again);
    EXPECT_EQ((*again)("A5"), "21");
    EXPECT_EQ((*again)("N28"), "26895.5");
    EXPECT_EQ(count("select count(*) from b_statement"), 2);
    EXPECT_EQ(number("select net from b_statement where month_no = 6"), 26890.5);

    EXPECT_EQ(outputs().size(), 3);        // a file each, none over another
    EXPECT_EQ(digest(templatePath()), pristine);
}

TEST_F(BStatementFormTest, MarchAndAMonthWithoutBillsCarryForward)
{
    addBroughtForward(kCode, 2011, 15, 700, 700);
    open();
    auto march = statement("MARCH");
    ASSERT_TRUE(march);
    EXPECT_EQ((*march)("I2"), "2012");
    EXPECT_EQ((*march)("A5"), "");        // no lines
    EXPECT_EQ((*march)("C28"), "APR-11");
    EXPECT_EQ((*march)("D28"), "700");
    EXPECT_EQ((*march)("E28"), "0");
    EXPECT_EQ(count("select count(*) from b_statement where fy_year = 2011 and month_no = 16 and net = 700"), 1);
}

TEST_F(BStatementFormTest, TwentyThreeBillsPushTheTotalsDown)
{
    for (int i = 1; i <= 23; ++i)
        addBill(kPayHead, i, QDate(2011, 4, i), {{Pay, 100.0 * i}});
    open();
    auto april = statement("APRIL");
    ASSERT_TRUE(april);
    EXPECT_EQ((*april)("A26"), "22");
    EXPECT_EQ((*april)("A27"), "23");
    EXPECT_EQ((*april)("D27"), "2300");
    EXPECT_EQ(april->formula.value("D28"), "SUM(D5:D27)");
    EXPECT_EQ(april->formula.value("N28"), "SUM(N5:N27)");
    EXPECT_EQ((*april)("A28"), "TOTAL OF THE MONTH");
    EXPECT_EQ((*april)("D29"), "27600");
    EXPECT_EQ(number("select pay from b_statement where month_no = 5"), 27600);
}

TEST_F(BStatementFormTest, RefusalsSayWhyAndLeaveNoFileAndNoRow)
{
    // Last year's April statement does not stand in for this year's.
    addBroughtForward(kCode, 2010, 5, 1, 1);
    addBill(kPayHead, 20, QDate(2011, 5, 31), {{Pay, 11000}});
    open();
    EXPECT_FALSE(statement("MAY"));
    ASSERT_EQ(boxes.boxes().size(), 1);
    EXPECT_EQ(boxes.boxes()[0].prompt,
              "B-Statement Report for previous month not Found.\r\nCheck the last reproting month and continue.");
    EXPECT_EQ(boxes.boxes()[0].title, "Hi");

    // No month picked yet.
    forms::Forms::unloadAll();
    testsupport::settle();
    open();
    testsupport::choose(*form->Combo1, "SALARY");
    testsupport::type(*form->Text1, "01/05/2011");
    testsupport::type(*form->Text2, "31/05/2011");
    testsupport::click(*form->Command4);
    EXPECT_EQ(boxes.lastPrompt(), "SELECT THE REPORTING MONTH FIRST.");

    // A new year start after the pick leaves last year's dates in the boxes.
    testsupport::choose(*form->Combo2, "MAY");
    testsupport::enter(*form->Text3, "01/04/2012");
    testsupport::click(*form->Command4);
    EXPECT_EQ(boxes.lastPrompt(), "THE REPORT DATES ARE NOT THOSE OF MAY OF THE FINANCIAL YEAR 2012--2013. "
                                  "SELECT THE REPORTING MONTH AGAIN.");

    testsupport::type(*form->Text2, "31/05");
    testsupport::click(*form->Command4);
    EXPECT_EQ(boxes.lastPrompt(), "ONLY DATE ARE ACCEPTABLE");
    EXPECT_EQ(testsupport::focused(), form->Text2);

    // The template gone: said, and nothing stored.
    QFile::remove(templatePath());
    testsupport::choose(*form->Combo2, "APRIL");
    testsupport::click(*form->Command4);
    EXPECT_TRUE(boxes.lastPrompt().startsWith("THE WORKBOOK TEMPLATE \"B-statement.xlsx\" IS MISSING"));
    EXPECT_EQ(boxes.boxes().size(), 5);

    EXPECT_TRUE(desktop.opened().isEmpty());
    EXPECT_TRUE(outputs().isEmpty());
    EXPECT_EQ(count("select count(*) from b_statement"), 1);
}

} // namespace

// Every box of the form fed what a clerk or a paste may put there, and the
// reports asked for before a year, a month or a head: each refusal is the
// form's own message and no statement or total is written.
TEST_F(BStatementFormTest, HostilePeriodsAndOddOrdersOfCommandsWriteNothing)
{
    addBill(kPayHead, 14, QDate(2011, 4, 30), {{Pay, 10000}}, 2500);
    form = &forms::Forms::get<Form4>();
    testsupport::showForm(*form);
    const auto before = testsupport::rowsOfBothFiles();
    const QString notDate = "YOUR INPUT IS NOT A DATE. DO YOU WISHT TO CORRECT NOW?";

    // The year start: every odd text asks to correct it, leaving the year unset.
    for (const QString& text : testsupport::notDates() + testsupport::oddTexts() + testsupport::notAmounts()) {
        SCOPED_TRACE(text.left(20).toStdString());
        boxes.clearBoxes();
        testsupport::paste(*form->Text3, text);
        boxes.answer(forms::vbNo, notDate);
        testsupport::pressEnter(*form->Text3);
        EXPECT_EQ(boxes.prompts(), QStringList{notDate});
        EXPECT_EQ(form->Label10->caption().trimmed(), QString());
    }

    // A month before any year start gives no dates: both registers and the
    // statement refuse them, twice over. Leaving the year box asks once more.
    boxes.clearBoxes();
    boxes.answer(forms::vbNo, notDate);
    ASSERT_TRUE(testsupport::choose(*form->Combo2, "MARCH"));
    ASSERT_TRUE(testsupport::choose(*form->Combo1, "SALARY"));
    for (auto* b : {form->Command1, form->Command2, form->Command4, form->Command4, form->Command1})
        testsupport::click(*b);
    EXPECT_EQ(boxes.prompts(), QStringList{notDate} + QStringList(5, "ONLY DATE ARE ACCEPTABLE"));

    // A year whose March falls past 2099 has no such month.
    boxes.clearBoxes();
    testsupport::enter(*form->Text3, "  31/12/2099  ");
    EXPECT_EQ(form->Label11->caption(), "2100");
    ASSERT_TRUE(testsupport::choose(*form->Combo2, "MARCH"));
    testsupport::click(*form->Command4);
    testsupport::click(*form->Command1);
    EXPECT_EQ(boxes.prompts(), QStringList(2, "ONLY DATE ARE ACCEPTABLE"));

    // Each period box in turn holds what is no date.
    testsupport::enter(*form->Text3, "01/04/2011");
    for (forms::TextBox* box : {form->Text1, form->Text2}) {
        for (const QString& text : testsupport::notDates().mid(0, 7) + testsupport::oddTexts()
                                       + QStringList{"5 or 1=1", "1.2.3", "0", "-1"}) {
            SCOPED_TRACE(text.left(20).toStdString());
            boxes.clearBoxes();
            ASSERT_TRUE(testsupport::choose(*form->Combo2, "APRIL"));
            testsupport::paste(*box, text);
            for (auto* b : {form->Command1, form->Command2, form->Command4})
                testsupport::click(*b);
            EXPECT_EQ(boxes.prompts(), QStringList(3, "ONLY DATE ARE ACCEPTABLE"));
        }
    }
    EXPECT_TRUE(testsupport::rowsOfBothFiles() == before);
    EXPECT_TRUE(outputs().isEmpty());
}
