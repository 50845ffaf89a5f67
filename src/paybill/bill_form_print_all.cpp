// PRINT ALL SCHEDULE: the two bill documents, eight schedules and page 1 of the pro statement on the default printer.
#include "paybill/bill_form.h"

#include "common/inword.h"
#include "common/templates.h"
#include "paybill/documents/bill_documents.h"
#include "paybill/documents/bill_workbooks.h"
#include "paybill/documents/filled_files.h"
#include "paybill/schedules/gpf_schedules.h"
#include "paybill/schedules/insurance_schedules.h"
#include "paybill/schedules/recovery_schedules.h"
#include "paybill/schedules/schedule_queries.h"
#include "paybill/schedules/tax_schedules.h"
#include "platform/data/database.h"
#include "platform/forms/basic_controls.h"
#include "platform/forms/dialogs.h"
#include "platform/office/desktop.h"
#include "platform/reports/registry.h"
#include "platform/vb/convert.h"
#include "platform/vb/error.h"

#include <QDir>
#include <QFileInfo>

namespace paybill {

namespace {

// What one print-all did with each thing it was to print.
struct PrintRun {
    QStringList printed;
    QStringList failed;   // "name: why"
    QStringList nothing;  // schedules with nothing to show
    QStringList saved;    // filled copies of the templates

