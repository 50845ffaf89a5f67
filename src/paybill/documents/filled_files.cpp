#include "paybill/documents/filled_files.h"

#include "platform/data/database.h"
#include "platform/office/document.h"
#include "platform/office/workbook.h"

#include <QDir>
#include <QFileInfo>

namespace paybill {

QString billFileSubject(const QDate& billDate, const QString& head)
{
    return billDate.toString(Qt::ISODate) + QLatin1Char(' ') + head.trimmed();
}

QString saveFilledWorkbook(const QString& templateName, const QString& subject, const CellMap& cells)
{
    office::Workbook book = office::Workbook::open(templateName);
    book.setSubject(subject);
    for (const Cell& c : cells)
        book.setValue(c.row, c.col, c.value);
    return book.save();
}

QString saveFilledDocument(const QString& templateName, const QString& subject, const BookmarkTexts& texts)
{
    office::Document doc = office::Document::open(templateName);
    doc.setSubject(subject);
    for (const BookmarkText& b : texts)
        doc.bookmark(b.bookmark).setText(b.text);
    return doc.save();
}

bool templatePresent(const QString& templateName)
{
    return QFileInfo(QDir(data::dataFolder()).filePath(templateName)).isFile();
}

QString missingTemplateMessage(const QString& templateName)
{
    const QString folder = QDir::toNativeSeparators(data::dataFolder());
    return QStringLiteral("The template \"%1\" is missing from the data folder %2.\n"
                          "Nothing was filled. Put the template back with the command\n"
                          "    dosset-setup \"%2\" --update")
        .arg(templateName, folder);
}

} // namespace paybill
