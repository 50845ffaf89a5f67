// A stand-in for the message and input boxes that records every box and answers from a script.
#pragma once

#include "platform/forms/dialogs.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace forms {

// Installed for its lifetime (the previous backend comes back on destruction).
// Every box is recorded in order. An OK-only box needs no script and answers
// vbOK. Any other box (a question) and every input box takes the next scripted
// answer; a question nobody scripted, or one whose prompt does not hold the
// scripted text, is a failure: it is recorded, reported to the failure handler
// at once, and answered No/Cancel (nullopt for an input box) so the command
// goes its safe way.
class ScriptedDialogs : public Dialogs::Backend {
public:
    struct Box {
        bool input = false; // an input box
        QString prompt;
        int style = 0;      // message boxes
        QString title;      // as given ("" when the caller gave none)
        QString defaultText; // input boxes
        int answer = 0;     // message boxes
        QString details;    // under "Show Details"
        // A question whose default button is the second (No): Enter and Esc keep the data.
        bool defaultNo() const { return (style & 0x300) == 0x100; }
        std::optional<QString> text; // input boxes
    };

    ScriptedDialogs();
    ~ScriptedDialogs() override;
    ScriptedDialogs(const ScriptedDialogs&) = delete;
    ScriptedDialogs& operator=(const ScriptedDialogs&) = delete;

    // The answer to the next question (vbYes, vbNo, vbOK, vbCancel ...);
    // with promptContains, the question's prompt must hold that text.
    ScriptedDialogs& answer(int result, const QString& promptContains = QString());
    // The answer to the next input box: a text, or nullopt for Cancel.
    ScriptedDialogs& answerInput(std::optional<QString> text, const QString& promptContains = QString());
    // Enter on the next input box: OK on the text it proposes, as it stands.
    ScriptedDialogs& acceptInput(const QString& promptContains = QString());

    const QList<Box>& boxes() const { return mBoxes; }
    QStringList prompts() const;
    // The last box's prompt ("" when none was shown).
    QString lastPrompt() const;
    void clearBoxes() { mBoxes.clear(); }
    // Scripted answers not yet used.
    int pending() const { return int(mScript.size()); }
    QStringList failures() const { return mFailures; }
    // Called with the text of each failure as it happens (tests report it there).
    void setFailureHandler(std::function<void(const QString&)> h) { mOnFailure = std::move(h); }

    int msgBox(const QString& prompt, int style, const QString& title) override;
    int detailedBox(const QString& prompt, int style, const QString& title, const QString& details) override;
    std::optional<QString> inputBox(const QString& prompt, const QString& title,
                                    const QString& defaultText) override;

private:
    struct Answer {
        bool input = false;
        int result = 0;
        std::optional<QString> text;
        QString promptContains;
        bool proposed = false; // the input box's own text
    };
    void fail(const QString& what);
    // The next scripted answer when it is of the kind shown (an input box or
    // a question) and its prompt matches; otherwise a failure and none.
    std::optional<Answer> takeAnswer(bool input, const QString& prompt);

    Dialogs::Backend* mPrevious = nullptr;
    QList<Box> mBoxes;
    QList<Answer> mScript;
    QStringList mFailures;
    std::function<void(const QString&)> mOnFailure;
};

} // namespace forms
