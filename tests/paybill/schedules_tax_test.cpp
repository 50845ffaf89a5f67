#include "paybill/schedules/schedule_queries.h"
#include "paybill/schedules/gpf_schedules.h"
#include "paybill/schedules/increment_certificate.h"
#include "paybill/schedules/insurance_schedules.h"
#include "paybill/schedules/recovery_schedules.h"
#include "paybill/schedules/tax_schedules.h"
#include "schedules_fixture.h"
#include "support/figures_fit.h"

using namespace schedtest;
using paybill::DataReport13;
using paybill::DataReport4;

TEST_F(BillOnForm, ProfessionalTaxPrintsItsTotalUnformattedWithItsWords)
{
    testsupport::click(*form->Command4);
    EXPECT_EQ(form->Label14->caption(), QStringLiteral("590"));
    EXPECT_EQ(form->Label15->caption(), QStringLiteral("(Five Hundred Ninety) Only"));

    const reports::PageModel m = reports::Reports::get<DataReport4>().layout();
    EXPECT_EQ(textOf(m, "total"), QStringLiteral("590"));
    EXPECT_EQ(textOf(m, "Label26"), QStringLiteral("590"));
    EXPECT_EQ(textOf(m, "Label28"), QStringLiteral("(Five Hundred Ninety) Only"));
    EXPECT_EQ(textOf(m, "Label24"), QString::fromLatin1(kDrawalCode));
    EXPECT_EQ(textOf(m, "Label19"), QStringLiteral("DDO-2"));
    EXPECT_EQ(textOf(m, "Label16"), QStringLiteral("Office of the Sub-Divisional Officer Ranaghat"));
    EXPECT_EQ(textOf(m, "Label17"), QStringLiteral("FEB-12"));
}

TEST_F(BillOnForm, IncomeTaxKeepsTheRowOfAnEmployeeRemovedSinceWithABlankPan)
{
    testsupport::click(*form->Command13);
    EXPECT_EQ(form->Label14->caption(), QStringLiteral("2200"));
    EXPECT_EQ(form->Label15->caption(), QStringLiteral("(Two Thousand Two Hundred ) Only"));

    const reports::PageModel m = reports::Reports::get<DataReport13>().layout();
    EXPECT_EQ(m.texts(QStringLiteral("name")), (QStringList{"Asha Roy", "Emon Kar"}));
    EXPECT_EQ(m.texts(QStringLiteral("pan")), (QStringList{"ABCDE1234F", ""}));
    EXPECT_EQ(m.texts(QStringLiteral("i_tax")), (QStringList{"1500", "700"}));
    EXPECT_EQ(m.texts(QStringLiteral("sl_no")), (QStringList{"1", "2"}));
    // The lines add up to the sum in words.
    EXPECT_EQ(textOf(m, "sum_i_tax"), QStringLiteral("2200"));
    EXPECT_EQ(textOf(m, "label26"), form->Label15->caption());
    EXPECT_EQ(textOf(m, "label6"), QStringLiteral("DDO-2"));
    EXPECT_EQ(textOf(m, "label22"), QString::fromLatin1(kDrawalCode));
}

