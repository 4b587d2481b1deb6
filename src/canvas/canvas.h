// The drawing interface of one picture area: immediate-mode drawing in user-scale units.
#pragma once

#include <functional>
#include <optional>
#include <span>
#include <string>

namespace surface {

class Stamp;

struct Rgb {
    int r = 0, g = 0, b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// A rectangle in user units: left < right and bottom < top whatever way the scale runs.
struct UserBox {
    double left = 0, bottom = 0, right = 0, top = 0;
    friend bool operator==(const UserBox&, const UserBox&) = default;
};

class Canvas {
public:
    virtual ~Canvas() = default;
    virtual void Scale(float x1, float y1, float x2, float y2) = 0;  // left, top, right, bottom
    virtual void Cls() = 0;                                          // clear; CurrentX = CurrentY = 0
    virtual void Line(float x1, float y1, float x2, float y2, std::optional<Rgb> colour = {}) = 0;
    virtual void PSet(float x, float y, std::optional<Rgb> colour = {}) = 0;
    virtual void Print(const std::string& text) = 0;  // at CurrentX, CurrentY
    virtual void SetDrawWidth(int pixels) = 0;
    virtual int DrawWidth() const = 0;
    virtual void SetCurrentX(float x) = 0;
    virtual void SetCurrentY(float y) = 0;
    // The region beyond which nothing drawn `width` pixels wide can change a pixel; empty where
    // the canvas has no pixels and every operation counts, as for a recorder.
    virtual std::optional<UserBox> Reach(int /*width*/) const { return std::nullopt; }
    // Runs `drawing` in `colour`. Its pixels follow from `inputs`, `colour` and this canvas
    // alone; it gives each pixel it covers one colour whatever the pixel held, and its other
    // colours are not `colour`. A canvas with pixels records in `stamp` what the drawing fills,
    // and while the inputs and the canvas stay the same it fills that again, in the colour asked
    // for, instead of drawing; a canvas without pixels, such as a recorder, takes the operations.
    using StampedDrawing = std::function<void(Canvas&, Rgb colour)>;
    virtual void DrawStamped(Stamp& /*stamp*/, std::span<const double> /*inputs*/, Rgb colour,
                             const StampedDrawing& drawing)
    {
        drawing(*this, colour);
    }
};

}  // namespace surface
