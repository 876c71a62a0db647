// The portable store on the host: start-up seeding on an empty file, the
// rebuild of both band lists (channels 1 to 125), and reads from a
// 3,000-key file, written just before the reads or left alone long enough for
// the store to keep a snapshot. Files live in a scratch folder on the real
// file system.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <random>
#include <string>
#include <thread>

#include "common/ini/ini_profile_store.h"
#include "panel/tuning/settings_seeding.h"

namespace {

// A scratch folder for the run, removed at the end.
class Scratch {
 public:
  Scratch() {
    std::string pattern = "/tmp/zel-settings-bench-XXXXXX";
    folder_ = ::mkdtemp(pattern.data());
  }
  ~Scratch() {
    for (const char* name : {"seed.ini", "rebuild.ini", "recent.ini", "settled.ini"}) std::remove(file(name).c_str());
    ::rmdir(folder_.c_str());
  }
  std::string file(const char* name) const { return folder_ + "/" + name; }

 private:
  std::string folder_;
};

std::string scratch_file(const char* name) {
  static const Scratch scratch;
  return scratch.file(name);
}

zel::settings::SeedingHooks country_dialog(zel::ProfileStore& store) {
  zel::settings::SeedingHooks hooks;
  hooks.choose_country = [&store] {
    store.write_text("HOVRA", "CountryCode", "1");
    store.write_text("HOVRA", "Minair", "2");
    store.write_text("HOVRA", "Maxair", "69");
    store.write_text("HOVRA", "Min", "1");
    store.write_text("HOVRA", "Max", "125");
  };
  return hooks;
}

void SeedingOnEmptyFile(benchmark::State& state) {
  const std::string path = scratch_file("seed.ini");
  zel::IniProfileStore store(path);
  for (auto _ : state) {
    state.PauseTiming();
    std::remove(path.c_str());
    state.ResumeTiming();
    benchmark::DoNotOptimize(zel::settings::seed_settings(store, country_dialog(store)));
  }
}
BENCHMARK(SeedingOnEmptyFile)->Unit(benchmark::kMillisecond);

void RebuildBothBands(benchmark::State& state) {
  const std::string path = scratch_file("rebuild.ini");
  zel::IniProfileStore store(path);
  for (auto _ : state) {
    state.PauseTiming();
    std::ofstream(path, std::ios::trunc) << "[CHANNELLISTAIR]\r\nALREADYSCAN=TRUE\r\n";
    state.ResumeTiming();
    zel::settings::rebuild_band_list(store, zel::settings::Band::air, {1, 125});
    zel::settings::rebuild_band_list(store, zel::settings::Band::cable, {1, 125});
  }
}
BENCHMARK(RebuildBothBands)->Unit(benchmark::kMillisecond);

void write_3000_keys(const std::string& path) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  for (int s = 0; s < 30; ++s) {
    out << "[Section" << s << "]\r\n";
    for (int k = 0; k < 100; ++k) out << "Key" << k << "=" << s * 1000 + k << "\r\n";
  }
}

void thousand_reads(zel::IniProfileStore& store, std::mt19937& random) {
  for (int i = 0; i < 1000; ++i) {
    const std::string section = "section" + std::to_string(random() % 30);
    const std::string key = "KEY" + std::to_string(random() % 100);
    benchmark::DoNotOptimize(store.read_text(section, key, "missing", 260));
  }
}

void ReadsFromFileWrittenJustNow(benchmark::State& state) {
  const std::string path = scratch_file("recent.ini");
  zel::IniProfileStore store(path);
  std::mt19937 random(42);
  for (auto _ : state) {
    state.PauseTiming();
    write_3000_keys(path);
    state.ResumeTiming();
    thousand_reads(store, random);
  }
  state.SetItemsProcessed(state.iterations() * 1000);
}
BENCHMARK(ReadsFromFileWrittenJustNow)->Unit(benchmark::kMillisecond);

void ReadsFromSettledFile(benchmark::State& state) {
  const std::string path = scratch_file("settled.ini");
  static const bool settled = [&] {
    write_3000_keys(path);
    std::this_thread::sleep_for(std::chrono::nanoseconds(zel::IniProfileStore::kSettleTime) +
                                std::chrono::milliseconds(100));
    return true;
  }();
  benchmark::DoNotOptimize(settled);
  zel::IniProfileStore store(path);
  std::mt19937 random(42);
  for (auto _ : state) thousand_reads(store, random);
  state.SetItemsProcessed(state.iterations() * 1000);
}
BENCHMARK(ReadsFromSettledFile)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
