#include "panel/tuning/tuner_queries.h"

#include "panel/tuning/country_list.h"
#include "panel/tuning/country_records.h"
#include "panel/tuning/plan_table.h"

namespace zel {

std::optional<CountryInfo> country_info(std::int32_t index) {
  const Country* country = country_at(index);
  const CountryRecord* record = record_of_country(index);
  if (country == nullptr || record == nullptr) return std::nullopt;
  return CountryInfo{country->code, record->standard};
}

std::optional<BandLimits> band_limits(std::int32_t index, Band band) {
  const CountryRecord* record = record_of_country(index);
  if (record == nullptr) return std::nullopt;
  if (band == Band::kAir) return BandLimits{record->air_last, record->air_first};
  return BandLimits{record->cable_last, record->cable_first};
}

std::int32_t channel_frequency(std::int32_t index, Band band, std::int32_t channel) {
  const PlanRow* row = plan_row_of_country(index);
  if (row == nullptr) return 0;
  const ChannelTable* table = band == Band::kAir ? row->air : row->cable;
  return table->carrier_hz(channel);
}

}  // namespace zel
