#include "allotment/financial_report_form.h"
#include "allotment/register_reports.h"
#include "allotment/report_period.h"

#include "register_rows.h"

#include "platform/data/database.h"
#include "platform/reports/registry.h"
#include "support/form_fixture.h"
#include "support/report_texts.h"

namespace {

using allotment::Form4;

const QString kSalaryCode = "2202-01-NP-001-0001-01";
const QString kOfficeCode = "2202-01-NP-001-0001-13";

using namespace allotmenttest;
using namespace testsupport;
using allotment::Oc;
using allotment::Oe;
using allotment::Pay;

TEST(ReportPeriod, MonthsOfTheFinancialYear)
{
    // February of 2011-12 (a leap year) is the form test's case.
    QStringList got;
    for (auto [month, year] : {std::pair{"FEBRUARY", 2012}, {"DECEMBER", 2011}, {"APRIL", 2011}, {"MARCH", 2011}})
        got << QStringLiteral("%1-%2 %3").arg(allotment::monthPeriod(month, year)->from,
                                                  allotment::monthPeriod(month, year)->to)
                   .arg(allotment::monthPeriod(month, year)->monthNo);
    EXPECT_EQ(got, (QStringList{"01/02/2013-28/02/2013 14", "01/12/2011-31/12/2011 12", "01/04/2011-30/04/2011 4",
                                "01/03/2012-31/03/2012 15"}));
    EXPECT_FALSE(allotment::monthPeriod("MARCHX", 2011));
}

struct FinancialReportTest : FormFixture<Form4> {
    ScriptedBoxes boxes;
    void TearDown() override
    {
        reports::Reports::unloadAll();
        FormFixture::TearDown();
    }
};

TEST_F(FinancialReportTest, YearStartMonthAndHeadFillTheFrame)
{
    addHead(kSalaryCode, "SALARY", "A", QDate());
    addHead(kOfficeCode, "OFFICE EXPENSES", "A", QDate());
    addHead("2202-01-NP-001-0002-01", "SALARY OF SCHOOLS", "A", QDate());
    open();

    // Only salary heads are offered, each carrying its code.
    EXPECT_EQ((QStringList{QString::number(form->Combo1->listCount()), form->Combo1->list(0),
                           form->Combo1->itemData(1).toString(), form->Combo2->list(0) + form->Combo2->list(11)}),
              (QStringList{"2", "SALARY", "2202-01-NP-001-0002-01", "APRILMARCH"}));

    // A month before any year start leaves the year part blank (leaving the
    // empty year box on the way asks first), and the reports refuse it.
    EXPECT_EQ(saidBy([&] {
                  choose(*form->Combo2, "FEBRUARY");
                  click(*form->Command1);
              }, {{forms::vbNo, "YOUR INPUT IS NOT A DATE"}}),
              (QStringList{"Hi|4|YOUR INPUT IS NOT A DATE. DO YOU WISHT TO CORRECT NOW?",
                           "Please Note|64|ONLY DATE ARE ACCEPTABLE"}));
    EXPECT_EQ(texts({1, 2}) << form->Label14->caption(), (QStringList{"01/02/", "28/02/", "14"}));

    enter(*form->Text3, "01/04/2011");
    EXPECT_EQ(form->Label10->caption() + "-" + form->Label11->caption() + " " + form->Label16->caption() + " "
                  + focused()->objectName(), "2011-2012 APR-11 Text1");

    choose(*form->Combo2, "FEBRUARY");
    EXPECT_EQ(form->Text1->text() + " " + form->Text2->text() + " " + form->Label14->caption(),
              "01/02/2012 29/02/2012 14");
    EXPECT_TRUE(form->Command1->enabled() && form->Command2->enabled() && !form->Command4->enabled());

    choose(*form->Combo1, "SALARY OF SCHOOLS");
    EXPECT_EQ(form->Label9->caption(), "2202-01-NP-001-0002-");

    // A head deleted since the list was filled is not found, and that is said.
    fund().execute("delete from head where drawal_code = ?", {kSalaryCode});
    EXPECT_EQ(saidBy([&] { choose(*form->Combo1, "SALARY"); }) << form->Label9->caption(),
              (QStringList{"Hi|64|THIS HEAD IS NOT FOUND. IT MAY HAVE BEEN CHANGED OR DELETED.", ""}));

    // A year start that is no date: asked, and on No nothing changes.
    EXPECT_EQ(saidBy([&] { enter(*form->Text3, "31/13/2011"); }, {{forms::vbNo, "NOT A DATE"}}).value(0).left(5),
              "Hi|4|");
    EXPECT_EQ(form->Label10->caption(), "2011");
}

TEST_F(FinancialReportTest, RegisterReportsHoldThePeriodsRowsOnly)
{
    addHead(kSalaryCode, "SALARY", "A", QDate());
    addHead(kOfficeCode, "OFFICE", "A", QDate());
    // Opening rows, rows before the period, in it and after it.
    for (const auto& [head, order, date, pay] : {std::tuple{kSalaryCode, "0", QDate(2011, 4, 1), 0.0},
             {kSalaryCode, "A/0", QDate(2011, 3, 31), 10.0}, {kSalaryCode, "A/1", QDate(2011, 4, 1), 1500.5},
             {kSalaryCode, "A/2", QDate(2011, 5, 1), 20.0}})
        addAllotment(head, order, date, {{Pay, pay}});
    addAllotment(kOfficeCode, "B/7", QDate(2011, 4, 30), {{Pay, 0}, {Oc, 250}});
    addAllotment(kSalaryCode, "A/3", QDate(2011, 4, 1), {{Pay, 7}});
    fund().execute("update all_allot set order_date = '2011-04-31' where order_no = 'A/3'");
    for (const auto& [number, date, pay] : {std::tuple{0, QDate(2011, 4, 1), 0.0}, {12, QDate(2011, 4, 30), 900.0},
             {2, QDate(2011, 3, 31), 5.0}, {13, QDate(2011, 5, 1), 5.0}})
        addBill(kSalaryCode, number, date, {{Pay, pay}});
    addBill(kOfficeCode, 3, QDate(2011, 4, 5), {{Pay, 0}, {Oe, 40}});
    // Held under a date that is no date: April's, as April's B-statement counts it.
    addBill(kSalaryCode, 14, QString("2011-04-31"), {{Pay, 7}});
    open();
    enter(*form->Text3, "01/04/2011");

    type(*form->Text1, "01/04/2011");
    type(*form->Text2, "30/04/2011");
    click(*form->Command1);
    EXPECT_TRUE(boxes.boxes().isEmpty() && !form->Command1->enabled());
    ASSERT_TRUE(reports::Reports::isLoaded<allotment::DataReport9>());
    auto& allotments = reports::Reports::get<allotment::DataReport9>();
    // The preview's window title.
    EXPECT_TRUE(allotments.layout().title == "ALLOTMENT RECEIVED"
                && allotments.orientation() == reports::Orientation::Landscape);
    // Each field's texts down the page; pay (Text5), other charges (Text17).
    EXPECT_EQ(textsOf(allotments.layout(), {"Label21", "Label23", "Text1", "Text3", "Text4", "Text5", "Text17", "Label16"}),
              (QStringList{"01-Apr-11", "30-Apr-11", kSalaryCode + "|" + kOfficeCode + "|" + kSalaryCode, "A/1|B/7|A/3",
                           "01/04/11|30/04/11|2011-04-31", "1500.5|0|7", "0|250|0", "OC"}));

    click(*form->Command2);
    auto& bills = reports::Reports::get<allotment::DataReport10>();
    EXPECT_EQ(bills.layout().title, "EXPENDITURE REPORT");
    // By bill number; office expenses (Text14).
    EXPECT_EQ(textsOf(bills.layout(), {"Label19", "Label21", "Text1", "Text2", "Text3", "Text14", "Text16"}),
              (QStringList{"01-Apr-11", "30-Apr-11", "3|12|14", "05/04/11|30/04/11|2011-04-31", "0|900|7", "40|0|0",
                           "OFFICE|SALARY|SALARY"}));

    // A later change of the period enables the report again and it is built afresh.
    type(*form->Text1, "01/05/2011");
    type(*form->Text2, "31/05/2011");
    EXPECT_TRUE(form->Command2->enabled());
    click(*form->Command2);
    EXPECT_EQ(reports::Reports::get<allotment::DataReport10>().layout().texts("Text1"), QStringList{"13"});
}

TEST_F(FinancialReportTest, ClosingAsksNothingAboutAnUnfinishedYearStart)
{
    // CLOSE straight from the empty year box, and unloading with a bad year
    // start in it: no question that the closing form would ignore.
    open();
    ASSERT_EQ(focused(), form->Text3);
    click(*form->Command3);
    settle();
    EXPECT_FALSE(forms::Forms::loaded("Form4"));

    open();
    type(*form->Text3, "31/13/2011");
    forms::Forms::unloadAll();
    settle();
    EXPECT_TRUE(boxes.boxes().isEmpty()) << boxes.prompts().join('|').toStdString();
}

TEST_F(FinancialReportTest, PeriodBoxesThatAreNoDatesAreRefused)
{
    open();
    enter(*form->Text3, "01/04/2011");
    const QString noDate = "Please Note|64|ONLY DATE ARE ACCEPTABLE";
    type(*form->Text2, "30/04/2011");
    // Month first is no date here.
    for (auto [from, to, report] : {std::tuple{"31/02/2012", "30/04/2011", 1}, {"01/04/2011", "04/31/2011", 2}}) {
        type(*form->Text1, from);
        type(*form->Text2, to);
        EXPECT_EQ(saidBy([&] { click(report == 1 ? *form->Command1 : *form->Command2); }) << focused()->objectName(),
                  (QStringList{noDate, report == 1 ? "Text1" : "Text2"}));
    }
    EXPECT_FALSE(reports::Reports::isLoaded<allotment::DataReport9>() || reports::Reports::isLoaded<allotment::DataReport10>());

    // With the from-date emptied, Enter in the to-date box sends the user back.
    type(*form->Text1, "x");
    form->Text1->clear();
    EXPECT_FALSE(form->Command1->enabled() || form->Command2->enabled());
    EXPECT_EQ(saidBy([&] { enter(*form->Text2, "30/04/2011"); }) << focused()->objectName(),
              (QStringList{"Hi|64|RE-SET STARTING DATE TO PROCEED", "Text1"}));
}

} // namespace
