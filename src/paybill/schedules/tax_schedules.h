// The tax schedules of a pay bill: T.R. form 12 (professional tax) and form 10 (income tax at source).
#pragma once

#include "paybill/schedules/schedule_report.h"

namespace paybill {

// T.R. form 12: the professional tax of the bill, in one line.
class DataReport4 : public ScheduleReport {
public:
    DataReport4();
};

// T.R. form 10: one line per employee whose income tax the bill deducts.
class DataReport13 : public ScheduleReport {
public:
    DataReport13();
};

} // namespace paybill
