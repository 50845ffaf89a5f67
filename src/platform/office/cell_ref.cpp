#include "platform/office/cell_ref.h"

#include <QRegularExpression>
#include <QStringList>

#include <algorithm>

namespace office {

QString columnName(int col)
{
    QString name;
    for (; col > 0; col = (col - 1) / 26)
        name.prepend(QChar(u'A' + (col - 1) % 26));
    return name;
}

int columnNumber(QStringView name)
{
    int col = 0;
    for (QChar c : name) {
        const char16_t u = c.toUpper().unicode();
        if (u < u'A' || u > u'Z')
            return 0;
        col = col * 26 + (u - u'A' + 1);
    }
    return col;
}

QString cellName(int row, int col) { return columnName(col) + QString::number(row); }

bool parseCell(QStringView ref, int& row, int& col)
{
    static const QRegularExpression cell(QStringLiteral("^\\$?([A-Za-z]{1,3})\\$?([0-9]+)$"));
    const auto m = cell.match(ref.toString());
    if (!m.hasMatch())
        return false;
    col = columnNumber(m.capturedView(1));
    row = m.capturedView(2).toInt();
    return row > 0 && col > 0;
}

namespace {

QString shiftRow(const QString& digits, int before, int n)
{
    const int row = digits.toInt();
    return QString::number(row >= before ? row + n : row);
}

// A cell ("$B$7") or a whole-row reference ("7" of "7:9"), with its row shifted.
QString shiftToken(const QRegularExpressionMatch& m, int before, int n)
{
    if (m.capturedLength(QStringLiteral("col")))
        return m.captured(QStringLiteral("cd")) + m.captured(QStringLiteral("col")) + m.captured(QStringLiteral("rd"))
               + shiftRow(m.captured(QStringLiteral("row")), before, n);
    return m.captured(QStringLiteral("r1d")) + shiftRow(m.captured(QStringLiteral("r1")), before, n) + QLatin1Char(':')
           + m.captured(QStringLiteral("r2d")) + shiftRow(m.captured(QStringLiteral("r2")), before, n);
}

// Strings, then an optional sheet qualifier and a reference. A name or a
// function ("LOG10(") is no reference: letters or digits around it, or "(".
const QRegularExpression& referenceToken()
{
    static const QRegularExpression token(QStringLiteral(
        "(?<str>\"(?:[^\"]|\"\")*\")"
        "|(?<sheet>'(?:[^']|'')+'!|[A-Za-z_][A-Za-z0-9_.]*!)?"
        "(?<![A-Za-z0-9_.$])"
        "(?:(?<cd>\\$?)(?<col>[A-Za-z]{1,3})(?<rd>\\$?)(?<row>[0-9]+)"
        "|(?<r1d>\\$?)(?<r1>[0-9]+):(?<r2d>\\$?)(?<r2>[0-9]+))"
        "(?![A-Za-z0-9_(.])"));
    return token;
}

// The sheet a reference token names ("Sheet1" of "'Sheet1'!B4"); empty when unqualified.
QString qualifierSheet(const QRegularExpressionMatch& m)
{
    QString sheet = m.captured(QStringLiteral("sheet"));
    if (sheet.isEmpty())
        return sheet;
    sheet.chop(1);
    if (sheet.startsWith(QLatin1Char('\'')))
        sheet = sheet.mid(1, sheet.size() - 2).replace(QStringLiteral("''"), QStringLiteral("'"));
    return sheet;
}

// Whether a token follows the reference ending at `previousEnd` across a colon: the far corner of a range.
bool farCorner(const QString& formula, const QRegularExpressionMatch& m, qsizetype previousEnd)
{
    return previousEnd >= 0 && m.capturedStart(0) == previousEnd + 1 && formula.at(previousEnd) == u':';
}

} // namespace

QString shiftRanges(const QString& refs, int before, int n)
{
    static const QRegularExpression cell(QStringLiteral("(\\$?)([A-Za-z]{1,3})(\\$?)([0-9]+)"));
    QString out;
    qsizetype last = 0;
    for (auto it = cell.globalMatch(refs); it.hasNext();) {
        const auto m = it.next();
        out += QStringView(refs).mid(last, m.capturedStart(4) - last);
        out += shiftRow(m.captured(4), before, n);
        last = m.capturedEnd(4);
    }
    out += QStringView(refs).mid(last);
    return out;
}

QString shiftFormula(const QString& formula, const QString& sheetName, bool onSheet, int before, int n)
{
    const QRegularExpression& token = referenceToken();
    QString out;
    qsizetype last = 0;
    qsizetype previousEnd = -1;   // the end of the last reference, and whether it moved
    bool previousMoved = false;
    for (auto it = token.globalMatch(formula); it.hasNext();) {
        const auto m = it.next();
        if (m.capturedLength(QStringLiteral("str")))
            continue;
        const QString sheet = qualifierSheet(m);
        bool moves = onSheet;
        if (!sheet.isEmpty()) {
            moves = sheet.compare(sheetName, Qt::CaseInsensitive) == 0;
        } else if (farCorner(formula, m, previousEnd)) {
            moves = previousMoved;   // the far corner of "Sheet1!A1:B9" is on Sheet1 too
        }
        previousEnd = m.capturedEnd(0);
        previousMoved = moves;
        if (!moves)
            continue;
        const qsizetype start = m.capturedStart(QStringLiteral("sheet")) >= 0 && !sheet.isEmpty()
                                    ? m.capturedEnd(QStringLiteral("sheet"))
                                    : m.capturedStart(0);
        out += QStringView(formula).mid(last, start - last);
        out += shiftToken(m, before, n);
        last = m.capturedEnd(0);
    }
    out += QStringView(formula).mid(last);
    return out;
}

bool formulaRefersTo(const QString& formula, const QString& sheetName, int row, int col)
{
    qsizetype previousEnd = -1; // the last reference, where it ends, whether on the sheet, its cell
    bool previousOnSheet = false;
    int previousRow = 0, previousCol = 0;
    for (auto it = referenceToken().globalMatch(formula); it.hasNext();) {
        const auto m = it.next();
        if (m.capturedLength(QStringLiteral("str")))
            continue;
        const QString sheet = qualifierSheet(m);
        const bool corner = sheet.isEmpty() && farCorner(formula, m, previousEnd);
        const bool onSheet = !sheet.isEmpty() ? sheet.compare(sheetName, Qt::CaseInsensitive) == 0
                                              : corner ? previousOnSheet : true;
        previousEnd = m.capturedEnd(0);
        previousOnSheet = onSheet;
        if (!m.capturedLength(QStringLiteral("col"))) {
            // Whole rows: "12:14".
            const int r1 = m.captured(QStringLiteral("r1")).toInt(), r2 = m.captured(QStringLiteral("r2")).toInt();
            if (onSheet && std::min(r1, r2) <= row && row <= std::max(r1, r2))
                return true;
            previousCol = 0;
            continue;
        }
        const int r = m.captured(QStringLiteral("row")).toInt();
        const int c = columnNumber(m.capturedView(QStringLiteral("col")));
        if (onSheet && r == row && c == col)
            return true;
        if (onSheet && corner && previousCol > 0 && std::min(r, previousRow) <= row && row <= std::max(r, previousRow)
            && std::min(c, previousCol) <= col && col <= std::max(c, previousCol))
            return true;
        previousRow = r;
        previousCol = c;
    }
    return false;
}

} // namespace office
