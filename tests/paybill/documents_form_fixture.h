// The bill form on a fresh data folder with its office seams recorded: the files it shows, the files it
// converts, and one print log across the documents' and the reports' printers.
#pragma once

#include "documents_fixture.h"
#include "support/ooxml_reader.h"

#include "paybill/bill_form.h"
#include "paybill/register_forms.h"
#include "platform/forms/clock.h"
#include "platform/forms/controls.h"
#include "platform/forms/registry.h"
#include "platform/office/desktop.h"
#include "platform/reports/page_model.h"
#include "platform/reports/printer.h"
#include "platform/reports/registry.h"
#include "support/ui_driver.h"

#include <QFileInfo>

namespace doctest {

// Both printers write into one log, so the order across documents and reports shows.
struct PrintLog {
    QStringList entries;
};
class LogReportPrinter : public reports::Printer {
public:
    explicit LogReportPrinter(PrintLog& log) : mLog(log) {}
    void print(const reports::PageModel& m) override
    {
        mLog.entries << m.title.section(QStringLiteral(" - "), 0, 0);
        models << m;
    }
    PrintLog& mLog;
    static inline QList<reports::PageModel> models;
};
class LogPdfPrinter : public office::PdfPrinter {
public:
    LogPdfPrinter(PrintLog& log, bool has) : mLog(log), mHas(has) {}
    void print(const QString& pdf, int from, int to) override
    {
        mLog.entries << QStringLiteral("%1 %2-%3").arg(QFileInfo(pdf).fileName().section(QStringLiteral(" 20"), 0, 0))
                            .arg(from).arg(to);
    }
    bool hasPrinter() override { return mHas; }
    PrintLog& mLog;
    bool mHas;
};

// "ref=value" for each "ref=..." expected, read from the saved workbook.
inline QStringList fileCells(const QString& path, const QStringList& expected)
{
    QStringList out;
    for (const QString& e : expected) {
        const QString ref = e.section(QLatin1Char('='), 0, 0);
        out << ref + QLatin1Char('=') + shown(ooxml::cell(path, ref));
    }
    return out;
}

// "name=text" for each "name=..." expected, read from the saved document.
inline QStringList fileBookmarks(const QString& path, const QStringList& expected)
{
    QStringList out;
    for (const QString& e : expected) {
        const QString name = e.section(QLatin1Char('='), 0, 0);
        out << name + QLatin1Char('=') + ooxml::bookmark(path, name);
    }
    return out;
}

class BillFormFiles : public ::testing::Test {
protected:
    // The office's rows, written before the form loads.
    virtual void makeData() = 0;

    void SetUp() override
    {
        paybill::registerForms();
        makeData();
        LogReportPrinter::models.clear();
        office::setDesktop(std::make_unique<office::RecordingDesktop>(desktop));
        office::setPdfConverter(std::make_unique<office::RecordingPdfConverter>(converter));
        office::setPdfPrinter(std::make_unique<LogPdfPrinter>(log, true));
        reports::setPrinter(std::make_unique<LogReportPrinter>(log));
        form = &forms::Forms::get<paybill::Form6>();
        testsupport::showForm(*form);
    }

    void TearDown() override
    {
        reports::Reports::unloadAll();
        forms::Forms::unloadAll();
        testsupport::settle();
        office::setDesktop(nullptr);
        office::setPdfConverter(nullptr);
        office::setPdfPrinter(nullptr);
        reports::setPrinter(nullptr);
    }

    forms::Clock::Override today{QDate(2028, 2, 29)};
    testsupport::TempDataFolder folder;
    testsupport::ScriptedBoxes boxes;
    office::RecordingDesktop desktop;
    office::RecordingPdfConverter converter;
    PrintLog log;
    paybill::Form6* form = nullptr;
};

} // namespace doctest
