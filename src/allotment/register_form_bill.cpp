// The bill frame: NEW BILL ENTRY, Import of the pay-bill totals, OK and CANCEL.
#include "allotment/register_form.h"

#include "allotment/registers.h"
#include "common/amounts.h"
#include "common/bill_totals.h"
#include "platform/data/recordset.h"
#include "platform/forms/controls.h"
#include "platform/forms/dialogs.h"
#include "platform/forms/registry.h"
#include "platform/vb/convert.h"


namespace allotment {

namespace {

const QString kHi = QStringLiteral("Hi");

// A bill number is a whole number of at least 1; 0 marks a head's opening row.
bool isBillNumber(const QString& text)
{
    return vb::readWhole(text).has_value();
}

} // namespace

void Form1::Option2_Click()
{
    for (forms::TextBox* box : billBox)
        box->setEnabled(false);
    openBoxesForHead();
    Command4->setEnabled(true);
    Command5->setEnabled(true);
    Command1->setEnabled(false);
    Command2->setEnabled(false);
    fillAmountBoxes(billBox, QStringLiteral("0"), true);
    mImported.reset();
    fillAmountBoxes(allotmentBox, QString(), false);
    disarmReset();
}

void Form1::DTPicker4_KeyUp(int keyCode)
{
    if (keyCode == forms::vbKeyReturn)
        focusFirstOpen(billBox);
}

void Form1::Command8_Click()
{
    Command8->setVisible(false);
    // The pay-bill totals belong to a new pay bill only; anywhere else they
    // would be stored under a head that pays no salary.
    if (!Option2->value() || !isPayHead(chosenHead())) {
        forms::Dialogs::msgBox(QStringLiteral("IMPORT IS ONLY FOR A NEW BILL UNDER A SALARY HEAD (OBJECT HEAD 01)."),
                               forms::vbInformation, QStringLiteral("PLEASE NOTE"));
        return;
    }
    // The bill form is reached by name: loading it here, hidden, leaves its
    // totals at "0".
    auto total = [](int n) -> forms::Label& {
        return forms::Forms::control<forms::Label>(QStringLiteral("Form6"), QStringLiteral("Label%1").arg(n));
    };
    if (vb::val(total(61).caption()) == 0) {
        forms::Dialogs::msgBox(QStringLiteral("DATA NOT AVAILABLE. OPEN REPORT SECTION."), forms::vbInformation,
                               QStringLiteral("PLEASE NOTE"));
        return;
    }
    // The totals were made for one head's bill of one date; under any other
    // they would be filed as money that head never drew.
    // The deduction to the paisa, as the bill prints it: loan instalments
    // carry fractions of a paisa that no bill pays.
    const ImportedBill offered{total(61).property(common::kTotalsHeadProperty).toString(),
                               total(61).property(common::kTotalsBillDateProperty).toDate(),
                               vb::figure(total(66).caption())};
    if (const auto elsewhere = importedElsewhere(offered)) {
        forms::Dialogs::msgBox(QStringLiteral("THE PAY-BILL TOTALS ARE OF ") + *elsewhere
                                   + QStringLiteral("\nNOTHING IS COPIED: THEY ARE KEPT FOR THAT BILL. "
                                                    "CHOOSE ITS HEAD AND BILL DATE TO IMPORT THEM."),
                               forms::vbInformation, QStringLiteral("PLEASE NOTE"));
        return;
    }
    billBox[Pay]->setText(total(61).caption());
    billBox[Da]->setText(total(62).caption());
    billBox[Hra]->setText(total(63).caption());
    billBox[Ma]->setText(total(64).caption());
    billBox[DPay]->setText(total(65).caption());
    Label83->setCaption(offered.deduction);
    mImported = offered;
    for (int n = 61; n <= 66; ++n)
        total(n).setCaption(QStringLiteral("0"));
    total(61).setProperty(common::kTotalsHeadProperty, QVariant());
    total(61).setProperty(common::kTotalsBillDateProperty, QVariant());
}

std::optional<QString> Form1::importedElsewhere(const ImportedBill& bill) const
{
    const QString code = chosenHead();
    if (bill.head == code && bill.billDate.isValid()
        && registerDate(code, bill.billDate) == registerDate(code, DTPicker4->value()))
        return std::nullopt;
    const std::optional<QString> name = headDescription(*mFund, bill.head);
    return QStringLiteral("THE BILL OF %1 UNDER %2%3.")
        .arg(vb::shortDate(bill.billDate), bill.head, name ? QStringLiteral(" (%1)").arg(*name) : QString());
}

void Form1::Command4_Click()
{
    const QString code = chosenHead();
    if (code.isEmpty()) {
        forms::Dialogs::msgBox(QStringLiteral("DRAWAL CODE NOT SELECTED"), forms::vbInformation, kHi);
        Combo1->setFocus();
        return;
    }
    const QString billNo = Text16->text();
    if (billNo.trimmed().isEmpty()) {
        forms::Dialogs::msgBox(QStringLiteral("BILL NUMBER NOT MENTIONED"), forms::vbInformation, kHi);
        Text16->setFocus();
        return;
    }
    if (!isBillNumber(billNo)) {
        forms::Dialogs::msgBox(QStringLiteral("BILL NUMBER MUST BE A WHOLE NUMBER ABOVE 0"), forms::vbInformation,
                               kHi);
        Text16->setFocus();
        return;
    }
    if (!checkAmounts(billBox, common::kBillAmount, forms::vbInformation, kHi))
        return;
    // Imported figures go under the bill they were made for, not under a head
    // or date changed after Import.
    if (mImported) {
        if (const auto elsewhere = importedElsewhere(*mImported)) {
            forms::Dialogs::msgBox(QStringLiteral("THE IMPORTED FIGURES ARE OF ") + *elsewhere
                                       + QStringLiteral("\nNOTHING IS SAVED: CHOOSE THAT HEAD AND BILL DATE AGAIN, "
                                                        "OR CANCEL THE BILL."),
                                   forms::vbInformation, kHi);
            return;
        }
    }

    Label83->setVisible(true);
    Label84->setVisible(true);
    auto hideDeduction = [this] {
        Label83->setVisible(false);
        Label84->setVisible(false);
    };

    double deduction = 0;
    if (isPayHead(code)) {
        for (;;) {
            // An imported bill proposes the deduction shown beside the
            // question; a bill typed by hand proposes nothing.
            const std::optional<QString> answer = forms::Dialogs::inputBox(
                QStringLiteral("THIS IS A PAY BILL.\nENTER TOTAL DEDUCTION OF THE BILL HERE."), QString(),
                mImported ? mImported->deduction : QString());
            if (!answer) { // Cancel abandons the bill
                hideDeduction();
                return;
            }
            if (answer->trimmed().isEmpty())
                break;
            if (const vb::AmountRead a = vb::readAmount(*answer, common::kBillAmount); a.ok()) {
                deduction = a.value;
                break;
            }
            forms::Dialogs::msgBox(QStringLiteral("TOTAL DEDUCTION MUST BE A NUMBER"), forms::vbInformation, kHi);
        }
    }

    data::TableRecordset& rs = *mBills;
    rs.addNew();
    try {
        rs["head"] = code;
        rs["bill_no"] = vb::cdbl(billNo);
        rs["bill_date"] = registerDate(code, DTPicker4->value());
        for (Column c : kEntryOrder)
            rs[QLatin1String(amountColumn(c).field)] = vb::cdbl(billBox[c]->text());
        rs["despn"] = Label2->caption();
        rs["deduction"] = deduction;
        rs.update();
    } catch (...) {
        rs.cancelUpdate();
        hideDeduction();
        throw;
    }

    mImported.reset();
    Text16->setText(QString());
    fillAmountBoxes(billBox, QString(), false);
    const int answer = forms::Dialogs::msgBox(
        QStringLiteral("BILL ENTERED SUCCESSFULLY UNDER THE HEAD OF A/C.\n\n") + code
            + QStringLiteral(". ENTER ANOTHER IN THE SAME HEAD?"),
        forms::vbYesNo, kHi);
    if (answer == forms::vbYes) {
        fillAmountBoxes(billBox, QStringLiteral("0"), false);
        Text16->setFocus();
    } else {
        Option2->setValue(false);
        Command4->setEnabled(false);
        Command5->setEnabled(false);
    }
    if (!refreshBalances()) {
        forms::Dialogs::msgBox(QStringLiteral("Allotment table is empty yet"), forms::vbInformation, kHi);
        return;
    }
    Label67->setCaption(vb::cstr(lastBillNumber(*mFund).value_or(0)));
    hideDeduction();
}

void Form1::Command5_Click()
{
    mBills->cancelUpdate();
    mImported.reset();
    Text16->setText(QString());
    fillAmountBoxes(billBox, QString(), false);
    Text16->setFocus();
}

} // namespace allotment
