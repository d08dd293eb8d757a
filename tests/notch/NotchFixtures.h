// Shared steps of the notch form tests: starting the program under an edition and opening the notch
// check from the criteria form, as a user does.
#pragma once

#include "app/DefaultSettingsRecord.h"
#include "app/Form1.h"
#include "app/Program.h"
#include "notch/FormNotchwise.h"
#include "platform/headless/Driver.h"

#include <gtest/gtest.h>
#include <string_view>

namespace notch::test
{

// The program started under NDS 2018 (a new settings file) with the notch form open.
inline notch::FormNotchwise& openNotch(platform::test::Driver& driver, app::Program& program)
{
    driver.menu(program.form1.MnuNotches);
    return program.formNotchwise;
}

// A settings file that runs the program under NDS 1997 (in-grade off) or 2001 (in-grade on).
inline void putOlderEditionSettings(platform::test::Driver& driver, bool nds1997)
{
    app::DefaultSettingsRecord r;
    r.Marker = app::DefaultSettingsMarker;
    r.defINGRADE = nds1997 ? 0 : -1;
    r.CenterFormCheckbox = 1;
    const auto bytes = app::writeDefaultSettings(r).bytes();
    driver.putFile("Korvanta2023.ini", bytes);
}

inline void expectCleanRun(platform::test::Driver& driver)
{
    EXPECT_TRUE(driver.untrappedErrors().empty());
    EXPECT_TRUE(driver.host().scriptFailures().empty());
}

// Types the member entries of a sawn or glu-lam member.
inline void enterMember(platform::test::Driver& driver, notch::FormNotchwise& f, std::string_view v,
                        std::string_view b, std::string_view d)
{
    driver.retype(f.MaxVtextbox, v);
    driver.retype(f.breadthtextbox, b);
    driver.retype(f.depthtextbox, d);
}

} // namespace notch::test
