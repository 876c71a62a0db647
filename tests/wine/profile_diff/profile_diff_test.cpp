// Differential test: generated operation sequences run once through the
// platform's GetPrivateProfileStringA / GetPrivateProfileIntA /
// WritePrivateProfileStringA on one file and once through the portable store
// on a twin file. Every result is compared, and both files byte for byte after
// every write. Batches (ProfileStore::write_texts) are compared against the
// same writes made one by one through the platform.
//
// A second test makes generated reads from files left alone long enough for
// the store to answer from its snapshot, and for the platform from its copy.
//
// Deliberate differences, kept out of the generated input:
//  - Caching. The platform keeps its parsed copy of each file, with values
//    as they were written rather than as the file reads back, and hands it
//    out while the file's time stamp is unchanged and over 2.1 s old, so a
//    value written with trailing blanks reads back with them although the
//    file reads without them. The store's snapshot is always a reading of
//    the file's bytes, so before each platform call the test drops the
//    platform's copy with WritePrivateProfileStringA(NULL, NULL, NULL, f).
//  - Invalid UTF-8 after a UTF-8 mark: the platform rewrites each bad
//    sequence as U+FFFD, destroying the bytes; the store keeps them.
//  - Characters outside code page 1252 in files with a mark read as "?" from
//    the store; the platform uses best-fit replacements for some (U+0100 as
//    "A"). The generated Unicode files use only characters of the code page
//    and characters without such a replacement.
//  - Files over 16 MiB are refused by the store (never rewritten, so never
//    cut); the platform reads them whole.
//  - A delete_section whose rewrite fails returns false from the store; the
//    platform returns TRUE. Rewrites do not fail here.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "common/ini/fault_file_layer.h"
#include "common/ini/ini_profile_store.h"
#include "tests/common/file_bytes.h"

namespace {

using namespace std::literals;
using zel::test::escaped;
using zel::test::file_bytes;


void write_bytes(const std::string& path, std::string_view bytes) {
  FILE* f = std::fopen(path.c_str(), "wb");
  ASSERT_NE(f, nullptr) << path;
  std::fwrite(bytes.data(), 1, bytes.size(), f);
  std::fclose(f);
}

// UTF-16 of a UTF-8 literal, with the mark, little or big endian.
std::string utf16(std::string_view utf8, bool big_endian) {
  std::wstring wide(static_cast<std::size_t>(MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0)), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), static_cast<int>(wide.size()));
  std::string out;
  auto put = [&](wchar_t w) {
    const char hi = static_cast<char>(w >> 8), lo = static_cast<char>(w & 0xFF);
    out += big_endian ? hi : lo;
    out += big_endian ? lo : hi;
  };
  put(0xFEFF);
  for (wchar_t w : wide) put(w);
  return out;
}

struct StartingFile {
  const char* what;
  std::string bytes;  // "<missing>": no file
};

std::vector<StartingFile> starting_files() {
  const std::string long_value(10000, 'L');
  return {
      {"missing file", "<missing>"},
      {"empty file", ""},
      {"blank lines only", "\r\n  \r\n\t\n"},
      {"settings file",
       "[vorne]\r\nUseFullScan=FALSE\r\nAlwaysOnTop=TRUE\r\n[HOVRA]\r\nCountryCode=44\r\nMinair=2\r\nMaxair=69\r\n"
       "[TVTuner]\r\nTVChannelAir=8\r\nrecallCable=12\r\nFMChannel=875\r\n[CHANNELLISTAIR]\r\nALREADYSCAN=TRUE\r\n"
       "2=TRUE\r\n3=FALSE\r\n4=TRUE\r\n[Air channel Name]\r\n2=BBC One\r\n"},
      {"duplicate sections and keys",
       "[s]\r\nk=1\r\nK=2\r\na=3\r\n[S]\r\nk=4\r\nb=5\r\n[t]\r\nk=6\r\n[s]\r\nc=7\r\n[ s ]\r\nd=8\r\n"},
      {"quotes, blanks, lines without =",
       "top=1\r\n  ; comment = here\r\n[s]\r\n  k  =  \"quoted\"  \r\nq='x'\r\nlone=\"\r\nempty=\r\n=bar\r\n = baz\r\n"
       "noequals\r\nk2=\"a\"b\"\r\n\x1a tab\t=\t v \x1a\r\n[]\r\nin_empty=1\r\n[ ]\r\n[a]b]\r\nx=1\r\n[x\r\ny]z=3\r\n"},
      {"line ends", "[s]\ra=1\rb=2\n[t]\nc=3\r\r\n\nd=4\n\r[u]\r\ne=5"},
      {"long lines and odd bytes",
       "[s]\r\nlong=" + long_value + "\r\n[\xC9t\xE9]\r\nK\xC9=\xE9\x80\xFF\r\n\xA0k\xA0=\xA0v\xA0\r\n\x81\x8D=\x8F\x90\x9D\r\n"
       "[x]\r\n" + std::string(5000, 'n') + "=v\r\n"},
      {"NUL bytes", "[s]\r\na=x\0y\r\nb\0c=1\r\n[t\0u]\r\nk=2\r\n\0\r\nz=\0\r\n"s},
      {"UTF-8 with mark",
       "\xEF\xBB\xBF[s]\r\na=\xC3\xA9\xE2\x82\xAC\r\nb=\xE4\xB8\xAD\r\nc=\xF0\x9F\x98\x80\r\n[\xC3\xA9]\r\nk=1\r\n"},
      {"UTF-16LE", utf16("[s]\r\na=\xC3\xA9\xE2\x82\xAC\r\nb=\xE4\xB8\xAD\r\n[t]\nk=1\n", false)},
      {"UTF-16BE", utf16("top=x\r\n[s]\r\na=\xC3\xA9\r\n[u]\r\nk=\"q\"\r\n", true)},
  };
}

