// The teacher's toolkit beside the windows: the program's own keys, the picture's menu, copying
// and saving the picture, full screen and keeping the screen awake. The rules are here; a back
// end forwards keys and choices, shows what it is told and hands bytes on.
#pragma once

#include <string>
#include <vector>

namespace surface {

class Picture;

namespace teacher {

enum class Action { FullScreen, CopyPicture, PictureMenu, Keys, CloseKeys };

// A key of the program's own: the names back ends give it, what it does and what KEYS says of it.
struct ProgramKey {
    std::vector<std::string> names;  // as a back end forwards them: "F11", "Ctrl+C", "Shift+F10"
    std::string shown;               // as KEYS shows it
    std::string does;
    Action action;
    bool pageOnly;  // "?" opens KEYS on the page alone: on the desktop it is a character to type
};
const std::vector<ProgramKey>& ProgramKeys();

// A key pressed anywhere in the program, by its name ("F11", "Ctrl+C", "Shift+F10",
// "ContextMenu", "F1", "?", "Escape"; ⌘C arrives as "Ctrl+C"). True where the program took it;
// a key it does not take goes on to the control as before.
bool PressKey(const std::string& name, bool onPage);

// The items of the picture's menu, in order, and what choosing one does.
enum class MenuItem { CopyPicture, SavePicture, CopyLink };
const std::vector<std::string>& MenuItemTexts();
// The menu is asked for on this picture (its right button, a long press); the keys come through PressKey.
void OpenMenu(Picture& picture);
// The user chose item `index` of the menu last shown; an index no item has does nothing.
void ChooseMenuItem(int index);

// The picture of the window in front as a PNG, to the clipboard, to a file named for what it
// shows, and the words of its moment to the clipboard; nothing where the window has no picture.
void CopyPicture();
void SavePicture();
void CopyLink();

// The window in front fills its screen, or leaves full screen.
void ToggleFullScreen();

// Tells the back end whether to keep the screen awake: while an animation runs in the window in
// front, and no longer once it stops, its window goes behind or the program ends. Called wherever
// that may change; the back end hears only of a change.
void UpdateKeepAwake();

// What the windows tell the toolkit, installed by them at start-up.
class Windows {
public:
    virtual ~Windows() = default;
    // The picture of the window in front, or null where it has none.
    virtual Picture* PictureInFront() = 0;
    // What that picture is saved as, and the words of the moment the window in front shows.
    virtual std::string PictureFileName() = 0;
    virtual std::string LinkToFront() = 0;
    // An animation runs in the window in front.
    virtual bool AnimationInFront() = 0;
    // Opens KEYS for the window in front, or closes it; false when it was not open.
    virtual void OpenKeys() = 0;
    virtual bool CloseKeys() = 0;
};
// Null uninstalls them (a new run).
void InstallWindows(Windows* windows);

}  // namespace teacher
}  // namespace surface
