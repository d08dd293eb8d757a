// The application object: the program's shared state and its forms, created once per start, so that
// a test can start a fresh program in-process.
#pragma once

#include "app/Form1.h"
#include "app/Form13.h"
#include "app/SharedState.h"
#include "beam/BeamState.h"
#include "platform/forms/Runtime.h"
#include "report/Form7.h"

namespace app
{

class Program
{
  public:
    explicit Program(platform::Runtime& runtime);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Program start: records SessionStart and shows Form1.
    void start();

    platform::Runtime& runtime;

    // Shared values, declared before the forms that read them.
    SharedState state;
    beam::BeamState beam;

    Form1 form1;
    report::Form7 form7;
    Form13 form13;
};

} // namespace app
