// The cheque slip: the head, the amount to be credited, CHEQUE SLIP with its annexure, and CANCEL.
#include "payslip/pay_slip_form.h"

#include "common/amounts.h"
#include "common/inword.h"
#include "common/pay_month.h"
#include "common/templates.h"
#include "payslip/annexure.h"
#include "payslip/cheque_slip_figures.h"
#include "payslip/office_files.h"
#include "platform/data/database.h"
#include "platform/data/recordset.h"
#include "platform/forms/controls.h"
#include "platform/forms/dialogs.h"
#include "platform/forms/dispatch.h"
#include "platform/vb/convert.h"
#include "platform/vb/error.h"

namespace payslip {

namespace {

const QString kHi = QStringLiteral("Hi");
const QString kBlank = QStringLiteral(" ");
const QString kAmountInFigure = QStringLiteral("PLEASE ENTER CHEQUE AMOUNT IN FIGURE");
const QString kAmountRange =
    QStringLiteral("THE AMOUNT TO BE CREDITED CANNOT BE LESS THAN 0 OR MORE THAN THE NET AMOUNT OF THE BILL (S)");

void tell(const QString& text, int icon = forms::vbInformation)
{
    forms::Dialogs::msgBox(text, icon, kHi);
}

// Why the amount to be credited was not taken.
QString creditedRefusal(const QString& typed, double netTotal)
{
    switch (creditedFault(typed, netTotal)) {
    case CreditedFault::NotAFigure:
        return kAmountInFigure;
    case CreditedFault::FinerThanPaisa:
        return common::keptToThePaisa(QStringLiteral("THE AMOUNT TO BE CREDITED"));
    default:
        return kAmountRange;
    }
}

} // namespace

std::optional<SlipFigures> Form8::chooseRows(const QDate& date, const std::optional<SlipHead>& head,
                                             const QString& step, const QString& title, const QString& handler)
{
    try {
        return chooseSlipRows(salaryDb(), fundDb(), date, head);
    } catch (const std::exception& e) {
        clearSlipFigures();
        forms::Dialogs::msgBox(forms::failureMessage(step, e)
                                   + QStringLiteral("\nThe employees of the earlier cheque slip are kept."),
                               forms::vbCritical, title, forms::describeFailure(handler, e).details);
        return std::nullopt;
    }
}

bool Form8::applyHead()
{
    data::QueryRecordset head(fundDb(),
                              QStringLiteral("SELECT code_category FROM head WHERE drawal_code = ? ORDER BY rowid"),
                              {drawalCode()});
    if (head.eof())
        throw vb::Error(vb::NoCurrentRecord,
                        QStringLiteral("The head %1 is no longer in the heads of account.").arg(Combo3->text()));
    Label29->setCaption(head.field("code_category").text());

    const std::optional<SlipFigures> f =
        chooseRows(billDate(), SlipHead{drawalCode(), Label29->caption()}, QStringLiteral("Choosing the head"),
                   QStringLiteral("PLEASE NOTE"), QStringLiteral("applyHead"));
    if (!f)
        return false;
    showSlipFigures(*f);
    if (!f->net) {
        forms::Dialogs::msgBox(QStringLiteral("NO BILL FOUND FOR THIS HEAD"), forms::vbCritical,
                               QStringLiteral("PLEASE NOTE"));
        Label13->setCaption(QStringLiteral("0"));
        Label24->setCaption(QStringLiteral("NIL"));
        workOutRefund();
        return false;
    }
    // An amount typed for the whole date stays in its box: the refund shown
    // is worked out again against the head's net, never left from the date's.
    workOutRefund();
    Label30->show();
    Text6->show();
    forms::setFocus(Text5);
    return true;
}

void Form8::Combo3_Click()
{
    if (!billDate().isValid()) {
        tell(QStringLiteral("PLEASE SELECT BILL DATE FOR CHEQUE SLIP"));
        forms::setFocus(Combo1);
        return;
    }
    applyHead();
}

bool Form8::workOutRefund()
{
    const double net = vb::val(Label13->caption());
    const auto amount = creditedAmount(Text5->text(), net);
    Label26->setCaption(amount ? refundText(net, *amount) : kBlank);
    return amount.has_value();
}

void Form8::Text5_GotFocus()
{
    Text5->selectAll();
}

void Form8::Text5_KeyUp(int keyCode)
{
    if (keyCode != forms::vbKeyReturn)
        return;
    if (!workOutRefund()) {
        tell(creditedRefusal(Text5->text(), vb::val(Label13->caption())));
        forms::setFocus(Text5);
        return;
    }
    forms::setFocus(Text6->visible() ? static_cast<QWidget*>(Text6) : Command4);
}

void Form8::Text5_LostFocus()
{
    workOutRefund();
}

void Form8::Text6_GotFocus()
{
    Text6->selectAll();
}

void Form8::Text6_Change()
{
    mChequeNoAsked = false;
}

void Form8::Text6_KeyUp(int keyCode)
{
    if (keyCode == forms::vbKeyReturn)
        forms::setFocus(Command4);
}

void Form8::Text6_LostFocus()
{
    // Leaving the box because another mode was chosen is not leaving it for CHEQUE SLIP.
    if (!Text6->isEnabled() || !Text6->visible())
        return;
    // Once answered, a number is not asked about again until it is changed:
    // CHEQUE SLIP sends the clerk back to an empty box with its own words.
    if (mChequeNoAsked)
        return;
    data::QueryRecordset rs(fundDb(), QStringLiteral("SELECT count(*) AS chn FROM cheque WHERE cheque_no = ?"),
                            {Text6->text().trimmed()});
    if (rs.field("chn").number() > 0)
        return;
    mChequeNoAsked = true;
    if (forms::Dialogs::msgBox(QStringLiteral("THIS CHEQUE NUMBER NOT FOUND. ENTER CORRECT NUMBER NOW?"),
                               forms::vbYesNo, kHi)
        == forms::vbYes)
        forms::setFocus(Text6);
}

void Form8::Command4_Click()
{
    if (common::refuseFaultyTemplates({QString::fromLatin1(kAnnexureTemplate)},
                                      QStringLiteral("NO CHEQUE SLIP WAS MADE."), kHi))
        return;
    Timer1->setEnabled(true);
    Label37->show();
    Label38->setCaption(QStringLiteral("0"));

    // Every check runs before the template is opened: a slip is made whole or not at all.
    const QDate date = billDate();
    if (!date.isValid() || Label13->caption().trimmed().isEmpty()) {
        tell(QStringLiteral("PLEASE SELECT BILL DATE FOR CHEQUE SLIP"));
        forms::setFocus(Combo1);
        return;
    }
    const bool headWise = Combo3->listIndex() >= 0;
    if (headWise && Text6->text().trimmed().isEmpty()) {
        tell(QStringLiteral("YOU ARE ABOUT TO PREPARE A FILTERED REPORT.\r\nSO, PLEASE ENTER CHEQUE NUMBER"));
        forms::setFocus(Text6);
        return;
    }
    // Employees against employees: a bonus or advance paid beside a salary is
    // a second line of the list, not a second employee.
    Label39->setCaption(QString::number(slipEmployees(salaryDb())));

    data::QueryRecordset cheques(fundDb(), QStringLiteral("SELECT count(*) AS nchq FROM cheque WHERE bill_date = ?"),
                                 {QVariant(common::payBillRegisterDate(date))});
    if (cheques.field("nchq").number() == 0) {
        tell(QStringLiteral("CHEQUE NOT YET ENTERED IN THE CHEQUE REGISTER"));
        return;
    }
    // One blank is the box as a bill-date choice leaves it; an emptied box is no figure.
    if (Text5->text() == kBlank) {
        tell(QStringLiteral("PLEASE ENTER CHEQUE AMOUNT"));
        forms::setFocus(Text5);
        return;
    }
    if (!workOutRefund()) {
        tell(creditedRefusal(Text5->text(), vb::val(Label13->caption())));
        forms::setFocus(Text5);
        return;
    }
    if (Label9->caption() != Label39->caption()
        && forms::Dialogs::msgBox(QStringLiteral("ONE OR MORE EMPLOYEE EXIST WITHOUT PAY, CONTINUE YET ?"),
                                  forms::vbYesNo, kHi)
               != forms::vbYes)
        return;

    Annexure annexure;
    try {
        annexure = buildAnnexure(salaryDb(), fundDb(),
                                 AnnexureRequest{date, drawalCode(), Label6->caption(),
                                                 vb::cdbl(Text5->text().trimmed()),
                                                 headWise ? Text6->text().trimmed() : QString()});
    } catch (const vb::Error& e) {
        if (e.number != vb::NoCurrentRecord)
            throw;
        // Which record is missing (a bill with no cheque, a cheque of another
        // head) is what the clerk must mend; keep it one click away.
        forms::Dialogs::msgBox(QStringLiteral("SOME RECORDS ARE MISSING"), forms::vbCritical, kHi, e.description);
        return;
    }
    try {
        showAnnexure(annexure, date.toString(Qt::ISODate) + QLatin1Char(' ') + drawalCode());
    } catch (const vb::Error& e) {
        if (e.number != vb::FileNotFound)
            throw;
        tell(missingTemplateMessage(e.description, QStringLiteral("No cheque slip was made.")), forms::vbCritical);
    }
}

void Form8::Command6_Click()
{
    Combo3->setListIndex(-1);
    for (forms::Label* l : {Label9, Label11, Label13, Label39, Label24, Label26})
        l->setCaption(kBlank);
    Text5->setText(kBlank);
    Text6->setText(kBlank);
    Label30->hide();
    Text6->hide();
    Label22->hide();
}

} // namespace payslip
