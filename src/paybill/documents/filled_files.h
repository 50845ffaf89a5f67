// Fills a copy of a bill template from plain contents and saves it under the data folder's output/.
#pragma once

#include "paybill/documents/bill_documents.h"
#include "paybill/documents/bill_workbooks.h"

#include <QDate>
#include <QString>

namespace paybill {

// The bill's templates in the data folder.
inline constexpr const char* kOuterSheetTemplate = "outer_sheet.xlsx";
inline constexpr const char* kProStatementTemplate = "pro_stt.xlsx";
inline constexpr const char* kBillExtractTemplate = "bill extract.docx";
inline constexpr const char* kDaScheduleTemplate = "D.A.schedule.docx";

// What a bill's file is of, for its saved name: "2026-12-01 <head>".
QString billFileSubject(const QDate& billDate, const QString& head);

// Each returns the path of the saved copy, named with `subject`; the template
// itself is only read. Throws vb::Error as the office layer does (53 for a
// missing template).
QString saveFilledWorkbook(const QString& templateName, const QString& subject, const CellMap& cells);
QString saveFilledDocument(const QString& templateName, const QString& subject, const BookmarkTexts& texts);

// True when the data folder holds the template.
bool templatePresent(const QString& templateName);

// What the clerk is told when a template is missing: its name, the folder and
// the command that puts it back.
QString missingTemplateMessage(const QString& templateName);

} // namespace paybill
