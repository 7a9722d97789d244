// dawnrule-cli: the program's computations for scripts and checks from outside.
#include "app/cli_commands.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    return dawnrule::RunCli(args, std::cout, std::cerr);
}
