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

namespace testsupport {

// The first value a query returns, as a number (0 for none, a null or a text).
inline double number(data::Database& db, const QString& sql, const QVariantList& params = {})
{
    data::QueryRecordset rs(db, sql, params);
    return rs.eof() ? 0 : rs.field(0).number();
}

} // namespace testsupport
