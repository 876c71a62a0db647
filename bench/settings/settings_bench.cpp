// Times the portable settings store against the platform's profile functions
// on identical files: the start-up seeding on an empty file, the rebuild of
// both band lists (channels 1 to 125), and 1,000 reads from a 3,000-key file,
// once written just before the reads and once left alone for longer than
// either store waits before it trusts a copy of the file (the platform 2.1 s,
// the portable store IniProfileStore::kSettleTime). Prints both times and
// their ratio. Fails only when the two stores give different results or leave
// different files, never on timing.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "common/ini/ini_profile_store.h"
#include "panel/platform/win32/win32_profile_store.h"
#include "panel/tuning/settings_seeding.h"
#include "tests/common/file_bytes.h"

namespace {

using zel::ProfileStore;

double seconds_of(const std::function<void()>& work) {
  LARGE_INTEGER frequency, start, stop;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&start);
  work();
  QueryPerformanceCounter(&stop);
  return static_cast<double>(stop.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
}

using zel::test::file_bytes;
using zel::test::put_file;

// Milliseconds since `start`.
DWORD since(DWORD start) { return GetTickCount() - start; }

struct Figures {
  std::string what;
  double native;
  double portable;
};

int failures = 0;

void check(bool same, const char* what) {
  if (!same) {
    std::printf("DIFFERENT: %s\n", what);
    ++failures;
  }
}

zel::settings::SeedingHooks country_dialog(ProfileStore& store) {
  zel::settings::SeedingHooks hooks;
  hooks.choose_country = [&store] {
    store.write_text("HOVRA", "CountryCode", "1");
    store.write_text("HOVRA", "CodePos", "0");
    store.write_text("HOVRA", "Minair", "2");
    store.write_text("HOVRA", "Maxair", "69");
    store.write_text("HOVRA", "Min", "1");
    store.write_text("HOVRA", "Max", "125");
    store.write_text("VideoStandard", "VideoStandard", "1");
  };
  return hooks;
}

std::string three_thousand_keys() {
  std::string text;
  for (int s = 0; s < 30; ++s) {
    text += "[Section" + std::to_string(s) + "]\r\n";
    for (int k = 0; k < 100; ++k) {
      text += "Key" + std::to_string(k) + "=" + std::to_string(s * 1000 + k) + "\r\n";
    }
  }
  return text;
}

}  // namespace

// Each measurement runs this many times, native and portable in turn, and
// the fastest run of each counts: the machine's noise only ever adds time.
// The platform's reads of a recent file take a second a run: fewer of them.
constexpr int kRuns = 5;
constexpr int kRecentReadRuns = 3;

