#include "common/templates.h"

#include <QCryptographicHash>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QByteArray digest(const QString& path)
{
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

} // namespace

// Every template reaches a new folder as a zip, owner-only; an update copies
// only what is missing and never writes over a template the folder has.
TEST(Templates, InstalledWholeAndOnlyWhenMissingOnUpdate)
{
    QTemporaryDir dir;
    const QStringList names = common::templateNames();
    EXPECT_EQ(common::installTemplates(dir.path(), false), names);
    for (const QString& n : names) {
        QFile f(dir.filePath(n));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << n.toStdString();
        EXPECT_EQ(f.read(2), QByteArray("PK")) << n.toStdString();
        EXPECT_EQ(f.permissions() & (QFileDevice::ReadGroup | QFileDevice::ReadOther), 0) << n.toStdString();
    }
    if (names.isEmpty())
        return;

    // The clerk's own edit of one template is kept; a deleted one comes back.
    const QString kept = dir.filePath(names.first());
    {
        QFile f(kept);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Append));
        f.write("edited");
    }
    const QByteArray before = digest(kept);
    QStringList expected;
    if (names.size() > 1) {
        QFile::remove(dir.filePath(names.last()));
        expected << names.last();
    }
    EXPECT_EQ(common::installTemplates(dir.path(), true), expected);
    EXPECT_EQ(digest(kept), before);
}
