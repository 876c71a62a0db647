#pragma once
// The plan table: which channel tables answer for a country. Twelve rows are
// keyed by standard id, twenty by country index; a country uses the row keyed
// by its index if there is one, else the row of its record's standard id.
#include <array>
#include <cstdint>

#include "panel/tuning/channel_table.h"

namespace zel {

enum class PlanKey { kStandard, kCountry };

struct PlanRow {
  PlanKey kind;
  std::int32_t key;
  const ChannelTable* air;
  const ChannelTable* cable;
};

inline constexpr std::size_t kPlanRowCount = 32;

extern const std::array<PlanRow, kPlanRowCount> kPlanTable;

// The row that answers for a country index; null outside the country list.
const PlanRow* plan_row_of_country(std::int32_t index);

}  // namespace zel
