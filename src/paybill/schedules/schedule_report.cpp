#include "paybill/schedules/schedule_report.h"

#include "common/schema.h"
#include "paybill/schedules/bill_captions.h"
#include "platform/data/database.h"

namespace paybill {

void ScheduleReport::initialize()
{
    fill(readBillCaptions(), data::Database::open(QLatin1String(common::kSalaryDb)));
}

void ScheduleReport::load(data::Database& salaryDb, Schedule schedule, const QString& codeCategory)
{
    const Query q = scheduleLines(schedule, codeCategory);
    setDataSource(reports::DataSource::fromQuery(salaryDb, q.sql, q.params));
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
