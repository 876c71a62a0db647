#include "panel/tuning/tuner_exports.h"

#include "panel/tuning/country_list.h"
#include "panel/tuning/tuner_queries.h"

extern "C" std::int32_t ZEL_TUNER_CDECL ZtGetFreqInfo(
    std::int32_t* code, std::int32_t* country_index, std::int32_t band, std::int32_t channel,
    std::int32_t /*reserved1*/, std::int32_t* standard, std::int32_t* last_channel,
    std::int32_t* first_channel, std::int32_t /*reserved2*/) {
  if (country_index == nullptr) return 0;
  const std::int32_t index = *country_index;
  const std::optional<zel::CountryInfo> country = zel::country_info(index);
  if (!country) return 0;
  if (code != nullptr) *code = country->code;
  if (standard != nullptr) *standard = country->standard;
  if (band != 0 && band != 1) return 0;
  const auto which = static_cast<zel::Band>(band);
  if (const std::optional<zel::BandLimits> limits = zel::band_limits(index, which)) {
    if (last_channel != nullptr) *last_channel = limits->last;
    if (first_channel != nullptr) *first_channel = limits->first;
  }
  return zel::channel_frequency(index, which, channel);
}

extern "C" std::int32_t ZEL_TUNER_CDECL ZtGetContryInfo(void) { return zel::kCountryCount; }
