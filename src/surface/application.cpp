// Ends the program through the back end and asks it who may take the front.
#include "surface/application.h"

#include "surface/backend.h"
#include "surface/form.h"
#include "surface/teacher.h"
#include "surface/timer.h"

namespace surface {
namespace {

// End belongs to one run: a new back end starts a new one.
int endedRun = 0;

}  // namespace

void End()
{
    endedRun = CurrentRun();
    Timer::StopAll();
    Form::HideAll();
    teacher::UpdateKeepAwake();
    TheBackend().Quit();
}

bool EndRequested()
{
    return endedRun != 0 && endedRun == CurrentRun();
}

bool MayTakeFront()
{
    return TheBackend().MayTakeFront();
}

}  // namespace surface
