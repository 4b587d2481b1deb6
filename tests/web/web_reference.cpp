// The desktop raster's side of the identity test: plays a scenario of identity_scenarios.txt on
// the headless back end at a screen size and device pixel ratio, and writes the picture it ends
// with (RGBA bytes) and, as JSON, its size and the boxes in which text was printed.
//   web_reference <scenarios> <name> <width> <height> <ratio> <out.rgba>   (JSON on stdout)
#include "headless/headless_backend.h"
#include "surface/controls.h"
#include "surface/form.h"
#include "windows/startup.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::string trimmed(const std::string& text)
{
    const auto first = text.find_first_not_of(' ');
    const auto last = text.find_last_not_of(' ');
    return first == std::string::npos ? "" : text.substr(first, last - first + 1);
}

std::vector<std::string> fields(const std::string& line)
{
    std::vector<std::string> out;
    std::istringstream in(line);
    for (std::string field; std::getline(in, field, '|');)
        out.push_back(trimmed(field));
    return out;
}

// Where text went: the painter draws blocks where glyphs would be, and keeps their boxes.
class RecordingText : public headless::BlockTextPainter {
public:
    void DrawText(surface::PixelImage& image, double ratio, int x, int y, const std::string& text,
                  std::uint32_t pixel) override
    {
        BlockTextPainter::DrawText(image, ratio, x, y, text, pixel);
        boxes.push_back({x, y, static_cast<int>(text.size())});
    }
    struct Box {
        int x, y, characters;
    };
    std::vector<Box> boxes;
};

class ReferenceBackend : public headless::HeadlessBackend {
public:
    using HeadlessBackend::HeadlessBackend;
    surface::TextPainter* Text() override { return &text; }
    RecordingText text;
};

[[noreturn]] void fail(const std::string& why)
{
    std::fprintf(stderr, "web_reference: %s\n", why.c_str());
    std::exit(2);
}

void act(const ReferenceBackend& backend, const std::vector<std::string>& step)
{
    surface::Control* control = backend.Find(step[0], step[1]);
    if (!control)
        fail("no control \"" + step[1] + "\" in a shown window \"" + step[0] + "\"");
    static const std::map<std::string, surface::ScrollKey> keys{
        {"ArrowUp", surface::ScrollKey::Up},     {"ArrowDown", surface::ScrollKey::Down},
        {"ArrowLeft", surface::ScrollKey::Left}, {"ArrowRight", surface::ScrollKey::Right},
        {"PageUp", surface::ScrollKey::PageUp},  {"PageDown", surface::ScrollKey::PageDown},
        {"Home", surface::ScrollKey::Home},      {"End", surface::ScrollKey::End}};
    if (step[2] == "click") {
        if (auto* button = dynamic_cast<surface::CommandButton*>(control))
            button->UserClick();
        else if (auto* option = dynamic_cast<surface::OptionButton*>(control))
            option->UserClick();
        else if (auto* box = dynamic_cast<surface::CheckBox*>(control))
            box->UserClick();
        else
            fail("\"" + step[1] + "\" takes no click");
    } else if (const auto key = keys.find(step[2]); key != keys.end()) {
        auto* bar = dynamic_cast<surface::ScrollBar*>(control);
        if (!bar)
            fail("\"" + step[1] + "\" is no scroll bar");
        bar->UserKey(key->second);
    } else {
        fail("unknown action " + step[2]);
    }
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 7)
        fail("usage: web_reference <scenarios> <name> <width> <height> <ratio> <out.rgba>");
    auto owned = std::make_unique<ReferenceBackend>(std::atoi(argv[3]), std::atoi(argv[4]));
    ReferenceBackend& backend = *owned;
    backend.SetDevicePixelRatio(std::atof(argv[5]));
    surface::InstallBackend(std::move(owned));
    shell::StartUp();

    std::ifstream scenarios(argv[1]);
    bool inScenario = false;
    for (std::string line; std::getline(scenarios, line);) {
        line = trimmed(line);
        if (line.empty() || line[0] == '#')
            continue;
        if (line.rfind("scenario ", 0) == 0) {
            inScenario = line.substr(9) == argv[2];
            continue;
        }
        // The page opens a link's moment at once; here the user's steps reach it by hand.
        if (!inScenario || line.rfind("link ", 0) == 0)
            continue;
        if (line.rfind("picture ", 0) == 0) {
            const std::vector<std::string> what = fields(line.substr(8));
            auto* picture = dynamic_cast<surface::Picture*>(backend.Find(what[0], what[1]));
            if (!picture)
                fail("no picture \"" + what[1] + "\"");
            const surface::PixelImage& image = picture->raster().image();
            std::ofstream out(argv[6], std::ios::binary);
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x) {
                    const std::uint32_t p = image.pixel(x, y);
                    const char rgba[4] = {static_cast<char>(p >> 16), static_cast<char>(p >> 8), static_cast<char>(p),
                                          static_cast<char>(0xff)};
                    out.write(rgba, 4);
                }
            std::printf("{\"width\": %d, \"height\": %d, \"text\": [", image.width(), image.height());
            for (std::size_t i = 0; i < backend.text.boxes.size(); ++i) {
                const RecordingText::Box& box = backend.text.boxes[i];
                std::printf("%s[%d, %d, %d]", i ? ", " : "", box.x, box.y, box.characters);
            }
            std::printf("]}\n");
            surface::Form::DropAll();
            return 0;
        }
        act(backend, fields(line));
    }
    fail(std::string("no picture in scenario ") + argv[2]);
}
