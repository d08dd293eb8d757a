// Program start.
#include "app/Program.h"

namespace app
{

Program::Program(platform::Runtime& programRuntime)
    : runtime(programRuntime), form1(*this), form7(*this), form13(*this)
{}

Program::~Program() = default;

void Program::start()
{
    state.SessionStart = runtime.clock().now().secondsOfDay();
    form1.show();
}

} // namespace app
