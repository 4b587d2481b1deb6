// Browser entry point: installs the web back end, the alert as message box and the page's number
// format, runs the start-up routine and opens the link's moment, and takes the page's events for
// the controls.
#include "canvas/format.h"
#include "canvas/message_box.h"
#include "web/dom.h"
#include "web/web_backend.h"
#include "surface/announcements.h"
#include "windows/prepared_moment.h"
#include "windows/teacher_windows.h"

#include <emscripten.h>

extern "C" {

EMSCRIPTEN_KEEPALIVE void web_click(int id)
{
    web::TheWebBackend().Click(id);
}

EMSCRIPTEN_KEEPALIVE int web_press(int id, double along, int coarse)
{
    return web::TheWebBackend().Press(id, along, coarse != 0) ? 1 : 0;
}

EMSCRIPTEN_KEEPALIVE void web_drag(int id, double along)
{
    web::TheWebBackend().Drag(id, along);
}

EMSCRIPTEN_KEEPALIVE int web_key(int id, const char* key)
{
    return web::TheWebBackend().Key(id, key) ? 1 : 0;
}

EMSCRIPTEN_KEEPALIVE int web_tab(int focusedId, int backward)
{
    return web::TheWebBackend().Tab(focusedId, backward != 0) ? 1 : 0;
}

EMSCRIPTEN_KEEPALIVE void web_edit(int id, const char* text)
{
    web::TheWebBackend().Edit(id, text);
}

EMSCRIPTEN_KEEPALIVE void web_close(int windowId)
{
    web::TheWebBackend().Close(windowId);
}

EMSCRIPTEN_KEEPALIVE void web_resize()
{
    web::TheWebBackend().Resize();
}

EMSCRIPTEN_KEEPALIVE void web_frame(double nowMs)
{
    web::TheWebBackend().Frame(nowMs);
}

EMSCRIPTEN_KEEPALIVE int web_program_key(int /*unused*/, const char* name)
{
    return web::TheWebBackend().ProgramKey(name) ? 1 : 0;
}

EMSCRIPTEN_KEEPALIVE void web_picture_menu(int id)
{
    web::TheWebBackend().PictureMenu(id);
}

EMSCRIPTEN_KEEPALIVE void web_menu_choose(int index)
{
    web::TheWebBackend().ChooseMenuItem(index);
}

EMSCRIPTEN_KEEPALIVE void web_full_screen(int windowId)
{
    web::TheWebBackend().FullScreenButton(windowId);
}

EMSCRIPTEN_KEEPALIVE void web_full_screen_ended()
{
    web::TheWebBackend().FullScreenEnded();
}

}  // extern "C"

int main()
{
    surface::FindDecimalSeparatorWith(web::dom::DecimalSeparator);
    // The back end lives for the whole page: the page ends, not the program's main.
    surface::InstallBackend(std::make_unique<web::WebBackend>());
    surface::SetMessageSink([](const std::string& text) { web::dom::Alert(text); });
    teacher_windows::Install(true);
    // The link's fragment prepares the moment to open at; what it left out is said once.
    const std::string leftOut = prepared_moment::OpenLink(web::dom::LinkFragment());
    if (!leftOut.empty())
        surface::Announce(leftOut);
    web::dom::Start();
    return 0;
}
