#include "platform/reports/printer.h"

#include "platform/installed.h"
#include "platform/reports/page_model.h"
#include "platform/reports/painter.h"
#include "platform/vb/error.h"

#include <QPrinter>
#include <QPrinterInfo>
#include <QVector>

namespace reports {

namespace {

constexpr int kPrinterError = 482;

platform::Installed<Printer> installed([]() -> std::unique_ptr<Printer> { return std::make_unique<DefaultPrinter>(); });

} // namespace

void DefaultPrinter::print(const PageModel& model)
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        throw vb::Error(kPrinterError,
                        QStringLiteral("Printer error: no printer is installed, so \"%1\" was not printed.")
                            .arg(model.title));
    }
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setDocName(model.title);
    printer.setFullPage(true);
    if (!printer.isValid() || !paintDocument(printer, model)) {
        throw vb::Error(kPrinterError,
                        QStringLiteral("Printer error: \"%1\" could not be sent to the printer %2.")
                            .arg(model.title, info.printerName()));
    }
}

Printer& printer() { return installed.get(); }
void setPrinter(std::unique_ptr<Printer> p) { installed.set(std::move(p)); }

struct RecordingPrinter::Jobs {
    QVector<PageModel> models;
};

RecordingPrinter::RecordingPrinter() : mJobs(std::make_shared<Jobs>()) {}

void RecordingPrinter::print(const PageModel& model) { mJobs->models.push_back(model); }

int RecordingPrinter::jobs() const { return mJobs->models.size(); }

const PageModel& RecordingPrinter::job(int i) const { return mJobs->models.at(i); }

} // namespace reports
