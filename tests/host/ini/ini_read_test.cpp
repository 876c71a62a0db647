// Reads through the portable store: each row is a file, a lookup and what the
// platform's GetPrivateProfileStringA / GetPrivateProfileIntA return for it.
#include <gtest/gtest.h>

#include <climits>
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

struct ReadCase {
  const char* what;
  std::string_view file;
  std::string_view section;
  std::string_view key;
  std::string_view fallback;
  std::size_t buffer;
  std::string_view expected;
};

constexpr std::string_view kSimple = "[Sec]\r\nKey=Value\r\n";

const ReadCase kReadCases[] = {
    {"names match without case", kSimple, "sec", "KEY", "d", 260, "Value"},
    {"blanks around looked-up names", kSimple, "  Sec\t", " Key ", "d", 260, "Value"},
    {"blanks around names and values in the file", "[ Sec ]\r\n  Key \t=  Value  \r\n", "Sec", "Key", "d", 260, "Value"},
    {"missing section", kSimple, "Other", "Key", "dflt", 260, "dflt"},
    {"missing key", kSimple, "Sec", "Other", "dflt", 260, "dflt"},
    {"value cut to buffer - 1", kSimple, "Sec", "Key", "d", 4, "Val"},
    {"buffer of one", kSimple, "Sec", "Key", "d", 1, ""},
    {"buffer of zero", kSimple, "Sec", "Key", "d", 0, ""},
    {"default cut too", kSimple, "Sec", "x", "xyz", 3, "xy"},
    {"default loses trailing spaces", kSimple, "Sec", "x", "dd  ", 260, "dd"},
    {"all-space default keeps one", kSimple, "Sec", "x", "   ", 260, " "},
    {"default loses quotes", kSimple, "Sec", "x", "\"dd\"", 260, "dd"},
    {"empty value is not missing", "[s]\r\nk=\r\n", "s", "k", "d", 260, ""},
    {"double quotes dropped", "[s]\r\nk=\"abc\"\r\n", "s", "k", "d", 260, "abc"},
    {"single quotes dropped", "[s]\r\nk='x y'\r\n", "s", "k", "d", 260, "x y"},
    {"lone quote kept", "[s]\r\nk=\"\r\n", "s", "k", "d", 260, "\""},
    {"empty quotes", "[s]\r\nk=\"\"\r\n", "s", "k", "d", 260, ""},
    {"unmatched quotes kept", "[s]\r\nk=\"abc'\r\n", "s", "k", "d", 260, "\"abc'"},
    {"inner quote kept", "[s]\r\nk=\"a\"b\"\r\n", "s", "k", "d", 260, "a\"b"},
    {"quoted, buffer fits", "[s]\r\nk=\"abc\"\r\n", "s", "k", "d", 5, "abc"},
    {"quoted, buffer one short loses one more", "[s]\r\nk=\"abc\"\r\n", "s", "k", "d", 4, "ab"},
    {"quoted, buffer two short", "[s]\r\nk=\"abc\"\r\n", "s", "k", "d", 3, "ab"},
    {"first of duplicate keys", "[s]\r\na=1\r\na=2\r\n", "s", "a", "d", 260, "1"},
    {"only the first of duplicate sections", "[s]\r\na=1\r\n[S]\r\nb=3\r\n", "s", "b", "d", 260, "d"},
    {"name without = hides a later value", "[s]\r\nfoo\r\nfoo=1\r\n", "s", "foo", "d", 260, "d"},
    {"first = splits", "[s]\r\nk=a=b\r\n", "s", "k", "d", 260, "a=b"},
    {"; starts no comment", "[s]\r\n;c=1\r\n", "s", ";c", "d", 260, "1"},
    {"keys before any section", "top=1\r\n[s]\r\nk=2\r\n", "", "top", "d", 260, "1"},
    {"blank section name is the top one", "top=1\r\n[s]\r\n", "  ", "top", "d", 260, "1"},
    {"[] after the top section is not searched", "[s]\r\n[]\r\nk=1\r\n", "", "k", "d", 260, "d"},
    {"last ] closes the name", "[a]b]\r\nk=1\r\n", "a]b", "k", "d", 260, "1"},
    {"text after ] ignored", "[s] junk\r\nk=1\r\n", "s", "k", "d", 260, "1"},
    {"[ without ] is a key", "[x\r\nk=1\r\n", "", "k", "d", 260, "1"},
    {"[ inside a line opens no section", "[s]\r\nk=a[t]b\r\n[t]\r\nk=2\r\n", "t", "k", "d", 260, "2"},
    {"[ in a value before the section", "x=[s]\r\n[s]\r\nk=1\r\n", "s", "k", "d", 260, "1"},
    {"blanks before a header", "a=0\r\n \t\x1a[s]\r\nk=1\r\n", "s", "k", "d", 260, "1"},
    {"CR alone ends lines", "[s]\ra=1\rb=2", "s", "b", "d", 260, "2"},
    {"LF alone ends lines", "[s]\na=1\nb=2\n", "s", "b", "d", 260, "2"},
    {"mixed line ends", "[s]\r\r\n\na=1\n\r\nb=2", "s", "b", "d", 260, "2"},
    {"Ctrl-Z, VT and FF are blanks", "[s]\r\n\x1a k \x0b=\x0c v \x1a\r\n", "s", "k", "d", 260, "v"},
    {"no-break space is no blank", "[s]\r\n\xA0k=v\r\n", "s", "k", "d", 260, "d"},
    {"no-break space in a name", "[s]\r\n\xA0k=\xA0v\xA0\r\n", "s", "\xA0k", "d", 260, "\xA0v\xA0"},
    {"case folds ASCII only", "[\xC9]\r\nk=1\r\n", "\xE9", "k", "d", 260, "d"},
    {"repeated empty name dropped", "[s]\r\n=1\r\n=2\r\n", "s", "", "d", 260, "1"},
    {"NUL ends a value", "[s]\r\na=x\0y\r\n"sv, "s", "a", "d", 260, "x"},
    {"NUL ends a key name", "[s]\r\nb\0c=1\r\n"sv, "s", "b", "d", 260, "1"},
    {"NUL ends a section name", "[t\0u]\r\nk=2\r\n"sv, "t", "k", "d", 260, "2"},
    {"NUL ends an argument", "[s]\r\na=1\r\n", "s\0x"sv, "a\0y"sv, "d", 260, "1"},
    {"UTF-8 file reads as ANSI", "\xEF\xBB\xBF[s]\r\na=\xC3\xA9\xE2\x82\xAC\r\n", "s", "a", "d", 260, "\xE9\x80"},
    {"UTF-8 character outside ANSI", "\xEF\xBB\xBF[s]\r\na=\xE4\xB8\xAD\r\n", "s", "a", "d", 260, "?"},
    {"UTF-8 names", "\xEF\xBB\xBF[\xC3\xA9]\r\nk=1\r\n", "\xE9", "k", "d", 260, "1"},
    {"UTF-16LE file", "\xFF\xFE[\0s\0]\0\r\0\n\0a\0=\0\xE9\0\r\0\n\0"sv, "s", "a", "d", 260, "\xE9"},
    {"UTF-16BE file", "\xFE\xFF\0[\0s\0]\0\r\0\n\0a\0=\0\xE9\0\r\0\n"sv, "s", "a", "d", 260, "\xE9"},
};

