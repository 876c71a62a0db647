#pragma once
// The country list: 242 countries in the order the user picks from (country
// dialog, TV page), each with its telephone code. A country's position in the
// list is its index everywhere: the tuner-data library's country index, the
// stored CodePos, and the key (index + 1) of its name in the skin file's
// caption section. Names are at most 49 characters, the caption limit.
//
// Several countries share a code (1 for the North American numbering area, 7,
// 39, 41, 61, 86, 670, 672, ...); Canada is listed twice, with codes 1 and 2.
#include <array>
#include <cstdint>
#include <string_view>

namespace zel {

struct Country {
  std::string_view name;
  std::int32_t code;
};

inline constexpr std::int32_t kCountryCount = 242;

extern const std::array<Country, kCountryCount> kCountries;

// The country at an index, or null outside 0 to kCountryCount - 1.
const Country* country_at(std::int32_t index);

}  // namespace zel
