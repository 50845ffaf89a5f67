// T.R. form 20: the annual increment certificate of the employees of the bill's salary head.
#pragma once

#include "paybill/schedules/schedule_report.h"

namespace paybill {

// One line per employee of the head's code category given an increment in
// the last increment run.
class DataReport14 : public ScheduleReport {
public:
    DataReport14();
};

} // namespace paybill
