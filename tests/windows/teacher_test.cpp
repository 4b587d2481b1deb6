// The teacher's toolkit on the neutral surface: the picture leaves as a PNG of its very pixels,
// its menu and keys, KEYS with the focus going back, full screen, and the screen kept awake.
#include "headless/headless_backend.h"
#include "surface/form.h"
#include "surface/teacher.h"
#include "window_support.h"
#include "windows/introduction.h"
#include "windows/keys_window.h"
#include "windows/linear_case.h"
#include "windows/prepared_moment.h"
#include "windows/square_root_case.h"
#include "windows/teacher_windows.h"

#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_PNG
#define STBI_NO_STDIO
#include <stb_image.h>

#include <algorithm>
#include <memory>

namespace {

using linear::aktinon_sxedio;
using shell::KEYS;
using square_root::SQUARE_RIZA;
namespace teacher = surface::teacher;

class Teacher : public ::testing::Test {
protected:
    void SetUp() override { teacher_windows::Install(false); }
    void TearDown() override { teacher::InstallWindows(nullptr); }
    headless::HeadlessBackend& backend() { return headless::Headless(); }
    void newRun()
    {
        surface::Form::DropAll();
        surface::InstallBackend(std::make_unique<headless::HeadlessBackend>(1024, 768));
    }
};

// The PNG decoded, pixel by pixel against the store: the same size and the same colours, every
// pixel opaque.
void ExpectSamePixels(const std::vector<std::uint8_t>& png, const surface::PixelImage& store)
{
    int width = 0, height = 0, channels = 0;
    std::unique_ptr<stbi_uc, void (*)(void*)> rgb(
        stbi_load_from_memory(png.data(), static_cast<int>(png.size()), &width, &height, &channels, 3), stbi_image_free);
    ASSERT_TRUE(rgb) << "not a PNG";
    ASSERT_EQ(width, store.width());
    ASSERT_EQ(height, store.height());
    EXPECT_EQ(channels, 3);
    int different = 0;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const stbi_uc* p = rgb.get() + (static_cast<std::size_t>(y) * width + x) * 3;
            different += store.pixel(x, y) != surface::PackPixel(p[0], p[1], p[2]);
        }
    EXPECT_EQ(different, 0);
}

TEST_F(Teacher, ThePictureLeavesAsAPngOfItsOwnPixelsNamedForWhatItShows)
{
    // At a ratio of dense screens too: the file holds device pixels, not a scaled copy.
    for (const double ratio : {1.0, 2.0}) {
        SCOPED_TRACE(ratio);
        newRun();
        backend().SetDevicePixelRatio(ratio);
        prepared_moment::OpenLink("square-root&A=2000&T=4&stopped");
        const surface::PixelImage& store = SQUARE_RIZA::instance().controls().SOURA1->raster().image();
        ASSERT_EQ(store.width(), static_cast<int>(768 * ratio));

        ASSERT_TRUE(teacher::PressKey("Ctrl+C", false));
        ExpectSamePixels(backend().Clipboard().png, store);

        ASSERT_TRUE(teacher::PressKey("Shift+F10", false));
        EXPECT_EQ(backend().MenuShown(),
                  (std::vector<std::string>{"Copy picture", "Save picture\u2026", "Copy link to this moment"}));
        teacher::ChooseMenuItem(1);
        EXPECT_EQ(backend().Saved().text, "square-root-A2000-T4.000.png");
        ExpectSamePixels(backend().Saved().png, store);
        teacher::ChooseMenuItem(2);
        EXPECT_EQ(backend().Clipboard().text, "square-root&A=2000&stopped&T=4");
        teacher::ChooseMenuItem(7);  // no such item: nothing
        EXPECT_EQ(backend().Clipboard().text, "square-root&A=2000&stopped&T=4");
    }
}

