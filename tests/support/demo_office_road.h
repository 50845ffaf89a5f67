// The demo office on a fresh data folder with every form registered: where
// the clerk's roads through the real forms begin. A test sets its own day
// (forms::Clock::Override) as a member: the demo's bills run to it.
#pragma once

#include "platform/forms/controls.h"
#include "platform/forms/registry.h"
#include "platform/reports/registry.h"
#include "platform/vb/convert.h"
#include "salary/irregular_bill_form.h"
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

    // An irregular bill of an amount drawn in gross alone (Option2 BONUS,
    // Option3 FESTIVAL ADVANCE) of one employee on a date, added to the roll.
    void drawnInGrossAlone(int option, const QString& code, const QString& amount, const QDate& billDate)
    {
        auto& f11 = forms::Forms::get<salary::Form11>();
        showForm(f11);
        click(f11.control<forms::OptionButton>(QStringLiteral("Option%1").arg(option)));
        enter(f11.control<forms::TextBox>("Text1"), vb::shortDate(billDate));
        f11.control<forms::TextBox>("Text2").setText(code);
        pressEnter(f11.control<forms::TextBox>("Text2"));
        enter(f11.control<forms::TextBox>("Text13"), amount);
        click(f11.control<forms::CommandButton>("Command3"));
        EXPECT_EQ(saidBy([&] { click(f11.control<forms::CommandButton>("Command1")); }),
                  QStringList{"Hi|64|ENTERED IN THE AQUITTANCE ROLL"});
    }

    TempDataFolder folder;
};

} // namespace testsupport
