// What each kind of typed amount of the office may hold.
#pragma once

#include "platform/vb/amount.h"

namespace common {

// Pay, allowances, recoveries, bonus, advance: under one crore, never negative,
// to the paisa (a salary row keeps whole paise, so a figure typed finer would
// be stored as another number).
inline constexpr vb::AmountRule kSalaryPart{1e7, false, true, true};
// A bill's amounts in the bill register, a cheque, the amount a cheque slip
// credits: under a thousand crore, never negative, to the paisa (a bill is
// paid in whole paise, and every paper adds its figures so: a figure typed
// finer would be printed as one number and added as another).
// The register's boxes must each hold a figure, 0 for none.
inline constexpr vb::AmountRule kBillAmount{1e10, false, false, true};
// An allotment order: a withdrawal of funds is entered as a negative order.
// Money of the same registers, so to the paisa as well.
inline constexpr vb::AmountRule kAllotmentAmount{1e10, true, false, true};

// The refusal of an amount typed finer than the paisa, in the words of the
// box called `name` ("CHEQUE AMOUNT").
inline QString keptToThePaisa(const QString& name)
{
    return name + QStringLiteral(" IS KEPT TO THE PAISA: TYPE AT MOST TWO FIGURES AFTER THE POINT");
}

// A typed monthly figure of the provident fund (subscription, refund,
// withdrawal) is a salary part; the box must hold a figure.
inline constexpr vb::AmountRule kMonthlyFundAmount{1e7, false, false};
// A balance, interest or yearly sum of the provident fund: register-sized.
inline constexpr vb::AmountRule kFundBalance{1e10, false, false};
// The worked-out summary of a provident-fund year, typed over or not: a
// withdrawal beyond the balance takes it below 0; an empty box is 0.
inline constexpr vb::AmountRule kFundSummary{1e10, true, true};
// A rate of interest: a plain decimal, never negative.
inline constexpr vb::AmountRule kRateOfInterest{1e15, false, false};

} // namespace common
