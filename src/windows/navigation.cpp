// The one place that knows every window, for the navigation the others ask for.
#include "windows/navigation.h"

#include "surface/application.h"
#include "windows/linear_case.h"
#include "windows/theory_window.h"
#include "windows/introduction.h"
#include "windows/square_root_case.h"
#include "windows/startup.h"

namespace navigation {

void ShowIntroduction()
{
    shell::INTROD::instance().Show();
}

void RestartIntroduction()
{
    shell::StartUp();
}

void ShowTheory()
{
    shell::EXPALANATIONS::instance().Fill();
}

void OpenLinearCase()
{
    sorvel_kampyles::ShowLinearCase();
}

void OpenSquareRootCase()
{
    sorvel_kampyles::ShowSquareRootCase();
}

void EndProgram()
{
    surface::End();
}

}  // namespace navigation
