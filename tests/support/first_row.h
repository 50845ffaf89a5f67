// Reading back what a test has written, and the error a call throws.
#pragma once

#include "platform/data/database.h"
#include "platform/data/recordset.h"
#include "platform/vb/error.h"

namespace testsupport {

// The first row a query returns, as a list of values (empty when none).
inline QVariantList firstRow(data::Database& db, const QString& sql, const QVariantList& params = {})
{
    data::QueryRecordset rs(db, sql, params);
    QVariantList out;
    for (int i = 0; !rs.eof() && i < rs.columnNames().size(); ++i)
        out << rs.field(i).variant();
    return out;
}

// The first value a query returns, as a number (0 for none, a null or a text).
inline double number(data::Database& db, const QString& sql, const QVariantList& params = {})
{
    data::QueryRecordset rs(db, sql, params);
    return rs.eof() ? 0 : rs.field(0).number();
}

// What `run` threw: number and description; number 0 when it threw nothing.
template <class F> vb::Error errorOf(F&& run)
{
    try {
        run();
    } catch (const vb::Error& e) {
        return e;
    }
    return vb::Error(0, QStringLiteral("no error"));
}

} // namespace testsupport
