#pragma once
// A scratch folder per test, and whole-file helpers.
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "tests/common/file_bytes.h"

namespace zel::test {

class TempFolder {
 public:
  TempFolder() {
    std::string pattern = "/tmp/zel-ini-XXXXXX";
    path_ = ::mkdtemp(pattern.data());
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  ~TempFolder() { remove_tree(path_); }

  const std::string& path() const { return path_; }
  std::string file(std::string_view name) const { return path_ + "/" + std::string(name); }

  std::vector<std::string> names() const {
    std::vector<std::string> out;
    if (DIR* d = ::opendir(path_.c_str())) {
      while (const dirent* e = ::readdir(d)) {
        const std::string n = e->d_name;
        if (n != "." && n != "..") out.push_back(n);
      }
      ::closedir(d);
    }
    return out;
  }

 private:
  static void remove_tree(const std::string& path) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0) return;
    if (S_ISDIR(st.st_mode)) {
      if (DIR* d = ::opendir(path.c_str())) {
        while (const dirent* e = ::readdir(d)) {
          const std::string n = e->d_name;
          if (n != "." && n != "..") remove_tree(path + "/" + n);
        }
        ::closedir(d);
      }
      ::rmdir(path.c_str());
    } else {
      ::unlink(path.c_str());
    }
  }

  std::string path_;
};

}  // namespace zel::test
