#pragma once

#include "app/zururuz.h"

// Places and dates that change on every call, so nothing is served from a cache: the
// same sequence for every rise/set benchmark, so their figures compare.
inline dawnrule::ZuruRuzInput RiseSetInput(int i)
{
    dawnrule::ZuruRuzInput in;
    in.longitude = -74.0 - (i % 50) * 1.7;
    in.latitude = 25.0 + (i % 23) * 1.1;
    in.gmtOffset = -5 - (i % 4);
    in.year = 2005 + (i % 20);
    in.month = 1 + (i % 12);
    in.day = 1 + (i % 28);
    return in;
}
