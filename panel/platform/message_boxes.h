#pragma once
// Message boxes (MessageBoxA).
//
// Contract: modal; returns the button the user chose. No caption means the
// system's default caption ("Error" on Windows). No owner means a box that
// belongs to no window.
#include <cstdint>
#include <optional>
#include <string>

#include "panel/platform/types.h"

namespace zel::platform {

// The MB_ type bits the panel uses.
namespace mb {
inline constexpr std::uint32_t kOk = 0x0;
inline constexpr std::uint32_t kOkCancel = 0x1;
inline constexpr std::uint32_t kYesNo = 0x4;
inline constexpr std::uint32_t kIconQuestion = 0x20;
inline constexpr std::uint32_t kIconWarning = 0x30;
inline constexpr std::uint32_t kIconInformation = 0x40;
}  // namespace mb

// The ID answers of MessageBoxA.
enum class Answer : int { kOk = 1, kCancel = 2, kYes = 6, kNo = 7 };

struct MessageBoxRequest {
  WindowId owner;
  std::string text;
  std::optional<std::string> caption;
  std::uint32_t type = mb::kOk;
};

class MessageBoxes {
 public:
  virtual ~MessageBoxes() = default;
  virtual Answer show_message_box(const MessageBoxRequest& request) = 0;
};

}  // namespace zel::platform
