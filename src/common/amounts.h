// What each kind of typed amount of the office may hold.
#pragma once

#include "platform/vb/amount.h"

namespace common {

// Pay, allowances, recoveries, bonus, advance: under one crore, never negative.
inline constexpr vb::AmountRule kSalaryPart{1e7, false};
// A bill's amounts in the bill register: under a thousand crore, never negative.
// The register's boxes must each hold a figure, 0 for none.
inline constexpr vb::AmountRule kBillAmount{1e10, false, false};
// An allotment order: a withdrawal of funds is entered as a negative order.
inline constexpr vb::AmountRule kAllotmentAmount{1e10, true, false};

} // namespace common
