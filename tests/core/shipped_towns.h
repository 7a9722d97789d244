#pragma once

// The towns of the shipped state lists, indexed once for a whole test run.
#include "trip/town_index.h"

namespace dawnrule::test {

inline const TownIndex& ShippedTowns()
{
    static const TownIndex index = TownIndex::Load(DAWNRULE_SOURCE_DIR "/data");
    return index;
}

} // namespace dawnrule::test
