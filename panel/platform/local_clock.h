#pragma once
// The local wall-clock time (GetLocalTime).
//
// Contract: hour 0-23, minute 0-59, second 0-59, read at the call.
namespace zel::platform {

struct LocalTime {
  int hour = 0;
  int minute = 0;
  int second = 0;
  friend constexpr bool operator==(const LocalTime&, const LocalTime&) = default;
};

class LocalClock {
 public:
  virtual ~LocalClock() = default;
  virtual LocalTime local_time() = 0;
};

}  // namespace zel::platform
