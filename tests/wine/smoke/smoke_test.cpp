#include <windows.h>

#include <gtest/gtest.h>

TEST(WineSmoke, SystemFolderIsKnown) {
  char folder[MAX_PATH] = {};
  ASSERT_GT(GetSystemDirectoryA(folder, sizeof folder), 0u);
  EXPECT_STRCASEEQ(folder, "C:\\windows\\system32");
}
