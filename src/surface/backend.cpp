// Holds the back end the program installed.
#include "surface/backend.h"

#include <cstdio>
#include <cstdlib>

namespace surface {
namespace {

std::unique_ptr<Backend>& installed()
{
    static std::unique_ptr<Backend> backend;
    return backend;
}

int run = 0;

}  // namespace

Backend& TheBackend()
{
    if (!installed()) {
        // A window referred to before the program chose its toolkit: a fault of the program itself.
        std::fputs("no window toolkit installed\n", stderr);
        std::abort();
    }
    return *installed();
}

std::unique_ptr<Backend> InstallBackend(std::unique_ptr<Backend> backend)
{
    std::swap(installed(), backend);
    ++run;
    return backend;
}

int CurrentRun()
{
    return run;
}

}  // namespace surface
