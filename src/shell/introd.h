// The introduction window: choose a case, open it, read the theory or end the program.
#pragma once

#include "surface/controls.h"
#include "surface/form.h"

#include <memory>

namespace shell {

class INTROD : public surface::Form {
public:
    static INTROD& instance();

    struct Controls {
        std::unique_ptr<surface::OptionButton> Option1, Option2;
        std::unique_ptr<surface::CommandButton> Command1;
        std::unique_ptr<surface::Picture> Picture1, Picture2;
        std::unique_ptr<surface::CommandButton> Command2, Command3;
    };
    // The controls, loading the window first if it is not loaded.
    Controls& controls();

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Option1_Click();
    void Option2_Click();

protected:
    void CreateControls(QWidget* window) override;
    void DestroyControls() override { controls_.reset(); }

private:
    INTROD();
    std::unique_ptr<Controls> controls_;
};

}  // namespace shell
