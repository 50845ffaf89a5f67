#include "platform/reports/data_source.h"

#include "platform/data/recordset.h"

namespace reports {

DataSource::DataSource(QStringList columns, QVector<QVector<QVariant>> rows)
    : mColumns(std::move(columns)), mRows(std::move(rows))
{
}

DataSource DataSource::fromRecordset(data::QueryRecordset& rs)
{
    const QStringList cols = rs.columnNames();
    QVector<QVector<QVariant>> rows;
    rows.reserve(rs.recordCount());
    for (rs.moveFirst(); !rs.eof(); rs.moveNext()) {
        QVector<QVariant> row;
        row.reserve(cols.size());
        for (int c = 0; c < cols.size(); ++c)
            row.push_back(rs.field(c).variant());
        rows.push_back(std::move(row));
    }
    rs.moveFirst();
    return DataSource(cols, std::move(rows));
}

DataSource DataSource::fromQuery(data::Database& db, const QString& sql, const QVariantList& params)
{
    data::QueryRecordset rs(db, sql, params);
    return fromRecordset(rs);
}

int DataSource::columnIndex(const QString& name) const
{
    for (int i = 0; i < mColumns.size(); ++i) {
        if (mColumns[i].compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

} // namespace reports
