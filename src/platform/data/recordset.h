// Table and query recordsets with the semantics the forms were written against.
#pragma once

#include <QDate>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>
#include <memory>

namespace data {

class Database;
class TableRecordset;

// A value read from a recordset. Turning a null into a number or a text
// throws vb::Error 94: an empty sum() comes back null, and the forms' traps
// expect 94 for it rather than a silent zero.
class FieldValue {
public:
    FieldValue() = default;
    explicit FieldValue(QVariant v) : mValue(std::move(v)) {}
    bool isNull() const { return mValue.isNull(); }
    const QVariant& variant() const { return mValue; }
    double toDouble() const;   // 94 on null, 13 on a text that is no number
    QString toString() const;  // 94 on null; numbers as vb::cstr, dates dd/MM/yyyy
    QDate toDate() const;      // 94 on null
    // Null-tolerant reads, for fields where a blank counts as no text or zero.
    QString text() const;      // "" for null
    double number() const;     // 0 for null or a non-number

private:
    QVariant mValue;
};

// Write access to a field of the current (or pending new) row.
class FieldRef {
public:
    FieldRef(TableRecordset& rs, QString name) : mRs(rs), mName(std::move(name)) {}
    FieldRef& operator=(const QVariant& v);
    FieldRef& operator=(const QString& v) { return *this = QVariant(v); }
    FieldRef& operator=(const char* v) { return *this = QVariant(QString::fromUtf8(v)); }
    FieldRef& operator=(double v) { return *this = QVariant(v); }
    FieldRef& operator=(int v) { return *this = QVariant(v); }
    FieldRef& operator=(const QDate& v) { return *this = QVariant(v); }
    FieldValue value() const;
    operator FieldValue() const { return value(); }
    bool isNull() const { return value().isNull(); }
    double toDouble() const { return value().toDouble(); }
    QString toString() const { return value().toString(); }
    QDate toDate() const { return value().toDate(); }
    QString text() const { return value().text(); }
    double number() const { return value().number(); }

private:
    TableRecordset& mRs;
    QString mName;
};

// A table opened as a table-type recordset. Rows are addressed by rowid and
// read live, so a form sees what others wrote. Order is table order (rowid)
// until setIndex() names an index; then index order, rowid breaking ties.
class TableRecordset {
public:
    TableRecordset(Database& db, const QString& table);
    ~TableRecordset();
    TableRecordset(const TableRecordset&) = delete;
    TableRecordset& operator=(const TableRecordset&) = delete;

    void setIndex(const QString& indexName);
    // Only "=" is used by the forms. NoMatch leaves no current row.
    void seek(const QString& op, const QVariantList& key);
    void seek(const QString& op, const QVariant& key) { seek(op, QVariantList{key}); }
    bool noMatch() const { return mNoMatch; }

    void moveFirst();
    void moveLast();
    void moveNext();
    void movePrevious();
    bool eof() const;
    bool bof() const;
    int recordCount() const;
    bool hasCurrent() const { return mCurrent > 0; }
    qint64 rowid() const { return mCurrent; }

    // Pending new row: readable before update(), dropped by the next addNew()
    // or cancelUpdate(). After update() the current row is unchanged.
    void addNew();
    // Edit of the current row (3021 without one).
    void edit();
    void update();
    void cancelUpdate();
    // Deletes the current row (3021 without one); there is then no current row
    // until a move.
    void remove();

    FieldRef field(const QString& name) { return FieldRef(*this, name); }
    FieldRef operator[](const QString& name) { return field(name); }
    FieldValue get(const QString& name) const;
    // Converted by the column's declared kind: 3421 for a text that is no
    // number for a number column, or no date for a date column.
    void set(const QString& name, const QVariant& v);

    enum class EditMode { None, Edit, AddNew };
    EditMode editMode() const { return mMode; }
    const QString& table() const { return mTable; }
    Database& database() { return mDb; }

private:
    // Loads the current row; throws 3021 when there is none.
    void loadRow() const;
    // Starts a new edit (or ends one) with no values pending.
    void enterMode(EditMode mode);
    QVariant convertFor(const QString& name, const QVariant& v) const;
    int columnIndex(const QString& name) const;
    qint64 neighbour(bool forward, bool fromEnd) const;
    // MoveNext (forward) or MovePrevious.
    void step(bool forward);

    Database& mDb;
    QString mTable;
    QString mIndex;
    QStringList mIndexCols;
    qint64 mCurrent = 0;    // 0: no current row
    bool mBof = false, mEof = false;
    bool mNoMatch = false;
    EditMode mMode = EditMode::None;
    QHash<int, QVariant> mPending;   // column index -> value
    mutable QVector<QVariant> mRow;  // cached current row
    mutable qint64 mRowId = 0;
    mutable quint64 mRowGen = ~0ull;
    QVariantList mLastKey;           // order key of a row just removed, for the next move
    struct Statements;
    std::unique_ptr<Statements> mSt; // texts of its statements; the connection keeps them prepared
};

// A SELECT with bound parameters, fully read when opened.
class QueryRecordset {
public:
    QueryRecordset(Database& db, const QString& sql, const QVariantList& params = {});

    bool eof() const { return mPos >= mRows.size(); }
    bool bof() const { return mPos < 0; }
    int recordCount() const { return mRows.size(); }
    void moveFirst() { mPos = mRows.isEmpty() ? 0 : 0; }
    void moveLast() { mPos = mRows.isEmpty() ? 0 : mRows.size() - 1; }
    void moveNext() { if (mPos < mRows.size()) ++mPos; }
    void movePrevious() { if (mPos >= 0) --mPos; }

    // By name or alias (case-insensitive), or by position. 3021 without a current row.
    FieldValue field(const QString& name) const;
    FieldValue field(int index) const;
    FieldValue operator[](const QString& name) const { return field(name); }
    const QStringList& columnNames() const { return mNames; }

private:
    QStringList mNames;
    QVector<QVector<QVariant>> mRows;
    int mPos = 0;
};

} // namespace data