void PrintTo(const ReadCase& c, std::ostream* os) { *os << c.what; }

class ReadTest : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ReadTest, ReturnsWhatThePlatformReturns) {
  const ReadCase& c = GetParam();
  test::TempFolder folder;
  const std::string path = folder.file("s.ini");
  test::put_file(path, c.file);
  IniProfileStore store(path);
  EXPECT_EQ(escaped(store.read_text(c.section, c.key, c.fallback, c.buffer)), escaped(c.expected))
      << c.what << "\nfile: " << escaped(c.file);
}

// The same reads from a file old enough for the store to keep its snapshot.
TEST_P(ReadTest, SnapshotReturnsTheSame) {
  const ReadCase& c = GetParam();
  ini::MemoryFileLayer files;
  files.put("s.ini", c.file);
  files.set_clock(IniProfileStore::kSettleTime + 1);
  IniProfileStore store("s.ini", files);
  for (int round = 0; round < 2; ++round) {
    EXPECT_EQ(escaped(store.read_text(c.section, c.key, c.fallback, c.buffer)), escaped(c.expected))
        << c.what << "\nfile: " << escaped(c.file);
  }
  EXPECT_EQ(files.reads(), c.buffer == 0 ? 0 : 1);
}

INSTANTIATE_TEST_SUITE_P(Cases, ReadTest, ::testing::ValuesIn(kReadCases));

