// The country list, the country records and the three queries answered from
// them.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "panel/tuning/country_list.h"
#include "panel/tuning/country_records.h"
#include "panel/tuning/plan_table.h"
#include "panel/tuning/tuner_queries.h"

namespace zel {
namespace {

TEST(CountryList, EntriesAndNameLimit) {
  ASSERT_EQ(kCountries.size(), 242u);
  const std::vector<std::tuple<std::int32_t, std::string_view, std::int32_t>> spots = {
      {0, "Afghanistan", 93},     {12, "Australia", 61},
      {38, "Canada", 1},          {39, "Canada", 2},
      {46, "China(Shenzhen)", 86}, {74, "Former Yugoslav Republic of Macedonia", 389},
      {99, "INMARSAT (Atlantic-East)", 871}, {180, "Russia", 7},
      {226, "United Kingdom", 44}, {228, "United States of America", 1},
      {241, "Zimbabwe", 263},
  };
  for (const auto& [index, name, code] : spots) {
    EXPECT_EQ(kCountries[static_cast<std::size_t>(index)].name, name) << index;
    EXPECT_EQ(kCountries[static_cast<std::size_t>(index)].code, code) << index;
  }
  for (const Country& country : kCountries) {
    EXPECT_FALSE(country.name.empty());
    EXPECT_LE(country.name.size(), 49u) << country.name;
  }
  EXPECT_EQ(country_at(-1), nullptr);
  EXPECT_EQ(country_at(kCountryCount), nullptr);
}

TEST(CountryRecords, CountsOrderAndCoverage) {
  ASSERT_EQ(kCountryRecords.size(), 219u);

  std::map<std::int32_t, int> per_standard;
  std::map<std::int32_t, std::set<std::int32_t>> codes_of_standard;
  for (const CountryRecord& r : kCountryRecords) {
    ++per_standard[r.standard];
    codes_of_standard[r.standard].insert(r.code);
  }
  const std::map<std::int32_t, int> counted = {{1, 61}, {2, 1}, {4, 82}, {5, 2}, {9, 1}, {10, 4},
                                               {14, 1}, {16, 25}, {18, 1}};
  for (const auto& [standard, count] : counted) EXPECT_EQ(per_standard[standard], count) << standard;
  EXPECT_EQ(per_standard[8] + per_standard[12] + per_standard[13], 41);
  std::set<std::int32_t> in_use;
  for (const auto& [standard, count] : per_standard) in_use.insert(standard);
  EXPECT_EQ(in_use, (std::set<std::int32_t>{1, 2, 4, 5, 8, 9, 10, 12, 13, 14, 16, 18}));
  EXPECT_EQ(codes_of_standard[2], std::set<std::int32_t>{81});
  EXPECT_EQ(codes_of_standard[5], (std::set<std::int32_t>{86, 40}));
  EXPECT_EQ(codes_of_standard[9], std::set<std::int32_t>{55});
  EXPECT_EQ(codes_of_standard[10], (std::set<std::int32_t>{54, 591, 595, 598}));
  EXPECT_EQ(codes_of_standard[14], std::set<std::int32_t>{377});
  EXPECT_EQ(codes_of_standard[18], std::set<std::int32_t>{33});

  for (std::size_t i = 1; i < kCountryRecords.size(); ++i) {
    EXPECT_LE(std::to_string(kCountryRecords[i - 1].code), std::to_string(kCountryRecords[i].code))
        << "record " << i;
  }

  std::map<std::int32_t, int> countries_of_code;
  for (const Country& country : kCountries) ++countries_of_code[country.code];
  std::set<std::int32_t> several;
  for (const CountryRecord& r : kCountryRecords) {
    EXPECT_TRUE(countries_of_code.contains(r.code)) << r.code;
    if (records_of_code(r.code).size() > 1) several.insert(r.code);
  }
  EXPECT_EQ(several, (std::set<std::int32_t>{7, 39, 41, 61, 670, 672}));
  for (const auto& [code, countries] : countries_of_code) {
    const std::size_t records = records_of_code(code).size();
    EXPECT_GE(records, 1u) << code;
    if (records > 1) {
      EXPECT_GE(records, static_cast<std::size_t>(countries)) << code;
    }
  }
}

TEST(CountryRecords, TellingRowsArePresent) {
  using I = std::int32_t;
  using Fields = std::tuple<I, I, I, I, I, I>;  // code, standard id, air last/first, cable last/first
  std::multiset<Fields> records;
  for (const CountryRecord& r : kCountryRecords) {
    records.insert({r.code, r.standard, r.air_last, r.air_first, r.cable_last, r.cable_first});
  }
  const std::vector<Fields> telling = {
      {1, 1, 69, 2, 125, 1},   {81, 2, 62, 1, 113, 1},  {49, 4, 69, 2, 60, 2},  {86, 5, 125, 1, 125, 1},
      {40, 5, 57, 1, 57, 1},   {44, 8, 69, 2, 56, 2},   {27, 8, 69, 1, 44, 1},  {55, 9, 69, 2, 125, 1},
      {54, 10, 69, 2, 125, 1}, {966, 12, 69, 2, 60, 2}, {212, 12, 69, 1, 65, 2}, {7, 13, 69, 1, 49, 1},
      {48, 13, 69, 3, 38, 1},  {377, 14, 69, 2, 60, 2}, {221, 16, 57, 1, 57, 1}, {33, 18, 72, 1, 69, 1},
      {61, 4, 73, 1, 58, 1},   {61, 1, 69, 2, 125, 1},  {39, 4, 69, 1, 58, 1},  {39, 4, 69, 2, 60, 2},
      {41, 4, 69, 1, 58, 1},   {41, 4, 69, 2, 60, 2},   {672, 4, 69, 2, 60, 2},
  };
  for (const Fields& row : telling) {
    const std::size_t expected = row == Fields{7, 13, 69, 1, 49, 1} ? 6u : 1u;
    EXPECT_EQ(records.count(row), expected)
        << std::get<0>(row) << ", " << std::get<1>(row);
  }
  EXPECT_EQ(records.count({672, 1, 69, 2, 125, 1}), 2u);
}

// The record limits are the ranges of the tables a country uses, except where
// the record keeps wider limits than its table (Japan's cable, the UK's air)
// or starts one later (Morocco's cable).
TEST(CountryRecords, LimitsMatchTheTablesInUse) {
  struct Exception {
    std::int32_t index;
    Band band;
    BandLimits limits;
  };
  const std::vector<Exception> exceptions = {
      {113, Band::kCable, {113, 1}},  // Japan
      {226, Band::kAir, {69, 2}},     // United Kingdom
      {147, Band::kCable, {65, 2}},   // Morocco
  };
  for (std::int32_t index = 0; index < kCountryCount; ++index) {
    const PlanRow* row = plan_row_of_country(index);
    ASSERT_NE(row, nullptr) << index;
    for (Band band : {Band::kAir, Band::kCable}) {
      const ChannelTable& table = band == Band::kAir ? *row->air : *row->cable;
      BandLimits expected{table.last_channel(), table.first_channel()};
      for (const Exception& e : exceptions) {
        if (e.index == index && e.band == band) expected = e.limits;
      }
      EXPECT_EQ(band_limits(index, band), expected)
          << kCountries[static_cast<std::size_t>(index)].name << (band == Band::kAir ? " air" : " cable");
    }
  }
}

TEST(TunerQueries, UnitedStates) {
  const auto info = country_info(228);
  ASSERT_TRUE(info);
  EXPECT_EQ(info->code, 1);
  EXPECT_EQ(info->standard, 1);
  EXPECT_EQ(band_limits(228, Band::kAir), (BandLimits{69, 2}));
  EXPECT_EQ(band_limits(228, Band::kCable), (BandLimits{125, 1}));
  EXPECT_EQ(channel_frequency(228, Band::kAir, 2), 55'250'000);
}

TEST(TunerQueries, CodeSevenStatesUseTheirCountryRows) {
  for (std::int32_t index : {180, 115, 119, 210, 220, 230}) {
    SCOPED_TRACE(index);
    const auto info = country_info(index);
    ASSERT_TRUE(info);
    EXPECT_EQ(info->code, 7);
    EXPECT_EQ(info->standard, 13);
    const PlanRow* row = plan_row_of_country(index);
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->kind, PlanKey::kCountry);
    EXPECT_EQ(row->key, index);
    EXPECT_EQ(channel_frequency(index, Band::kAir, 1), 49'750'000);
    EXPECT_EQ(channel_frequency(index, Band::kCable, 49), 943'250'000);
  }
  // The standard-id row of id 13 would answer otherwise.
  EXPECT_EQ(channel_frequency(68, Band::kCable, 1), 49'750'000);  // Estonia
}

TEST(TunerQueries, UnitedKingdomAirStartsAtTwoButCarriesFromTwentyOne) {
  EXPECT_EQ(band_limits(226, Band::kAir), (BandLimits{69, 2}));
  for (std::int32_t channel = 2; channel <= 20; ++channel) {
    EXPECT_EQ(channel_frequency(226, Band::kAir, channel), 0) << channel;
  }
  EXPECT_EQ(channel_frequency(226, Band::kAir, 21), 471'250'000);
  EXPECT_EQ(channel_frequency(226, Band::kAir, 69), 855'250'000);
}

TEST(TunerQueries, CanadaWithCodeTwoAnswersAsCodeOne) {
  ASSERT_TRUE(country_info(38) && country_info(39));
  EXPECT_EQ(country_info(38)->code, 1);
  EXPECT_EQ(country_info(39)->code, 2);
  EXPECT_EQ(country_info(39)->standard, country_info(38)->standard);
  for (Band band : {Band::kAir, Band::kCable}) {
    EXPECT_EQ(band_limits(39, band), band_limits(38, band));
    for (std::int32_t channel = -1; channel <= 127; ++channel) {
      EXPECT_EQ(channel_frequency(39, band, channel), channel_frequency(38, band, channel)) << channel;
    }
  }
}

TEST(TunerQueries, SharedCodesMapByIndex) {
  struct Case {
    std::int32_t index;
    std::int32_t standard;
    BandLimits air;
    BandLimits cable;
  };
  const std::vector<Case> cases = {
      {12, 4, {73, 1}, {58, 1}},   // Australia
      {48, 1, {69, 2}, {125, 1}},  // Cocos-Keeling Islands
      {13, 1, {69, 2}, {125, 1}},  // Australian Antarctic Territory
      {47, 1, {69, 2}, {125, 1}},  // Christmas Island
      {162, 4, {69, 2}, {60, 2}},  // Norfolk Island
      {110, 4, {69, 1}, {58, 1}},  // Italy
      {232, 4, {69, 2}, {60, 2}},  // Vatican City
      {126, 4, {69, 2}, {60, 2}},  // Liechtenstein
      {207, 4, {69, 1}, {58, 1}},  // Switzerland
      {183, 1, {69, 2}, {125, 1}}, // Saipan Island
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(kCountries[static_cast<std::size_t>(c.index)].name);
    ASSERT_TRUE(country_info(c.index));
    EXPECT_EQ(country_info(c.index)->standard, c.standard);
    EXPECT_EQ(band_limits(c.index, Band::kAir), c.air);
    EXPECT_EQ(band_limits(c.index, Band::kCable), c.cable);
  }
}

TEST(TunerQueries, IndexesOutsideTheListAnswerNothing) {
  for (std::int32_t index : {kCountryCount, -1, INT_MIN, INT_MAX}) {
    EXPECT_FALSE(country_info(index)) << index;
    EXPECT_FALSE(band_limits(index, Band::kAir)) << index;
    EXPECT_EQ(channel_frequency(index, Band::kAir, 2), 0) << index;
  }
  EXPECT_EQ(channel_frequency(228, Band::kAir, 0), 0);
  EXPECT_EQ(channel_frequency(228, Band::kAir, -5), 0);
  EXPECT_EQ(channel_frequency(228, Band::kAir, 70), 0);
  EXPECT_EQ(channel_frequency(228, Band::kAir, INT_MAX), 0);
}

}  // namespace
}  // namespace zel
