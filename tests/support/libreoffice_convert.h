// A saved file as LibreOffice itself opens, computes and saves it again: a
// workbook's formulas recomputed ("xlsx"), or its first sheet's cells as
// LibreOffice shows them, each figure in its cell's number format (kShownCsv).
#pragma once

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
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

// The cells that a kShownCsv conversion shows, each as LibreOffice prints it,
// by their A1 names ("G31"); a cell it leaves empty is absent.
inline QMap<QString, QString> shownCells(const QString& csvFile)
{
    QFile file(csvFile);
    QMap<QString, QString> cells;
    if (!file.open(QIODevice::ReadOnly))
        return cells;
    const QString text = QString::fromUtf8(file.readAll());
    int row = 1, col = 0;
    QString field;
    bool quoted = false;
    const auto keep = [&] {
        if (!field.isEmpty())
            cells.insert(QChar(u'A' + col) + QString::number(row), field); // the templates stay within column Z
        field.clear();
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (quoted && c == u'"' && i + 1 < text.size() && text.at(i + 1) == u'"')
            field += text.at(++i);
        else if (c == u'"')
            quoted = !quoted;
        else if (!quoted && c == u',') {
            keep();
            ++col;
        } else if (!quoted && c == u'\n') {
            keep();
            ++row;
            col = 0;
        } else if (quoted || c != u'\r')
            field += c;
    }
    keep();
    return cells;
}

} // namespace testsupport