TEST(ReadTest, MissingFileReadsDefaults) {
  test::TempFolder folder;
  IniProfileStore store(folder.file("none.ini"));
  EXPECT_EQ(store.read_text("s", "k", "\"d\" ", 260), "d");
  EXPECT_EQ(store.read_int("s", "k", 42), 42);
  EXPECT_EQ(folder.names().size(), 0u);
}

TEST(ReadTest, EmptyFileReadsDefaults) {
  test::TempFolder folder;
  test::put_file(folder.file("s.ini"), "");
  IniProfileStore store(folder.file("s.ini"));
  EXPECT_EQ(store.read_text("", "k", "d", 260), "d");
}

struct IntCase {
  std::string_view value;  // "<missing>": no such key
  std::int32_t expected;
};

const IntCase kIntCases[] = {
    {"<missing>", 77},
    {"", 77},
    {"\"\"", 77},
    {"42", 42},
    {"-5", -5},
    {"+5", 5},
    {"9abc", 9},
    {"1 2", 1},
    {"1e3", 1},
    {"000012", 12},
    {"abc", 0},
    {"ff", 0},
    {"-", 0},
    {"- 5", 0},
    {"+-3", 0},
    {"\"42\"", 42},
    {"\" 5\"", 5},
    {"\"+ 5\"", 0},
    {"0x10", 16},
    {"0xAbC", 2748},
    {"-0x1F", -31},
    {"0X10", 0},
    {"0x", 0},
    {"0xg", 0},
    {"0b101", 5},
    {"0b2", 0},
    {"0B1", 0},
    {"0o17", 15},
    {"2147483647", INT_MAX},
    {"2147483648", INT_MIN},
    {"4294967297", 1},
    {"-2147483649", INT_MAX},
    {"0xFFFFFFFF", -1},
    // Only 29 characters are read: 10^29 - 1 modulo 2^32.
    {"99999999999999999999999999999999999999", -1610612737},
};

void PrintTo(const IntCase& c, std::ostream* os) { *os << escaped(c.value); }

class IntTest : public ::testing::TestWithParam<IntCase> {};

TEST_P(IntTest, ParsesAsThePlatform) {
  const IntCase& c = GetParam();
  test::TempFolder folder;
  const std::string path = folder.file("s.ini");
  test::put_file(path, c.value == "<missing>" ? "[s]\r\n" : "[s]\r\nk=" + std::string(c.value) + "\r\n");
  IniProfileStore store(path);
  EXPECT_EQ(store.read_int("s", "k", 77), c.expected) << "value: " << escaped(c.value);
}

INSTANTIATE_TEST_SUITE_P(Cases, IntTest, ::testing::ValuesIn(kIntCases));

TEST(ReadTest, MegabyteLinesAndManyKeys) {
  test::TempFolder folder;
  const std::string path = folder.file("s.ini");
  std::string text = "[s]\r\nlong=" + std::string(1 << 20, 'x') + "END\r\n";
  for (int i = 0; i < 3000; ++i) text += "[sec" + std::to_string(i) + "]\r\nkey=" + std::to_string(i) + "\r\n";
  test::put_file(path, text);
  IniProfileStore store(path);
  const std::string value = store.read_text("s", "long", "", (1 << 20) + 10);
  ASSERT_EQ(value.size(), (1u << 20) + 3);
  EXPECT_EQ(value.substr(value.size() - 3), "END");
  EXPECT_EQ(store.read_int("SEC2999", "KEY", -1), 2999);
}

}  // namespace
}  // namespace zel
