#pragma once
// What the panel asks of its own process and the process table: starting
// programs, the current directory, blocking waits.
#include <cstdint>
#include <string>
#include <string_view>

#include "panel/platform/types.h"

namespace zel::platform {

class ProcessServices {
 public:
  virtual ~ProcessServices() = default;

  // WinExec: starts the program named first on the command line and returns
  // at once, before the program has created any window. Above 31 means
  // started; otherwise the Windows error (2 file not found, 3 path not found).
  virtual std::uint32_t win_exec(std::string_view command_line, Show show) = 0;

  virtual bool set_current_directory(std::string_view path) = 0;
  virtual std::string current_directory() = 0;

  // Sleep: blocks the thread. No message of this thread is handled meanwhile;
  // timers that fall due tick afterwards.
  virtual void sleep(std::uint32_t milliseconds) = 0;
};

}  // namespace zel::platform
