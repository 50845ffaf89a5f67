#include "common/templates.h"

#include "common/data_folder.h"
#include "common/template_blobs.h"
#include "platform/data/database.h"
#include "platform/forms/dialogs.h"
#include "platform/office/cell_ref.h"
#include "platform/office/document.h"
#include "platform/office/workbook.h"
#include "platform/vb/error.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <cerrno>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

#include <quazip/quazip.h>
#include <quazip/quazipfile.h>

namespace common {

namespace {

struct ShippedVersion {
    const char* name;
    const char* digest;
};

// Every version of each template that this program has shipped, oldest
// first, the current one last, as scripts/template-digests.sh prints them
// from the history (with the day and commit that brought each). A change of
// a template adds its line here, so that --update knows the version as an
// earlier one once the template changes again.
const ShippedVersion kShippedVersions[] = {
    {"B-statement.xlsx", "aaf978dfa7c6324fd6e871ba0bfdd5abfb498bf4f80925780f28b991e79238bd"}, // 2026-12-06 2467d51
    {"B-statement.xlsx", "ac541bf13f4dce7a030d5fc603a671d5c488c7d94b5685ba3a1c1f297948bc6a"}, // 2026-12-06 21d676f
    {"D.A.schedule.docx", "12f1d78a95e8481af7077adcac7a14606d773616e27a57f56fe2a303a66f3414"}, // 2026-12-06 08ba505
    {"IT_statement.xlsx", "b554a7742aa59a3f8d0574a7c0c0e5b51c6ef25ff6dd2dd81bffec0810dcff5b"}, // 2026-12-06 64826cf
    {"IT_statement.xlsx", "0756a8a09798cd0dd7166fb1cb7a5b494499a15dc62f95b4a2674debe62ec34d"}, // 2026-12-06 9804778
    {"IT_statement.xlsx", "b1d7afbb825f23def8e269861e03fc2387fc00360781322bb0e3eea577b88a40"}, // 2026-12-07 f18f2bf
    {"IT_statement.xlsx", "ad22bb78d62fd42407b2125385f5a848f5bc59d880081206f5bef957641c04a9"}, // 2026-12-07 0f833c4
    {"anx.docx", "f6b31b5b6a5ab599a3ca95a1a76cd7ec99640a5a6fae8106c5dabba27572748b"}, // 2026-12-06 64826cf
    {"bill extract.docx", "3d5265bdfab56c07533b60422586412fa10fa4b1fe7419fac335020e1e98fde8"}, // 2026-12-06 08ba505
    {"gpf_statement.xlsx", "ab5546bdd8bfadc9597fa132530ec92ac505fea72f45d02e65634c60bf18e44d"}, // 2026-12-06 2d06890
    {"gpf_statement.xlsx", "64efa82c2c9461524566c35143cdf7fc5478fa579ba99f7c7e1362eb6c4c0e9e"}, // 2026-12-06 a225936
    {"gpf_statement.xlsx", "bbc8438c5a86c528bc43a95796709e46d538057680417baeab7a9f12d686699b"}, // 2026-12-07 f18f2bf
    {"outer_sheet.xlsx", "4698efc91d94f953a5fa233a10814c7e04acafca2e8a6aef96a09d2239cb0c04"}, // 2026-12-06 08ba505
    {"outer_sheet.xlsx", "48604d5f76e7a96bc84de32e3c3802ad141fe376451993142d5d9a395643ac75"}, // 2026-12-06 422f397
    {"outer_sheet.xlsx", "fcec7c8baad0226f040e7493f7ebd1f14001f69bf9db0523bbec0647cc9086c3"}, // 2026-12-07 f18f2bf
    {"outer_sheet.xlsx", "00248eda334d856210c570e3e673b6d99d73f9fd6b5ef7c3da470f03bd7b9ec0"}, // 2026-12-07 bb74759
    {"outer_sheet.xlsx", "251c21c97f2d8c5b7f36ab02025c252c30e3149df22d186a2d4427e71993aa31"}, // 2026-12-07 92a6043
    {"pro_stt.xlsx", "9e0d8074a062854fe16ba021067c513ea494aa78a4bc19a26fcdb32fe7867ed0"}, // 2026-12-06 08ba505
    {"pro_stt.xlsx", "086d1bed4e2aab11868ea8b6ab50f98c32c554feff36ddacab46eb2a535d3f56"}, // 2026-12-06 422f397
    {"pro_stt.xlsx", "af069ec229f9d078cb0b7b57486912910b7f40ff7608240cef4f5d9062000866"}, // 2026-12-07 84c04fc
    {"pro_stt.xlsx", "aa1029c18bc05e021d8ffb71610787bb252eba6fa0c307f2b275b551c0d6488a"}, // 2026-12-07 92a6043
};

// A line that the program writes into a workbook and that one of its
// formulas must take in. The current version of each template does; one
// changed in the folder may have been changed from a version without it.
struct TakenIn {
    const char* name;
    int row, col;         // the formula's cell
    int lineRow, lineCol; // the line's cell
    const char* formula;  // what the clerk calls the formula
    const char* line;     // the line's caption
};

// The gross takes in what a bill draws in gross alone (a bonus, a festival
// advance); the net and the net in words follow the gross.
const TakenIn kTakenIn[] = {
    {"outer_sheet.xlsx", 16, 7, 12, 7, "the gross formula", "Bonus, festival advance paid and other amounts"},
    {"pro_stt.xlsx", 15, 9, 14, 9, "the gross formula", "Bonus, festival advance paid and other amounts"},
};

QByteArray bytesOf(const blobs::Blob& b)
{
    return QByteArray::fromRawData(reinterpret_cast<const char*>(b.data), qsizetype(b.size));
}

const blobs::Blob* blobOf(const QString& name)
{
    for (const blobs::Blob* b = blobs::kTemplates; b->name; ++b)
        if (name == QLatin1String(b->name))
            return b;
    return nullptr;
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The SHA-256 (hexadecimal) of each part of the zip, by name; none when the
// bytes are no zip or a part of it cannot be read whole.
std::optional<QMap<QByteArray, QByteArray>> zipParts(const QByteArray& zip)
{
    QByteArray bytes = zip;
    QBuffer buffer(&bytes);
    QuaZip archive(&buffer);
    if (!archive.open(QuaZip::mdUnzip))
        return std::nullopt;
    QMap<QByteArray, QByteArray> parts; // by name, in byte order
    for (bool more = archive.goToFirstFile(); more; more = archive.goToNextFile()) {
        const QByteArray name = archive.getCurrentFileName().toUtf8();
        if (name.endsWith('/'))
            continue; // a folder's entry, which some zip programs write, holds nothing
        QuaZipFile part(&archive);
        if (!part.open(QIODevice::ReadOnly))
            return std::nullopt;
        const QByteArray data = part.readAll();
        part.close();
        if (part.getZipError() != UNZ_OK)
            return std::nullopt;
        parts.insert(name, QCryptographicHash::hash(data, QCryptographicHash::Sha256).toHex());
    }
    if (archive.getZipError() != UNZ_OK)
        return std::nullopt;
    return parts;
}

bool isDocument(const QString& name)
{
    return name.endsWith(QLatin1String(".docx"), Qt::CaseInsensitive);
}

// Whether the file opens as the workbook or document its name says, as a
// command that fills it opens it.
bool opensAsTemplate(const QString& path, const QString& name)
{
    try {
        const QString absolute = QFileInfo(path).absoluteFilePath();
        if (isDocument(name))
            office::Document::open(absolute);
        else
            office::Workbook::open(absolute);
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

// What a file of the folder is to the template it stands for.
enum class Version {
    Missing,
    Current,
    Earlier,   // an earlier version this program shipped
    Other,     // no version shipped, but a workbook or document: changed in the folder
    Unreadable // no zip, or one that does not open as a workbook or document
};

Version versionOf(const QString& folder, const blobs::Blob& b)
{
    const QString name = QString::fromUtf8(b.name);
    const QString path = QDir(folder).filePath(name);
    if (!QFileInfo::exists(path))
        return Version::Missing;
    const QByteArray digest = templateDigest(fileBytes(path));
    if (digest.isEmpty())
        return Version::Unreadable;
    if (digest == templateDigest(bytesOf(b)))
        return Version::Current;
    if (shippedVersions(name).contains(digest))
        return Version::Earlier;
    return opensAsTemplate(path, name) ? Version::Other : Version::Unreadable;
}

// The hidden name a template is written under until it is whole: a dot, the
// template's name and this program's mark, so that no file a clerk makes,
// and no copy he keeps of a template, can bear it.
const QLatin1String kWritingMark(".dosset-writing-");

QString writingName(const QString& name)
{
    static const QString letters =
        QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789");
    QString suffix;
    for (int i = 0; i < 6; ++i)
        suffix += letters.at(QRandomGenerator::global()->bounded(letters.size()));
    return QLatin1Char('.') + name + kWritingMark + suffix;
}

// Earlier versions wrote a template through "<name>.XXXXXX". A copy a run
// stopped before its rename left under such a name holds nothing yet, a zip
// cut short, or a whole version; only the first two are surely no clerk's
// (a zip's own signature that no zip reader can open is no file anyone can
// use). A whole version may as well be the clerk's backup of the template,
// and a name of six letters ("remark", "backup") his own choosing: any
// other file stays.
bool cutShortCopy(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false; // what cannot be read cannot be judged ours
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return false;
    return bytes.isEmpty() || (bytes.startsWith(QByteArray("PK\x03\x04", 4)) && !zipParts(bytes));
}

void clearUnfinishedCopies(const QString& folder, const QString& name, QList<TemplateUpdate>& done)
{
    const QString escaped = QRegularExpression::escape(name);
    const QRegularExpression ours(QStringLiteral("^\\.") + escaped + QRegularExpression::escape(kWritingMark)
                                  + QStringLiteral("[A-Za-z0-9]{6}$"));
    const QRegularExpression earlier(QLatin1Char('^') + escaped + QStringLiteral("\\.[A-Za-z0-9]{6}$"));
    QDir dir(folder);
    for (const QString& file : dir.entryList(QDir::Files | QDir::Hidden | QDir::NoSymLinks, QDir::Name)) {
        if (ours.match(file).hasMatch()) {
            // Under the folder's lock no other run writes one: it is a leftover.
            if (dir.remove(file))
                done.append({file, TemplateUpdate::Cleared, {}});
        } else if (earlier.match(file).hasMatch()) {
            if (cutShortCopy(dir.filePath(file)) && dir.remove(file))
                done.append({file, TemplateUpdate::Cleared, {}});
            else
                done.append({file, TemplateUpdate::KeptCopy, {}, true, name});
        }
    }
}

bool writeAll(int fd, const char* data, size_t size)
{
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        data += n;
        size -= size_t(n);
    }
    return true;
}

// Written whole or not at all: a half-copied template would fail later with
// a message about a damaged file instead of a missing one. It is on the disk
// under its hidden name before it takes the template's, and the folder's new
// entry is on the disk before the run goes on.
void writeTemplate(const QString& folder, const blobs::Blob& b)
{
    const QString name = QString::fromUtf8(b.name);
    const QDir dir(folder);
    const auto unwritten = [&] {
        return vb::Error(75, QStringLiteral("The template \"%1\" could not be written in %2.")
                                 .arg(name, QDir::toNativeSeparators(folder)));
    };
    QByteArray partial;
    int fd = -1;
    for (int tries = 0; fd < 0 && tries < 20; ++tries) {
        partial = QFile::encodeName(dir.filePath(writingName(name)));
        fd = ::open(partial.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, S_IRUSR | S_IWUSR);
        if (fd < 0 && errno != EEXIST)
            break;
    }
    if (fd < 0)
        throw unwritten();
    bool ok = writeAll(fd, reinterpret_cast<const char*>(b.data), b.size);
    ok = ok && ::fchmod(fd, S_IRUSR | S_IWUSR) == 0 && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    if (!ok || ::rename(partial.constData(), QFile::encodeName(dir.filePath(name)).constData()) != 0) {
        ::unlink(partial.constData());
        throw unwritten();
    }
    syncFolder(folder);
}

} // namespace

QStringList templateNames()
{
    QStringList names;
    for (const blobs::Blob* b = blobs::kTemplates; b->name; ++b)
        names << QString::fromUtf8(b->name);
    return names;
}

QStringList installTemplates(const QString& folder, bool onlyMissing)
{
    QStringList written;
    for (const blobs::Blob* b = blobs::kTemplates; b->name; ++b) {
        const QString name = QString::fromUtf8(b->name);
        if (onlyMissing && QFile::exists(QDir(folder).filePath(name)))
            continue;
        writeTemplate(folder, *b);
        written << name;
    }
    return written;
}

QList<TemplateUpdate> updateTemplates(const QString& folder)
{
    QList<TemplateUpdate> done;
    for (const blobs::Blob* b = blobs::kTemplates; b->name; ++b) {
        const QString name = QString::fromUtf8(b->name);
        clearUnfinishedCopies(folder, name, done);
        switch (versionOf(folder, *b)) {
        case Version::Missing:
            writeTemplate(folder, *b);
            done.append({name, TemplateUpdate::Added, {}});
            break;
        case Version::Current:
            break;
        case Version::Earlier:
            writeTemplate(folder, *b);
            done.append({name, TemplateUpdate::Replaced, {}});
            break;
        case Version::Other:
            done.append({name, TemplateUpdate::Kept, templateLacks(folder, name)});
            break;
        case Version::Unreadable:
            // Perhaps the clerk's file under the name: never written over,
            // and never filled.
            done.append({name, TemplateUpdate::Kept, QString(), false});
            break;
        }
    }
    return done;
}

namespace {

// The lines the template `name` in the folder should take in and does not;
// none when it cannot be read (filling it then says why).
QList<const TakenIn*> lackedLines(const QString& folder, const QString& name)
{
    QList<const TakenIn*> lacked;
    for (const TakenIn& t : kTakenIn) {
        if (name != QLatin1String(t.name))
            continue;
        try {
            const office::Workbook book =
                office::Workbook::open(QFileInfo(QDir(folder).filePath(name)).absoluteFilePath());
            if (!book.formulaTakesIn(t.row, t.col, t.lineRow, t.lineCol))
                lacked << &t;
        } catch (const vb::Error&) {
            return {};
        }
    }
    return lacked;
}

// "<formula> of <cell> does not take in <cell>, "<caption>"" for each; the
// caption is quoted as the workbook shows it, whatever the case around it.
QString lacksText(const QList<const TakenIn*>& lacked, bool upper)
{
    QStringList lines;
    for (const TakenIn* t : lacked) {
        const QString formula = QLatin1String(t->formula);
        lines << (upper ? QStringLiteral("%1 OF %2 DOES NOT TAKE IN %3, \"%4\"")
                        : QStringLiteral("%1 of %2 does not take in %3, \"%4\""))
                     .arg(upper ? formula.toUpper() : formula, office::cellName(t->row, t->col),
                          office::cellName(t->lineRow, t->lineCol), QLatin1String(t->line));
    }
    return lines.join(QStringLiteral("; "));
}

// What the clerk calls the file: a workbook or a document.
QString templateKind(const QString& name)
{
    return isDocument(name) ? QStringLiteral("DOCUMENT TEMPLATE") : QStringLiteral("WORKBOOK TEMPLATE");
}

} // namespace

QString templateLacks(const QString& folder, const QString& name)
{
    return lacksText(lackedLines(folder, name), false);
}

QString templateFault(const QStringList& names, const QString& nothingDone)
{
    const QString folder = data::dataFolder();
    QStringList faults;
    int changed = 0;
    for (const QString& name : names) {
        const blobs::Blob* b = blobOf(name);
        const Version v = b ? versionOf(folder, *b) : Version::Missing;
        if (v == Version::Earlier) {
            // Judged by its digest alone: an earlier version is never filled,
            // whatever it happens to take in.
            faults << QStringLiteral("THE %1 \"%2\" IN THE DATA FOLDER IS AN EARLIER VERSION, WHICH THIS PROGRAM "
                                     "NO LONGER FILLS.")
                          .arg(templateKind(name), name);
        } else if (v == Version::Other) {
            const QList<const TakenIn*> lacked = lackedLines(folder, name);
            if (lacked.isEmpty())
                continue;
            ++changed;
            faults << QStringLiteral("THE %1 \"%2\" IN THE DATA FOLDER WAS CHANGED THERE AND LACKS WHAT THIS "
                                     "PROGRAM WRITES INTO IT: %3.")
                          .arg(templateKind(name), name, lacksText(lacked, true));
        } else if (v == Version::Unreadable) {
            // Opened, it would fail halfway with the reader's words; --update
            // keeps it, so it goes out of the folder like a changed one.
            ++changed;
            faults << QStringLiteral("THE %1 \"%2\" IN THE DATA FOLDER CANNOT BE READ AS A %3, SO THIS PROGRAM "
                                     "CANNOT FILL IT.")
                          .arg(templateKind(name), name,
                               isDocument(name) ? QStringLiteral("DOCUMENT") : QStringLiteral("WORKBOOK"));
        }
    }
    if (faults.isEmpty())
        return {};
    const QString current = faults.size() == 1 ? QStringLiteral("the current one") : QStringLiteral("the current ones");
    const QString way = changed == 0         ? QStringLiteral("Bring %1 with:").arg(current)
                        : faults.size() == 1 ? QStringLiteral("Move it out of the data folder, then bring %1 with:")
                                                   .arg(current)
                                             : QStringLiteral("Move the changed %1 out of the data folder, then "
                                                              "bring %2 with:")
                                                   .arg(changed == 1 ? QStringLiteral("one") : QStringLiteral("ones"),
                                                        current);
    const QString lineBreak = QStringLiteral("\r\n");
    return faults.join(lineBreak) + lineBreak + nothingDone + lineBreak + way + lineBreak
           + QStringLiteral("    dosset-setup \"%1\" --update").arg(QDir::toNativeSeparators(folder));
}

bool refuseFaultyTemplates(const QStringList& names, const QString& nothingDone, const QString& title)
{
    const QString fault = templateFault(names, nothingDone);
    if (fault.isEmpty())
        return false;
    forms::Dialogs::msgBox(fault, forms::vbExclamation, title);
    return true;
}

QByteArray templateDigest(const QByteArray& zip)
{
    const std::optional<QMap<QByteArray, QByteArray>> parts = zipParts(zip);
    if (!parts || parts->isEmpty())
        return {};
    QByteArray lines;
    for (auto it = parts->cbegin(); it != parts->cend(); ++it)
        lines += it.value() + "  " + it.key() + '\n';
    return QCryptographicHash::hash(lines, QCryptographicHash::Sha256).toHex();
}

QByteArrayList shippedVersions(const QString& name)
{
    QByteArrayList digests;
    for (const ShippedVersion& v : kShippedVersions)
        if (name == QLatin1String(v.name))
            digests << QByteArray(v.digest);
    return digests;
}

} // namespace common
