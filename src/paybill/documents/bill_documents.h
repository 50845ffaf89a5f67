// What the bill extract and the D.A. schedule of a pay bill say at each bookmark, read from its working tables.
#pragma once

#include <QString>
#include <QVector>
#include <optional>

namespace data {
class Database;
}

namespace paybill {

struct BookmarkText {
    QString bookmark;
    QString text;
};
// In the order the bookmarks are filled.
using BookmarkTexts = QVector<BookmarkText>;

// The drawal code, the bill number, the date, name, designation and pay
// month of the row numbered 1, and the net total of the bill in figures
// ("#.00") and in words. A field the row lacks is written as empty text.
// nullopt when sal holds no row numbered 1.
std::optional<BookmarkTexts> billExtractTexts(data::Database& salaryDb, const QString& drawalCode,
                                              const QString& billNo);

// The bill date of the row numbered 1 and the bill number; nullopt as above.
std::optional<BookmarkTexts> daScheduleTexts(data::Database& salaryDb, const QString& billNo);

} // namespace paybill
