#pragma once
// Binding the tuner-data library ZtTV.dll, once at start.
//
// bind_tuner_library() asks the loader for the system folder (empty: fail),
// loads "<system folder>\ZtTV.dll", looks up ZtGetFreqInfo, then
// ZtGetContryInfo, and calls ZtGetContryInfo once: its answer is the country
// count for the whole run. On any failure it unloads what it loaded and
// reports which step failed; the panel then shows kTunerLibraryMissingText
// and ends. On success the library stays loaded for the life of the process
// (TunerLibrary does not unload it).
#include <cstdint>
#include <optional>
#include <string_view>

#include "panel/platform/library_loader.h"
#include "panel/tuning/tuner_abi.h"
#include "panel/tuning/tuner_queries.h"

namespace zel {

inline constexpr std::string_view kTunerLibraryFileName = "ZtTV.dll";

// The text of the message box the panel shows when binding fails.
inline constexpr std::string_view kTunerLibraryMissingText = "Can't find frequency table!!";

enum class TunerBindError {
  kNone,
  kNoSystemFolder,
  kLoadFailed,
  kNoFreqInfoExport,
  kNoCountryInfoExport,
};

// Typed queries through the library's ZtGetFreqInfo. Each call presets the
// code to -1, as the library expects, and reads only the outputs its use
// relies on.
class TunerLibrary {
 public:
  TunerLibrary(platform::ModuleHandle module, ZtGetFreqInfoFn freq_info, std::int32_t country_count)
      : module_(module), freq_info_(freq_info), country_count_(country_count) {}

  // What ZtGetContryInfo answered at binding.
  std::int32_t country_count() const { return country_count_; }

  // Code and standard id (asked with band 1, channel 0); empty when the code
  // stays -1, i.e. the index names no country.
  std::optional<CountryInfo> country(std::int32_t index) const;

  // Last and first channel of a band (channel 0); empty when the code stays -1.
  std::optional<BandLimits> band_limits(std::int32_t index, Band band) const;

  // Nominal carrier of a channel in Hz, as the library answers it.
  std::int32_t frequency(std::int32_t index, Band band, std::int32_t channel) const;

  platform::ModuleHandle module() const { return module_; }

 private:
  struct Answer {
    std::int32_t code;
    std::int32_t standard;
    std::int32_t last;
    std::int32_t first;
    std::int32_t frequency;
  };
  Answer ask(std::int32_t index, Band band, std::int32_t channel) const;

  platform::ModuleHandle module_;
  ZtGetFreqInfoFn freq_info_;
  std::int32_t country_count_;
};

struct TunerBindResult {
  std::optional<TunerLibrary> library;  // set on success
  TunerBindError error = TunerBindError::kNone;

  explicit operator bool() const { return library.has_value(); }
};

TunerBindResult bind_tuner_library(platform::LibraryLoader& loader);

}  // namespace zel
