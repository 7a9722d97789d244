#pragma once

#include "app/tzururuz1.h"
#include "locations/thome.h"
#include "locations/tuser.h"
#include "windows/tabout.h"
#include "windows/thelp.h"
#include "windows/troutes.h"

namespace dawnrule {

class Platform;

// The program's windows, created in the start-up order (the main window first, then
// the secondary ones) and alive until the program ends; the secondary windows are
// only shown and hidden. The main window reaches the others through its pointers.
struct DawnruleWindows {
    explicit DawnruleWindows(Platform& platform);

    TZuruRuz1 main;
    THelp help;
    THome home;
    TUSER user;
    TAbout about;
    TRoutes routes;  // last, as the start-up order has it
};

} // namespace dawnrule
