// lock_worker FOLDER STEP [update]: takes the data folder's lock as the
// program (or, with "update", dosset-setup --update) takes it, stopping at
// STEP ("opened", "locked", "named"; anything else: nowhere) until a line
// comes on its input, and saying "at STEP" when it gets there. Then it says
// "held", or "refused" and the refusal; holding, it waits for another line
// (or the end of its input) and lets go as a copy that quits does. A test
// stalls it, kills it, or starts another copy beside it at each step.
#include "common/folder_lock.h"

#include <QCoreApplication>

#include <iostream>
#include <string>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3) {
        std::cerr << "usage: lock_worker FOLDER STEP [update]\n";
        return 2;
    }
    const std::string stopAt = args.at(2).toStdString();
    const auto waitForALine = [] {
        std::string line;
        std::getline(std::cin, line);
    };
    bool stopped = false; // once: a copy refused for an instant tries again
    common::FolderLock::setStepHook([&](const char* step) {
        if (!stopped && stopAt == step) {
            stopped = true;
            std::cout << "at " << step << std::endl;
            waitForALine();
        }
    });
    common::FolderLock lock(args.at(1), args.value(3) == QLatin1String("update") ? common::FolderLock::Use::Update
                                                                                   : common::FolderLock::Use::Program);
    if (!lock.tryLock()) {
        std::cout << "refused\n" << lock.message().toStdString() << std::endl;
        return 3;
    }
    std::cout << "held" << std::endl;
    waitForALine();
    return 0;
}
