#pragma once

// The periodic terms of the truncated ELP-2000/82 lunar series, 60-term form, generated
// into elp2000_tables.cpp by tools/gen_elp_tables.py. Each row multiplies the Delaunay
// arguments D, M, M', F; the argument is D*d + M*m + M'*mp + F*f (degrees).

#include <cstdint>
#include <span>

namespace dawnrule {

struct LunarLongitudeDistanceTerm {
    std::int8_t d, m, mp, f;
    std::int32_t longitude; // sine coefficient, 1e-6 degree
    std::int32_t distance;  // cosine coefficient, 1e-3 km
};

struct LunarLatitudeTerm {
    std::int8_t d, m, mp, f;
    std::int32_t latitude; // sine coefficient, 1e-6 degree
};

extern const std::span<const LunarLongitudeDistanceTerm> kMoonLongitudeDistanceTerms; // 60 rows
extern const std::span<const LunarLatitudeTerm> kMoonLatitudeTerms;                   // 60 rows

} // namespace dawnrule