TEST_F(Teacher, EachCasePictureIsNamedForItsLawAndTimeAndWithoutAPictureTheKeysGoOn)
{
    const auto savedAs = [this](const char* link) {
        newRun();
        prepared_moment::OpenLink(link);
        teacher::SavePicture();
        return backend().Saved().text;
    };
    EXPECT_EQ(savedAs("linear&k=down&t=0.35&stopped"), "linear-k-down-t0.350.png");
    EXPECT_EQ(savedAs("linear&angle=-12.5"), "linear-k-up-angle-12.5.png");
    // Opened, not yet ticked: the picture holds no front yet; once running, the latest tick's.
    EXPECT_EQ(savedAs("square-root&A=700"), "square-root-A700.png");
    for (int tick = 0; tick < 8; ++tick)
        backend().FireTimers();
    teacher::SavePicture();
    EXPECT_EQ(backend().Saved().text, "square-root-A700-T0.140.png");

    // The introduction has no picture of its own: Ctrl+C and the menu key are the controls' own.
    newRun();
    prepared_moment::OpenLink("");
    backend().ShowMenu({});
    EXPECT_FALSE(teacher::PressKey("Ctrl+C", false));
    EXPECT_FALSE(teacher::PressKey("ContextMenu", false));
    EXPECT_TRUE(backend().MenuShown().empty());
    // Keys that are no one's.
    EXPECT_FALSE(teacher::PressKey("F2", false));
    EXPECT_FALSE(teacher::PressKey("?", false));
}

TEST_F(Teacher, KeysListsTheWindowInFrontAndGivesTheFocusBack)
{
    prepared_moment::OpenLink("linear");
    aktinon_sxedio::Controls& c = aktinon_sxedio::instance().controls();
    c.XRONOS->TakeFocus();
    ASSERT_TRUE(teacher::PressKey("F1", false));
    KEYS& keys = KEYS::instance();
    ASSERT_TRUE(keys.InFront());
    EXPECT_TRUE(backend().Dialog(keys));
    EXPECT_EQ(backend().Focused(), "KEYS: CLOSE");
    std::vector<std::string> lines;
    for (const auto& label : keys.controls().lines)
        lines.push_back(label->Caption());
    const std::vector<std::string> expected{
        "Tab, Shift+Tab: the next or the previous control",
        "Arrow keys: choose increase  upwards, decrease upwards",
        "Space: ALTERNATIVELY SHOW WAVEFRONTS AND RAYS OR ONLY RAYS",
        "Arrow keys, Page Up, Page Down, Home, End: time",
        "Space: SHOW ONLY WAVE FRONTS",
        "Space: BACK TO INTRODUTION",
        "Space: END",
        "Space: TIME",
        "Space: STOP TIMER",
        "Space: SINGLE RAY",
        "Space: START AGAIN",
        "F11: full screen, or back",
        "Ctrl+C: copy the picture",
        "Shift+F10, Menu: the picture's menu",
        "F1: these keys",
        "Escape: close these keys",
    };
    EXPECT_EQ(lines, expected);
    EXPECT_TRUE(support::LayoutFaults(keys).empty());

    ASSERT_TRUE(teacher::PressKey("Escape", false));
    EXPECT_FALSE(keys.Visible());
    EXPECT_TRUE(aktinon_sxedio::instance().InFront());
    EXPECT_EQ(backend().Focused(), "SORVEL: time");
    EXPECT_FALSE(teacher::PressKey("Escape", false));  // nothing to close: the key goes on

    // The start-angle bar, once shown, is a key of the window too; KEYS' close button closes it.
    c.Command5->UserClick();
    c.VScroll1->TakeFocus();
    teacher::PressKey("F1", false);
    const auto& shown = keys.controls().lines;
    EXPECT_TRUE(std::any_of(shown.begin(), shown.end(), [](const auto& label) {
        return label->Caption() == "Arrow keys, Page Up, Page Down, Home, End: start angle of the single ray";
    }));
    keys.controls().Close->UserClick();
    EXPECT_FALSE(keys.Visible());
    EXPECT_EQ(backend().Focused(), "SORVEL: start angle of the single ray");

    // Closed while the window manager has the keyboard focus for a moment (KEYS gone, the case
    // window not yet given it): the case window is in front again, and F11 is its key.
    teacher::PressKey("F1", false);
    backend().SetActive(false);
    ASSERT_TRUE(teacher::PressKey("Escape", false));
    backend().SetActive(true);
    EXPECT_TRUE(aktinon_sxedio::instance().InFront());
    ASSERT_TRUE(teacher::PressKey("F11", false));
    EXPECT_TRUE(aktinon_sxedio::instance().FullScreen());
}

