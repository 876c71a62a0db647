// Writes through the portable store: each row starts from a file, applies
// operations and expects the whole file, byte for byte, as the platform's
// WritePrivateProfileStringA leaves it.
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "common/ini/ini_profile_store.h"
#include "common/ini/memory_file_layer.h"
#include "tests/host/ini/temp_folder.h"

namespace zel {
namespace {

using namespace std::literals;
using test::escaped;

constexpr std::string_view kMissing = "<missing>";

struct Op {
  enum Kind { write, delete_key, delete_section } kind;
  std::string_view section;
  std::string_view key;
  std::string_view value;
};

Op put(std::string_view s, std::string_view k, std::string_view v) { return {Op::write, s, k, v}; }
Op erase(std::string_view s, std::string_view k) { return {Op::delete_key, s, k, {}}; }
Op erase(std::string_view s) { return {Op::delete_section, s, {}, {}}; }

struct WriteCase {
  const char* what;
  std::string_view initial;
  std::vector<Op> ops;
  std::string_view expected;
};

const std::vector<WriteCase>& write_cases() {
  static const std::vector<WriteCase> cases = {
      {"the first write creates the file", kMissing, {put("s", "k", "v")}, "[s]\r\nk=v\r\n"},
      {"an empty file", "", {put("", "k", "v"), put("s", "a", "1")}, "k=v\r\n[s]\r\na=1\r\n"},
      {"a change rewrites the layout", "\n; note\n[s]\n k = 1 \n\n[t]\nx=2\n", {put("S", "K", "2")},
       "; note\r\n[s]\r\nk=2\r\n[t]\r\nx=2\r\n"},
      {"the same value leaves the file alone", "[s]\nk=1\n", {put("s", "k", "1"), put("s", "k", " \t1")},
       "[s]\nk=1\n"},
      {"trailing blanks of a value are a change", "[s]\nk=1\n", {put("s", "k", "1 ")}, "[s]\r\nk=1 \r\n"},
      {"an empty value", kMissing, {put("s", "k", "")}, "[s]\r\nk=\r\n"},
      {"new keys go to the first of duplicate sections", "[s]\r\na=1\r\n[S]\r\nb=3\r\n", {put("s", "b", "5")},
       "[s]\r\na=1\r\nb=5\r\n[S]\r\nb=3\r\n"},
      {"the first of duplicate keys is written", "[s]\r\na=1\r\na=2\r\n", {put("s", "A", "9")},
       "[s]\r\na=9\r\na=2\r\n"},
      {"new names keep trailing blanks, lose leading ones", "[s]\r\na=1\r\n",
       {put(" s ", " a ", " v "), put(" t ", " b ", " w ")}, "[s]\r\na=v\r\n[t ]\r\nb =w \r\n"},
      {"a name without = takes the value in place", "[s]\r\nfoo\r\nfoo=1\r\n", {put("s", "foo", "2")},
       "[s]\r\nfoo=2\r\nfoo=1\r\n"},
      {"repeated empty names vanish on rewrite", "[s]\r\n=bar\r\n = baz\r\nqux\r\n=3\r\n", {put("s", "n", "1")},
       "[s]\r\n=bar\r\nqux\r\n=3\r\nn=1\r\n"},
      {"keys before any section", "top=1\r\n[s]\r\nb=2\r\n", {put("", "c", "3")}, "top=1\r\nc=3\r\n[s]\r\nb=2\r\n"},
      {"delete key: exact names, first match, every section of the name",
       "[s]\r\na=1\r\na=2\r\n[S]\r\na=4\r\n", {erase(" s", "a"), erase("s", " a"), erase("s", "a")},
       "[s]\r\na=2\r\n[S]\r\na=4\r\n"},
      {"delete key reaches later sections of the name", "[s]\r\na=2\r\n[S]\r\na=4\r\n",
       {erase("s", "a"), erase("S", "A")}, "[s]\r\n[S]\r\n"},
      {"delete section: the first of the name, empty or not", "[a]\n[b]\nk=1\n[A]\nk=2\n", {erase("a")},
       "[b]\r\nk=1\r\n[A]\r\nk=2\r\n"},
      {"delete section twice", "[a]\n[b]\nk=1\n[A]\nk=2\n", {erase("a"), erase("A"), erase("zz")},
       "[b]\r\nk=1\r\n"},
      {"delete the unnamed top section", "top=1\r\n[s]\r\nb=2\r\n", {erase("")}, "[s]\r\nb=2\r\n"},
      {"deleting what is not there writes nothing", "[s]\nk=1\n", {erase("s", "x"), erase("x"), erase(" s")},
       "[s]\nk=1\n"},
      {"deleting in a missing file creates none", kMissing, {erase("s", "k"), erase("s")}, kMissing},
      {"UTF-8 file keeps its mark, text converted", "\xEF\xBB\xBF[s]\r\n", {put("s", "k", "\xE9\x80\x81")},
       "\xEF\xBB\xBF[s]\r\nk=\xC3\xA9\xE2\x82\xAC\xC2\x81\r\n"},
      {"UTF-8 file keeps what it does not touch", "\xEF\xBB\xBF[s]\r\nc=\xE4\xB8\xAD\xF0\x9F\x98\x80\r\n",
       {put("s", "k", "1")}, "\xEF\xBB\xBF[s]\r\nc=\xE4\xB8\xAD\xF0\x9F\x98\x80\r\nk=1\r\n"},
      {"UTF-16LE file", "\xFF\xFE[\0s\0]\0\r\0\n\0"sv, {put("s", "b", "\xE9")},
       "\xFF\xFE[\0s\0]\0\r\0\n\0b\0=\0\xE9\0\r\0\n\0"sv},
      {"UTF-16BE file", "\xFE\xFF\0[\0s\0]\0\r\0\n"sv, {put("s", "b", "\xE9")},
       "\xFE\xFF\0[\0s\0]\0\r\0\n\0b\0=\0\xE9\0\r\0\n"sv},
      {"NUL cuts what follows on rewrite", "[s]\r\na=x\0y\r\n[t\0u]\r\n"sv, {put("s", "z", "1")},
       "[s]\r\na=x\r\nz=1\r\n[t]\r\n"},
      {"NUL ends arguments", kMissing, {put("s\0x"sv, "k\0y"sv, "v\0z"sv)}, "[s]\r\nk=v\r\n"},
      {"line breaks in a value are written as given", kMissing, {put("s", "b", "x\r\ny")}, "[s]\r\nb=x\r\ny\r\n"},
  };
  return cases;
}

void PrintTo(const WriteCase& c, std::ostream* os) { *os << c.what; }

class WriteTest : public ::testing::TestWithParam<WriteCase> {};

TEST_P(WriteTest, LeavesTheFileAsThePlatformDoes) {
  const WriteCase& c = GetParam();
  test::TempFolder folder;
  const std::string path = folder.file("s.ini");
  if (c.initial != kMissing) test::put_file(path, c.initial);
  IniProfileStore store(path);
  for (const Op& op : c.ops) {
    bool ok = false;
    switch (op.kind) {
      case Op::write: ok = store.write_text(op.section, op.key, op.value); break;
      case Op::delete_key: ok = store.delete_key(op.section, op.key); break;
      case Op::delete_section: ok = store.delete_section(op.section); break;
    }
    EXPECT_TRUE(ok) << c.what;
  }
  EXPECT_EQ(escaped(test::file_bytes(path)), escaped(c.expected)) << c.what;
}

INSTANTIATE_TEST_SUITE_P(Cases, WriteTest, ::testing::ValuesIn(write_cases()));

// A batch leaves the file exactly as the same writes one by one do, from
// files whose reading differs from their rewriting, plain writes or not.
TEST(WriteTest, BatchEqualsOneWriteAfterAnother) {
  const std::string_view starts[] = {
      kMissing, "", "\r\n", "[s]\nk=1\n", "[s]\r\nk=1\r\n[]\r\nm=2\r\n[ ]\r\n=x\r\n=y\r\n",
      "top\r\n[S]\r\nK\r\nk=0\r\n[s]\r\nq=1\r\n", "[a\0b]\r\n\0\r\nk=v\0w\r\n"sv,
      "\xEF\xBB\xBF[s]\r\nk=\xC3\xA9\r\n", "\xFF\xFE[\0s\0]\0\r\0\n\0"sv};
  const std::vector<std::vector<ProfileWrite>> batches = {
      {{"s", "k", "1"}, {"s", "2", "TRUE"}, {"t", "1", "x"}, {"S", "K", "2"}},
      {{"s", "k", "1"}, {"s", "k", "1"}},
      {{"s", "m", "TRUE"}, {"s", "\xE9", "\x80"}},
      {{"s", "k", "1"}, {"s", " k", "2"}, {"s", "n", "v "}},
      {{"s", "k", "a\r\n[t]\r\nz=1"}, {"t", "z", "2"}},
  };
  for (std::string_view start : starts) {
    for (const auto& batch : batches) {
      ini::MemoryFileLayer files;
      if (start != kMissing) {
        files.put("one", start);
        files.put("all", start);
      }
      IniProfileStore single("one", files), batched("all", files);
      for (const ProfileWrite& w : batch) ASSERT_TRUE(single.write_text(w.section, w.key, w.value));
      ASSERT_TRUE(batched.write_texts(batch));
      EXPECT_EQ(escaped(files.bytes("all")), escaped(files.bytes("one"))) << "start: " << escaped(start);
    }
  }
}

TEST(WriteTest, EachWriteIsInTheFileWhenItReturns) {
  test::TempFolder folder;
  const std::string path = folder.file("s.ini");
  IniProfileStore store(path);
  IniProfileStore other(path);  // another process on the same file
  ASSERT_TRUE(store.write_text("TVTuner", "recallCable", "12"));
  EXPECT_EQ(test::file_bytes(path), "[TVTuner]\r\nrecallCable=12\r\n");
  EXPECT_EQ(other.read_int("tvtuner", "recallcable", 0), 12);
  ASSERT_TRUE(other.write_text("TVTUNER", "RECALLCABLE", "13"));
  EXPECT_EQ(store.read_int("TVTuner", "recallCable", 0), 13);
  test::put_file(path, "[TVTuner]\r\nrecallCable=14\r\n");  // changed behind the store's back
  EXPECT_EQ(store.read_int("TVTuner", "recallCable", 0), 14);
}

}  // namespace
}  // namespace zel
