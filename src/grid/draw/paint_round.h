#pragma once
#include <cmath>

// Rounding as the stored looks were computed: halves go to the even
// neighbour, so gradient bands and bar lengths match pixel for pixel.
inline int Round_Even(double v) { return static_cast<int>(std::nearbyint(v)); }