TEST_F(Teacher, TheFirstWindowTakesTheKeysThoughTheWindowManagerHeldTheFocusAsItShowed)
{
    // As at start-up under a window manager: the window shows without being brought to the front.
    backend().SetActive(false);
    prepared_moment::OpenLink("square-root&stopped");
    backend().SetActive(true);
    ASSERT_TRUE(teacher::PressKey("F11", false));
    EXPECT_TRUE(SQUARE_RIZA::instance().FullScreen());
    ASSERT_TRUE(teacher::PressKey("F1", false));
    ASSERT_TRUE(teacher::PressKey("Escape", false));
    EXPECT_TRUE(SQUARE_RIZA::instance().InFront());
}

TEST_F(Teacher, OnThePageQuestionMarkOpensKeysAndIsListed)
{
    teacher_windows::Install(true);
    prepared_moment::OpenLink("square-root");
    ASSERT_TRUE(teacher::PressKey("?", true));
    const auto& lines = KEYS::instance().controls().lines;
    EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [](const auto& l) { return l->Caption() == "F1, ?: these keys"; }));
    EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [](const auto& l) { return l->Caption() == "Type: value of A"; }));
}

TEST_F(Teacher, FullScreenGivesTheFrameToTheLayoutAndChangesNothingAUserSet)
{
    backend().SetFrame(8, 30);
    prepared_moment::OpenLink("square-root&A=2000&T=4&stopped");
    SQUARE_RIZA& form = SQUARE_RIZA::instance();
    SQUARE_RIZA::Controls& c = form.controls();
    const float framed = form.ClientHeight();
    const std::string text = c.Text1->Text();

    ASSERT_TRUE(teacher::PressKey("F11", false));
    EXPECT_TRUE(backend().FullScreen(form));
    EXPECT_EQ(form.ClientHeight(), form.Height());
    EXPECT_EQ(form.ClientWidth(), form.Width());
    EXPECT_TRUE(support::LayoutFaults(form).empty());
    EXPECT_EQ(c.HScroll1->Value(), 2000);
    EXPECT_EQ(c.XRONOS->Value(), 4000);
    EXPECT_EQ(c.Text1->Text(), text);
    EXPECT_FALSE(c.Timer1->Enabled());

    teacher::PressKey("F11", false);
    EXPECT_FALSE(backend().FullScreen(form));
    EXPECT_EQ(form.ClientHeight(), framed);

    // The page left full screen by itself: the window is framed again.
    teacher::PressKey("F11", false);
    surface::Form::FullScreenEnded();
    EXPECT_FALSE(form.FullScreen());
    EXPECT_EQ(form.ClientHeight(), framed);
}

TEST_F(Teacher, TheScreenStaysAwakeWhileAnAnimationRunsInFront)
{
    prepared_moment::OpenLink("linear");
    aktinon_sxedio::Controls& c = aktinon_sxedio::instance().controls();
    EXPECT_EQ(backend().KeptAwake(), std::vector<bool>{true});
    c.Command4->UserClick();  // STOP TIMER
    c.Command3->UserClick();  // TIME
    backend().FireTimers();
    c.Command1->UserClick();  // BACK TO INTRODUTION: the animation runs behind
    EXPECT_EQ(backend().KeptAwake(), (std::vector<bool>{true, false, true, false}));
    c.Command2->UserClick();  // END: already released, said no more
    EXPECT_EQ(backend().KeptAwake(), (std::vector<bool>{true, false, true, false}));

    newRun();
    prepared_moment::OpenLink("square-root");
    SQUARE_RIZA::instance().controls().Command2->UserClick();  // END while it runs
    EXPECT_EQ(backend().KeptAwake(), (std::vector<bool>{true, false}));
}

}  // namespace
