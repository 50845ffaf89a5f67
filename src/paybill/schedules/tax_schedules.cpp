#include "paybill/schedules/tax_schedules.h"

#include "paybill/schedules/form_layout.h"

using reports::Align;
using reports::SectionKind;

namespace paybill {

using namespace layout;

DataReport4::DataReport4()
    : ScheduleReport(Schedule::ProfessionalTax, QStringLiteral("T.R. FORM NO. 12 - Professional Tax"))
{
    const int W = bodyWidth();

    auto& rh = section(SectionKind::ReportHeader);
    int y = formTitle(rh, W, QStringLiteral("T.R.FORM NO. 12"),
                      QStringLiteral("(Form iv of WB State Tax on profession, etc, Act.1979)"), 0);
    caption(rh, 0, y, W, kLine, QStringLiteral("[See sub-rule (1) of T.R.4.Q80]")).setAlign(Align::Center);
    y += kLine + 60;
    caption(rh, 800, y, W - 1600, 2 * kLine,
            QStringLiteral("Statement of refovery under the West Bengal State Tax  on Profession, Trade, "
                           "callings snd Employments Act, 1979"))
        .setBold()
        .setAlign(Align::Center);
    y += 2 * kLine;
    caption(rh, 0, y, W, kLine, QStringLiteral("(West Bengal Act VI of 1979)")).setAlign(Align::Center);
    y += kLine + 120;
    grantLine(rh, y, W, QStringLiteral("Grant No"), QStringLiteral("Token/T.V.No"), QStringLiteral("Date"));
    y += kLine + 80;
    caption(rh, 0, y, W, kLine, QStringLiteral("Head of Account Code : 0028-00-107-001-03")).setBold();
    y += kLine + 80;
    billLine(rh, y, {0, 1100, 2000, "D.D.O. Code:", "Label19"},
             {3300, 900, 2200, "Bill No :", "Label29"},
             {6700, 600, W - 7300, "Date:", "Label22"});
    y += kLine + 160;
    rh.setHeight(y);

    const QVector<int> x = columnEdges({2600, 2000, 1500, 1600, W - 7700});
    auto& ph = section(SectionKind::PageHeader);
    numberRow(ph, x, 0, 300);
    const int head = 1500;
    heads(ph, x, 0, 300, head, {
        "Name of Department  Section/Establishment",
        "Head of account under which salaries are drawn",
        "Period of salary Bill ",
        "Amount recovered (Rs.)",
        "To be credited  to\n\" 0028 -Other Taxes on Income and expenditure-00-107-Taxes on "
        "profession, trades callings and employments\".",
    });
    ph.setHeight(300 + head);

    auto& d = section(SectionKind::Detail);
    const int h = 700;
    ruledRow(d, x, h);
    prints(d.addLabel(QStringLiteral("Label16"), x[0] + 40, 40, x[1] - x[0] - 80, h - 80, QString()),
           &BillCaptions::officeLine);
    prints(d.addLabel(QStringLiteral("Label17"), x[2] + 40, 40, x[3] - x[2] - 80, h - 80, QString())
               .setAlign(Align::Center),
           &BillCaptions::payMonth);
    field(d, x, 3, "total").setAlign(Align::Right);
    d.setHeight(h);

    auto& pf = section(SectionKind::PageFooter);
    prints(filled(pf, 0, 200, 1700, 2600, QStringLiteral("SALARY HEAD CODE:"), QStringLiteral("Label24")),
           &BillCaptions::drawalCode);
    prints(filled(pf, 6700, 200, 500, W - 7200, QStringLiteral("Rs."), QStringLiteral("Label26")),
           &BillCaptions::total);
    caption(pf, 0, 540, 800, kLine, QStringLiteral("Rupees"));
    prints(pf.addLabel(QStringLiteral("Label28"), 800, 540, W - 800, 2 * kLine, QString()).setBold(),
           &BillCaptions::words);
    leader(pf, 0, 1300, 5200, QStringLiteral("Signature (BILL CLERK / ACCOUNTANT)"));
    caption(pf, W - 3600, 1300, 3600, kLine, QStringLiteral("Signature of Drawing Officer")).setAlign(Align::Center);
    pf.setHeight(1700);
}

DataReport13::DataReport13()
    : ScheduleReport(Schedule::IncomeTax, QStringLiteral("T.R. FORM NO. 10 - Income Tax (TDS)"))
{
    const int W = bodyWidth();

    auto& rh = section(SectionKind::ReportHeader);
    int y = formTitle(rh, W, QStringLiteral("T.R.Form No. 10"), QStringLiteral("[See .T.R.4.072]"), 40);
    heading(rh, y, W, QStringLiteral("Schedule of Income Tax Deduction at Source (TDS)"));
    y += 360;
    prints(filled(rh, 0, y, 1500, 2000, QStringLiteral("For the month of :"), QStringLiteral("label4")),
           &BillCaptions::payMonth);
    prints(filled(rh, 3700, y, 1100, 2000, QStringLiteral("D.D.O. Code:"), QStringLiteral("label6")),
           &BillCaptions::ddoCode);
    leader(rh, 7000, y, W - 7000, QStringLiteral("TAN No"));
    y += kLine + 60;
    prints(filled(rh, 0, y, 900, 2600, QStringLiteral("Bill No :"), QStringLiteral("label28")), &BillCaptions::billNo);
    prints(filled(rh, 3700, y, 700, 2400, QStringLiteral("Date :"), QStringLiteral("label10")),
           &BillCaptions::billDate);
    y += kLine + 60;
    grantLine(rh, y, W, QStringLiteral("Grant No"), QStringLiteral("Token No"), QStringLiteral("Date:"));
    y += kLine + 60;
    caption(rh, 0, y, 2300, kLine, QStringLiteral("Head of Account Code:")).setBold().setWordWrap(false);
    caption(rh, 2300, y, 3000, kLine, QStringLiteral("8658-00-112-001-08")).setBold();
    y += kLine + 160;
    rh.setHeight(y);

    const QVector<int> x = columnEdges({800, 3800, 1600, 1800, W - 8000});
    auto& ph = section(SectionKind::PageHeader);
    heads(ph, x, 0, 0, 600, {
        "Sl. No.",
        "Name of the Officer with Designation",
        "Amount Deducted",
        "PAN No.",
        "Remarks",
    });
    ph.setHeight(600);

    auto& d = section(SectionKind::Detail);
    const int h = 520;
    ruledRow(d, x, h);
    serialAndName(d, x);
    field(d, x, 2, "i_tax").setAlign(Align::Right);
    field(d, x, 3, "pan").setAlign(Align::Center);
    d.setHeight(h);

    auto& pf = section(SectionKind::PageFooter);
    prints(filled(pf, 0, 200, 1700, 2600, QStringLiteral("SALARY HEAD CODE:"), QStringLiteral("label22")),
           &BillCaptions::drawalCode);
    caption(pf, 0, 700, 3600, kLine, QStringLiteral("BILL CLERK / ACCOUNTANT"));
    caption(pf, W - 3600, 700, 3600, kLine, QStringLiteral("SIGNATURE OF D.D.O. WITH SEAL")).setAlign(Align::Center);
    pf.setHeight(1100);

    auto& rf = section(SectionKind::ReportFooter);
    box(rf, x[0], 0, x[5] - x[0], 320);
    caption(rf, x[1] + 40, 50, x[2] - x[1] - 600, kLine, QStringLiteral("TOTAL")).setBold().setAlign(Align::Right);
    caption(rf, x[2] - 500, 50, 440, kLine, QStringLiteral("Rs.")).setBold();
    sum(rf, x, 2, "i_tax");
    prints(rupees(rf, 420, W, QStringLiteral("label26")), &BillCaptions::words);
    rf.setHeight(420 + 2 * kLine + 60);
}

} // namespace paybill
