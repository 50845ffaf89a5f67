// Small workbooks and documents made from parts in the test, and the parts of
// what the office layer saved, read back as text.
#pragma once

#include "support/ooxml_reader.h"
#include "support/first_row.h"

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QTemporaryDir>

namespace officetest {

// A data folder of its own for one test.
class Folder {
public:
    Folder();
    QString path() const { return mDir.path(); }
    // Zips the parts into "<folder>/<name>".
    void put(const QString& name, const QMap<QString, QByteArray>& parts) const;
    QByteArray bytes(const QString& name) const;

private:
    QTemporaryDir mDir;
};

// One part of a saved file ("" when it has none); every part's name.
using testsupport::part;
QStringList partNames(const QString& file);

// A workbook with one or two sheets. `sheet1` is the inside of <sheetData>
// plus what follows it; `workbookExtra` goes after <sheets>.
QMap<QString, QByteArray> workbookParts(const QByteArray& sheet1, const QByteArray& workbookExtra = {},
                                        const QByteArray& sheet2 = {});
using testsupport::errorOf;

// A document whose body holds `body` and an A4 section.
QMap<QString, QByteArray> documentParts(const QByteArray& body);

} // namespace officetest
