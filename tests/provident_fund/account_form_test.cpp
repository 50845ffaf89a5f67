#include "fund_fixture.h"

#include "support/hostile_inputs.h"
#include "support/template_edits.h"

#include <QFile>
#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace fundtest;
using namespace testsupport;

namespace {

const QString kNote = "PLEASE NOTE|64|No record found for this Financial year\r\n"
                      "If you wish to see record, check the financial year.\r\n"
                      "If you want to calculate interest for this year, be\r\n"
                      "Ensure that previous year record already saved or exists.";
const QString kNotThisSheet = "PLEASE NOTE|64|THE SHEET IS NOT MADE FOR THIS ACCOUNT AND YEAR. PICK THE A/C "
                              "NUMBER AND ENTER THE MONTHLY SUBSCRIPTION FIRST.";
const QString kDuplicate = "Duplicate Entry Error|64|Record already saved for this year\r\n"
                           "If you want to change the existing record, delete it first.";

class GpfFormTest : public FundForm {
protected:
    GpfFormTest()
    {
        fileYear("123", "RAM", QDate(2010, 4, 1), 9000, 600, 0, 400, 0);      // closes at 10000
        fileYear("456", "SITA", QDate(2010, 4, 1), 20000, 4000, 0, 1000, 0);  // closes at 25000
        fileYear("789", "HARI", QDate(2009, 4, 1), 50);                        // no last year
    }
    void SetUp() override { open(); }
    bool on(const char* name) { return form->findChild<QWidget*>(name)->isEnabled(); }
};

TEST_F(GpfFormTest, OpensWithOnlyTheModesUsableAndFindSummeryAddsTheRecordsParts)
{
    EXPECT_EQ(QString("%1|%2|%3|%4|%5|%6|%7|%8")
                  .arg(form->DTPicker1->value().toString("dd/MM/yyyy"), form->Label21->caption(),
                       form->Label30->caption(), form->Combo1->list(0), form->Combo1->list(11))
                  .arg(form->Combo1->listCount()).arg(form->Combo2->listCount()).arg(form->DBGrid1->rowCount()),
              "01/04/2011|2011--2012|2011--2012|Apr-11|Mar-12|12|3|0");
    QStringList usable;
    for (QWidget* w : form->findChildren<QWidget*>(QRegularExpression("^(Text|Combo|Command)\\d+$")))
        if (w->isEnabled())
            usable << w->objectName();
    usable.sort();
    EXPECT_EQ(usable.join(','), "Command5,Command9,Text1,Text14,Text16,Text17,Text18,Text2,Text20");
    EXPECT_TRUE(fitsSmallScreen(*form));

    enter(box(2), "RAM");
    EXPECT_EQ(said(), QStringList{"|0|IF YOU WISH TO ENTER DATA FOR NEW SUBSCRIBER SELECT NEW SUBSCRIBER OPTION FIRST"});

    click(*form->Option1);
    EXPECT_EQ(box(1).text() + box(2).text() + summary() + focused()->objectName(), "   | | | | | Text1");
    // FIND SUMMERY waits for the blank account box; an emptied one counts as filled.
    EXPECT_TRUE(on("Label11") && on("Text13") && on("Command1") && !on("Combo2") && !on("Text10") && !on("Command4"));
    box(1).setText("");
    EXPECT_TRUE(on("Command4"));
    EXPECT_EQ(said(), QStringList{});

    // FIND SUMMERY adds the record's parts, and each cancel empties its own.
    fileYear("321", "MISMATCH", QDate(2011, 4, 1), 100, 50, 0, 0, 0, 999);
    click(*form->Option1);
    type(box(1), "321");
    click(*form->Command4);
    EXPECT_EQ(summary() + "|" + box(2).text() + "|" + form->Label31->caption(), "100|50|0|0|0|150|MISMATCH|MISMATCH");
    EXPECT_TRUE(on("Text10") && on("Label17"));
    type(box(1), "000");
    click(*form->Command4);
    EXPECT_EQ(said() << summary(), (QStringList{"Hi|64|NO RECORD FOUND FOR THIS FINANCIAL YEAR\r\n"
                                                "PLEASE CHECK THE ACCOUNT NUMBER AND OR YEAR", "100|50|0|0|0|150"}));
    click(*form->Command9);
    EXPECT_EQ(summary() + form->Label31->caption() + "|" + form->Label30->caption(), "|||||" "|2011--2012");
    type(box(19), "5");
    click(*form->Command2);
    EXPECT_EQ(box(1).text() + box(2).text() + box(19).text() + focused()->objectName(), "Text1");

    // A subscription changed without passing the refund box still earns; CLEAR empties the sheet shown.
    existing("123");
    for (auto [n, text] : {std::pair{5, "300"}, {6, "0"}, {5, "500"}, {9, "8"}})
        enter(box(n), text);
    click(*form->Command7);
    EXPECT_EQ(QString("%1|%2|%3").arg(box(10).text(), box(20).text()).arg(form->DBGrid1->rowCount()), "1060|17060|12");
    click(*form->Command8);
    EXPECT_EQ(box(5).text() + box(1).text() + form->Label29->caption() + form->Combo2->text()
                  + QString::number(form->DBGrid1->rowCount()) + sheetColumn("distinct name"), "0 RAM ");
}

// 500 a month on 10000 at 8, filed; then the commands wait for the steps their figures rest on.
TEST_F(GpfFormTest, FirstExampleIsWorkedOutFiledAndRefusedASecondTime)
{
    existing("123");
    QStringList path; // Enter moves on; an empty withdrawal is 0
    for (auto [n, text] : {std::pair{5, "500"}, {6, "0"}, {7, ""}, {9, "8"}}) {
        n == 7 ? box(n).setText(text) : type(box(n), text);
        pressEnter(box(n));
        path << focused()->objectName();
    }
    EXPECT_EQ(path.join(',') + "|" + box(7).text(), "Text6,Text7,Text9,Command7|0");
    EXPECT_EQ(said() + texts({1, 2, 14, 10}) << form->Label29->caption(), (QStringList{kNote, "123", "RAM", "10000", "1060", "RAM"}));
    EXPECT_FALSE(on("Command3") || on("Command6"));
    click(*form->Command7); // its summary is filed below
    EXPECT_TRUE(on("Command3") && !on("Command7"));
    EXPECT_EQ(QString("%1|%2").arg(form->DBGrid1->rowCount()).arg(form->DBGrid1->cell(11, 5).toDouble()), "12|16000");
    click(*form->Command3);
    EXPECT_EQ(said(), QStringList{"PLEASE NOTE|64|REPORT SAVED IN THE BROAD SHEET"});
    EXPECT_EQ(record("123"), "2011--2012|123|RAM|10000|6000|0|1060|0|17060");
    EXPECT_EQ(box(1).text() + box(5).text() + box(9).text() + form->Label29->caption() + summary(), "|||||");
    EXPECT_TRUE(form->Combo2->listIndex() == -1 && !on("Command3"));

    // Reopened, the pick shows the filed year, and filing it again is refused.
    reopen();
    existing("123");
    EXPECT_EQ(said() << summary(), QStringList{"10000|6000|0|1060|0|17060"});
    enter(box(5), "700");
    enter(box(9), "8");
    click(*form->Command7);
    click(*form->Command3);
    EXPECT_EQ(said(), QStringList{kDuplicate});
    EXPECT_EQ(record("123") + "|" + box(1).text() + "|" + box(20).text(), "2011--2012|123|RAM|10000|6000|0|1060|0|17060|123|19564");

    type(box(9), "8.5");
    EXPECT_FALSE(on("Command7"));
    pressEnter(box(9));
    EXPECT_TRUE(on("Command7"));
    // A summary typed over, found again or cleared is no longer the one worked out.
    for (int step = 0; step < 3; ++step) {
        click(*form->Command7);
        step == 0 ? type(box(20), "99999") : click(step == 1 ? *form->Command4 : *form->Command9);
        EXPECT_FALSE(on("Command3")) << step;
        enter(box(9), "8");
    }
    click(*form->Command7);
    // PREVIEW SLIP without its template, or with a typed negative interest: nothing shown.
    QFile::remove(folder.path() + "/gpf_statement.xlsx");
    said();
    EXPECT_TRUE(statement({{3, 3}}).isEmpty());
    EXPECT_TRUE(said().value(0).startsWith("PLEASE NOTE|48|The statement template \"gpf_statement.xlsx\" is missing"));
    // Nor with the version before the current one (a lower heading row, its captions not centred upright).
    common::installTemplates(folder.path(), false);
    const QString statementPath = folder.path() + "/gpf_statement.xlsx";
    testsupport::editPart(statementPath, "xl/styles.xml", [](QByteArray& styles) { styles.replace(" vertical=\"center\"", ""); });
    testsupport::editPart(statementPath, "xl/worksheets/sheet1.xml",
                          [](QByteArray& sheet) { sheet.replace("<row r=\"6\" ht=\"48\"", "<row r=\"6\" ht=\"30\""); });
    QFile earlier(statementPath);
    ASSERT_TRUE(earlier.open(QIODevice::ReadOnly));
    const QByteArrayList versions = common::shippedVersions("gpf_statement.xlsx");
    ASSERT_EQ(common::templateDigest(earlier.readAll()), versions.value(versions.size() - 2));
    EXPECT_TRUE(statement({{3, 3}}).isEmpty());
    EXPECT_EQ(said(), QStringList{"PLEASE NOTE|48|THE WORKBOOK TEMPLATE \"gpf_statement.xlsx\" IN THE DATA FOLDER IS AN "
                                  "EARLIER VERSION, WHICH THIS PROGRAM NO LONGER FILLS.\r\nNO STATEMENT WAS MADE.\r\n"
                                  "Bring the current one with:\r\n    dosset-setup \"" + folder.path() + "\" --update"});
    // Nor with the clerk's notes under its name, which no command can fill: said so before anything is begun.
    QFile notes(statementPath);
    ASSERT_TRUE(notes.open(QIODevice::WriteOnly) && notes.write("PK: checked.\n") > 0);
    notes.close();
    EXPECT_TRUE(statement({{3, 3}}).isEmpty());
    EXPECT_EQ(said(), QStringList{"PLEASE NOTE|48|THE WORKBOOK TEMPLATE \"gpf_statement.xlsx\" IN THE DATA FOLDER CANNOT "
                                  "BE READ AS A WORKBOOK, SO THIS PROGRAM CANNOT FILL IT.\r\nNO STATEMENT WAS MADE.\r\n"
                                  "Move it out of the data folder, then bring the current one with:\r\n    dosset-setup \""
                                  + folder.path() + "\" --update"});
    common::installTemplates(folder.path(), false);
    enter(box(9), "8");
    box(10).setText("-20000");
    click(*form->Command7);
    EXPECT_TRUE(statement({{3, 3}}).isEmpty());
    EXPECT_EQ(said(), QStringList{"PLEASE NOTE|64|The closing balance is below zero; no statement can be made of it."});
    ASSERT_TRUE(choose(*form->Combo2, "123"));
    EXPECT_FALSE(on("Command7") || on("Command3") || on("Command6"));

    // Only a first of April starts a year; another one changes nothing.
    said();
    pickDate(*form->DTPicker1, QDate(2011, 5, 1));
    EXPECT_EQ(said() << form->DTPicker1->value().toString("dd/MM/yyyy") + form->Combo2->text(),
              (QStringList{"PLEASE NOTE|64|THE FINANCIAL YEAR STARTS ON 1ST APRIL. SET 01/04 OF THE YEAR.", "01/04/2011123"}));
    pickDate(*form->DTPicker1, QDate(2010, 4, 1));
    EXPECT_EQ(form->Label21->caption() + form->Label30->caption() + form->Combo1->list(0) + form->Label29->caption()
                  + QString::number(form->Combo2->listIndex()), "2010--20112010--2011Apr-10-1");
}

// Two subscribers worked one after the other, the second picked from the list without EXISTING
// SUBSCRIBER again: the second starts from the blank sheet.
// SITA on 25000: 2500 a month, a refund of 1333 in every month, 5000 withdrawn in Sep-11 (the 6th), 7.1 %.
//   Bk = 25000 + 3833k - 5000 from k = 6; sum = 300000 + 3833 x 78 - 5000 x 7 = 563974;
//   I = 563974 / 12 x 0.071 = 3336.85 -> 3337; closing 25000 + 30000 + 15996 + 3337 - 5000 = 69333.
// RAM on 10000: 6000 a month, no refund or withdrawal, 7.1 %.
//   Bk = 10000 + 6000k: 16000 ... 82000; sum = 120000 + 6000 x 78 = 588000;
//   I = 49000 x 0.071 = 3479; closing 10000 + 72000 + 0 + 3479 - 0 = 85479.
TEST_F(GpfFormTest, AnAccountPickedAfterAnotherYearStartsFromTheBlankSheet)
{
    existing("456");
    enter(box(5), "2500");
    enter(box(6), "1333");
    enter(box(8), "01/04/2011");
    boxes.answer(forms::vbNo, "Have another refund?");
    enter(box(4), "31/03/2012");
    enter(box(7), "5000");
    boxes.answer(forms::vbNo, "Have another Loan to enter now?");
    ASSERT_TRUE(choose(*form->Combo1, "Sep-11"));
    enter(box(9), "7.1");
    click(*form->Command7);
    click(*form->Command3);
    EXPECT_EQ(record("456"), "2011--2012|456|SITA|25000|30000|15996|3337|5000|69333");
    said();

    ASSERT_TRUE(choose(*form->Combo2, "123"));
    EXPECT_EQ(sheetColumn("distinct name, refund, loan"), "x,0,0");
    EXPECT_TRUE(form->Combo1->locked() && on("Text5") && on("Text6") && on("Text7") && on("Text9") && on("Command8"));
    EXPECT_FALSE(on("Command7") || on("Command3") || on("Command6"));
    enter(box(5), "6000");
    enter(box(6), "0");
    enter(box(7), "0");
    enter(box(9), "7.1");
    click(*form->Command7);
    EXPECT_EQ(summary(), "10000|72000|0|3479|0|85479");
    EXPECT_EQ(sheetColumn("refund, loan, cumulative"),
              "0,0,16000|0,0,22000|0,0,28000|0,0,34000|0,0,40000|0,0,46000|"
              "0,0,52000|0,0,58000|0,0,64000|0,0,70000|0,0,76000|0,0,82000");
    click(*form->Command3);
    EXPECT_EQ(said(), (QStringList{kNote, "PLEASE NOTE|64|REPORT SAVED IN THE BROAD SHEET"}));
    EXPECT_EQ(record("123"), "2011--2012|123|RAM|10000|72000|0|3479|0|85479");
}

TEST_F(GpfFormTest, StepsRefuseASheetOfAnotherAccountOrYearAMissingLastYearOrSheetRow)
{
    existing("123");
    enter(box(5), "500");
    ASSERT_TRUE(choose(*form->Combo2, "456"));
    said();
    enter(box(9), "8");
    enter(box(6), "0");
    EXPECT_EQ(said() << box(14).text() + focused()->objectName(), (QStringList{kNotThisSheet, kNotThisSheet, "Text5"}));
    pickDate(*form->DTPicker1, QDate(2010, 4, 1));
    ASSERT_TRUE(choose(*form->Combo2, "123"));
    said();
    enter(box(7), "100");
    EXPECT_EQ(said(), QStringList{kNotThisSheet});

    pickDate(*form->DTPicker1, QDate(2011, 4, 1));
    ASSERT_TRUE(choose(*form->Combo2, "789"));
    enter(box(5), "100");
    said();
    const QString before = sheetColumn("total, cumulative");
    enter(box(9), "8");
    EXPECT_EQ(said() << box(14).text() + box(10).text(),
              (QStringList{"PLEASE NOTE|64|Openning Balance Not Found. Check Previous Year's Record.", ""}));
    EXPECT_EQ(sheetColumn("total, cumulative"), before);
    EXPECT_FALSE(on("Command7"));

    // A blank sheet without its twelve rows: refused when the sheet is made again, and the sheet kept.
    salaryDb().execute("delete from first_sheet where rowid = 1");
    click(*form->Option1);
    click(*form->Option2);
    EXPECT_EQ(said() << sheetColumn("count(*), min(subs), max(subs)"),
              (QStringList{"PLEASE NOTE|16|The blank G.P.F sheet holds 11 rows instead of twelve, so no year can "
                           "be worked out. The sheet was kept as it was.", "12,100,100"}));
    // Nor is an account taken then, so no step works on the sheet kept.
    ASSERT_TRUE(choose(*form->Combo2, "123"));
    enter(box(9), "8");
    EXPECT_EQ(said() << QString::number(form->Combo2->listIndex()) + "|"
                            + sheetColumn("count(*), min(subs), max(subs)"),
              (QStringList{"PLEASE NOTE|16|The blank G.P.F sheet holds 11 rows instead of twelve, so no year can "
                           "be worked out. The sheet was kept as it was.", kNotThisSheet, "-1|12,100,100"}));
}

// A pick refused (no whole blank sheet) or failed part way (the broad sheet
// unreadable) leaves nobody chosen: not the subscriber shown before it.
TEST_F(GpfFormTest, APickRefusedOrFailedShowsNoEarlierSubscriber)
{
    // The monthly subscription (Text5) too.
    const auto shown = [this] {
        return QStringList{form->Combo2->text(), box(1).text(), box(2).text(), form->Label29->caption(),
                           form->Label31->caption(), summary(), box(5).text()}.join('/');
    };
    pickDate(*form->DTPicker1, QDate(2010, 4, 1));
    existing("456");
    type(box(5), "500");
    EXPECT_EQ(shown(), "456/456/SITA/SITA/SITA/20000|4000|0|1000|0|25000/500");

    salaryDb().execute("delete from first_sheet where rowid = 1");
    ASSERT_TRUE(choose(*form->Combo2, "123"));
    EXPECT_EQ(said(), QStringList{"PLEASE NOTE|16|The blank G.P.F sheet holds 11 rows instead of twelve, so no "
                                  "year can be worked out. The sheet was kept as it was."});
    EXPECT_EQ(shown(), QString("/////|||||/"));
    EXPECT_EQ(form->Combo2->listIndex(), -1);

    salaryDb().execute("insert into first_sheet select * from calc_sheet limit 1");
    existing("456");
    type(box(5), "500");
    salaryDb().execute("alter table broadsheet rename to broadsheet_away");
    ASSERT_TRUE(choose(*form->Combo2, "123"));
    salaryDb().execute("alter table broadsheet_away rename to broadsheet");
    const QStringList failed = said();
    ASSERT_EQ(failed.size(), 1);
    EXPECT_TRUE(failed[0].contains("|16|")) << failed[0].toStdString();
    EXPECT_EQ(shown(), QString("/////|||||/"));
    EXPECT_EQ(form->Combo2->listIndex(), -1);
}

TEST_F(GpfFormTest, NewSubscribersYearIsCheckedWorkedOutAndFiledOnce)
{
    click(*form->Option1);
    for (auto [n, text] : {std::pair{1, "EDN/9"}, {2, "NEW ONE"}, {19, "1000"}, {3, "2400"}, {15, "600"}, {11, "300"},
                           {12, "500"}})
        enter(box(n), text);
    EXPECT_EQ(box(13).text() + focused()->objectName(), "3800Command1");

    for (auto [n, text] : {std::pair{19, "abc"}, {19, "1000"}, {3, "1,000"}}) {
        type(box(n), text);
        focus(box(12));
        focus(box(13));
    }
    EXPECT_EQ(said() << box(13).text() + focused()->objectName(),
              (QStringList{"Please Note|64|OPENNING BALANCE MUST BE A NUMBER", "Please Note|64|SUBSCRIPTION MUST BE A NUMBER",
                           "3800Text3"}));
    type(box(3), "2400");
    type(box(15), "700"); // changed after the closing balance was worked out
    click(*form->Command1);
    EXPECT_EQ(said(), QStringList{"PLEASE NOTE|64|Data Entered in the Broad Sheet"});
    EXPECT_EQ(record("EDN/9"), "2011--2012|EDN/9|NEW ONE|1000|2400|700|300|500|3900");
    EXPECT_EQ(box(1).text() + box(2).text() + box(13).text() + box(19).text() + QString::number(form->Combo2->listCount()), "3");

    // Again for the same year: refused, the entries kept.
    for (auto [n, text] : {std::pair{1, " EDN/9 "}, {2, "OTHER"}, {19, "1"}, {3, "2"}, {15, "3"}, {11, "4"}, {12, "0"}})
        type(box(n), text);
    focus(box(13));
    type(box(13), "11"); // typed over: filed as typed
    click(*form->Command1);
    EXPECT_EQ(said() << box(1).text() + "|" + box(13).text(), (QStringList{kDuplicate, " EDN/9 |11"}));
    type(box(1), "EDN/10");
    click(*form->Command1);
    EXPECT_EQ(record("EDN/10"), "2011--2012|EDN/10|OTHER|1|2|3|4|0|11");

    said();
    click(*form->Option1); // one blank in the account and name
    click(*form->Command1);
    type(box(1), "EDN/11");
    box(2).setText("");
    click(*form->Command1);
    EXPECT_EQ(said() << focused()->objectName(),
              (QStringList{"Please Note|64|ACCOUNT NUMBER LEFT BLANK", "Please Note|64|NAME NOT MENTIONED", "Text2"}));

    // Odd names are filed as typed; figures beyond a thousand crore, no plain figure, control characters
    // or a text beyond its column are refused and nothing is filed.
    const std::pair<int, QString> figures[] = {
        {19, "OPENING BALANCE MUST BE A NUMBER"}, {3, "G.P.F SUBSCRIPTION MUST BE A NUMBER"},
        {15, "REFUND OF LOAN MUST BE A NUMBER"}, {11, "INTEREST MUST BE A NUMERIC DIGIT"}, {12, "LOAN AMOUNT MUST BE A NUMBER"}};
    click(*form->Option1);
    std::vector<Refusal> table;
    for (const auto& [n, message] : figures) {
        table.push_back({&box(n), {"-1"}, {"Please Note|64|A NEGATIVE FIGURE IS NOT ACCEPTED HERE"}});
        table.push_back({&box(n), notAmounts().mid(1) + QStringList{"10000000000", "", " "}, {"Please Note|64|" + message}});
    }
    for (const auto& [n, caption, width] : {std::tuple{1, "ACCOUNT NUMBER", 20}, {2, "NAME", 50}})
        for (const auto& line : unstorable(&box(n), caption, width, "Please Note|64|"))
            table.push_back(line);
    expectRefused(table, [&](forms::TextBox& b, const QString& text) {
        for (const auto& [m, _] : figures)
            box(m).setText("9999999999.99");
        box(1).setText("EDN/1");
        box(2).setText("NEW");
        focus(box(1)); // out of the box the last refusal sent the focus to
        b.setText(text);
        click(*form->Command1);
        return said();
    });

    for (const QString& name : keptTexts()) {
        const QString account = QString("ODD/%1").arg(name.size());
        box(1).setText(account);
        box(2).setText(name);
        for (const auto& [m, _] : figures)
            box(m).setText("1");
        click(*form->Command1);
        EXPECT_EQ(said(), QStringList{"PLEASE NOTE|64|Data Entered in the Broad Sheet"});
        EXPECT_EQ(record(account), "2011--2012|" + account + "|" + name.trimmed() + "|1|1|1|1|1|3");
    }
}


// A negative figure is selected and refund dates must be real and in order. Each calculation box refuses
// every text that is no plain amount in its range with its own message, and the sheet and the broad sheet
// stay as they were.
TEST_F(GpfFormTest, HostileTextInTheCalculationBoxesIsRefusedWithTheBoxsMessage)
{
    const std::tuple<int, QString, QString, QStringList, QString> calculation[] = {
        // box, title, its words, also refused, typed last to move on
        {5, "Hi", "MONTHLY SUBSCRIPTION MUST BE A NUMBER", {"99999999999", "10000000", "", " "}, "  500  "},
        {6, "Please Note", "REFUND OF LOAN MUST BE A NUMBER", {"99999999999", "", " "}, "0"},
        {7, "Please Note", "WITHDRAWAL MUST BE A NUMBER", {"99999999999", "10000000"}, " "}, // blank is none
        {9, "Hi", "INTEREST RATE MUST BE A NUMBER", {"", " "}, "8"},
    };
    existing("123");
    said();
    enter(box(5), "-5");
    EXPECT_EQ(box(5).selectedText(), "-5");
    for (auto [n, text] : {std::pair{5, "500"}, {6, "500"}, {8, "31/02/2011"}, {8, "01/06/2011"}, {4, "June"},
                           {4, "01/05/2011"}})
        enter(box(n), text);
    type(box(6), "5OO");
    enter(box(4), "01/07/2011");
    EXPECT_EQ(said() << focused()->objectName(),
              (QStringList{"Hi|64|A NEGATIVE FIGURE IS NOT ACCEPTED HERE", "PLEASE NOTE|64|ONLY DATE IS ACCEPTABLE",
                           "Please Note|64|Only Date is Acceptable", "Please Note|64|THE REFUND PERIOD ENDS BEFORE IT BEGINS",
                           "Please Note|64|REFUND OF LOAN MUST BE A NUMBER", "Text6"}));
    EXPECT_EQ(sheetColumn("sum(refund), sum(loan), sum(cumulative)"), "0,0,0");
    for (const auto& [n, title, words, also, accepted] : calculation) {
        expectRefused({{&box(n), {"-1"}, {title + "|64|A NEGATIVE FIGURE IS NOT ACCEPTED HERE"}},
                       {&box(n), notAmounts().mid(1) + also, {title + "|64|" + words}}},
                      [&](forms::TextBox& b, const QString& text) {
                          paste(b, text);
                          pressEnter(b);
                          EXPECT_EQ(focused(), &b);
                          return said();
                      });
        enter(box(n), accepted);
        EXPECT_EQ(said(), QStringList{});
    }
    // The largest subscription a salary holds and a rate with many places are taken.
    enter(box(5), "9999999.99");
    EXPECT_EQ(sheetColumn("distinct subs"), "9999999.99");
    enter(box(5), "500");
    enter(box(9), "99999999999");
    EXPECT_TRUE(on("Command7"));
    enter(box(9), "8");

    // An opening balance typed over before CALCULATE is refused. Left blank, CALCULATE
    // takes it as 0 but SAVE refuses it, and nothing is filed.
    expectRefused({{&box(14), notAmounts().mid(1) + QStringList{"99999999999", "10000000000"},
                    {"Hi|64|OPENING BALANCE MUST BE A NUMBER"}},
                   {&box(14), {""}, {"Hi|16|INVALID PROCEDURE. UNKNOWN ERROR"}}},
                  [&](forms::TextBox& b, const QString& text) {
                      enter(box(9), "8");
                      paste(b, text);
                      click(*form->Command7);
                      click(*form->Command3);
                      return said();
                  });
}

} // namespace
