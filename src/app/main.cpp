// dosset: the establishment's pay roll and accounts.
#include "common/schema.h"
#include "platform/data/database.h"
#include "platform/forms/registry.h"
#include "shell/login_form.h"
#include "shell/register_forms.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QTextStream>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("Dosset"));
    QStringList args = app.arguments().mid(1);
    QString folder = QDir::home().filePath(QStringLiteral("Mr.Dosset"));
    const int at = args.indexOf(QStringLiteral("--data-folder"));
    if (at >= 0 && at + 1 < args.size())
        folder = args.at(at + 1);
    else if (!args.isEmpty()) {
        QTextStream(stderr) << "usage: dosset [--data-folder DIR]\n";
        return 2;
    }
    folder = QDir(folder).absolutePath();

    // The program never makes or mends its data folder: that is the setup's job.
    const QString problem = common::checkDataFolder(folder);
    if (!problem.isEmpty()) {
        // A folder made by an older version lacks only the newer tables: it is
        // brought up to date, never made again over its data.
        const QString text =
            common::isDataFolder(folder)
                ? QStringLiteral("The data folder %1 cannot be used: %2.\n\n"
                                 "Bring it up to date (no row is touched) with:\n    dosset-setup \"%1\" --update")
                      .arg(folder, problem)
                : QStringLiteral("The data folder %1 cannot be used: %2.\n\n"
                                 "Make one with:\n    dosset-setup \"%1\" --demo")
                      .arg(folder, problem);
        QTextStream(stderr) << text << "\n";
        QMessageBox::critical(nullptr, QStringLiteral("DATA FOLDER"), text);
        return 1;
    }
    data::setDataFolder(folder);
    shell::registerAllForms();
    forms::Forms::show(forms::Forms::get<shell::entry>());
    return app.exec();
}
