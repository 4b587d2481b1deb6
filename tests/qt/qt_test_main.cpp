// Runs the Qt back end's tests offscreen: every test starts from freshly created forms and widgets.
#include "qt/program_scale.h"
#include "qt/qt_backend.h"
#include "surface/form.h"

#include <QApplication>

#include <gtest/gtest.h>

namespace {

void dropEveryForm()
{
    surface::Form::DropAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

class FreshRun : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override
    {
        dropEveryForm();
        surface::InstallBackend(std::make_unique<qt::QtBackend>());
    }
    void OnTestEnd(const ::testing::TestInfo&) override { dropEveryForm(); }
};

}  // namespace

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qt::ApplyProgramScale(argc, argv);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new FreshRun);
    const int code = RUN_ALL_TESTS();
    dropEveryForm();
    surface::InstallBackend(nullptr);
    return code;
}
