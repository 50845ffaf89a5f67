// The demo office on a fresh data folder with every form registered: where
// the clerk's roads through the real forms begin. A test sets its own day
// (forms::Clock::Override) as a member: the demo's bills run to it.
#pragma once

#include "platform/forms/registry.h"
#include "platform/reports/registry.h"
#include "setup/demo_office.h"
#include "shell/register_forms.h"
#include "support/temp_data_folder.h"
#include "support/ui_driver.h"

#include <gtest/gtest.h>

namespace testsupport {

class DemoOfficeRoad : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!forms::Forms::isRegistered(QStringLiteral("Form6")))
            shell::registerAllForms();
        setup::writeStartingRows(QStringLiteral("dosset"));
        setup::writeDemoOffice(); // the bills of the year's months before today's
    }
    void TearDown() override
    {
        reports::Reports::unloadAll();
        forms::Forms::unloadAll();
        settle();
    }

    TempDataFolder folder;
};

} // namespace testsupport
