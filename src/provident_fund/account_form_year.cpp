// The calculation steps of the provident-fund form: subscription, refunds,
// withdrawals, the interest step and CALCULATE.
#include "provident_fund/account_form.h"

#include "common/amounts.h"
#include "common/free_text.h"
#include "platform/data/database.h"
#include "platform/forms/controls.h"
#include "platform/forms/dialogs.h"
#include "platform/vb/convert.h"
#include "provident_fund/broadsheet.h"
#include "provident_fund/sheet.h"

namespace provident_fund {

using forms::Dialogs;
using forms::vbInformation;

namespace {

const QString kHi = QStringLiteral("Hi");
const QString kPleaseNote = QStringLiteral("Please Note");
const QString kPLEASE_NOTE = QStringLiteral("PLEASE NOTE");
const QString kRefundNotNumber = QStringLiteral("REFUND OF LOAN MUST BE A NUMBER");
const QString kWithdrawalNotNumber = QStringLiteral("WITHDRAWAL MUST BE A NUMBER");

void refocus(forms::TextBox* box, bool selectAll)
{
    box->setFocus();
    if (selectAll)
        box->selectAll();
}

} // namespace

std::optional<double> gpf_ac::readAmount(forms::TextBox* box, const vb::AmountRule& rule, const QString& message,
                                         const QString& title, bool selectAll)
{
    const vb::AmountRead read = vb::readAmount(box->text(), rule);
    if (read.ok())
        return read.value;
    Dialogs::msgBox(read.fault == vb::AmountFault::Negative ? QStringLiteral("A NEGATIVE FIGURE IS NOT ACCEPTED HERE")
                                                            : message,
                    vbInformation, title);
    refocus(box, selectAll);
    return std::nullopt;
}

std::optional<double> gpf_ac::sheetAmount(forms::TextBox* box, const QString& message)
{
    const auto amount = readAmount(box, common::kMonthlyFundAmount, message, kPleaseNote, true);
    if (!amount || !sheetIsThisYears())
        return std::nullopt;
    return amount;
}

bool gpf_ac::subscriberFits(const QString& title)
{
    const std::pair<forms::TextBox*, const char*> boxes[] = {{Text1, "ac_no"}, {Text2, "name"}};
    for (const auto& [box, column] : boxes) {
        const common::TextRead read = common::readText(box->text(), QStringLiteral("broadsheet"), QLatin1String(column));
        if (!read.ok()) {
            Dialogs::msgBox(read.refusal(box == Text1 ? QStringLiteral("ACCOUNT NUMBER") : QStringLiteral("NAME")),
                            vbInformation, title);
            refocus(box, true);
            return false;
        }
    }
    return true;
}

bool gpf_ac::sheetIsThisYears()
{
    if (Combo2->listIndex() >= 0 && mSheet->stampedFor(Combo2->currentData().toString(), mStart))
        return true;
    Dialogs::msgBox(QStringLiteral("THE SHEET IS NOT MADE FOR THIS ACCOUNT AND YEAR. PICK THE A/C NUMBER AND "
                                   "ENTER THE MONTHLY SUBSCRIPTION FIRST."),
                    vbInformation, kPLEASE_NOTE);
    refocus(Text5, true);
    return false;
}

void gpf_ac::Text5_KeyUp(int keyCode)
{
    if (keyCode != forms::vbKeyReturn)
        return;
    const auto subs = readAmount(Text5, common::kMonthlyFundAmount,
                               QStringLiteral("MONTHLY SUBSCRIPTION MUST BE A NUMBER"), kHi, true);
    if (!subs || !subscriberFits(kHi))
        return;
    mSheet->stamp(Text1->text(), Text2->text(), *subs, mStart);
    Text6->setFocus();
}

void gpf_ac::Text6_KeyUp(int keyCode)
{
    if (keyCode == forms::vbKeyReturn) {
        const auto refund = sheetAmount(Text6, kRefundNotNumber);
        if (!refund)
            return;
        showSheet();
        if (*refund == 0) {
            Text7->setFocus();
        } else {
            Text8->setEnabled(true);
            Text4->setEnabled(true);
            Text8->setFocus();
        }
    }
    mSheet->setTotals();
}

void gpf_ac::Text8_KeyUp(int keyCode)
{
    if (keyCode != forms::vbKeyReturn)
        return;
    if (!vb::isDate(Text8->text())) {
        Dialogs::msgBox(QStringLiteral("ONLY DATE IS ACCEPTABLE"), vbInformation, kPLEASE_NOTE);
        refocus(Text8, true);
        return;
    }
    Text4->setFocus();
}

std::optional<std::pair<QDate, QDate>> gpf_ac::readRefundPeriod()
{
    if (!vb::isDate(Text8->text())) {
        Dialogs::msgBox(QStringLiteral("ONLY DATE IS ACCEPTABLE"), vbInformation, kPLEASE_NOTE);
        refocus(Text8, true);
        return std::nullopt;
    }
    if (!vb::isDate(Text4->text())) {
        Dialogs::msgBox(QStringLiteral("Only Date is Acceptable"), vbInformation, kPleaseNote);
        refocus(Text4, true);
        return std::nullopt;
    }
    const QDate from = vb::cdate(Text8->text());
    const QDate to = vb::cdate(Text4->text());
    if (to < from) {
        Dialogs::msgBox(QStringLiteral("THE REFUND PERIOD ENDS BEFORE IT BEGINS"), vbInformation, kPleaseNote);
        refocus(Text4, true);
        return std::nullopt;
    }
    return std::make_pair(from, to);
}

void gpf_ac::Text4_KeyUp(int keyCode)
{
    if (keyCode != forms::vbKeyReturn)
        return;
    const auto period = readRefundPeriod();
    if (!period)
        return;
    const auto refund = sheetAmount(Text6, kRefundNotNumber);
    if (!refund)
        return;
    mSheet->bookRefund(*refund, period->first, period->second);
    showSheet();
    if (Dialogs::msgBox(QStringLiteral("Have another refund?"), forms::vbYesNo + vbInformation,
                        QStringLiteral("Next Recovery"))
        == forms::vbYes)
        refocus(Text6, true);
    else
        Text7->setFocus();
}

namespace {

// An empty withdrawal box means none.
void emptyMeansNone(forms::TextBox* box)
{
    if (box->text().trimmed().isEmpty())
        box->setText(QStringLiteral("0"));
}

} // namespace

void gpf_ac::Text7_KeyUp(int keyCode)
{
    if (keyCode != forms::vbKeyReturn)
        return;
    emptyMeansNone(Text7);
    const auto loan = sheetAmount(Text7, kWithdrawalNotNumber);
    if (!loan)
        return;
    showSheet();
    if (*loan == 0) {
        Text9->setFocus();
    } else {
        Combo1->setEnabled(true);
        Combo1->setLocked(false);
        Combo1->setFocus();
    }
}

void gpf_ac::Combo1_Click()
{
    emptyMeansNone(Text7);
    const auto loan = sheetAmount(Text7, kWithdrawalNotNumber);
    if (!loan)
        return;
    mSheet->bookWithdrawal(*loan, Combo1->text());
    disarmYear();
    showSheet();
    if (Dialogs::msgBox(QStringLiteral("Have another Loan to enter now?"), forms::vbYesNo + vbInformation,
                        QStringLiteral("Next Loan"))
        == forms::vbYes)
        refocus(Text7, true);
    else
        Text9->setFocus();
}

void gpf_ac::Text9_KeyUp(int keyCode)
{
    if (keyCode != forms::vbKeyReturn)
        return;
    const auto rate = readAmount(Text9, common::kRateOfInterest,
                                 QStringLiteral("INTEREST RATE MUST BE A NUMBER"), kHi, false);
    if (!rate || !sheetIsThisYears())
        return;
    const auto last = mBroadSheet->find(Combo2->currentData().toString(), mStart.addYears(-1));
    if (!last) {
        Dialogs::msgBox(QStringLiteral("Openning Balance Not Found. Check Previous Year's Record."), vbInformation,
                        kPLEASE_NOTE);
        return;
    }
    const YearInterest year = mSheet->workOut(last->cb, *rate);
    Text14->setText(vb::cstr(last->cb));
    Text10->setText(interestText(year.interest));
    disarmSave();
    Command7->setEnabled(true);
    Command7->setFocus();
}

std::optional<double> gpf_ac::summaryAmount(forms::TextBox* box, const QString& message)
{
    const vb::AmountRead read = vb::readAmount(box->text(), common::kFundSummary);
    if (!read.ok()) {
        Dialogs::msgBox(message, vbInformation, kHi);
        return std::nullopt;
    }
    return read.value;
}

void gpf_ac::Command7_Click()
{
    // The summary boxes can be typed in; a figure that is no number stops here.
    const auto ob = summaryAmount(Text14, QStringLiteral("OPENING BALANCE MUST BE A NUMBER"));
    const auto interest = ob ? summaryAmount(Text10, QStringLiteral("INTEREST MUST BE A NUMBER")) : std::nullopt;
    if (!interest)
        return;
    showSheet();
    const SheetTotals sums = mSheet->totals();
    Text16->setText(vb::cstr(sums.subs));
    Text17->setText(vb::cstr(sums.refund));
    Text18->setText(vb::cstr(sums.loan));
    Text20->setText(vb::cstr(closingBalance(*ob, sums.subs, sums.refund, *interest, sums.loan)));
    Command3->setEnabled(true);
    Command6->setEnabled(true);
    Command7->setEnabled(false);
}

} // namespace provident_fund
