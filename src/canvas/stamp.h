// A drawing kept as the runs of pixels its operations filled, in their order and with their
// colours: recorded while it is drawn, then put on the picture whenever the same drawing is asked
// for again, at the cost of the filling alone.
#pragma once

#include "canvas/pixel_image.h"
#include "canvas/pixel_raster.h"

#include <cstdint>
#include <span>
#include <vector>

namespace surface {

class TextPainter;

// What a drawing reads from a raster canvas besides its pixels: the picture's size and density
// and the canvas's settings. A stamp stands for its drawing only where these are the same.
struct RasterSettings {
    int width = 0, height = 0;  // device pixels
    double devicePixelRatio = 1;
    bool userScale = false;
    double scaleLeft = 0, scaleTop = 0, scaleRight = 1, scaleBottom = 1;
    int drawWidth = 1;
    float currentX = 0, currentY = 0;
    std::uint32_t backColor = 0, foreColor = 0;
    const TextPainter* textPainter = nullptr;
    friend bool operator==(const RasterSettings&, const RasterSettings&) = default;
};

class Stamp {
public:
    // Whether this is the drawing made from these inputs on a canvas with these settings.
    bool Holds(std::span<const double> inputs, const RasterSettings& before) const;

    // Starts recording the drawing of these inputs in this colour (a pixel as the canvas packs it).
    void Start(std::span<const double> inputs, const RasterSettings& before, std::uint32_t colour);
    // Where the canvas adds the runs it fills while the drawing runs.
    FilledRuns& runs() { return runs_; }
    // The drawing did something that is not a run of pixels (cleared or printed): it is drawn every time.
    void Spoil() { made_ = false; }
    // The drawing ended, leaving these settings, having refused this many operations, and
    // having filled pixels within this area only.
    void Finish(const RasterSettings& after, long long refused, const PixelArea& filled);

    // Fills the runs again on `image`, the pixels of the drawing's colour in `colour` instead;
    // returns where a pixel changed. A stamp put on a second time is kept from then on as the
    // pixels the drawing covers with their last colours, side by side, so that where the picture
    // shows it already (a field put on at every tick) no pixel counts as changed.
    PixelArea PutOn(PixelImage& image, std::uint32_t colour);

    const RasterSettings& after() const { return after_; }
    long long refused() const { return refused_; }

private:
    void settle();

    bool made_ = false;
    int puts_ = 0;
    std::vector<double> inputs_;
    RasterSettings before_, after_;
    std::uint32_t colour_ = 0;
    long long refused_ = 0;
    FilledRuns runs_;
    PixelArea filled_;  // around every run
};

}  // namespace surface
