// The portable store's snapshot on the platform's file system: another
// writer's change is always seen, whatever it does with the file's times.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <string>
#include <string_view>

#include "common/ini/fault_file_layer.h"
#include "common/ini/ini_profile_store.h"

namespace {

constexpr std::int64_t kSecond = 1'000'000'000;

std::string file_with(std::string_view value) { return "[s]\r\nk=" + std::string(value) + "\r\n"; }

bool put_file(const std::string& path, const std::string& bytes) {
  HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const bool ok = WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                  written == bytes.size();
  return CloseHandle(h) && ok;
}

struct Times {
  FILETIME creation{}, access{}, write{};
};

Times times_of(const std::string& path) {
  Times t;
  HANDLE h = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0,
                         nullptr);
  EXPECT_NE(h, INVALID_HANDLE_VALUE) << path;
  EXPECT_TRUE(GetFileTime(h, &t.creation, &t.access, &t.write));
  CloseHandle(h);
  return t;
}

void set_times(const std::string& path, const Times& t) {
  HANDLE h = CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                         OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(h, INVALID_HANDLE_VALUE) << path;
  EXPECT_TRUE(SetFileTime(h, &t.creation, &t.access, &t.write));
  CloseHandle(h);
}

bool same_write_time(const std::string& a, const Times& b) {
  const Times now = times_of(a);
  return CompareFileTime(&now.write, &b.write) == 0;
}

// Runs a command line in another process and waits for its end.
void run_process(std::string command) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  ASSERT_TRUE(CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr, nullptr,
                             &startup, &process))
      << command;
  EXPECT_EQ(WaitForSingleObject(process.hProcess, 30000), WAIT_OBJECT_0) << command;
  DWORD code = 1;
  GetExitCodeProcess(process.hProcess, &code);
  EXPECT_EQ(code, 0u) << command;
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
}

struct Writer {
  const char* what;
  std::function<void(const std::string& path)> change;
  const char* expected;  // what reading k then gives with the default "'d'"
};

void PrintTo(const Writer& w, std::ostream* os) { *os << w.what; }

const Writer kWriters[] = {
    {"the platform's profile functions write a value of the same size",
     [](const std::string& path) { ASSERT_TRUE(WritePrivateProfileStringA("s", "k", "bbbb", path.c_str())); },
     "bbbb"},
    {"another store writes a value of the same size",
     [](const std::string& path) { ASSERT_TRUE(zel::IniProfileStore(path).write_text("s", "k", "bbbb")); }, "bbbb"},
    {"rewritten in place, all its times put back",
     [](const std::string& path) {
       const Times before = times_of(path);
       ASSERT_TRUE(put_file(path, file_with("bbbb")));
       set_times(path, before);
       EXPECT_TRUE(same_write_time(path, before));
     },
     "bbbb"},
    {"an older file of the same size and times renamed over it",
     [](const std::string& path) {
       const std::string other = path + ".new";
       ASSERT_TRUE(put_file(other, file_with("bbbb")));
       const Times before = times_of(path);
       set_times(other, before);
       ASSERT_TRUE(MoveFileExA(other.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING));
       EXPECT_TRUE(same_write_time(path, before));
     },
     "bbbb"},
    {"another process copies a file of the same size and time over it",
     [](const std::string& path) {
       const std::string other = path + ".copy";
       ASSERT_TRUE(put_file(other, file_with("bbbb")));
       const Times before = times_of(path);
       set_times(other, before);
       run_process("cmd.exe /c copy /y \"" + other + "\" \"" + path + "\"");
       DeleteFileA(other.c_str());
       EXPECT_TRUE(same_write_time(path, before));
     },
     "bbbb"},
    {"deleted", [](const std::string& path) { ASSERT_TRUE(DeleteFileA(path.c_str())); }, "d"},
    {"replaced by a folder",
     [](const std::string& path) {
       ASSERT_TRUE(DeleteFileA(path.c_str()));
       ASSERT_TRUE(CreateDirectoryA(path.c_str(), nullptr));
     },
     "'d'"},
};

class SnapshotChangeTest : public ::testing::TestWithParam<Writer> {
 protected:
  void SetUp() override {
    char temp[MAX_PATH];
    ASSERT_GT(GetTempPathA(MAX_PATH, temp), 0u);
    folder_ = std::string(temp) + "zel-profile-snapshot-" + std::to_string(GetCurrentProcessId());
    ASSERT_TRUE(CreateDirectoryA(folder_.c_str(), nullptr));
    path_ = folder_ + "\\ZelSFile.ini";
  }
  void TearDown() override {
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, path_.c_str());
    DeleteFileA(path_.c_str());
    RemoveDirectoryA(path_.c_str());
    RemoveDirectoryA(folder_.c_str());
  }

  std::string folder_;
  std::string path_;
};

// The layer's clock runs ahead, so that the file just written counts as
// settled and the store keeps its snapshot; the pause before the change keeps
// the change out of the time step of the snapshot's read, as the settling
// time does in real use.
TEST_P(SnapshotChangeTest, AnotherWritersChangeIsAlwaysSeen) {
  const Writer& w = GetParam();
  ASSERT_TRUE(put_file(path_, file_with("aaaa")));
  zel::ini::FaultFileLayer files;
  files.shift_clock(zel::IniProfileStore::kSettleTime + kSecond);
  zel::IniProfileStore store(path_, files);

  EXPECT_EQ(store.read_text("s", "k", "'d'", 260), "aaaa");
  EXPECT_EQ(store.read_text("s", "k", "'d'", 260), "aaaa");
  EXPECT_EQ(files.reads(), 1) << "the snapshot was not used";

  Sleep(30);
  w.change(path_);
  EXPECT_EQ(store.read_text("s", "k", "'d'", 260), w.expected) << w.what;
}

INSTANTIATE_TEST_SUITE_P(Writers, SnapshotChangeTest, ::testing::ValuesIn(kWriters));

TEST(SnapshotTest, FileWrittenJustNowIsReadEveryTime) {
  char temp[MAX_PATH];
  ASSERT_GT(GetTempPathA(MAX_PATH, temp), 0u);
  const std::string path = std::string(temp) + "zel-profile-recent-" + std::to_string(GetCurrentProcessId()) + ".ini";
  ASSERT_TRUE(put_file(path, file_with("aaaa")));
  zel::ini::FaultFileLayer files;
  zel::IniProfileStore store(path, files);
  for (int i = 0; i < 5; ++i) EXPECT_EQ(store.read_text("s", "k", "d", 260), "aaaa");
  EXPECT_EQ(files.reads(), 5);
  DeleteFileA(path.c_str());
}

}  // namespace
