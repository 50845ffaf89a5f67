#include "paybill/schedules/schedule_report.h"

#include "common/schema.h"
#include "platform/data/database.h"

namespace paybill {

void ScheduleReport::initialize()
{
    fill(readBillCaptions(), data::Database::open(QLatin1String(common::kSalaryDb)));
}

void ScheduleReport::reads(Schedule schedule, std::initializer_list<Placement> placements)
{
    mSchedule = schedule;
    mPlacements = placements;
}

void ScheduleReport::fill(const BillCaptions& bill, data::Database& salaryDb)
{
    const Query q = scheduleLines(mSchedule, bill.codeCategory);
    setDataSource(reports::DataSource::fromQuery(salaryDb, q.sql, q.params));
    for (const Placement& p : mPlacements)
        put(p.section, p.label, bill.*p.particular);
}

void ScheduleReport::put(const char* sectionName, const char* labelName, const QString& caption)
{
    label(QLatin1String(sectionName), QLatin1String(labelName)).setCaption(caption);
}

QVector<int> columnEdges(std::initializer_list<int> widths)
{
    QVector<int> edges{0};
    for (int w : widths)
        edges << edges.last() + w;
    return edges;
}

} // namespace paybill
