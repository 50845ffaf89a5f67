#include "platform/forms/dialogs.h"

#include <QApplication>
#include <gtest/gtest.h>

namespace {

// Between a test's scripted boxes, any box a command shows is one the test
// did not expect: it fails that test at once and is answered the safe way
// (OK, No, Cancel), so a fault that asks something unforeseen never leaves
// the run waiting on a real box that no one will close.
class UnscriptedBoxes : public forms::Dialogs::Backend {
public:
    int msgBox(const QString& prompt, int style, const QString& title) override
    {
        ADD_FAILURE() << "a message box no test scripted: \"" << title.toStdString() << "\" \""
                      << prompt.toStdString() << '"';
        switch (style & 7) {
        case forms::vbOKOnly: return forms::vbOK;
        case forms::vbYesNo: return forms::vbNo;
        case forms::vbAbortRetryIgnore: return forms::vbAbort;
        default: return forms::vbCancel;
        }
    }
    std::optional<QString> inputBox(const QString& prompt, const QString& title, const QString&) override
    {
        ADD_FAILURE() << "an input box no test scripted: \"" << title.toStdString() << "\" \""
                      << prompt.toStdString() << '"';
        return std::nullopt;
    }
};

} // namespace

// Widgets need an application object; tests run on the offscreen platform.
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    UnscriptedBoxes unscripted;
    forms::Dialogs::setBackend(&unscripted);
    const int failed = RUN_ALL_TESTS();
    forms::Dialogs::setBackend(nullptr);
    return failed;
}
