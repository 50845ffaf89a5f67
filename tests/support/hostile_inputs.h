// What a clerk, a stray paste or a tester may type into any box, and a
// digest of both data files to show that a refused command wrote nothing.
#pragma once

#include "platform/data/database.h"
#include "platform/forms/controls.h"
#include "support/folder_digest.h"

#include <QDir>
#include <functional>
#include <gtest/gtest.h>

namespace testsupport {

// Texts no amount box may take, whatever its ceiling (a figure of 16 or
// more digits included). "99999999999" is left to the boxes whose ceiling
// it passes.
inline QStringList notAmounts()
{
    return {"-1", "1,000", "1e3", "12345678901234567", "5 or 1=1", "'; drop table salary; --",
            QString::fromUtf8("\u0968\u0969"), // Devanagari 23
            "1.2.3", QString(10000, QLatin1Char('9')), QString(10000, QLatin1Char('x')), "12'5",
            QString::fromUtf8("12\0" "5", 4), QStringLiteral("1\x01" "2")};
}

// Texts a free-text box keeps as typed (trimmed): quotes, SQL, another script.
inline QStringList keptTexts() { return {"'; drop table employee; --", "O'Brien \"Bablu\"", QString::fromUtf8("\u0930\u093e\u092e")}; }

// Texts no text column may hold: longer than any is declared, then a NUL and a \x01.
inline QStringList unstorableTexts()
{
    return {QString(10000, QLatin1Char('x')), QString::fromUtf8("A\0" "1", 3), QStringLiteral("A\x01" "1")};
}

// Texts no code, name or free-text box may break on.
inline QStringList oddTexts() { return keptTexts() + unstorableTexts(); }

// Dates no date box may take: outside the calendar or outside 1930-2099.
inline QStringList notDates()
{
    return {"31/02/2013", "29/02/2100", "00/00/0000", "1/1/1929", "1/1/2100", "32/01/2012", "1e3", "", " "};
}

// Every row of both data files, digested: equal digests mean nothing was written.
inline QMap<QString, QByteArray> rowsOfBothFiles()
{
    QMap<QString, QByteArray> out;
    for (const char* file : {common::kSalaryDb, common::kFundDb}) {
        const QString path = QDir(data::dataFolder()).filePath(QString::fromLatin1(file));
        const auto rows = rowDigests(path);
        for (auto it = rows.begin(); it != rows.end(); ++it)
            out.insert(QString::fromLatin1(file) + QLatin1Char('/') + it.key(), it.value());
    }
    return out;
}

// One line of a form's hostile table: every text fed to the box must draw
// exactly these words from the form.
struct Refusal {
    forms::TextBox* box;
    QStringList texts;
    QStringList said;
};

// The lines of a hostile table for a free-text box whose column holds `width`
// characters: its words for unstorableTexts(), after `title` ("Hi|64|").
inline std::vector<Refusal> unstorable(forms::TextBox* box, const QString& caption, int width,
                                       const QString& title = {})
{
    const QString most = width == 1 ? QStringLiteral("1 CHARACTER.") : QStringLiteral("%1 CHARACTERS.").arg(width);
    return {{box, unstorableTexts().mid(0, 1), {title + caption + " IS TOO LONG: IT MAY HOLD AT MOST " + most}},
            {box, unstorableTexts().mid(1),
             {title + caption + " MUST NOT HOLD CONTROL CHARACTERS (TABS, LINE BREAKS OR OTHER UNSEEN KEYS)."}}};
}

// Feeds each text of each line through `feed` (which puts it in the box,
// presses what the form needs and returns what it said), and proves the
// rows `digest` covers are as they were before the first.
template <class Feed>
void expectRefused(const std::vector<Refusal>& table, Feed feed,
                   const std::function<QMap<QString, QByteArray>()>& digest = rowsOfBothFiles)
{
    const auto before = digest();
    for (const Refusal& r : table)
        for (const QString& text : r.texts) {
            SCOPED_TRACE((r.box->objectName() + " <" + text.left(20) + ">").toStdString());
            EXPECT_EQ(feed(*r.box, text), r.said);
        }
    EXPECT_TRUE(digest() == before);
}

} // namespace testsupport
