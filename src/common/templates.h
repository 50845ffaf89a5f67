// The workbook and document templates of the data folder, carried by the program.
#pragma once

#include <QString>
#include <QStringList>

namespace common {

// File names of every template ("outer_sheet.xlsx", "anx.docx", ...).
QStringList templateNames();

// Copies the templates into the folder, readable by their owner only; with
// onlyMissing, only those the folder lacks. Returns the names written.
// Throws vb::Error 75 when a file cannot be written.
QStringList installTemplates(const QString& folder, bool onlyMissing);

} // namespace common
