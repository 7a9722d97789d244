// dawnrule-cli: the program's computations for scripts and checks from outside.
#include "app/cli_commands.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    const std::string usage =
        "usage: dawnrule-cli times --lon X --lat Y --offset H --date mm/dd/yyyy [--military]\n"
        "       dawnrule-cli moon --date mm/dd/yyyy[ hh:mm:ss] | --tdatetime N";
    if (argc < 2) {
        std::cerr << usage << '\n';
        return 2;
    }
    const std::string command = argv[1];
    const std::vector<std::string> args(argv + 2, argv + argc);
    if (command == "times")
        return dawnrule::RunTimesCommand(args, std::cout, std::cerr);
    if (command == "moon")
        return dawnrule::RunMoonCommand(args, std::cout, std::cerr);
    if (command == "--help" || command == "-h") {
        std::cout << usage << '\n';
        return 0;
    }
    std::cerr << "unknown command '" << command << "'\n" << usage << '\n';
    return 2;
}
