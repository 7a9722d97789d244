#include "app/dawnrule_windows.h"

namespace dawnrule {

DawnruleWindows::DawnruleWindows(Platform& platform)
    : main(platform)
    , user(platform)
    , routes(platform, main)
{
    main.Home = &home;
    main.User = &user;
    main.Routes = &routes;
}

} // namespace dawnrule
