// Base of the statutory schedules: each reads the bill form and its own rows of the working tables.
#pragma once

#include "paybill/schedules/bill_captions.h"
#include "paybill/schedules/schedule_queries.h"
#include "platform/reports/report.h"

#include <QVector>

namespace data {
class Database;
}

namespace paybill {

class ScheduleReport : public reports::Report {
    Q_OBJECT
public:
    // A schedule of the given kind under the given title.
    ScheduleReport(Schedule schedule, const QString& title);

    // Reads the bill form as it stands and the working tables of the salary file.
    void initialize() override;
    // The same from given particulars and database: the schedule's own rows,
    // and each particular in the label that receives it.
    virtual void fill(const BillCaptions& bill, data::Database& salaryDb);

protected:
    // The label prints the given particular of the bill: naming the particular
    // where the label is laid out keeps the two from drifting apart.
    reports::Control& prints(reports::Control& label, QString BillCaptions::*particular);
    // A blank of a line: where its caption starts, the widths of the caption and
    // of the value beside it, the caption and the label that receives the value.
    struct Blank {
        int x, captionWidth, valueWidth;
        const char* text;
        const char* label;
    };
    // The bill's D.D.O. code, number and date side by side on the line at y.
    void billLine(reports::Section& s, int y, const Blank& ddoCode, const Blank& billNo, const Blank& date);
    // A report footer holding only the total in words, in the named label.
    void wordsFooter(const QString& label, QString BillCaptions::*words = &BillCaptions::words);
    // Printable width between the margins.
    int bodyWidth() const { return pageWidth() - leftMargin() - rightMargin(); }
    // The caption of a label of a section, as the bill form hands it over.
    void put(const char* section, const char* labelName, const QString& caption);

private:
    // A label and the bill particular it prints.
    struct Placement {
        reports::Control* label;
        QString BillCaptions::*particular;
    };
    Schedule mSchedule;
    QVector<Placement> mPlacements;
};

// Left edges of columns of the given widths laid side by side from 0; the
// last entry is the right edge of the last column.
QVector<int> columnEdges(std::initializer_list<int> widths);

} // namespace paybill
