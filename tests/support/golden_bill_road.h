// The bill of one head walked as the clerk goes, dumped step by step: the
// bill form's date and head with the missing-bill question, the bill entered
// through Import in the register's form, ACTIVATE NOW; and the bill form's
// sheets and schedules as commands to press. Header-only, so that a copy
// builds on older trees beside golden_dump.h.
#pragma once

#include "allotment/register_form.h"
#include "paybill/bill_form.h"
#include "paybill/inner_sheet_reports.h"
#include "paybill/schedules/gpf_schedules.h"
#include "paybill/schedules/increment_certificate.h"
#include "paybill/schedules/insurance_schedules.h"
#include "paybill/schedules/recovery_schedules.h"
#include "paybill/schedules/tax_schedules.h"
#include "platform/forms/date_picker.h"
#include "salary/single_click_form.h"
#include "platform/forms/registry.h"
#include "support/golden_dump.h"
#include "support/ui_driver.h"

#include <gtest/gtest.h>
#include <vector>

namespace goldendump {

// The single-click run of the bill date, answered Yes; leaves Form9 loaded.
inline salary::Form9& singleClickRun(Dump& d, const QDate& billDate)
{
    using namespace testsupport;
    d.step(QStringLiteral("single-click"));
    auto& f9 = forms::Forms::get<salary::Form9>();
    showForm(f9);
    pickDate(f9.control<forms::DatePicker>("DTPicker1"), billDate);
    {
        ScriptedBoxes b;
        b.answer(forms::vbYes, QStringLiteral("ONE CLICK SALARY"));
        click(f9.control<forms::CommandButton>("Command1"));
        boxes(d, b);
    }
    form(d, f9);
    return f9;
}

// Leaves the bill form and the register's form loaded (Form6, Form1).
inline void billEnteredAndActivated(Dump& d, const QDate& billDate, const QString& head)
{
    using namespace testsupport;
    using forms::Forms;
    // ---- the bill form: date and head; the register offered ------------
    d.step(QStringLiteral("bill-form"));
    auto& f6 = Forms::get<paybill::Form6>();
    showForm(f6);
    ASSERT_TRUE(chooseByData(*f6.Combo1, billDate));
    form(d, f6);
    {
        ScriptedBoxes b;
        b.answer(forms::vbYes, QStringLiteral("NO BILL FOUND FOR THIS BILL DATE"));
        ASSERT_TRUE(chooseByData(*f6.Combo2, head));
        boxes(d, b);
    }
    form(d, f6);
    ASSERT_TRUE(Forms::isLoaded(QStringLiteral("Form1")));
    auto& f1 = static_cast<allotment::Form1&>(Forms::get(QStringLiteral("Form1")));
    form(d, f1);

    // ---- the allotment form: Import and save ----------------------------
    d.step(QStringLiteral("allotment-bill"));
    ASSERT_TRUE(choose(*f1.Combo1, head));
    click(*f1.Option2);
    pickDate(*f1.DTPicker4, billDate);
    enter(*f1.Text16, QStringLiteral("101"));
    click(*f1.Command8);
    form(d, f1);
    {
        ScriptedBoxes b;
        b.answerInput(f1.Label83->caption(), QStringLiteral("ENTER TOTAL DEDUCTION"))
            .answer(forms::vbNo, QStringLiteral("BILL ENTERED SUCCESSFULLY"));
        click(*f1.Command4);
        boxes(d, b);
    }
    form(d, f1);
    tables(d);

    // ---- ACTIVATE NOW -----------------------------------------------------
    d.step(QStringLiteral("activate"));
    showForm(f6);
    settle();
    {
        ScriptedBoxes b;
        click(*f6.Command1);
        boxes(d, b);
    }
    form(d, f6);
    tables(d);
}

struct Command {
    const char* name;
    forms::CommandButton* button;
    void (*dump)(Dump&);
    bool asksToPrint = false;
};

// The sheets and schedules of the bill form, each with its report.
inline std::vector<Command> sheetAndScheduleCommands(paybill::Form6& f6)
{
    return {
        {"inner-sheet-l", f6.Command2, [](Dump& x) { report<paybill::DataReport1>(x, "DataReport1"); }, true},
        {"inner-sheet-r", f6.Command15, [](Dump& x) { report<paybill::DataReport15>(x, "DataReport15"); }, true},
        {"grand-total-l", f6.Command17, [](Dump& x) { report<paybill::DataReport8>(x, "DataReport8"); }},
        {"grand-total-r", f6.Command18, [](Dump& x) { report<paybill::DataReport16>(x, "DataReport16"); }},
        {"gpf-non-group-d", f6.Command3, [](Dump& x) { report<paybill::DataReport3>(x, "DataReport3"); }},
        {"gpf-group-d", f6.Command7, [](Dump& x) { report<paybill::DataReport6>(x, "DataReport6"); }},
        {"prof-tax", f6.Command4, [](Dump& x) { report<paybill::DataReport4>(x, "DataReport4"); }},
        {"giss-1987", f6.Command6, [](Dump& x) { report<paybill::DataReport5>(x, "DataReport5"); }},
        {"giss-1983", f6.Command5, [](Dump& x) { report<paybill::DataReport2>(x, "DataReport2"); }},
        {"income-tax", f6.Command13, [](Dump& x) { report<paybill::DataReport13>(x, "DataReport13"); }},
        {"hb-loan", f6.Command14, [](Dump& x) { report<paybill::DataReport12>(x, "DataReport12"); }},
        {"hra-etc", f6.Command19, [](Dump& x) { report<paybill::DataReport17>(x, "DataReport17"); }},
        {"increment", f6.Command12, [](Dump& x) { report<paybill::DataReport14>(x, "DataReport14"); }},
    };
}

} // namespace goldendump
