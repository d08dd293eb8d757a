// A program at the custom values form: a 20 ft simple span under 200 plf (100 plf live) calculated
// for custom values or for SCL, as the user does it on the criteria form.
#pragma once

#include "app/Form1.h"
#include "app/Program.h"
#include "platform/headless/Driver.h"
#include "scl/Form2.h"

#include <gtest/gtest.h>
#include <string>

namespace scl::test
{

class Form2Fixture : public testing::Test
{
  protected:
    void calculate(const char* species = "Custom Wood Values")
    {
        driver.choose(program.form1.Combo1, species);
        driver.retype(program.form1.Span, "20");
        driver.retype(program.form1.UNIF, "200");
        driver.retype(program.form1.LUNIF, "100");
        driver.click(program.form1.CmdOK);
        ASSERT_TRUE(form2.visible());
        driver.clearMessages();
    }

    // Typical values of a No. 2 dimension grade.
    void enterValues(const char* fb = "900", const char* fv = "180", const char* fc = "625",
                     const char* e = "1.6", const char* species = "My custom #2")
    {
        driver.retype(form2.Text1, fb);
        driver.retype(form2.Text2, fv);
        driver.retype(form2.Text3, fc);
        driver.retype(form2.Text4, e);
        driver.retype(form2.Text5, species);
    }

    // Puts a whole text into a box at once, as a paste over its selected text does.
    void paste(platform::TextBox& box, const std::string& text)
    {
        driver.focus(box);
        driver.paste(box, text);
    }

    std::string lastMessage() const
    {
        return driver.messages().empty() ? std::string{} : driver.messages().back().text;
    }

    platform::test::Driver driver;
    app::Program& program = driver.start<app::Program>();
    scl::Form2& form2 = program.form2;
};

} // namespace scl::test
