// The rows a report is fed with: column names and values, read once.
#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>
#include <memory>

namespace data {
class Database;
class QueryRecordset;
}

namespace reports {

// Rows read from the database are kept compactly (a number in place, text in
// one pool) and shared by copies, so a report, its preview and a print job
// hold one copy of a bill, however often it is passed on.
class DataSource {
public:
    DataSource();
    DataSource(QStringList columns, QVector<QVector<QVariant>> rows);

    // Every row of an open query recordset, from the first; the recordset is
    // left on its first row.
    static DataSource fromRecordset(data::QueryRecordset& rs);
    // Runs a SELECT with bound parameters on the database and reads its rows
    // straight in.
    static DataSource fromQuery(data::Database& db, const QString& sql,
                                const QVariantList& params = {});

    const QStringList& columns() const;
    int rowCount() const;
    // Case-insensitive; -1 when the source has no such column.
    int columnIndex(const QString& name) const;
    // As a recordset field reads it: numbers as double, ISO dates as QDate.
    QVariant value(int row, int column) const;
    bool isNull(int row, int column) const;
    // The number a cell holds when it holds one as a number (not as text).
    bool isNumber(int row, int column, double& out) const;
    // The text a cell holds as text, when it is neither a number nor an ISO
    // date (which value() reads as a date): what value() would give as a string.
    bool isPlainText(int row, int column, QString& out) const;
    // Every row, copied out.
    QVector<QVector<QVariant>> rows() const;

private:
    struct Store;
    std::shared_ptr<const Store> d;
};

} // namespace reports
