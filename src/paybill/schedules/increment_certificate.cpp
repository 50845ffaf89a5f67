#include "paybill/schedules/increment_certificate.h"

#include "paybill/schedules/form_layout.h"

using reports::Align;
using reports::SectionKind;

namespace paybill {

using namespace layout;

DataReport14::DataReport14()
    : ScheduleReport(Schedule::Increment, QStringLiteral("T.R. FORM NO. - 20 - Annual Increment Certificate"))
{
    // Eleven columns need the long side of the paper.
    setOrientation(reports::Orientation::Landscape);
    const int W = bodyWidth();

    auto& rh = section(SectionKind::ReportHeader);
    int y = 0;
    caption(rh, W - 3600, y, 3600, kLine, QStringLiteral("West Bengal Form No. 2442A")).setAlign(Align::Right);
    y += kLine;
    heading(rh, y, W, QStringLiteral("T.R. FORM NO. - 20 "), 11);
    y += 320;
    caption(rh, 0, y, W, kLine, QStringLiteral("(See T.R. 4.101)")).setAlign(Align::Center);
    y += kLine + 60;
    prints(filled(rh, 0, y, 1100, 2400, QStringLiteral("D.D.O. Code:"), QStringLiteral("label5")),
           &BillCaptions::ddoCode);
    y += kLine + 60;
    heading(rh, y, W, QStringLiteral("ANNUAL INCREMENT CERTIFICATE"));
    y += 360;
    caption(rh, 0, y, W, 2 * kLine,
            QStringLiteral("Certified that the Government employee(s) mentioned below have earned annual increment "
                           "with effect from date(s) noted against each in column 6 and such increment have been "
                           "allowed by the Head of the Office (or Compentent Authority)."));
    y += 2 * kLine + 160;
    rh.setHeight(y);

    const QVector<int> x = columnEdges({600, 2400, 1300, 1800, 1100, 1300, 1300, 1100, 1200, 1200, W - 13300});
    auto& ph = section(SectionKind::PageHeader);
    const int top = 1300, from = 1000;
    heads(ph, x, 0, 0, top, {
        "Sl. No.",
        "Name of the incumbent.",
        "Whether substantive or officiating",
        "Scale of pay of post",
        "Present Pay",
        "Date from which present pay is drawn",
        "Date of present increment",
        "Pay increment",
    });
    cell(ph, x[8], 0, x[10] - x[8], from,
         QStringLiteral("Reasons for with holding increments beyond specified date suspension (not treated as "
                        "duty). Leave without pay Other reasons.\t"));
    cell(ph, x[8], from, x[9] - x[8], top - from, QStringLiteral("From"));
    cell(ph, x[9], from, x[10] - x[9], top - from, QStringLiteral("To"));
    cell(ph, x[10], 0, x[11] - x[10], top, QStringLiteral("Remarks"));
    numberRow(ph, x, top, 300);
    ph.setHeight(top + 300);

    auto& d = section(SectionKind::Detail);
    const int h = 400;
    ruledRow(d, x, h);
    field(d, x, 1, "name", 60).setAlign(Align::Left);
    caption(d, x[2] + 40, 60, x[3] - x[2] - 80, kLine, QStringLiteral("Substantive")).setAlign(Align::Center);
    field(d, x, 3, "pay_band_scale", 60).setAlign(Align::Center);
    field(d, x, 4, "pr_pay", 60).setAlign(Align::Right);
    field(d, x, 5, "e_date", 60).setAlign(Align::Center);
    field(d, x, 6, "effect_date", 60).setAlign(Align::Center);
    field(d, x, 7, "basic", 60).setAlign(Align::Right);
    d.setHeight(h);

    auto& pf = section(SectionKind::PageFooter);
    pf.addLabel(QStringLiteral("Label1"), 0, 150, W, kLine, QStringLiteral("%p")).setAlign(Align::Center);
    pf.setHeight(150 + kLine + 60);

    auto& rf = section(SectionKind::ReportFooter);
    const int sign = 900;
    caption(rf, 0, sign, 3000, kLine, QStringLiteral("Bill Clerk"));
    caption(rf, 4500, sign, 3000, kLine, QStringLiteral("Accountant")).setAlign(Align::Center);
    caption(rf, W - 5200, sign, 5200, kLine, QStringLiteral("Signature and Designation of the Drawing Officer"))
        .setAlign(Align::Right);
    rf.setHeight(sign + kLine + 100);
}

} // namespace paybill
