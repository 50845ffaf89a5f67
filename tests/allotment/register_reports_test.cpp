#include "allotment/financial_report_form.h"
#include "allotment/register_reports.h"
#include "allotment/report_period.h"

#include "register_rows.h"

#include "platform/data/database.h"
#include "platform/reports/registry.h"
#include "support/form_fixture.h"

namespace {

using allotment::Form4;

const QString kSalaryCode = "2202-01-NP-001-0001-01";
const QString kOfficeCode = "2202-01-NP-001-0001-13";

using namespace allotmenttest;
using allotment::Oc;
using allotment::Oe;
using allotment::Pay;

TEST(ReportPeriod, MonthsOfTheFinancialYear)
{
    // February of 2011-12 (a leap year) is the form test's case.
    EXPECT_EQ(allotment::monthPeriod("FEBRUARY", 2012)->to, "28/02/2013");
    EXPECT_EQ(allotment::monthPeriod("DECEMBER", 2011)->from + allotment::monthPeriod("DECEMBER", 2011)->to,
              "01/12/201131/12/2011");
    EXPECT_EQ(allotment::monthPeriod("APRIL", 2011)->monthNo, 4);
    EXPECT_EQ(allotment::monthPeriod("MARCH", 2011)->to, "31/03/2012");
    EXPECT_EQ(allotment::monthPeriod("MARCH", 2011)->monthNo, 15);
    EXPECT_FALSE(allotment::monthPeriod("MARCHX", 2011));
}

struct FinancialReportTest : testsupport::FormFixture<Form4> {
    testsupport::ScriptedBoxes boxes;
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
    ASSERT_EQ(form->Combo1->listCount(), 2);
    EXPECT_EQ(form->Combo1->list(0), "SALARY");
    EXPECT_EQ(form->Combo1->itemData(1).toString(), "2202-01-NP-001-0002-01");
    EXPECT_EQ(form->Combo2->list(0), "APRIL");
    EXPECT_EQ(form->Combo2->list(11), "MARCH");

    // A month before any year start leaves the year part blank (leaving the
    // empty year box on the way asks first), and the reports refuse it.
    boxes.answer(forms::vbNo, "YOUR INPUT IS NOT A DATE");
    testsupport::choose(*form->Combo2, "FEBRUARY");
    EXPECT_EQ(form->Text1->text(), "01/02/");
    EXPECT_EQ(form->Text2->text(), "28/02/");
    EXPECT_EQ(form->Label14->caption(), "14");
    testsupport::click(*form->Command1);
    EXPECT_EQ(boxes.lastPrompt(), "ONLY DATE ARE ACCEPTABLE");
    EXPECT_EQ(boxes.boxes().size(), 2);

    testsupport::enter(*form->Text3, "01/04/2011");
    EXPECT_EQ(form->Label10->caption() + "-" + form->Label11->caption() + " " + form->Label16->caption(),
              "2011-2012 APR-11");
    EXPECT_EQ(testsupport::focused(), form->Text1);

    testsupport::choose(*form->Combo2, "FEBRUARY");
    EXPECT_EQ(form->Text1->text() + " " + form->Text2->text() + " " + form->Label14->caption(),
              "01/02/2012 29/02/2012 14");
    EXPECT_TRUE(form->Command1->enabled());
    EXPECT_TRUE(form->Command2->enabled());
    EXPECT_FALSE(form->Command4->enabled());

    testsupport::choose(*form->Combo1, "SALARY OF SCHOOLS");
    EXPECT_EQ(form->Label9->caption(), "2202-01-NP-001-0002-");

    // A head deleted since the list was filled is not found, and that is said.
    fund().execute("delete from head where drawal_code = ?", {kSalaryCode});
    testsupport::choose(*form->Combo1, "SALARY");
    EXPECT_EQ(boxes.lastPrompt(), "THIS HEAD IS NOT FOUND. IT MAY HAVE BEEN CHANGED OR DELETED.");
    EXPECT_EQ(form->Label9->caption(), "");

