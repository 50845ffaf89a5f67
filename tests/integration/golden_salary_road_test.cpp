// The older half of the clerk's month on the demo office, written out whole as
// text: salary by every road (one click, the row upkeep, the regular form by
// hand, each irregular bill, the pay upgrade), the bill form with the bill
// register and its Import, the sheets and schedules, allotments, the
// registers' reports and the year-end reset. It builds against an older tree
// as well (the report engine and the dialogs' records differ, templates may be
// absent), so the dumps of two builds can be diffed. Runs only when
// DOSSET_GOLDEN_DIR names the folder to write into.
#include "allotment/financial_report_form.h"
#include "allotment/register_form.h"
#include "allotment/register_reports.h"
#include "common/pay_month.h"
#include "common/schema.h"
#include "paybill/bill_form.h"
#include "paybill/inner_sheet_reports.h"
#include "paybill/schedules/gpf_schedules.h"
#include "paybill/schedules/increment_certificate.h"
#include "paybill/schedules/insurance_schedules.h"
#include "paybill/schedules/recovery_schedules.h"
#include "paybill/schedules/tax_schedules.h"
#include "platform/data/data_control.h"
#include "platform/data/database.h"
#include "platform/forms/clock.h"
#include "platform/forms/controls.h"
#include "platform/forms/registry.h"
#include "platform/reports/page_model.h"
#include "platform/reports/registry.h"
#include "platform/reports/report.h"
#include "salary/irregular_bill_form.h"
#include "salary/pay_upgrade_form.h"
#include "salary/regular_salary_form.h"
#include "salary/single_click_form.h"
#include "setup/demo_office.h"
#include "shell/register_forms.h"
#include "support/temp_data_folder.h"
#include "support/golden_bill_road.h"
#include "support/golden_dump.h"
#include "support/ui_driver.h"
#if __has_include("common/templates.h")
#include "common/templates.h"
#define GOLDEN_HAS_TEMPLATES 1
#endif

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <algorithm>
#include <gtest/gtest.h>

namespace {

using forms::Forms;
using reports::Reports;
using namespace testsupport;
using namespace goldendump;

const QString kHeadA = QStringLiteral("2202-00-109-NP-002-V-01");
const QString kHeadB = QStringLiteral("2202-00-001-NP-001-V-01");

QString dmy(const QDate& d) { return d.toString(QStringLiteral("dd/MM/yyyy")); }

forms::TextBox& box(forms::Form& f, int n) { return f.control<forms::TextBox>(QStringLiteral("Text%1").arg(n)); }
forms::CommandButton& button(forms::Form& f, int n)
{
    return f.control<forms::CommandButton>(QStringLiteral("Command%1").arg(n));
}

class GoldenSalaryRoad : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (qEnvironmentVariableIsEmpty("DOSSET_GOLDEN_DIR"))
            GTEST_SKIP() << "DOSSET_GOLDEN_DIR is not set";
        if (!Forms::isRegistered(QStringLiteral("Form6")))
            shell::registerAllForms();
        setup::writeStartingRows(QStringLiteral("dosset"));
        setup::writeDemoOffice();
#ifdef GOLDEN_HAS_TEMPLATES
        common::installTemplates(folder.path(), true);
#endif
    }
    void TearDown() override
    {
        Reports::unloadAll();
        Forms::unloadAll();
        settle();
    }

    TempDataFolder folder;
    // The demo office dates its registers from the real calendar.
    const QDate todayDate = QDate::currentDate();
    forms::Clock::Override today{todayDate};
    const QDate billDate = billDateFor(todayDate);
};

