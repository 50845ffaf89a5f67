#include "platform/office/package.h"

#include "platform/data/database.h"
#include "platform/vb/error.h"

#include <QDateTime>
#include <QDir>
#include <QDomDocument>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>

#include <quazip/quazip.h>
#include <quazip/quazipfile.h>
#include <quazip/quazipnewinfo.h>

namespace office {

Package Package::load(const QString& path, int notPackageError)
{
    const QString name = QFileInfo(path).fileName();
    if (!QFileInfo(path).isFile())
        throw vb::Error(vb::FileNotFound, QStringLiteral("File not found: \"%1\" is not in the data folder.").arg(name));

    Package pkg;
    pkg.mSourceName = name;
    pkg.mError = notPackageError;
    QuaZip zip(path);
    if (!zip.open(QuaZip::mdUnzip))
        throw vb::Error(notPackageError, QStringLiteral("\"%1\" cannot be read: it is damaged or no office file.").arg(name));
    for (bool more = zip.goToFirstFile(); more; more = zip.goToNextFile()) {
        QuaZipFile file(&zip);
        const QString partName = zip.getCurrentFileName();
        if (!file.open(QIODevice::ReadOnly))
            throw vb::Error(notPackageError, QStringLiteral("\"%1\" cannot be read: its part %2 is damaged.").arg(name, partName));
        QByteArray bytes = file.readAll();
        file.close();
        if (file.getZipError() != UNZ_OK)
            throw vb::Error(notPackageError, QStringLiteral("\"%1\" cannot be read: its part %2 is damaged.").arg(name, partName));
        pkg.mParts.append({partName, std::move(bytes)});
    }
    if (zip.getZipError() != UNZ_OK || pkg.mParts.isEmpty())
        throw vb::Error(notPackageError, QStringLiteral("\"%1\" cannot be read: it is damaged or no office file.").arg(name));
    return pkg;
}

bool Package::has(const QString& part) const
{
    for (const auto& p : mParts)
        if (p.first == part)
            return true;
    return false;
}

QByteArray Package::part(const QString& part) const
{
    for (const auto& p : mParts)
        if (p.first == part)
            return p.second;
    return {};
}

void Package::setPart(const QString& part, const QByteArray& bytes)
{
    for (auto& p : mParts) {
        if (p.first == part) {
            p.second = bytes;
            return;
        }
    }
    mParts.append({part, bytes});
}

void Package::removePart(const QString& part)
{
    mParts.removeIf([&](const auto& p) { return p.first == part; });
}

namespace {

// Qt's DOM parser drops text made only of blanks, which in a text element is
// content (a run holding one space). Such blanks travel as private-use
// characters through the tree and are put back when the part is written.
constexpr char16_t kBlankBase = 0xE000;
const char16_t kBlanks[] = {u' ', u'\t', u'\n', u'\r'};

QString protectBlankText(const QString& xml)
{
    static const QRegularExpression blankText(
        QStringLiteral("(<(?:[A-Za-z0-9_]+:)?(?:t|instrText|delText)(?:\\s[^>]*)?>)([ \\t\\r\\n]+)(?=</)"));
    QString out;
    qsizetype last = 0;
    for (auto it = blankText.globalMatch(xml); it.hasNext();) {
        const auto m = it.next();
        out += QStringView(xml).mid(last, m.capturedStart(2) - last);
        for (QChar c : m.capturedView(2))
            out += QChar(char16_t(kBlankBase + (std::find(std::begin(kBlanks), std::end(kBlanks), c.unicode()) - std::begin(kBlanks))));
        last = m.capturedEnd(2);
    }
    out += QStringView(xml).mid(last);
    return out;
}

QByteArray restoreBlankText(QString xml)
{
    for (int i = 0; i < 4; ++i)
        xml.replace(QChar(char16_t(kBlankBase + i)), QChar(kBlanks[i]));
    return xml.toUtf8();
}

} // namespace

QDomDocument Package::xml(const QString& partName) const
{
    QDomDocument doc;
    if (!has(partName) || !doc.setContent(protectBlankText(QString::fromUtf8(part(partName))), false))
        throw vb::Error(mError, QStringLiteral("\"%1\" cannot be read: its part %2 is missing or damaged.")
                                    .arg(mSourceName, partName));
    return doc;
}

void Package::setXml(const QString& part, const QDomDocument& doc)
{
    setPart(part, restoreBlankText(doc.toString(-1)));
}

void Package::save(const QString& path) const
{
    QuaZip zip(path);
    bool ok = zip.open(QuaZip::mdCreate);
    for (const auto& p : mParts) {
        if (!ok)
            break;
        QuaZipFile file(&zip);
        ok = file.open(QIODevice::WriteOnly, QuaZipNewInfo(p.first)) && file.write(p.second) == p.second.size();
        file.close();
        ok = ok && file.getZipError() == ZIP_OK;
    }
    zip.close();
    if (!ok || zip.getZipError() != ZIP_OK)
        throw vb::Error(mError, QStringLiteral("\"%1\" could not be written.").arg(path));
}

QString templatePath(const QString& name)
{
    return QDir(data::dataFolder()).filePath(name);
}

QString reserveOutputPath(const QString& templateName)
{
    const QDir folder(QDir(data::dataFolder()).filePath(QStringLiteral("output")));
    if (!folder.mkpath(QStringLiteral(".")))
        throw vb::Error(75, QStringLiteral("The folder %1 could not be made, so nothing was saved.").arg(folder.path()));
    const QFileInfo info(templateName);
    const QString stem = info.completeBaseName() + QLatin1Char(' ')
                         + QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd hhmmss"));
    const QString suffix = info.suffix().isEmpty() ? QString() : QLatin1Char('.') + info.suffix();
    // NewOnly makes taking the name and checking it one step, so two saves in
    // the same second (or two programs) never share a file.
    for (int n = 1; n < 10000; ++n) {
        const QString name = n == 1 ? stem + suffix : QStringLiteral("%1 (%2)%3").arg(stem).arg(n).arg(suffix);
        QFile file(folder.filePath(name));
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            return file.fileName();
        if (!file.exists())
            break;
    }
    throw vb::Error(75, QStringLiteral("No new file could be made in %1, so nothing was saved.").arg(folder.path()));
}

QString saveToOutput(const Package& pkg, const QString& templateName)
{
    const QString path = reserveOutputPath(templateName);
    try {
        pkg.save(path);
    } catch (...) {
        QFile::remove(path);
        throw;
    }
    return path;
}

QString xmlSafe(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        const char16_t u = c.unicode();
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            out += c;
            out += text.at(++i);
        } else if (c.isSurrogate() || u == 0xFFFE || u == 0xFFFF) {
            continue;
        } else if (u < 0x20 && u != 0x09 && u != 0x0A && u != 0x0D) {
            continue;
        } else {
            out += c;
        }
    }
    return out;
}

} // namespace office
