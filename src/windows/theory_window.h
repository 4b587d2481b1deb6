// The theory window: a fixed explanatory text beside the two formula images.
#pragma once

#include "surface/controls.h"
#include "surface/form.h"

#include <memory>

namespace shell {

struct EXPALANATIONSControls {
    std::unique_ptr<surface::TextBox> Text1;
    std::unique_ptr<surface::Picture> Picture2, Picture1;
};

class EXPALANATIONS : public surface::FormOf<EXPALANATIONS, EXPALANATIONSControls> {
public:
    using Controls = EXPALANATIONSControls;

    // Stretches the window over the screen, restores the text at 15 points and shows it.
    void Fill();

    // Over the screen, with the formulas and the text inside the window's edges.
    void LayOut() override;

protected:
    void MakeControls(surface::WindowPeer& window, Controls& c) override;

private:
    friend FormOf;
    EXPALANATIONS();
};

}  // namespace shell
