// Helpers for tests of the Qt back end: the widget behind a control.
#pragma once

#include "qt/qt_controls.h"
#include "surface/controls.h"

#include <gtest/gtest.h>

namespace support {

inline QWidget* WidgetOf(const surface::Control& control)
{
    return dynamic_cast<qt::QtControl&>(control.peer()).widget();
}

}  // namespace support
