// A saved file as LibreOffice itself opens, computes and saves it again: a
// workbook's formulas recomputed ("xlsx"), or its first sheet's cells as
// LibreOffice shows them, each figure in its cell's number format (kShownCsv).
#pragma once

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>

namespace testsupport {

// Comma-separated UTF-8 text of the cells as shown.
inline const QString kShownCsv = QStringLiteral("csv:Text - txt - csv (StarCalc):44,34,76,1,,0,false,true,true");

inline bool hasLibreOffice() { return !QStandardPaths::findExecutable(QStringLiteral("soffice")).isEmpty(); }

// The converted file in `out`, named by the format's extension (what comes
// before a filter's name); absent when LibreOffice failed.
inline QString convertedByLibreOffice(const QString& file, const QString& format, const QTemporaryDir& out)
{
    QTemporaryDir profile;
    QProcess soffice;
    soffice.start(QStandardPaths::findExecutable(QStringLiteral("soffice")),
                  {QStringLiteral("--headless"), QStringLiteral("--norestore"),
                   QStringLiteral("-env:UserInstallation=") + QUrl::fromLocalFile(profile.path()).toString(),
                   QStringLiteral("--convert-to"), format, QStringLiteral("--outdir"), out.path(), file});
    if (!soffice.waitForFinished(120000))
        soffice.kill();
    return QDir(out.path()).filePath(QFileInfo(file).completeBaseName() + QLatin1Char('.')
                                     + format.section(QLatin1Char(':'), 0, 0));
}

} // namespace testsupport
