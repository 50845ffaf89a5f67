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

// The new year's start once the clerk has confirmed emptying a register.
std::optional<QDate> confirmedYearStart(forms::TextBox* box)
{
    const std::optional<QDate> start = newYearStart(box);
    if (!start)
        return std::nullopt;
    if (forms::Dialogs::msgBox(kAreYouSure, forms::vbYesNo + forms::vbExclamation + forms::vbDefaultButton2,
                               QStringLiteral("Alart message"))
        != forms::vbYes)
        return std::nullopt;
    return start;
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
    const std::optional<QDate> start = confirmedYearStart(Text3);
    if (!start)
        return;
    resetRegister(*mFund, Register::Allotments, *start);
    Command1->setEnabled(false);
    forms::Dialogs::msgBox(QStringLiteral("YOUR ALLOTMENT REGISTER IS EMPTY NOW"), forms::vbInformation,
                           QStringLiteral("Please Note"));
}

void Form1::Command3_Click()
{
    const std::optional<QDate> start = confirmedYearStart(Text3);
    if (!start)
        return;
    resetRegister(*mFund, Register::Bills, *start);
    Command3->setEnabled(false);
    forms::Dialogs::msgBox(QStringLiteral("YOUR BILL REGISTER IS EMPTY NOW"));
}

} // namespace allotment
