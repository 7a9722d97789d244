#pragma once

#include "app/offset_list.h"

#include <array>
#include <optional>
#include <string_view>

namespace dawnrule {

// The home window's 93 offset-list entries. Positions 0 to 34 are the main window's
// list, text for text and value for value; 35 to 92 exist only here. Six entries
// carry a half hour: Newfoundland -3.5, Iran 3.5, Afghanistan 4.5, India 5.5 and the
// two central Australian ones 9.5.
inline constexpr std::size_t kHomeOffsetCount = 93;
const std::array<OffsetEntry, kHomeOffsetCount>& HomeOffsetList();

// The signed offset written in the first pair of parentheses of an entry's text,
// hours and minutes: "(-5:00)" gives -5, "(+05:30)" 5.5, "(0.00)" 0. Nothing when the
// text holds no such offset.
std::optional<double> OffsetInParentheses(std::string_view text);

} // namespace dawnrule
