#pragma once

// The Earth's VSOP87 version D series, generated into vsop87d_earth_table.cpp by
// tools/gen_vsop87_table.py. Each array is indexed by the power of time; A is scaled by 1e8.

#include "astro/vsop.h"

#include <array>
#include <span>

namespace dawnrule {

extern const std::array<std::span<const VSOPTerm>, 6> kEarthLongitudeSeries; // L0..L5
extern const std::array<std::span<const VSOPTerm>, 5> kEarthLatitudeSeries;  // B0..B4
extern const std::array<std::span<const VSOPTerm>, 6> kEarthRadiusSeries;    // R0..R5

} // namespace dawnrule
