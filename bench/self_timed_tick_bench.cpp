// The rows of the benchmark where Google Benchmark is not at hand: the same ticks as the native
// rows, timed in their own process, compiled to WebAssembly for the page or for Windows to run
// under Wine; prints one JSON line a row, the median of five runs in milliseconds a tick.
#include "canvas/raster_canvas.h"
#include "tick_scenes.h"

#ifdef __EMSCRIPTEN__
#include <emscripten.h>
#else
#include <chrono>
#endif

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int kPixels = 768;    // as the native rows at 768
constexpr double kRunMs = 300;  // each of the five runs ticks for at least this long
constexpr int kRuns = 5;

double nowMs()
{
#ifdef __EMSCRIPTEN__
    return emscripten_get_now();
#else
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now().time_since_epoch()).count();
#endif
}

double medianTickMs(const std::function<void()>& tick)
{
    tick();  // warm: the train finds its out-of-sight age once
    std::vector<double> runs;
    for (int run = 0; run < kRuns; ++run) {
        int ticks = 0;
        const double start = nowMs();
        double now = start;
        while (now - start < kRunMs) {
            tick();
            ++ticks;
            now = nowMs();
        }
        runs.push_back((now - start) / ticks);
    }
    std::sort(runs.begin(), runs.end());
    return runs[kRuns / 2];
}

void row(const std::string& name, double ms)
{
    std::printf("{\"row\": \"%s\", \"ms\": %.4f}\n", name.c_str(), ms);
    std::fflush(stdout);
}

}  // namespace

int main()
{
    for (const int seconds : {1, 100, 1000}) {
        surface::RasterCanvas canvas(kPixels, kPixels, 1.0);
        canvas.Scale(-100, 100, 100, -100);
        row("linear t=" + std::to_string(seconds) + " 768", medianTickMs(scenes::LinearTick(canvas, seconds)));
    }
    for (const int T : {10, 400, 3000}) {
        surface::RasterCanvas canvas(kPixels, kPixels, 1.0);
        canvas.Scale(-100, 100, 100, -100);
        row("sqrt T=" + std::to_string(T) + " A=1000 768", medianTickMs(scenes::SquareRootTick(canvas, T, 1000)));
    }
    std::printf("{\"done\": true}\n");
    std::fflush(stdout);
    return 0;
}
