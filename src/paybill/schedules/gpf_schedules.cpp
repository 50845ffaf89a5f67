#include "paybill/schedules/gpf_schedules.h"

#include "paybill/schedules/form_layout.h"
#include "platform/vb/convert.h"

using reports::Align;
using reports::SectionKind;

namespace paybill {

using namespace layout;

namespace {
const QString kPaise = QStringLiteral("0.00");
}

DataReport3::DataReport3()
    : ScheduleReport(Schedule::GpfOtherThanGroupD, QStringLiteral("T.R. FORM NO. 47 - G.P.F. other than Group 'D'"))
{
    // Three columns of ten-digit totals beside the account, name, pay and
    // salary head need the long side of the paper.
    setOrientation(reports::Orientation::Landscape);
    const int W = bodyWidth();

    auto& rh = section(SectionKind::ReportHeader);
    int y = formTitle(rh, W, QStringLiteral("T.R. FORM NO. 47"), QStringLiteral("[See sub rule(1) of T.R.6.39]"), 40);
    heading(rh, y, W, QStringLiteral("SCHEDULE OF GENERAL PROVIDENT FUND DEDUCTION"));
    y += 360;
    grantLine(rh, y, W, QStringLiteral("Grant No"), QStringLiteral("Token/T.V No"), QStringLiteral("Date"));
    y += kLine + 100;
    caption(rh, 0, y, W, 2 * kLine,
            QStringLiteral("Important Instructions:  (1) This form should  not be used for transactions of "
                           "other Provident Funds for which Form No. T.R. 48 has been provided."));
    y += 2 * kLine;
    const char* const instructions[] = {
        "(2) A separate schedule should be prepared for each Accounts Officer who keeps the "
        "accounts of the subscribers.",
        "(3) The Account Numbers should be quoted in full, with the series to which they belong.",
        "(4) The names of the subscribers should be written in full and in block letters.",
        "(5) Any change in the rate of the monthly subscription should be explained in the "
        "remarks column.",
        "(6) The number of the instalment should be shown against each refund of withdrawal.",
        "(7) A subscriber transferred from another office should be noted in the remarks column "
        "with the name of that office.",
        "(8) Deductions from employees of other State Governments on deputation should not be "
        "shown in this schedule; a separate schedule should be sent for them.",
    };
    for (const char* text : instructions) {
        caption(rh, 0, y, W, 2 * kLine, QString::fromLatin1(text));
        y += 2 * kLine;
    }
    y += 80;
    prints(filled(rh, 0, y, 3000, 1600, QStringLiteral("Deduction made from the salary of"), QStringLiteral("Label31")),
           &BillCaptions::payMonth);
    y += kLine + 60;
    billLine(rh, y, {0, 1100, 2000, "D.D.O. Code:", "Label24"},
             {3300, 900, 2200, "Bill No :", "Label38"},
             {6700, 600, W - 7300, "Date:", "Label27"});
    y += kLine + 60;
    caption(rh, 0, y, W, 2 * kLine,
            QStringLiteral("Arrange the Account Numbers in serial order. If interest is paid in advance "
                           "mention it in the remarks column. Office of the "));
    y += 2 * kLine;
    prints(rh.addLabel(QStringLiteral("Label29"), 0, y, W, kLine, QString()).setBold(), &BillCaptions::officeLine);
    y += kLine;
    caption(rh, 0, y, W, kLine, QStringLiteral("(here write the designation of the drawing officer and station)"))
        .setItalic()
        .setFontSize(7);
    y += kLine + 40;
    leader(rh, 0, y, W, QStringLiteral("Name of the Accounts Officer who keeps the ledger of the subscribers"));
    y += kLine + 40;
    caption(rh, 0, y, 6400, kLine, QStringLiteral("Head of Account Code : 8009-01-001-19-G.P.F Other than Gr.'D'"))
        .setBold();
    leader(rh, 6600, y, W - 6600, QStringLiteral("Payable on 1st"));
    y += kLine + 120;
    rh.setHeight(y);

    // Account, name, pay, salary head, subscription, refund amount and
    // instalments, total realised, remarks.
    const QVector<int> x = columnEdges({1500, 3600, 1300, 2000, 1500, 1500, 700, 1500, W - 13600});
    auto& ph = section(SectionKind::PageHeader);
    const int top = 1000, half = 500;
    heads(ph, x, 0, 0, top, {
        "Account Number",
        "N A M E",
        "Pay or / and leave salary this month\nRs.",
        "Salary Head of Account",
        "Monthly Subscrip- -tion\nRs.",
    });
    cell(ph, x[5], 0, x[7] - x[5], half, QStringLiteral("Refund of withdrawals"));
    cell(ph, x[5], half, x[6] - x[5], half, QStringLiteral("Amount\nRs."));
    cell(ph, x[6], half, x[7] - x[6], half, QStringLiteral("No of inst."));
    cell(ph, x[7], 0, x[8] - x[7], top, QStringLiteral("Total realised\nRs."));
    cell(ph, x[8], 0, x[9] - x[8], top, QStringLiteral("Remarks"));
    ph.setHeight(top);

    auto& d = section(SectionKind::Detail);
    const int h = 300;
    ruledRow(d, x, h);
    field(d, x, 0, "acc_no", 40, h - 80);
    field(d, x, 1, "name", 40, h - 80);
    field(d, x, 2, "pay", 40, h - 80).setAlign(Align::Right);
    // The loan instalment may carry a fraction of a rupee (a loan split into
    // equal instalments): the three figures that add up are shown to the paisa.
    field(d, x, 4, "gpf_subs", 40, h - 80).setAlign(Align::Right).setFormat(kPaise);
    field(d, x, 5, "gpf_rec", 40, h - 80).setAlign(Align::Right).setFormat(kPaise);
    field(d, x, 7, "total", 40, h - 80).setAlign(Align::Right).setFormat(kPaise);
    d.setHeight(h);

    auto& pf = section(SectionKind::PageFooter);
    caption(pf, W - 4200, 300, 4200, kLine, QStringLiteral("Signature of the Drawing Officer with Seal"))
        .setAlign(Align::Center);
    pf.setHeight(600);

    auto& rf = section(SectionKind::ReportFooter);
    box(rf, x[0], 0, x[9] - x[0], 320);
    caption(rf, x[1] + 40, 50, x[4] - x[1] - 80, kLine, QStringLiteral("TOTAL:-")).setBold().setAlign(Align::Right);
    sum(rf, x, 4, "gpf_subs").setFormat(kPaise);
    sum(rf, x, 5, "gpf_rec").setFormat(kPaise);
    sum(rf, x, 7, "total").setFormat(kPaise);
    prints(rupees(rf, 420, W, QStringLiteral("Label34")), &BillCaptions::words);
    rf.setHeight(420 + 2 * kLine + 60);
}

DataReport6::DataReport6() : ScheduleReport(Schedule::GpfGroupD, QStringLiteral("T.R. FORM NO. 46 - G.P.F. Group 'D'"))
{
    const int W = bodyWidth();

    auto& rh = section(SectionKind::ReportHeader);
    int y = formTitle(rh, W, QStringLiteral("T.R. FORM NO. 46"), QStringLiteral("[See sub-rule (2) of T.R. 6.39"), 40);
    caption(rh, 600, y, W - 1200, 2 * 280,
            QStringLiteral("CERTIFICATE OF GENERAL PROVIDENT FUND DEDUCTIONS IN RESPECT OF GROUP 'D' EMPLOYEES"))
        .setFont(10, true)
        .setAlign(Align::Center);
    y += 2 * 280 + 100;
    grantLine(rh, y, W, QStringLiteral("Grant No"), QStringLiteral("Token /T.V.No"), QStringLiteral("Date"));
    y += kLine + 80;
    caption(rh, 0, y, W, kLine, QStringLiteral("Head of Account Code : 8009-01-104-002-19 G.P.F. (Gr.D)."))
        .setBold();
    y += kLine + 80;
    billLine(rh, y, {0, 1100, 2000, "D.D.O. Code :", "label17"},
             {3300, 900, 2200, "Bill No :", "label26"},
             {6700, 600, W - 7300, "Date :", "label20"});
    y += kLine + 160;
    filled(rh, 0, y, 2500, 1600, QStringLiteral("Certified that an amount of Rs."), QStringLiteral("label22"));
    y += kLine + 40;
    caption(rh, 0, y, 800, kLine, QStringLiteral("Rupees"));
    prints(rh.addLabel(QStringLiteral("label24"), 800, y, W - 800, 2 * kLine, QString()).setBold(),
           &BillCaptions::words);
    y += 2 * kLine;
    caption(rh, 0, y, W, 2 * kLine,
            QStringLiteral("as per following break up have been deducted as General Provident Fund Deduction "
                           "in respect of Group 'D' employees claimed in this bill on 1st_____________ under "
                           "the head of account"));
    y += 2 * kLine + 120;
    rh.setHeight(y);

    const QVector<int> x = columnEdges({2300, 2100, 2100, 2000, W - 8500});
    auto& ph = section(SectionKind::PageHeader);
    numberRow(ph, x, 0, 300);
    heads(ph, x, 0, 300, 700, {
        "No. of Group 'D' employees",
        "Amount of monthly subscription",
        "Amount of refund of withdrawals",
        "Total\n(2) + (3)",
        "Remarks",
    });
    ph.setHeight(1000);

    auto& d = section(SectionKind::Detail);
    const int h = 320;
    ruledRow(d, x, h);
    const char* const fields[] = {"nos", "tgpfs", "tgpfr", "total"};
    for (int i = 0; i < 4; ++i)
        field(d, x, i, fields[i], 50, h - 100).setAlign(Align::Center).setFormat(i == 0 ? QString() : kPaise);
    d.setHeight(h);

    auto& pf = section(SectionKind::PageFooter);
    caption(pf, 0, 300, 3000, kLine, QStringLiteral("Date"));
    caption(pf, W - 4200, 300, 4200, kLine, QStringLiteral("Signature of the Drawing Officer with Seal"))
        .setAlign(Align::Center);
    pf.setHeight(600);
}

void DataReport6::fill(const BillCaptions& bill, data::Database& salaryDb)
{
    ScheduleReport::fill(bill, salaryDb);
    // The certificate states the amount with its paise, without grouping.
    const QString amount = vb::isNumeric(bill.total) ? vb::format(vb::cdbl(bill.total), QStringLiteral("#.00"))
                                                     : bill.total;
    put("Section4", "label22", amount);
}

} // namespace paybill
