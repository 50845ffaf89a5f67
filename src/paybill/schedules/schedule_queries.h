// What each statutory schedule of a pay bill states: its total and its lines, read from the working tables.
#pragma once

#include <QString>
#include <QVariantList>
#include <optional>

namespace data {
class Database;
}

namespace paybill {

enum class Schedule {
    GpfOtherThanGroupD, // T.R. form 47
    GpfGroupD,          // T.R. form 46
    ProfessionalTax,    // T.R. form 12
    Giss1983,           // T.R. form 53
    Giss1987,           // T.R. form 55
    IncomeTax,          // T.R. form 10
    HouseBuildingLoan,  // T.R. form 38
    HouseRent,          // T.R. form 11
    Increment,          // T.R. form 20
};

// A SELECT with its bound values.
struct Query {
    QString sql;
    QVariantList params;
};

// The rows the schedule's report lists. The total of every schedule is taken
// over exactly these rows, so the lines always add up to the sum in words.
// The code category matters only to the increment certificate.
Query scheduleLines(Schedule schedule, const QString& codeCategory = {});

// The sum the schedule states; nullopt when it has nothing to show (no row
// qualifies). The increment certificate has no sum and gives nullopt.
std::optional<double> scheduleTotal(data::Database& salaryDb, Schedule schedule);

// The note shown, titled "PLEASE NOTE", when the schedule has nothing to show.
QString emptyScheduleNote(Schedule schedule);

} // namespace paybill
