// The provident-fund form and the broad sheet: the account pick, SAVE of a
// worked-out year, FIND SUMMERY and the three CANCELs.
#include "provident_fund/account_form.h"

#include "common/amounts.h"
#include "platform/data/data_control.h"
#include "platform/forms/controls.h"
#include "platform/forms/dialogs.h"
#include "platform/vb/convert.h"
#include "platform/vb/error.h"
#include "provident_fund/broadsheet.h"

#include <QScopeGuard>

namespace provident_fund {

using forms::Dialogs;
using forms::vbInformation;

namespace {

const QString kPLEASE_NOTE = QStringLiteral("PLEASE NOTE");

QString amountText(double x)
{
    return vb::cstr(x);
}

} // namespace

void gpf_ac::Combo2_Click()
{
    // Each account's year starts from the blank sheet: a refund or withdrawal
    // booked for the subscriber worked before would otherwise be counted, month
    // by month, in this one's year, since an amount of 0 books nothing. Without
    // a blank sheet no account is taken, so no step can work on the old one.
    // The subscriber shown before leaves the boxes first: a pick refused, or
    // failed part way, shows nobody chosen rather than the earlier subscriber
    // under an empty account list, nor that subscriber's monthly subscription
    // waiting to be worked out as nobody's.
    const QString account = Combo2->currentData().toString().trimmed();
    emptyBoxes({Text1, Text2, Text14, Text16, Text17, Text10, Text18, Text20});
    Label29->setCaption(QString());
    Label31->setCaption(QString());
    bool taken = false;
    const auto nothingChosen = qScopeGuard([&] {
        if (taken)
            return;
        Combo2->setListIndex(-1);
        Text5->setText(QString());
    });
    // Read before the sheet is made afresh, so that a read that fails leaves it as it was.
    const auto any = mBroadSheet->any(account);
    const auto year = mBroadSheet->find(account, mStart);
    if (!freshSheet())
        return;
    taken = true;
    if (any) {
        Label29->setCaption(any->name);
        Label31->setCaption(any->name);
        Text2->setText(any->name);
        Text1->setText(any->acNo);
    } else {
        Text1->setText(account);
    }
    if (!year) {
        Dialogs::msgBox(QStringLiteral("No record found for this Financial year\r\n"
                                       "If you wish to see record, check the financial year.\r\n"
                                       "If you want to calculate interest for this year, be\r\n"
                                       "Ensure that previous year record already saved or exists."),
                        vbInformation, kPLEASE_NOTE);
        return;
    }
    Label29->setCaption(year->name);
    Text1->setText(Combo2->text());
    Text14->setText(amountText(year->ob));
    Text16->setText(amountText(year->totSubs));
    Text17->setText(amountText(year->totRefund));
    Text10->setText(amountText(year->interest));
    Text18->setText(amountText(year->loanTkn));
    Text20->setText(amountText(year->cb));
}

void gpf_ac::Combo2_KeyUp(int keyCode)
{
    if (keyCode == forms::vbKeyReturn)
        Text5->setFocus();
}

void gpf_ac::Command3_Click()
{
    YearRecord r;
    r.year = Label21->caption();
    r.acNo = Text1->text().trimmed();
    r.name = Text2->text().trimmed();
    r.yrBegin = mStart;
    if (r.acNo.isEmpty()) {
        Dialogs::msgBox(QStringLiteral("ACCOUNT NUMBER LEFT BLANK"), vbInformation, QStringLiteral("Please Note"));
        return;
    }
    if (r.name.isEmpty()) {
        Dialogs::msgBox(QStringLiteral("NAME NOT MENTIONED"), vbInformation, QStringLiteral("Please Note"));
        return;
    }
    if (!subscriberFits(QStringLiteral("Please Note")))
        return;
    // The summary boxes can be typed over after CALCULATE: each must hold a
    // figure, but an interest below half a rupee is shown as nothing and
    // filed as 0.
    vb::AmountRule figure = common::kFundSummary;
    figure.blankIsZero = false;
    const std::pair<forms::TextBox*, const vb::AmountRule*> parts[] = {
        {Text14, &figure}, {Text16, &figure}, {Text17, &figure},
        {Text10, &common::kFundSummary}, {Text18, &figure}, {Text20, &figure}};
    double* fields[] = {&r.ob, &r.totSubs, &r.totRefund, &r.interest, &r.loanTkn, &r.cb};
    for (int i = 0; i < 6; ++i) {
        const vb::AmountRead read = vb::readAmount(parts[i].first->text(), *parts[i].second);
        if (!read.ok()) {
            Dialogs::msgBox(QStringLiteral("INVALID PROCEDURE. UNKNOWN ERROR"), forms::vbCritical,
                            QStringLiteral("Hi"));
            return;
        }
        *fields[i] = read.value;
    }
    try {
        mBroadSheet->add(r);
    } catch (const vb::Error& e) {
        if (e.number == vb::DuplicateKey)
            Dialogs::msgBox(QStringLiteral("Record already saved for this year\r\n"
                                           "If you want to change the existing record, delete it first."),
                            vbInformation, QStringLiteral("Duplicate Entry Error"));
        else
            Dialogs::msgBox(QStringLiteral("INVALID PROCEDURE. UNKNOWN ERROR"), forms::vbCritical,
                            QStringLiteral("Hi"));
        return;
    }
    emptyBoxes({Text1, Text2, Text4, Text5, Text6, Text7, Text8, Text9, Text10, Text14, Text16, Text17, Text18,
                Text20});
    Combo1->setListIndex(-1);
    Combo2->setListIndex(-1);
    Label29->setCaption(QString());
    Dialogs::msgBox(QStringLiteral("REPORT SAVED IN THE BROAD SHEET"), vbInformation, kPLEASE_NOTE);
    disarmSave();
    Data1->refresh();
}

void gpf_ac::Command4_Click()
{
    disarmSave();
    const auto year = mBroadSheet->find(Text1->text(), mStart);
    labelNamed("Label17")->setEnabled(true);
    Text10->setEnabled(true);
    if (!year) {
        Dialogs::msgBox(QStringLiteral("NO RECORD FOUND FOR THIS FINANCIAL YEAR\r\n"
                                       "PLEASE CHECK THE ACCOUNT NUMBER AND OR YEAR"),
                        vbInformation, QStringLiteral("Hi"));
        return;
    }
    Text2->setText(year->name);
    Label31->setCaption(year->name);
    Text14->setText(amountText(year->ob));
    Text16->setText(amountText(year->totSubs));
    Text17->setText(amountText(year->totRefund));
    Text10->setText(amountText(year->interest));
    Text18->setText(amountText(year->loanTkn));
    // Worked out from the record's parts: a typed closing balance that did
    // not match them shows here.
    Text20->setText(amountText(year->componentSum()));
    Label30->setCaption(Label21->caption());
}

void gpf_ac::Command2_Click()
{
    disarmSave();
    emptyBoxes({Text1, Text2, Text19, Text3, Text15, Text11, Text12, Text13});
    mEntryClosingStale = false;
    Text1->setFocus();
}

void gpf_ac::Command8_Click()
{
    disarmSave();
    emptyBoxes({Text1, Text2, Text4, Text5, Text6, Text7, Text8, Text9, Text10, Text14, Text16, Text17, Text18,
                Text20});
    Combo1->setListIndex(-1);
    Combo2->setListIndex(-1);
    Label29->setCaption(QString());
    Data1->setRecordSource(QStringLiteral("select * from calc_sheet where month = 'NIL'"));
    Data1->refresh();
}

void gpf_ac::Command9_Click()
{
    disarmSave();
    Label31->setCaption(QString());
    emptyBoxes({Text14, Text16, Text17, Text10, Text18, Text20});
}

} // namespace provident_fund
