// The introduction window: choose a case, open it, read the theory or end the program.
#pragma once

#include "surface/controls.h"
#include "surface/form.h"

#include <memory>

namespace shell {

struct INTRODControls {
    surface::OptionGroup options;
    std::unique_ptr<surface::OptionButton> Option1, Option2;
    std::unique_ptr<surface::CommandButton> Command1;
    std::unique_ptr<surface::Picture> Picture1, Picture2;
    std::unique_ptr<surface::CommandButton> Command2, Command3;
};

class INTROD : public surface::FormOf<INTROD, INTRODControls> {
public:
    using Controls = INTRODControls;

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Option1_Click();
    void Option2_Click();

protected:
    void MakeControls(surface::WindowPeer& window, Controls& c) override;

private:
    friend FormOf;
    INTROD();
};

}  // namespace shell
