// Holds the current message sink; until the program installs its dialog, messages go to stderr.
#include "canvas/message_box.h"

#include <cstdio>
#include <utility>

namespace surface {
namespace {

MessageSink& currentSink()
{
    static MessageSink sink = [](const std::string& text) { std::fprintf(stderr, "%s\n", text.c_str()); };
    return sink;
}

}  // namespace

MessageSink SetMessageSink(MessageSink sink)
{
    return std::exchange(currentSink(), std::move(sink));
}

void MsgBox(const std::string& text)
{
    if (currentSink())
        currentSink()(text);
}

}  // namespace surface
