#include "paybill/schedules/recovery_schedules.h"

#include "paybill/schedules/form_layout.h"

using reports::Align;
using reports::SectionKind;

namespace paybill {

using namespace layout;

DataReport12::DataReport12()
    : ScheduleReport(Schedule::HouseBuildingLoan, QStringLiteral("T.R.Form No - 38 - H.B. Loan"))
{
    const int W = bodyWidth();

    auto& rh = section(SectionKind::ReportHeader);
    int y = formTitle(rh, W, QStringLiteral("T.R.Form No - 38"), QStringLiteral("(Aww T.R.5.04)"), 40);
    heading(rh, y, W, QStringLiteral("Schedule of recovery of Loans and Advances / Interest on Loan and Advances"));
    y += 400;
    caption(rh, 0, y, 2300, kLine, QStringLiteral("Head of Account Code:")).setBold().setWordWrap(false);
    caption(rh, 2300, y, W - 2300, kLine,
            QStringLiteral("0409-04-800-017-07 (H.B.Interest) / 7610-00-201-001-26 (H.B.Loan)"))
        .setBold();
    y += kLine + 80;
    billLine(rh, y, {0, 1100, 2200, "D.D.O.Code:", "label32"},
             {3500, 900, 2000, "Bill No :", "label36"},
             {6600, 600, W - 7200, "Date:", "label30"});
    y += kLine + 60;
    grantLine(rh, y, W, QStringLiteral("Grant No:"),
              QStringLiteral("T.V No. / Token No:"), QStringLiteral("Date:"));
    y += kLine + 60;
    prints(filled(rh, 0, y, 1400, W - 1400, QStringLiteral("Name of office:"), QStringLiteral("label31")),
           &BillCaptions::officeLine);
    y += kLine + 160;
    rh.setHeight(y);

    // The salary-head column holds the whole drawal code on one line; principal
    // and interest each hold a recovery just under one crore.
    const QVector<int> x = columnEdges({600, 2100, 1300, 2500, 1000, 1100, 1100, W - 9700});
    auto& ph = section(SectionKind::PageHeader);
    const int top = 900, upper = 400;
    heads(ph, x, 0, 0, top, {
        "SL. No",
        "Name of the Employee & Designation",
        "Identification Number if any",
        "Salary Head of Account",
        "No. of Installment",
    });
    cell(ph, x[5], 0, x[7] - x[5], upper, QStringLiteral("Amount"));
    cell(ph, x[5], upper, x[6] - x[5], top - upper, QStringLiteral("Principal"));
    cell(ph, x[6], upper, x[7] - x[6], top - upper, QStringLiteral("Interest"));
    cell(ph, x[7], 0, x[8] - x[7], top, QStringLiteral("Remarks"));
    numberRow(ph, x, top, 300);
    ph.setHeight(top + 300);

    auto& d = section(SectionKind::Detail);
    const int h = 520;
    ruledRow(d, x, h);
    serialAndName(d, x);
    prints(d.addLabel(QStringLiteral("label35"), x[3] + 40, 40, x[4] - x[3] - 80, kLine, QString()).setWordWrap(false),
           &BillCaptions::drawalCode);
    field(d, x, 5, "hb_loan").setAlign(Align::Right);
    field(d, x, 6, "hb_int").setAlign(Align::Right);
    d.setHeight(h);

    auto& pf = section(SectionKind::PageFooter);
    int f = 150;
    f = notes(pf, f, W, {
        "1. In case of transfer from previous office and if there is any change of salary head of Account, "
        "the previous salary head of account may be quoted in the 'Remarks' Column.",
        "2. The number of the instalment now recovered should be shown against the total number of "
        "instalments, e.g. 15/120.",
        "3. Recoveries of different kinds of loans and advances should not be shown in the same schedule.",
        "4. The sanction order of the loan should be quoted in the 'Remarks' Column against its first recovery.",
    });
    f += 100;
    caption(pf, 0, f, W, 2 * kLine,
            QStringLiteral("Certified that the amount recovered from the salary for the month of "
                           "........................ Payable on 1st of ........................ Is as terms "
                           "and conditions of loan"));
    f += 2 * kLine + 400;
    caption(pf, 0, f, 3000, kLine, QStringLiteral("Bill Clerk"));
    caption(pf, 3700, f, 3000, kLine, QStringLiteral("Accountant")).setAlign(Align::Center);
    caption(pf, W - 3000, f, 3000, kLine, QStringLiteral("Signature of D.D.O")).setAlign(Align::Right);
    f += kLine + 100;
    pf.setHeight(f);

    wordsFooter(QStringLiteral("label33"));
}

DataReport17::DataReport17() : ScheduleReport(Schedule::HouseRent, QStringLiteral("T.R. FORM NO. 11 - House Rent etc."))
{
    const int W = bodyWidth();

    auto& rh = section(SectionKind::ReportHeader);
    int y = formTitle(rh, W, QStringLiteral("T.R. FORM NO. 11"),
                      QStringLiteral("[See sub-rule (2) of T.R. 4.073]"), 60);
    caption(rh, 600, y, W - 1200, 2 * kLine,
            QStringLiteral("SCHEDULE OF HOUSE RENT, ETC. RECOVERY FOR OCCUPATION OF GOVERNMENT ACCOMODATION ETC."))
        .setBold()
        .setAlign(Align::Center);
    y += 2 * kLine + 80;
    prints(filled(rh, 0, y, 1600, W - 1600, QStringLiteral("NAME OF OFFICE :"), QStringLiteral("label5")),
           &BillCaptions::officeLine);
    y += kLine + 120;
    rh.setHeight(y);

    auto& ph = section(SectionKind::PageHeader);
    y = 0;
    billLine(ph, y, {0, 1200, 2200, "D.D.O.Code :", "label7"},
             {3500, 900, 2000, "Bill No :", "label9"},
             {6600, 700, W - 7300, "Date :", "label11"});
    y += kLine + 60;
    grantLine(ph, y, W, QStringLiteral("Grant No :"), QStringLiteral("Token/T.V.No."), QStringLiteral("Date :"), 3000);
    y += kLine + 60;
    caption(ph, 0, y, 2300, kLine, QStringLiteral("Head of Account Code : ")).setBold();
    caption(ph, 2300, y, 3000, kLine, QStringLiteral("0216-02-105-001-05")).setBold();
    y += kLine + 120;
    const QVector<int> x = columnEdges({900, 3600, 1400, 1300, 1400, W - 8600});
    heads(ph, x, 0, y, 600,
          {"Roll No.", "Name of the Officer with Designation", "Basic Pay", "Period", "Amount", "Remerks"});
    ph.setHeight(y + 600);

    auto& d = section(SectionKind::Detail);
    const int h = 520;
    ruledRow(d, x, h);
    serialAndName(d, x);
    field(d, x, 2, "pay").setAlign(Align::Right);
    prints(d.addLabel(QStringLiteral("label32"), x[3] + 40, 40, x[4] - x[3] - 80, kLine, QString())
               .setAlign(Align::Center),
           &BillCaptions::payMonth);
    field(d, x, 4, "others").setAlign(Align::Right);
    d.setHeight(h);

    auto& pf = section(SectionKind::PageFooter);
    int f = 150;
    prints(filled(pf, 0, f, 1900, 2600, QStringLiteral("SALARY HEAD CODE :"), QStringLiteral("label23")),
           &BillCaptions::drawalCode);
    f += kLine + 400;
    caption(pf, 0, f, 3000, kLine, QStringLiteral("BILL CLERK"));
    caption(pf, 3200, f, 3000, kLine, QStringLiteral("ACCOUNTANT")).setAlign(Align::Center);
    caption(pf, W - 4000, f, 4000, kLine, QStringLiteral("SIGNATURE OF D.D.O. WITH DESIGNATION"))
        .setAlign(Align::Right);
    f += kLine + 160;
    f = notes(pf, f, W, {
        "N.B. : (a) Recoveries from employees of this Government on deputation to another Government should be "
        "credited to the head of account of the lending Government.",
        "(b) Recoveries from employees of the Central Government or of another State Government on deputation "
        "to this Government should be shown in a separate schedule.",
        "(c) Recoveries from employees on deputation to a local body or an undertaking should be credited to the "
        "head of account of the borrowing body.",
        "(d) The name of the lending or borrowing authority should be noted in the remarks column.",
    });
    pf.setHeight(f + 60);

    wordsFooter(QStringLiteral("label31"), &BillCaptions::rentWords);

    // The figure of the house-rent total is not printed, only its words.
}

} // namespace paybill
