// Message and input boxes: the one door through which every form asks or tells.
#pragma once

#include <QString>
#include <optional>

namespace forms {

// Styles, combined by sum (vbYesNo + vbQuestion = 36, vbInformation + vbYesNo = 68).
enum MsgBoxStyle {
    vbOKOnly = 0,
    vbOKCancel = 1,
    vbAbortRetryIgnore = 2,
    vbYesNoCancel = 3,
    vbYesNo = 4,
    vbRetryCancel = 5,
    vbCritical = 16,
    vbQuestion = 32,
    vbExclamation = 48,
    vbInformation = 64,
    vbDefaultButton1 = 0,
    vbDefaultButton2 = 256,
    vbDefaultButton3 = 512,
};

// Answers.
enum MsgBoxResult {
    vbOK = 1,
    vbCancel = 2,
    vbAbort = 3,
    vbRetry = 4,
    vbIgnore = 5,
    vbYes = 6,
    vbNo = 7,
};

class Dialogs {
public:
    // A modal message box; returns the button pressed (vbOK for an OK-only box).
    // An empty title shows the program's name, so no box goes out untitled.
    static int msgBox(const QString& prompt, int style = vbOKOnly, const QString& title = QString());
    // The same, with technical text the clerk sees only under "Show Details".
    static int msgBox(const QString& prompt, int style, const QString& title, const QString& details);
    // A Yes/No question that loses data on Yes: No is the default, so Enter
    // and Esc keep the data. True when the clerk answered Yes.
    static bool confirm(const QString& prompt, const QString& title = QString(), int icon = vbQuestion);
    // A modal input box; nullopt when the user cancels (an empty OK is "").
    static std::optional<QString> inputBox(const QString& prompt, const QString& title = QString(),
                                           const QString& defaultText = QString());

    // What shows the boxes. Production shows QMessageBox/QInputDialog; tests
    // install a ScriptedDialogs.
    class Backend {
    public:
        virtual ~Backend() = default;
        virtual int msgBox(const QString& prompt, int style, const QString& title) = 0;
        // A message box with details; backends that show none fall back to the plain box.
        virtual int detailedBox(const QString& prompt, int style, const QString& title, const QString& details)
        {
            (void)details;
            return msgBox(prompt, style, title);
        }
        virtual std::optional<QString> inputBox(const QString& prompt, const QString& title,
                                                const QString& defaultText) = 0;
    };
    // Installs a backend (null: back to production); returns the previous one.
    static Backend* setBackend(Backend* b);
    static Backend* backend();
};

} // namespace forms
