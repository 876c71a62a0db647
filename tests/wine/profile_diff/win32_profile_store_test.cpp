// The stores over the platform's own profile functions.
#include "panel/platform/win32/win32_profile_store.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "common/ini/ini_profile_store.h"

namespace {

using namespace std::literals;
using zel::platform::win32::Win32ProfileStore;
using zel::platform::win32::Win32WinIniStore;

TEST(Win32WinIniStore, WritesReadsAndDeletesInWinIni) {
  Win32WinIniStore win_ini;
  ASSERT_TRUE(win_ini.write_text("ZelStoreTest", "222APDirectory", "C:\\Program Files\\ZEL"));
  ASSERT_TRUE(win_ini.write_text("ZelStoreTest", "Count", "17"));
  char buffer[64] = {};
  GetProfileStringA("zelstoretest", "222apdirectory", "", buffer, sizeof buffer);
  EXPECT_STREQ(buffer, "C:\\Program Files\\ZEL");
  EXPECT_EQ(win_ini.read_text("ZELSTORETEST", "222APDIRECTORY", "", 8), "C:\\Prog");
  EXPECT_EQ(win_ini.read_int("ZelStoreTest", "Count", 0), 17);

  ASSERT_TRUE(win_ini.delete_key("ZelStoreTest", "Count"));
  EXPECT_EQ(win_ini.read_int("ZelStoreTest", "Count", -3), -3);
  ASSERT_TRUE(win_ini.delete_section("ZelStoreTest"));
  EXPECT_EQ(win_ini.read_text("ZelStoreTest", "222APDirectory", "gone", 260), "gone");
}

TEST(Win32ProfileStore, AgreesWithThePortableStore) {
  char temp[MAX_PATH];
  ASSERT_GT(GetTempPathA(MAX_PATH, temp), 0u);
  const std::string native_path = std::string(temp) + "zel-win32-store-native.ini";
  const std::string portable_path = std::string(temp) + "zel-win32-store-portable.ini";
  DeleteFileA(native_path.c_str());
  DeleteFileA(portable_path.c_str());
  Win32ProfileStore native(native_path);
  zel::IniProfileStore portable(portable_path);

  for (zel::ProfileStore* store : {static_cast<zel::ProfileStore*>(&native), static_cast<zel::ProfileStore*>(&portable)}) {
    ASSERT_TRUE(store->write_text("TVTuner", "recallCable", "12"));
    ASSERT_TRUE(store->write_text("s\0ignored"sv, "k\0ignored"sv, "v\0ignored"sv));
    ASSERT_TRUE(store->write_text("HOVRA", "DEFAULTNAME", "\"United Kingdom\""));
    ASSERT_TRUE(store->write_text("gone", "k", "1"));
    ASSERT_TRUE(store->delete_section("gone"));
    const zel::ProfileWrite batch[] = {{"CHANNELLIST", "ALREADYSCAN", "FALSE"}, {"CHANNELLIST", "1", "TRUE"}};
    ASSERT_TRUE(store->write_texts(batch));
    ASSERT_TRUE(store->delete_key("CHANNELLIST", "ALREADYSCAN"));
  }
  for (std::size_t size : {0u, 1u, 4u, 260u, 100000u}) {
    EXPECT_EQ(native.read_text("hovra", "defaultname", "d", size), portable.read_text("hovra", "defaultname", "d", size))
        << size;
  }
  EXPECT_EQ(native.read_int("tvtuner", "RECALLCABLE", 0), 12);
  EXPECT_EQ(portable.read_int("tvtuner", "RECALLCABLE", 0), 12);
  EXPECT_EQ(native.read_text("s", "k", "", 260), "v");

  auto bytes = [](const std::string& path) {
    std::string out;
    if (FILE* f = std::fopen(path.c_str(), "rb")) {
      char buf[4096];
      std::size_t n;
      while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) out.append(buf, n);
      std::fclose(f);
    }
    return out;
  };
  EXPECT_EQ(bytes(native_path), bytes(portable_path));
  EXPECT_EQ(bytes(portable_path), "[TVTuner]\r\nrecallCable=12\r\n[s]\r\nk=v\r\n[HOVRA]\r\nDEFAULTNAME=\"United Kingdom\"\r\n"
                                  "[CHANNELLIST]\r\n1=TRUE\r\n");
  WritePrivateProfileStringA(nullptr, nullptr, nullptr, native_path.c_str());
  DeleteFileA(native_path.c_str());
  DeleteFileA(portable_path.c_str());
}

}  // namespace
