// The provident-fund form and the broad sheet: the account pick, SAVE of a
// worked-out year, FIND SUMMERY and the three CANCELs.
#include "provident_fund/account_form.h"

#include "platform/data/data_control.h"
#include "platform/forms/controls.h"
#include "platform/forms/dialogs.h"
#include "platform/vb/convert.h"
#include "platform/vb/error.h"
#include "provident_fund/broadsheet.h"

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
    disarmYear();
    const QString account = Combo2->currentData().toString().trimmed();
    if (const auto any = mBroadSheet->any(account)) {
        Label29->setCaption(any->name);
        Label31->setCaption(any->name);
        Text2->setText(any->name);
        Text1->setText(any->acNo);
    } else {
        Label29->setCaption(QString());
        Label31->setCaption(QString());
        Text2->setText(QString());
        Text1->setText(account);
    }
    const auto year = mBroadSheet->find(account, mStart);
    if (!year) {
        Dialogs::msgBox(QStringLiteral("No record found for this Financial year\r\n"
                                       "If you wish to see record, check the financial year.\r\n"
                                       "If you want to calculate interest for this year, be\r\n"
                                       "Ensure that previous year record already saved or exists."),
                        vbInformation, kPLEASE_NOTE);
        emptyBoxes({Text14, Text16, Text17, Text10, Text18, Text20});
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
    try {
        // An interest below half a rupee is shown as nothing and filed as 0.
        r.ob = vb::cdbl(Text14->text());
        r.totSubs = vb::cdbl(Text16->text());
        r.totRefund = vb::cdbl(Text17->text());
        r.interest = Text10->text().trimmed().isEmpty() ? 0.0 : vb::cdbl(Text10->text());
        r.loanTkn = vb::cdbl(Text18->text());
        r.cb = vb::cdbl(Text20->text());
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
