// The bill's documents and workbooks: outer sheet, pro statement, bill extract, D.A. schedule; the loading notice.
#include "paybill/bill_form.h"

#include "common/templates.h"
#include "paybill/documents/bill_documents.h"
#include "paybill/documents/bill_workbooks.h"
#include "paybill/documents/filled_files.h"
#include "platform/forms/basic_controls.h"
#include "platform/forms/dialogs.h"
#include "platform/forms/dispatch.h"
#include "platform/forms/list_controls.h"
#include "platform/office/desktop.h"
#include "platform/vb/convert.h"

namespace paybill {

namespace {

const QString kNoPayBill = QStringLiteral("Either No Pay Bill for this Bill Date or Pay Head is not correct");
const QString kNoPayBillHi = QStringLiteral("Either No Pay Bill for this bill date or Pay head is not correct");

// A template of an earlier version, or changed so that it lacks a line the
// bill writes, would print figures that disagree with the bill: it is named
// with the way to the current one, and nothing is filled.
bool templateRefused(const char* templateName)
{
    return common::refuseFaultyTemplates({QString::fromLatin1(templateName)}, QStringLiteral("NOTHING WAS FILLED."),
                                         QStringLiteral("PLEASE NOTE"));
}

void tellNoBillHi()
{
    forms::Dialogs::msgBox(kNoPayBillHi, forms::vbOKOnly + forms::vbInformation, QStringLiteral("Hi"));
}

// Fills a copy of the template, saves it and opens it in the desktop's
// office program. Whatever goes wrong is said, and the template is untouched.
template <class Contents, class Save>
void fillAndShow(const QString& command, const QString& templateName, const QString& subject, const Contents& contents,
                 Save save)
{
    if (!templatePresent(templateName)) {
        forms::Dialogs::msgBox(missingTemplateMessage(templateName), forms::vbOKOnly + forms::vbExclamation,
                               QStringLiteral("PLEASE NOTE"));
        return;
    }
    QString path;
    try {
        path = save(templateName, subject, contents);
    } catch (const std::exception& e) {
        forms::Dialogs::msgBox(forms::failureMessage(command, e) + QStringLiteral("\nNothing was filled."),
                               forms::vbCritical, QString(), forms::describeFailure(command, e).details);
        return;
    }
    office::showFile(path);
}

} // namespace

QString Form6::fileSubject() const
{
    return billFileSubject(billDate(), Label7->caption());
}

void Form6::startLoadingNotice()
{
    Timer1->setEnabled(true);
    Label59->show();
    Label60->setCaption(QStringLiteral("0"));
    // The work that follows holds the event loop: the notice is painted now.
    Label59->repaint();
}

void Form6::Timer1_Timer()
{
    Label60->setCaption(vb::cstr(vb::val(Label60->caption()) + 10));
    if (vb::val(Label60->caption()) >= 100) {
        Timer1->setEnabled(false);
        Label59->hide();
    }
}

void Form6::Command16_Click()
{
    if (templateRefused(kOuterSheetTemplate))
        return;
    startLoadingNotice();
    const OuterSheetBill bill{Label16->caption(), Combo1->text(),    billDate(),
                              Label6->caption(),  Label7->caption(), Label58->caption()};
    const auto cells = outerSheetCells(salaryDb(), fundDb(), bill);
    if (!cells) {
        forms::Dialogs::msgBox(kNoPayBill, forms::vbOKOnly);
        return;
    }
    fillAndShow(QStringLiteral("OUTER SHEET FRONT AND BACK"), QString::fromLatin1(kOuterSheetTemplate), fileSubject(), *cells,
                saveFilledWorkbook);
}

void Form6::Command8_Click()
{
    if (templateRefused(kProStatementTemplate))
        return;
    startLoadingNotice();
    const auto pro = proStatementCells(salaryDb(), Label7->caption(), true);
    // An empty bill has no 1983 member either, and is told so first.
    if (!pro || pro->noScheme1983)
        forms::Dialogs::msgBox(QStringLiteral("No Employee under GISS 1983 Scheme"),
                               forms::vbOKOnly + forms::vbInformation, QStringLiteral("PLEASE NOTE"));
    if (!pro) {
        forms::Dialogs::msgBox(kNoPayBill, forms::vbOKOnly + forms::vbInformation, QStringLiteral("PLEASE NOTE"));
        return;
    }
    fillAndShow(QStringLiteral("PRO REPORT"), QString::fromLatin1(kProStatementTemplate), fileSubject(), pro->cells,
                saveFilledWorkbook);
}

void Form6::Command10_Click()
{
    if (templateRefused(kBillExtractTemplate))
        return;
    const auto texts = billExtractTexts(salaryDb(), Label7->caption(), Label16->caption());
    if (!texts) {
        tellNoBillHi();
        return;
    }
    fillAndShow(QStringLiteral("BILL EXTRACT"), QString::fromLatin1(kBillExtractTemplate), fileSubject(), *texts,
                saveFilledDocument);
}

void Form6::Command11_Click()
{
    if (templateRefused(kDaScheduleTemplate))
        return;
    const auto texts = daScheduleTexts(salaryDb(), Label16->caption());
    if (!texts) {
        tellNoBillHi();
        return;
    }
    fillAndShow(QStringLiteral("D.A.SCHEDULE"), QString::fromLatin1(kDaScheduleTemplate), fileSubject(), *texts,
                saveFilledDocument);
}

} // namespace paybill
