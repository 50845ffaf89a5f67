#include "shell/login_form.h"

#include "common/schema.h"
#include "platform/data/database.h"
#include "platform/data/recordset.h"
#include "platform/forms/controls.h"
#include "platform/forms/dialogs.h"
#include "platform/forms/dispatch.h"
#include "platform/forms/registry.h"
#include "shell/main_window.h"

#include <QApplication>
#include <QDir>
#include <QGridLayout>

namespace shell {

using namespace forms;

entry::entry() : forms::Form(QStringLiteral("LOG ON"))
{
    auto* grid = new QGridLayout(this);
    Label2 = new Label(QStringLiteral("Label2"), QStringLiteral("ENTER PASSWORD"), this);
    Text1 = new TextBox(QStringLiteral("Text1"), this);
    Text1->setEchoMode(QLineEdit::Password);
    Text1->setEntryBox(true);
    Label1 = new Label(QStringLiteral("Label1"), QString(), this);
    Command1 = new CommandButton(QStringLiteral("Command1"), QStringLiteral("LOG ON"), this);
    Command2 = new CommandButton(QStringLiteral("Command2"), QStringLiteral("EXIT"), this);
    grid->addWidget(Label2, 0, 0);
    grid->addWidget(Text1, 0, 1, 1, 2);
    grid->addWidget(Label1, 1, 0, 1, 3);
    grid->addWidget(Command1, 2, 1);
    grid->addWidget(Command2, 2, 2);
    Label1->setMinimumWidth(360);

    on(Text1, &TextBox::Change, this, &entry::Text1_Change);
    on(Text1, &TextBox::KeyUp, this, &entry::Text1_KeyUp);
    on(Command1, &CommandButton::Click, this, &entry::Command1_Click);
    on(Command2, &CommandButton::Click, this, &entry::Command2_Click);
}

void entry::Form_Load()
{
    // Opening the fund file now makes a broken data folder fail at once.
    data::Database::open(QLatin1String(common::kFundDb));
    Text1->setFocus();
}

QString entry::storedPassword() const
{
    data::TableRecordset protect(data::Database::open(QLatin1String(common::kFundDb)), QStringLiteral("protect"));
    if (protect.eof())
        return QString();
    // Trimmed on both sides: a folder made by an earlier build, which kept
    // blanks around the password, still opens.
    return protect[QStringLiteral("pas")].text().trimmed();
}

bool entry::matches() const
{
    const QString stored = storedPassword();
    return !stored.isEmpty() && Text1->text().trimmed() == stored;
}

void entry::Text1_Change()
{
    if (storedPassword().isEmpty())
        Label1->setCaption(QStringLiteral("THIS DATA FOLDER HAS NO PASSWORD."));
    else
        Label1->setCaption(matches() ? QStringLiteral("PASSWORD MATCHED. PRESS ENTER OR CLIK LOG ON")
                                     : QStringLiteral("PASSWORD NOT MATCHED."));
}

void entry::Text1_KeyUp(int keyCode)
{
    if (keyCode == 13)
        logOn();
}

void entry::Command1_Click()
{
    logOn();
}

void entry::logOn()
{
    if (storedPassword().isEmpty()) {
        Dialogs::msgBox(QStringLiteral("This data folder has no password, so no one can log on.\n\n"
                                       "Set one with:\n    dosset-setup \"%1\" --update --password NEW-PASSWORD")
                            .arg(QDir::toNativeSeparators(data::dataFolder())),
                        vbCritical, QStringLiteral("Hi"));
        Text1->setFocus();
        return;
    }
    if (Text1->text().trimmed().isEmpty()) {
        Dialogs::msgBox(QStringLiteral("ENTERED PASSWORD AND CLICK ON LOG ON."), vbInformation, QStringLiteral("Hi"));
        Text1->setFocus();
        return;
    }
    if (!matches()) {
        Dialogs::msgBox(QStringLiteral("PASSWORD NOT MATCHED. TRY AGAIN."), vbCritical, QStringLiteral("Hi"));
        Text1->clear();
        Text1->setFocus();
        return;
    }
    Platform& main = Platform::instance();
    // Without a window manager to maximise it, the window still opens at a
    // size the forms fit in.
    main.resize(1366, 768);
    main.showMaximized();
    Dialogs::msgBox(QStringLiteral("Welcome. The office's pay roll and accounts are ready."), vbInformation,
                    QStringLiteral("WELCOME"));
    unload();
}

void entry::Command2_Click()
{
    // Before a login nothing else is open: leaving here ends the program.
    unload();
    QApplication::quit();
}

} // namespace shell
