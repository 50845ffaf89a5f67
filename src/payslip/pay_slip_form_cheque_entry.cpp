// The cheque register: the bill number's look-up, SAVE, CANCEL and the register grid.
#include "payslip/pay_slip_form.h"

#include "payslip/cheque_register.h"
#include "platform/data/data_control.h"
#include "platform/forms/controls.h"
#include "platform/forms/dialogs.h"
#include "platform/vb/convert.h"
#include "platform/vb/error.h"

#include <QApplication>
#include <QSqlRecord>

namespace payslip {

namespace {

const QString kHi = QStringLiteral("Hi");

void tell(const QString& text, const QString& title = kHi)
{
    forms::Dialogs::msgBox(text, forms::vbInformation, title);
}

} // namespace

void Form8::showLastCheque()
{
    if (Data1->rowCount() > 0 && Data1->currentRow() != Data1->rowCount() - 1)
        Data1->moveLast();
}

void Form8::Text1_GotFocus()
{
    showLastCheque();
}

void Form8::Text1_Change()
{
    // The date found belongs to the number looked up, not to what is typed now.
    mLookedUpBillDate = QDate();
    Label7->setCaption(QString());
}

std::optional<QDate> Form8::lookUpBill(const QString& title)
{
    const auto number = billNumber(Text1->text());
    if (!number)
        return std::nullopt;
    const auto date = registeredBillDate(fundDb(), *number);
    if (!date) {
        tell(QStringLiteral("THIS BILL NUMBER NOT FOUND"), title);
        return std::nullopt;
    }
    mLookedUpBillDate = *date;
    Label7->setCaption(vb::shortDate(*date));
    return date;
}

void Form8::Text1_KeyUp(int keyCode)
{
    if (keyCode != forms::vbKeyReturn)
        return;
    if (lookUpBill(QStringLiteral("PLEASE NOTE")))
        forms::setFocus(Text2);
}

void Form8::Text1_LostFocus()
{
    // Leaving the box because another mode was chosen is not leaving it for the next box.
    if (!Text1->isEnabled())
        return;
    // Nothing typed, and the clerk goes to the register itself: no cheque is
    // being entered, so there is no bill number to correct.
    const QWidget* now = QApplication::focusWidget();
    if (Text1->text().trimmed().isEmpty() && now && (now == DBGrid1 || DBGrid1->isAncestorOf(now)))
        return;
    if (!billNumber(Text1->text())) {
        if (forms::Dialogs::msgBox(QStringLiteral("BILL NUMBER NOT AUTHENTICATED. DO YOU WISH TO CORRECT?"),
                                   forms::vbYesNo, kHi)
            == forms::vbYes)
            forms::setFocus(Text1);
        return;
    }
    if (!lookUpBill(kHi))
        forms::setFocus(Text1);
}

void Form8::Command3_Click()
{
    const ChequeEntry entry{Text1->text(), mLookedUpBillDate, Text2->text(), Text3->text(), Text4->text()};
    if (const auto refusal = checkCheque(fundDb(), entry)) {
        tell(refusal->message);
        switch (refusal->box) {
        case ChequeBox::BillNo: forms::setFocus(Text1); break;
        case ChequeBox::ChequeNo:
            forms::setFocus(Text2);
            Text2->selectAll();
            break;
        case ChequeBox::ChequeDate: forms::setFocus(Text3); break;
        case ChequeBox::Amount: forms::setFocus(Text4); break;
        case ChequeBox::Cancel: forms::setFocus(Command5); break;
        }
        return;
    }
    // One cheque may pay two bills, but a number typed again is more often a
    // cheque saved against the wrong bill, which the grid moves instead.
    const QString other = otherBillOfCheque(fundDb(), entry);
    if (!other.isEmpty() && !forms::Dialogs::confirm(sharedChequeQuestion(entry, other), kHi)) {
        forms::setFocus(Text2);
        Text2->selectAll();
        return;
    }
    try {
        addCheque(fundDb(), entry);
    } catch (const vb::Error& e) {
        if (e.number == vb::DuplicateKey) {
            tell(QStringLiteral("Cheque for this bill has already entered in the Register"));
            forms::setFocus(Command5);
            return;
        }
        if (e.number == vb::DataTypeConversion) {
            tell(QStringLiteral("ONE OR MORE FIELD LEFT BLANK. PLEASE FILL UP CORRECTLY. "));
            return;
        }
        throw;
    }
    for (forms::TextBox* t : {Text1, Text2, Text3, Text4})
        t->setText(QString());
    Label7->setCaption(QString());
    tell(QStringLiteral("RECORD ENTERED SUCCESSFULLY"));
    Data1->refresh();
    showLastCheque();
}

void Form8::Command5_Click()
{
    for (forms::TextBox* t : {Text1, Text2, Text3, Text4})
        t->setText(QStringLiteral(" "));
    Label7->setCaption(QStringLiteral(" "));
}

void Form8::editRegisterCell(int row, const QString& field, const QVariant& value)
{
    const qint64 rowid = Data1->record(row).value(QStringLiteral("row_id")).toLongLong();
    const ChequeEdit edit = proposeChequeEdit(fundDb(), rowid, field, value);
    // The grid shows the register as it stands after each answer.
    const auto showRegister = [this, row] {
        Data1->refresh();
        Data1->setCurrentRow(row);
    };
    if (edit.refusal) {
        showRegister();
        tell(edit.refusal->message);
        return;
    }
    // A number typed over is asked about as SAVE asks; a row that shares its
    // number already is not asked about again for its other cells.
    if (field == QLatin1String("cheque_no")) {
        const QString other = otherBillOfCheque(fundDb(), edit.entry, rowid);
        if (!other.isEmpty() && !forms::Dialogs::confirm(sharedChequeQuestion(edit.entry, other), kHi)) {
            showRegister();
            return;
        }
    }
    writeChequeEdit(fundDb(), rowid, edit.entry);
    showRegister();
}

} // namespace payslip
