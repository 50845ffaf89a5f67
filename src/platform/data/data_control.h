// The data control: a record source (table or SELECT) behind a grid or bound boxes.
#pragma once

#include <QSqlQueryModel>
#include <QString>
#include <QVariantList>

namespace data {

class Database;

class DataControl : public QSqlQueryModel {
    Q_OBJECT
public:
    explicit DataControl(QObject* parent = nullptr);

    void setDatabaseName(const QString& fileName); // a file of the data folder
    QString databaseName() const { return mFile; }
    // A table name or a SELECT; params are bound.
    void setRecordSource(const QString& source, const QVariantList& params = {});
    QString recordSource() const { return mSource; }
    void refresh();

    // The current row for bound boxes (-1 with no rows).
    int currentRow() const { return mCurrent; }
    void setCurrentRow(int row);
    void moveFirst() { setCurrentRow(rowCount() > 0 ? 0 : -1); }
    void moveLast() { setCurrentRow(rowCount() - 1); }
    void moveNext();
    void movePrevious();
    // A field of the current row by name (null with no current row).
    QVariant value(const QString& field) const;

signals:
    void currentRowChanged(int row);

private:
    QString mFile;
    QString mSource;
    QVariantList mParams;
    int mCurrent = -1;
};

} // namespace data
