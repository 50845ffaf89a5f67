// dosset-setup: makes a data folder, the installer's job.
#include "setup/demo_office.h"

#include "common/schema.h"
#include "common/templates.h"
#include "platform/data/database.h"
#include "platform/vb/error.h"

#include <QCoreApplication>
#include <QDir>
#include <QRandomGenerator>
#include <QTextStream>

namespace {

QString newPassword()
{
    const QString letters = QStringLiteral("abcdefghjkmnpqrstuvwxyz23456789");
    QString p;
    for (int i = 0; i < 8; ++i)
        p += letters.at(QRandomGenerator::system()->bounded(letters.size()));
    return p;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout), err(stderr);
    QStringList args = app.arguments().mid(1);
    const bool demo = args.removeAll(QStringLiteral("--demo")) > 0;
    QString password;
    const int pw = args.indexOf(QStringLiteral("--password"));
    if (pw >= 0 && pw + 1 < args.size()) {
        password = args.at(pw + 1);
        args.remove(pw, 2);
    }
    if (args.size() != 1 || args.first().startsWith(QLatin1Char('-'))) {
        err << "usage: dosset-setup DIR [--demo] [--password PASSWORD]\n"
               "Makes a data folder with both database files, the office particulars and the\n"
               "D.A. order and the workbook and document templates; --demo adds a small office (heads, employees, ledgers, allotments).\n";
        return 2;
    }
    const QString folder = QDir(args.first()).absolutePath();
    if (password.isEmpty())
        password = demo ? QStringLiteral("dosset") : newPassword();
    try {
        common::createDatabases(folder);
        common::installTemplates(folder, false);
        data::setDataFolder(folder);
        setup::writeStartingRows(password);
        if (demo)
            setup::writeDemoOffice();
        data::Database::closeAll();
    } catch (const vb::Error& e) {
        err << "dosset-setup: " << e.description << "\n";
        return 1;
    }
    out << "Data folder made: " << folder << "\n";
    if (demo)
        out << "A demo office is in it.\n";
    out << "Password: " << password << "\n";
    return 0;
}
