// The B-statement form with its message boxes scripted and the workbooks it
// shows recorded instead of opened, on a data folder of its own.
#pragma once

#include "allotment/financial_report_form.h"

#include "platform/forms/registry.h"
#include "platform/office/desktop.h"
#include "support/temp_data_folder.h"
#include "support/ui_driver.h"

#include <QDir>
#include <gtest/gtest.h>
#include <memory>

namespace allotmenttest {

struct BStatementFormFixture : ::testing::Test {
    testsupport::TempDataFolder folder;
    testsupport::ScriptedBoxes boxes;
    office::RecordingDesktop desktop;
    allotment::Form4* form = nullptr;

    BStatementFormFixture() { office::setDesktop(std::make_unique<office::RecordingDesktop>(desktop)); }
    ~BStatementFormFixture() override
    {
        office::setDesktop(nullptr);
        forms::Forms::unloadAll();
        testsupport::settle();
    }
    // The workbooks written, one a statement made.
    QStringList outputs() const { return QDir(folder.path() + "/output").entryList(QDir::Files); }
};

} // namespace allotmenttest
