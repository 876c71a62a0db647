// Binding the tuner-data library on the scripted loader: the call sequence of
// success and of each failure, and the queries through the bound exports.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "panel/platform/sim/call_diff.h"
#include "panel/platform/sim/sim_library_loader.h"
#include "panel/tuning/country_list.h"
#include "panel/tuning/tuner_binding.h"
#include "panel/tuning/tuner_exports.h"

namespace zel {
namespace {

using platform::ExportAddress;
using platform::sim::diff_calls;
using platform::sim::SimLibraryLoader;

constexpr const char* kSystemFolder = "C:\\windows\\system32";
constexpr const char* kLibraryPath = "C:\\windows\\system32\\ZtTV.dll";

template <typename Function>
ExportAddress address_of(Function* function) {
  return reinterpret_cast<ExportAddress>(function);
}

SimLibraryLoader::Exports real_exports() {
  return {{"ZtGetFreqInfo", address_of(&ZtGetFreqInfo)}, {"ZtGetContryInfo", address_of(&ZtGetContryInfo)}};
}

const std::vector<std::string> kBindCalls = {
    "GetSystemDirectory() = C:\\windows\\system32",
    "LoadLibraryEx(C:\\windows\\system32\\ZtTV.dll) = ZtTV.dll",
    "GetProcAddress(ZtTV.dll, ZtGetFreqInfo) = found",
    "GetProcAddress(ZtTV.dll, ZtGetContryInfo) = found",
};

TEST(TunerBinding, LoadsFromTheSystemFolderAndAnswersThroughTheExports) {
  SimLibraryLoader loader;
  loader.set_system_folder(kSystemFolder);
  loader.add_library("c:\\WINDOWS\\System32\\zttv.DLL", real_exports());

  const TunerBindResult bound = bind_tuner_library(loader);

  ASSERT_TRUE(bound);
  EXPECT_EQ(bound.error, TunerBindError::kNone);
  EXPECT_EQ(diff_calls({"GetSystemDirectory() = C:\\windows\\system32",
                        "LoadLibraryEx(C:\\windows\\system32\\ZtTV.dll) = zttv.DLL",
                        "GetProcAddress(zttv.DLL, ZtGetFreqInfo) = found",
                        "GetProcAddress(zttv.DLL, ZtGetContryInfo) = found"},
                       loader.calls()),
            "");
  EXPECT_EQ(loader.open_loads(), 1) << "the library stays loaded";

  const TunerLibrary& library = *bound.library;
  EXPECT_EQ(library.country_count(), kCountryCount);
  ASSERT_TRUE(library.country(228));
  EXPECT_EQ(library.country(228)->code, 1);
  EXPECT_EQ(library.country(228)->standard, 1);
  EXPECT_EQ(library.band_limits(228, Band::kAir), (BandLimits{69, 2}));
  EXPECT_EQ(library.band_limits(228, Band::kCable), (BandLimits{125, 1}));
  EXPECT_EQ(library.frequency(228, Band::kAir, 2), 55'250'000);
  EXPECT_FALSE(library.country(kCountryCount));
  EXPECT_FALSE(library.band_limits(kCountryCount, Band::kAir));
  for (std::int32_t index = 0; index < kCountryCount; ++index) {
    ASSERT_TRUE(library.country(index));
    EXPECT_EQ(library.country(index)->code, kCountries[static_cast<std::size_t>(index)].code);
  }
}

TEST(TunerBinding, EachFailureUnloadsWhatItLoaded) {
  struct Case {
    const char* name;
    std::function<void(SimLibraryLoader&)> arrange;
    TunerBindError error;
    std::vector<std::string> calls;
  };
  const std::vector<Case> cases = {
      {"system folder unknown",
       [](SimLibraryLoader& l) { l.add_library(kLibraryPath, real_exports()); },
       TunerBindError::kNoSystemFolder,
       {"GetSystemDirectory() = "}},
      {"library missing",
       [](SimLibraryLoader& l) {
         l.set_system_folder(kSystemFolder);
         l.add_library("C:\\ZEL\\ZtTV.dll", real_exports());
       },
       TunerBindError::kLoadFailed,
       {kBindCalls[0], "LoadLibraryEx(C:\\windows\\system32\\ZtTV.dll) = null"}},
      {"ZtGetFreqInfo missing",
       [](SimLibraryLoader& l) {
         l.set_system_folder(kSystemFolder);
         l.add_library(kLibraryPath, {{"ZtGetContryInfo", address_of(&ZtGetContryInfo)}});
       },
       TunerBindError::kNoFreqInfoExport,
       {kBindCalls[0], kBindCalls[1], "GetProcAddress(ZtTV.dll, ZtGetFreqInfo) = null",
        "FreeLibrary(ZtTV.dll)"}},
      {"ZtGetContryInfo missing",
       [](SimLibraryLoader& l) {
         l.set_system_folder(kSystemFolder);
         l.add_library(kLibraryPath, {{"ZtGetFreqInfo", address_of(&ZtGetFreqInfo)},
                                      {"ZtGetCountryInfo", address_of(&ZtGetContryInfo)}});
       },
       TunerBindError::kNoCountryInfoExport,
       {kBindCalls[0], kBindCalls[1], kBindCalls[2], "GetProcAddress(ZtTV.dll, ZtGetContryInfo) = null",
        "FreeLibrary(ZtTV.dll)"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SimLibraryLoader loader;
    c.arrange(loader);
    const TunerBindResult bound = bind_tuner_library(loader);
    EXPECT_FALSE(bound);
    EXPECT_EQ(bound.error, c.error);
    EXPECT_EQ(diff_calls(c.calls, loader.calls()), "");
    EXPECT_EQ(loader.open_loads(), 0);
  }
  EXPECT_EQ(kTunerLibraryMissingText, "Can't find frequency table!!");
}

TEST(TunerBinding, RootSystemFolderGetsNoDoubleSeparator) {
  SimLibraryLoader loader;
  loader.set_system_folder("C:\\");
  loader.add_library("C:\\ZtTV.dll", real_exports());
  EXPECT_TRUE(bind_tuner_library(loader));
}

// Fakes that record how the binding calls the exports.
int g_count_calls = 0;
std::vector<std::int32_t> g_preset_codes;

std::int32_t ZEL_TUNER_CDECL counting_count() {
  ++g_count_calls;
  return 7;
}

std::int32_t ZEL_TUNER_CDECL recording_freq_info(std::int32_t* code, std::int32_t* index,
                                                 std::int32_t band, std::int32_t channel, std::int32_t r1,
                                                 std::int32_t* standard, std::int32_t* last,
                                                 std::int32_t* first, std::int32_t r2) {
  g_preset_codes.push_back(*code);
  return ZtGetFreqInfo(code, index, band, channel, r1, standard, last, first, r2);
}

TEST(TunerBinding, CountsOnceAndPresetsTheCodeOnEveryQuery) {
  g_count_calls = 0;
  g_preset_codes.clear();
  SimLibraryLoader loader;
  loader.set_system_folder(kSystemFolder);
  loader.add_library(kLibraryPath, {{"ZtGetFreqInfo", address_of(&recording_freq_info)},
                                    {"ZtGetContryInfo", address_of(&counting_count)}});

  const TunerBindResult bound = bind_tuner_library(loader);
  ASSERT_TRUE(bound);
  EXPECT_EQ(bound.library->country_count(), 7);
  EXPECT_EQ(g_count_calls, 1);

  bound.library->country(180);
  bound.library->band_limits(180, Band::kCable);
  bound.library->frequency(180, Band::kAir, 1);
  bound.library->country(242);
  bound.library->country(12);
  EXPECT_EQ(g_preset_codes, (std::vector<std::int32_t>{-1, -1, -1, -1, -1}));
  EXPECT_EQ(g_count_calls, 1);
}

}  // namespace
}  // namespace zel
