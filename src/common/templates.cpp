#include "common/templates.h"

#include "common/template_blobs.h"
#include "platform/vb/error.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace common {

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
    const QDir dir(folder);
    for (const blobs::Blob* b = blobs::kTemplates; b->name; ++b) {
        const QString name = QString::fromUtf8(b->name);
        const QString path = dir.filePath(name);
        if (onlyMissing && QFile::exists(path))
            continue;
        // Written whole or not at all: a half-copied template would fail later
        // with a message about a damaged file instead of a missing one.
        QSaveFile f(path);
        if (!f.open(QIODevice::WriteOnly)
            || f.write(reinterpret_cast<const char*>(b->data), qint64(b->size)) != qint64(b->size)
            || !f.commit())
            throw vb::Error(75, QStringLiteral("The template \"%1\" could not be written in %2.")
                                    .arg(name, QDir::toNativeSeparators(folder)));
        QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        written << name;
    }
    return written;
}

} // namespace common
