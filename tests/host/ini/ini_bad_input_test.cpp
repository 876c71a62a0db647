// Bad input never crashes the store and never costs data.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <random>
#include <string>
#include <vector>

#include "common/ini/ini_document.h"
#include "common/ini/ini_encoding.h"
#include "common/ini/ini_index.h"
#include "common/ini/ini_parse.h"
#include "common/ini/ini_profile_store.h"
#include "common/ini/memory_file_layer.h"
#include "tests/host/ini/temp_folder.h"

namespace zel {
namespace {

TEST(BadInputTest, FolderInsteadOfFile) {
  test::TempFolder folder;
  IniProfileStore store(folder.path());
  // An unopenable file gives the default as it was passed, quotes and all.
  EXPECT_EQ(store.read_text("s", "k", "\"d\"  ", 260), "\"d\"");
  EXPECT_EQ(store.read_int("s", "k", 3), 3);
  EXPECT_FALSE(store.write_text("s", "k", "v"));
  EXPECT_FALSE(store.delete_key("s", "k"));
  EXPECT_FALSE(store.delete_section("s"));
  EXPECT_TRUE(folder.names().empty());
}

TEST(BadInputTest, MissingFolder) {
  test::TempFolder folder;
  IniProfileStore store(folder.file("gone/s.ini"));
  EXPECT_EQ(store.read_text("s", "k", "'d'", 260), "'d'");
  EXPECT_FALSE(store.write_text("s", "k", "v"));
  EXPECT_TRUE(folder.names().empty());
}

TEST(BadInputTest, OversizedFileIsNeverRewritten) {
  test::TempFolder folder;
  const std::string path = folder.file("big.ini");
  test::put_file(path, "[s]\r\nk=1\r\n");
  // Sparse: as long as the limit and one byte more, without writing it all.
  ASSERT_EQ(::truncate(path.c_str(), IniProfileStore::kMaxFileBytes + 1), 0);
  IniProfileStore store(path);
  EXPECT_EQ(store.read_int("s", "k", 7), 7);
  EXPECT_FALSE(store.write_text("s", "k", "2"));
  struct stat st {};
  ASSERT_EQ(::stat(path.c_str(), &st), 0);
  EXPECT_EQ(static_cast<std::size_t>(st.st_size), IniProfileStore::kMaxFileBytes + 1);
}

TEST(BadInputTest, BinaryGarbage) {
  std::mt19937 random(20240611);
  ini::MemoryFileLayer files;  // the rules, not the disk, are under test here
  const std::string path = "garbage.ini";
  IniProfileStore store(path, files);
  static constexpr char kAlphabet[] = "[]=;\"' \t\r\n\x1a\0\xEF\xBB\xBF\xFF\xFE\x80\xC3\xA9sk";
  const std::string alphabet(kAlphabet, sizeof kAlphabet - 1);
  for (int round = 0; round < 300; ++round) {
    std::string bytes(random() % 400, '\0');
    for (char& c : bytes) {
      c = (random() % 2) != 0 ? alphabet[random() % alphabet.size()] : static_cast<char>(random());
    }
    if (round % 3 == 0 && bytes.size() > 2) bytes.replace(0, 2, round % 2 ? "\xFF\xFE" : "\xFE\xFF");
    files.put(path, bytes);
    // The fast lookup behind reads finds what the whole document holds.
    if (!bytes.empty()) {
      const ini::Document doc = ini::parse_file(bytes);
      const ini::FileText text(bytes);
      const ini::IniIndex index(bytes);
      for (std::string_view s : {"", "s", " S", "\xC3\xA9"}) {
        for (std::string_view k : {"", "k", "K ", "s"}) {
          const ini::Entry* e = ini::find_entry(doc, s, k);
          const auto found = ini::lookup_value(text.text(), s, k);
          ASSERT_EQ(found.has_value(), e != nullptr && e->has_value) << test::escaped(bytes);
          if (found) {
            ASSERT_EQ(*found, e->value) << test::escaped(bytes);
          }
          // And so does the index behind reads of a kept snapshot.
          ASSERT_EQ(index.lookup(s, k), found) << test::escaped(bytes);
        }
      }
    }
    (void)store.read_text("s", "k", "d", 1 + random() % 300);
    (void)store.read_int("", "", 0);
    ASSERT_TRUE(store.write_text("s", "k", "value"));
    // Whatever the file held, the value written reads back. Only the first
    // section named "s" counts; the garbage may hold one with an earlier "k"
    // without a value, which then wins, so look at a fresh name too.
    ASSERT_TRUE(store.write_text("zz", "fresh", "v2"));
    EXPECT_EQ(store.read_text("zz", "fresh", "d", 260), "v2") << test::escaped(bytes);
    ASSERT_TRUE(store.delete_section("zz"));
  }
}

// Batches of plain writes against the same writes one by one, from garbage.
TEST(BadInputTest, BatchOverGarbageEqualsSingleWrites) {
  std::mt19937 random(77);
  ini::MemoryFileLayer files;
  const std::string one = "one.ini", all = "all.ini";
  IniProfileStore single(one, files), batched(all, files);
  static constexpr char kAlphabet[] = "[]=; \t\r\n\0sSkK12\xE9";
  const std::string alphabet(kAlphabet, sizeof kAlphabet - 1);
  const char* names[] = {"s", "S", "k", "K", "1", "2", "sk", "\xE9"};
  const char* values[] = {"", "TRUE", "FALSE", "8", "k=v", "[x]", "\xE9"};
  for (int round = 0; round < 300; ++round) {
    std::string bytes(random() % 120, '\0');
    for (char& c : bytes) c = alphabet[random() % alphabet.size()];
    files.put(one, bytes);
    files.put(all, bytes);
    std::vector<ProfileWrite> writes(1 + random() % 6);
    for (ProfileWrite& w : writes) w = {names[random() % 8], names[random() % 8], values[random() % 7]};
    for (const ProfileWrite& w : writes) ASSERT_TRUE(single.write_text(w.section, w.key, w.value));
    ASSERT_TRUE(batched.write_texts(writes));
    ASSERT_EQ(test::escaped(files.bytes(all)), test::escaped(files.bytes(one)))
        << "start: " << test::escaped(bytes);
  }
}

}  // namespace
}  // namespace zel
