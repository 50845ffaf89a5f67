// The head choice: description, balances, the head's orders, the last bill number.
#include "allotment/register_form.h"

#include "allotment/registers.h"
#include "platform/data/data_control.h"
#include "platform/forms/controls.h"
#include "platform/forms/dialogs.h"
#include "platform/vb/convert.h"

namespace allotment {

void Form1::Combo1_Click()
{
    for (int c = 0; c < ColumnCount; ++c) {
        allotmentBox[c]->setEnabled(false);
        billBox[c]->setEnabled(false);
    }
    // Import belongs to the bill of the head it was offered for.
    Command8->setVisible(false);

    const QString code = chosenHead();
    const std::optional<QString> description = headDescription(*mFund, code);
    // A head deleted since the list was filled: no description of another
    // head may stay to be written with this one's entries.
    Label2->setCaption(description.value_or(QString()));
    Label79->setCaption(description.value_or(QString()));
    if (!description)
        return;
    offerImportOfWaitingTotals();

    if (!refreshBalances()) {
        const int answer = forms::Dialogs::msgBox(
            QStringLiteral("Either allotment or expenditure table is empty. Want to enter data now?"), forms::vbYesNo);
        if (answer == forms::vbYes)
            (Option1->value() ? Text2 : Text16)->setFocus();
        return;
    }

    Data1->setRecordSource(QStringLiteral("select * from all_allot where head = ? and order_no <> '0'"), {code});
    Data1->refresh();
    Label67->setCaption(vb::cstr(lastBillNumber(*mFund).value_or(0)));

    if (Option1->value())
        Text2->setFocus();
    else if (Option2->value())
        Text16->setFocus();
    openBoxesForHead();
}

bool Form1::refreshBalances()
{
    const std::optional<Balances> b = headBalances(*mFund, chosenHead(), DTPicker1->value(), DTPicker2->value());
    if (!b)
        return false;
    // Allotted less spent leaves binary fractions (1000.05 - 999.95 is not
    // quite 0.1): a balance reads to the paisa, as the reports print it.
    for (int c = 0; c < ColumnCount; ++c)
        balanceLabel[c]->setCaption(vb::figure(b->column[c]));
    Label15->setCaption(vb::figure(b->salaryTotal));
    return true;
}

void Form1::openBoxesForHead()
{
    const std::array<forms::TextBox*, ColumnCount>* boxes = nullptr;
    if (Option1->value())
        boxes = &allotmentBox;
    else if (Option2->value())
        boxes = &billBox;
    if (!boxes)
        return;
    for (Column c : columnsOpened(chosenHead()))
        (*boxes)[c]->setEnabled(true);
}

} // namespace allotment