TEST_F(GoldenSalaryRoad, SalaryBillsAllotmentsRegistersAndReset)
{
    const QString dir = qEnvironmentVariable("DOSSET_GOLDEN_DIR");
    QDir().mkpath(dir);
    Dump d(dir);
    const QDate monthStart(todayDate.year(), todayDate.month(), 1);
    const QDate monthEnd = monthStart.addMonths(1).addDays(-1);

    d.step(QStringLiteral("demo"));
    tables(d);

    // ---- one click, then one employee's row kept up by hand -------------
    auto& f9 = singleClickRun(d, billDate);
    {
        ScriptedBoxes b;
        type(f9.control<forms::TextBox>("Text1"), QStringLiteral("A105"));
        click(f9.control<forms::CommandButton>("Command2"));
        form(d, f9);
        enter(f9.control<forms::TextBox>("Text2"), QStringLiteral("1200"));
        enter(f9.control<forms::TextBox>("Text3"), QStringLiteral("250.5"));
        enter(f9.control<forms::TextBox>("Text4"), QStringLiteral("2000"));
        enter(f9.control<forms::TextBox>("Text5"), QStringLiteral("75"));
        form(d, f9);
        b.answer(forms::vbYes, QStringLiteral("DO YOU LIKE TO SAVE CHANGES?"));
        click(f9.control<forms::CommandButton>("Command3"));
        boxes(d, b);
    }
    form(d, f9);
    tables(d);
    Forms::unload(f9);
    settle();

    // ---- the regular salary form: this month's rows, typed by hand -------
    // Odd amounts among them: what the form takes, refuses and shows.
    d.step(QStringLiteral("regular-salary"));
    {
        const struct {
            const char* code;
            QStringList oa, misc;
        } entries[] = {{"A103", {"150"}, {"25.50"}},
                       {"A102", {"1e2", "&H10", "-50", "100"}, {"1,200", "33.333"}},
                       {"A105", {" 150 "}, {"9999999999999999", "0"}}};
        auto& sal = Forms::get<salary::SALARY>();
        showForm(sal);
        auto* data1 = sal.findChild<data::DataControl*>(QStringLiteral("Data1"));
        for (const auto& e : entries) {
            for (int row = 0; row < data1->rowCount() && box(sal, 2).text() != QLatin1String(e.code); ++row)
                data1->setCurrentRow(row);
            form(d, sal);
            ScriptedBoxes b;
            for (const QString& oa : e.oa) {
                enter(box(sal, 12), oa);
                d.line(QStringLiteral("O.A. [%1] gross=[%2]").arg(oa, box(sal, 13).text()));
            }
            for (const QString& misc : e.misc) {
                enter(box(sal, 19), misc);
                d.line(QStringLiteral("misc [%1] net=[%2]").arg(misc, box(sal, 20).text()));
            }
            form(d, sal);
            click(button(sal, 1));
            click(button(sal, 4));
            boxes(d, b);
            form(d, sal);
        }
        Forms::unload(sal);
        settle();
    }
    tables(d);

    // ---- each irregular bill, dated today ------------------------------
    const struct {
        int option;
        const char* code;
    } irregular[] = {{1, "A106"}, {2, "A107"}, {3, "A108"}, {4, "A109"}};
    for (const auto& ir : irregular) {
        d.step(QStringLiteral("irregular-%1").arg(ir.option));
        auto& f11 = Forms::get<salary::Form11>();
        showForm(f11);
        ScriptedBoxes b;
        click(f11.control<forms::OptionButton>(QStringLiteral("Option%1").arg(ir.option)));
        if (ir.option == 1) {
            enter(box(f11, 21), dmy(monthStart));
            enter(box(f11, 22), dmy(monthStart.addDays(9)));
        }
        enter(box(f11, 1), dmy(todayDate));
        choose(f11.control<forms::ComboBox>("Combo1"), QString::fromLatin1(ir.code));
        pressEnter(box(f11, 2));
        form(d, f11);
        if (ir.option == 2) {
            enter(box(f11, 13), QStringLiteral("5000"));
        } else {
            if (ir.option != 1) {
                type(box(f11, 7), QStringLiteral("1200"));
                type(box(f11, 9), QStringLiteral("480.5"));
            }
            pressEnter(box(f11, 12));
            enter(box(f11, 19), QStringLiteral("10"));
        }
        form(d, f11);
        click(button(f11, 3));
        click(button(f11, 1));
        boxes(d, b);
        form(d, f11);
        Forms::unload(f11);
        settle();
        tables(d);
    }

    // ---- the pay upgrade, finished on the regular salary form -----------
    d.step(QStringLiteral("pay-upgrade"));
    {
        auto& f5 = Forms::get<salary::form5>();
        showForm(f5);
        ScriptedBoxes b;
        enter(box(f5, 1), QStringLiteral("A104"));
        enter(box(f5, 6), QStringLiteral("19500"));
        enter(box(f5, 7), dmy(monthStart));
        enter(box(f5, 8), dmy(monthStart.addDays(13)));
        click(button(f5, 1));
        enter(box(f5, 14), QStringLiteral("19500"));
        enter(box(f5, 15), dmy(monthStart.addDays(14)));
        enter(box(f5, 16), dmy(monthEnd));
        enter(box(f5, 30), QStringLiteral("4800"));
        click(button(f5, 2));
        form(d, f5);
        click(f5.control<forms::CheckBox>("Check2"));
        click(button(f5, 3));
        boxes(d, b);
        if (Forms::isLoaded(QStringLiteral("SALARY"))) {
            auto& sal = Forms::get<salary::SALARY>();
            form(d, sal);
            showForm(sal);
            enter(box(sal, 12), QStringLiteral("100"));
            enter(box(sal, 19), QStringLiteral("0"));
            click(button(sal, 1));
            click(button(sal, 4));
            boxes(d, b);
            form(d, sal);
        }
    }
    tables(d);
    Forms::unloadAll();
    settle();

    ASSERT_NO_FATAL_FAILURE(billEnteredAndActivated(d, billDate, kHeadA));
    auto& f6 = Forms::get<paybill::Form6>();
    auto& f1 = static_cast<allotment::Form1&>(Forms::get(QStringLiteral("Form1")));
    const std::vector<Command> commands = sheetAndScheduleCommands(f6);
    for (const Command& c : commands) {
        d.step(QString::fromLatin1(c.name));
        {
            ScriptedBoxes b;
            if (c.asksToPrint)
                b.answer(forms::vbNo, QStringLiteral("THIS REPORT CONTAINS TOTAL"));
            click(*c.button);
            boxes(d, b);
        }
        c.dump(d);
        form(d, f6);
    }

    // ---- the second salary head: no bill in the register, and none entered
    d.step(QStringLiteral("head-b-no-bill"));
    {
        forms::ScriptedDialogs b; // the missing-bill question goes unanswered: No
        ASSERT_TRUE(chooseByData(*f6.Combo2, kHeadB));
        form(d, f6);
        click(*f6.Command1);
        click(*f6.Command2);
        boxes(d, b);
    }
    report<paybill::DataReport1>(d, "DataReport1 head B");
    form(d, f6);
    tables(d);

    // ---- allotments of the year under both salary heads ----------------
    d.step(QStringLiteral("allotments"));
    {
        const QDate orderDate = billDate.addDays(3);
        const struct {
            const char* order;
            QList<std::pair<int, const char*>> amounts; // Text box, typed amount
        } orders[] = {{"EDN/ALT/201", {{4, "125000"}, {5, "20000"}, {6, "72500.5"}, {7, "15000"}, {8, "1200"}}},
                      {"EDN/ALT/202", {{4, "5000"}, {17, "2500.75"}}}};
        ASSERT_TRUE(choose(*f1.Combo1, kHeadA));
        for (const auto& o : orders) {
            ScriptedBoxes b;
            click(*f1.Option1);
            type(*f1.Text2, QString::fromLatin1(o.order));
            f1.DTPicker3->setValue(orderDate);
            for (const auto& [n, amount] : o.amounts)
                type(box(f1, n), QString::fromLatin1(amount));
            b.answer(forms::vbNo, QStringLiteral("ALLOTMENT ENTERED SUCCESSFULLY"));
            click(*f1.Command1);
            boxes(d, b);
            form(d, f1);
        }
    }
    tables(d);

    // ---- the registers of the month and of the year ---------------------
    d.step(QStringLiteral("registers"));
    auto& f4 = Forms::get<allotment::Form4>();
    showForm(f4);
    const QDate yearStart = common::financialYearStart(billDate);
    enter(*f4.Text3, dmy(yearStart));
    {
        ScriptedBoxes b;
        choose(*f4.Combo2, QLocale(QLocale::English).monthName(billDate.month()).toUpper());
        click(*f4.Command2);
        boxes(d, b);
    }
    report<allotment::DataReport10>(d, "DataReport10 month");
    Reports::unload<allotment::DataReport10>();
    type(*f4.Text1, dmy(yearStart));
    type(*f4.Text2, dmy(todayDate));
    {
        ScriptedBoxes b;
        click(*f4.Command1);
        click(*f4.Command2);
        boxes(d, b);
    }
    report<allotment::DataReport9>(d, "DataReport9");
    report<allotment::DataReport10>(d, "DataReport10 year");
    form(d, f4);
    Forms::unload(f4);
    settle();

    // ---- an allotment typed oddly: refused or taken as before -----------
    d.step(QStringLiteral("odd-allotment"));
    {
        showForm(f1);
        ASSERT_TRUE(choose(*f1.Combo1, kHeadA));
        const QStringList odd = {"1,200", "1e3", "&H20", "-5", "12.345", " 40 "};
        for (const QString& amount : odd) {
            // Unscripted questions are answered No and only recorded here.
            forms::ScriptedDialogs b;
            click(*f1.Option1);
            type(*f1.Text2, QStringLiteral("EDN/ODD/") + amount.trimmed());
            f1.DTPicker3->setValue(billDate.addDays(4));
            type(box(f1, 5), amount);
            click(*f1.Command1);
            d.line(QStringLiteral("typed [%1]").arg(amount));
            boxes(d, b);
            b.clearBoxes();
            click(*f1.Command2);
            boxes(d, b);
            form(d, f1);
        }
    }
    tables(d);

    // ---- the year-end reset, on this copy of the office -----------------
    d.step(QStringLiteral("reset"));
    {
        showForm(f1);
        ScriptedBoxes b;
        f1.DTPicker1->setValue(yearStart.addYears(1));
        click(*f1.Option3);
        form(d, f1);
        b.answer(forms::vbYes, QStringLiteral("ARE YOU SURE")).answer(forms::vbYes, QStringLiteral("ARE YOU SURE"));
        click(*f1.Command6);
        click(*f1.Command3);
        boxes(d, b);
        form(d, f1);
    }
    tables(d);
}

} // namespace
