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

std::optional<std::array<double, 5>> gpf_ac::readEntryAmounts(const std::array<const char*, 5>& messages)
{
    forms::TextBox* const boxes[] = {Text19, Text3, Text15, Text11, Text12};
    std::array<double, 5> amount{};
    for (int i = 0; i < 5; ++i) {
        const auto a = readAmount(boxes[i], common::kFundBalance, QString::fromLatin1(messages[i]), kPleaseNote, false);
        if (!a)
            return std::nullopt;
        amount[i] = *a;
    }
    return amount;
}

bool gpf_ac::workOutEntryClosing()
{
    const auto amount = readEntryAmounts({"OPENNING BALANCE MUST BE A NUMBER", "SUBSCRIPTION MUST BE A NUMBER",
                                          "REFUND OF LOAN MUST BE A NUMBER", "INTEREST MUST BE A NUMBER",
                                          "WITHDRAWAL MUST BE A NUMBER"});
    if (!amount)
        return false;
    const auto& a = *amount;
    Text13->setText(vb::cstr(closingBalance(a[0], a[1], a[2], a[3], a[4])));
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
    const auto read = readEntryAmounts({"OPENING BALANCE MUST BE A NUMBER", "G.P.F SUBSCRIPTION MUST BE A NUMBER",
                                        "REFUND OF LOAN MUST BE A NUMBER", "INTEREST MUST BE A NUMERIC DIGIT",
                                        "LOAN AMOUNT MUST BE A NUMBER"});
    if (!read)
        return;
    const auto& amount = *read;
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
