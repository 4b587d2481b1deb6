// KEYS: a small dialog that lists the keys of the window in front and the program's own keys,
// and gives the focus back where it was when it closes.
#pragma once

#include "surface/controls.h"
#include "surface/form.h"

#include <memory>
#include <vector>

namespace shell {

struct KEYSControls {
    std::vector<std::unique_ptr<surface::Label>> lines;
    std::unique_ptr<surface::CommandButton> Close;
};

class KEYS : public surface::FormOf<KEYS, KEYSControls> {
public:
    using Controls = KEYSControls;

    // Lists the keys of the window in front (none: only the program's) and shows the dialog with
    // the focus on its close button. Opened again, it lists the window it was opened over.
    void Open(bool onPage);
    // Closes the dialog (Escape, its close button); false when it was not open.
    bool CloseDialog();

    // Centred on the screen, as tall as its lines, never past the screen's edges.
    void LayOut() override;

protected:
    void MakeControls(surface::WindowPeer& window, Controls& c) override;
    void Closed() override;

private:
    friend FormOf;
    KEYS();
    void Close_Click();

    std::vector<std::string> text_;      // the lines of the window it was opened over
    surface::Form* returnTo_ = nullptr;  // that window, and the control that held the focus there
    const surface::Control* returnFocus_ = nullptr;
};

}  // namespace shell
