#pragma once
// The replace of FileLayer::replace, step by step, so that tests can make any
// step fail (see fault_file_layer.h).
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace zel::ini {

class ReplaceSteps {
 public:
  struct Temp {
    std::string path;
    std::intptr_t handle = -1;  // a file descriptor or a HANDLE; -1 when closed
  };

  virtual ~ReplaceSteps() = default;
  // Creates a new, empty file beside `target` under a name no file has yet.
  virtual bool create_temp_beside(const std::string& target, Temp& temp) = 0;
  // Writes a first part of `bytes` (at least one byte); returns its length,
  // or 0 on failure.
  virtual std::size_t write_some(Temp& temp, std::string_view bytes) = 0;
  // Makes the written bytes durable on the disk.
  virtual bool flush(Temp& temp) = 0;
  virtual bool close(Temp& temp) = 0;
  // Puts the temporary file in place of `target` in one step.
  virtual bool rename_over(const Temp& temp, const std::string& target) = 0;
  // Closes the temporary file if it is open, and deletes it.
  virtual void discard(Temp& temp) = 0;
};

// The real steps (POSIX or Win32).
ReplaceSteps& native_replace_steps();

// Writes `bytes` to a temporary file beside `target` and renames it over
// `target`; on any failure discards the temporary file and returns false.
bool replace_atomically(ReplaceSteps& steps, const std::string& target, std::string_view bytes);

}  // namespace zel::ini
