// Runs window tests on the headless back end: every test starts from freshly created forms on a
// 1024 × 768 screen, whatever ran before it, so tests pass in any order in one process.
#include "headless/headless_backend.h"
#include "surface/form.h"

#include <gtest/gtest.h>

namespace {

class FreshRun : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override
    {
        surface::Form::DropAll();
        surface::InstallBackend(std::make_unique<headless::HeadlessBackend>(1024, 768));
    }
    void OnTestEnd(const ::testing::TestInfo&) override { surface::Form::DropAll(); }
};

}  // namespace

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new FreshRun);
    const int code = RUN_ALL_TESTS();
    surface::Form::DropAll();
    surface::InstallBackend(nullptr);
    return code;
}
