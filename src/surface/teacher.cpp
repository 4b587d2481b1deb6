// The teacher's toolkit: the table of the program's own keys, the picture's menu and what each
// of them does, through the windows' answers and the back end's hands.
#include "surface/teacher.h"

#include "canvas/png.h"
#include "surface/application.h"
#include "surface/backend.h"
#include "surface/controls.h"
#include "surface/form.h"

namespace surface::teacher {
namespace {

Windows* windows = nullptr;

// What the back end was last told about keeping the screen awake, in which run.
struct Awake {
    int run = 0;
    bool told = false;
};
Awake awake;

}  // namespace

const std::vector<ProgramKey>& ProgramKeys()
{
    // ⌘C on Apple devices arrives as Ctrl+C: the back ends name the platform's copy key so.
    static const std::vector<ProgramKey> keys{
        {{"F11"}, "F11", "full screen, or back", Action::FullScreen, false},
        {{"Ctrl+C"}, "Ctrl+C", "copy the picture", Action::CopyPicture, false},
        {{"Shift+F10", "ContextMenu"}, "Shift+F10, Menu", "the picture's menu", Action::PictureMenu, false},
        {{"F1"}, "F1", "these keys", Action::Keys, false},
        {{"?"}, "?", "these keys", Action::Keys, true},
        {{"Escape"}, "Escape", "close these keys", Action::CloseKeys, false},
    };
    return keys;
}

const std::vector<std::string>& MenuItemTexts()
{
    static const std::vector<std::string> items{"Copy picture", "Save picture\u2026", "Copy link to this moment"};
    return items;
}

void InstallWindows(Windows* installed)
{
    windows = installed;
}

bool PressKey(const std::string& name, bool onPage)
{
    if (!windows || EndRequested())
        return false;
    // A character ("?") typed into a text box is the box's.
    if (name.size() == 1 && dynamic_cast<const TextBox*>(TheBackend().FocusedControl()))
        return false;
    for (const ProgramKey& key : ProgramKeys()) {
        if (key.pageOnly && !onPage)
            continue;
        for (const std::string& keyName : key.names) {
            if (keyName != name)
                continue;
            switch (key.action) {
            case Action::FullScreen: ToggleFullScreen(); return true;
            case Action::CopyPicture:
                // Without a picture in front the key is the control's own (a text box copies its text).
                if (!windows->PictureInFront())
                    return false;
                CopyPicture();
                return true;
            case Action::PictureMenu:
                if (Picture* picture = windows->PictureInFront()) {
                    OpenMenu(*picture);
                    return true;
                }
                return false;
            case Action::Keys: windows->OpenKeys(); return true;
            case Action::CloseKeys: return windows->CloseKeys();
            }
        }
    }
    return false;
}

void OpenMenu(Picture& picture)
{
    static_cast<PicturePeer&>(picture.peer()).ShowMenu(MenuItemTexts());
}

void ChooseMenuItem(int index)
{
    switch (index) {
    case static_cast<int>(MenuItem::CopyPicture): CopyPicture(); break;
    case static_cast<int>(MenuItem::SavePicture): SavePicture(); break;
    case static_cast<int>(MenuItem::CopyLink): CopyLink(); break;
    default: break;
    }
}

void CopyPicture()
{
    if (Picture* picture = windows ? windows->PictureInFront() : nullptr)
        TheBackend().CopyPng(windows->PictureFileName(), EncodePng(picture->raster().image()));
}

void SavePicture()
{
    if (Picture* picture = windows ? windows->PictureInFront() : nullptr)
        TheBackend().SavePng(windows->PictureFileName(), EncodePng(picture->raster().image()));
}

void CopyLink()
{
    if (windows)
        TheBackend().CopyLink(windows->LinkToFront());
}

void ToggleFullScreen()
{
    if (Form* form = Form::Front())
        form->SetFullScreen(!form->FullScreen());
}

void UpdateKeepAwake()
{
    if (awake.run != CurrentRun())
        awake = {CurrentRun(), false};
    const bool wanted = windows && !EndRequested() && windows->AnimationInFront();
    if (wanted == awake.told)
        return;
    awake.told = wanted;
    TheBackend().KeepAwake(wanted);
}

}  // namespace surface::teacher
