// The theory window's design values and the filling done by "EXPLANATIONS".
#include "windows/theory_window.h"

#include "windows/formula_images.h"
#include "windows/spoken.h"
#include "windows/theory_text.h"

#include <algorithm>

namespace shell {

namespace {
constexpr double kTextPoints = 15;  // large enough to read from the back of a classroom
constexpr surface::TwipsRect kText{720, 840, 12135, 7935};
constexpr surface::TwipsRect kLinearLaw{13080, 1920, 2175, 615};
constexpr surface::TwipsRect kSquareRootLaw{13080, 2520, 2055, 495};
// Between the text's right edge and the formulas, as designed.
constexpr float kGap = kLinearLaw.left - (kText.left + kText.width);
}  // namespace

EXPALANATIONS::EXPALANATIONS() : FormOf("THEORY", 14760, 13425)
{
}

void EXPALANATIONS::MakeControls(surface::WindowPeer& window, Controls& c)
{
    c.Text1 = std::make_unique<surface::TextBox>(window, "Text1", kText, true);
    c.Picture2 = std::make_unique<surface::Picture>(window, kLinearLaw);
    c.Picture2->SetImage(assets::LinearLawImage());
    c.Picture1 = std::make_unique<surface::Picture>(window, kSquareRootLaw);
    c.Picture1->SetImage(assets::SquareRootLawImage());
    c.Text1->SetAccessibleName("theory");
    c.Picture2->SetAccessibleName("formula of the speed linear in y");
    c.Picture1->SetAccessibleName("formula of the speed as the square root of a linear function of y");
    c.Picture2->SetDescription(spoken::kLinearLaw);
    c.Picture1->SetDescription(spoken::kSquareRootLaw);
    SetTabOrder(window, {c.Text1.get()});
}

// On a screen narrower than the design's, the formulas move in from the right edge and the text
// narrows to keep its gap to them. A narrower text wraps into more lines, so the box grows down
// as it narrows, keeping its area, as far as the window's bottom edge; on a short screen it ends
// there. Only where that is still too little (a page zoomed to twice on a small laptop) does the
// text scroll within its box.
void EXPALANATIONS::LayOut()
{
    CoverScreen();
    Controls& c = controls();
    const float right = ClientWidth();
    c.Picture2->SetLeft(std::min(kLinearLaw.left, right - kLinearLaw.width));
    c.Picture1->SetLeft(std::min(kSquareRootLaw.left, right - kSquareRootLaw.width));
    const float width = std::min(kText.width, std::min(c.Picture2->Left(), c.Picture1->Left()) - kGap - kText.left);
    c.Text1->SetWidth(width);
    c.Text1->SetHeight(std::min(kText.height * kText.width / width, ClientHeight() - kText.top));
}

void EXPALANATIONS::Fill()
{
    LayOut();
    controls().Text1->SetFontSize(kTextPoints);
    controls().Text1->SetText(TheoryText());
    Show();
}

}  // namespace shell
