// Reading back what a test has written.
#pragma once

#include "platform/data/database.h"
#include "platform/data/recordset.h"

#include <QString>
#include <QVariantList>

namespace testsupport {

// The first row a query returns, as a list of values (empty when none).
inline QVariantList firstRow(data::Database& db, const QString& sql, const QVariantList& params = {})
{
    data::QueryRecordset rs(db, sql, params);
    QVariantList out;
    if (rs.eof())
        return out;
    for (int i = 0; i < rs.columnNames().size(); ++i)
        out << rs.field(i).variant();
    return out;
}

} // namespace testsupport
