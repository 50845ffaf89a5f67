// The nine statutory schedule buttons of the bill form.
#include "paybill/bill_form.h"

#include "common/inword.h"
#include "paybill/schedules/bill_captions.h"
#include "paybill/schedules/gpf_schedules.h"
#include "paybill/schedules/increment_certificate.h"
#include "paybill/schedules/insurance_schedules.h"
#include "paybill/schedules/recovery_schedules.h"
#include "paybill/schedules/schedule_queries.h"
#include "paybill/schedules/tax_schedules.h"
#include "platform/forms/basic_controls.h"
#include "platform/forms/dialogs.h"
#include "platform/forms/list_controls.h"
#include "platform/forms/registry.h"
#include "platform/forms/text_box.h"
#include "platform/reports/registry.h"
#include "platform/vb/convert.h"

namespace paybill {

BillCaptions readBillCaptions()
{
    const Form6& f = forms::Forms::get<Form6>();
    BillCaptions b;
    b.billNo = f.Label16->caption();
    b.ddoCode = f.Label12->caption();
    b.billDate = f.Combo1->text();
    b.payMonth = f.Label6->caption();
    b.drawalCode = f.Label7->caption();
    b.officeLine = f.Label10->caption();
    b.codeCategory = f.Text2->text();
    b.total = f.Label14->caption();
    b.words = f.Label15->caption();
    b.rentTotal = f.Label54->caption();
    b.rentWords = f.Label55->caption();
    return b;
}

namespace {

void tellNothingToShow(Schedule schedule)
{
    forms::Dialogs::msgBox(emptyScheduleNote(schedule), forms::vbOKOnly + forms::vbInformation,
                           QStringLiteral("PLEASE NOTE"));
}

// A report is read afresh from the form each time it is shown, so an open
// preview never carries the captions of a bill chosen before.
template <class R>
R& freshReport()
{
    reports::Reports::unload<R>();
    return reports::Reports::get<R>();
}

template <class R>
void preview(R& report)
{
    report.setWindowState(reports::WindowState::Maximized);
    report.show();
}

// Totals the schedule, writes the figure and the words into the two labels
// and previews the report. A schedule with nothing to show says so and
// leaves the labels as they were.
template <class R>
void showSchedule(Form6& form, Schedule schedule, forms::Label* figure, forms::Label* words)
{
    const std::optional<double> total = scheduleTotal(form.salaryDb(), schedule);
    if (!total) {
        tellNothingToShow(schedule);
        return;
    }
    figure->setCaption(vb::cstr(*total));
    words->setCaption(common::inwordShort(*total));
    preview(freshReport<R>());
}

} // namespace

void Form6::Command3_Click()
{
    showSchedule<DataReport3>(*this, Schedule::GpfOtherThanGroupD, Label14, Label15);
}

void Form6::Command7_Click()
{
    showSchedule<DataReport6>(*this, Schedule::GpfGroupD, Label14, Label15);
}

void Form6::Command4_Click()
{
    showSchedule<DataReport4>(*this, Schedule::ProfessionalTax, Label14, Label15);
}

void Form6::Command5_Click()
{
    showSchedule<DataReport2>(*this, Schedule::Giss1983, Label14, Label15);
}

void Form6::Command6_Click()
{
    showSchedule<DataReport5>(*this, Schedule::Giss1987, Label14, Label15);
}

void Form6::Command13_Click()
{
    showSchedule<DataReport13>(*this, Schedule::IncomeTax, Label14, Label15);
}

void Form6::Command14_Click()
{
    showSchedule<DataReport12>(*this, Schedule::HouseBuildingLoan, Label14, Label15);
}

void Form6::Command19_Click()
{
    showSchedule<DataReport17>(*this, Schedule::HouseRent, Label54, Label55);
}

void Form6::Command12_Click()
{
    DataReport14& report = freshReport<DataReport14>();
    if (report.dataSource().rowCount() == 0) {
        reports::Reports::unload<DataReport14>();
        tellNothingToShow(Schedule::Increment);
        return;
    }
    preview(report);
}

} // namespace paybill

namespace paybill {

void Form6::Command9_Click()
{
    // After a print-all the eight schedules it printed stay loaded; closing
    // lets them go, in the order they print, before the form itself.
    if (!Command20->visible())
        unloadPrintedSchedules();
    unload();
}

} // namespace paybill
