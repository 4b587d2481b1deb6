// Clips a segment to an axis-aligned box in double precision, keeping its direction, however far its ends.
#pragma once

namespace surface {

// Cuts (x1, y1)-(x2, y2) to the box [left, right] × [bottom, top]; returns false when no part
// lies inside or an end point is not finite. Points on the box's edge are set exactly on it.
bool ClipSegment(double& x1, double& y1, double& x2, double& y2, double left, double bottom, double right, double top);

}  // namespace surface
