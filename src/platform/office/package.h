// An OOXML file held in memory: its zip parts by name, in their stored order.
#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

#include <memory>

class QDateTime;
class QDomDocument;

namespace office {

class Package {
public:
    // Reads every part of the file. Throws vb::Error 53 naming the file when it
    // is missing, and `notPackageError` when it is no zip.
    static Package load(const QString& path, int notPackageError);

    bool has(const QString& part) const;
    QByteArray part(const QString& part) const;
    void setPart(const QString& part, const QByteArray& bytes);
    void removePart(const QString& part);

    // Parses a part; throws `notPackageError` naming the part when it is no XML.
    QDomDocument xml(const QString& part) const;
    void setXml(const QString& part, const QDomDocument& doc);

    // Writes the parts to a new file at `path` (which must not exist or be empty).
    void save(const QString& path) const;

    QString sourceName() const { return mSourceName; }
    int errorNumber() const { return mError; }

private:
    QList<QPair<QString, QByteArray>> mParts;
    QString mSourceName;
    int mError = 0;
};

// "<data folder>/<name>": a template's file.
QString templatePath(const QString& name);
// `text` with the characters some file systems refuse (/ \ : * ? " < > | and
// control characters) turned into "-", and blanks simplified.
QString fileNameSafe(const QString& text);
// "<template> <subject> yyyy-MM-dd hhmmss.<ext>": what the file is of (a bill
// date or month, a head, an employee, an account) before the time it was made.
QString savedFileName(const QString& templateName, const QString& subject, const QDateTime& at);

// A filled copy written whole and on the disk under "<data folder>/output/",
// under a hidden name until publish() gives it its own. A command whose rows
// speak of the file commits them between the two steps, so that a program
// killed at any moment leaves the file with its rows, the rows alone, or
// neither; never a file whose rows are missing. A hidden copy left by a
// killed program is removed by the next save; one dropped unpublished is
// removed at once.
class StagedFile {
public:
    StagedFile(StagedFile&&) noexcept;
    StagedFile& operator=(StagedFile&&) noexcept;
    ~StagedFile();

    // Names the file by savedFileName (with " (n)" before the extension when
    // that name is taken), never over one that exists, and returns its path. Throws vb::Error 75 when no name can be
    // made; the hidden copy is then removed.
    QString publish();

private:
    friend StagedFile stageInOutput(const Package& pkg, const QString& templateName, const QString& subject);
    StagedFile();
    struct Impl;
    std::unique_ptr<Impl> d;
};
StagedFile stageInOutput(const Package& pkg, const QString& templateName, const QString& subject = {});

// stageInOutput(...).publish(): a new file under output/ that appears under
// its name only once whole; nothing is left behind on failure.
QString saveToOutput(const Package& pkg, const QString& templateName, const QString& subject = {});

// Drops the characters XML 1.0 forbids (controls other than tab, newline and
// carriage return, unpaired surrogates, U+FFFE and U+FFFF).
QString xmlSafe(const QString& text);

} // namespace office
