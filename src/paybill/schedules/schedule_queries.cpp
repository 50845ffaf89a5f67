#include "paybill/schedules/schedule_queries.h"

#include "paybill/working_tables.h"
#include "platform/data/database.h"
#include "platform/data/recordset.h"

namespace paybill {

namespace {

// Every row of sal falls to exactly one side of the provident-fund split: a
// missing group is read as "other than D", never as "in neither schedule".
const char* const kOtherThanGroupD =
    "ifnull(category, '') <> 'D'"
    " and (ifnull(acc_no, '') not in ('Nil', '')"
    "      or ifnull(gpf_subs, 0) + ifnull(gpf_rec, 0) <> 0)";
const char* const kGroupD = "category = 'D'";
// The two insurance schemes split the rows as the bill's group abstract does.
const char* const kScheme1983 = "\"if\" + sf = 8";
const char* const kScheme1987 = "\"if\" + sf <> 8";

// The count of qualifying rows and their sum, from the table the lines read;
// each figure to the paisa, as the schedule prints its lines.
Query totalQuery(Schedule schedule)
{
    const QString sal = QStringLiteral("select count(*) as n, %1 as total from sal where %2");
    switch (schedule) {
    case Schedule::GpfOtherThanGroupD:
        return {sal.arg("(total(hundredths(gpf_subs)) + total(hundredths(gpf_rec))) / 100", kOtherThanGroupD), {}};
    case Schedule::GpfGroupD:
        return {sal.arg("(total(hundredths(gpf_subs)) + total(hundredths(gpf_rec))) / 100", kGroupD), {}};
    case Schedule::ProfessionalTax:
        return {"select count(*) as n, total(hundredths(p_tax)) / 100 as total from sal", {}};
    case Schedule::Giss1983:
        return {sal.arg("(total(hundredths(\"if\")) + total(hundredths(sf))) / 100", kScheme1983), {}};
    case Schedule::Giss1987:
        // The lines come from the bill's group abstract, which is built from
        // these same rows of sal; the deductions themselves are summed here.
        return {sal.arg("(total(hundredths(\"if\")) + total(hundredths(sf))) / 100", kScheme1987), {}};
    case Schedule::IncomeTax:
        return {"select count(*) as n, total(hundredths(i_tax)) / 100 as total from temp", {}};
    case Schedule::HouseBuildingLoan:
        return {"select count(*) as n, (total(hundredths(hb_loan)) + total(hundredths(hb_int))) / 100 as total from temp1", {}};
    case Schedule::HouseRent:
        return {sal.arg("total(hundredths(others)) / 100", "others > 0"), {}};
    case Schedule::Increment:
        break;
    }
    return {};
}

} // namespace

Query scheduleLines(Schedule schedule, const QString& codeCategory)
{
    switch (schedule) {
    case Schedule::GpfOtherThanGroupD:
        return {QStringLiteral("select pay, name, designation, acc_no, gpf_subs, gpf_rec,"
                               " ifnull(gpf_subs, 0) + ifnull(gpf_rec, 0) as total"
                               " from sal where %1 order by acc_no, sl_no")
                    .arg(kOtherThanGroupD),
                {}};
    case Schedule::GpfGroupD:
        // The certificate's "No. of Group 'D' employees" counts people: a
        // bonus or festival advance paid is a row beside the salary's.
        return {QStringLiteral("select count(distinct emp_code) as nos, total(hundredths(gpf_subs)) / 100 as tgpfs,"
                               " total(hundredths(gpf_rec)) / 100 as tgpfr,"
                               " (total(hundredths(gpf_subs)) + total(hundredths(gpf_rec))) / 100 as total"
                               " from sal where %1")
                    .arg(kGroupD),
                {}};
    case Schedule::ProfessionalTax:
        return {"select total(hundredths(p_tax)) / 100 as total from sal", {}};
    case Schedule::Giss1983:
        // Subscribers, each once however many of the bill's rows deduct from them.
        return {QStringLiteral("select count(distinct emp_code) as ifno, total(hundredths(\"if\")) / 100 as totalif,"
                               " total(hundredths(sf)) / 100 as totalsf,"
                               " (total(hundredths(\"if\")) + total(hundredths(sf))) / 100 as total"
                               " from sal where %1")
                    .arg(kScheme1983),
                {}};
    case Schedule::Giss1987:
        return {"select * from ginew order by rowid", {}};
    case Schedule::IncomeTax:
        // A bill row stays on the schedule when its employee has since been
        // removed from the master: the name is the bill's, the PAN blank.
        return {"select ifnull(a.pan, '') as pan, b.sl_no, b.name, b.designation, b.i_tax"
                " from temp b left join employee a on a.emp_code = b.emp_code"
                " order by b.sl_no, b.rowid",
                {}};
    case Schedule::HouseBuildingLoan:
        return {"select * from temp1 order by sl_no, rowid", {}};
    case Schedule::HouseRent:
        return {"select * from sal where others > 0 order by sl_no, rowid", {}};
    case Schedule::Increment:
        return {"select a.pay_band_scale, a.effect_date, a.name, a.basic, b.pr_pay, b.e_date"
                " from employee a join emp_temp b on a.emp_code = b.emp_code"
                " where a.emp_code like ? escape '\\' order by b.rowid",
                {codePattern(codeCategory.trimmed())}};
    }
    return {};
}

std::optional<double> scheduleTotal(data::Database& salaryDb, Schedule schedule)
{
    if (schedule == Schedule::Increment)
        return std::nullopt;
    const Query q = totalQuery(schedule);
    data::QueryRecordset rs(salaryDb, q.sql, q.params);
    if (rs.field("n").number() == 0)
        return std::nullopt;
    return rs.field("total").toDouble();
}

QString emptyScheduleNote(Schedule schedule)
{
    switch (schedule) {
    case Schedule::GpfOtherThanGroupD:
        return QStringLiteral("No Employee other than Group 'D' found under this Head");
    case Schedule::GpfGroupD:
        return QStringLiteral("No Group 'D' Employee found under this Head");
    case Schedule::ProfessionalTax:
        return QStringLiteral("Nothing to display for Prof. Tax under this Head");
    case Schedule::Giss1983:
    case Schedule::Giss1987:
        return QStringLiteral("No Employee found in this Scheme");
    case Schedule::IncomeTax:
        return QStringLiteral("Nothing to display for Income Tax under this Head");
    case Schedule::HouseBuildingLoan:
        return QStringLiteral("Nothing to display for H.B.Loan under this Head");
    case Schedule::HouseRent:
        return QStringLiteral("Nothing to display for H.R.Deduction under this Head");
    case Schedule::Increment:
        return QStringLiteral("Nothing to display for Increment under this Head");
    }
    return {};
}

} // namespace paybill
