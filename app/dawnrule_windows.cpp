#include "app/dawnrule_windows.h"

namespace dawnrule {

DawnruleWindows::DawnruleWindows(Platform& platform)
    : main(platform)
    , user(platform)
    , about(platform)
    , routes(platform, main.ForRoutes())
{
    main.SetOtherWindows(help, home, user, about, routes);
    home.SaveRequested = [this] { return main.WriteHomeSettings(); };
}

} // namespace dawnrule
