// Cost of one animation tick's drawing in each case, on the raster canvas and on a QPainter baseline.
#include "canvas/raster_canvas.h"
#include "qpainter_canvas.h"
#include "tick_scenes.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <functional>
#include <map>
#include <memory>
#include <string>

namespace {

using namespace sorvel_kampyles;

std::unique_ptr<surface::Canvas> makeCanvas(bool raster, int pixels)
{
    std::unique_ptr<surface::Canvas> canvas;
    if (raster)
        canvas = std::make_unique<surface::RasterCanvas>(pixels, pixels, 1.0);
    else
        canvas = std::make_unique<QPainterCanvas>(pixels);
    canvas->Scale(-100, 100, 100, -100);
    return canvas;
}

void linearTick(benchmark::State& state, bool raster, int pixels, double seconds)
{
    auto canvas = makeCanvas(raster, pixels);
    const auto tick = scenes::LinearTick(*canvas, seconds);
    for (auto _ : state)
        tick();
}

void squareRootTick(benchmark::State& state, bool raster, int pixels, double T, double A)
{
    auto canvas = makeCanvas(raster, pixels);
    const auto tick = scenes::SquareRootTick(*canvas, T, A);
    for (auto _ : state)
        tick();
}

// Collects the medians so that the two canvases and the times can be set side by side after the run.
class TableReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median")
                medians[run.run_name.function_name] = run.GetAdjustedRealTime();  // in the unit set: ms
    }
    std::map<std::string, double> medians;
};

struct Row {
    std::string name;
    std::string shortRow;  // the row at a short time of the same case, for the ratio
};

void add(std::vector<Row>& rows, const std::string& name, const std::string& shortRow,
         const std::function<void(benchmark::State&, bool)>& tick)
{
    rows.push_back({name, shortRow});
    for (const bool raster : {true, false})
        benchmark::RegisterBenchmark((name + (raster ? " raster" : " qpainter")).c_str(), [=](benchmark::State& s) {
            tick(s, raster);
        })->Unit(benchmark::kMillisecond);
}

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    std::vector<Row> rows;
    for (const int pixels : {768, 2160}) {
        const std::string size = " " + std::to_string(pixels);
        for (const int seconds : {1, 100, 1000})
            add(rows, "linear t=" + std::to_string(seconds) + size, "linear t=1" + size,
                [=](benchmark::State& s, bool raster) { linearTick(s, raster, pixels, seconds); });
        for (const int A : {1000, 5000})
            for (const int T : {10, 400, 3000}) {
                if (A == 5000 && T == 400)
                    continue;
                const std::string medium = " A=" + std::to_string(A);
                add(rows, "sqrt T=" + std::to_string(T) + medium + size, "sqrt T=10" + medium + size,
                    [=](benchmark::State& s, bool raster) { squareRootTick(s, raster, pixels, T, A); });
            }
    }
    std::vector<char*> args(argv, argv + argc);
    std::string repetitions = "--benchmark_repetitions=5";
    std::string aggregates = "--benchmark_report_aggregates_only=true";
    args.push_back(repetitions.data());
    args.push_back(aggregates.data());
    int count = static_cast<int>(args.size());
    benchmark::Initialize(&count, args.data());
    TableReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);

    std::printf("\n%-26s %12s %14s %10s %14s\n", "tick", "raster (ms)", "qpainter (ms)", "qp/raster", "vs short time");
    for (const Row& row : rows) {
        const double fast = reporter.medians[row.name + " raster"];
        const double slow = reporter.medians[row.name + " qpainter"];
        const double shortTime = reporter.medians[row.shortRow + " raster"];
        if (fast > 0 && slow > 0 && shortTime > 0)
            std::printf("%-26s %12.3f %14.3f %10.1f %14.2f\n", row.name.c_str(), fast, slow, slow / fast,
                        fast / shortTime);
    }
    benchmark::Shutdown();
    return 0;
}
