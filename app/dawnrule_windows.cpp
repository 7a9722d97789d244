#include "app/dawnrule_windows.h"

namespace dawnrule {

DawnruleWindows::DawnruleWindows(Platform& platform)
    : main(platform)
    , user(platform)
{
    main.Home = &home;
    main.User = &user;
}

} // namespace dawnrule
