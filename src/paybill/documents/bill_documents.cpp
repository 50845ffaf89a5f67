#include "paybill/documents/bill_documents.h"

#include "common/inword.h"
#include "paybill/working_tables.h"
#include "platform/data/database.h"
#include "platform/data/recordset.h"
#include "platform/vb/convert.h"

namespace paybill {

namespace {

// The row that names the bill: the one numbered 1.
const char* const kFirstRow = "select bill_date, name, designation, p_month from sal where sl_no = 1";

QString dateText(const data::FieldValue& v)
{
    return v.isNull() ? QString() : vb::shortDate(v.toDate());
}

} // namespace

std::optional<BookmarkTexts> billExtractTexts(data::Database& salaryDb, const QString& drawalCode,
                                              const QString& billNo)
{
    data::QueryRecordset first(salaryDb, QString::fromLatin1(kFirstRow));
    if (first.eof())
        return std::nullopt;
    const double tnet = rupees(salSums(salaryDb).net);
    return BookmarkTexts{
        {QStringLiteral("code"), drawalCode},
        {QStringLiteral("date"), dateText(first.field("bill_date"))},
        {QStringLiteral("name"), first.field("name").text()},
        {QStringLiteral("degn"), first.field("designation").text()},
        {QStringLiteral("month"), first.field("p_month").text()},
        {QStringLiteral("bill"), billNo},
        {QStringLiteral("amt"), vb::format(tnet, QStringLiteral("#.00"))},
        {QStringLiteral("amtd"), common::inwordShort(tnet)},
    };
}

std::optional<BookmarkTexts> daScheduleTexts(data::Database& salaryDb, const QString& billNo)
{
    data::QueryRecordset first(salaryDb, QString::fromLatin1(kFirstRow));
    if (first.eof())
        return std::nullopt;
    return BookmarkTexts{
        {QStringLiteral("date"), dateText(first.field("bill_date"))},
        {QStringLiteral("bill"), billNo},
    };
}

} // namespace paybill
