// Form9's upkeep of one employee's row of a bill: find, recoveries, delete,
// and the name type-ahead that finds a code.
#include "salary/single_click_form.h"

#include "platform/data/database.h"
#include "platform/data/recordset.h"
#include "platform/forms/controls.h"
#include "platform/forms/dialogs.h"
#include "platform/vb/convert.h"
#include "salary/bill_row.h"
#include "salary/rules.h"

namespace salary {

using namespace forms;

namespace {

const QString kNoRecordForEdit = QStringLiteral("NO RECORD FOUND FOR EDIT. FIND OUT THE RECORD FIRST");

// Escapes the LIKE wildcards of typed text, so a name is matched as typed.
QString likePrefix(const QString& typed)
{
    QString t = typed;
    t.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    t.replace(QLatin1Char('%'), QLatin1String("\\%"));
    t.replace(QLatin1Char('_'), QLatin1String("\\_"));
    return t + QLatin1Char('%');
}

} // namespace

bool Form9::foundRowIsShown() const
{
    return mFound && mFound->code == Text1->text().trimmed() && mFound->billDate == DTPicker1->value();
}

void Form9::forgetFoundRow()
{
    mFound.reset();
    Command3->setEnabled(false);
    Command5->setEnabled(false);
}

void Form9::clearShownRow()
{
    Label4->setCaption(QString());
    Label6->setCaption(QString());
    for (TextBox* t : {Text2, Text3, Text4, Text5, Text6})
        t->setText(QString());
}

void Form9::Command2_Click()
{
    const QString code = Text1->text().trimmed();
    const QDate billDate = DTPicker1->value();
    data::QueryRecordset rs(*mDb,
                            QStringLiteral("select rowid, name, designation, hb_loan, hb_int, i_tax, "
                                           "others from salary where bill_date = ? and emp_code = ? "
                                           "order by rowid"),
                            {billDate, code});
    if (rs.eof()) {
        forgetFoundRow();
        Dialogs::msgBox(QStringLiteral("NO RECORD FOUND FOR THIS BILL DATE"), vbInformation,
                        QStringLiteral("Hi"));
        Text1->setFocus();
        return;
    }
    Label4->setCaption(rs.field(QStringLiteral("name")).text());
    Label6->setCaption(rs.field(QStringLiteral("designation")).text());
    Text2->setText(rs.field(QStringLiteral("hb_loan")).text());
    Text3->setText(rs.field(QStringLiteral("hb_int")).text());
    Text4->setText(rs.field(QStringLiteral("i_tax")).text());
    Text5->setText(rs.field(QStringLiteral("others")).text());
    Text6->setText(vb::cstr(vb::val(Text2->text()) + vb::val(Text3->text()) + vb::val(Text4->text())
                            + vb::val(Text5->text())));
    mFound = FoundRow{qint64(rs.field(0).number()), code, billDate};
    Command5->setEnabled(true);
    Text2->setFocus();
}

void Form9::totalRecoveries()
{
    Text6->setText(vb::cstr(vb::val(Text2->text()) + vb::val(Text3->text()) + vb::val(Text4->text())
                            + vb::val(Text5->text())));
    // EDIT saves into the row FIND DETAILS found; with none there is nothing to edit.
    Command3->setEnabled(foundRowIsShown());
    Command3->setFocus();
}

void Form9::Text5_LostFocus()
{
    totalRecoveries();
}

void Form9::Command3_Click()
{
    if (!foundRowIsShown()) {
        Dialogs::msgBox(kNoRecordForEdit, vbInformation, QStringLiteral("Hi"));
        return;
    }
    // Every recovery is stored as a number: an empty box is 0, anything that
    // is no salary amount is refused before the question.
    double amounts[4] = {};
    TextBox* boxes[4] = {Text2, Text3, Text4, Text5};
    for (int i = 0; i < 4; ++i) {
        const std::optional<double> amount = boxAmount(boxes[i]->text());
        if (!amount) {
            Dialogs::msgBox(notAmountMessage(boxes[i]->text(), QStringLiteral("YOUR INPUT MUST BE A NUMBER")),
                            vbInformation, QStringLiteral("Hi"));
            boxes[i]->setFocus();
            boxes[i]->selectAll();
            return;
        }
        amounts[i] = wholePaise(*amount);
    }
    const double misc = wholePaise(amounts[0] + amounts[1] + amounts[2] + amounts[3]);

    if (Dialogs::msgBox(QStringLiteral("DO YOU LIKE TO SAVE CHANGES?"), vbYesNo, QStringLiteral("Hi"))
        != vbYes) {
        Command3->setEnabled(false);
        Text1->setFocus();
        Text1->selectAll();
        return;
    }

    // Read afresh: another form may have changed or removed the row since.
    data::QueryRecordset rs(*mDb,
                            QStringLiteral("select misc, deduct, gross from salary where rowid = ? "
                                           "and bill_date = ? and emp_code = ?"),
                            {mFound->rowid, mFound->billDate, mFound->code});
    if (rs.eof()) {
        Dialogs::msgBox(kNoRecordForEdit, vbInformation, QStringLiteral("Hi"));
        return;
    }
    // deduct holds misc once: the old total is replaced by the new one, to
    // the paisa, so that the net is the gross less it as the row prints them.
    const double deduct = double(vb::hundredths(rs.field(QStringLiteral("deduct")).number())
                                 - vb::hundredths(rs.field(QStringLiteral("misc")).number()) + vb::hundredths(misc))
        / 100;
    const double netPay = net(rs.field(QStringLiteral("gross")).number(), deduct);
    mDb->execute(QStringLiteral("update salary set hb_loan = ?, hb_int = ?, i_tax = ?, others = ?, "
                                "misc = ?, deduct = ?, net = ? where rowid = ?"),
                 {amounts[0], amounts[1], amounts[2], amounts[3], misc, deduct, netPay, mFound->rowid});

    Command3->setEnabled(false);
    Dialogs::msgBox(QStringLiteral("RECORD EDITED AND SAVED."), vbInformation, QStringLiteral("Hi"));
    for (TextBox* t : {Text2, Text3, Text4, Text5, Text6})
        t->setText(QString());
    Text1->setText(QString());
    Text1->setFocus();
}

void Form9::Command5_Click()
{
    if (!foundRowIsShown()) {
        Dialogs::msgBox(QStringLiteral("NO RECORD FOUND FOR DELETION. FIND OUT THE RECORD FIRST"),
                        vbInformation, QStringLiteral("Hi"));
        return;
    }
    if (!Dialogs::confirm(QStringLiteral("ARE YOU SURE ABOUT DELETION OF THIS RECORD ?"),
                          QStringLiteral("CONFIRM DELETION"), 0))
        return;

    const FoundRow found = *mFound;
    const int removed = mDb->execute(
        QStringLiteral("delete from salary where bill_date = ? and emp_code = ?"),
        {found.billDate, found.code});

    QString message;
    if (removed > 0) {
        message = QStringLiteral("SALARY RECORD OF ") + Label4->caption().toUpper() + QStringLiteral(", ")
            + Label6->caption() + QStringLiteral("\nFOR THE MONTH OF ") + payMonth(found.billDate)
            + QStringLiteral(" HAS BEEN DELETED\nFROM AQUITTANCE ROLL.\n\n")
            + QString::number(removed)
            + (removed == 1 ? QStringLiteral(" RECORD DELETED.") : QStringLiteral(" RECORDS DELETED."));
    } else {
        message = QStringLiteral("NO SALARY RECORD OF ") + found.code + QStringLiteral(" FOR THE BILL DATE ")
            + vb::shortDate(found.billDate) + QStringLiteral(" WAS FOUND.\nNOTHING HAS BEEN DELETED.");
    }
    forgetFoundRow();
    Label4->setCaption(QString());
    Label6->setCaption(QString());
    for (TextBox* t : {Text1, Text2, Text3, Text4, Text5, Text6})
        t->setText(QString());
    Dialogs::msgBox(message, vbOKOnly, QStringLiteral("PLEASE NOTE"));
}

void Form9::Command6_Click()
{
    Text1->setText(QString());
    for (TextBox* t : {Text2, Text3, Text4, Text5, Text6})
        t->setText(QString());
}

void Form9::Text1_Change()
{
    // A row shown belongs to the code it was found for: a new code drops it,
    // and EDIT and DELETE wait for the next find.
    forgetFoundRow();
    Command2->setEnabled(!Text1->text().isEmpty());
    clearShownRow();
}

void Form9::DTPicker1_Change()
{
    forgetFoundRow();
    clearShownRow();
}

void Form9::Text7_Change()
{
    List1->clear();
    if (Text7->text().isEmpty())
        return;
    data::QueryRecordset rs(*mDb,
                            QStringLiteral("select emp_code, name from employee where name like ? "
                                           "escape '\\' order by rowid"),
                            {likePrefix(Text7->text().trimmed())});
    for (; !rs.eof(); rs.moveNext()) {
        const QString code = rs.field(0).text();
        List1->addItem(code + QStringLiteral("  ") + rs.field(1).text(), code);
    }
}

void Form9::List1_Click()
{
    const int line = List1->listIndex();
    if (line >= 0)
        Text1->setText(List1->itemData(line).toString());
}

} // namespace salary
