// The plan table. The country rows give their countries tables of their own;
// the six code-7 states share Russia's (see channel_tables.h for the pairs).
#include "panel/tuning/plan_table.h"

#include "panel/tuning/channel_tables.h"
#include "panel/tuning/country_records.h"

namespace zel {
namespace {

constexpr PlanRow standard(std::int32_t id, const ChannelTable& air, const ChannelTable& cable) {
  return {PlanKey::kStandard, id, &air, &cable};
}

constexpr PlanRow country(std::int32_t index, const ChannelTable& air, const ChannelTable& cable) {
  return {PlanKey::kCountry, index, &air, &cable};
}

}  // namespace

constinit const std::array<PlanRow, kPlanRowCount> kPlanTable{{
    standard(1, kFccAir, kFccCable),
    standard(4, kCcirAir, kCcirCable),
    standard(12, kCcirAir, kCcirCable),
    standard(16, kDkAir, kDkCable),
    standard(13, kDkAir, kDkCable),
    standard(8, kPalIAir, kPalICable),
    standard(18, kFranceAir, kFranceCable),
    standard(14, kCcirAir, kCcirCable),
    standard(5, kDkAir, kDkCable),
    standard(10, kFccAir, kFccCable),
    standard(9, kFccAir, kFccCable),
    standard(2, kJapanAir, kJapanCable),
    country(12, kAustraliaAir, kAustraliaCable),         // Australia
    country(22, kBelgiumAir, kBelgiumCable),             // Belgium
    country(45, kChinaAir, kChinaCable),                 // China
    country(46, kShenzhenAir, kShenzhenCable),           // China(Shenzhen)
    country(97, kHongKongAir, kHongKongCable),           // Hong Kong
    country(109, kIsraelAir, kIsraelCable),              // Israel
    country(110, kItalyAir, kItalyCable),                // Italy
    country(157, kNewZealandAir, kNewZealandCable),      // New Zealand
    country(173, kPolandAir, kPolandCable),              // Poland
    country(195, kSouthAfricaAir, kSouthAfricaCable),    // South Africa
    country(207, kSwitzerlandAir, kSwitzerlandCable),    // Switzerland
    country(147, kMoroccoAir, kMoroccoCable),            // Morocco
    country(153, kNetherlandsAir, kNetherlandsCable),    // Netherlands
    country(180, kRussiaAir, kRussiaCable),              // Russia
    country(115, kRussiaAir, kRussiaCable),              // Kazakhstan
    country(119, kRussiaAir, kRussiaCable),              // Kyrgyzstan
    country(210, kRussiaAir, kRussiaCable),              // Tajikistan
    country(220, kRussiaAir, kRussiaCable),              // Turkmenistan
    country(230, kRussiaAir, kRussiaCable),              // Uzbekistan
    country(226, kUnitedKingdomAir, kUnitedKingdomCable),  // United Kingdom
}};

const PlanRow* plan_row_of_country(std::int32_t index) {
  const CountryRecord* record = record_of_country(index);
  if (record == nullptr) return nullptr;
  for (const PlanRow& row : kPlanTable) {
    if (row.kind == PlanKey::kCountry && row.key == index) return &row;
  }
  for (const PlanRow& row : kPlanTable) {
    if (row.kind == PlanKey::kStandard && row.key == record->standard) return &row;
  }
  return nullptr;
}

}  // namespace zel
