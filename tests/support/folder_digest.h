// Digests of a data folder's files and rows, to show what a command left untouched.
#pragma once

#include <QMap>
#include <QStringList>
#include <QString>
#include <QVariant>

#include <set>
#include <utility>
#include <vector>

namespace testsupport {

// Every file of the folder (names relative to it, sub-folders included) and
// the SHA-256 of its bytes; "<dir>" for a folder. A "-shm" file is left out:
// it is the engine's memory index, which every reader marks.
QMap<QString, QByteArray> fileDigests(const QString& folder);

// The SHA-256 of every row of each table, in rowid order, over each
// column's name and value with null columns left out: a column added to an
// older file, null in every row, leaves the digest as it was.
QMap<QString, QByteArray> rowDigests(const QString& path);

// The first column of the first row a query gives (null when none).
QVariant queryValue(const QString& path, const QString& sql);

// The B-statements a folder holds, each as (financial year, reporting month
// 4..15): the months whose totals its b_statement rows carry forward, and the
// month each workbook under output/ shows (twice when two files show it),
// read only when asked; `files` counts the workbooks.
struct StatementMonths {
    std::set<std::pair<int, int>> stored;
    std::vector<std::pair<int, int>> workbooks;
    size_t files = 0;
};
StatementMonths statementMonths(const QString& folder, bool readWorkbooks = true);

// Runs SQL statements on a file through a connection of its own.
void runSql(const QString& path, const QStringList& statements);

// The path of one of the built tools beside the test binary.
QString toolPath(const QString& name);

// Runs one of the built tools and waits for it.
struct ToolRun {
    int code = -1;
    QString out;
    QString err;
};
ToolRun runTool(const QString& name, const QStringList& args);

} // namespace testsupport
