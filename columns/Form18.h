// Form18, the column criteria form. FIXME: only the project, description and ID boxes the report
// header form writes are here; the column design comes with the columns.
#pragma once

#include "platform/forms/Control.h"
#include "platform/forms/Form.h"

namespace app
{
class Program;
}

namespace columns
{

class Form18 final : public platform::Form
{
  public:
    explicit Form18(app::Program& program);

    platform::TextBox ColumnProj{*this, "ColumnProj"};
    platform::TextBox ColumnDescription{*this, "ColumnDescription"};
    platform::TextBox columnID{*this, "columnID"};

  private:
    void design() override;
};

} // namespace columns
