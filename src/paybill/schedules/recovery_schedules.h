// The recovery schedules of a pay bill: T.R. form 38 (house-building loan) and form 11 (house rent).
#pragma once

#include "paybill/schedules/schedule_report.h"

namespace paybill {

// T.R. form 38: one line per borrower of a house-building loan.
class DataReport12 : public ScheduleReport {
public:
    DataReport12();
};

// T.R. form 11: one line per employee with a house-rent or like recovery.
class DataReport17 : public ScheduleReport {
public:
    DataReport17();
};

} // namespace paybill
