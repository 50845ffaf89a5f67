// Reading back a part of a saved workbook or document package.
#pragma once

#include <QByteArray>
#include <QString>
#include <quazip/quazip.h>
#include <quazip/quazipfile.h>

namespace testsupport {

// One part of the package ("xl/worksheets/sheet1.xml"); empty when it has none.
inline QByteArray part(const QString& file, const QString& name)
{
    QuaZip zip(file);
    if (!zip.open(QuaZip::mdUnzip) || !zip.setCurrentFile(name))
        return {};
    QuaZipFile f(&zip);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

} // namespace testsupport
