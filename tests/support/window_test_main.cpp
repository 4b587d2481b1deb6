// Runs window tests offscreen at 1024 × 768 with messages captured instead of shown.
#include "surface/form.h"
#include "surface/twips.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    surface::SetScreenSizeForTesting(1024, 768);
    ::testing::InitGoogleTest(&argc, argv);
    const int code = RUN_ALL_TESTS();
    surface::Form::DestroyAll();
    return code;
}
