#pragma once

#include <functional>

namespace dawnrule {

class TZuruRuz1;

// Starts the program: the application object, its look, the windows in their
// start-up order, and the event loop until the main window closes. `started`, when
// given, sees the main window right after it is created (the start-up probe uses it).
int RunDawnrule(int argc, char** argv, const std::function<void(TZuruRuz1&)>& started = {});

} // namespace dawnrule
