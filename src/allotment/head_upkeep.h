// Heads of account as the upkeep form adds and changes them: the checks and the one-transaction save.
#pragma once

#include <QDate>
#include <QString>

#include <optional>

namespace data {
class Database;
}

namespace allotment {

struct HeadEntry {
    QString drawalCode;
    QString description;
    QString category;
};

// Blanks around the boxes' text are dropped: a leading blank would move the
// plan letters and the object head off their fixed places in the code.
HeadEntry trimmed(const HeadEntry& entry);

// Why a head may not be saved, and the box to correct.
struct Refusal {
    enum Box { DrawalCode, Description, Category };
    QString message;
    Box box;
};

// Refuses a new head with an empty or used code or description; none when it may be saved.
std::optional<Refusal> refuseNewHead(data::Database& fund, const HeadEntry& entry);

// Refuses changing the head stored under storedCode into entry. The code
// itself never changes: the registers hold their rows under it.
std::optional<Refusal> refuseHeadChange(data::Database& fund, const QString& storedCode,
                                        const HeadEntry& entry);

// Writes the allotment and bill registers' opening rows (order "0", bill 0,
// every amount 0, dated yearStart) and the head row, all or nothing.
// Throws vb::Error when any write fails; nothing is then left behind.
void addHead(data::Database& fund, const HeadEntry& entry, const QDate& yearStart);

// Writes the description and category of the head stored under storedCode.
void changeHead(data::Database& fund, const QString& storedCode, const HeadEntry& entry);

} // namespace allotment
