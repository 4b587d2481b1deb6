// The lines of KEYS, from the same tab stops and control kinds that move the focus and take keys.
#include "surface/keys_list.h"

#include "surface/controls.h"
#include "surface/form.h"
#include "surface/tab_stops.h"
#include "surface/teacher.h"

namespace surface {
namespace {

// What a control at a tab stop takes, as its keys answer it (controls.h).
std::string lineOf(const Control& control)
{
    if (const auto* option = dynamic_cast<const OptionButton*>(&control)) {
        std::string captions;
        for (const OptionButton* member : option->group().members())
            captions += (captions.empty() ? "" : ", ") + member->Caption();
        return "Arrow keys: choose " + captions;
    }
    if (const auto* button = dynamic_cast<const CommandButton*>(&control))
        return "Space: " + button->Caption();
    if (const auto* box = dynamic_cast<const CheckBox*>(&control))
        return "Space: " + box->Caption();
    if (dynamic_cast<const ScrollBar*>(&control))
        return "Arrow keys, Page Up, Page Down, Home, End: " + control.AccessibleName();
    return "Type: " + control.AccessibleName();
}

}  // namespace

std::vector<std::string> KeysLines(const Form& window, bool onPage)
{
    std::vector<std::string> lines{"Tab, Shift+Tab: the next or the previous control"};
    for (const Control* stop : TabStops(window.TabOrder()))
        lines.push_back(lineOf(*stop));
    // The program's own keys, those that show the same action on one line.
    for (const teacher::ProgramKey& key : teacher::ProgramKeys()) {
        if (key.pageOnly && !onPage)
            continue;
        const std::string line = key.shown + ": " + key.does;
        if (!lines.empty() && lines.back().ends_with(": " + key.does))
            lines.back().insert(lines.back().find(": "), ", " + key.shown);
        else
            lines.push_back(line);
    }
    return lines;
}

}  // namespace surface
