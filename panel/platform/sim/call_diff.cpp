#include "panel/platform/sim/call_diff.h"

#include <algorithm>
#include <cstddef>

namespace zel::platform::sim {

std::string diff_calls(const std::vector<std::string>& expected,
                       const std::vector<std::string>& actual) {
  if (expected == actual) return {};
  // Longest common subsequence, then walk it; sequences here are short.
  const std::size_t n = expected.size();
  const std::size_t m = actual.size();
  std::vector<std::vector<std::size_t>> lcs(n + 1, std::vector<std::size_t>(m + 1, 0));
  for (std::size_t i = n; i-- > 0;) {
    for (std::size_t j = m; j-- > 0;) {
      lcs[i][j] = expected[i] == actual[j] ? lcs[i + 1][j + 1] + 1
                                           : std::max(lcs[i + 1][j], lcs[i][j + 1]);
    }
  }
  std::string out;
  std::size_t i = 0;
  std::size_t j = 0;
  while (i < n || j < m) {
    if (i < n && j < m && expected[i] == actual[j]) {
      out += "  " + expected[i++] + "\n";
      ++j;
    } else if (j < m && (i == n || lcs[i][j + 1] >= lcs[i + 1][j])) {
      out += "+ " + actual[j++] + "\n";
    } else {
      out += "- " + expected[i++] + "\n";
    }
  }
  return out;
}

std::vector<std::string> calls_starting_with(const std::vector<std::string>& calls,
                                             const std::vector<std::string_view>& prefixes) {
  std::vector<std::string> out;
  for (const auto& c : calls) {
    for (std::string_view p : prefixes) {
      if (std::string_view(c).substr(0, p.size()) == p) {
        out.push_back(c);
        break;
      }
    }
  }
  return out;
}

}  // namespace zel::platform::sim
