#include "panel/tuning/tuner_binding.h"

#include <string>

namespace zel {
namespace {

TunerBindResult failed(TunerBindError error) { return {std::nullopt, error}; }

}  // namespace

TunerLibrary::Answer TunerLibrary::ask(std::int32_t index, Band band, std::int32_t channel) const {
  Answer answer{kNoCountryCode, 0, 0, 0, 0};
  std::int32_t country_index = index;
  answer.frequency = freq_info_(&answer.code, &country_index, static_cast<std::int32_t>(band), channel,
                                0, &answer.standard, &answer.last, &answer.first, 0);
  return answer;
}

std::optional<CountryInfo> TunerLibrary::country(std::int32_t index) const {
  const Answer answer = ask(index, Band::kCable, 0);
  if (answer.code == kNoCountryCode) return std::nullopt;
  return CountryInfo{answer.code, answer.standard};
}

std::optional<BandLimits> TunerLibrary::band_limits(std::int32_t index, Band band) const {
  const Answer answer = ask(index, band, 0);
  if (answer.code == kNoCountryCode) return std::nullopt;
  return BandLimits{answer.last, answer.first};
}

std::int32_t TunerLibrary::frequency(std::int32_t index, Band band, std::int32_t channel) const {
  return ask(index, band, channel).frequency;
}

TunerBindResult bind_tuner_library(platform::LibraryLoader& loader) {
  std::string path = loader.system_folder();
  if (path.empty()) return failed(TunerBindError::kNoSystemFolder);
  if (path.back() != '\\' && path.back() != '/') path += '\\';
  path += kTunerLibraryFileName;

  const platform::ModuleHandle module = loader.load(path);
  if (module == nullptr) return failed(TunerBindError::kLoadFailed);

  const platform::ExportAddress freq_info = loader.find_export(module, kZtGetFreqInfoName);
  if (freq_info == nullptr) {
    loader.unload(module);
    return failed(TunerBindError::kNoFreqInfoExport);
  }
  const platform::ExportAddress country_info = loader.find_export(module, kZtGetContryInfoName);
  if (country_info == nullptr) {
    loader.unload(module);
    return failed(TunerBindError::kNoCountryInfoExport);
  }

  const std::int32_t count = reinterpret_cast<ZtGetContryInfoFn>(country_info)();
  return {TunerLibrary(module, reinterpret_cast<ZtGetFreqInfoFn>(freq_info), count),
          TunerBindError::kNone};
}

}  // namespace zel