int main() {
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  const std::string folder = std::string(temp) + "zel-settings-bench-" + std::to_string(GetCurrentProcessId());
  CreateDirectoryA(folder.c_str(), nullptr);
  const std::string native_path = folder + "\\native.ini";
  const std::string portable_path = folder + "\\portable.ini";
  zel::platform::win32::Win32ProfileStore native(native_path);
  zel::IniProfileStore portable(portable_path);

  // The files for the reads from a file left alone, written first so that
  // they age while the other measurements run.
  const std::string keys = three_thousand_keys();
  const std::string old_native_path = folder + "\\old-native.ini";
  const std::string old_portable_path = folder + "\\old-portable.ini";
  put_file(old_native_path, keys);
  put_file(old_portable_path, keys);
  const DWORD old_written = GetTickCount();
  const auto settle_ms = static_cast<DWORD>(zel::IniProfileStore::kSettleTime / 1000000);
  zel::platform::win32::Win32ProfileStore old_native(old_native_path);
  zel::IniProfileStore old_portable(old_portable_path);
  std::vector<Figures> figures;
  auto reset = [&](const std::string& bytes) {
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, native_path.c_str());
    DeleteFileA(native_path.c_str());
    DeleteFileA(portable_path.c_str());
    if (!bytes.empty()) {
      put_file(native_path, bytes);
      put_file(portable_path, bytes);
    }
  };

  std::string seeded;
  {
    Figures f{"start-up seeding, empty file", 1e9, 1e9};
    for (int run = 0; run < kRuns; ++run) {
      reset("");
      zel::settings::SeedingResult a, b;
      f.native = std::min(f.native, seconds_of([&] { a = zel::settings::seed_settings(native, country_dialog(native)); }));
      f.portable = std::min(f.portable, seconds_of([&] { b = zel::settings::seed_settings(portable, country_dialog(portable)); }));
      check(a.ranges == b.ranges && a.picture == b.picture && a.volume == b.volume, "seeding results");
      check(file_bytes(native_path) == file_bytes(portable_path), "files after seeding");
    }
    seeded = file_bytes(portable_path);
    figures.push_back(f);
  }
  {
    // As after choosing a country: both lists deleted, then rebuilt.
    Figures f{"rebuild of both band lists, 1-125", 1e9, 1e9};
    auto rebuild = [](ProfileStore& store) {
      zel::settings::rebuild_band_list(store, zel::settings::Band::air, {1, 125});
      zel::settings::rebuild_band_list(store, zel::settings::Band::cable, {1, 125});
    };
    for (int run = 0; run < kRuns; ++run) {
      reset(seeded);
      for (ProfileStore* store : {static_cast<ProfileStore*>(&native), static_cast<ProfileStore*>(&portable)}) {
        store->delete_section("CHANNELLISTAIR");
        store->delete_section("CHANNELLIST");
      }
      f.native = std::min(f.native, seconds_of([&] { rebuild(native); }));
      f.portable = std::min(f.portable, seconds_of([&] { rebuild(portable); }));
      check(file_bytes(native_path) == file_bytes(portable_path), "files after the rebuild");
    }
    figures.push_back(f);
  }
  {
    std::mt19937 random(42);
    std::vector<std::pair<std::string, std::string>> lookups;
    for (int i = 0; i < 1000; ++i) {
      lookups.emplace_back("section" + std::to_string(random() % 30), "KEY" + std::to_string(random() % 100));
    }
    std::vector<std::string> a, b;
    auto reads = [&](ProfileStore& store, std::vector<std::string>& out) {
      out.clear();
      for (const auto& [s, k] : lookups) out.push_back(store.read_text(s, k, "missing", 260));
    };

    // The file as it is while the panel and the TV program write it: each
    // store reads it just after it was written, so both parse it on every
    // call.
    Figures f{"1,000 reads, file written just now", 1e9, 1e9};
    const DWORD platform_trusts_after = 2100;
    bool stayed_recent = true;
    for (int run = 0; run < kRecentReadRuns; ++run) {
      reset(keys);
      DWORD written = GetTickCount();
      f.native = std::min(f.native, seconds_of([&] { reads(native, a); }));
      stayed_recent = stayed_recent && since(written) < platform_trusts_after;
      put_file(portable_path, keys);
      written = GetTickCount();
      f.portable = std::min(f.portable, seconds_of([&] { reads(portable, b); }));
      stayed_recent = stayed_recent && since(written) < settle_ms;
      check(a == b, "read results, file written just now");
    }
    figures.push_back(f);
    if (!stayed_recent) std::printf("note: some reads of the recent file came after it had settled\n");

    // The file left alone: the platform answers from its parsed copy, the
    // store from its snapshot, each after checking the file's time. The
    // first pass loads the copies and is not timed.
    const DWORD age = since(old_written);
    if (age < settle_ms + 250) Sleep(settle_ms + 250 - age);
    Figures old{"1,000 reads, file over " + std::to_string(settle_ms / 1000) + " s old", 1e9, 1e9};
    for (int run = 0; run < kRuns; ++run) {
      if (run == 0) {
        reads(old_native, a);
        reads(old_portable, b);
      }
      old.native = std::min(old.native, seconds_of([&] { reads(old_native, a); }));
      old.portable = std::min(old.portable, seconds_of([&] { reads(old_portable, b); }));
      check(a == b, "read results, file left alone");
    }
    figures.push_back(old);
  }

  std::printf("%-40s %11s %12s %8s  (fastest of %d runs, %d for the reads of a recent file)\n", "operation",
              "native ms", "portable ms", "ratio", kRuns, kRecentReadRuns);
  for (const Figures& f : figures) {
    std::printf("%-40s %11.2f %12.2f %7.1fx\n", f.what.c_str(), f.native * 1000, f.portable * 1000, f.native / f.portable);
  }

  reset("");
  WritePrivateProfileStringA(nullptr, nullptr, nullptr, old_native_path.c_str());
  DeleteFileA(old_native_path.c_str());
  DeleteFileA(old_portable_path.c_str());
  RemoveDirectoryA(folder.c_str());
  std::printf(failures == 0 ? "results identical\n" : "%d DIFFERENCES\n", failures);
  return failures == 0 ? 0 : 1;
}
