// DELETE RECORDS and the year-end reset of both registers.
#include "allotment/register_form.h"

#include "allotment/registers.h"
#include "platform/forms/controls.h"
#include "platform/forms/dialogs.h"
#include "platform/vb/convert.h"

namespace allotment {

namespace {

const QString kAreYouSure =
    QStringLiteral("ARE YOU SURE TO CLEAR ALL PREVIOUS RECORDS AND SET FOR CURRENT FINANCIAL YEAR?");

// The new year's start from the reset panel, or none after saying why.
std::optional<QDate> newYearStart(forms::TextBox* box)
{
    const QString text = box->text().trimmed();
    if (!vb::isDate(text)) {
        forms::Dialogs::msgBox(QStringLiteral("THIS IS NOT A VALID DATE"), forms::vbExclamation,
                               QStringLiteral("Please Note"));
        return std::nullopt;
    }
    const QDate start = vb::cdate(text);
    if (start.month() != 4 || start.day() != 1) {
        forms::Dialogs::msgBox(QStringLiteral("A FINANCIAL YEAR BEGINS ON 1 APRIL. SET \"YEAR BEGIN FROM\" TO 1 APRIL "
                                              "AND CHOOSE DELETE RECORDS AGAIN."),
                               forms::vbExclamation, QStringLiteral("Please Note"));
        return std::nullopt;
    }
    return start;
}

// Empties a register for the new year's start once the clerk has confirmed
// it; false, with nothing emptied, when the start is refused or not confirmed.
bool emptyRegister(data::Database& fund, Register which, forms::TextBox* box)
{
    const std::optional<QDate> start = newYearStart(box);
    if (!start)
        return false;
    if (forms::Dialogs::msgBox(kAreYouSure, forms::vbYesNo + forms::vbExclamation + forms::vbDefaultButton2,
                               QStringLiteral("Alart message"))
        != forms::vbYes)
        return false;
    resetRegister(fund, which, *start);
    return true;
}

} // namespace

void Form1::Option3_Click()
{
    const QDate start = DTPicker1->value();
    Text3->setText(vb::shortDate(start));
    Text1->setText(vb::shortDate(start.addYears(-1)));
    Command3->setEnabled(true);
    Command6->setEnabled(true);
}

void Form1::Command6_Click()
{
    if (!emptyRegister(*mFund, Register::Allotments, Text3))
        return;
    Command1->setEnabled(false);
    forms::Dialogs::msgBox(QStringLiteral("YOUR ALLOTMENT REGISTER IS EMPTY NOW"), forms::vbInformation,
                           QStringLiteral("Please Note"));
}

void Form1::Command3_Click()
{
    if (!emptyRegister(*mFund, Register::Bills, Text3))
        return;
    Command3->setEnabled(false);
    forms::Dialogs::msgBox(QStringLiteral("YOUR BILL REGISTER IS EMPTY NOW"));
}

} // namespace allotment
