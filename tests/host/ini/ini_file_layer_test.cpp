// The file layer: atomic replace under injected failures, and what reads see.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>

#include "common/ini/fault_file_layer.h"
#include "common/ini/file_layer.h"
#include "common/ini/ini_profile_store.h"
#include "common/ini/memory_file_layer.h"
#include "tests/host/ini/temp_folder.h"

namespace zel {
namespace {

using ini::Fault;
using test::escaped;

constexpr std::string_view kBefore = "; kept as it is\n[vorne]\nAlwaysOnTop=TRUE\n[TVTuner]\nTVChannelAir=8\n";

struct FaultCase {
  Fault fault;
  const char* what;
};

void PrintTo(const FaultCase& c, std::ostream* os) { *os << c.what; }

class ReplaceFaultTest : public ::testing::TestWithParam<FaultCase> {};

TEST_P(ReplaceFaultTest, FailedWriteLeavesThePreviousFileWhole) {
  test::TempFolder folder;
  const std::string path = folder.file("ZelSFile.ini");
  test::put_file(path, kBefore);
  ini::FaultFileLayer files;
  files.inject(GetParam().fault);
  IniProfileStore store(path, files);

  EXPECT_FALSE(store.write_text("TVTuner", "TVChannelAir", "12")) << GetParam().what;
  EXPECT_FALSE(store.delete_key("vorne", "AlwaysOnTop")) << GetParam().what;
  EXPECT_FALSE(store.delete_section("TVTuner")) << GetParam().what;
  EXPECT_EQ(files.replaces(), 3);
  EXPECT_EQ(escaped(test::file_bytes(path)), escaped(kBefore)) << GetParam().what;
  EXPECT_EQ(folder.names(), std::vector<std::string>{"ZelSFile.ini"}) << "temporary file left behind";

  files.inject(Fault::none);
  EXPECT_TRUE(store.write_text("TVTuner", "TVChannelAir", "12"));
  EXPECT_EQ(store.read_int("TVTuner", "TVChannelAir", 0), 12);
}

TEST_P(ReplaceFaultTest, FailedBatchWritesNothing) {
  test::TempFolder folder;
  const std::string path = folder.file("s.ini");
  test::put_file(path, kBefore);
  ini::FaultFileLayer files;
  files.inject(GetParam().fault);
  IniProfileStore store(path, files);
  const ProfileWrite writes[] = {{"CHANNELLISTAIR", "ALREADYSCAN", "FALSE"}, {"CHANNELLISTAIR", "1", "TRUE"}};
  EXPECT_FALSE(store.write_texts(writes)) << GetParam().what;
  EXPECT_EQ(files.replaces(), 1);
  EXPECT_EQ(escaped(test::file_bytes(path)), escaped(kBefore)) << GetParam().what;
}

TEST_P(ReplaceFaultTest, FailedFirstWriteCreatesNoFile) {
  test::TempFolder folder;
  ini::FaultFileLayer files;
  files.inject(GetParam().fault);
  IniProfileStore store(folder.file("new.ini"), files);
  EXPECT_FALSE(store.write_text("s", "k", "v")) << GetParam().what;
  EXPECT_TRUE(folder.names().empty()) << GetParam().what;
}

// With a snapshot in use: a failed write leaves reads on the file as it is,
// a write that succeeds is read back.
TEST_P(ReplaceFaultTest, ReadsFollowTheFileAcrossFailedWrites) {
  test::TempFolder folder;
  const std::string path = folder.file("ZelSFile.ini");
  test::put_file(path, kBefore);
  ini::FaultFileLayer files;
  files.shift_clock(IniProfileStore::kSettleTime + 1'000'000'000);  // the file counts as settled
  IniProfileStore store(path, files);
  EXPECT_EQ(store.read_int("TVTuner", "TVChannelAir", 0), 8);
  EXPECT_EQ(store.read_int("TVTuner", "TVChannelAir", 0), 8);
  EXPECT_EQ(files.reads(), 1);

  files.inject(GetParam().fault);
  EXPECT_FALSE(store.write_text("TVTuner", "TVChannelAir", "12")) << GetParam().what;
  EXPECT_FALSE(store.delete_section("vorne")) << GetParam().what;
  EXPECT_EQ(store.read_int("TVTuner", "TVChannelAir", 0), 8) << GetParam().what;
  EXPECT_EQ(store.read_text("vorne", "AlwaysOnTop", "", 260), "TRUE") << GetParam().what;

  files.inject(Fault::none);
  ASSERT_TRUE(store.write_text("TVTuner", "TVChannelAir", "12"));
  EXPECT_EQ(store.read_int("TVTuner", "TVChannelAir", 0), 12);
  ASSERT_TRUE(store.delete_section("vorne"));
  EXPECT_EQ(store.read_text("vorne", "AlwaysOnTop", "gone", 260), "gone");
}

INSTANTIATE_TEST_SUITE_P(Steps, ReplaceFaultTest,
                         ::testing::Values(FaultCase{Fault::create_temp, "temporary file not made"},
                                           FaultCase{Fault::write, "write fails"},
                                           FaultCase{Fault::short_write, "half written, then disk full"},
                                           FaultCase{Fault::flush, "flush fails"},
                                           FaultCase{Fault::close, "close fails"},
                                           FaultCase{Fault::rename, "rename fails"}));

TEST(ReplaceTest, PartialWritesAreCompleted) {
  test::TempFolder folder;
  const std::string path = folder.file("s.ini");
  ini::FaultFileLayer files;
  files.limit_write_size(7);
  IniProfileStore store(path, files);
  ASSERT_TRUE(store.write_text("HOVRA", "DEFAULTNAME", "United Kingdom of Great Britain"));
  EXPECT_EQ(test::file_bytes(path), "[HOVRA]\r\nDEFAULTNAME=United Kingdom of Great Britain\r\n");
}

TEST(ReplaceTest, PlainBatchIsOneReplace) {
  test::TempFolder folder;
  ini::FaultFileLayer files;
  IniProfileStore store(folder.file("s.ini"), files);
  const ProfileWrite writes[] = {{"s", "a", "1"}, {"s", "b", "2"}, {"t", "a", "3"}};
  ASSERT_TRUE(store.write_texts(writes));
  EXPECT_EQ(files.replaces(), 1);
  ASSERT_TRUE(store.write_texts(writes));  // nothing changes: no rewrite
  EXPECT_EQ(files.replaces(), 1);
  const ProfileWrite unplain[] = {{"s", "a", " 5"}, {"s", "b", "6"}};
  ASSERT_TRUE(store.write_texts(unplain));
  EXPECT_EQ(files.replaces(), 3);
  EXPECT_EQ(test::file_bytes(folder.file("s.ini")), "[s]\r\na=5\r\nb=6\r\n[t]\r\na=3\r\n");
}

TEST(ReplaceTest, ReplacedFileKeepsItsPermissions) {
  test::TempFolder folder;
  const std::string path = folder.file("s.ini");
  test::put_file(path, kBefore);
  ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
  IniProfileStore store(path);
  ASSERT_TRUE(store.write_text("s", "k", "v"));
  struct stat st {};
  ASSERT_EQ(::stat(path.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0640u);
}

TEST(ReplaceTest, ReadFailureGivesDefaultsAndRefusesWrites) {
  test::TempFolder folder;
  const std::string path = folder.file("s.ini");
  test::put_file(path, kBefore);
  ini::FaultFileLayer files;
  files.inject(Fault::read);
  IniProfileStore store(path, files);
  EXPECT_EQ(store.read_text("vorne", "AlwaysOnTop", "'x'", 260), "'x'");
  EXPECT_EQ(store.read_int("TVTuner", "TVChannelAir", 5), 5);
  EXPECT_FALSE(store.write_text("vorne", "AlwaysOnTop", "FALSE"));
  EXPECT_EQ(files.replaces(), 0);
  EXPECT_EQ(test::file_bytes(path), kBefore);
}

TEST(MemoryFileLayerTest, StoreRulesWithoutADisk) {
  ini::MemoryFileLayer files;
  files.put("settings", "[s]\nk = \"1\" \n");
  IniProfileStore store("settings", files);
  EXPECT_EQ(store.read_text("S", "K", "", 260), "1");
  ASSERT_TRUE(store.write_text("s", "n", "2"));
  EXPECT_EQ(files.bytes("settings"), "[s]\r\nk=\"1\"\r\nn=2\r\n");
  IniProfileStore other("other", files);
  EXPECT_EQ(other.read_int("s", "k", 5), 5);
  EXPECT_FALSE(files.exists("other"));
}

TEST(NativeReadTest, TellsMissingFromFailed) {
  test::TempFolder folder;
  ini::FileLayer& files = ini::native_file_layer();
  EXPECT_EQ(files.read(folder.file("none.ini"), 100, false).status, ini::ReadStatus::missing);
  EXPECT_EQ(files.read(folder.file("no/none.ini"), 100, true).status, ini::ReadStatus::failed);
  EXPECT_EQ(files.read(folder.path(), 100, false).status, ini::ReadStatus::failed);
  test::put_file(folder.file("ten.ini"), "0123456789");
  EXPECT_EQ(files.read(folder.file("ten.ini"), 9, false).status, ini::ReadStatus::too_large);
  const ini::FileRead whole = files.read(folder.file("ten.ini"), 10, false);
  EXPECT_EQ(whole.status, ini::ReadStatus::ok);
  EXPECT_EQ(whole.bytes, "0123456789");
}

}  // namespace
}  // namespace zel
