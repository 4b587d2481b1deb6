// Long animation runs of both case windows on their real pictures (on the headless back end, which
// keeps the same pixel store as the desktop's): drives the timers far beyond a
// lesson and reports resident memory, the cost of a tick (window layout included), messages and
// refused coordinates. Exits 1 on a message or a refused coordinate.
#include "canvas/message_box.h"
#include "headless/headless_backend.h"
#include "surface/form.h"
#include "windows/linear_case.h"
#include "windows/square_root_case.h"

#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>

namespace {

// Resident and peak resident memory of this process, in kilobytes.
long statusField(const std::string& name)
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind(name + ":", 0) == 0)
            return std::stol(line.substr(name.size() + 1));
    return -1;
}

double millisecondsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

void report(const char* what)
{
    std::printf("%-44s VmRSS %7ld kB   VmHWM %7ld kB\n", what, statusField("VmRSS"), statusField("VmHWM"));
    std::fflush(stdout);
}

}  // namespace

int main()
{
    surface::InstallBackend(std::make_unique<headless::HeadlessBackend>(1920, 1080));
    long messages = 0;
    surface::SetMessageSink([&](const std::string&) { ++messages; });

    sorvel_kampyles::ShowLinearCase();
    linear::aktinon_sxedio& linear = linear::aktinon_sxedio::instance();
    report("linear window open");
    // Every tick from 0 to 5 s, then bursts of ticks every 5 s up to 100 s of animation time.
    for (int tick = 0; tick < 5000; ++tick)
        linear.Timer1_Timer();
    report("linear after 5000 ticks (5 s)");
    for (long long count = 10000; count <= 100000; count += 5000) {
        linear.METRHTHS_LINEAR = count;
        const auto start = std::chrono::steady_clock::now();
        for (int tick = 0; tick < 20; ++tick)
            linear.Timer1_Timer();
        if (count % 30000 == 10000)
            std::printf("linear tick at %5.1f s: %6.2f ms\n", count / 1000.0, millisecondsSince(start) / 20);
    }
    std::printf("linear time reached: %.3f s\n", linear.TIMER_NOW);
    report("linear after bursts up to 100 s");

    sorvel_kampyles::ShowSquareRootCase();
    square_root::SQUARE_RIZA& square = square_root::SQUARE_RIZA::instance();
    report("square-root window open");
    for (int tick = 0; tick < 1000; ++tick)
        square.Timer1_Timer();
    report("square root after 1000 ticks (T = 20)");
    for (long long count = 2500; count <= 20000; count += 2500) {
        square.METRITIS_SQUARE = count;
        const auto start = std::chrono::steady_clock::now();
        for (int tick = 0; tick < 20; ++tick)
            square.Timer1_Timer();
        if (count % 7500 == 5000)
            std::printf("square-root tick at T = %5.1f: %6.2f ms\n", count / 50.0, millisecondsSince(start) / 20);
    }
    std::printf("square-root time reached: %.2f\n", square.TIMER_NOW);
    report("square root after bursts up to T = 400");

    const long long refused = linear.controls().eikona->raster().rejectedOperations() +
                              square.controls().SOURA1->raster().rejectedOperations();
    std::printf("messages: %ld, refused coordinates: %lld\n", messages, refused);
    surface::Form::DropAll();
    return messages == 0 && refused == 0 ? 0 : 1;
}
