// T.R. form 20: the annual increment certificate of the employees of the bill's salary head.
#pragma once

#include "paybill/schedules/schedule_report.h"

namespace paybill {

// One line per employee of the head's code category given an increment in
// the last increment run.
class DataReport14 : public ScheduleReport {
    Q_OBJECT
public:
    DataReport14();
    void fill(const BillCaptions& bill, data::Database& salaryDb) override;
};

} // namespace paybill
