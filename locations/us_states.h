#pragma once

#include <cstddef>
#include <iterator>
#include <string>
#include <string_view>

namespace dawnrule {

// One of the 50 states of the location buttons. The button SpeedButton<number> carries
// the code as caption and the name as hint; everything else about a state (its list
// file, the list's title, the text shown when the file is missing) follows from these
// two texts. Codes and names are plain ASCII, the same in Windows-1252 and UTF-8.
struct UsState {
    int number;             // 1 to 50, the button's number
    std::string_view code;  // two capital letters: "TX"
    std::string_view name;  // "Texas"
};

// The 50 states in button order (the first 49 fill rows 0 to 6 of the button grid left to
// right, 7 per row; WY, number 50, stands in row 7 beside the USER button).
inline constexpr UsState kUsStates[] = {
    {1, "AL", "Alabama"},         {2, "AK", "Alaska"},        {3, "AZ", "Arizona"},
    {4, "AR", "Arkansas"},        {5, "CA", "California"},    {6, "CO", "Colorado"},
    {7, "CT", "Connecticut"},     {8, "DE", "Delaware"},      {9, "FL", "Florida"},
    {10, "GA", "Georgia"},        {11, "HI", "Hawaii"},       {12, "ID", "Idaho"},
    {13, "IL", "Illinois"},       {14, "IN", "Indiana"},      {15, "IA", "Iowa"},
    {16, "KS", "Kansas"},         {17, "KY", "Kentucky"},     {18, "LA", "Louisiana"},
    {19, "ME", "Maine"},          {20, "MD", "Maryland"},     {21, "MA", "Massachusetts"},
    {22, "MI", "Michigan"},       {23, "MN", "Minnesota"},    {24, "MS", "Mississippi"},
    {25, "MO", "Missouri"},       {26, "MT", "Montana"},      {27, "NE", "Nebraska"},
    {28, "NV", "Nevada"},         {29, "NH", "New Hampshire"}, {30, "NJ", "New Jersey"},
    {31, "NM", "New Mexico"},     {32, "NY", "New York"},     {33, "NC", "North Carolina"},
    {34, "ND", "North Dakota"},   {35, "OH", "Ohio"},         {36, "OK", "Oklahoma"},
    {37, "OR", "Oregon"},         {38, "PA", "Pennsylvania"}, {39, "RI", "Rhode Island"},
    {40, "SC", "South Carolina"}, {41, "SD", "South Dakota"}, {42, "TN", "Tennessee"},
    {43, "TX", "Texas"},          {44, "UT", "Utah"},         {45, "VT", "Vermont"},
    {46, "VA", "Virginia"},       {47, "WA", "Washington"},   {48, "WV", "West Virginia"},
    {49, "WI", "Wisconsin"},      {50, "WY", "Wyoming"},
};
inline constexpr std::size_t kUsStateCount = 50;
static_assert(std::size(kUsStates) == kUsStateCount);

namespace detail {
constexpr bool StatesNumberedInOrder()
{
    for (std::size_t i = 0; i < std::size(kUsStates); ++i) {
        const UsState& s = kUsStates[i];
        if (s.number != static_cast<int>(i) + 1 || s.code.size() != 2 || s.name.empty())
            return false;
    }
    return true;
}
} // namespace detail
static_assert(detail::StatesNumberedInOrder(), "states must be numbered 1 to 50 in table order");

// The state of button `number` (1 to 50); nullptr for any other number (51 is USER).
const UsState* StateByNumber(int number);

// The state with this two-letter code, exactly as written ("TX"); nullptr when none.
const UsState* StateByCode(std::string_view code);

// The derived texts: "TX.txt", "Texas City List", "No Texas City List".
std::string StateFileName(const UsState& state);
std::string StateListTitle(const UsState& state);
std::string StateMissingListText(const UsState& state);

// The USER button (SpeedButton51): the user's own list, read from the program's folder.
inline constexpr int kUserButtonNumber = 51;
inline constexpr std::string_view kUserButtonCaption = "USER";
inline constexpr std::string_view kUserButtonHint = "User Defined";
inline constexpr std::string_view kUserListFileName = "U.txt";
inline constexpr std::string_view kUserListTitle = "User City List";

} // namespace dawnrule
