// The inner sheets of the bill whole, by page or by Sl. No. range, and the two grand-total pages.
#include "paybill/bill_form.h"

#include "paybill/inner_sheet_reports.h"
#include "paybill/working_tables.h"
#include "platform/forms/controls.h"
#include "platform/forms/dialogs.h"
#include "platform/forms/registry.h"
#include "platform/reports/registry.h"
#include "platform/vb/amount.h"
#include "platform/vb/convert.h"

#include <QFrame>
#include <cmath>

namespace paybill {

namespace {

const QString kPleaseNote = QStringLiteral("PLEASE NOTE");

void note(const QString& text)
{
    forms::Dialogs::msgBox(text, forms::vbOKOnly + forms::vbInformation, kPleaseNote);
}

// A report reads the form when it is made, so each showing makes it afresh
// from the labels just written; a preview left open is replaced.
template <class R>
void showFresh()
{
    reports::Reports::unload<R>();
    R& r = reports::Reports::get<R>();
    r.setWindowState(reports::WindowState::Maximized);
    r.show();
}

// A typed Sl. No.: digits with blanks around, or nothing. 0 is read so that
// the range message, not the digit one, answers it.
std::optional<int> wholeNumber(const QString& typed)
{
    const auto n = vb::readWhole(typed, 0);
    return n ? std::optional<int>(int(*n)) : std::nullopt;
}

} // namespace

void Form6::Option1_Click()
{
    if (Option1->value()) {
        for (QWidget* w : std::initializer_list<QWidget*>{Label27, Label29, Label30, Label50, Label51, Label53,
                                                          Text1, Text3, Shape12})
            w->show();
        forms::Forms::growToFit(*this); // the schedule buttons keep their height
    } else {
        Text1->hide();
        Text3->hide();
    }
}

void Form6::Option2_Click()
{
    if (!Option2->value())
        return;
    Option1->setValue(false);
    for (QWidget* w : std::initializer_list<QWidget*>{Label27, Label29, Label30, Label50, Label51, Label53,
                                                      Shape12, Text1, Text3})
        w->hide();
}

bool Form6::showInsuranceSplit(std::optional<int> first, std::optional<int> last)
{
    const auto split = insuranceSplit(salaryDb(), first, last);
    if (!split)
        return false;
    Label22->setCaption(vb::cstr(split->sf83));
    Label23->setCaption(vb::cstr(split->if83));
    Label24->setCaption(vb::cstr(split->if87));
    Label25->setCaption(vb::cstr(split->sf87));
    return true;
}

bool Form6::innerSheetRange(bool right)
{
    const int rows = salRowCount(salaryDb());
    if (rows == 0) {
        note(QStringLiteral("NOTHING TO DISPLAY."));
        return false;
    }

    if (Option1->value()) {
        // Every check comes before any label changes, so a refused range
        // leaves the last print's settings as they were.
        const auto first = wholeNumber(Text1->text());
        if (!first) {
            note(QStringLiteral("First Sl. No. must be a numeric digit."));
            Text1->setFocus();
            return false;
        }
        const auto last = wholeNumber(Text3->text());
        if (!last) {
            note(QStringLiteral("Last Sl. No. must be a numeric digit."));
            Text3->setFocus();
            return false;
        }
        // A bonus or an advance paid is a row, and a Sl. No., of its own: the
        // range runs over the rows, which are not always one an employee.
        const QString within = QStringLiteral(" must be from 1 to %1, the last Sl. No. of this bill.").arg(rows);
        if (*first < 1 || *first > rows) {
            note(QStringLiteral("First Sl. No.") + within);
            Text1->setFocus();
            return false;
        }
        if (*last < 1 || *last > rows) {
            note(QStringLiteral("Last Sl. No.") + within);
            Text3->setFocus();
            return false;
        }
        if (*first > *last) {
            note(QStringLiteral("First Sl. No. must not be after the last Sl. No."));
            Text1->setFocus();
            return false;
        }
        if (right && !showInsuranceSplit(*first, *last)) {
            note(QStringLiteral("NOTHING TO DISPLAY."));
            return false;
        }
        Label27->setCaption(QStringLiteral("1"));
        Label48->setCaption(QString::number(*first));
        Label49->setCaption(QString::number(*last));
        if (!right)
            Label52->setCaption(QStringLiteral("TOTAL:-"));
        Text1->setText(QString());
        Text3->setText(QString());
        return true;
    }

    if (rows <= kRowsPerPage) {
        if (right && !showInsuranceSplit(std::nullopt, std::nullopt)) {
            note(QStringLiteral("NOTHING TO DISPLAY."));
            return false;
        }
        Label27->setCaption(QStringLiteral("0"));
        Label27->hide();
        if (!right)
            Label52->setCaption(QStringLiteral("TOTAL:-"));
        return true;
    }

    const int pages = pageCount(rows);
    const int answer = forms::Dialogs::msgBox(
        QStringLiteral("THIS REPORT CONTAINS TOTAL %1 PAGES.\nDO YOU WISH TO PRINT THIS REPORT WITH PAGE TOTAL?")
            .arg(pages),
        forms::vbYesNo, QStringLiteral("Hi"));
    if (answer == forms::vbYes) {
        const auto typed = forms::Dialogs::inputBox(QStringLiteral("ENTER THE PAGE NUMBER HERE"), QString(),
                                                    QStringLiteral("1"));
        if (!typed)
            return false;
        const auto page = wholeNumber(*typed);
        if (!page || *page < 1 || *page > pages) {
            note(QStringLiteral("The page number must be a whole number from 1 to %1.").arg(pages));
            return false;
        }
        const int first = *page * kRowsPerPage - (kRowsPerPage - 1);
        const int last = *page * kRowsPerPage;
        if (right && !showInsuranceSplit(first, last)) {
            note(QStringLiteral("NOTHING TO DISPLAY."));
            return false;
        }
        Command17->setEnabled(true);
        Command18->setEnabled(true);
        Label27->show();
        Label27->setCaption(QString::number(*page));
        Label30->hide();
        Label49->setCaption(QString::number(last));
        Label48->setCaption(QString::number(first));
        if (!right)
            Label52->setCaption(QStringLiteral("TOTAL:-"));
    } else {
        if (right && !showInsuranceSplit(std::nullopt, std::nullopt)) {
            note(QStringLiteral("NOTHING TO DISPLAY."));
            return false;
        }
        Label27->setCaption(QStringLiteral("0"));
        Label27->hide();
        Label30->show();
        Label30->setCaption(QStringLiteral("ALL"));
        if (!right)
            Label52->setCaption(QStringLiteral("GRAND TOTAL:-"));
    }
    Label29->setCaption(right ? QStringLiteral("PRINTED RIGHT P-") : QStringLiteral("PRINTED LEFT P-"));
    return true;
}

void Form6::Command2_Click()
{
    if (innerSheetRange(false))
        showFresh<DataReport1>();
}

void Form6::Command15_Click()
{
    if (innerSheetRange(true))
        showFresh<DataReport15>();
}

void Form6::Command17_Click()
{
    const auto t = leftGrandTotals(salaryDb());
    if (!t) {
        note(QStringLiteral("NOTHING TO DISPLAY."));
        return;
    }
    const double sums[] = {t->pay, t->dPay, t->da, t->hra, t->ma, t->oa, t->gross};
    forms::Label* labels[] = {Label31, Label32, Label33, Label34, Label35, Label36, Label37};
    for (int i = 0; i < 7; ++i)
        labels[i]->setCaption(vb::cstr(sums[i]));
    showFresh<DataReport8>();
}

void Form6::Command18_Click()
{
    const auto t = rightGrandTotals(salaryDb());
    if (!t || !showInsuranceSplit(std::nullopt, std::nullopt)) {
        note(QStringLiteral("NOTHING TO DISPLAY."));
        return;
    }
    const double sums[] = {t->gpfSubs, t->gpfRec, t->iFund,  t->sFund, t->pTax, t->iTax,
                           t->hbLoan,  t->hbInt,  t->deduct, t->net,   t->others};
    forms::Label* labels[] = {Label38, Label39, Label40, Label41, Label42, Label43,
                              Label44, Label45, Label46, Label47, Label56};
    for (int i = 0; i < 11; ++i)
        labels[i]->setCaption(vb::cstr(sums[i]));
    showFresh<DataReport16>();
}

} // namespace paybill
