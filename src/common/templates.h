// The workbook and document templates of the data folder, carried by the program.
#pragma once

#include <QByteArray>
#include <QByteArrayList>
#include <QList>
#include <QString>
#include <QStringList>

namespace common {

// File names of every template ("outer_sheet.xlsx", "anx.docx", ...).
QStringList templateNames();

// Copies the templates into the folder, readable by their owner only; with
// onlyMissing, only those the folder lacks. Returns the names written. Each
// is written whole under a hidden name of the program's own
// (".<name>.dosset-writing-XXXXXX"), put on the disk, then renamed to its
// own: a run stopped midway leaves the template as it was and, at most, a
// file of that hidden name, which no clerk would choose.
// Throws vb::Error 75 when a file cannot be written.
QStringList installTemplates(const QString& folder, bool onlyMissing);

// What bringing a folder's templates up to date did to one of them.
struct TemplateUpdate {
    enum Change {
        Added,    // the folder lacked it
        Replaced, // it was an earlier version this program shipped, so nobody had changed it
        Kept,     // it is no version this program shipped: perhaps changed in the folder
        Cleared,  // `name` is a copy a stopped run left unfinished beside a template, removed
        KeptCopy, // `name` bears the name earlier versions wrote a template through
                  // ("<template>.XXXXXX") but may be the clerk's: left as it is
    };
    QString name;
    Change change;
    // Of one kept: what the current version holds that it lacks, as
    // templateLacks says it (empty when it lacks none of it), and whether
    // it can be read as a workbook or document at all (one that cannot is
    // never filled: templateFault refuses it).
    QString lacks;
    bool readable = true;
    // Of a KeptCopy: the template it stands beside.
    QString of = QString();
};

// Adds the templates the folder lacks and writes the current version over
// one that is an earlier version this program shipped, as installTemplates
// writes them; keeps one that is no version shipped. A template that is
// the current version already is left alone and not listed. Before each
// template, removes the copies of it that a stopped run left unfinished:
// every file of the hidden name installTemplates writes through, and, of
// the files under the name earlier versions wrote through ("<name>.XXXXXX",
// six letters or digits, a name a clerk may give a file too), only an empty
// one or a zip cut short; any other such file is listed as a KeptCopy. In
// the order of templateNames(). Run only under the folder's lock, so that
// no other run is writing a template there.
// Throws vb::Error 75 when a file cannot be written.
QList<TemplateUpdate> updateTemplates(const QString& folder);

// What the template `name` in the folder lacks of what this program writes
// into it, in the clerk's words ("the gross formula of G16 does not take in
// G12, ..."); empty when it lacks none of it or cannot be read (templateFault
// then says it cannot be read).
QString templateLacks(const QString& folder, const QString& name);

// What a command that fills the templates `names` of the data folder says
// instead of filling any of them, in the words of the forms' other messages:
// each that is an earlier version this program shipped (judged by its digest
// alone), was changed in the folder and lacks what the program writes into
// it, or cannot be read as a workbook or document at all, in upper case;
// then `nothingDone` (upper case too, "NOTHING WAS FILLED."); then the way to
// the current one and the command as typed (dosset-setup "<folder>"
// --update). Empty when each may be filled; a missing one is left to the
// command, which says so in its own words.
// Reads only.
QString templateFault(const QStringList& names, const QString& nothingDone = QStringLiteral("NOTHING WAS FILLED."));

// The check every command that fills templates makes first: shows
// templateFault's refusal in a box titled `title` (the form's own) and
// returns true when there is one, so the command fills nothing.
bool refuseFaultyTemplates(const QStringList& names, const QString& nothingDone, const QString& title);

// The digest a version of a template is known by: the SHA-256 of the lines
// "<SHA-256 of the part>  <part name>\n", one for each part of the zip,
// sorted by name; empty when the bytes are no zip. The zip itself varies
// with every build (it carries the times its parts were checked out), the
// parts do not.
QByteArray templateDigest(const QByteArray& zip);

// The digests (hexadecimal) of every version of the template this program
// has shipped, the current one included, oldest first.
QByteArrayList shippedVersions(const QString& name);

} // namespace common
