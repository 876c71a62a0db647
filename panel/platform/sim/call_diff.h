#pragma once
// Comparing a recorded call sequence with the expected one.
#include <string>
#include <string_view>
#include <vector>

namespace zel::platform::sim {

// Empty when both sequences are equal; otherwise a line diff, each line
// prefixed "  " (in both), "- " (expected, missing) or "+ " (recorded, not
// expected).
std::string diff_calls(const std::vector<std::string>& expected,
                       const std::vector<std::string>& actual);

// The lines that start with one of the prefixes, in their order.
std::vector<std::string> calls_starting_with(const std::vector<std::string>& calls,
                                             const std::vector<std::string_view>& prefixes);

}  // namespace zel::platform::sim
