#include "platform/vb/convert.h"

#include "platform/vb/error.h"

#include <QLocale>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>
#include <cstdio>

namespace vb {

namespace {

const char* const kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                               "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

int monthOfName(const QString& s)
{
    for (int i = 0; i < 12; ++i)
        if (s.compare(QLatin1String(kMonths[i]), Qt::CaseInsensitive) == 0)
            return i + 1;
    return 0;
}

int fullYear(int y, int digits)
{
    if (digits <= 2)
        return y < 30 ? 2000 + y : 1900 + y;
    return y;
}

} // namespace

bool isNumeric(const QString& text)
{
    static const QRegularExpression re(QStringLiteral("^\\s*[+-]?\\s*(\\d+\\.?\\d*|\\.\\d+)\\s*$"));
    return re.match(text).hasMatch();
}

bool isNumeric(const QVariant& v)
{
    if (v.isNull())
        return false;
    switch (v.typeId()) {
    case QMetaType::Double:
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
    case QMetaType::Float:
        return true;
    case QMetaType::QString:
        return isNumeric(v.toString());
    default:
        return false;
    }
}

QDate parseDate(const QString& input)
{
    const QString text = input.trimmed();
    static const QRegularExpression numeric(
        QStringLiteral("^(\\d{1,2})([/.-])(\\d{1,2})\\2(\\d{2}|\\d{4})$"));
    static const QRegularExpression named(
        QStringLiteral("^(\\d{1,2})[-/ ]([A-Za-z]{3})[-/ ](\\d{2}|\\d{4})$"));
    static const QRegularExpression iso(QStringLiteral("^(\\d{4})-(\\d{2})-(\\d{2})$"));
    int d = 0, m = 0, y = 0;
    if (auto mt = iso.match(text); mt.hasMatch()) {
        y = mt.captured(1).toInt();
        m = mt.captured(2).toInt();
        d = mt.captured(3).toInt();
    } else if (auto mt = numeric.match(text); mt.hasMatch()) {
        d = mt.captured(1).toInt();
        m = mt.captured(3).toInt();
        y = fullYear(mt.captured(4).toInt(), mt.captured(4).size());
    } else if (auto mt = named.match(text); mt.hasMatch()) {
        d = mt.captured(1).toInt();
        m = monthOfName(mt.captured(2));
        y = fullYear(mt.captured(3).toInt(), mt.captured(3).size());
    } else {
        return {};
    }
    // Years outside these are typing slips, never an office's dates.
    if (m < 1 || m > 12 || y < kFirstYear || y > kLastYear)
        return {};
    QDate date(y, m, d);
    return date.isValid() ? date : QDate();
}

bool isDate(const QString& text)
{
    return parseDate(text).isValid();
}

QDate cdate(const QString& text)
{
    QDate d = parseDate(text);
    if (!d.isValid())
        throw Error(TypeMismatch, QStringLiteral("Type mismatch: \"%1\" is not a date").arg(text));
    return d;
}

double val(const QString& text)
{
    static const QRegularExpression re(QStringLiteral("^\\s*([+-]?)\\s*(\\d*\\.?\\d*)"));
    auto m = re.match(text);
    QString digits = m.captured(2);
    if (digits.isEmpty() || digits == QLatin1String("."))
        return 0;
    double x = digits.toDouble();
    return m.captured(1) == QLatin1String("-") ? -x : x;
}

double cdbl(const QVariant& v)
{
    if (v.isNull())
        throw Error(InvalidUseOfNull, QStringLiteral("Invalid use of Null"));
    if (v.typeId() == QMetaType::QString) {
        if (!isNumeric(v.toString()))
            throw Error(TypeMismatch, QStringLiteral("Type mismatch: \"%1\" is not a number").arg(v.toString()));
        QString s = v.toString();
        s.remove(QLatin1Char(' '));
        return s.trimmed().toDouble();
    }
    if (v.typeId() == QMetaType::Bool)
        return v.toBool() ? -1 : 0;
    bool ok = false;
    double x = v.toDouble(&ok);
    if (!ok)
        throw Error(TypeMismatch, QStringLiteral("Type mismatch"));
    return x;
}

QString cstr(double x)
{
    if (x == 0)
        return QStringLiteral("0");
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.15g", x);
    QString s = QString::fromLatin1(buf);
    if (s.contains(QLatin1Char('e'))) {
        // Large or tiny figures: write them out in full, without an exponent.
        std::snprintf(buf, sizeof buf, "%.15f", x);
        s = QString::fromLatin1(buf);
        if (s.contains(QLatin1Char('.'))) {
            while (s.endsWith(QLatin1Char('0')))
                s.chop(1);
            if (s.endsWith(QLatin1Char('.')))
                s.chop(1);
        }
    }
    return s;
}

QString cstr(const QVariant& v)
{
    if (v.isNull())
        return QString();
    switch (v.typeId()) {
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
        return cstr(v.toDouble());
    case QMetaType::QDate:
        return shortDate(v.toDate());
    case QMetaType::QDateTime:
        return shortDate(v.toDateTime().date());
    default:
        return v.toString();
    }
}

double roundHalfAway(double x, int decimals)
{
    const double scale = std::pow(10.0, decimals);
    // Nudge by a relative epsilon so that 2.675 typed as a binary 2.67499999...
    // still rounds as the clerk expects from the printed figure.
    const double y = std::fabs(x) * scale;
    const double r = std::floor(y + 0.5 + y * 1e-15);
    return std::copysign(r / scale, x);
}

qint64 hundredths(double x)
{
    const double y = std::fabs(x) * 100;
    const double r = std::floor(y + 0.5 + y * 1e-15);
    return static_cast<qint64>(x < 0 ? -r : r);
}

namespace {

QString fixed(double x, int decimals)
{
    double r = roundHalfAway(x, decimals);
    QString s = QString::number(r, 'f', decimals);
    if (s.startsWith(QLatin1Char('-')) && s.mid(1).toDouble() == 0)
        s.remove(0, 1);
    return s;
}

QString grouped(const QString& number)
{
    // Western grouping of thousands, as the "#,##0" format writes it.
    QString sign, intPart = number, frac;
    if (intPart.startsWith(QLatin1Char('-'))) {
        sign = QStringLiteral("-");
        intPart.remove(0, 1);
    }
    int dot = intPart.indexOf(QLatin1Char('.'));
    if (dot >= 0) {
        frac = intPart.mid(dot);
        intPart.truncate(dot);
    }
    for (int i = intPart.size() - 3; i > 0; i -= 3)
        intPart.insert(i, QLatin1Char(','));
    return sign + intPart + frac;
}

} // namespace

QString figure(double x)
{
    // A rounded figure under 10^13 is a whole number of paise that fits 15
    // significant digits, so it is written from that number directly: the
    // same text cstr() gives, without a trip through printf for each of the
    // thousands of amounts a bill prints.
    const double paise = std::floor(std::fabs(x) * 100 + 0.5 + std::fabs(x) * 100 * 1e-15);
    if (!(paise < 1e15))
        return cstr(roundHalfAway(x, 2));
    if (paise == 0)
        return QStringLiteral("0");
    const auto n = static_cast<long long>(paise);
    char buf[24];
    char* end = buf + sizeof buf;
    char* p = end;
    const int fraction = int(n % 100);
    if (fraction != 0) {
        if (fraction % 10 != 0)
            *--p = char('0' + fraction % 10);
        *--p = char('0' + fraction / 10);
        *--p = '.';
    }
    long long whole = n / 100;
    do {
        *--p = char('0' + whole % 10);
        whole /= 10;
    } while (whole != 0);
    if (x < 0)
        *--p = '-';
    return QString::fromLatin1(p, end - p);
}

QString figure(const QString& text)
{
    if (!text.contains(QLatin1Char('.')))
        return text;
    const QString t = text.trimmed();
    const int dot = t.indexOf(QLatin1Char('.'));
    if (dot < 0 || t.size() - dot <= 3 || !isNumeric(t))
        return text;
    return figure(t.toDouble());
}

QString format(double x, const QString& fmt)
{
    const QString f = fmt.trimmed();
    if (f.isEmpty() || f.compare(QLatin1String("General Number"), Qt::CaseInsensitive) == 0)
        return cstr(x);
    const int dot = f.indexOf(QLatin1Char('.'));
    const int decimals = dot < 0 ? 0 : int(f.size() - dot - 1);
    const QString intPattern = dot < 0 ? f : f.left(dot);
    const bool grouping = intPattern.contains(QLatin1Char(','));
    const bool leadingZero = intPattern.endsWith(QLatin1Char('0'));
    QString s = fixed(x, decimals);
    bool negative = s.startsWith(QLatin1Char('-'));
    if (negative)
        s.remove(0, 1);
    if (!leadingZero) {
        // "#" places print nothing for a zero integer part: "###" leaves a
        // zero amount empty and "#.00" writes .50 for half a rupee.
        if (s.startsWith(QLatin1String("0")) && (s.size() == 1 || s.at(1) == QLatin1Char('.')))
            s.remove(0, 1);
    }
    if (grouping && !s.isEmpty())
        s = grouped(s);
    if (negative && !s.isEmpty())
        s.prepend(QLatin1Char('-'));
    return s;
}

QString format(const QDate& d, const QString& fmt)
{
    if (!d.isValid())
        return QString();
    const QString f = fmt.trimmed().toLower();
    if (f == QLatin1String("medium date"))
        return mediumDate(d);
    if (f == QLatin1String("short date"))
        return shortDate(d);
    if (f == QLatin1String("long date"))
        return QStringLiteral("%1 %2 %3").arg(d.day(), 2, 10, QLatin1Char('0'))
            .arg(QLocale(QLocale::English).monthName(d.month())).arg(d.year());
    QString out;
    int i = 0;
    auto take = [&](const char* tok) {
        int n = int(qstrlen(tok));
        if (f.mid(i, n) == QLatin1String(tok)) {
            i += n;
            return true;
        }
        return false;
    };
    while (i < f.size()) {
        if (take("yyyy"))
            out += QString::number(d.year()).rightJustified(4, QLatin1Char('0'));
        else if (take("yy"))
            out += QString::number(d.year() % 100).rightJustified(2, QLatin1Char('0'));
        else if (take("mmmm"))
            out += QLocale(QLocale::English).monthName(d.month());
        else if (take("mmm"))
            out += QLatin1String(kMonths[d.month() - 1]);
        else if (take("mm"))
            out += QString::number(d.month()).rightJustified(2, QLatin1Char('0'));
        else if (take("m"))
            out += QString::number(d.month());
        else if (take("dd"))
            out += QString::number(d.day()).rightJustified(2, QLatin1Char('0'));
        else if (take("d"))
            out += QString::number(d.day());
        else
            out += fmt.trimmed().at(i++);
    }
    return out;
}

namespace {

// Two digits of a day, a month or a year of the century.
char* twoDigits(char* p, int n)
{
    *p++ = char('0' + n / 10);
    *p++ = char('0' + n % 10);
    return p;
}

enum class MonthAs { Name, Number };
enum class YearAs { TwoDigits, FourDigits };

// A date day first, its parts joined by sep, written straight from the day,
// month and year (years 1 to 9999: four digits); any other date goes through
// format() with the same pattern.
QString dayFirst(const QDate& d, char sep, MonthAs month, YearAs year, const QString& pattern)
{
    int y = 0, m = 0, day = 0;
    d.getDate(&y, &m, &day);
    if (!d.isValid() || y < 1 || y > 9999)
        return format(d, pattern);
    char buf[10];
    char* p = twoDigits(buf, day);
    *p++ = sep;
    if (month == MonthAs::Name)
        p = std::copy_n(kMonths[m - 1], 3, p);
    else
        p = twoDigits(p, m);
    *p++ = sep;
    if (year == YearAs::FourDigits)
        p = twoDigits(p, y / 100);
    p = twoDigits(p, y % 100);
    return QString::fromLatin1(buf, int(p - buf));
}

} // namespace

// The two dates every report prints on every row are written without reading
// a pattern.
QString mediumDate(const QDate& d)
{
    return dayFirst(d, '-', MonthAs::Name, YearAs::TwoDigits, QStringLiteral("dd-mmm-yy"));
}

QString shortDate(const QDate& d)
{
    return dayFirst(d, '/', MonthAs::Number, YearAs::FourDigits, QStringLiteral("dd/mm/yyyy"));
}

} // namespace vb
