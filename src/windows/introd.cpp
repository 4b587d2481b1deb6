// The introduction window's design values and handlers.
#include "windows/introd.h"

#include "windows/formula_images.h"
#include "windows/navigation.h"
#include "windows/spoken.h"

namespace shell {

INTROD::INTROD() : FormOf("INTRODUCTION", 5880, 5430)
{
}

void INTROD::MakeControls(surface::WindowPeer& window, Controls& c)
{
    c.Option1 = std::make_unique<surface::OptionButton>(window, c.options, "V LINEAR WITH Y",
                                                        surface::TwipsRect{1560, 480, 2052, 372}, false);
    c.Option2 = std::make_unique<surface::OptionButton>(window, c.options, "V AS SQUARE ROOT",
                                                        surface::TwipsRect{1560, 960, 3012, 492}, true);
    c.Command1 = std::make_unique<surface::CommandButton>(window, "END", surface::TwipsRect{1560, 1560, 1332, 372});
    c.Picture1 = std::make_unique<surface::Picture>(window, surface::TwipsRect{3600, 1080, 2055, 495});
    c.Picture1->SetImage(assets::SquareRootLawImage());
    c.Picture2 = std::make_unique<surface::Picture>(window, surface::TwipsRect{3600, 480, 2175, 615});
    c.Picture2->SetImage(assets::LinearLawImage());
    c.Command2 = std::make_unique<surface::CommandButton>(window, "START", surface::TwipsRect{3600, 1680, 1575, 735});
    c.Command3 =
        std::make_unique<surface::CommandButton>(window, "EXPLANATIONS", surface::TwipsRect{3600, 2640, 2175, 1095});
    c.Picture1->SetAccessibleName("formula of the speed as the square root of a linear function of y");
    c.Picture2->SetAccessibleName("formula of the speed linear in y");
    c.Picture1->SetDescription(spoken::kSquareRootLaw);
    c.Picture2->SetDescription(spoken::kLinearLaw);
    surface::NameGroup(window, c.options, "case to open");
    SetTabOrder(window, {c.Option1.get(), c.Option2.get(), c.Command1.get(), c.Command2.get(), c.Command3.get()});

    c.Command1->OnClick = [this] { Command1_Click(); };
    c.Command2->OnClick = [this] { Command2_Click(); };
    c.Command3->OnClick = [this] { Command3_Click(); };
    c.Option1->OnClick = [this] { Option1_Click(); };
    c.Option2->OnClick = [this] { Option2_Click(); };
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
