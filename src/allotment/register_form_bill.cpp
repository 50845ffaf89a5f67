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

void Form1::DTPicker4_Change()
{
    offerImportOfWaitingTotals();
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
    // The bill form is reached by name: loading it here, hidden, leaves no
    // totals to take.
    const std::optional<ImportedBill> offered = totalsWaiting(true);
    if (!offered) {
        forms::Dialogs::msgBox(QStringLiteral("DATA NOT AVAILABLE. OPEN REPORT SECTION."), forms::vbInformation,
                               QStringLiteral("PLEASE NOTE"));
        return;
    }
    // The totals were made for one head's bill of one date; under any other
    // they would be filed as money that head never drew.
    if (const auto elsewhere = importedElsewhere(*offered)) {
        forms::Dialogs::msgBox(QStringLiteral("THE PAY-BILL TOTALS ARE OF ") + *elsewhere
                                   + QStringLiteral("\nNOTHING IS COPIED: THEY ARE KEPT FOR THAT BILL. "
                                                    "CHOOSE ITS HEAD AND BILL DATE TO IMPORT THEM."),
                               forms::vbInformation, QStringLiteral("PLEASE NOTE"));
        return;
    }
    forms::Label& pay = billFormTotal(61);
    billBox[Pay]->setText(pay.caption());
    billBox[Da]->setText(billFormTotal(62).caption());
    billBox[Hra]->setText(billFormTotal(63).caption());
    billBox[Ma]->setText(billFormTotal(64).caption());
    billBox[DPay]->setText(billFormTotal(65).caption());
    // What the bill draws outside pay and allowances (a bonus, a festival
    // advance paid) goes under BONUS, so that the row's amounts less its
    // deduction are the bill's net.
    billBox[Bonus]->setText(vb::figure(pay.property(common::kTotalsBonusProperty).toDouble()));
    Label83->setCaption(offered->deduction);
    mImported = offered;
    for (int n = 61; n <= 66; ++n)
        billFormTotal(n).setCaption(QStringLiteral("0"));
    for (const char* p : {common::kTotalsHeadProperty, common::kTotalsBillDateProperty, common::kTotalsBonusProperty})
        pay.setProperty(p, QVariant());
}

forms::Label& Form1::billFormTotal(int n) const
{
    return forms::Forms::control<forms::Label>(QStringLiteral("Form6"), QStringLiteral("Label%1").arg(n));
}

std::optional<Form1::ImportedBill> Form1::totalsWaiting(bool loadBillForm) const
{
    if (!loadBillForm && !forms::Forms::isLoaded(QStringLiteral("Form6")))
        return std::nullopt;
    const forms::Label& pay = billFormTotal(61);
    const QString head = pay.property(common::kTotalsHeadProperty).toString();
    // A bill of bonus or festival advance alone has no pay: only a bill with
    // no figure at all, or totals made for no bill, leave nothing to take.
    bool anyFigure = pay.property(common::kTotalsBonusProperty).toDouble() != 0;
    for (int n = 61; n <= 66; ++n)
        anyFigure = anyFigure || vb::val(billFormTotal(n).caption()) != 0;
    if (head.isEmpty() || !anyFigure)
        return std::nullopt;
    // The deduction to the paisa, as the bill prints it: loan instalments
    // carry fractions of a paisa that no bill pays.
    return ImportedBill{head, pay.property(common::kTotalsBillDateProperty).toDate(),
                        vb::figure(billFormTotal(66).caption())};
}

void Form1::offerImportOfWaitingTotals()
{
    // After a refusal the clerk turns to the bill the totals were made for:
    // choosing its head and bill date offers Import again.
    if (!Option2->value() || !isPayHead(chosenHead()))
        return;
    if (const auto waiting = totalsWaiting(false); waiting && isChosenBill(*waiting))
        Command8->setVisible(true);
}

bool Form1::isChosenBill(const ImportedBill& bill) const
{
    const QString code = chosenHead();
    return bill.head == code && bill.billDate.isValid()
        && registerDate(code, bill.billDate) == registerDate(code, DTPicker4->value());
}

std::optional<QString> Form1::importedElsewhere(const ImportedBill& bill) const
{
    if (isChosenBill(bill))
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
            const vb::AmountRead a = vb::readAmount(*answer, common::kBillAmount);
            if (a.ok()) {
                deduction = a.value;
                break;
            }
            forms::Dialogs::msgBox(a.fault == vb::AmountFault::TooManyDecimals
                                       ? common::keptToThePaisa(QStringLiteral("TOTAL DEDUCTION"))
                                       : QStringLiteral("TOTAL DEDUCTION MUST BE A NUMBER"),
                                   forms::vbInformation, kHi);
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
