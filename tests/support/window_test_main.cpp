// Runs window tests offscreen at 1024 × 768 with messages captured instead of shown.
#include "surface/form.h"
#include "surface/twips.h"

#include <QApplication>

#include <gtest/gtest.h>

namespace {

// The offscreen platform cannot stack windows; that is what it says on every Show, and only that.
QtMessageHandler previousHandler = nullptr;

void quietAboutRaising(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.contains(QStringLiteral("does not support raise")))
        return;
    if (previousHandler)
        previousHandler(type, context, message);
}

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    previousHandler = qInstallMessageHandler(quietAboutRaising);
    QApplication app(argc, argv);
    surface::SetScreenSizeForTesting(1024, 768);
    ::testing::InitGoogleTest(&argc, argv);
    const int code = RUN_ALL_TESTS();
    surface::Form::DestroyAll();
    return code;
}
