#include "app/dawnrule_windows.h"

namespace dawnrule {

DawnruleWindows::DawnruleWindows(Platform& platform)
    : main(platform)
{
    main.Home = &home;
}

} // namespace dawnrule
