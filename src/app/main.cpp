// dosset: the establishment's pay roll and accounts.
#include "common/data_folder.h"
#include "common/folder_lock.h"
#include "platform/data/database.h"
#include "platform/forms/registry.h"
#include "shell/login_form.h"
#include "shell/register_forms.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QMessageBox>
#include <QTextStream>

#include <sys/stat.h>

int main(int argc, char** argv)
{
    // The pay roll is its owner's alone: whatever the program makes in the
    // folder (journals, saved workbooks, PDFs) is made so.
    umask(077);
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("Dosset"));
    app.setWindowIcon(QIcon(QStringLiteral(":/dosset/dosset_icon.png")));
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

    // One copy per folder: two would each take their own figures for the last word.
    common::FolderLock lock(folder);
    auto refuse = [](const QString& text, const QString& details) {
        QTextStream(stderr) << text << "\n" << details << (details.isEmpty() ? "" : "\n");
        QMessageBox box(QMessageBox::Critical, QStringLiteral("DATA FOLDER"), text);
        box.setDetailedText(details);
        box.exec();
        return 1;
    };
    if (lock.heldElsewhere())
        return refuse(lock.message(), QString());
    // The program never makes or mends its data folder: that is the setup's job.
    const common::FolderProblem problem = common::checkDataFolder(folder);
    if (!problem.ok())
        return refuse(problem.text, problem.details);
    if (!lock.tryLock())
        return refuse(lock.message(), QString());
    data::setDataFolder(folder);
    shell::registerAllForms();
    forms::Forms::show(forms::Forms::get<shell::entry>());
    return app.exec();
}
