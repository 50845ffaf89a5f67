// The B-statement form with its message boxes scripted and the workbooks it
// shows recorded instead of opened, on a data folder of its own.
#pragma once

#include "allotment/financial_report_form.h"
#include "register_rows.h"

#include "platform/office/desktop.h"
#include "platform/office/workbook.h"
#include "support/temp_data_folder.h"
#include "support/ui_driver.h"

#include <QDir>

namespace allotmenttest {

struct BStatementFormFixture : ::testing::Test {
    testsupport::TempDataFolder folder;
    testsupport::ScriptedBoxes boxes;
    office::RecordingDesktop desktop;
    allotment::Form4* form = nullptr;

    BStatementFormFixture() { office::setDesktop(std::make_unique<office::RecordingDesktop>(desktop)); }
    ~BStatementFormFixture() override
    {
        office::setDesktop(nullptr);
        forms::Forms::unloadAll();
        testsupport::settle();
    }
    // The workbooks written, one a statement made.
    QStringList outputs() const { return QDir(folder.path() + "/output").entryList(QDir::Files); }

    // The form shown; its heads are those added before.
    allotment::Form4& open()
    {
        form = &forms::Forms::get<allotment::Form4>();
        testsupport::showForm(*form);
        return *form;
    }
    // As the clerk does it: the year start, the month, the head, B-STATEMENT.
    // The workbook shown, or none.
    std::optional<office::Workbook> statement(const QString& yearStart, const QString& month, const QString& head)
    {
        if (!form)
            open();
        const qsizetype shown = desktop.opened().size();
        testsupport::enter(*form->Text3, yearStart);
        EXPECT_TRUE(testsupport::choose(*form->Combo2, month));
        EXPECT_TRUE(testsupport::choose(*form->Combo1, head));
        testsupport::click(*form->Command4);
        if (desktop.opened().size() == shown)
            return std::nullopt;
        return office::Workbook::open(desktop.opened().last());
    }
    static QVariantList row(const office::Workbook& book, int r, int from = 1, int to = 14)
    {
        QVariantList out;
        for (int c = from; c <= to; ++c)
            out << book.value(r, c);
        return out;
    }
    // What the clerk is told when the totals carried from `months` moved.
    static QString moved(const QString& months)
    {
        return "PLEASE NOTE|64|THE PROGRESSIVE TOTALS OF " + months
               + " HAVE BEEN BROUGHT INTO LINE WITH THE BILL REGISTER (A BILL ENTERED LATE, CHANGED OR DELETED).\n"
                 "THE B-STATEMENTS OF THOSE MONTHS MADE EARLIER NO LONGER SHOW THE CARRIED TOTALS: MAKE THEM AGAIN "
                 "TO PRINT THEM.";
    }
    // What the message boxes said, in order.
    QStringList told() const
    {
        QStringList out;
        for (const auto& box : boxes.boxes())
            out << testsupport::said(box);
        return out;
    }
    // The values of the cells at (row, column), in the order asked.
    static QVariantList cells(const office::Workbook& book, std::initializer_list<std::pair<int, int>> at)
    {
        QVariantList out;
        for (const auto& [r, c] : at)
            out << book.value(r, c);
        return out;
    }
    // Columns 4 to 14 as numbers: pay to net.
    static std::vector<double> amounts(const office::Workbook& book, int r)
    {
        std::vector<double> out;
        for (const QVariant& v : row(book, r, 4, 14))
            out.push_back(v.toDouble());
        return out;
    }
    // The progressive totals stored for a month, in the same order.
    static std::vector<double> stored(int fyYear, int monthNo, const QString& code)
    {
        std::vector<double> out;
        for (const char* f : {"pay", "d_pay", "da", "hra", "wages", "ta", "cont", "bonus", "scheme", "deduct", "net"})
            out.push_back(number(QStringLiteral("select %1 from b_statement where fy_year = %2 and month_no = %3 "
                                                "and m_head = '%4'").arg(f).arg(fyYear).arg(monthNo).arg(code)));
        return out;
    }
};

} // namespace allotmenttest
