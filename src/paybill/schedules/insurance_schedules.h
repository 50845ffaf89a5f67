// The group-insurance schedules of a pay bill: T.R. form 53 (1983 scheme) and form 55 (1987 scheme).
#pragma once

#include "paybill/schedules/schedule_report.h"

namespace paybill {

// T.R. form 53: the members of the 1983 scheme, in one line.
class DataReport2 : public ScheduleReport {
    Q_OBJECT
public:
    DataReport2();
    void fill(const BillCaptions& bill, data::Database& salaryDb) override;
};

// T.R. form 55: the 1987 scheme, one line per insurance group.
class DataReport5 : public ScheduleReport {
    Q_OBJECT
public:
    DataReport5();
    void fill(const BillCaptions& bill, data::Database& salaryDb) override;
};

} // namespace paybill
