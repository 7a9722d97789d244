#pragma once

#include "app/zone_clock.h"

namespace dawnrule {

// The zone database that `dawnrule-cli times --local` and `route --local` read their
// zones from. dawnrule-cli's
// main sets the system's (QtZoneDatabase, app/qt_zone_clock.h); while none is set,
// --local is a usage error. The database must outlive every RunCli call that uses it;
// nullptr unsets it.
void SetCliZoneDatabase(ZoneDatabase* zones);

// The database set, or nullptr (dawnrule-cli route --local reads its zones from it too).
ZoneDatabase* CliZoneDatabase();

} // namespace dawnrule
