#include "b_statement_fixture.h"
#include "setup/demo_office.h"
#include "support/folder_digest.h"
#include "support/hostile_inputs.h"
#include "support/ooxml_reader.h"
#include "support/template_edits.h"

#include "platform/forms/clock.h"

#include <QFile>
#include <QFileInfo>

namespace {

using namespace allotment;
using namespace allotmenttest;
using namespace testsupport;
using forms::vbNo;

const QString kPayHead = "2202-00-109-NP-00001-01";
const QString kOfficeHead = "2202-00-109-NP-00001-13";
const QString kCode = "2202-00-109-NP-00001";

struct BStatementFormTest : BStatementFormFixture {
    BStatementFormTest()
    {
        addHead(kPayHead, "SALARY", "A", QDate(2011, 4, 1));
        addHead(kOfficeHead, "OFFICE", "A", QDate(2011, 4, 1));
    }
    QString templatePath() const { return QDir(folder.path()).filePath("B-statement.xlsx"); }
};

// The figures of a month are the rules' and the year's own tests; here a
// month made again after a late bill shows it and carries it in next month's
// row, still one row.
TEST_F(BStatementFormTest, AMonthMadeAgainShowsLateBillsAndKeepsOneRow)
{
    addBill(kPayHead, 14, QDate(2011, 4, 30), {{Pay, 10000}, {DPay, 2400}, {Da, 5000}, {Hra, 1500}, {Ma, 300}}, 2500);
    addBill(kOfficeHead, 9, QDate(2011, 4, 12), {{Elec, 100}, {Oe, 40}, {Oc, 50.5}});
    addBill(kPayHead, 20, QDate(2011, 5, 31), {{Pay, 11000}, {Hra, 1600}}, 2600);
    const auto digest = [&] { return fileDigests(folder.path()).value("B-statement.xlsx"); };
    const QByteArray pristine = digest();

    EXPECT_FALSE(open().Command4->enabled());   // until a head is picked
    ASSERT_TRUE(statement("01/04/2011", "APRIL", "SALARY")) << boxes.prompts().join('|').toStdString();
    EXPECT_EQ(ooxml::formula(desktop.opened().last(), "D27"), "SUM(D5:D26)");
    EXPECT_TRUE(QFileInfo(desktop.opened().last()).fileName().startsWith("B-statement 2011-04 " + kPayHead + " "));
    ASSERT_TRUE(statement("01/04/2011", "MAY", "SALARY"));
    addBill(kPayHead, 21, QDate(2011, 5, 2), {{Pay, 5}});
    auto again = statement("01/04/2011", "MAY", "SALARY");
    ASSERT_TRUE(again);
    EXPECT_EQ((QVariantList{again->value(5, 1), again->value(28, 14), count("select count(*) from b_statement"),
                            number("select net from b_statement where month_no = 6")}),
              (QVariantList{21, 26895.5, 2, 26895.5}));
    // A file each, none over another; the template untouched.
    EXPECT_TRUE(boxes.boxes().isEmpty() && outputs().size() == 3 && !pristine.isEmpty() && digest() == pristine);
}

TEST_F(BStatementFormTest, RefusalsSayWhyAndLeaveNoFileAndNoRow)
{
    // Last year's April statement does not stand in for this year's.
    addBroughtForward(kCode, 2010, 5, 1, 1);
    addBill(kPayHead, 20, QDate(2011, 5, 31), {{Pay, 11000}});
    EXPECT_FALSE(statement("01/04/2011", "MAY", "SALARY"));
    EXPECT_EQ(boxes.boxes().value(0).title, "Hi");

    forms::Forms::unloadAll();
    settle();
    open();
    enter(*form->Text3, "01/04/2011");
    choose(*form->Combo1, "SALARY");
    type(*form->Text1, "01/05/2011");
    type(*form->Text2, "31/05/2011");
    const QStringList said = saidBy([&] {
        click(*form->Command4); // no month picked yet
        // A new year start after the pick leaves last year's dates in the boxes.
        choose(*form->Combo2, "MAY");
        enter(*form->Text3, "01/04/2012");
        click(*form->Command4);
        type(*form->Text2, "31/05");
        click(*form->Command4);
        EXPECT_EQ(focused(), form->Text2);
        // The template gone: said, and nothing stored.
        QFile::remove(templatePath());
        choose(*form->Combo2, "APRIL");
        click(*form->Command4);
    });
    ASSERT_EQ(said.size(), 4);
    EXPECT_EQ(said.mid(0, 3), QStringList({"Hi|64|SELECT THE REPORTING MONTH FIRST.",
                                           "Hi|64|THE REPORT DATES ARE NOT THOSE OF MAY OF THE FINANCIAL YEAR 2012--2013. "
                                           "SELECT THE REPORTING MONTH AGAIN.",
                                           "Please Note|64|ONLY DATE ARE ACCEPTABLE"}));
    EXPECT_TRUE(said[3].contains("THE WORKBOOK TEMPLATE \"B-statement.xlsx\" IS MISSING"));
    EXPECT_TRUE(desktop.opened().isEmpty() && outputs().isEmpty() && count("select count(*) from b_statement") == 1);

    // The version before the current one (its first two columns narrower): refused before a total is stored.
    common::installTemplates(folder.path(), false);
    editPart(templatePath(), "xl/worksheets/sheet1.xml", [](QByteArray& sheet) {
        sheet.replace("<col min=\"1\" max=\"1\" width=\"13\"", "<col min=\"1\" max=\"1\" width=\"12\"")
            .replace("<col min=\"2\" max=\"2\" width=\"14\"", "<col min=\"2\" max=\"2\" width=\"13\"");
    });
    QFile earlier(templatePath());
    ASSERT_TRUE(earlier.open(QIODevice::ReadOnly));
    ASSERT_EQ(common::templateDigest(earlier.readAll()), common::shippedVersions("B-statement.xlsx").first());
    EXPECT_EQ(saidBy([&] { click(*form->Command4); }),
              QStringList{"Hi|48|THE WORKBOOK TEMPLATE \"B-statement.xlsx\" IN THE DATA FOLDER IS AN EARLIER VERSION, "
                          "WHICH THIS PROGRAM NO LONGER FILLS.\r\nNO STATEMENT WAS MADE AND NO TOTAL WAS STORED.\r\n"
                          "Bring the current one with:\r\n    dosset-setup \"" + folder.path() + "\" --update"});
    EXPECT_TRUE(desktop.opened().isEmpty() && outputs().isEmpty() && count("select count(*) from b_statement") == 1);
}

// Every box of the form fed what a clerk or a paste may put there, and the
// reports asked for before a year, a month or a head: each refusal is the
// form's own message and no statement or total is written.
TEST_F(BStatementFormTest, HostilePeriodsAndOddOrdersOfCommandsWriteNothing)
{
    addBill(kPayHead, 14, QDate(2011, 4, 30), {{Pay, 10000}}, 2500);
    open();
    const auto before = rowsOfBothFiles();
    const QString notDate = "Hi|4|YOUR INPUT IS NOT A DATE. DO YOU WISHT TO CORRECT NOW?";
    const QString noDate = "Please Note|64|ONLY DATE ARE ACCEPTABLE";
    const auto clickAll = [&](std::initializer_list<forms::CommandButton*> commands) {
        for (auto* b : commands)
            click(*b);
    };

    // The year start: every odd text asks to correct it, leaving the year unset.
    for (const QString& text : notDates() + oddTexts() + notAmounts()) {
        paste(*form->Text3, text);
        EXPECT_EQ(saidBy([&] { pressEnter(*form->Text3); }, {{vbNo, "NOT A DATE"}}) << form->Label10->caption().trimmed(),
                  (QStringList{notDate, ""})) << text.left(20).toStdString();
    }
    // A month before any year start gives no dates: both registers and the
    // statement refuse them, twice over. Leaving the year box asks once more.
    EXPECT_EQ(saidBy([&] {
                  choose(*form->Combo2, "MARCH");
                  choose(*form->Combo1, "SALARY");
                  clickAll({form->Command1, form->Command2, form->Command4, form->Command4, form->Command1});
              }, {{vbNo, "NOT A DATE"}}),
              QStringList{notDate} + QStringList(5, noDate));

    // A year start that is not 1 April is refused; a year whose March falls
    // past 2099 has no such month.
    EXPECT_EQ(saidBy([&] { enter(*form->Text3, "7/12/26"); }) << form->Label10->caption().trimmed(),
              (QStringList{"PLEASE NOTE|64|THE FINANCIAL YEAR STARTS ON 1ST APRIL. SET 01/04 OF THE YEAR.", ""}));
    EXPECT_EQ(saidBy([&] {
                  enter(*form->Text3, "  01/04/2099  ");
                  choose(*form->Combo2, "MARCH");
                  clickAll({form->Command4, form->Command1});
              }) << form->Label11->caption(),
              QStringList(2, noDate) << "2100");

    // Each period box in turn holds what is no date.
    enter(*form->Text3, "01/04/2011");
    for (forms::TextBox* box : {form->Text1, form->Text2})
        for (const QString& text : notDates().mid(0, 7) + oddTexts() + QStringList{"5 or 1=1", "1.2.3", "0", "-1"})
            EXPECT_EQ(saidBy([&] {
                          choose(*form->Combo2, "APRIL");
                          paste(*box, text);
                          clickAll({form->Command1, form->Command2, form->Command4});
                      }),
                      QStringList(3, noDate)) << box->objectName().toStdString() << text.left(20).toStdString();
    EXPECT_TRUE(rowsOfBothFiles() == before && outputs().isEmpty());
}

// A new demo office makes this month's statement on any day of the year: it
// carries the earlier months' bills and the totals they brought forward.
// Its head A bill draws, a month, pay 198910, grade pay 39400, D.A. 138220,
// H.R.A. 22981 with M.A. and O.A. 3750; less G.P.F. 23750, G.I.S. 331 and
// professional tax 1820: net 377360.
struct DemoOfficeStatement : allotmenttest::BStatementFormFixture, ::testing::WithParamInterface<QDate> {
    forms::Clock::Override today{GetParam()};
    DemoOfficeStatement()
    {
        setup::writeStartingRows("dosset");
        setup::writeDemoOffice();
    }
};

TEST_P(DemoOfficeStatement, MakesTheCurrentMonthsStatement)
{
    const QDate day = GetParam();
    const int earlier = (day.month() + 8) % 12;
    const QString yearStart = QStringLiteral("01/04/%1").arg(day.year() - (day.month() < 4 ? 1 : 0));
    const auto book = statement(yearStart, QLocale(QLocale::English).monthName(day.month()).toUpper(),
                                "Salary Secondary Schools");
    ASSERT_TRUE(book) << boxes.prompts().join('|').toStdString();
    EXPECT_EQ(row(*book, 5, 1, 4), QVariantList(4)); // no bill of this month yet
    EXPECT_EQ(amounts(*book, 28), (std::vector<double>{198910.0 * earlier, 39400.0 * earlier, 138220.0 * earlier,
                                                       26731.0 * earlier, 0, 0, 0, 0, 0, 25901.0 * earlier,
                                                       377360.0 * earlier}));
}

INSTANTIATE_TEST_SUITE_P(AnyMonth, DemoOfficeStatement,
                         ::testing::Values(QDate(2026, 4, 1), QDate(2026, 10, 15), QDate(2027, 1, 31),
                                           QDate(2027, 3, 31)));

} // namespace
