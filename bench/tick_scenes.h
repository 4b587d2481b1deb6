// The ticks the benchmarks measure, one scene per case: the train moved on a canvas that already
// shows the ticks before, so the picture is not empty. Shared by the native and the browser runs.
#pragma once

#include "canvas/canvas.h"
#include "model/linear/linear_train.h"
#include "model/shared/module_values.h"
#include "model/square_root/square_root_ray_field.h"
#include "model/square_root/square_root_train.h"

#include <functional>
#include <memory>

namespace scenes {

inline constexpr int kReplayedTicks = 20;  // ticks drawn before the measured one

// A linear tick at time seconds: the timer's count is seconds × 1000 (1 ms of animation per tick).
// Returns the tick to measure; the canvas must outlive it.
inline std::function<void()> LinearTick(surface::Canvas& canvas, double seconds)
{
    using namespace sorvel_kampyles;
    auto train = std::make_shared<LinearTrain>();
    const long count = static_cast<long>(seconds * 1000 + 0.5);
    for (long tick = count - kReplayedTicks; tick < count; ++tick)
        train->Move(canvas, (tick - 1) / 1000.0, tick / 1000.0, 1000, -8);
    return [&canvas, train, count] { train->Move(canvas, (count - 1) / 1000.0, count / 1000.0, 1000, -8); };
}

// Square-root ticks from time T on, each the next: 50 ticks to the time unit; the field is put on
// the picture on every tick, as the window does. The train keeps what it drew for the next tick,
// so each call is a tick of its own; from T = 6 on, the fronts in sight are the same at any time.
inline std::function<void()> SquareRootTick(surface::Canvas& canvas, double T, double A)
{
    using namespace sorvel_kampyles;
    auto train = std::make_shared<SquareRootTrain>();
    auto field = std::make_shared<SquareRootRayField>();
    auto count = std::make_shared<long>(static_cast<long>(T * 50 + 0.5) - kReplayedTicks);
    const auto tick = [&canvas, train, field, count, A] {
        train->Move(canvas, static_cast<double>(*count - 1) / 50, static_cast<double>(*count) / 50, A, 40);
        field->Draw(canvas, A);
        ++*count;
    };
    for (int i = 0; i < kReplayedTicks; ++i)
        tick();
    return tick;
}

}  // namespace scenes
