// The theory text, kept as nine pieces joined end to end; blanks at the seams are part of the text.
#include "windows/theory_text.h"

#include <array>

namespace shell {

std::string TheoryText()
{
    // The pieces keep their exact blanks, one to a line, with their lengths beside them.
    // clang-format off
    static constexpr std::array<const char*, 9> pieces{
        "In the case of gradual change of the speed of the waves,such as in the case of a tank of water with a bottom that has not a constant depth  ",  // 140 characters
        "or seismic waves in the interior of the earth or gradual change of the refractive index in the air.    ",  // 103 characters
        " One common misunderstanding is the following: When presented with a ray that starts horizontally in a medium where the speed increases with depth many students proposed that the ray will continue as a straight line.",  // 216 characters
        " With this software you may see that this is not true.           In this software are presented two cases of gradual change of speed:          ",  // 143 characters
        "a) Linear case:        b) The speed of the wave changes as the square root of a linear function of depth",  // 104 characters
        "Case b is useful to describe the surface waves in the case of a basin of water with slanted bottom",  // 98 characters
        " Both cases present similar features:                                       ",  // 76 characters
        "*********************** The rays as they proceed to higher speed get a total reflection                         ",  // 112 characters
        "*********************** The rays as they proceed to layers with lower speed they become perpendicular to the horizontal line for which the speed is zero (this is more obvious for the case of square root) ",  // 204 characters
    };
    // clang-format on
    std::string text;
    for (const char* piece : pieces)
        text += piece;
    return text;
}

}  // namespace shell
