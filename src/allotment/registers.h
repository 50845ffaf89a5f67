// Register balances by head and the year-end reset: rules with no widgets.
#pragma once

#include "allotment/heads.h"
#include "common/register_period.h"

#include <QDate>
#include <QString>
#include <QVariantList>

#include <array>
#include <optional>

namespace data {
class Database;
}

namespace allotment {

using Amounts = std::array<double, ColumnCount>;

enum class Register { Allotments, Bills };

using common::RegisterPeriod;
using common::registerPeriod;

// The sums of every amount column over a head's rows of one register dated
// from `from` to `to` (registerPeriod), each figure taken to the paisa;
// none when the head has no row there (not even its opening row).
std::optional<Amounts> registerSums(data::Database& fund, Register reg, const QString& head,
                                    const QDate& from, const QDate& to);

struct Balances {
    Amounts column{};    // allotted less spent, per column
    double salaryTotal = 0; // pay, grade pay, D.A., H.R.A., M.A. and bonus
};

// Allotted less spent over the period; none when either register holds no
// row of the head in it.
std::optional<Balances> headBalances(data::Database& fund, const QString& head,
                                     const QDate& from, const QDate& to);

// The highest bill number of the bill register over all heads; none when the
// register is empty.
std::optional<double> lastBillNumber(data::Database& fund);

// Description of a head by its drawal code; none when no head has the code.
std::optional<QString> headDescription(data::Database& fund, const QString& drawalCode);

struct ResetOutcome {
    int removed = 0;   // rows dated before the new start
    int redated = 0;   // opening rows carried into the new year
    int made = 0;      // opening rows made for heads that had none
};

// Clears one register for the financial year beginning newStart, in one
// transaction: every row dated before newStart goes, except that each head
// keeps one opening row, re-dated to newStart (made afresh for a head of the
// head table that has none). Rows dated newStart or later are never touched,
// so a second run changes nothing. Throws vb::Error 5 when newStart is not
// 1 April; nothing is then changed.
ResetOutcome resetRegister(data::Database& fund, Register reg, const QDate& newStart);

} // namespace allotment
