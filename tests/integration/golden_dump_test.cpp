// The clerk's month on the demo office, written out whole as text: every
// report page's items, the forms' labels and boxes after each step, every row
// of both files with its stored type, and the filled workbooks and documents.
// Two builds' dumps are diffed to show that a rework changed nothing a clerk
// sees. Runs only when DOSSET_GOLDEN_DIR names the folder to write into.
#include "allotment/financial_report_form.h"
#include "allotment/register_form.h"
#include "allotment/register_reports.h"
#include "common/pay_month.h"
#include "common/schema.h"
#include "common/templates.h"
#include "paybill/bill_form.h"
#include "paybill/inner_sheet_reports.h"
#include "paybill/schedules/gpf_schedules.h"
#include "paybill/schedules/increment_certificate.h"
#include "paybill/schedules/insurance_schedules.h"
#include "paybill/schedules/recovery_schedules.h"
#include "paybill/schedules/tax_schedules.h"
#include "payslip/pay_reports.h"
#include "payslip/pay_slip_form.h"
#include "payslip/pay_statement_form.h"
#include "platform/data/database.h"
#include "platform/forms/clock.h"
#include "platform/forms/controls.h"
#include "platform/forms/registry.h"
#include "platform/office/desktop.h"
#include "platform/office/package.h"
#include "platform/reports/page_model.h"
#include "platform/reports/registry.h"
#include "platform/reports/report.h"
#include "platform/vb/convert.h"
#include "provident_fund/account_form.h"
#include "salary/single_click_form.h"
#include "setup/demo_office.h"
#include "shell/register_forms.h"
#include "support/temp_data_folder.h"
#include "support/golden_bill_road.h"
#include "support/golden_dump.h"
#include "support/ui_driver.h"

#include <QDir>
#include <QDomDocument>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTextStream>
#include <algorithm>
#include <gtest/gtest.h>

namespace {

using forms::Forms;
using reports::Reports;
using namespace testsupport;
using namespace goldendump;

const QString kHeadA = QStringLiteral("2202-00-109-NP-002-V-01");

// An element with its attributes sorted (the XML writer's order of them is
// not stable from run to run) and its own text, then its children indented.
void element(Dump& d, const QDomElement& e, int depth)
{
    QStringList attrs;
    const QDomNamedNodeMap map = e.attributes();
    for (int i = 0; i < map.count(); ++i) {
        const QDomAttr a = map.item(i).toAttr();
        attrs << QStringLiteral("%1=%2").arg(a.name(), a.value());
    }
    attrs.sort();
    QString text;
    for (QDomNode n = e.firstChild(); !n.isNull(); n = n.nextSibling())
        if (n.isText())
            text += n.toText().data();
    d.line(QString(depth, u' ') + e.tagName() + QLatin1Char(' ') + attrs.join(u' ')
           + (text.isEmpty() ? QString() : QStringLiteral(" [%1]").arg(text)));
    for (QDomElement c = e.firstChildElement(); !c.isNull(); c = c.nextSiblingElement())
        element(d, c, depth + 1);
}

// The parts of a filled file that hold what was written into it.
void officeFile(Dump& d, const QString& path)
{
    d.line(QStringLiteral("== file %1").arg(QFileInfo(path).suffix()));
    const office::Package pkg = office::Package::load(path, 3000);
    QStringList parts;
    for (const char* p : {"xl/sharedStrings.xml", "word/document.xml"})
        parts << QString::fromLatin1(p);
    for (int i = 1; i < 10; ++i)
        parts << QStringLiteral("xl/worksheets/sheet%1.xml").arg(i);
    for (const QString& part : parts) {
        if (!pkg.has(part))
            continue;
        d.line(QStringLiteral("-- part ") + part);
        element(d, pkg.xml(part).documentElement(), 0);
    }
}

class GoldenDump : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (qEnvironmentVariableIsEmpty("DOSSET_GOLDEN_DIR"))
            GTEST_SKIP() << "DOSSET_GOLDEN_DIR is not set";
        if (!Forms::isRegistered(QStringLiteral("Form6")))
            shell::registerAllForms();
        setup::writeStartingRows(QStringLiteral("dosset"));
        setup::writeDemoOffice();
        common::installTemplates(folder.path(), true);
        // Names are not all ASCII in every office.
        data::Database::open(QString::fromLatin1(common::kSalaryDb))
            .execute(QStringLiteral("update employee set name = ? where emp_code = 'A103'"),
                     {QStringLiteral("P. V. Jōshi ज्ञानेश")});
        office::setDesktop(std::make_unique<office::RecordingDesktop>(desktop));
    }
    void TearDown() override
    {
        office::setDesktop(nullptr);
        Reports::unloadAll();
        Forms::unloadAll();
        settle();
    }

    // The files shown since the last call, dumped.
    void newFiles(Dump& d)
    {
        const QStringList all = desktop.opened();
        for (int i = mFilesSeen; i < all.size(); ++i)
            officeFile(d, all[i]);
        mFilesSeen = int(all.size());
    }

    TempDataFolder folder;
    forms::Clock::Override today{QDate::currentDate()};
    const QDate billDate = billDateFor(QDate::currentDate());
    office::RecordingDesktop desktop;
    int mFilesSeen = 0;
};

