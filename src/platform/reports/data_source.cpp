#include "platform/reports/data_source.h"

#include "platform/data/database.h"
#include "platform/data/recordset.h"
#include "platform/data/statement.h"

#include <QDate>
#include <sqlite3.h>
#include <vector>

namespace reports {

namespace {

enum class CellKind : quint8 { Null, Number, Text, Variant };

// 16 bytes a cell: a number in place, text as a slice of the pool, anything
// else (rows handed over as values) by its index among the variants.
struct Cell {
    CellKind kind = CellKind::Null;
    quint32 length = 0;
    union {
        double number;
        quint64 offset;
    };
    Cell() : number(0) {}
};

// Dates are stored as ISO text; a report shows them as dates. An invalid
// date for any other text.
QDate isoDate(const char* t, quint32 length)
{
    if (length == 10 && t[4] == '-' && t[7] == '-')
        return QDate::fromString(QString::fromLatin1(t, 10), Qt::ISODate);
    return {};
}

} // namespace

// Rows are kept in blocks and text in pieces that never move once full, so
// reading a long bill never copies what it has read so far into a larger
// block (which would need both at once). Both start small and grow, so the
// few rows of a schedule take little.
constexpr int kRowsPerBlock = 512;
constexpr qsizetype kLargestTextPiece = 256 * 1024;

struct DataSource::Store {
    QStringList columns;
    int rows = 0;
    std::vector<std::vector<Cell>> blocks;
    std::vector<QByteArray> text; // UTF-8; a cell's offset is piece << 32 | position
    QVector<QVariant> variants;

    const Cell& at(int row, int column) const
    {
        return blocks[size_t(row / kRowsPerBlock)][size_t(row % kRowsPerBlock) * columns.size() + column];
    }
    Cell* newRow()
    {
        const size_t width = std::max<size_t>(1, size_t(columns.size()));
        if (rows % kRowsPerBlock == 0) {
            blocks.emplace_back();
            blocks.back().reserve(width * (blocks.size() == 1 ? 16 : kRowsPerBlock));
        }
        std::vector<Cell>& block = blocks.back();
        block.resize(block.size() + width);
        ++rows;
        return &block[block.size() - width];
    }
    quint64 addText(const char* t, int len)
    {
        if (text.empty() || text.back().size() + len > text.back().capacity()) {
            const qsizetype held = text.empty() ? 0 : text.back().capacity();
            text.emplace_back();
            text.back().reserve(std::max<qsizetype>(len, std::clamp<qsizetype>(2 * held, 4096, kLargestTextPiece)));
        }
        QByteArray& piece = text.back();
        const quint64 offset = (quint64(text.size() - 1) << 32) | quint64(piece.size());
        piece.append(t, len);
        return offset;
    }
    const char* textAt(quint64 offset) const
    {
        return text[size_t(offset >> 32)].constData() + (offset & 0xffffffffu);
    }
};

DataSource::DataSource() : d(std::make_shared<Store>()) {}

DataSource::DataSource(QStringList columns, QVector<QVector<QVariant>> rows)
{
    auto s = std::make_shared<Store>();
    s->columns = std::move(columns);
    const int n = s->columns.size();
    s->variants.reserve(rows.size() * n);
    for (int r = 0; r < rows.size(); ++r) {
        Cell* row = s->newRow();
        for (int c = 0; c < n; ++c) {
            Cell& cell = row[c];
            cell.kind = CellKind::Variant;
            cell.offset = quint64(s->variants.size());
            s->variants.push_back(c < rows[r].size() ? rows[r][c] : QVariant());
        }
    }
    d = std::move(s);
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
    data::Statement q = db.prepare(sql);
    q.bindAll(params);
    auto s = std::make_shared<Store>();
    const int n = q.columnCount();
    for (int c = 0; c < n; ++c)
        s->columns << q.columnName(c);
    while (q.step()) {
        Cell* row = s->newRow();
        for (int c = 0; c < n; ++c) {
            Cell& cell = row[c];
            switch (q.type(c)) {
            case SQLITE_INTEGER:
            case SQLITE_FLOAT:
                cell.kind = CellKind::Number;
                cell.number = q.toDouble(c);
                break;
            case SQLITE_TEXT: {
                int len = 0;
                const char* t = q.utf8(c, &len);
                cell.kind = CellKind::Text;
                cell.offset = s->addText(t, len);
                cell.length = quint32(len);
                break;
            }
            case SQLITE_BLOB:
                cell.kind = CellKind::Variant;
                cell.offset = quint64(s->variants.size());
                s->variants.push_back(q.value(c));
                break;
            default:
                break;
            }
        }
    }
    DataSource out;
    out.d = std::move(s);
    return out;
}

const QStringList& DataSource::columns() const { return d->columns; }

int DataSource::rowCount() const { return d->rows; }

int DataSource::columnIndex(const QString& name) const
{
    for (int i = 0; i < d->columns.size(); ++i) {
        if (d->columns[i].compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

QVariant DataSource::value(int row, int column) const
{
    const Cell& cell = d->at(row, column);
    switch (cell.kind) {
    case CellKind::Null:
        return QVariant(QMetaType::fromType<QString>());
    case CellKind::Number:
        return cell.number;
    case CellKind::Variant:
        return d->variants[qsizetype(cell.offset)];
    case CellKind::Text:
        break;
    }
    const char* t = d->textAt(cell.offset);
    const QDate date = isoDate(t, cell.length);
    if (date.isValid())
        return date;
    return QString::fromUtf8(t, cell.length);
}

bool DataSource::isPlainText(int row, int column, QString& out) const
{
    const Cell& cell = d->at(row, column);
    if (cell.kind != CellKind::Text)
        return false;
    const char* t = d->textAt(cell.offset);
    if (isoDate(t, cell.length).isValid())
        return false;
    out = QString::fromUtf8(t, cell.length);
    return true;
}

bool DataSource::isNull(int row, int column) const
{
    const Cell& cell = d->at(row, column);
    return cell.kind == CellKind::Null
        || (cell.kind == CellKind::Variant && d->variants[qsizetype(cell.offset)].isNull());
}

bool DataSource::isNumber(int row, int column, double& out) const
{
    const Cell& cell = d->at(row, column);
    if (cell.kind == CellKind::Number) {
        out = cell.number;
        return true;
    }
    if (cell.kind != CellKind::Variant)
        return false;
    const QVariant& v = d->variants[qsizetype(cell.offset)];
    switch (v.typeId()) {
    case QMetaType::Double:
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::Float:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
        if (v.isNull())
            return false;
        out = v.toDouble();
        return true;
    default:
        return false;
    }
}

QVector<QVector<QVariant>> DataSource::rows() const
{
    QVector<QVector<QVariant>> out;
    out.reserve(d->rows);
    for (int r = 0; r < d->rows; ++r) {
        QVector<QVariant> row;
        row.reserve(d->columns.size());
        for (int c = 0; c < d->columns.size(); ++c)
            row.push_back(value(r, c));
        out.push_back(std::move(row));
    }
    return out;
}

} // namespace reports
