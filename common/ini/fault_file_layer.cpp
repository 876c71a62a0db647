#include "common/ini/fault_file_layer.h"

#include "common/ini/file_read.h"

namespace zel::ini {

FileRead FaultFileLayer::read(const std::string& path, std::size_t max_bytes, bool for_update) {
  ++reads_;
  if (steps_.fault == Fault::read) return FileRead{ReadStatus::failed, {}};
  return read_native_file(path, max_bytes, for_update);
}

bool FaultFileLayer::replace(const std::string& path, std::string_view bytes) {
  ++replaces_;
  steps_.writes = 0;
  const bool ok = replace_atomically(steps_, path, bytes);
  if (ok) ++replaced_;
  return ok;
}

std::optional<FileStamp> FaultFileLayer::stamp(const std::string& path) { return stamp_native_file(path); }

std::int64_t FaultFileLayer::now() { return native_clock_now() + clock_shift_; }

bool FaultFileLayer::Steps::create_temp_beside(const std::string& target, Temp& temp) {
  if (fault == Fault::create_temp) return false;
  return real_.create_temp_beside(target, temp);
}

std::size_t FaultFileLayer::Steps::write_some(Temp& temp, std::string_view bytes) {
  const int n = writes++;
  if (fault == Fault::write && n == 0) return 0;
  if (fault == Fault::short_write) {
    if (n > 0) return 0;
    bytes = bytes.substr(0, bytes.size() / 2);
    if (bytes.empty()) return 0;
  }
  if (write_limit != 0 && bytes.size() > write_limit) bytes = bytes.substr(0, write_limit);
  return real_.write_some(temp, bytes);
}

bool FaultFileLayer::Steps::flush(Temp& temp) {
  if (fault == Fault::flush) return false;
  return real_.flush(temp);
}

bool FaultFileLayer::Steps::close(Temp& temp) {
  if (fault == Fault::close) {
    // The handle is still open: discard() must close it.
    return false;
  }
  return real_.close(temp);
}

bool FaultFileLayer::Steps::rename_over(const Temp& temp, const std::string& target) {
  if (fault == Fault::rename) return false;
  return real_.rename_over(temp, target);
}

void FaultFileLayer::Steps::discard(Temp& temp) { real_.discard(temp); }

}  // namespace zel::ini