    void fail(const QString& name, const QString& why) { failed << name + QStringLiteral(": ") + why; }
};

QString reason(const std::exception& e)
{
    if (const auto* v = dynamic_cast<const vb::Error*>(&e))
        return v->description;
    return QString::fromLocal8Bit(e.what());
}

// An office file: filled and saved now, printed once all three are converted.
struct OfficeFile {
    QString name;
    QString path; // empty when it could not be filled
    int from = 1, to = 0; // pages; to 0 is the last
};

template <class Contents, class Save>
OfficeFile fillOne(PrintRun& run, const QString& name, const char* templ, const QString& subject,
                   const Contents& contents, Save save,
                   int from = 1, int to = 0)
{
    OfficeFile f{name, QString(), from, to};
    const QString templateName = QString::fromLatin1(templ);
    if (!templatePresent(templateName)) {
        run.fail(name, QStringLiteral("the template \"%1\" is missing (dosset-setup \"%2\" --update puts it back)")
                           .arg(templateName, QDir::toNativeSeparators(data::dataFolder())));
        return f;
    }
    try {
        f.path = save(templateName, subject, contents);
        run.saved << f.path;
    } catch (const std::exception& e) {
        run.fail(name, reason(e));
    }
    return f;
}

// A schedule is totalled afresh and its report built afresh from the labels
// just written, so it never prints what an earlier preview read.
template <class R>
void printSchedule(Form6& form, PrintRun& run, Schedule schedule, const QString& name, forms::Label* figure,
                   forms::Label* words)
{
    const std::optional<double> total = scheduleTotal(form.salaryDb(), schedule);
    if (!total) {
        run.nothing << name;
        return;
    }
    figure->setCaption(vb::cstr(*total));
    words->setCaption(common::inwordShort(*total));
    try {
        reports::Reports::unload<R>();
        reports::Reports::get<R>().printReport();
        run.printed << name;
    } catch (const std::exception& e) {
        run.fail(name, reason(e));
    }
}

QString closingMessage(const PrintRun& run)
{
    QString text = run.printed.isEmpty() ? QStringLiteral("NOTHING WAS PRINTED.")
                                         : QStringLiteral("DO NOT CLICK O.K WHILE REPORTS ARE PRINTING");
    if (!run.printed.isEmpty())
        text += QStringLiteral("\n\nPrinted: ") + run.printed.join(QStringLiteral(", ")) + QLatin1Char('.');
    if (!run.failed.isEmpty())
        text += QStringLiteral("\n\nNot printed:\n") + run.failed.join(QLatin1Char('\n'));
    if (!run.saved.isEmpty())
        text += QStringLiteral("\n\nThe filled documents and workbook are saved in ")
                + QDir::toNativeSeparators(QFileInfo(run.saved.first()).absolutePath()) + QLatin1Char('.');
    if (!run.nothing.isEmpty())
        text += QStringLiteral("\n\nNothing to print for: ") + run.nothing.join(QStringLiteral(", ")) + QLatin1Char('.');
    return text;
}

} // namespace

void Form6::Command20_Click()
{
    // Checked before anything prints, so that nothing prints short.
    if (common::refuseFaultyTemplates({QString::fromLatin1(kBillExtractTemplate),
                                       QString::fromLatin1(kDaScheduleTemplate),
                                       QString::fromLatin1(kProStatementTemplate)},
                                      QStringLiteral("NOTHING WAS PRINTED."), QStringLiteral("PLEASE NOTE")))
        return;
    const QString question = QStringLiteral("ALL SCHEDULE OF THIS BILL WILL BE PRINTED THROUGH\n"
                                            "YOUR DEFAULT PRINTER AND NO PREVIEW WILL AVAILABLE.\n"
                                            " DO YOU LIKE TO CONTINUE ?");
    if (forms::Dialogs::msgBox(question, forms::vbYesNo, QStringLiteral("PRINTING ALART MESSAGE")) != forms::vbYes)
        return;
    if (!office::pdfPrinter().hasPrinter()) {
        forms::Dialogs::msgBox(QStringLiteral("NO DEFAULT PRINTER IS SET UP ON THIS COMPUTER.\n"
                                              "Nothing was printed. Set up a printer and print again."),
                               forms::vbOKOnly + forms::vbExclamation, QStringLiteral("PLEASE NOTE"));
        return;
    }
    const auto extract = billExtractTexts(salaryDb(), Label7->caption(), Label16->caption());
    const auto daSchedule = daScheduleTexts(salaryDb(), Label16->caption());
    const auto pro = proStatementCells(salaryDb(), Label7->caption(), false);
    if (!extract || !daSchedule || !pro) {
        forms::Dialogs::msgBox(QStringLiteral("Either No Pay Bill for this bill date or Pay head is not correct"),
                               forms::vbOKOnly + forms::vbInformation, QStringLiteral("Hi"));
        return;
    }
    startLoadingNotice();

    PrintRun run;
    // The three office files are filled first and converted in one run of the
    // office suite; they print in their places below.
    const OfficeFile files[] = {
        fillOne(run, QStringLiteral("bill extract"), kBillExtractTemplate, fileSubject(), *extract, saveFilledDocument),
        fillOne(run, QStringLiteral("D.A. schedule"), kDaScheduleTemplate, fileSubject(), *daSchedule, saveFilledDocument),
        fillOne(run, QStringLiteral("pro statement (page 1)"), kProStatementTemplate, fileSubject(), pro->cells, saveFilledWorkbook,
                1, 1),
    };
    QStringList toConvert;
    for (const OfficeFile& f : files)
        if (!f.path.isEmpty())
            toConvert << f.path;
    QStringList pdfs;
    QString convertFailure;
    if (!toConvert.isEmpty()) {
        try {
            pdfs = office::pdfConverter().toPdf(toConvert);
        } catch (const std::exception& e) {
            convertFailure = reason(e);
        }
    }
    auto printFile = [&](const OfficeFile& f) {
        if (f.path.isEmpty())
            return;
        const int i = toConvert.indexOf(f.path);
        const QString pdf = i < pdfs.size() ? pdfs.at(i) : QString();
        if (pdf.isEmpty()) {
            run.fail(f.name, convertFailure.isEmpty() ? QStringLiteral("the office suite could not turn it into a PDF")
                                                      : convertFailure);
            return;
        }
        try {
            office::pdfPrinter().print(pdf, f.from, f.to);
            run.printed << f.name;
        } catch (const std::exception& e) {
            run.fail(f.name, reason(e));
        }
    };

    printFile(files[0]);
    printFile(files[1]);
    printSchedule<DataReport12>(*this, run, Schedule::HouseBuildingLoan, QStringLiteral("H.B. loan (T.R. 38)"),
                                Label14, Label15);
    printSchedule<DataReport3>(*this, run, Schedule::GpfOtherThanGroupD,
                               QStringLiteral("G.P.F. other than group D (T.R. 47)"), Label14, Label15);
    printSchedule<DataReport6>(*this, run, Schedule::GpfGroupD, QStringLiteral("G.P.F. group D (T.R. 46)"), Label14,
                               Label15);
    printSchedule<DataReport2>(*this, run, Schedule::Giss1983, QStringLiteral("GISS 1983 (T.R. 53)"), Label14,
                               Label15);
    printSchedule<DataReport5>(*this, run, Schedule::Giss1987, QStringLiteral("GISS 1987 (T.R. 55)"), Label14,
                               Label15);
    printSchedule<DataReport13>(*this, run, Schedule::IncomeTax, QStringLiteral("income tax (T.R. 10)"), Label14,
                                Label15);
    printSchedule<DataReport4>(*this, run, Schedule::ProfessionalTax, QStringLiteral("professional tax (T.R. 12)"),
                               Label14, Label15);
    printSchedule<DataReport17>(*this, run, Schedule::HouseRent, QStringLiteral("house rent etc. (T.R. 11)"),
                                Label54, Label55);
    printFile(files[2]);

    const bool whole = run.failed.isEmpty();
    forms::Dialogs::msgBox(closingMessage(run),
                           forms::vbOKOnly + (whole ? forms::vbInformation : forms::vbExclamation),
                           QStringLiteral("PLEASE NOTE"));
    if (run.printed.isEmpty())
        return;
    Command20->hide();
    Command21->show();
}

void Form6::Command21_Click()
{
    unloadPrintedSchedules();
    Command21->hide();
    Command20->show();
}

void Form6::unloadPrintedSchedules()
{
    reports::Reports::unload<DataReport12>();
    reports::Reports::unload<DataReport3>();
    reports::Reports::unload<DataReport6>();
    reports::Reports::unload<DataReport2>();
    reports::Reports::unload<DataReport5>();
    reports::Reports::unload<DataReport13>();
    reports::Reports::unload<DataReport4>();
    reports::Reports::unload<DataReport17>();
}

} // namespace paybill