// Every schedule with nothing in the quiet bill says so in its own words,
// shows no report and leaves the form's totals as they were.
TEST_F(BillOnForm, SchedulesWithNothingToShowSaySo)
{
    activate(kQuietBillDate);
    form->Label14->setCaption(QStringLiteral("before"));
    form->Label15->setCaption(QStringLiteral("(before) Only"));
    form->Label54->setCaption(QStringLiteral("rent before"));
    const struct {
        forms::CommandButton* command;
        const char* note;
        bool (*loaded)();
    } cases[] = {
        {form->Command5, "No Employee found in this Scheme", &reports::Reports::isLoaded<paybill::DataReport2>},
        // The only row has no account and no deduction.
        {form->Command3, "No Employee other than Group 'D' found under this Head",
         &reports::Reports::isLoaded<paybill::DataReport3>},
        {form->Command7, "No Group 'D' Employee found under this Head",
         &reports::Reports::isLoaded<paybill::DataReport6>},
        {form->Command14, "Nothing to display for H.B.Loan under this Head",
         &reports::Reports::isLoaded<paybill::DataReport12>},
        {form->Command19, "Nothing to display for H.R.Deduction under this Head",
         &reports::Reports::isLoaded<paybill::DataReport17>},
        {form->Command12, "Nothing to display for Increment under this Head",
         &reports::Reports::isLoaded<paybill::DataReport14>},
        {form->Command13, "Nothing to display for Income Tax under this Head", &reports::Reports::isLoaded<DataReport13>},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.note);
        testsupport::click(*c.command);
        expectNote(QString::fromLatin1(c.note));
        EXPECT_FALSE(c.loaded());
    }
    EXPECT_EQ(form->Label14->caption(), QStringLiteral("before"));
    EXPECT_EQ(form->Label15->caption(), QStringLiteral("(before) Only"));
    EXPECT_EQ(form->Label54->caption(), QStringLiteral("rent before"));

    // The bill's one member of the 1987 scheme is no longer in the master.
    testsupport::click(*form->Command6);
    EXPECT_TRUE(boxes.boxes().isEmpty());
    EXPECT_EQ(form->Label14->caption(), QStringLiteral("20"));
    EXPECT_EQ(textOf(reports::Reports::get<paybill::DataReport5>().layout(), "sum_total"), QStringLiteral("20"));

    // A bill whose rows pay no professional tax still states its nil amount.
    testsupport::click(*form->Command4);
    EXPECT_TRUE(boxes.boxes().isEmpty());
    EXPECT_EQ(form->Label14->caption(), QStringLiteral("0"));
    EXPECT_EQ(form->Label15->caption(), QStringLiteral("() Only"));

    // With no rows at all the sum is empty, and that is said, not printed.
    reports::Reports::unloadAll();
    form->Label14->setCaption(QStringLiteral("before"));
    salaryDb().execute(QStringLiteral("delete from sal"));
    EXPECT_FALSE(paybill::scheduleTotal(salaryDb(), paybill::Schedule::ProfessionalTax).has_value());
    testsupport::click(*form->Command4);
    expectNote(QStringLiteral("Nothing to display for Prof. Tax under this Head"));
    EXPECT_EQ(form->Label14->caption(), QStringLiteral("before"));
    EXPECT_FALSE(reports::Reports::isLoaded<DataReport4>());
}

// Each row at the ceilings (a part just under one crore, twice that where two add up): every schedule prints its
// figures at their own size, and its totals (the whole rows of the schedules that total a group) hold ten-digit
// rupees with paise.
TEST_F(BillOnForm, CeilingRowsAndTenDigitTotalsFitEverySchedule)
{
    const QString c = QStringLiteral("9999999.99");
    salaryDb().execute(QStringLiteral("UPDATE sal SET pay = %1, gpf_subs = %1, gpf_rec = %1, p_tax = %1, others = %1,"
                                      " hb_loan = %1, hb_int = %1, i_tax = %1").arg(c));
    salaryDb().execute(QStringLiteral("UPDATE temp SET i_tax = %1").arg(c));
    salaryDb().execute(QStringLiteral("UPDATE temp1 SET hb_loan = %1, hb_int = %1").arg(c));
    salaryDb().execute(QStringLiteral("UPDATE ginew SET iftotal = %1, sftotal = %1, total = 2 * %1").arg(c));
    salaryDb().execute(QStringLiteral("insert into emp_temp (emp_code, pr_pay, e_date) values ('S001', %1, '2010-07-01')")
                           .arg(c));
    salaryDb().execute(QStringLiteral("UPDATE employee SET basic = %1").arg(c));
    const struct {
        forms::CommandButton* command;
        reports::PageModel (*layout)();
        bool rowsAreTotals;
    } schedules[] = {
        {form->Command3, [] { return reports::Reports::get<paybill::DataReport3>().layout(); }, false},
        {form->Command7, [] { return reports::Reports::get<paybill::DataReport6>().layout(); }, true},
        {form->Command4, [] { return reports::Reports::get<DataReport4>().layout(); }, true},
        {form->Command5, [] { return reports::Reports::get<paybill::DataReport2>().layout(); }, true},
        {form->Command6, [] { return reports::Reports::get<paybill::DataReport5>().layout(); }, true},
        {form->Command13, [] { return reports::Reports::get<DataReport13>().layout(); }, false},
        {form->Command14, [] { return reports::Reports::get<paybill::DataReport12>().layout(); }, false},
        {form->Command19, [] { return reports::Reports::get<paybill::DataReport17>().layout(); }, false},
        {form->Command12, [] { return reports::Reports::get<paybill::DataReport14>().layout(); }, false},
    };
    for (const auto& s : schedules) {
        testsupport::click(*s.command);
        const auto m = s.layout();
        EXPECT_EQ(testsupport::misfits(m, QStringLiteral("9999999999.99"), s.rowsAreTotals), QStringList())
            << m.title.toStdString();
    }
    EXPECT_TRUE(boxes.boxes().isEmpty()) << boxes.prompts().join(QLatin1Char('|')).toStdString();
}