TEST_F(GoldenDump, MonthOfTheDemoOffice)
{
    const QString dir = qEnvironmentVariable("DOSSET_GOLDEN_DIR");
    QDir().mkpath(dir);
    Dump d(dir);

    d.step(QStringLiteral("demo"));
    tables(d);

    // ---- one click, then one employee's recoveries ----------------------
    auto& f9 = singleClickRun(d, billDate);
    type(f9.control<forms::TextBox>("Text1"), QStringLiteral("A103"));
    click(f9.control<forms::CommandButton>("Command2"));
    enter(f9.control<forms::TextBox>("Text2"), QStringLiteral("1500"));
    enter(f9.control<forms::TextBox>("Text3"), QStringLiteral("500.5"));
    enter(f9.control<forms::TextBox>("Text4"), QStringLiteral("3000"));
    enter(f9.control<forms::TextBox>("Text5"), QStringLiteral("0"));
    form(d, f9);
    {
        ScriptedBoxes b;
        b.answer(forms::vbYes, QStringLiteral("DO YOU LIKE TO SAVE CHANGES?"));
        click(f9.control<forms::CommandButton>("Command3"));
        boxes(d, b);
    }
    form(d, f9);
    tables(d);
    Forms::unload(f9);
    settle();

    ASSERT_NO_FATAL_FAILURE(billEnteredAndActivated(d, billDate, kHeadA));
    auto& f6 = Forms::get<paybill::Form6>();
    std::vector<Command> commands = sheetAndScheduleCommands(f6);
    // The filled files of the bill, with no report to dump.
    for (const auto& [name, button] : {std::pair{"bill-extract", f6.Command10}, std::pair{"da-schedule", f6.Command11},
                                       std::pair{"outer-sheet", f6.Command16}})
        commands.push_back({name, button, [](Dump&) {}});
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
        newFiles(d);
        form(d, f6);
    }

    // ---- the registers of the month and of the year ---------------------
    d.step(QStringLiteral("registers"));
    auto& f4 = Forms::get<allotment::Form4>();
    showForm(f4);
    const QDate yearStart = common::financialYearStart(billDate);
    enter(*f4.Text3, yearStart.toString(QStringLiteral("dd/MM/yyyy")));
    {
        ScriptedBoxes b;
        choose(*f4.Combo2, QLocale(QLocale::English).monthName(billDate.month()).toUpper());
        click(*f4.Command2);
        boxes(d, b);
    }
    report<allotment::DataReport10>(d, "DataReport10");
    type(*f4.Text1, yearStart.toString(QStringLiteral("dd/MM/yyyy")));
    type(*f4.Text2, QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy")));
    {
        ScriptedBoxes b;
        click(*f4.Command1);
        boxes(d, b);
    }
    report<allotment::DataReport9>(d, "DataReport9");
    form(d, f4);

    // ---- pay slips, the cheque and its slip ----------------------------
    d.step(QStringLiteral("pay-slips"));
    auto& f8 = Forms::get<payslip::Form8>();
    showForm(f8);
    f8.setMode(payslip::Form8::Mode::ChequeEntry);
    {
        ScriptedBoxes b;
        enter(*f8.Text1, QStringLiteral("101"));
        type(*f8.Text2, QStringLiteral("CHQ-101"));
        type(*f8.Text3, vb::shortDate(billDate));
        type(*f8.Text4, QStringLiteral("123456.50"));
        click(*f8.Command3);
        boxes(d, b);
    }
    f8.setMode(payslip::Form8::Mode::PaySlip);
    ASSERT_TRUE(chooseByData(*f8.Combo1, billDate));
    {
        ScriptedBoxes b;
        click(*f8.Command1);
        boxes(d, b);
    }
    report<payslip::DataReport7>(d, "DataReport7 all");
    Reports::unload<payslip::DataReport7>();
    {
        ScriptedBoxes b;
        choose(*f8.Combo2, QStringLiteral("A103"));
        click(*f8.Command7);
        boxes(d, b);
    }
    report<payslip::DataReport7>(d, "DataReport7 one");
    form(d, f8);
    f8.setMode(payslip::Form8::Mode::ChequeSlip);
    {
        ScriptedBoxes b;
        chooseByData(*f8.Combo3, kHeadA);
        type(*f8.Text5, f8.Label13->caption());
        type(*f8.Text6, QStringLiteral("CHQ-101"));
        click(*f8.Command4);
        boxes(d, b);
    }
    newFiles(d);
    form(d, f8);
    tables(d);

    // ---- the pay statement of one employee ------------------------------
    d.step(QStringLiteral("pay-statement"));
    auto& f15 = Forms::get<payslip::Form15>();
    showForm(f15);
    {
        ScriptedBoxes b;
        enter(*f15.Text1, QStringLiteral("A103"));
        f15.DTPicker1->setValue(yearStart);
        f15.DTPicker2->setValue(QDate::currentDate());
        click(*f15.Command1);
        boxes(d, b);
    }
    report<payslip::DataReport11>(d, "DataReport11");
    form(d, f15);

    // ---- the provident-fund year of one account -------------------------
    d.step(QStringLiteral("provident-fund"));
    auto& pf = Forms::get<provident_fund::gpf_ac>();
    showForm(pf);
    {
        ScriptedBoxes b;
        click(*pf.Option2);
        choose(*pf.Combo2, QStringLiteral("EDN/4110"));
        enter(*pf.Text5, QStringLiteral("500"));
        enter(*pf.Text6, QStringLiteral("0"));
        pf.Text7->setText(QString());
        pressEnter(*pf.Text7);
        enter(*pf.Text9, QStringLiteral("8"));
        click(*pf.Command7);
        form(d, pf);
        click(*pf.Command6);
        newFiles(d);
        click(*pf.Command3);
        boxes(d, b);
    }
    form(d, pf);
    tables(d);
}

} // namespace
