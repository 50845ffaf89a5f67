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
    // Reads the bill form as it stands and the working tables of the salary file.
    void initialize() override;
    // The same from given particulars and database: the schedule's own rows,
    // and each particular in the label that receives it.
    virtual void fill(const BillCaptions& bill, data::Database& salaryDb);

protected:
    // A label of a section and the bill particular it prints.
    struct Placement {
        const char* section;
        const char* label;
        QString BillCaptions::*particular;
    };
    // What the schedule lists, and where it prints the bill's particulars.
    void reads(Schedule schedule, std::initializer_list<Placement> placements);
    // Printable width between the margins.
    int bodyWidth() const { return pageWidth() - leftMargin() - rightMargin(); }
    // The caption of a label of a section, as the bill form hands it over.
    void put(const char* section, const char* labelName, const QString& caption);

private:
    Schedule mSchedule = Schedule::Increment;
    QVector<Placement> mPlacements;
};

// Left edges of columns of the given widths laid side by side from 0; the
// last entry is the right edge of the last column.
QVector<int> columnEdges(std::initializer_list<int> widths);

} // namespace paybill