const std::vector<std::string_view> kSections = {
    "s", "S", " s ", "s\t", "t", "T", "u", "x", "vorne", "VORNE", "HOVRA", "TVTuner", "tvtuner",
    "CHANNELLISTAIR", "Air channel Name", "", "  ", "a]b", "x=y", "[x", "new", "New Section", "\xC9t\xE9",
    "\xE9T\xC9", "\xE9", "\xC9", "\xA0s", "zz"};

const std::vector<std::string_view> kKeys = {
    "k", "K", " k ", "a", "A", "b", "c", "d", "e", "z", "x", "", " ", "top", "long", "foo", "noequals",
    "k2", "q", "lone", "empty", "tab", "in_empty", "y]z", "[x", ";c", "; comment", "k=x", "[t]",
    "ALREADYSCAN", "recallCable", "recallcable", "2", "3", "99", "K\xC9", "k\xE9", "\xA0k\xA0", "\x81\x8D",
    "new key"};

std::vector<std::string> values() {
  return {"", "v", "TRUE", "FALSE", "true", " lead", "trail ", "\t tabs \t", "\"quoted\"", "'q'", "\"",
          "\"\"", "\"a\"b\"", "'mixed\"", "12", "-5", "+7", " 42", "0x1F", "0X1F", "0b101", "0o17",
          "4294967297", "99999999999999999999999999999999", "9abc", "a=b", "[x]", ";c", "\xE9\x80\x81\xFF",
          std::string(300, 'w'), "x\ry", "line\r\nbreak", "x\r\n[inject]\r\ny=1"};
}

// Names and values a batch makes in one update of the file.
const std::vector<std::string_view> kPlainSections = {"s", "S", "t", "CHANNELLISTAIR", "TVTuner", "\xC9t\xE9", "a]b", "new"};
const std::vector<std::string_view> kPlainKeys = {"k", "K", "a", "1", "2", "125", "ALREADYSCAN", "TVChannelAir", "y]z", ";c", "\xE9"};
const std::vector<std::string_view> kPlainValues = {"", "TRUE", "FALSE", "8", "\"q\"", "a=b", "[x]", "\xE9\x80"};

const std::vector<std::string_view> kDefaults = {"", "d", "dd  ", "   ", "\"q\"", " x ", "'a'"};
const std::vector<unsigned> kBuffers = {0, 1, 2, 3, 4, 5, 8, 30, 260, 1024, 20000};
const std::vector<int> kIntDefaults = {0, 77, -1, 500};

class ProfileDiffTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // Under Wine the host's memory file system, when there is one, spares the
    // disk thousands of flushed rewrites; the semantics are the same.
    std::string base = "Z:\\dev\\shm\\";
    const DWORD attributes = GetFileAttributesA(base.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
      char temp[MAX_PATH];
      ASSERT_GT(GetTempPathA(MAX_PATH, temp), 0u);
      base = temp;
    }
    folder_ = base + "zel-profile-diff-" + std::to_string(GetCurrentProcessId());
    ASSERT_TRUE(CreateDirectoryA(folder_.c_str(), nullptr));
  }
  void TearDown() override {
    DeleteFileA(native_path().c_str());
    DeleteFileA(store_path().c_str());
    RemoveDirectoryA(folder_.c_str());
  }

  std::string native_path() const { return folder_ + "\\native.ini"; }
  std::string store_path() const { return folder_ + "\\store.ini"; }

  void prepare(const StartingFile& f) {
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, native_path().c_str());
    DeleteFileA(native_path().c_str());
    DeleteFileA(store_path().c_str());
    if (f.bytes != "<missing>") {
      write_bytes(native_path(), f.bytes);
      write_bytes(store_path(), f.bytes);
    }
  }

  void drop_platform_copy() { WritePrivateProfileStringA(nullptr, nullptr, nullptr, native_path().c_str()); }

  std::string folder_;
};

