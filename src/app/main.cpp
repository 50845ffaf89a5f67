// dosset: the establishment's pay roll and accounts.
#include "common/data_folder.h"
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
    const common::FolderProblem problem = common::checkDataFolder(folder);
    if (!problem.ok()) {
        QTextStream(stderr) << problem.text << "\n" << problem.details << "\n";
        QMessageBox box(QMessageBox::Critical, QStringLiteral("DATA FOLDER"), problem.text);
        box.setDetailedText(problem.details);
        box.exec();
        return 1;
    }
    data::setDataFolder(folder);
    shell::registerAllForms();
    forms::Forms::show(forms::Forms::get<shell::entry>());
    return app.exec();
}
