#pragma once
// The screen-saver and monitor power-saving switches (SystemParametersInfoA).
//
// Contract: get returns the feature's "active" value (1 active, 0 inactive);
// set writes it with SPIF_UPDATEINIFILE | SPIF_SENDCHANGE, so the change is
// stored for the user and announced to other programs.
#include <cstdint>
#include <string_view>

namespace zel::platform {

enum class PowerFeature { kScreenSaver, kLowPower, kPowerOff };

// The SPI_GET... and SPI_SET... numbers of each feature.
struct PowerFeatureNumbers {
  std::uint32_t get;
  std::uint32_t set;
};

constexpr PowerFeatureNumbers spi_numbers(PowerFeature feature) {
  switch (feature) {
    case PowerFeature::kScreenSaver: return {16, 17};
    case PowerFeature::kLowPower: return {83, 85};
    case PowerFeature::kPowerOff: return {84, 86};
  }
  return {0, 0};
}

constexpr std::string_view name_of(PowerFeature feature) {
  switch (feature) {
    case PowerFeature::kScreenSaver: return "ScreenSaver";
    case PowerFeature::kLowPower: return "LowPower";
    case PowerFeature::kPowerOff: return "PowerOff";
  }
  return "?";
}

inline constexpr std::uint32_t kSpifUpdateAndSend = 3;

class PowerSettings {
 public:
  virtual ~PowerSettings() = default;
  virtual int get_active(PowerFeature feature) = 0;
  virtual bool set_active(PowerFeature feature, int value) = 0;
};

}  // namespace zel::platform
