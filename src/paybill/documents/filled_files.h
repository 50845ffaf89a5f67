// Fills a copy of a bill template from plain contents and saves it under the data folder's output/.
#pragma once

#include "paybill/documents/bill_documents.h"
#include "paybill/documents/bill_workbooks.h"

#include <QString>

namespace paybill {

// The bill's templates in the data folder.
inline constexpr const char* kOuterSheetTemplate = "outer_sheet.xlsx";
inline constexpr const char* kProStatementTemplate = "pro_stt.xlsx";
inline constexpr const char* kBillExtractTemplate = "bill extract.docx";
inline constexpr const char* kDaScheduleTemplate = "D.A.schedule.docx";

// Each returns the path of the saved copy; the template itself is only read.
// Throws vb::Error as the office layer does (53 for a missing template).
QString saveFilledWorkbook(const QString& templateName, const CellMap& cells);
QString saveFilledDocument(const QString& templateName, const BookmarkTexts& texts);

// True when the data folder holds the template.
bool templatePresent(const QString& templateName);

// What the clerk is told when a template is missing: its name, the folder and
// the command that puts it back.
QString missingTemplateMessage(const QString& templateName);

} // namespace paybill
