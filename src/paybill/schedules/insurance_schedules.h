// The group-insurance schedules of a pay bill: T.R. form 53 (1983 scheme) and form 55 (1987 scheme).
#pragma once

#include "paybill/schedules/schedule_report.h"

namespace paybill {

// T.R. form 53: the members of the 1983 scheme, in one line.
class DataReport2 : public ScheduleReport {
public:
    DataReport2();
};

// T.R. form 55: the 1987 scheme, one line per insurance group.
class DataReport5 : public ScheduleReport {
public:
    DataReport5();
};

} // namespace paybill
