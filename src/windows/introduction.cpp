// The introduction window's design values and handlers.
#include "windows/introduction.h"

#include "windows/formula_images.h"
#include "windows/navigation.h"
#include "windows/spoken.h"

namespace shell {

INTROD::INTROD() : FormOf("INTRODUCTION", 5880, 5430)
{
}

void INTROD::MakeControls(surface::WindowPeer& w, Controls& c)
{
    using F = INTROD;
    // The window's table: each control with its caption and design place, and its handler.
    c.Option1 = Option(w, c.options, "V LINEAR WITH Y", {1560, 480, 2052, 372}, false, &F::Option1_Click);
    c.Option2 = Option(w, c.options, "V AS SQUARE ROOT", {1560, 960, 3012, 492}, true, &F::Option2_Click);
    c.Command1 = Button(w, "END", {1560, 1560, 1332, 372}, &F::Command1_Click);
    c.Picture1 = std::make_unique<surface::Picture>(w, surface::TwipsRect{3600, 1080, 2055, 495});
    c.Picture2 = std::make_unique<surface::Picture>(w, surface::TwipsRect{3600, 480, 2175, 615});
    c.Command2 = Button(w, "START", {3600, 1680, 1575, 735}, &F::Command2_Click);
    c.Command3 = Button(w, "EXPLANATIONS", {3600, 2640, 2175, 1095}, &F::Command3_Click);
    c.Picture1->SetImage(assets::SquareRootLawImage());
    c.Picture2->SetImage(assets::LinearLawImage());

    // What a screen reader is told beside the captions.
    c.Picture1->SetAccessibleName("formula of the speed as the square root of a linear function of y");
    c.Picture2->SetAccessibleName("formula of the speed linear in y");
    c.Picture1->SetDescription(spoken::kSquareRootLaw);
    c.Picture2->SetDescription(spoken::kLinearLaw);
    surface::NameGroup(w, c.options, "case to open");
    SetTabOrder(w, {c.Option1.get(), c.Option2.get(), c.Command1.get(), c.Command2.get(), c.Command3.get()});
}

void INTROD::Command1_Click()
{
    navigation::EndProgram();
}

void INTROD::Command2_Click()
{
    if (controls().Option1->Value())
        navigation::OpenLinearCase();
    else
        navigation::OpenSquareRootCase();
}

void INTROD::Command3_Click()
{
    navigation::ShowTheory();
}

void INTROD::Option1_Click()
{
    navigation::OpenLinearCase();
}

void INTROD::Option2_Click()
{
    navigation::OpenSquareRootCase();
}

}  // namespace shell
