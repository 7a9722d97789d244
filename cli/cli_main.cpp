// dawnrule-cli: the program's computations for scripts and checks from outside.
#include "app/qt_zone_clock.h"
#include "cli/cli_commands.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    dawnrule::QtZoneDatabase zones;  // the system's zone database, for the local clocks
    return dawnrule::RunCli(args, std::cout, std::cerr, &zones);
}
