// The theory window: a fixed explanatory text beside the two formula images.
#pragma once

#include "surface/controls.h"
#include "surface/form.h"

#include <memory>

namespace shell {

class EXPALANATIONS : public surface::Form {
public:
    static EXPALANATIONS& instance();

    struct Controls {
        std::unique_ptr<surface::TextBox> Text1;
        std::unique_ptr<surface::Picture> Picture2, Picture1;
    };
    Controls& controls();

    // Stretches the window over the screen, restores the text at 15 points and shows it.
    void Fill();

protected:
    void CreateControls(QWidget* window) override;
    void DestroyControls() override { controls_.reset(); }

private:
    EXPALANATIONS();
    std::unique_ptr<Controls> controls_;
};

}  // namespace shell
