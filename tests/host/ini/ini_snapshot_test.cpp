// Reads answered from a snapshot of the file: used while the file stays as it
// was, never once another writer has changed it, whatever the file system's
// time steps.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <functional>
#include <string>
#include <string_view>
#include <thread>
#include <utility>
#include <vector>

#include "common/ini/fault_file_layer.h"
#include "common/ini/ini_profile_store.h"
#include "common/ini/memory_file_layer.h"
#include "tests/host/ini/temp_folder.h"

namespace zel {
namespace {

constexpr std::int64_t kMs = 1'000'000;
constexpr std::int64_t kSecond = 1000 * kMs;

std::string file_with(std::string_view value) { return "[s]\r\nk=" + std::string(value) + "\r\n"; }

// Memory files whose next read can be made to run a change of the file
// right after the bytes were taken, as another process may.
class RacingFiles final : public ini::FileLayer {
 public:
  ini::MemoryFileLayer memory;
  std::function<void()> after_next_read;

  ini::FileRead read(const std::string& path, std::size_t max_bytes, bool for_update) override {
    ini::FileRead result = memory.read(path, max_bytes, for_update);
    if (after_next_read) std::exchange(after_next_read, nullptr)();
    return result;
  }
  bool replace(const std::string& path, std::string_view bytes) override { return memory.replace(path, bytes); }
  std::optional<ini::FileStamp> stamp(const std::string& path) override { return memory.stamp(path); }
  std::int64_t now() override { return memory.now(); }
};

TEST(SnapshotTest, SettledFileIsReadOnceForAnyNumberOfReads) {
  ini::MemoryFileLayer files;
  files.set_clock(100 * kSecond);
  files.put("s.ini", "top=0\r\n[S]\r\nk=1\r\nK=2\r\nbare\r\n[t]\r\nk=\"q\"\r\n[s]\r\nk=3\r\nx=4\r\n");
  IniProfileStore store("s.ini", files);

  // A file changed exactly kSettleTime ago is not old enough yet.
  files.advance_clock(IniProfileStore::kSettleTime);
  EXPECT_EQ(store.read_int("s", "k", -1), 1);
  EXPECT_EQ(store.read_int("s", "k", -1), 1);
  EXPECT_EQ(files.reads(), 2);

  files.advance_clock(1);
  const int before = files.reads();
  for (int round = 0; round < 50; ++round) {
    EXPECT_EQ(store.read_int(" S ", "K", -1), 1);
    EXPECT_EQ(store.read_int("s", "x", -1), -1);  // only the first [s] counts
    EXPECT_EQ(store.read_text("s", "bare", "d", 260), "d");
    EXPECT_EQ(store.read_text("T", "k", "d", 260), "q");
    EXPECT_EQ(store.read_text("", "top", "d", 260), "0");
    EXPECT_EQ(store.read_text("none", "k", "'d'", 260), "d");
  }
  EXPECT_EQ(files.reads(), before + 1);
}

// One step of a scenario; the clock is set to `at_ms` first (it may go back).
struct Step {
  std::int64_t at_ms;
  enum Action {
    other_writes,     // another writer puts k=value
    read,             // the store reads k, expecting value ("default" when missing)
    renamed_in_during_read,  // the store reads while a file written at 50 s, with
                             // k=value, is renamed over the one being read
    deleted,          // another writer deletes the file
    own_write,        // the store writes k=value
  } action;
  std::string_view value;
};

struct ChangeCase {
  const char* what;
  std::int64_t time_step_ms;  // the file system's time resolution
  std::vector<Step> steps;
};

void PrintTo(const ChangeCase& c, std::ostream* os) { *os << c.what; }

const ChangeCase kChangeCases[] = {
    {"a second change in the time step of the read that saw the first", 2000,
     {{100'000, Step::other_writes, "aaaa"},
      {100'500, Step::read, "aaaa"},
      {101'000, Step::other_writes, "bbbb"},  // same size, same 2 s step: same stamp
      {110'000, Step::read, "bbbb"}}},
    {"a change after the snapshot was kept", 2000,
     {{100'000, Step::other_writes, "aaaa"},
      {110'000, Step::read, "aaaa"},
      {110'000, Step::read, "aaaa"},
      {110'500, Step::other_writes, "bbbb"},
      {110'600, Step::read, "bbbb"},
      {130'000, Step::read, "bbbb"}}},
    {"an older file renamed over it during the read", 1,
     {{100'000, Step::other_writes, "aaaa"},
      {110'000, Step::renamed_in_during_read, "bbbb"},
      {110'100, Step::read, "bbbb"}}},
    {"the file deleted", 1,
     {{100'000, Step::other_writes, "aaaa"},
      {110'000, Step::read, "aaaa"},
      {110'100, Step::deleted, ""},
      {110'200, Step::read, "default"},
      {110'300, Step::other_writes, "cccc"},
      {110'400, Step::read, "cccc"}}},
    {"the clock set back to the time of the kept read's file", 1,
     {{100'000, Step::other_writes, "aaaa"},
      {110'000, Step::read, "aaaa"},
      {100'000, Step::other_writes, "bbbb"},  // same size and time as the kept read's
      {100'000, Step::read, "bbbb"}}},
    {"another writer in the time step of our own write", 2000,
     {{100'000, Step::other_writes, "aaaa"},
      {110'000, Step::read, "aaaa"},
      {110'100, Step::own_write, "cccc"},
      {110'200, Step::read, "cccc"},
      {110'300, Step::other_writes, "dddd"},
      {120'000, Step::read, "dddd"},
      {120'000, Step::read, "dddd"}}},
};

class ChangeTest : public ::testing::TestWithParam<ChangeCase> {};

TEST_P(ChangeTest, AnotherWritersChangeIsAlwaysSeen) {
  const ChangeCase& c = GetParam();
  RacingFiles files;
  files.memory.set_stamp_resolution(c.time_step_ms * kMs);
  IniProfileStore store("s.ini", files);
  int n = 0;
  for (const Step& step : c.steps) {
    files.memory.set_clock(step.at_ms * kMs);
    const std::string where = std::string(c.what) + ", step " + std::to_string(++n);
    switch (step.action) {
      case Step::other_writes:
        files.memory.put("s.ini", file_with(step.value));
        break;
      case Step::read:
        EXPECT_EQ(store.read_text("s", "k", "default", 260), step.value) << where;
        break;
      case Step::renamed_in_during_read:
        files.after_next_read = [&files, &step] {
          files.memory.set_clock(50 * kSecond);
          files.memory.put("s.ini", file_with(step.value));
          files.memory.set_clock(step.at_ms * kMs);
        };
        (void)store.read_text("s", "k", "default", 260);  // either value, as the moment falls
        ASSERT_FALSE(files.after_next_read) << where;
        break;
      case Step::deleted:
        files.memory.remove("s.ini");
        break;
      case Step::own_write:
        ASSERT_TRUE(store.write_text("s", "k", step.value)) << where;
        break;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, ChangeTest, ::testing::ValuesIn(kChangeCases));

// The same on the real file system. The layer's clock runs ahead, so that a
// file just written counts as settled; the pause before each change keeps
// the change out of the file system's time step of the snapshot's read, as
// kSettleTime does in real use.
struct NativeWriter {
  const char* what;
  std::function<void(const std::string& path)> change;
  const char* expected;  // what reading k then gives with the default "'d'"
};

void PrintTo(const NativeWriter& w, std::ostream* os) { *os << w.what; }

struct timespec last_write_time(const std::string& path) {
  struct stat st {};
  EXPECT_EQ(::stat(path.c_str(), &st), 0);
  return st.st_mtim;
}

void set_times(const std::string& path, const struct timespec& t) {
  const struct timespec both[2] = {t, t};
  ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), both, 0), 0);
}

const NativeWriter kNativeWriters[] = {
    {"another store writes a value of the same size",
     [](const std::string& path) { ASSERT_TRUE(IniProfileStore(path).write_text("s", "k", "bbbb")); }, "bbbb"},
    {"rewritten in place, its last-write time put back",
     [](const std::string& path) {
       const struct timespec before = last_write_time(path);
       const std::string bytes = file_with("bbbb");
       const int fd = ::open(path.c_str(), O_WRONLY | O_TRUNC);
       ASSERT_GE(fd, 0);
       ASSERT_EQ(::write(fd, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
       ::close(fd);
       set_times(path, before);
     },
     "bbbb"},
    {"an older file of the same size and time renamed over it",
     [](const std::string& path) {
       const std::string other = path + ".new";
       test::put_file(other, file_with("bbbb"));
       set_times(other, last_write_time(path));
       ASSERT_EQ(::rename(other.c_str(), path.c_str()), 0);
     },
     "bbbb"},
    {"deleted", [](const std::string& path) { ASSERT_EQ(::unlink(path.c_str()), 0); }, "d"},
    {"replaced by a folder",
     [](const std::string& path) {
       ASSERT_EQ(::unlink(path.c_str()), 0);
       ASSERT_EQ(::mkdir(path.c_str(), 0700), 0);
     },
     "'d'"},
};

class NativeChangeTest : public ::testing::TestWithParam<NativeWriter> {};

TEST_P(NativeChangeTest, AnotherWritersChangeIsAlwaysSeen) {
  const NativeWriter& w = GetParam();
  test::TempFolder folder;
  const std::string path = folder.file("s.ini");
  test::put_file(path, file_with("aaaa"));
  ini::FaultFileLayer files;
  files.shift_clock(IniProfileStore::kSettleTime + kSecond);
  IniProfileStore store(path, files);

  EXPECT_EQ(store.read_text("s", "k", "'d'", 260), "aaaa");
  EXPECT_EQ(store.read_text("s", "k", "'d'", 260), "aaaa");
  EXPECT_EQ(files.reads(), 1) << "the snapshot was not used";

  std::this_thread::sleep_for(std::chrono::milliseconds(30));
  w.change(path);
  EXPECT_EQ(store.read_text("s", "k", "'d'", 260), w.expected) << w.what;
}

INSTANTIATE_TEST_SUITE_P(Writers, NativeChangeTest, ::testing::ValuesIn(kNativeWriters));

TEST(NativeSnapshotTest, RecentFileIsReadEveryTime) {
  test::TempFolder folder;
  const std::string path = folder.file("s.ini");
  test::put_file(path, file_with("aaaa"));
  ini::FaultFileLayer files;
  IniProfileStore store(path, files);
  for (int i = 0; i < 5; ++i) EXPECT_EQ(store.read_text("s", "k", "d", 260), "aaaa");
  EXPECT_EQ(files.reads(), 5);
}

}  // namespace
}  // namespace zel
