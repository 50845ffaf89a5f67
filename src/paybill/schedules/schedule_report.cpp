#include "paybill/schedules/schedule_report.h"

#include "common/schema.h"
#include "paybill/schedules/form_layout.h"
#include "platform/data/database.h"

namespace paybill {

ScheduleReport::ScheduleReport(Schedule schedule, const QString& title) : mSchedule(schedule)
{
    setTitle(title);
}

void ScheduleReport::initialize()
{
    fill(readBillCaptions(), data::Database::open(QLatin1String(common::kSalaryDb)));
}

reports::Control& ScheduleReport::prints(reports::Control& label, QString BillCaptions::*particular)
{
    mPlacements.append({&label, particular});
    return label;
}

void ScheduleReport::billLine(reports::Section& s, int y, const Blank& ddoCode, const Blank& billNo,
                              const Blank& date)
{
    const auto blank = [&](const Blank& b, QString BillCaptions::*particular) {
        prints(layout::filled(s, b.x, y, b.captionWidth, b.valueWidth, QString::fromLatin1(b.text),
                              QString::fromLatin1(b.label)),
               particular);
    };
    blank(ddoCode, &BillCaptions::ddoCode);
    blank(billNo, &BillCaptions::billNo);
    blank(date, &BillCaptions::billDate);
}

void ScheduleReport::wordsFooter(const QString& label, QString BillCaptions::*words)
{
    auto& rf = section(reports::SectionKind::ReportFooter);
    const int top = 150;
    prints(layout::rupees(rf, top, bodyWidth(), label), words);
    rf.setHeight(top + 2 * layout::kLine + 60);
}

void ScheduleReport::fill(const BillCaptions& bill, data::Database& salaryDb)
{
    const Query q = scheduleLines(mSchedule, bill.codeCategory);
    setDataSource(reports::DataSource::fromQuery(salaryDb, q.sql, q.params));
    for (const Placement& p : mPlacements)
        p.label->setCaption(bill.*p.particular);
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
