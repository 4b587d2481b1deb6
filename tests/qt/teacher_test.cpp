// The teacher's toolkit on the desktop, offscreen: real key presses reach the surface, the
// clipboard and the file hold the picture's own pixels, the menu shows its items, KEYS gives the
// focus back, and full screen takes the window's frame away.
#include "qt/picture_export.h"
#include "qt_support.h"
#include "surface/teacher.h"
#include "windows/keys_window.h"
#include "windows/linear_case.h"
#include "windows/prepared_moment.h"
#include "windows/square_root_case.h"
#include "windows/teacher_windows.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QImage>
#include <QMenu>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>

namespace {

using linear::aktinon_sxedio;
using shell::KEYS;
using square_root::SQUARE_RIZA;

class QtTeacher : public ::testing::Test {
protected:
    void SetUp() override { teacher_windows::Install(false); }
    void TearDown() override { surface::teacher::InstallWindows(nullptr); }
};

// Decoded by the toolkit's own PNG reader, not the encoder's library: the same pixels as the store.
int differingPixels(const QByteArray& png, const surface::PixelImage& store)
{
    const QImage image = QImage::fromData(png, "PNG").convertToFormat(QImage::Format_RGB32);
    if (image.width() != store.width() || image.height() != store.height())
        return -1;
    int differing = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            differing += image.pixel(x, y) != store.pixel(x, y);
    return differing;
}

TEST_F(QtTeacher, CtrlCAndTheMenuHandThePicturesOwnPixelsToTheClipboardAndAFile)
{
    prepared_moment::OpenLink("square-root&A=2000&T=4&stopped");
    const surface::Picture& picture = *SQUARE_RIZA::instance().controls().SOURA1;
    QWidget* bar = support::WidgetOf(*SQUARE_RIZA::instance().controls().XRONOS);
    QTest::keyClick(bar, Qt::Key_C, Qt::ControlModifier);
    const QMimeData* copied = QGuiApplication::clipboard()->mimeData();
    ASSERT_TRUE(copied && copied->hasFormat("image/png"));
    EXPECT_EQ(differingPixels(copied->data("image/png"), picture.raster().image()), 0);

    // The right button opens the menu of the three items; "Save picture…" writes the file.
    QTemporaryDir folder;
    std::string suggested;
    const qt::SavePathChooser before = qt::SetSavePathChooser([&](const std::string& name) {
        suggested = name;
        return folder.filePath(QString::fromStdString(name)).toStdString();
    });
    QWidget* box = support::WidgetOf(picture);
    QContextMenuEvent rightButton(QContextMenuEvent::Mouse, box->rect().center(), box->mapToGlobal(box->rect().center()));
    QApplication::sendEvent(box, &rightButton);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_TRUE(menu);
    QStringList texts;
    for (const QAction* action : menu->actions())
        texts << action->text();
    EXPECT_EQ(texts, QStringList({"Copy picture", "Save picture\u2026", "Copy link to this moment"}));
    menu->actions()[1]->trigger();
    menu->close();
    qt::SetSavePathChooser(before);
    EXPECT_EQ(suggested, "square-root-A2000-T4.000.png");
    QFile saved(folder.filePath(QString::fromStdString(suggested)));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(differingPixels(saved.readAll(), picture.raster().image()), 0);

    surface::teacher::ChooseMenuItem(2);
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), "square-root&A=2000&stopped&T=4");
}

TEST_F(QtTeacher, F1OpensKeysAsADialogAndEscapeGivesTheFocusBack)
{
    prepared_moment::OpenLink("linear");
    QWidget* time = support::WidgetOf(*aktinon_sxedio::instance().controls().XRONOS);
    // The offscreen platform activates no window by itself: the test does, as a click would.
    QApplication::setActiveWindow(time->window());
    time->setFocus();
    QTest::keyClick(time, Qt::Key_F1);
    KEYS& keys = KEYS::instance();
    ASSERT_TRUE(keys.Visible());
    QWidget* dialog = support::WidgetOf(*keys.controls().Close)->window();
    EXPECT_EQ(dialog->windowTitle(), "KEYS");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(dialog)->role(), QAccessible::Dialog);
    QWidget* close = support::WidgetOf(*keys.controls().Close);
    EXPECT_EQ(dialog->focusWidget(), close);

    QApplication::setActiveWindow(dialog);
    QTest::keyClick(close, Qt::Key_Escape);
    EXPECT_FALSE(keys.Visible());
    EXPECT_EQ(time->window()->focusWidget(), time);
}

TEST_F(QtTeacher, F11FillsTheScreenWithTheWindowAndBack)
{
    prepared_moment::OpenLink("linear&t=0.3");
    aktinon_sxedio& form = aktinon_sxedio::instance();
    QWidget* window = support::WidgetOf(*form.controls().eikona)->window();
    QTest::keyClick(support::WidgetOf(*form.controls().Command3), Qt::Key_F11);
    EXPECT_TRUE(window->isFullScreen());
    EXPECT_TRUE(form.FullScreen());
    EXPECT_EQ(form.controls().XRONOS->Value(), 300);
    QTest::keyClick(support::WidgetOf(*form.controls().Command3), Qt::Key_F11);
    EXPECT_FALSE(window->isFullScreen());
    EXPECT_FALSE(form.FullScreen());
}

}  // namespace
