#include "allotment/b_statement.h"

#include "allotment/registers.h"
#include "allotment/report_period.h"
#include "platform/data/database.h"
#include "platform/data/recordset.h"
#include "platform/vb/convert.h"

#include <QMap>
#include <QStringList>

#include <algorithm>

namespace allotment {

const std::array<const char*, StatementColumnCount> kStatementFields = {
    "pay", "d_pay", "da", "hra", "wages", "ta", "cont", "bonus", "scheme", "deduct", "net"};

namespace {

// The head code may hold the pattern's own signs; it is matched as typed.
QString containsPattern(const QString& code)
{
    QString escaped = code;
    escaped.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    escaped.replace(QLatin1Char('%'), QLatin1String("\\%"));
    escaped.replace(QLatin1Char('_'), QLatin1String("\\_"));
    return QLatin1Char('%') + escaped + QLatin1Char('%');
}

QString statementFieldList()
{
    QStringList fields;
    for (const char* f : kStatementFields)
        fields << QLatin1String(f);
    return fields.join(QLatin1Char(','));
}

std::optional<StatementAmounts> broughtForward(data::Database& fund, const StatementRequest& r)
{
    data::QueryRecordset row(fund,
                             QStringLiteral("select %1 from b_statement where fy_year = ? and m_head = ? "
                                            "and month_no = ?")
                                 .arg(statementFieldList()),
                             {r.fyYear, r.headCode, r.monthNo});
    if (row.eof())
        return std::nullopt;
    StatementAmounts a{};
    for (int c = 0; c < StatementColumnCount; ++c)
        a[c] = row.field(c).number();
    return a;
}

} // namespace

std::optional<QString> checkReportingMonth(const QString& monthName, const QString& monthNo,
                                           const QString& fyYear, const QDate& from, const QDate& to)
{
    const int index = reportingMonths().indexOf(monthName);
    if (index < 0 || monthNo.trimmed() != QString::number(index + 4))
        return QStringLiteral("SELECT THE REPORTING MONTH FIRST.");
    bool isYear = false;
    const int year = fyYear.trimmed().toInt(&isYear);
    const auto period = isYear ? monthPeriod(monthName, year) : std::nullopt;
    if (!period || vb::cdate(period->from) != from || vb::cdate(period->to) != to)
        return QStringLiteral("THE REPORT DATES ARE NOT THOSE OF %1 OF THE FINANCIAL YEAR %2. "
                              "SELECT THE REPORTING MONTH AGAIN.")
            .arg(monthName, isYear ? QStringLiteral("%1--%2").arg(year).arg(year + 1) : fyYear.trimmed());
    return std::nullopt;
}

namespace {

// Sums are kept in whole hundredths, so that a year of bills adds up to the
// paisa with no drift of binary fractions, and two sums agree exactly or not.
using Hundredths = std::array<qint64, StatementColumnCount>;

void add(Hundredths& sum, const StatementAmounts& a)
{
    for (int c = 0; c < StatementColumnCount; ++c)
        sum[c] += vb::hundredths(a[c]);
}

Hundredths hundredthsOf(const StatementAmounts& a)
{
    Hundredths h{};
    add(h, a);
    return h;
}

StatementAmounts amountsOf(const Hundredths& h)
{
    StatementAmounts a{};
    for (int c = 0; c < StatementColumnCount; ++c)
        a[c] = double(h[c]) / 100.0;
    return a;
}

} // namespace

StatementAmounts statementAmounts(const std::array<double, ColumnCount>& a, double deduction)
{
    // Each register figure counts as it is printed, to the paisa, and the
    // columns that join several add them in whole hundredths: 100.005 of pay
    // and 100.005 of D.A. are 100.01 each, 200.02 together, as the bill and
    // its cheque slip pay them (added first, they would round to 200.01).
    std::array<qint64, ColumnCount> h{};
    qint64 gross = 0;
    for (int c = 0; c < ColumnCount; ++c) {
        h[c] = vb::hundredths(a[c]);
        gross += h[c];
    }
    const qint64 deducted = vb::hundredths(deduction);
    Hundredths s{};
    s[SPay] = h[Pay];
    s[SGradePay] = h[DPay];
    s[SDa] = h[Da];
    s[SHraMa] = h[Hra] + h[Ma];
    s[SWages] = h[Wages];
    s[STa] = h[Ta];
    s[SCont] = h[Elec] + h[Tele] + h[Misc] + h[Oe] + h[Oc];
    s[SBonus] = h[Bonus];
    s[SScheme] = h[Scheme];
    s[SDeduct] = deducted;
    s[SNet] = gross - deducted;
    return amountsOf(s);
}

namespace {

// Whether the register still holds the year's bills of the head code. The
// year-end reset deletes every bill dated before the new year and re-dates
// the heads' opening rows to it; while an opening row of the code is dated
// the year's start or earlier, no reset has cleared the year.
bool registerHoldsYear(data::Database& fund, const StatementRequest& r)
{
    data::QueryRecordset opening(fund,
                                 QStringLiteral("select 1 from all_exp where bill_no = 0 and bill_date <= ? "
                                                "and head like ? escape '\\' limit 1"),
                                 {QDate(r.fyYear, 4, 1).toString(Qt::ISODate), containsPattern(r.headCode)});
    return !opening.eof();
}

} // namespace

std::optional<BStatement> makeBStatement(data::Database& fund, const StatementRequest& r)
{
    BStatement s;
    s.request = r;
    if (r.monthNo != 4) {
        const auto carried = broughtForward(fund, r);
        if (!carried)
            return std::nullopt;
        s.broughtForward = *carried;
    }

    const int calendarMonth = (r.monthNo - 1) % 12 + 1;
    const QDate from(r.calendarYear(), calendarMonth, 1);
    const QDate to(from.year(), from.month(), from.daysInMonth());
    // Past April the bills from the year's start are read too: what the
    // register holds for the earlier months is what is carried forward.
    const bool checked = r.monthNo != 4 && registerHoldsYear(fund, r);
    const QDate first = checked ? QDate(r.fyYear, 4, 1) : from;
    QStringList fields;
    for (const AmountColumn& c : kAmountColumns)
        fields << QLatin1String(c.field);
    const RegisterPeriod period = registerPeriod(QStringLiteral("bill_date"), first, to);
    data::QueryRecordset bills(fund,
                               QStringLiteral("select bill_no, bill_date, deduction, %1 from all_exp "
                                              "where %2 and bill_no > 0 "
                                              "and head like ? escape '\\' order by bill_date, bill_no")
                                   .arg(fields.join(QLatin1Char(',')), period.condition),
                               period.values + QVariantList{containsPattern(r.headCode)});
    // The rows are taken by the text of their dates, up to the first day of
    // the next month, and each goes to the last month read whose first day's
    // text is not after its own. A date the register holds that is no date at
    // all ("2011-04-31") so lands in exactly one month, the same whichever
    // month's statement reads it: April's own statement lists it as May's
    // carries it, and the balance and the register reports count it there too.
    // Such a bill of the month shows its date as the register holds it.
    QStringList monthStarts;
    for (QDate d = first; d <= from; d = d.addMonths(1))
        monthStarts << d.toString(Qt::ISODate);
    QVector<Hundredths> earlier(monthStarts.size() - 1);
    Hundredths month{};
    s.bills.reserve(bills.recordCount());
    for (bills.moveFirst(); !bills.eof(); bills.moveNext()) {
        std::array<double, ColumnCount> amounts{};
        for (int c = 0; c < ColumnCount; ++c)
            amounts[c] = bills.field(3 + c).number();
        const QVariant held = bills.field(1).variant();
        const bool isDate = held.typeId() == QMetaType::QDate;
        const QString heldText = isDate ? held.toDate().toString(Qt::ISODate) : held.toString();
        StatementBill b{bills.field(0).number(), isDate ? held.toDate() : vb::parseDate(heldText),
                        statementAmounts(amounts, bills.field(2).number()), QString()};
        qsizetype m = 0;
        while (m + 1 < monthStarts.size() && monthStarts[m + 1] <= heldText)
            ++m;
        if (m < earlier.size()) {
            add(earlier[m], b.amounts);
            continue;
        }
        if (!b.billDate.isValid())
            b.heldDate = heldText;
        add(month, b.amounts);
        s.bills << b;
    }
    s.monthTotals = amountsOf(month);
    Hundredths carried = hundredthsOf(s.broughtForward);
    if (checked) {
        carried = {};
        s.earlierMonths.emplace();
        for (const Hundredths& m : earlier) {
            s.earlierMonths->append(amountsOf(m));
            for (int c = 0; c < StatementColumnCount; ++c)
                carried[c] += m[c];
        }
        s.broughtForward = amountsOf(carried);
    }
    for (int c = 0; c < StatementColumnCount; ++c)
        month[c] += carried[c];
    s.progressive = amountsOf(month);
    return s;
}

StoredTotals storeProgressive(data::Database& fund, const BStatement& s)
{
    const StatementRequest& r = s.request;
    const int next = r.monthNo + 1;
    // What each row should carry, by month number: the register's totals to
    // the end of each month before the statement's, then its progressive ones.
    QMap<int, Hundredths> due;
    if (s.earlierMonths) {
        Hundredths carried{};
        for (int k = 0; k < s.earlierMonths->size(); ++k) {
            add(carried, s.earlierMonths->at(k));
            due.insert(k + 5, carried);
        }
    }
    const Hundredths progressive = hundredthsOf(s.progressive);
    due.insert(next, progressive);

    struct Row {
        QVariant rowid;
        int monthNo;
        Hundredths stored;
    };
    QVector<Row> rows;
    data::QueryRecordset year(fund,
                              QStringLiteral("select rowid, month_no, %1 from b_statement where fy_year = ? "
                                             "and m_head = ? order by month_no, rowid")
                                  .arg(statementFieldList()),
                              {r.fyYear, r.headCode});
    for (; !year.eof(); year.moveNext()) {
        Row row{year.field(0).variant(), int(year.field(1).number()), {}};
        for (int c = 0; c < StatementColumnCount; ++c)
            row.stored[c] = vb::hundredths(year.field(2 + c).number());
        rows << row;
    }

    // The rows after the next month's carried its old figure forward: they
    // move by as much as it does. Without it (a month skipped) they stay.
    StoredTotals out;
    const auto nextRow = std::find_if(rows.begin(), rows.end(), [next](const Row& row) { return row.monthNo == next; });
    if (nextRow != rows.end()) {
        for (const Row& row : rows) {
            if (row.monthNo <= next)
                continue;
            Hundredths moved = row.stored;
            for (int c = 0; c < StatementColumnCount; ++c)
                moved[c] += progressive[c] - nextRow->stored[c];
            due.insert(row.monthNo, moved);
        }
    } else {
        data::TableRecordset table(fund, QStringLiteral("b_statement"));
        table.addNew();
        table["month_no"] = next;
        table["m_head"] = r.headCode;
        for (int c = 0; c < StatementColumnCount; ++c)
            table[QLatin1String(kStatementFields[c])] = s.progressive[c];
        table["fy_year"] = r.fyYear;
        table.update();
        out.added = true;
    }

    QStringList assignments;
    for (const char* f : kStatementFields)
        assignments << QLatin1String(f) + QStringLiteral(" = ?");
    const QString update = QStringLiteral("update b_statement set %1 where rowid = ?").arg(assignments.join(','));
    for (const Row& row : rows) {
        const auto target = due.constFind(row.monthNo);
        if (target == due.constEnd() || *target == row.stored)
            continue;
        QVariantList values;
        for (double v : amountsOf(*target))
            values << v;
        values << row.rowid;
        fund.execute(update, values);
        // A row holds the totals to the end of the month before its own.
        if (row.monthNo - 1 != r.monthNo)
            out.movedMonths << row.monthNo - 1;
    }
    return out;
}

StatementSheet statementSheet(const BStatement& s)
{
    const int capacity = kLastBillRow - kFirstBillRow + 1;
    StatementSheet sheet;
    sheet.extraRows = qMax(0, int(s.bills.size()) - capacity);
    auto put = [&sheet](int row, int col, const QVariant& v) { sheet.cells.append({row, col, v}); };

    put(2, 8, s.request.monthName);
    put(2, 9, s.request.calendarYear());
    put(3, 9, s.request.headCode);
    int row = kFirstBillRow;
    for (const StatementBill& b : s.bills) {
        put(row, 1, b.billNo);
        put(row, 2, b.billDate.isValid() ? QVariant(b.billDate) : QVariant(b.heldDate));
        for (int c = 0; c < StatementColumnCount; ++c)
            put(row, kFirstAmountCol + c, b.amounts[c]);
        ++row;
    }
    const int progressiveRow = kProgressiveRow + sheet.extraRows;
    if (s.request.monthNo != 4)
        put(progressiveRow, 3, s.request.yearStartMonth);
    for (int c = 0; c < StatementColumnCount; ++c)
        put(progressiveRow, kFirstAmountCol + c, s.progressive[c]);
    return sheet;
}

} // namespace allotment