    // A year start that is no date: asked, and on No nothing changes.
    boxes.answer(forms::vbNo, "YOUR INPUT IS NOT A DATE. DO YOU WISHT TO CORRECT NOW?");
    testsupport::enter(*form->Text3, "31/13/2011");
    EXPECT_EQ(boxes.boxes().last().title, "Hi");
    EXPECT_EQ(form->Label10->caption(), "2011");
}

TEST_F(FinancialReportTest, RegisterReportsHoldThePeriodsRowsOnly)
{
    addHead(kSalaryCode, "SALARY", "A", QDate());
    addHead(kOfficeCode, "OFFICE", "A", QDate());
    addAllotment(kSalaryCode, "0", QDate(2011, 4, 1), {{Pay, 0}});          // opening row
    addAllotment(kSalaryCode, "A/0", QDate(2011, 3, 31), {{Pay, 10}});      // before the period
    addAllotment(kSalaryCode, "A/1", QDate(2011, 4, 1), {{Pay, 1500.5}});
    addAllotment(kOfficeCode, "B/7", QDate(2011, 4, 30), {{Pay, 0}, {Oc, 250}});
    addAllotment(kSalaryCode, "A/2", QDate(2011, 5, 1), {{Pay, 20}});       // after it
    addBill(kSalaryCode, 0, QDate(2011, 4, 1), {{Pay, 0}});                 // opening row
    addBill(kSalaryCode, 12, QDate(2011, 4, 30), {{Pay, 900}});
    addBill(kOfficeCode, 3, QDate(2011, 4, 5), {{Pay, 0}, {Oe, 40}});
    addBill(kSalaryCode, 2, QDate(2011, 3, 31), {{Pay, 5}});
    addBill(kSalaryCode, 13, QDate(2011, 5, 1), {{Pay, 5}});
    open();
    testsupport::enter(*form->Text3, "01/04/2011");

    testsupport::type(*form->Text1, "01/04/2011");
    testsupport::type(*form->Text2, "30/04/2011");
    testsupport::click(*form->Command1);
    EXPECT_TRUE(boxes.boxes().isEmpty());
    EXPECT_FALSE(form->Command1->enabled());
    ASSERT_TRUE(reports::Reports::isLoaded<allotment::DataReport9>());
    auto& allotments = reports::Reports::get<allotment::DataReport9>();
    EXPECT_EQ(allotments.layout().title, "ALLOTMENT RECEIVED"); // the preview's window title
    EXPECT_EQ(allotments.orientation(), reports::Orientation::Landscape);
    const reports::PageModel orders = allotments.layout();
    EXPECT_EQ(orders.texts("Label21"), QStringList{"01-Apr-11"});
    EXPECT_EQ(orders.texts("Label23"), QStringList{"30-Apr-11"});
    EXPECT_EQ(orders.texts("Text1"), (QStringList{kSalaryCode, kOfficeCode}));
    EXPECT_EQ(orders.texts("Text3"), (QStringList{"A/1", "B/7"}));
    EXPECT_EQ(orders.texts("Text4"), (QStringList{"01/04/11", "30/04/11"}));
    EXPECT_EQ(orders.texts("Text5"), (QStringList{"1500.5", "0"}));  // pay
    EXPECT_EQ(orders.texts("Text17"), (QStringList{"0", "250"}));    // other charges
    EXPECT_EQ(orders.texts("Label16"), QStringList{"OC"});

    testsupport::click(*form->Command2);
    auto& bills = reports::Reports::get<allotment::DataReport10>();
    EXPECT_EQ(bills.layout().title, "EXPENDITURE REPORT");
    const reports::PageModel drawn = bills.layout();
    EXPECT_EQ(drawn.texts("Label19"), QStringList{"01-Apr-11"});
    EXPECT_EQ(drawn.texts("Label21"), QStringList{"30-Apr-11"});
    EXPECT_EQ(drawn.texts("Text1"), (QStringList{"3", "12"}));   // by bill number
    EXPECT_EQ(drawn.texts("Text2"), (QStringList{"05/04/11", "30/04/11"}));
    EXPECT_EQ(drawn.texts("Text3"), (QStringList{"0", "900"}));
    EXPECT_EQ(drawn.texts("Text14"), (QStringList{"40", "0"}));  // office expenses
    EXPECT_EQ(drawn.texts("Text16"), (QStringList{"OFFICE", "SALARY"}));

    // A later change of the period enables the report again and it is built afresh.
    testsupport::type(*form->Text1, "01/05/2011");
    testsupport::type(*form->Text2, "31/05/2011");
    EXPECT_TRUE(form->Command2->enabled());
    testsupport::click(*form->Command2);
    EXPECT_EQ(reports::Reports::get<allotment::DataReport10>().layout().texts("Text1"), QStringList{"13"});
}

TEST_F(FinancialReportTest, ClosingAsksNothingAboutAnUnfinishedYearStart)
{
    // CLOSE straight from the empty year box, and unloading with a bad year
    // start in it: no question that the closing form would ignore.
    open();
    ASSERT_EQ(testsupport::focused(), form->Text3);
    testsupport::click(*form->Command3);
    testsupport::settle();
    EXPECT_TRUE(boxes.boxes().isEmpty()) << boxes.prompts().join('|').toStdString();
    EXPECT_FALSE(forms::Forms::loaded("Form4"));

    open();
    testsupport::type(*form->Text3, "31/13/2011");
    forms::Forms::unloadAll();
    testsupport::settle();
    EXPECT_TRUE(boxes.boxes().isEmpty()) << boxes.prompts().join('|').toStdString();
}

TEST_F(FinancialReportTest, PeriodBoxesThatAreNoDatesAreRefused)
{
    open();
    testsupport::enter(*form->Text3, "01/04/2011");
    testsupport::type(*form->Text1, "31/02/2012");
    testsupport::type(*form->Text2, "30/04/2011");
    testsupport::click(*form->Command1);
    ASSERT_EQ(boxes.boxes().size(), 1);
    EXPECT_EQ(boxes.boxes()[0].prompt, "ONLY DATE ARE ACCEPTABLE");
    EXPECT_EQ(boxes.boxes()[0].title, "Please Note");
    EXPECT_EQ(testsupport::focused(), form->Text1);
    EXPECT_FALSE(reports::Reports::isLoaded<allotment::DataReport9>());

    testsupport::type(*form->Text1, "01/04/2011");
    testsupport::type(*form->Text2, "04/31/2011");   // month first is no date here
    testsupport::click(*form->Command2);
    EXPECT_EQ(boxes.lastPrompt(), "ONLY DATE ARE ACCEPTABLE");
    EXPECT_EQ(testsupport::focused(), form->Text2);
    EXPECT_FALSE(reports::Reports::isLoaded<allotment::DataReport10>());

    // With the from-date emptied, Enter in the to-date box sends the user back.
    testsupport::type(*form->Text1, "x");
    form->Text1->clear();
    EXPECT_FALSE(form->Command1->enabled());
    EXPECT_FALSE(form->Command2->enabled());
    testsupport::enter(*form->Text2, "30/04/2011");
    EXPECT_EQ(boxes.lastPrompt(), "RE-SET STARTING DATE TO PROCEED");
    EXPECT_EQ(testsupport::focused(), form->Text1);
}

} // namespace
