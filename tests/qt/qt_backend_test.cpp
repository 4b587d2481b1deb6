// The Qt back end shows what the surface holds and forwards what the user does: wrapped captions,
// pictures painted from their pixel store, bars and text boxes edited in the widgets, frames closed.
#include "canvas/message_box.h"
#include "qt_support.h"
#include "windows/linear_case.h"
#include "windows/theory_window.h"
#include "windows/introduction.h"
#include "windows/square_root_case.h"
#include "windows/startup.h"

#include <QApplication>
#include <QCheckBox>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>

#include <set>

namespace {

using linear::aktinon_sxedio;
using shell::INTROD;
using square_root::SQUARE_RIZA;

TEST(QtBackend, LongCaptionsWrapWithinTheirWidgetAndKeepTheirText)
{
    sorvel_kampyles::ShowLinearCase();
    const surface::CheckBox& check = *aktinon_sxedio::instance().controls().Check1;
    auto* box = static_cast<QCheckBox*>(support::WidgetOf(check));
    EXPECT_EQ(check.Caption(), "ALTERNATIVELY SHOW WAVEFRONTS AND RAYS OR ONLY RAYS");
    EXPECT_TRUE(box->text().contains(QLatin1Char('\n')));
    EXPECT_LE(box->sizeHint().width(), box->width());
    EXPECT_EQ(box->accessibleName().toStdString(), check.Caption());
}

// What a picture's widget shows, read back from the widget itself.
QImage shown(const surface::Picture& picture)
{
    return support::WidgetOf(picture)->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

TEST(QtBackend, PicturesShowTheirPixelStoreAndTheFormulasTheirBorder)
{
    sorvel_kampyles::ShowLinearCase();
    aktinon_sxedio& linear = aktinon_sxedio::instance();
    linear.Timer1_Timer();
    const surface::Picture& eikona = *linear.controls().eikona;
    const QImage image = shown(eikona);
    const surface::PixelImage& pixels = eikona.raster().image();
    ASSERT_EQ(image.width(), pixels.width());
    ASSERT_EQ(image.height(), pixels.height());
    int differing = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            differing += (image.pixel(x, y) & 0xffffff) != (pixels.pixel(x, y) & 0xffffff);
    EXPECT_EQ(differing, 0);

    // The formula image sits inside a one-pixel border; its glyphs are RGB(4, 4, 4).
    shell::StartUp();
    const QImage formula = shown(*INTROD::instance().controls().Picture2);
    EXPECT_NE(formula.pixel(0, 0) & 0xffffff, 0xffffffu);
    int glyphs = 0;
    for (int y = 1; y < 23; ++y)
        for (int x = 1; x < 129; ++x)
            glyphs += (formula.pixel(x, y) & 0xffffff) == 0x040404;
    EXPECT_GT(glyphs, 100);
}

TEST(QtBackend, PrintedTextIsAliasedInTheForeColour)
{
    sorvel_kampyles::ShowLinearCase();  // the time marks print their labels, 0.00 to 0.38
    const surface::PixelImage& pixels = aktinon_sxedio::instance().controls().eikona->raster().image();
    std::set<std::uint32_t> colours;
    for (int y = 0; y < pixels.height(); ++y)
        for (int x = 0; x < pixels.width(); ++x)
            colours.insert(pixels.pixel(x, y) & 0xffffff);
    // Background, axes and labels, red rays, purple marks: no shade between them.
    EXPECT_EQ(colours, (std::set<std::uint32_t>{0xffffff, 0x000000, 0xff0000, 0x963796}));
}

TEST(QtBackend, BarsAndTextBoxesForwardWhatTheUserDoes)
{
    sorvel_kampyles::ShowSquareRootCase();
    SQUARE_RIZA& square = SQUARE_RIZA::instance();
    auto* bar = static_cast<QScrollBar*>(support::WidgetOf(*square.controls().HScroll1));
    bar->triggerAction(QAbstractSlider::SliderPageStepAdd);  // a click in the trough
    EXPECT_EQ(square.controls().HScroll1->Value(), 1100);
    EXPECT_EQ(square.controls().Text1->Text(), " A = 1100");

    shell::StartUp();
    INTROD::instance().Command3_Click();  // EXPLANATIONS
    auto& theory = *shell::EXPALANATIONS::instance().controls().Text1;
    auto* edit = static_cast<QPlainTextEdit*>(support::WidgetOf(theory));
    edit->moveCursor(QTextCursor::End);
    QTest::keyClicks(edit, "zz");
    EXPECT_EQ(theory.Text().substr(theory.Text().size() - 2), "zz");
    EXPECT_EQ(edit->font().pointSizeF(), 15);
}

TEST(QtBackend, ClosingByTheFrameDropsTheControlsAndStopsTheTimer)
{
    sorvel_kampyles::ShowSquareRootCase();
    SQUARE_RIZA& square = SQUARE_RIZA::instance();
    square.METRITIS_SQUARE = 77;
    QWidget* window = support::WidgetOf(*square.controls().SOURA1)->window();
    EXPECT_EQ(window->windowTitle(), "CASE OF SQUARE ROOT");
    window->close();
    EXPECT_FALSE(square.IsLoaded());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();  // a tick due now would reach a window that is gone
    EXPECT_FALSE(square.IsLoaded());
    sorvel_kampyles::ShowSquareRootCase();
    EXPECT_EQ(square.controls().HScroll1->Value(), 1000);
    EXPECT_EQ(square.METRITIS_SQUARE, 77);
}

}  // namespace
