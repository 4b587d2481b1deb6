// Holds the drawing shortcut switches, all on in the program.
#include "shared/drawing_shortcuts.h"

namespace sorvel_kampyles {

DrawingShortcuts& Shortcuts()
{
    static DrawingShortcuts shortcuts;
    return shortcuts;
}

}  // namespace sorvel_kampyles
