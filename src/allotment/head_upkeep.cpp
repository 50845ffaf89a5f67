#include "allotment/head_upkeep.h"

#include "allotment/heads.h"
#include "common/free_text.h"
#include "platform/data/database.h"
#include "platform/data/recordset.h"

#include <initializer_list>
#include <utility>

namespace allotment {

namespace {

bool codeInUse(data::Database& fund, const QString& code)
{
    data::QueryRecordset rs(fund, "select count(*) as nos from head where drawal_code = ?", {code});
    return rs.field("nos").toDouble() > 0;
}

// Another head (any but the one stored under ownCode) already carries the description.
bool descriptionInUse(data::Database& fund, const QString& description, const QString& ownCode)
{
    data::QueryRecordset rs(fund,
                            "select count(*) as nos from head where description = ? "
                            "and (drawal_code is null or drawal_code <> ?)",
                            {description, ownCode});
    return rs.field("nos").toDouble() > 0;
}

// Each box's text must fit its column; the code is checked only while it is typed.
std::optional<Refusal> refuseText(const HeadEntry& e, bool withCode)
{
    const struct {
        const QString* text;
        const char* column;
        const char* caption;
        Refusal::Box box;
    } boxes[] = {{&e.drawalCode, "drawal_code", "DRAWAL CODE", Refusal::DrawalCode},
                 {&e.description, "description", "DESCRIPTION", Refusal::Description},
                 {&e.category, "code_category", "CATEGORY", Refusal::Category}};
    for (const auto& b : boxes) {
        if (b.box == Refusal::DrawalCode && !withCode)
            continue;
        const common::TextRead read = common::readText(*b.text, QStringLiteral("head"), QLatin1String(b.column));
        if (!read.ok())
            return Refusal{read.refusal(QLatin1String(b.caption)), b.box};
    }
    return std::nullopt;
}

std::optional<Refusal> refuseDescription(data::Database& fund, const HeadEntry& e,
                                         const QString& ownCode)
{
    if (e.description.isEmpty())
        return Refusal{QStringLiteral("ENTER THE SHORT DESCRIPTION OF THE HEAD."), Refusal::Description};
    if (descriptionInUse(fund, e.description, ownCode))
        return Refusal{QStringLiteral("THIS DESCRIPTION IS ALREADY USED FOR ANOTHER HEAD."),
                       Refusal::Description};
    return std::nullopt;
}

// A head's opening row in one register: every amount nil, and the fields
// that mark it as the opening row (order "0" or bill 0) and date it.
void addOpeningRow(data::Database& fund, const char* table, const HeadEntry& e,
                   std::initializer_list<std::pair<const char*, QVariant>> marks)
{
    data::TableRecordset rs(fund, table);
    rs.addNew();
    rs["head"] = e.drawalCode;
    for (const AmountColumn& column : kAmountColumns)
        rs[column.field] = 0;
    for (const auto& [field, value] : marks)
        rs[field] = value;
    rs["despn"] = e.description;
    rs.update();
}

} // namespace

HeadEntry trimmed(const HeadEntry& entry)
{
    return {entry.drawalCode.trimmed(), entry.description.trimmed(), entry.category.trimmed()};
}

std::optional<Refusal> refuseNewHead(data::Database& fund, const HeadEntry& entry)
{
    const HeadEntry e = trimmed(entry);
    if (auto refusal = refuseText(e, true))
        return refusal;
    if (e.drawalCode.isEmpty())
        return Refusal{QStringLiteral("ENTER THE 17-DIGIT DRAWAL CODE."), Refusal::DrawalCode};
    if (codeInUse(fund, e.drawalCode))
        return Refusal{QStringLiteral("THIS DRAWAL CODE IS ALREADY IN USE."), Refusal::DrawalCode};
    return refuseDescription(fund, e, e.drawalCode);
}

std::optional<Refusal> refuseHeadChange(data::Database& fund, const QString& storedCode,
                                        const HeadEntry& entry)
{
    const HeadEntry e = trimmed(entry);
    if (e.drawalCode.compare(storedCode.trimmed(), Qt::CaseInsensitive) != 0)
        return Refusal{QStringLiteral("THE DRAWAL CODE OF A SAVED HEAD CAN NOT BE CHANGED."),
                       Refusal::DrawalCode};
    if (auto refusal = refuseText(e, false))
        return refusal;
    // A head that keeps its description may change its category even where
    // older data already holds the description twice.
    data::QueryRecordset stored(fund, "select description from head where drawal_code = ?", {storedCode});
    if (!e.description.isEmpty() && stored.recordCount() > 0
        && stored["description"].text().compare(e.description, Qt::CaseInsensitive) == 0)
        return std::nullopt;
    return refuseDescription(fund, e, storedCode);
}

void addHead(data::Database& fund, const HeadEntry& entry, const QDate& yearStart)
{
    const HeadEntry e = trimmed(entry);
    data::Transaction transaction(fund);

    addOpeningRow(fund, "all_allot", e, {{"order_no", QStringLiteral("0")}, {"order_date", yearStart}});
    addOpeningRow(fund, "all_exp", e, {{"deduction", 0}, {"bill_no", 0}, {"bill_date", yearStart}});

    data::TableRecordset head(fund, "head");
    head.addNew();
    head["drawal_code"] = e.drawalCode;
    head["description"] = e.description;
    head["code_category"] = e.category;
    head.update();

    transaction.commit();
}

void changeHead(data::Database& fund, const QString& storedCode, const HeadEntry& entry)
{
    const HeadEntry e = trimmed(entry);
    fund.execute("update head set description = ?, code_category = ? where drawal_code = ?",
                 {e.description, e.category, storedCode});
}

} // namespace allotment