TEST_F(ProfileDiffTest, GeneratedSequencesGiveTheSameResultsAndFiles) {
  const std::vector<std::string> value_pool = values();
  std::mt19937 random(0x5EED1234);
  auto pick = [&](const auto& pool) -> const auto& { return pool[random() % pool.size()]; };

  int operations = 0, writes = 0;
  for (const StartingFile& start : starting_files()) {
    prepare(start);
    zel::IniProfileStore store(store_path());
    const std::string native = native_path();

    for (int i = 0; i < 450; ++i) {
      ++operations;
      const std::string section(pick(kSections));
      const std::string key(pick(kKeys));
      std::ostringstream what;
      what << start.what << ", operation " << i << ": ";
      const unsigned kind = random() % 100;

      if (kind < 35) {
        const std::string fallback(pick(kDefaults));
        const unsigned size = pick(kBuffers);
        what << "read_text [" << escaped(section) << "] [" << escaped(key) << "] default '" << escaped(fallback)
             << "' buffer " << size;
        std::string buffer(size + 1, '\x7f');
        drop_platform_copy();
        const DWORD n = GetPrivateProfileStringA(section.c_str(), key.c_str(), fallback.c_str(), size ? buffer.data() : nullptr,
                                                 size, native.c_str());
        const std::string expected = size ? std::string(buffer.data(), n) : std::string();
        const std::string actual = store.read_text(section, key, fallback, size);
        ASSERT_EQ(escaped(actual), escaped(expected)) << what.str() << "\nfile: " << escaped(file_bytes(native));
        continue;
      }
      if (kind < 50) {
        const int fallback = pick(kIntDefaults);
        what << "read_int [" << escaped(section) << "] [" << escaped(key) << "] default " << fallback;
        drop_platform_copy();
        const auto expected = static_cast<std::int32_t>(GetPrivateProfileIntA(section.c_str(), key.c_str(), fallback, native.c_str()));
        ASSERT_EQ(store.read_int(section, key, fallback), expected) << what.str() << "\nfile: " << escaped(file_bytes(native));
        continue;
      }

      ++writes;
      if (kind >= 50 && kind < 58) {
        // A batch: the platform writes one after the other.
        std::vector<zel::ProfileWrite> batch(1 + random() % 8);
        std::vector<std::string> texts;
        texts.reserve(batch.size() * 3);
        what << "write_texts";
        for (zel::ProfileWrite& w : batch) {
          // Mostly plain names and values, which the store makes in one update.
          const bool plain = random() % 4 != 0;
          texts.emplace_back(plain ? pick(kPlainSections) : pick(kSections));
          texts.emplace_back(plain ? pick(kPlainKeys) : pick(kKeys));
          texts.emplace_back(plain ? pick(kPlainValues) : std::string_view(pick(value_pool)));
          w = {texts[texts.size() - 3], texts[texts.size() - 2], texts.back()};
          what << " [" << escaped(w.section) << "] [" << escaped(w.key) << "] = '" << escaped(w.value) << "'";
        }
        bool all = true;
        for (const zel::ProfileWrite& w : batch) {
          drop_platform_copy();
          all = WritePrivateProfileStringA(std::string(w.section).c_str(), std::string(w.key).c_str(),
                                           std::string(w.value).c_str(), native.c_str()) != FALSE && all;
        }
        ASSERT_EQ(store.write_texts(batch), all) << what.str();
        ASSERT_EQ(escaped(file_bytes(store_path())), escaped(file_bytes(native))) << what.str();
        continue;
      }
      BOOL expected = FALSE;
      bool actual = false;
      drop_platform_copy();
      if (kind < 85) {
        const std::string& value = pick(value_pool);
        what << "write [" << escaped(section) << "] [" << escaped(key) << "] = '" << escaped(value) << "'";
        expected = WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), native.c_str());
        actual = store.write_text(section, key, value);
      } else if (kind < 96) {
        what << "delete_key [" << escaped(section) << "] [" << escaped(key) << "]";
        expected = WritePrivateProfileStringA(section.c_str(), key.c_str(), nullptr, native.c_str());
        actual = store.delete_key(section, key);
      } else {
        what << "delete_section [" << escaped(section) << "]";
        expected = WritePrivateProfileStringA(section.c_str(), nullptr, nullptr, native.c_str());
        actual = store.delete_section(section);
      }
      ASSERT_EQ(actual, expected != FALSE) << what.str();
      ASSERT_EQ(escaped(file_bytes(store_path())), escaped(file_bytes(native))) << what.str();
    }
  }
  std::printf("%d operations, %d of them writes, over %zu starting files\n", operations, writes,
              starting_files().size());
}

