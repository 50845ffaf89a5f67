// Base of the statutory schedules: each reads the bill form and its own rows of the working tables.
#pragma once

#include "paybill/schedules/schedule_queries.h"
#include "platform/reports/report.h"

#include <QVector>

namespace data {
class Database;
}

namespace paybill {

struct BillCaptions;

class ScheduleReport : public reports::Report {
    Q_OBJECT
public:
    // Reads the bill form as it stands and the working tables of the salary file.
    void initialize() override;
    // The same from given particulars and database.
    virtual void fill(const BillCaptions& bill, data::Database& salaryDb) = 0;

protected:
    // Printable width between the margins.
    int bodyWidth() const { return pageWidth() - leftMargin() - rightMargin(); }
    // Runs the schedule's own query and makes its rows the report's.
    void load(data::Database& salaryDb, Schedule schedule, const QString& codeCategory = {});
    // The caption of a label of a section, as the bill form hands it over.
    void put(const char* section, const char* labelName, const QString& caption);
};

// Left edges of columns of the given widths laid side by side from 0; the
// last entry is the right edge of the last column.
QVector<int> columnEdges(std::initializer_list<int> widths);

} // namespace paybill
