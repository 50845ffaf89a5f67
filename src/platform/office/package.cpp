#include "platform/office/package.h"

#include "platform/data/database.h"
#include "platform/vb/error.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QDomDocument>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryFile>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

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

namespace {

const QLatin1String kPartialSuffix(".partial");

// "<pid>" of a partial file ".dosset-<pid>-XXXXXX.partial"; 0 for any other name.
qint64 partialOwner(const QString& name)
{
    static const QRegularExpression partial(QStringLiteral("^\\.dosset-(\\d+)-[^.]+\\.partial$"));
    const auto m = partial.match(name);
    return m.hasMatch() ? m.captured(1).toLongLong() : 0;
}

// A save cut short by a killed program leaves its partial file behind; one
// whose program is gone is removed, one of a running save is left alone.
void removeAbandonedPartials(const QDir& folder)
{
    for (const QString& name : folder.entryList({QStringLiteral(".dosset-*") + kPartialSuffix},
                                                QDir::Files | QDir::Hidden)) {
        const qint64 pid = partialOwner(name);
        if (pid > 0 && ::kill(pid_t(pid), 0) != 0 && errno == ESRCH)
            QFile::remove(folder.filePath(name));
    }
}

bool syncPath(const QString& path, int flags)
{
    const int fd = ::open(QFile::encodeName(path).constData(), flags | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool ok = ::fsync(fd) == 0;
    ::close(fd);
    return ok;
}

QDir outputFolder()
{
    const QDir folder(QDir(data::dataFolder()).filePath(QStringLiteral("output")));
    if (!folder.mkpath(QStringLiteral(".")))
        throw vb::Error(75, QStringLiteral("The folder %1 could not be made, so nothing was saved.").arg(folder.path()));
    return folder;
}

// Gives the finished file at `written` its name under the folder, never one
// that exists: a hard link is made or refused in one step, so two saves in
// the same second (or two programs) never share a name and an earlier file is
// never replaced.
QString linkUnderNewName(const QDir& folder, const QString& written, const QString& stem, const QString& suffix)
{
    const QByteArray from = QFile::encodeName(written);
    for (int n = 1; n < 10000; ++n) {
        const QString name = n == 1 ? stem + suffix : QStringLiteral("%1 (%2)%3").arg(stem).arg(n).arg(suffix);
        const QString path = folder.filePath(name);
        if (::link(from.constData(), QFile::encodeName(path).constData()) == 0)
            return path;
        if (errno != EEXIST)
            break;
    }
    throw vb::Error(75, QStringLiteral("No new file could be made in %1, so nothing was saved.").arg(folder.path()));
}

} // namespace

QString fileNameSafe(const QString& text)
{
    // Refused by the file systems a clerk's files may be copied to (a USB
    // stick, a Windows share), or unreadable in a folder listing.
    static const QString refused = QStringLiteral("/\\:*?\"<>|");
    QString out = text;
    for (QChar& c : out) {
        if (refused.contains(c) || c.category() == QChar::Other_Control)
            c = QLatin1Char('-');
    }
    return out.simplified();
}

QString savedFileName(const QString& templateName, const QString& subject, const QDateTime& at)
{
    const QFileInfo info(templateName);
    QStringList words{info.completeBaseName(), subject, at.toString(QStringLiteral("yyyy-MM-dd hhmmss"))};
    words.removeAll(QString());
    return fileNameSafe(words.join(QLatin1Char(' '))) + (info.suffix().isEmpty() ? QString() : QLatin1Char('.') + info.suffix());
}

struct StagedFile::Impl {
    QDir folder;
    QString templateName;
    QString subject;
    QTemporaryFile partial;
    explicit Impl(const QDir& f, const QString& t, const QString& s)
        : folder(f), templateName(t), subject(s),
          partial(f.filePath(QStringLiteral(".dosset-%1-XXXXXX").arg(QCoreApplication::applicationPid()) + kPartialSuffix))
    {}
};

StagedFile::StagedFile() = default;
StagedFile::StagedFile(StagedFile&&) noexcept = default;
StagedFile& StagedFile::operator=(StagedFile&&) noexcept = default;
StagedFile::~StagedFile() = default;

StagedFile stageInOutput(const Package& pkg, const QString& templateName, const QString& subject)
{
    const QDir folder = outputFolder();
    removeAbandonedPartials(folder);
    // Written whole under a name no one looks at: a program killed while
    // writing leaves no half-made workbook among the clerk's files.
    StagedFile staged;
    staged.d = std::make_unique<StagedFile::Impl>(folder, templateName, subject);
    QTemporaryFile& partial = staged.d->partial;
    if (!partial.open())
        throw vb::Error(75, QStringLiteral("No new file could be made in %1, so nothing was saved.").arg(folder.path()));
    partial.close();
    const auto unsaved = [&](int number) {
        return vb::Error(number, QStringLiteral("The filled copy of \"%1\" could not be written in %2, so nothing was saved.")
                                     .arg(templateName, folder.path()));
    };
    try {
        pkg.save(partial.fileName());
    } catch (const vb::Error& e) {
        throw unsaved(e.number);
    }
    // On the disk before its name (and before any row that speaks of it) is.
    if (!syncPath(partial.fileName(), O_RDONLY))
        throw unsaved(75);
    return staged;
}

QString StagedFile::publish()
{
    const QString name = savedFileName(d->templateName, d->subject, QDateTime::currentDateTime());
    const QString suffix = QFileInfo(d->templateName).suffix();
    const qsizetype stemLength = name.size() - (suffix.isEmpty() ? 0 : suffix.size() + 1);
    const QString path = linkUnderNewName(d->folder, d->partial.fileName(), name.left(stemLength), name.mid(stemLength));
    syncPath(d->folder.path(), O_RDONLY | O_DIRECTORY);
    d.reset();
    return path;
}

QString saveToOutput(const Package& pkg, const QString& templateName, const QString& subject)
{
    return stageInOutput(pkg, templateName, subject).publish();
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
