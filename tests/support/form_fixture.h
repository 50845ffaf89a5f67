// A test with one form over a fresh data folder, and the form's numbered controls at hand.
#pragma once

#include "platform/forms/controls.h"
#include "platform/forms/registry.h"
#include "support/temp_data_folder.h"
#include "support/ui_driver.h"

#include <gtest/gtest.h>

namespace testsupport {

template <class F>
class FormFixture : public ::testing::Test {
protected:
    void TearDown() override {
        forms::Forms::unloadAll();
        settle();
    }
    // Shows the form as the clerk opens it; a fixture puts its data in first.
    void open() { showForm(*(form = &forms::Forms::get<F>())); }

    // Loads the form afresh, for what it reads only when it loads.
    void reopen() {
        FormFixture::TearDown();
        open();
    }
    forms::TextBox& box(int n) { return form->template control<forms::TextBox>(QStringLiteral("Text%1").arg(n)); }
    forms::CommandButton& button(int n) { return form->template control<forms::CommandButton>(QStringLiteral("Command%1").arg(n)); }
    // The texts of the numbered boxes, in the order asked: one comparison for a screenful.
    QStringList texts(std::initializer_list<int> boxes)
    {
        QStringList out;
        for (int n : boxes)
            out << box(n).text();
        return out;
    }
    forms::Label& label(int n) { return form->template control<forms::Label>(QStringLiteral("Label%1").arg(n)); }

    TempDataFolder folder;
    F* form = nullptr;
};

// Every command stays reachable inside the main window on a 1366x768 screen, the smallest an office desk has
// (the window's frame, menu and status bar take the rest).
inline bool fitsSmallScreen(const QWidget& form)
{
    const QSize s = form.minimumSizeHint();
    return s.width() <= 1300 && s.height() <= 680;
}

} // namespace testsupport
