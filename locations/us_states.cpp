#include "locations/us_states.h"

namespace dawnrule {

const UsState* StateByNumber(int number)
{
    if (number < 1 || number > static_cast<int>(kUsStateCount))
        return nullptr;
    return &kUsStates[number - 1];
}

const UsState* StateByCode(std::string_view code)
{
    for (const UsState& s : kUsStates) {
        if (s.code == code)
            return &s;
    }
    return nullptr;
}

std::string StateFileName(const UsState& state)
{
    return std::string(state.code) + ".txt";
}

std::string StateListTitle(const UsState& state)
{
    return std::string(state.name) + " City List";
}

std::string StateMissingListText(const UsState& state)
{
    return "No " + std::string(state.name) + " City List";
}

} // namespace dawnrule
