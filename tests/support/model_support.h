// Helpers shared by the model tests: capturing messages and reading recorded drawings.
#pragma once

#include "canvas/message_box.h"
#include "canvas/recording_canvas.h"

#include <cmath>
#include <string>
#include <vector>

namespace support {

using Op = surface::RecordingCanvas::Op;
using Kind = surface::RecordingCanvas::Kind;

// Collects every message shown while it lives, instead of a modal dialog.
class MessageCapture {
public:
    MessageCapture() : previous_(surface::SetMessageSink([this](const std::string& text) { messages.push_back(text); }))
    {
    }
    ~MessageCapture() { surface::SetMessageSink(previous_); }
    std::vector<std::string> messages;

private:
    surface::MessageSink previous_;
};

inline bool AllFinite(const std::vector<Op>& ops)
{
    for (const Op& op : ops)
        if (!std::isfinite(op.x1) || !std::isfinite(op.y1) || !std::isfinite(op.x2) || !std::isfinite(op.y2))
            return false;
    return true;
}

inline std::vector<Op> OfKind(const std::vector<Op>& ops, Kind kind)
{
    std::vector<Op> out;
    for (const Op& op : ops)
        if (op.kind == kind)
            out.push_back(op);
    return out;
}

}  // namespace support
