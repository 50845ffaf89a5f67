// What the yearly provident-fund statement workbook holds, cell by cell.
#pragma once

#include <QString>
#include <QVariant>
#include <QVector>

namespace data {
class Database;
}

namespace provident_fund {

inline const char* const kStatementTemplate = "gpf_statement.xlsx";

struct StatementCell {
    int row;
    int col;
    QVariant value;
};

// The form's figures as its boxes and labels hold them.
struct StatementBoxes {
    QString yearCaption;  // Label21
    QString rate;         // Text9
    QString ob, subs, refund, interest, withdrawal, closing;  // Text14, 16, 17, 10, 18, 20
};

struct Statement {
    QVector<StatementCell> cells;
    QString refusal;  // why no statement can be made ("" when it can)
    QString account;  // the sheet's account number, for the saved file's name
};

// A box's text as a cell takes it: a plain number as a number, nothing for an
// empty box, any other text as text.
QVariant cellValue(const QString& text);

// The header (C3 name, F3 account from the sheet's first row, B4 year, F4
// rate), the month rows 7 to 18 (A-F: month, subscription, refund, total,
// withdrawal, balance, from the sheet in stored order), the summary D24-D29
// and the closing balance in words in C31. Refused, with no cell, before the
// sheet carries a subscriber, when it does not hold twelve months, or when the
// closing balance is no number or below zero.
Statement statementCells(data::Database& db, const StatementBoxes& boxes);

} // namespace provident_fund
