// Conversions and formats of the forms' figures and dates: day first, half
// away from zero, and strict wherever a lenient reading could take a number
// or date other than the one typed.
#pragma once

#include <QDate>
#include <QString>
#include <QVariant>

namespace vb {

// Blanks around, an optional sign, digits with at most one decimal point.
// No grouping commas, exponents or currency signs.
bool isNumeric(const QString& text);
bool isNumeric(const QVariant& v);

// Years a date may have: a two-digit year is read as 1930-2029.
inline constexpr int kFirstYear = 1930;
inline constexpr int kLastYear = 2099;

// Day first: d/m/yyyy, with "/", "-" or "."; also d-MMM-yy(yy). Two-digit
// years are 1930-2029, four-digit years 1930-2099 only. Calendar-checked:
// "31/02/2012" is no date.
bool isDate(const QString& text);
// The date of a text for which isDate holds; throws 13 otherwise.
QDate cdate(const QString& text);
// Null for a text that is no date.
QDate parseDate(const QString& text);

// The number a text begins with (blanks skipped); 0 when it begins with none.
double val(const QString& text);
// A numeric text or a number; throws 13 otherwise, 94 on a null.
double cdbl(const QVariant& v);

// Up to 15 significant digits, no exponent, no trailing zeros ("1234", "0.5", "-3.25").
QString cstr(double x);
// A variant as the forms show it: numbers by cstr, dates by shortDate, null as "".
QString cstr(const QVariant& v);

// Half away from zero to the given number of decimals.
double roundHalfAway(double x, int decimals = 0);
// The same rounding to two decimals, as a whole number of hundredths: figures
// added this way carry no binary noise, however many are added.
qint64 hundredths(double x);

// A money figure as every report prints it: at most two decimals, rounded
// half away from zero, a whole figure without any ("1333.33", "40006.67",
// "37250.5", "1200"). A third of a rupee stored unrounded must still read at
// a glance and fit a column sized for paise.
QString figure(double x);
// The same rule for a figure that arrives as text (a caption handed over by
// a form): a plain decimal with more than two decimals is rounded, any other
// text is left as it is.
QString figure(const QString& text);

// Number formats: "###" (whole rupees, empty for zero), "0", "0.00", "##0.00",
// "#.00", "#,##0", "#,##0.00". Rounding is half away from zero.
QString format(double x, const QString& fmt);
// Date formats: "dd/mm/yyyy", "dd-mmm-yy", "mm/dd/yy", "mmm-yy", "dd/mm/yy",
// "Medium Date", "Short Date"; month names are English in every locale.
QString format(const QDate& d, const QString& fmt);

QString mediumDate(const QDate& d); // "06-Dec-26"
QString shortDate(const QDate& d);  // "06/12/2026"

} // namespace vb
