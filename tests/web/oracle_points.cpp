// Answers the browser tests' questions about integrated rays, one per line on standard input:
//   travel linear|sqrt <k or A> <degrees from the upward vertical> <t>   →  x y
//   height linear|sqrt <k or A> <degrees> <x>                             →  y where the ray first reaches x
// The answers come from the same RK4 oracle as the desktop's tests.
#include "ray_oracle.h"

#include <cmath>
#include <cstdio>
#include <iostream>
#include <sstream>
#include <string>

int main()
{
    for (std::string line; std::getline(std::cin, line);) {
        std::istringstream in(line);
        std::string question, medium;
        double parameter = 0, degrees = 0, value = 0;
        if (!(in >> question >> medium >> parameter >> degrees >> value))
            continue;
        const oracle::Medium m =
            medium == "linear" ? oracle::LinearMedium(1000, parameter) : oracle::SquareRootMedium(parameter, 40);
        const double theta = degrees * M_PI / 180;
        if (question == "travel") {
            const oracle::RayPoint p = oracle::TravelRay(m, theta, value, 20000);
            std::printf("%.6f %.6f\n", p.x, p.y);
        } else {
            const auto path = oracle::RayPath(m, theta, medium == "linear" ? 0.3 : 8, 30000);
            std::printf("%.6f\n", oracle::HeightAtAbscissa(path, value));
        }
    }
    return 0;
}
