#include "allotment/b_statement.h"

#include "allotment/report_period.h"
#include "platform/data/database.h"
#include "platform/data/recordset.h"
#include "platform/vb/convert.h"

#include <QStringList>

namespace allotment {

const std::array<const char*, StatementColumnCount> kStatementFields = {
    "pay", "d_pay", "da", "hra", "wages", "ta", "cont", "bonus", "scheme", "deduct", "net"};

namespace {

// Totals are kept to the paisa, so that a year of sums carries no drift of
// binary fractions into the stored rows.
double paisa(double x)
{
    return vb::roundHalfAway(x, 2);
}

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

StatementAmounts statementAmounts(const std::array<double, ColumnCount>& a, double deduction)
{
    StatementAmounts s{};
    s[SPay] = a[Pay];
    s[SGradePay] = a[DPay];
    s[SDa] = a[Da];
    s[SHraMa] = a[Hra] + a[Ma];
    s[SWages] = a[Wages];
    s[STa] = a[Ta];
    s[SCont] = a[Elec] + a[Tele] + a[Misc] + a[Oe] + a[Oc];
    s[SBonus] = a[Bonus];
    s[SScheme] = a[Scheme];
    s[SDeduct] = deduction;
    double gross = 0;
    for (double x : a)
        gross += x;
    s[SNet] = gross - deduction;
    for (double& x : s)
        x = paisa(x);
    return s;
}

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
    QStringList fields;
    for (const AmountColumn& c : kAmountColumns)
        fields << QLatin1String(c.field);
    data::QueryRecordset bills(fund,
                               QStringLiteral("select bill_no, bill_date, deduction, %1 from all_exp "
                                              "where bill_date between ? and ? and bill_no > 0 "
                                              "and head like ? escape '\\' order by bill_date, bill_no")
                                   .arg(fields.join(QLatin1Char(','))),
                               {from.toString(Qt::ISODate), to.toString(Qt::ISODate), containsPattern(r.headCode)});
    s.bills.reserve(bills.recordCount());
    for (bills.moveFirst(); !bills.eof(); bills.moveNext()) {
        std::array<double, ColumnCount> amounts{};
        for (int c = 0; c < ColumnCount; ++c)
            amounts[c] = bills.field(3 + c).number();
        StatementBill b{bills.field(0).number(), bills.field(1).toDate(),
                        statementAmounts(amounts, bills.field(2).number())};
        for (int c = 0; c < StatementColumnCount; ++c)
            s.monthTotals[c] += b.amounts[c];
        s.bills << b;
    }
    for (int c = 0; c < StatementColumnCount; ++c) {
        s.monthTotals[c] = paisa(s.monthTotals[c]);
        s.progressive[c] = paisa(s.monthTotals[c] + s.broughtForward[c]);
    }
    return s;
}

StoredTotals storeProgressive(data::Database& fund, const BStatement& s)
{
    const StatementRequest& r = s.request;
    const int next = r.monthNo + 1;
    // The year's rows from the next month on: the one this statement writes
    // first, then those later statements brought forward from it.
    data::QueryRecordset rows(fund,
                              QStringLiteral("select rowid, month_no, %1 from b_statement where fy_year = ? "
                                             "and m_head = ? and month_no >= ? order by month_no, rowid")
                                  .arg(statementFieldList()),
                              {r.fyYear, r.headCode, next});
    if (rows.eof() || rows.field(1).number() != next) {
        data::TableRecordset table(fund, QStringLiteral("b_statement"));
        table.addNew();
        table["month_no"] = next;
        table["m_head"] = r.headCode;
        for (int c = 0; c < StatementColumnCount; ++c)
            table[QLatin1String(kStatementFields[c])] = s.progressive[c];
        table["fy_year"] = r.fyYear;
        table.update();
        return StoredTotals::Added;
    }

    StatementAmounts difference{};
    bool changed = false;
    for (int c = 0; c < StatementColumnCount; ++c) {
        difference[c] = paisa(s.progressive[c] - rows.field(2 + c).number());
        changed = changed || difference[c] != 0;
    }
    if (!changed)
        return StoredTotals::Unchanged;

    QStringList assignments;
    for (const char* f : kStatementFields)
        assignments << QLatin1String(f) + QStringLiteral(" = ?");
    const QString update = QStringLiteral("update b_statement set %1 where rowid = ?").arg(assignments.join(','));
    for (; !rows.eof(); rows.moveNext()) {
        QVariantList values;
        for (int c = 0; c < StatementColumnCount; ++c)
            values << paisa(rows.field(2 + c).number() + difference[c]);
        values << rows.field(0).variant();
        fund.execute(update, values);
    }
    return StoredTotals::Moved;
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
        put(row, 2, b.billDate);
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
