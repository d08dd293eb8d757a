// Shared steps of the stud frame tests: the column criteria form opened from the Columns menu and its
// stud frame made visible as the dormant load command does, then filled as a user types.
#pragma once

#include "app/Form1.h"
#include "app/Program.h"
#include "columns/Form18.h"
#include "platform/headless/Driver.h"

#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <vector>

namespace columns::test
{

class StudFrame : public testing::Test
{
  protected:
    void SetUp() override { openFrame(); }

    void openFrame()
    {
        driver.menu(program.form1.MnuColDesign);
        ASSERT_TRUE(f18.visible());
        driver.runtime().dispatch([&] { f18.WindFrame.setVisible(true); });
    }

    // A 2x6 DF-L #2 at 16 in. o.c., 10 ft high, 300 plf and 20 psf over the whole height.
    void enterStud()
    {
        driver.retype(f18.AxialPLFtextbox, "300");
        driver.retype(f18.WindA, "20");
        driver.retype(f18.EndA, "10");
        driver.retype(f18.WindStudHt, "10");
        driver.choose(f18.BreadthCombo, 0);
        driver.choose(f18.DepthCombo, 1);
        driver.runtime().dispatch([&] { f18.SetupWindStudSpecies(); });
        driver.choose(f18.WindStudCombo, "DF-L #2"); // Fb 900, Fc 1350, E 1.6
        driver.clearMessages();
    }

    std::string lastMessage() const { return driver.messages().empty() ? "" : driver.messages().back().text; }

    std::string focusedName()
    {
        platform::Control* c = driver.runtime().activeControl();
        return c == nullptr ? "" : c->name();
    }

    static std::vector<std::uint8_t> fixture(const char* name)
    {
        std::ifstream in(std::string(KORVANTA_TEST_DATA) + "/columns/" + name, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    platform::test::Driver driver;
    app::Program& program = driver.start<app::Program>();
    columns::Form18& f18 = program.form18;
};

} // namespace columns::test
