// The allotment frame: NEW ALLOTMENT ENTRY, OK and CANCEL.
#include "allotment/register_form.h"

#include "common/amounts.h"
#include "common/free_text.h"
#include "platform/data/recordset.h"
#include "platform/forms/controls.h"
#include "platform/forms/dialogs.h"
#include "platform/vb/convert.h"

namespace allotment {

void Form1::Option1_Click()
{
    for (forms::TextBox* box : allotmentBox)
        box->setEnabled(false);
    openBoxesForHead();
    Command1->setEnabled(true);
    Command2->setEnabled(true);
    Command4->setEnabled(false);
    Command5->setEnabled(false);
    Command8->setVisible(false);
    fillAmountBoxes(allotmentBox, QStringLiteral("0"), true);
    fillAmountBoxes(billBox, QString(), false);
    disarmReset();
}

void Form1::DTPicker3_KeyUp(int keyCode)
{
    if (keyCode == forms::vbKeyReturn)
        focusFirstOpen(allotmentBox);
}

void Form1::Command1_Click()
{
    const QString code = chosenHead();
    if (code.isEmpty()) {
        forms::Dialogs::msgBox(QStringLiteral("DRAWAL CODE NOT SELECTED"));
        Combo1->setFocus();
        return;
    }
    // "0" is the order number of a head's opening row, which every list of
    // orders hides and the year-end reset carries over.
    const common::TextRead order = common::readText(Text2->text(), QStringLiteral("all_allot"),
                                                    QStringLiteral("order_no"));
    const QString orderNo = order.text;
    if (orderNo.isEmpty() || orderNo == QLatin1String("0")) {
        forms::Dialogs::msgBox(QStringLiteral("ORDER NUMBER NOT MENTIONED"));
        Text2->setFocus();
        return;
    }
    if (!order.ok()) {
        forms::Dialogs::msgBox(order.refusal(QStringLiteral("ORDER NUMBER")));
        Text2->setFocus();
        return;
    }
    if (!checkAmounts(allotmentBox, common::kAllotmentAmount, forms::vbOKOnly, QString()))
        return;

    data::TableRecordset& rs = *mAllotments;
    rs.addNew();
    try {
        rs["head"] = code;
        rs["order_no"] = orderNo;
        rs["order_date"] = DTPicker3->value();
        for (Column c : kEntryOrder)
            rs[QLatin1String(amountColumn(c).field)] = vb::cdbl(allotmentBox[c]->text());
        rs["despn"] = Label2->caption();
        rs.update();
    } catch (...) {
        rs.cancelUpdate();
        throw;
    }

    Text2->setText(QString());
    fillAmountBoxes(allotmentBox, QString(), false);
    const int answer = forms::Dialogs::msgBox(
        QStringLiteral("ALLOTMENT ENTERED SUCCESSFULLY UNDER THE HEAD OF A/C.\n\n") + code
            + QStringLiteral(". ENTER ANOTHER IN THE SAME HEAD?"),
        forms::vbYesNo, QStringLiteral("Hi"));
    if (answer == forms::vbYes) {
        fillAmountBoxes(allotmentBox, QStringLiteral("0"), false);
        Text2->setFocus();
    } else {
        Option1->setValue(false);
        Command1->setEnabled(false);
        Command2->setEnabled(false);
    }
    if (!refreshBalances())
        forms::Dialogs::msgBox(QStringLiteral("Expenditure table is empty yet"));
}

void Form1::Command2_Click()
{
    mAllotments->cancelUpdate();
    Text2->setText(QString());
    fillAmountBoxes(allotmentBox, QString(), false);
    Text2->setFocus();
}

} // namespace allotment
