// The rows a report is fed with: column names and values, read once.
#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

namespace data {
class Database;
class QueryRecordset;
}

namespace reports {

class DataSource {
public:
    DataSource() = default;
    DataSource(QStringList columns, QVector<QVector<QVariant>> rows);

    // Every row of an open query recordset, from the first; the recordset is
    // left on its first row.
    static DataSource fromRecordset(data::QueryRecordset& rs);
    // Runs a SELECT with bound parameters on the database.
    static DataSource fromQuery(data::Database& db, const QString& sql,
                                const QVariantList& params = {});

    const QStringList& columns() const { return mColumns; }
    int rowCount() const { return mRows.size(); }
    // Case-insensitive; -1 when the source has no such column.
    int columnIndex(const QString& name) const;
    const QVariant& value(int row, int column) const { return mRows[row][column]; }
    const QVector<QVector<QVariant>>& rows() const { return mRows; }

private:
    QStringList mColumns;
    QVector<QVector<QVariant>> mRows;
};

} // namespace reports
