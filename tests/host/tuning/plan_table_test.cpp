// The plan table and its channel tables: every cell against its summary, the
// number of distinct tables, and the runs that are fixed carrier by carrier.
#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "panel/tuning/channel_tables.h"
#include "panel/tuning/country_list.h"
#include "panel/tuning/plan_table.h"
#include "panel/tuning/tuner_queries.h"

namespace zel {
namespace {

// Frequencies in kHz, so the expectations do not share the tables' MHz
// arithmetic.
struct Summary {
  std::int32_t first_channel;
  std::int32_t last_channel;
  std::int32_t intermediate_khz;
  std::int32_t first_carrier_channel;
  std::int32_t first_carrier_khz;
  std::int32_t last_khz;  // at the last channel
  std::int32_t gaps;      // channels first..last without carrier
  friend bool operator==(const Summary&, const Summary&) = default;
};

std::ostream& operator<<(std::ostream& out, const Summary& s) {
  return out << s.first_channel << "-" << s.last_channel << ", IF " << s.intermediate_khz << " kHz, ch "
             << s.first_carrier_channel << " " << s.first_carrier_khz << " kHz, last " << s.last_khz
             << " kHz, " << s.gaps << " gaps";
}

Summary summarise(const ChannelTable& table) {
  Summary s{table.first_channel(), table.last_channel(), table.intermediate_hz() / 1000, 0, 0, 0, 0};
  for (std::int32_t channel = table.first_channel(); channel <= table.last_channel(); ++channel) {
    const std::int32_t hz = table.carrier_hz(channel);
    if (hz == 0) {
      ++s.gaps;
    } else if (s.first_carrier_channel == 0) {
      s.first_carrier_channel = channel;
      s.first_carrier_khz = hz / 1000;
    }
  }
  s.last_khz = table.carrier_hz(table.last_channel()) / 1000;
  return s;
}

constexpr std::int32_t kIf45 = 45'750;
constexpr std::int32_t kIf38 = 38'900;

struct Row {
  PlanKey kind;
  std::int32_t key;
  Summary air;
  Summary cable;
};

constexpr Summary kFccAirSummary{2, 69, kIf45, 2, 55'250, 801'250, 0};
constexpr Summary kFccCableSummary{1, 125, kIf45, 1, 73'250, 799'250, 0};
constexpr Summary kCcirAirSummary{2, 69, kIf38, 2, 48'250, 855'250, 8};
constexpr Summary kCcirCableSummary{2, 60, kIf38, 2, 48'250, 623'250, 0};
constexpr Summary kDkSummary{1, 57, kIf38, 1, 49'750, 863'250, 0};
constexpr Summary kPalIAirSummary{2, 69, kIf38, 2, 45'750, 855'250, 10};
constexpr Summary kCable56Summary{2, 56, kIf38, 2, 48'250, 463'250, 0};
constexpr Summary kRussiaAirSummary{1, 69, kIf38, 1, 49'750, 855'250, 8};
constexpr Summary kRussiaCableSummary{1, 49, kIf38, 1, 111'250, 943'250, 0};

constexpr PlanKey kStd = PlanKey::kStandard;
constexpr PlanKey kIdx = PlanKey::kCountry;

const std::vector<Row> kExpectedRows = {
    {kStd, 1, kFccAirSummary, kFccCableSummary},
    {kStd, 4, kCcirAirSummary, kCcirCableSummary},
    {kStd, 12, kCcirAirSummary, kCcirCableSummary},
    {kStd, 16, kDkSummary, kDkSummary},
    {kStd, 13, kDkSummary, kDkSummary},
    {kStd, 8, kPalIAirSummary, kCable56Summary},
    {kStd, 18, {1, 72, kIf38, 1, 47'750, 82'250, 10}, {1, 69, kIf38, 1, 47'750, 855'250, 10}},
    {kStd, 14, kCcirAirSummary, kCcirCableSummary},
    {kStd, 5, kDkSummary, kDkSummary},
    {kStd, 10, kFccAirSummary, kFccCableSummary},
    {kStd, 9, kFccAirSummary, kFccCableSummary},
    {kStd, 2, {1, 62, kIf45, 1, 91'250, 765'250, 0}, {1, 63, kIf45, 1, 91'250, 463'250, 0}},
    {kIdx, 12, {1, 73, kIf38, 1, 57'250, 591'250, 5}, {1, 58, kIf38, 1, 57'250, 168'250, 0}},
    {kIdx, 22, {1, 69, kIf38, 1, 44'250, 855'250, 8}, {1, 65, kIf38, 1, 41'250, 168'250, 0}},
    {kIdx, 45, {1, 125, kIf38, 1, 49'750, 998'250, 3}, {1, 125, kIf38, 1, 49'750, 998'250, 3}},
    {kIdx, 46, {1, 125, kIf38, 1, 45'750, 992'250, 0}, {1, 125, kIf38, 1, 48'250, 663'250, 0}},
    {kIdx, 97, kPalIAirSummary, kCable56Summary},
    {kIdx, 109, kCcirAirSummary, {1, 75, kIf38, 1, 41'250, 695'250, 0}},
    {kIdx, 110, {1, 69, kIf38, 1, 53'750, 855'250, 8}, {1, 58, kIf38, 1, 53'750, 168'250, 0}},
    {kIdx, 157, {1, 69, kIf38, 1, 45'250, 855'250, 8}, {1, 58, kIf38, 1, 45'250, 168'250, 0}},
    {kIdx, 173, {3, 69, kIf38, 3, 45'750, 855'250, 8}, {1, 38, kIf38, 1, 111'250, 463'250, 0}},
    {kIdx, 195, {1, 69, kIf38, 1, 45'750, 855'250, 7}, {1, 44, kIf38, 1, 69'250, 463'250, 0}},
    {kIdx, 207, {1, 69, kIf38, 1, 44'250, 855'250, 8}, {1, 58, kIf38, 1, 41'250, 168'250, 0}},
    {kIdx, 147, {1, 69, kIf38, 2, 48'250, 855'250, 1}, {1, 65, kIf38, 1, 41'250, 211'250, 0}},
    {kIdx, 153, {2, 81, kIf38, 2, 48'250, 851'000, 5}, kCable56Summary},
    {kIdx, 180, kRussiaAirSummary, kRussiaCableSummary},
    {kIdx, 115, kRussiaAirSummary, kRussiaCableSummary},
    {kIdx, 119, kRussiaAirSummary, kRussiaCableSummary},
    {kIdx, 210, kRussiaAirSummary, kRussiaCableSummary},
    {kIdx, 220, kRussiaAirSummary, kRussiaCableSummary},
    {kIdx, 230, kRussiaAirSummary, kRussiaCableSummary},
    {kIdx, 226, {20, 69, kIf38, 21, 471'250, 855'250, 1}, kCable56Summary},
};

std::string row_name(const Row& row) {
  return (row.kind == kStd ? "standard id " : "country index ") + std::to_string(row.key);
}

TEST(PlanTable, EveryCellMatchesItsSummary) {
  ASSERT_EQ(kPlanTable.size(), kExpectedRows.size());
  for (std::size_t i = 0; i < kExpectedRows.size(); ++i) {
    const Row& expected = kExpectedRows[i];
    const PlanRow& row = kPlanTable[i];
    SCOPED_TRACE("row " + std::to_string(i) + ", " + row_name(expected));
    ASSERT_EQ(row.kind, expected.kind);
    ASSERT_EQ(row.key, expected.key);
    EXPECT_EQ(summarise(*row.air), expected.air) << "air";
    EXPECT_EQ(summarise(*row.cable), expected.cable) << "cable";
    for (const ChannelTable* table : {row.air, row.cable}) {
      for (std::int32_t channel = 1; channel < table->first_channel(); ++channel) {
        EXPECT_EQ(table->carrier_hz(channel), 0) << "carrier below the first channel, ch " << channel;
      }
      EXPECT_EQ(table->carrier_hz(table->last_channel() + 1), 0);
      EXPECT_EQ(table->words().size(), static_cast<std::size_t>(table->last_channel()) + 3);
    }
  }
}

TEST(PlanTable, UsesFortyTwoDistinctTables) {
  std::set<const ChannelTable*> tables;
  std::set<const ChannelTable*> air_tables;
  for (const PlanRow& row : kPlanTable) {
    tables.insert(row.air);
    tables.insert(row.cable);
    air_tables.insert(row.air);
  }
  EXPECT_EQ(tables.size(), 42u);
  // No table serves as air table in one row and cable table in another.
  for (const PlanRow& row : kPlanTable) EXPECT_EQ(air_tables.count(row.cable), 0u) << row.key;
}

// Channels from..to, the first at first_khz, step_khz apart.
struct CarrierSpan {
  std::int32_t from;
  std::int32_t to;
  std::int32_t first_khz;
  std::int32_t step_khz;
};

// The carrier of every channel 0..last+1 in kHz (0 = none).
std::vector<std::int32_t> expand(std::int32_t last, const std::vector<CarrierSpan>& runs) {
  std::vector<std::int32_t> khz(static_cast<std::size_t>(last) + 2, 0);
  for (const CarrierSpan& run : runs) {
    for (std::int32_t channel = run.from; channel <= run.to; ++channel) {
      khz[static_cast<std::size_t>(channel)] = run.first_khz + (channel - run.from) * run.step_khz;
    }
  }
  return khz;
}

std::vector<std::int32_t> answered(std::int32_t index, Band band, std::int32_t last) {
  std::vector<std::int32_t> khz;
  for (std::int32_t channel = 0; channel <= last + 1; ++channel) {
    khz.push_back(channel_frequency(index, band, channel) / 1000);
  }
  return khz;
}

constexpr std::int32_t kUnitedStates = 228;
constexpr std::int32_t kGermany = 82;
constexpr std::int32_t kUnitedKingdom = 226;

TEST(ChannelTables, SpelledOutRunsAreExact) {
  struct Case {
    const char* name;
    std::int32_t index;
    Band band;
    std::int32_t last;
    std::vector<CarrierSpan> runs;
  };
  const std::vector<Case> cases = {
      {"standard id 1 air", kUnitedStates, Band::kAir, 69,
       {{2, 4, 55'250, 6'000}, {5, 6, 77'250, 6'000}, {7, 13, 175'250, 6'000}, {14, 69, 471'250, 6'000}}},
      {"standard id 1 cable", kUnitedStates, Band::kCable, 125,
       {{1, 1, 73'250, 0},
        {2, 4, 55'250, 6'000},
        {5, 6, 77'250, 6'000},
        {7, 13, 175'250, 6'000},
        {14, 22, 121'250, 6'000},
        {23, 94, 217'250, 6'000},
        {95, 99, 91'250, 6'000},
        {100, 125, 649'250, 6'000}}},
      {"standard id 4 air", kGermany, Band::kAir, 69,
       {{2, 4, 48'250, 7'000}, {5, 12, 175'250, 7'000}, {21, 69, 471'250, 8'000}}},
      {"standard id 4 cable", kGermany, Band::kCable, 60,
       {{2, 7, 48'250, 7'000},
        {8, 35, 105'250, 7'000},
        {36, 56, 303'250, 8'000},
        {57, 57, 543'250, 0},
        {58, 58, 575'250, 0},
        {59, 59, 583'250, 0},
        {60, 60, 623'250, 0}}},
      {"United Kingdom air", kUnitedKingdom, Band::kAir, 69, {{21, 69, 471'250, 8'000}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(answered(c.index, c.band, c.last), expand(c.last, c.runs));
  }
}

}  // namespace
}  // namespace zel
