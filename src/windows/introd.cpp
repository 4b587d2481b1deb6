// The introduction window's design values and handlers.
#include "windows/introd.h"

#include "windows/formula_images.h"
#include "windows/navigation.h"

namespace shell {

INTROD::INTROD() : FormOf("INTRODUCTION", 5880, 5430)
{
}

void INTROD::MakeControls(QWidget* window, Controls& c)
{
    c.Option1 = std::make_unique<surface::OptionButton>(window, "V LINEAR WITH Y",
                                                        surface::TwipsRect{1560, 480, 2052, 372}, false);
    c.Option2 = std::make_unique<surface::OptionButton>(window, "V AS SQUARE ROOT",
                                                        surface::TwipsRect{1560, 960, 3012, 492}, true);
    c.Command1 = std::make_unique<surface::CommandButton>(window, "END", surface::TwipsRect{1560, 1560, 1332, 372});
    c.Picture1 = std::make_unique<surface::Picture>(window, surface::TwipsRect{3600, 1080, 2055, 495});
    c.Picture1->box()->SetPicture(assets::SquareRootLawImage());
    c.Picture2 = std::make_unique<surface::Picture>(window, surface::TwipsRect{3600, 480, 2175, 615});
    c.Picture2->box()->SetPicture(assets::LinearLawImage());
    c.Command2 = std::make_unique<surface::CommandButton>(window, "START", surface::TwipsRect{3600, 1680, 1575, 735});
    c.Command3 =
        std::make_unique<surface::CommandButton>(window, "EXPLANATIONS", surface::TwipsRect{3600, 2640, 2175, 1095});
    c.Picture1->SetAccessibleName("formula of the speed as the square root of a linear function of y");
    c.Picture2->SetAccessibleName("formula of the speed linear in y");
    surface::SetTabOrder({c.Option1.get(), c.Option2.get(), c.Command1.get(), c.Command2.get(), c.Command3.get()});

    QObject::connect(c.Command1->button(), &QPushButton::clicked, window, [this] { Command1_Click(); });
    QObject::connect(c.Command2->button(), &QPushButton::clicked, window, [this] { Command2_Click(); });
    QObject::connect(c.Command3->button(), &QPushButton::clicked, window, [this] { Command3_Click(); });
    QObject::connect(c.Option1->button(), &QRadioButton::clicked, window, [this] { Option1_Click(); });
    QObject::connect(c.Option2->button(), &QRadioButton::clicked, window, [this] { Option2_Click(); });
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
