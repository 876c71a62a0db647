#pragma once
// The country records of the tuner-data library: per telephone code the
// standard id and the channel limits of both bands, ordered by the code read
// as decimal text ("1", "2", "20", "212", ...).
//
// Standard ids name the analog system and the plan-table row: 1 NTSC-M and the
// 6 MHz Americas, 2 Japan, 4 PAL-B/G and the like, 5 China (PAL-D/K), 8 PAL-I,
// 9 Brazil (PAL-M), 10 PAL-N, 12 SECAM-B/G of Greece, the Middle East and North
// Africa, 13 the D/K systems of the former eastern bloc, 14 Monaco, 16 SECAM-K1
// of French-speaking Africa and the French overseas areas, 18 France.
//
// Every code of the country list has a record. Codes 7, 39, 41, 61, 670 and
// 672 have several; the countries sharing such a code take its records in
// order of their index (see record_of_country).
#include <array>
#include <cstdint>
#include <span>

namespace zel {

struct CountryRecord {
  std::int32_t code;
  std::int32_t standard;
  std::int32_t air_last;
  std::int32_t air_first;
  std::int32_t cable_last;
  std::int32_t cable_first;
};

inline constexpr std::size_t kCountryRecordCount = 219;

extern const std::array<CountryRecord, kCountryRecordCount> kCountryRecords;

// The records of one code, in table order; empty for an unknown code.
std::span<const CountryRecord> records_of_code(std::int32_t code);

// The record that answers for a country index: the only record of its code,
// or, for a code with several, the k-th one for the k-th country (counting by
// index) with that code. Null for an index outside the country list.
const CountryRecord* record_of_country(std::int32_t index);

}  // namespace zel
