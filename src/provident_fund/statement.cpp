#include "provident_fund/statement.h"

#include "common/inword.h"
#include "platform/data/recordset.h"
#include "platform/vb/convert.h"
#include "provident_fund/sheet.h"

namespace provident_fund {

QVariant cellValue(const QString& text)
{
    if (text.trimmed().isEmpty())
        return QVariant();
    if (vb::isNumeric(text))
        return vb::cdbl(text);
    return text;
}

Statement statementCells(data::Database& db, const StatementBoxes& boxes)
{
    Statement out;
    data::QueryRecordset rows(db, QStringLiteral("select ac_no, name, month, subs, refund, total, loan, cumulative "
                                                 "from calc_sheet order by rowid"));
    if (rows.eof() || rows.field(QStringLiteral("name")).text() == QLatin1String("x")) {
        out.refusal = QStringLiteral("PREVIEW AVAILABLE AFTER CALCULATION OF G.P.F ONLY");
        return out;
    }
    if (rows.recordCount() != kMonths) {
        out.refusal = QStringLiteral("The working sheet holds %1 months instead of twelve. "
                                     "Choose EXISTING SUBSCRIBER and work the year out again.")
                          .arg(rows.recordCount());
        return out;
    }
    if (!vb::isNumeric(boxes.closing)) {
        out.refusal = QStringLiteral("The closing balance is not worked out. Press CALCULATE first.");
        return out;
    }
    const double closing = vb::cdbl(boxes.closing);
    if (closing < 0) {
        out.refusal = QStringLiteral("The closing balance is below zero; no statement can be made of it.");
        return out;
    }

    auto& c = out.cells;
    c.push_back({4, 2, boxes.yearCaption});
    c.push_back({4, 6, cellValue(boxes.rate)});
    c.push_back({3, 3, rows.field(QStringLiteral("name")).variant()});
    c.push_back({3, 6, rows.field(QStringLiteral("ac_no")).variant()});
    out.account = rows.field(QStringLiteral("ac_no")).text();
    const QString summary[] = {boxes.ob, boxes.subs, boxes.refund, boxes.interest, boxes.withdrawal, boxes.closing};
    for (int i = 0; i < 6; ++i)
        c.push_back({24 + i, 4, cellValue(summary[i])});
    c.push_back({31, 3, common::inwordLong(closing)});
    int row = 7;
    for (rows.moveFirst(); !rows.eof(); rows.moveNext(), ++row)
        for (int col = 1; col <= 6; ++col)
            c.push_back({row, col, rows.field(col + 1).variant()});
    return out;
}

} // namespace provident_fund
