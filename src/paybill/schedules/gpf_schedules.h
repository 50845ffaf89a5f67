// The provident-fund schedules of a pay bill: T.R. form 47 (other than group D) and form 46 (group D).
#pragma once

#include "paybill/schedules/schedule_report.h"

namespace paybill {

// T.R. form 47: one line per subscriber other than group D.
class DataReport3 : public ScheduleReport {
public:
    DataReport3();
};

// T.R. form 46: the certificate of the group D deductions, in one line.
class DataReport6 : public ScheduleReport {
public:
    DataReport6();
    void fill(const BillCaptions& bill, data::Database& salaryDb) override;
};

} // namespace paybill
