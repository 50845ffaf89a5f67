// The provident-fund form's data-entry part: a new subscriber's year typed
// from its summary, its closing balance, and SAVE.
#include "provident_fund/account_form.h"

#include "common/amounts.h"
#include "platform/forms/controls.h"
#include "platform/forms/dialogs.h"
#include "platform/vb/convert.h"
#include "platform/vb/error.h"
#include "provident_fund/broadsheet.h"
#include "provident_fund/sheet.h"

namespace provident_fund {

using forms::Dialogs;
using forms::vbInformation;

namespace {

const QString kPleaseNote = QStringLiteral("Please Note");

} // namespace

bool gpf_ac::workOutEntryClosing()
{
    const std::pair<forms::TextBox*, const char*> checks[] = {
        {Text19, "OPENNING BALANCE MUST BE A NUMBER"}, {Text3, "SUBSCRIPTION MUST BE A NUMBER"},
        {Text15, "REFUND OF LOAN MUST BE A NUMBER"},   {Text11, "INTEREST MUST BE A NUMBER"},
        {Text12, "WITHDRAWAL MUST BE A NUMBER"}};
    double amount[5] = {};
    for (int i = 0; i < 5; ++i) {
        const auto a = readAmount(checks[i].first, common::kFundBalance, QString::fromLatin1(checks[i].second),
                                  kPleaseNote, false);
        if (!a)
            return false;
        amount[i] = *a;
    }
    Text13->setText(vb::cstr(closingBalance(amount[0], amount[1], amount[2], amount[3], amount[4])));
    return true;
}

void gpf_ac::Text12_LostFocus()
{
    if (workOutEntryClosing())
        Command1->setFocus();
}

void gpf_ac::Command1_Click()
{
    const QString account = Text1->text().trimmed();
    const QString name = Text2->text().trimmed();
    if (account.isEmpty()) {
        Dialogs::msgBox(QStringLiteral("ACCOUNT NUMBER LEFT BLANK"), vbInformation, kPleaseNote);
        Text1->setFocus();
        return;
    }
    if (name.isEmpty()) {
        Dialogs::msgBox(QStringLiteral("NAME NOT MENTIONED"), vbInformation, kPleaseNote);
        Text2->setFocus();
        return;
    }
    if (!subscriberFits(kPleaseNote))
        return;
    const std::pair<forms::TextBox*, const char*> checks[] = {
        {Text19, "OPENING BALANCE MUST BE A NUMBER"}, {Text3, "G.P.F SUBSCRIPTION MUST BE A NUMBER"},
        {Text15, "REFUND OF LOAN MUST BE A NUMBER"},  {Text11, "INTEREST MUST BE A NUMERIC DIGIT"},
        {Text12, "LOAN AMOUNT MUST BE A NUMBER"}};
    double amount[5] = {};
    for (int i = 0; i < 5; ++i) {
        const auto a = readAmount(checks[i].first, common::kFundBalance, QString::fromLatin1(checks[i].second),
                                  kPleaseNote, false);
        if (!a)
            return;
        amount[i] = *a;
    }
    // An amount changed after the closing balance was worked out counts.
    if (mEntryClosingStale)
        Text13->setText(vb::cstr(closingBalance(amount[0], amount[1], amount[2], amount[3], amount[4])));
    const auto closing = readAmount(Text13, common::kFundBalance,
                                    QStringLiteral("Only Numbers Are Acceptable As Closing Balance"),
                                    kPleaseNote, false);
    if (!closing)
        return;

    YearRecord r;
    r.year = Label21->caption();
    r.acNo = account;
    r.name = name;
    r.ob = amount[0];
    r.totSubs = amount[1];
    r.totRefund = amount[2];
    r.interest = amount[3];
    r.loanTkn = amount[4];
    r.cb = *closing;
    r.yrBegin = mStart;
    try {
        mBroadSheet->add(r);
    } catch (const vb::Error& e) {
        if (e.number != vb::DuplicateKey)
            throw;
        Dialogs::msgBox(QStringLiteral("Record already saved for this year\r\n"
                                       "If you want to change the existing record, delete it first."),
                        vbInformation, QStringLiteral("Duplicate Entry Error"));
        return;
    }
    emptyBoxes({Text1, Text2, Text3, Text9, Text11, Text12, Text13, Text15, Text19});
    mEntryClosingStale = false;
    Dialogs::msgBox(QStringLiteral("Data Entered in the Broad Sheet"), vbInformation, QStringLiteral("PLEASE NOTE"));
}

} // namespace provident_fund
