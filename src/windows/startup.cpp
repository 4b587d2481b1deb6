// Prepares INTROD: full screen, "START" moved directly under "END", shown at the front.
#include "windows/startup.h"

#include "surface/screen.h"
#include "windows/introduction.h"

namespace shell {

void StartUp()
{
    INTROD& introd = INTROD::instance();
    introd.SetWidth(surface::ScreenWidth());
    introd.SetHeight(surface::ScreenHeight());
    INTROD::Controls& c = introd.controls();
    c.Command2->SetTop(c.Command1->Height() + c.Command1->Top());
    c.Command2->SetLeft(c.Command1->Left());
    introd.SetLeft(0);
    introd.SetTop(0);
    introd.Show();
}

}  // namespace shell