// Twin files of every starting file, written before the first test so that
// they have settled by the time the test below runs.
class SettledFiles : public ::testing::Environment {
 public:
  void SetUp() override {
    char temp[MAX_PATH];
    ASSERT_GT(GetTempPathA(MAX_PATH, temp), 0u);
    folder_ = std::string(temp) + "zel-profile-settled-" + std::to_string(GetCurrentProcessId());
    ASSERT_TRUE(CreateDirectoryA(folder_.c_str(), nullptr));
    const std::vector<StartingFile> files = starting_files();
    for (std::size_t i = 0; i < files.size(); ++i) {
      if (files[i].bytes == "<missing>") continue;
      write_bytes(native_path(i), files[i].bytes);
      write_bytes(store_path(i), files[i].bytes);
      paths_.push_back(native_path(i));
      paths_.push_back(store_path(i));
    }
    written_at_ = GetTickCount();
  }
  void TearDown() override {
    for (const std::string& path : paths_) DeleteFileA(path.c_str());
    RemoveDirectoryA(folder_.c_str());
  }

  std::string native_path(std::size_t i) const { return folder_ + "\\native" + std::to_string(i) + ".ini"; }
  std::string store_path(std::size_t i) const { return folder_ + "\\store" + std::to_string(i) + ".ini"; }

  // Waits until the files are older than the store's settling time.
  void wait_until_settled() const {
    const DWORD wanted = static_cast<DWORD>(zel::IniProfileStore::kSettleTime / 1000000) + 250;
    const DWORD elapsed = GetTickCount() - written_at_;
    if (elapsed < wanted) Sleep(wanted - elapsed);
  }

 private:
  std::string folder_;
  std::vector<std::string> paths_;
  DWORD written_at_ = 0;
};

SettledFiles* const settled_files =
    static_cast<SettledFiles*>(::testing::AddGlobalTestEnvironment(new SettledFiles));

TEST(SettledProfileDiffTest, ReadsFromASnapshotGiveThePlatformsResults) {
  settled_files->wait_until_settled();
  std::mt19937 random(0x5E771ED);
  auto pick = [&](const auto& pool) -> const auto& { return pool[random() % pool.size()]; };
  const std::vector<StartingFile> files = starting_files();
  int reads = 0;
  for (std::size_t f = 0; f < files.size(); ++f) {
    if (files[f].bytes == "<missing>") continue;
    const std::string native = settled_files->native_path(f);
    zel::ini::FaultFileLayer counted;
    zel::IniProfileStore store(settled_files->store_path(f), counted);
    for (int i = 0; i < 300; ++i, ++reads) {
      const std::string section(pick(kSections));
      const std::string key(pick(kKeys));
      std::ostringstream what;
      what << files[f].what << ", read " << i << " [" << escaped(section) << "] [" << escaped(key) << "]";
      if (random() % 3 != 0) {
        const std::string fallback(pick(kDefaults));
        const unsigned size = pick(kBuffers);
        std::string buffer(size + 1, '\x7f');
        const DWORD n = GetPrivateProfileStringA(section.c_str(), key.c_str(), fallback.c_str(),
                                                 size ? buffer.data() : nullptr, size, native.c_str());
        const std::string expected = size ? std::string(buffer.data(), n) : std::string();
        ASSERT_EQ(escaped(store.read_text(section, key, fallback, size)), escaped(expected))
            << what.str() << " default '" << escaped(fallback) << "' buffer " << size;
      } else {
        const int fallback = pick(kIntDefaults);
        const auto expected =
            static_cast<std::int32_t>(GetPrivateProfileIntA(section.c_str(), key.c_str(), fallback, native.c_str()));
        ASSERT_EQ(store.read_int(section, key, fallback), expected) << what.str() << " default " << fallback;
      }
    }
    EXPECT_EQ(counted.reads(), 1) << files[f].what << ": the snapshot was not used";
  }
  std::printf("%d reads from settled files\n", reads);
}

}  // namespace
