// The theory window's design values and the filling done by "EXPLANATIONS".
#include "windows/expalanations.h"

#include "windows/formula_images.h"
#include "windows/spoken.h"
#include "windows/theory_text.h"

namespace shell {

namespace {
constexpr double kTextPoints = 15;  // large enough to read from the back of a classroom
}

EXPALANATIONS::EXPALANATIONS() : FormOf("THEORY", 14760, 13425)
{
}

void EXPALANATIONS::MakeControls(surface::WindowPeer& window, Controls& c)
{
    c.Text1 = std::make_unique<surface::TextBox>(window, "Text1", surface::TwipsRect{720, 840, 12135, 7935}, true);
    c.Picture2 = std::make_unique<surface::Picture>(window, surface::TwipsRect{13080, 1920, 2175, 615});
    c.Picture2->SetImage(assets::LinearLawImage());
    c.Picture1 = std::make_unique<surface::Picture>(window, surface::TwipsRect{13080, 2520, 2055, 495});
    c.Picture1->SetImage(assets::SquareRootLawImage());
    c.Text1->SetAccessibleName("theory");
    c.Picture2->SetAccessibleName("formula of the speed linear in y");
    c.Picture1->SetAccessibleName("formula of the speed as the square root of a linear function of y");
    c.Picture2->SetDescription(spoken::kLinearLaw);
    c.Picture1->SetDescription(spoken::kSquareRootLaw);
    SetTabOrder(window, {c.Text1.get()});
}

void EXPALANATIONS::Fill()
{
    CoverScreen();
    controls().Text1->SetFontSize(kTextPoints);
    controls().Text1->SetText(TheoryText());
    Show();
}

}  // namespace shell
