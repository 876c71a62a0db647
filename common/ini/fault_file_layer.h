#pragma once
// A file layer for tests: the real file system, with a failure injected into
// chosen steps of reading or replacing. Replaces run the real replace
// algorithm over the real steps, so a test sees what a failure at that point
// leaves on the disk. Stamps are the real ones.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "common/ini/atomic_replace.h"
#include "common/ini/file_layer.h"

namespace zel::ini {

enum class Fault {
  none,
  read,          // every read fails
  create_temp,   // the temporary file cannot be made
  write,         // the first write fails
  short_write,   // the first write stores half the bytes, the next one fails
  flush,
  close,
  rename,
};

class FaultFileLayer final : public FileLayer {
 public:
  FaultFileLayer() : FaultFileLayer(native_replace_steps()) {}
  explicit FaultFileLayer(ReplaceSteps& real) : steps_(real) {}

  // The fault stays until cleared with Fault::none.
  void inject(Fault fault) { steps_.fault = fault; }
  // Every write stores at most this many bytes (0: no limit); the replace must
  // still complete.
  void limit_write_size(std::size_t bytes) { steps_.write_limit = bytes; }

  // Moves the clock this far ahead of the real one, so that files just
  // written look that much older.
  void shift_clock(std::int64_t ns) { clock_shift_ = ns; }

  // How often replace() was called, and how often it succeeded; how often
  // read() was called.
  int replaces() const { return replaces_; }
  int replaced() const { return replaced_; }
  int reads() const { return reads_; }

  FileRead read(const std::string& path, std::size_t max_bytes, bool for_update) override;
  bool replace(const std::string& path, std::string_view bytes) override;
  std::optional<FileStamp> stamp(const std::string& path) override;
  std::int64_t now() override;

 private:
  class Steps final : public ReplaceSteps {
   public:
    explicit Steps(ReplaceSteps& real) : real_(real) {}
    bool create_temp_beside(const std::string& target, Temp& temp) override;
    std::size_t write_some(Temp& temp, std::string_view bytes) override;
    bool flush(Temp& temp) override;
    bool close(Temp& temp) override;
    bool rename_over(const Temp& temp, const std::string& target) override;
    void discard(Temp& temp) override;

    Fault fault = Fault::none;
    std::size_t write_limit = 0;
    int writes = 0;

   private:
    ReplaceSteps& real_;
  };

  Steps steps_;
  int replaces_ = 0;
  int replaced_ = 0;
  int reads_ = 0;
  std::int64_t clock_shift_ = 0;
};

}  // namespace zel::ini
