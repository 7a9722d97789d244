#include "app/dawnrule_windows.h"

namespace dawnrule {

DawnruleWindows::DawnruleWindows(Platform& platform)
    : main(platform)
    , user(platform)
    , about(platform)
    , routes(platform, main)
{
    main.Help = &help;
    main.Home = &home;
    main.User = &user;
    main.About = &about;
    main.Routes = &routes;
    home.SaveRequested = [this] { return main.WriteHomeSettings(); };
}

} // namespace dawnrule
