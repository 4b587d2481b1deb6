// A train moved on the picture leaves out the fronts that are out of sight, and the square-root
// field is put on from its stamp; over seeded runs of ticks, time-bar moves and restarts, at long
// times, the pixels and messages stay those of the plain loop of the handlers, which draws every
// front and the whole field.
#include "canvas/int.h"
#include "canvas/message_box.h"
#include "canvas/raster_canvas.h"
#include "model/linear/linear_front_sight.h"
#include "model/linear/linear_fronts.h"
#include "model/linear/linear_train.h"
#include "model/shared/module_values.h"
#include "model/square_root/square_root_front_sight.h"
#include "model/square_root/square_root_fronts.h"
#include "model/square_root/square_root_ray_field.h"
#include "model/square_root/square_root_train.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <random>
#include <string>
#include <vector>

namespace {

using namespace sorvel_kampyles;

// One step of a train: the times it moves from and to, and whether the picture is cleared first.
struct Step {
    double previous, now;
    bool restart = false;
};

// Times spread evenly on a logarithmic scale, so that every order of magnitude up to the longest
// is visited while the plain loop, which draws every front since time 0, stays affordable.
double anyTime(std::mt19937& random, double maxTime)
{
    return std::exp(std::uniform_real_distribution<double>(std::log(0.01), std::log(maxTime))(random));
}

// From a random tick count: single ticks, jumps as the time bar makes them, and now and then a
// restart, which clears the picture and moves from the time reached back to the first tick.
std::vector<Step> steps(std::mt19937& random, double ticksPerUnit, double firstTick, int count, double maxTime)
{
    std::vector<Step> out;
    long tick = static_cast<long>(anyTime(random, maxTime) * ticksPerUnit);
    double now = static_cast<double>(tick) / ticksPerUnit;
    for (int i = 0; i < count; ++i) {
        const double previous = now;
        const unsigned kind = random() % 6;
        bool restart = false;
        if (kind == 0) {
            tick = static_cast<long>(anyTime(random, maxTime) * ticksPerUnit);
            now = std::floor(anyTime(random, maxTime) * 1000) / 1000;  // the bar counts thousandths
        } else if (kind == 1) {
            restart = true;
            tick = static_cast<long>(firstTick);
            now = firstTick / ticksPerUnit;
        } else {
            now = static_cast<double>(++tick) / ticksPerUnit;
        }
        out.push_back({previous, now, restart});
    }
    return out;
}

struct Picture {
    int pixels;
    double ratio;
};

std::string name(const Picture& picture)
{
    return std::to_string(picture.pixels) + " px at " + std::to_string(picture.ratio);
}

// Runs the scene on two pictures, the train's and the plain loop's, comparing them after every step.
void expectSamePictures(const Picture& picture, const std::vector<Step>& sequence,
                        const std::function<void(surface::Canvas&, const Step&)>& train,
                        const std::function<void(surface::Canvas&, const Step&)>& plain)
{
    std::vector<std::string> messages;
    const surface::MessageSink previousSink =
        surface::SetMessageSink([&](const std::string& text) { messages.push_back(text); });
    surface::RasterCanvas moved(picture.pixels, picture.pixels, picture.ratio);
    surface::RasterCanvas reference(picture.pixels, picture.pixels, picture.ratio);
    moved.Scale(-100, 100, 100, -100);
    reference.Scale(-100, 100, 100, -100);
    for (std::size_t i = 0; i < sequence.size(); ++i) {
        const Step& step = sequence[i];
        if (step.restart) {
            moved.Cls();
            reference.Cls();
        }
        train(moved, step);
        plain(reference, step);
        ASSERT_TRUE(moved.image() == reference.image())
            << name(picture) << ", step " << i << " from " << step.previous << " to " << step.now;
        ASSERT_EQ(moved.DrawWidth(), reference.DrawWidth());
    }
    surface::SetMessageSink(previousSink);
    EXPECT_TRUE(messages.empty()) << messages.front();
}

constexpr Picture kPictures[] = {{768, 1.0}, {768, 1.5}, {768, 2.0}, {150, 1.0}, {150, 1.5}, {150, 2.0}};

void plainLinearTrain(surface::Canvas& eikona, const Step& step, double k)
{
    const double n = surface::Int(step.now / 0.02);
    for (double i = 0; i <= n; ++i)
        DrawLinearFronts(eikona, step.previous - i * 0.02, step.now - i * 0.02, 1000, k, 250, 250, 250);
}

void plainSquareRootTrain(surface::Canvas& SOURA1, const Step& step, double A)
{
    const double n = surface::Int(step.now / 0.25);
    for (double i = 0; i <= n; ++i)
        DrawSquareRootFronts(SOURA1, step.previous - i * 0.25, step.now - i * 0.25, A, 40, 250, 250, 250);
    DrawSquareRootRayField(SOURA1, A);
}

// The window's tick: the train, then the ray field put on from its stamp.
void squareRootTrain(SquareRootTrain& train, SquareRootRayField& field, surface::Canvas& SOURA1, const Step& step,
                     double A)
{
    train.Move(SOURA1, step.previous, step.now, A, 40);
    field.Draw(SOURA1, A);
}

class LinearTrainIdentity : public testing::TestWithParam<double> {};

TEST_P(LinearTrainIdentity, MatchesThePlainLoopUpToTwoThousandSeconds)
{
    const double k = GetParam();
    unsigned seed = k < 0 ? 100 : 200;
    for (const Picture& picture : kPictures) {
        std::mt19937 random(++seed);
        auto sequence = steps(random, 1000, 0, 8, 2000);
        if (&picture == &kPictures[0])
            sequence.push_back({1999.999, 2000});  // a hundred thousand fronts, once
        LinearTrain train;
        expectSamePictures(
            picture, sequence, [&](surface::Canvas& c, const Step& s) { train.Move(c, s.previous, s.now, 1000, k); },
            [&](surface::Canvas& c, const Step& s) { plainLinearTrain(c, s, k); });
    }
}

INSTANTIATE_TEST_SUITE_P(BothSigns, LinearTrainIdentity, testing::Values(-8.0, 8.0));

class SquareRootTrainIdentity : public testing::TestWithParam<double> {};

TEST_P(SquareRootTrainIdentity, MatchesThePlainLoopUpToFiveThousandTimeUnits)
{
    const double A = GetParam();
    unsigned seed = static_cast<unsigned>(A);
    // One field for every picture, as a window keeps one while its picture changes size and density.
    SquareRootRayField field;
    for (const Picture& picture : kPictures) {
        std::mt19937 random(++seed);
        // A restart ("start timer") resumes at the count 1, a fiftieth of a time unit.
        auto sequence = steps(random, 50, 1, 8, 5000);
        if (&picture == &kPictures[0])
            sequence.push_back({4999.98, 5000});  // twenty thousand fronts, once
        SquareRootTrain train;
        expectSamePictures(
            picture, sequence, [&](surface::Canvas& c, const Step& s) { squareRootTrain(train, field, c, s, A); },
            [&](surface::Canvas& c, const Step& s) { plainSquareRootTrain(c, s, A); });
    }
}

INSTANTIATE_TEST_SUITE_P(ThreeBasins, SquareRootTrainIdentity, testing::Values(500.0, 1000.0, 5000.0));

// Around the age at which fronts leave sight, for the trains whose oldest front in sight is just
// younger or just older than it: the last front that still reaches the picture is drawn.
TEST(TrainIdentity, AroundTheAgeAtWhichFrontsLeaveSight)
{
    for (const Picture& picture : {kPictures[0], kPictures[5]}) {
        surface::RasterCanvas probe(picture.pixels, picture.pixels, picture.ratio);
        probe.Scale(-100, 100, 100, -100);
        const surface::UserBox reach = *probe.Reach(5);
        for (const double k : {-8.0, 8.0}) {
            const double bound = LinearFrontsOutOfSight(1000, k, reach);
            std::vector<Step> sequence;
            for (const double shift : {-2e-3, -1e-3, -1e-9, 1e-9, 1e-3, 2e-3}) {
                const double now = bound + 40 * 0.02 + shift;
                sequence.push_back({now - 0.001, now});
            }
            LinearTrain train;
            expectSamePictures(
                picture, sequence,
                [&](surface::Canvas& c, const Step& s) { train.Move(c, s.previous, s.now, 1000, k); },
                [&](surface::Canvas& c, const Step& s) { plainLinearTrain(c, s, k); });
        }
        for (const double A : {500.0, 1000.0, 5000.0}) {
            const double bound = SquareRootFrontsOutOfSight(A, 40, reach);
            std::vector<Step> sequence;
            for (const double shift : {-0.02, -1e-9, 1e-9, 0.02})
                sequence.push_back({bound + 3 * 0.25 + shift - 0.02, bound + 3 * 0.25 + shift});
            SquareRootTrain train;
            SquareRootRayField field;
            expectSamePictures(
                picture, sequence, [&](surface::Canvas& c, const Step& s) { squareRootTrain(train, field, c, s, A); },
                [&](surface::Canvas& c, const Step& s) { plainSquareRootTrain(c, s, A); });
        }
    }
}

// A front older than the bound leaves a blank picture blank; for the square-root basins the
// bound is close to the last age at which a front still changes a pixel, so little is drawn in vain.
TEST(TrainIdentity, FrontsPastTheBoundDrawNothing)
{
    surface::RasterCanvas blank(150, 150, 2.0);
    blank.Scale(-100, 100, 100, -100);
    const surface::UserBox reach = *blank.Reach(5);
    const auto drawsAlone = [&](const std::function<void(surface::Canvas&)>& front) {
        surface::RasterCanvas canvas = blank;
        front(canvas);
        return canvas.image() != blank.image();
    };
    for (const double k : {-8.0, 8.0}) {
        const double bound = LinearFrontsOutOfSight(1000, k, reach);
        EXPECT_GT(bound, 0.25);
        EXPECT_LT(bound, 1.5);
        for (const double age : {bound, bound + 1e-6, bound + 0.02, bound + 1, 50.0, 2000.0})
            EXPECT_FALSE(drawsAlone([&](surface::Canvas& c) { DrawLinearFronts(c, age, age, 1000, k, 0, 0, 0); }))
                << "k " << k << ", age " << age;
    }
    for (const double A : {500.0, 1000.0, 5000.0}) {
        const double bound = SquareRootFrontsOutOfSight(A, 40, reach);
        EXPECT_TRUE(drawsAlone([&](surface::Canvas& c) {
            DrawSquareRootFronts(c, bound - 0.5, bound - 0.5, A, 40, 0, 0, 0);
        })) << "A "
            << A;
        for (const double age : {bound, bound + 1e-6, bound + 0.25, bound + 10, 300.0, 5000.0})
            EXPECT_FALSE(drawsAlone([&](surface::Canvas& c) { DrawSquareRootFronts(c, age, age, A, 40, 0, 0, 0); }))
                << "A " << A << ", age " << age;
    }
}

}  // namespace
