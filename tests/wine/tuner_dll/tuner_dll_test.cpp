// ZtTV.dll as the panel meets it: in the system folder, loaded by full path,
// asked through its two exports.
#include <windows.h>

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "panel/platform/win32/win32_library_loader.h"
#include "panel/tuning/tuner_abi.h"
#include "panel/tuning/tuner_binding.h"

namespace zel {
namespace {

std::string own_folder() {
  char path[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder(path, length);
  return folder.substr(0, folder.find_last_of('\\'));
}

std::string system_copy_path() {
  platform::win32::Win32LibraryLoader loader;
  return loader.system_folder() + "\\ZtTV.dll";
}

bool install_into_system_folder() {
  const std::string source = own_folder() + "\\ZtTV.dll";
  return CopyFileA(source.c_str(), system_copy_path().c_str(), FALSE) != 0;
}

// Runs first: the prefix is fresh, so no ZtTV.dll is in its system folder yet.
TEST(TunerDllInstall, LoadsFromTheSystemFolderOnly) {
  platform::win32::Win32LibraryLoader loader;
  DeleteFileA(system_copy_path().c_str());
  const TunerBindResult missing = bind_tuner_library(loader);
  EXPECT_FALSE(missing) << "the copy beside the program must not be used";
  EXPECT_EQ(missing.error, TunerBindError::kLoadFailed);

  ASSERT_TRUE(install_into_system_folder());
  const TunerBindResult bound = bind_tuner_library(loader);
  ASSERT_TRUE(bound);
  char loaded[MAX_PATH] = {};
  GetModuleFileNameA(static_cast<HMODULE>(bound.library->module()), loaded, MAX_PATH);
  EXPECT_STRCASEEQ(loaded, system_copy_path().c_str());
  loader.unload(bound.library->module());
}

class TunerDll : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    ASSERT_TRUE(install_into_system_folder());
    bound_ = new TunerBindResult(bind_tuner_library(loader_));
  }
  static void TearDownTestSuite() {
    if (bound_ != nullptr && *bound_) loader_.unload(bound_->library->module());
    delete bound_;
    bound_ = nullptr;
  }
  void SetUp() override {
    ASSERT_NE(bound_, nullptr) << "ZtTV.dll could not be copied into the system folder";
    ASSERT_TRUE(*bound_) << "binding failed, error " << static_cast<int>(bound_->error);
  }
  const TunerLibrary& library() const { return *bound_->library; }

  static platform::win32::Win32LibraryLoader loader_;
  static TunerBindResult* bound_;
};

platform::win32::Win32LibraryLoader TunerDll::loader_;
TunerBindResult* TunerDll::bound_ = nullptr;

TEST_F(TunerDll, ExportsExactlyTheTwoNames) {
  const auto* base = static_cast<const BYTE*>(library().module());
  const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
  const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
  const IMAGE_DATA_DIRECTORY& directory = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT];
  ASSERT_NE(directory.VirtualAddress, 0u);
  const auto* exports = reinterpret_cast<const IMAGE_EXPORT_DIRECTORY*>(base + directory.VirtualAddress);
  const auto* names = reinterpret_cast<const DWORD*>(base + exports->AddressOfNames);
  std::set<std::string> found;
  for (DWORD i = 0; i < exports->NumberOfNames; ++i) {
    found.insert(reinterpret_cast<const char*>(base + names[i]));
  }
  EXPECT_EQ(found, (std::set<std::string>{"ZtGetContryInfo", "ZtGetFreqInfo"}));
  EXPECT_EQ(exports->NumberOfFunctions, 2u);
}

TEST_F(TunerDll, CountryCount) { EXPECT_EQ(library().country_count(), 242); }

TEST_F(TunerDll, UnitedStates) {
  ASSERT_TRUE(library().country(228));
  EXPECT_EQ(library().country(228)->code, 1);
  EXPECT_EQ(library().country(228)->standard, 1);
  EXPECT_EQ(library().band_limits(228, Band::kAir), (BandLimits{69, 2}));
  EXPECT_EQ(library().band_limits(228, Band::kCable), (BandLimits{125, 1}));
  EXPECT_EQ(library().frequency(228, Band::kAir, 2), 55'250'000);
}

TEST_F(TunerDll, RussiaAndKazakhstanShareCodeSevenAndTheirOwnTables) {
  for (std::int32_t index : {180, 115}) {
    ASSERT_TRUE(library().country(index));
    EXPECT_EQ(library().country(index)->code, 7);
    EXPECT_EQ(library().band_limits(index, Band::kCable), (BandLimits{49, 1}));
    EXPECT_EQ(library().frequency(index, Band::kAir, 1), 49'750'000);
    EXPECT_EQ(library().frequency(index, Band::kCable, 1), 111'250'000);
  }
}

TEST_F(TunerDll, UnitedKingdomAirHasCarriersFromTwentyOne) {
  EXPECT_EQ(library().band_limits(226, Band::kAir), (BandLimits{69, 2}));
  for (std::int32_t channel = 2; channel <= 20; ++channel) {
    EXPECT_EQ(library().frequency(226, Band::kAir, channel), 0) << channel;
  }
  EXPECT_EQ(library().frequency(226, Band::kAir, 21), 471'250'000);
}

TEST_F(TunerDll, CanadaCodeTwoAnswersAsCodeOne) {
  ASSERT_TRUE(library().country(39));
  EXPECT_EQ(library().country(39)->code, 2);
  EXPECT_EQ(library().country(39)->standard, library().country(38)->standard);
  for (Band band : {Band::kAir, Band::kCable}) {
    EXPECT_EQ(library().band_limits(39, band), library().band_limits(38, band));
    for (std::int32_t channel = 0; channel <= 126; ++channel) {
      EXPECT_EQ(library().frequency(39, band, channel), library().frequency(38, band, channel));
    }
  }
}

TEST_F(TunerDll, IndexEqualToTheCountLeavesTheCode) {
  const auto freq_info =
      reinterpret_cast<ZtGetFreqInfoFn>(loader_.find_export(library().module(), kZtGetFreqInfoName));
  ASSERT_NE(freq_info, nullptr);
  std::int32_t code = kNoCountryCode;
  std::int32_t index = library().country_count();
  std::int32_t standard = 77;
  std::int32_t last = 77;
  std::int32_t first = 77;
  EXPECT_EQ(freq_info(&code, &index, 1, 0, 0, &standard, &last, &first, 0), 0);
  EXPECT_EQ(code, kNoCountryCode);
  EXPECT_EQ(standard, 77);
  EXPECT_EQ(last, 77);
  EXPECT_EQ(first, 77);
  EXPECT_FALSE(library().country(index));
}

}  // namespace
}  // namespace zel
