#include "paybill/schedules/insurance_schedules.h"

#include "paybill/schedules/form_layout.h"

using reports::Align;
using reports::SectionKind;

namespace paybill {

using namespace layout;

DataReport2::DataReport2() : ScheduleReport(Schedule::Giss1983, QStringLiteral("T.R. FORM NO. 53 - G.I.S.S. 1983"))
{
    const int W = bodyWidth();

    auto& rh = section(SectionKind::ReportHeader);
    int y = formTitle(rh, W, QStringLiteral("T.R. FORM NO. 53"), QStringLiteral("[See sub-rule (1) of T.R. 6.48]"), 60);
    caption(rh, 600, y, W - 1200, 2 * kLine,
            QStringLiteral("Schedule of Recovery of Subscription under West Bengal State Government Employees "
                           "Group Insurance-Cum-Savings Scheme, 1983"))
        .setBold()
        .setAlign(Align::Center);
    y += 2 * kLine + 120;
    prints(filled(rh, 0, y, 1500, 1800, QStringLiteral("For the month of:"), QStringLiteral("label17")),
           &BillCaptions::payMonth);
    prints(filled(rh, 3700, y, 1100, 2000, QStringLiteral("D.D.O. Code:"), QStringLiteral("label18")),
           &BillCaptions::ddoCode);
    y += kLine + 60;
    prints(filled(rh, 0, y, 800, 2500, QStringLiteral("Bill No:"), QStringLiteral("label28")), &BillCaptions::billNo);
    prints(filled(rh, 3700, y, 600, 2500, QStringLiteral("Date:"), QStringLiteral("label21")), &BillCaptions::billDate);
    y += kLine + 60;
    prints(filled(rh, 0, y, 1400, W - 1400, QStringLiteral("Name of Office:"), QStringLiteral("label23")),
           &BillCaptions::officeLine);
    y += kLine + 60;
    leader(rh, 0, y, 3600, QStringLiteral("Token / T.V. No:"));
    leader(rh, 3700, y, 3400, QStringLiteral("Date:"));
    y += kLine + 160;
    rh.setHeight(y);

    const QVector<int> x = columnEdges({700, 3300, 1700, 1500, 1500, W - 8700});
    auto& ph = section(SectionKind::PageHeader);
    const int top = 1000, half = 400;
    heads(ph, x, 0, 0, top, {
        "Sl. No.",
        "Name of the Department/Section of Establishment",
        "Total number of Subscribers under the Scheme",
    });
    cell(ph, x[3], 0, x[6] - x[3], top - half, QStringLiteral("Amount of contribution realised"));
    cell(ph, x[3], top - half, x[4] - x[3], half, QStringLiteral("Subs to IF"));
    cell(ph, x[4], top - half, x[5] - x[4], half, QStringLiteral("Subs to SF"));
    cell(ph, x[5], top - half, x[6] - x[5], half, QStringLiteral("Total"));
    ph.setHeight(top);

    auto& d = section(SectionKind::Detail);
    const int h = 600;
    ruledRow(d, x, h);
    prints(d.addLabel(QStringLiteral("label15"), x[1] + 40, 40, x[2] - x[1] - 80, h - 80, QString()),
           &BillCaptions::officeLine);
    const char* const fields[] = {"ifno", "totalif", "totalsf", "total"};
    for (int i = 0; i < 4; ++i)
        field(d, x, i + 2, fields[i]).setAlign(Align::Center);
    d.setHeight(h);

    auto& pf = section(SectionKind::PageFooter);
    int f = 200;
    leader(pf, 0, f, 6200, QStringLiteral("Head of Account Code (Insurance Fund)"));
    leader(pf, 6400, f, W - 6400, QStringLiteral("Rs."));
    f += kLine + 80;
    leader(pf, 0, f, 6200, QStringLiteral("Head of Account Code (Savings Fund)"));
    leader(pf, 6400, f, W - 6400, QStringLiteral("Rs."));
    f += kLine + 160;
    caption(pf, 0, f, W, 3 * kLine,
            QStringLiteral("Certified that a sum of Rs. 8/- (Rupees Eight only) per month on account of "
                           "contribution towards the Scheme has been deducted from the salary of each employee "
                           "and that the total amount so deducted has been shown on the first page of the "
                           "salary bill."));
    f += 3 * kLine + 60;
    caption(pf, 0, f, W, 3 * kLine,
            QStringLiteral("Certified that no deduction has been made from the salary of employees appointed on "
                           "short-term vacancies, on ad-hoc basis or others excluded from the Scheme [by the "
                           "exclusion clauses (a) to (h) of para 3 of the scheme."));
    f += 3 * kLine + 300;
    caption(pf, W - 4200, f, 4200, kLine, QStringLiteral("Signature with date of Drawing Officer"))
        .setAlign(Align::Center);
    f += kLine + 200;
    caption(pf, 0, f, W, kLine, QStringLiteral("For use at the Treasury")).setBold().setAlign(Align::Center);
    f += kLine + 100;
    pf.setHeight(f);

    wordsFooter(QStringLiteral("label26"));
}

DataReport5::DataReport5() : ScheduleReport(Schedule::Giss1987, QStringLiteral("T.R FORM NO. 55 - G.I.S. 1987"))
{
    const int W = bodyWidth();

    auto& rh = section(SectionKind::ReportHeader);
    heading(rh, 0, W, QStringLiteral("T.R FORM NO. 55"), 11);
    caption(rh, 0, 320, W, kLine, QStringLiteral("[See T.R. 6.49]")).setAlign(Align::Center);
    rh.setHeight(320 + kLine + 100);

    auto& ph = section(SectionKind::PageHeader);
    int y = 0;
    caption(ph, 0, y, W, 3 * kLine,
            QStringLiteral("Schedule pertaining to the Credit  Head \"8011-Insurance and Pension Fund-00-107-West "
                           "Bengal State Government Employees' Group Insurance Scheme-004-Insurance Fund 1987 "
                           "and Amount received from State Government Employees under Group Insurance-cum "
                           "Savings Scheme 1987-005-Savings Fund 1987."))
        .setBold();
    y += 3 * kLine + 60;
    caption(ph, 0, y, W, kLine,
            QStringLiteral("Note : (In case the subscription remain arrears the fact should be shown in red ink in "
                           "the remarks column)."))
        .setItalic();
    y += kLine + 100;
    leader(ph, 0, y, 3400, QStringLiteral("Token/T.V.No"));
    leader(ph, 3500, y, 2600, QStringLiteral("Date"));
    prints(filled(ph, 6200, y, 1900, W - 8100, QStringLiteral("Head of Account Code:"), QStringLiteral("label24")),
           &BillCaptions::drawalCode);
    y += kLine + 60;
    billLine(ph, y, {0, 1100, 2200, "D.D.O. Code:", "label17"},
             {3500, 900, 1700, "Bill No :", "label29"},
             {6200, 600, W - 6800, "Date:", "label20"});
    y += kLine + 60;
    leader(ph, 0, y, 3400, QStringLiteral("Grant No"));
    prints(filled(ph, 3500, y, 1500, W - 5000, QStringLiteral("For the month of:"), QStringLiteral("label26")),
           &BillCaptions::payMonth);
    y += kLine + 60;
    prints(filled(ph, 0, y, 1400, W - 1400, QStringLiteral("Name of Office:"), QStringLiteral("label23")),
           &BillCaptions::officeLine);
    y += kLine + 120;

    // Each contribution column holds a ten-digit total in bold.
    const QVector<int> x = columnEdges({600, 1000, 1400, 1500, 1500, 1500, 1500, W - 9000});
    const int top = 1400, upper = 500;
    cell(ph, x[0], y, x[1] - x[0], top, QStringLiteral("Sl.\nNo."));
    cell(ph, x[1], y, x[2] - x[1], top, QStringLiteral("GROUP"));
    cell(ph, x[2], y, x[4] - x[2], upper, QStringLiteral("Total No of employees under the Group"));
    cell(ph, x[2], y + upper, x[3] - x[2], top - upper, QStringLiteral("Subscription\nto\nInsurance fund only"));
    cell(ph, x[3], y + upper, x[4] - x[3], top - upper,
         QStringLiteral("Subscription\nto\nInsurance Fund\nand Savings Fund"));
    heads(ph, x, 4, y, top, {
        "Contribution towards the Insurance Fund (Rs.)",
        "Contribution towards the Savings Fund (Rs.)",
        "Total Contributions (Rs.)",
        "Remarks",
    });
    ph.setHeight(y + top);

    auto& d = section(SectionKind::Detail);
    const int h = 320;
    ruledRow(d, x, h);
    caption(d, x[1] + 60, 50, 500, kLine, QStringLiteral("Group"));
    d.addField(QStringLiteral("grp"), x[1] + 640, 50, x[2] - x[1] - 680, kLine, QStringLiteral("grp"));
    const char* const fields[] = {"ifno", "sfno", "iftotal", "sftotal", "total"};
    for (int i = 0; i < 5; ++i)
        field(d, x, i + 2, fields[i], 50).setAlign(i < 2 ? Align::Center : Align::Right);
    d.setHeight(h);

    auto& rf = section(SectionKind::ReportFooter);
    box(rf, x[0], 0, x[8] - x[0], 320);
    const char* const sums[] = {"iftotal", "sftotal", "total"};
    for (int i = 0; i < 3; ++i)
        sum(rf, x, i + 4, sums[i]);
    prints(rupees(rf, 420, W, QStringLiteral("label28")), &BillCaptions::words);
    caption(rf, W - 4600, 420 + 2 * kLine + 400, 4600, kLine,
            QStringLiteral("Signature of the Drawing & Disbursing Officer"))
        .setAlign(Align::Center);
    rf.setHeight(420 + 3 * kLine + 500);
}

} // namespace paybill
