// The two exports as the DLL offers them: outputs filled with sentinels show
// what each call writes and what it leaves alone.
#include <gtest/gtest.h>

#include <climits>
#include <cstdint>

#include "panel/tuning/tuner_exports.h"

namespace zel {
namespace {

constexpr std::int32_t kSentinel = 0x5A5A5A5A;

struct Outputs {
  std::int32_t code = kNoCountryCode;
  std::int32_t standard = kSentinel;
  std::int32_t last = kSentinel;
  std::int32_t first = kSentinel;
  std::int32_t result = kSentinel;
};

Outputs call(std::int32_t index, std::int32_t band, std::int32_t channel) {
  Outputs out;
  out.result = ZtGetFreqInfo(&out.code, &index, band, channel, 0, &out.standard, &out.last, &out.first, 0);
  return out;
}

TEST(TunerExports, CountryCount) { EXPECT_EQ(ZtGetContryInfo(), 242); }

TEST(TunerExports, ValidCallFillsEveryOutput) {
  const Outputs out = call(82, 0, 21);  // Germany, air, E21
  EXPECT_EQ(out.code, 49);
  EXPECT_EQ(out.standard, 4);
  EXPECT_EQ(out.last, 69);
  EXPECT_EQ(out.first, 2);
  EXPECT_EQ(out.result, 471'250'000);

  const Outputs cable = call(82, 1, 0);
  EXPECT_EQ(cable.last, 60);
  EXPECT_EQ(cable.first, 2);
  EXPECT_EQ(cable.result, 0);
}

TEST(TunerExports, UnknownIndexLeavesEveryOutput) {
  for (std::int32_t index : {242, -1, INT_MIN, INT_MAX}) {
    const Outputs out = call(index, 1, 5);
    EXPECT_EQ(out.code, kNoCountryCode) << index;
    EXPECT_EQ(out.standard, kSentinel) << index;
    EXPECT_EQ(out.last, kSentinel) << index;
    EXPECT_EQ(out.first, kSentinel) << index;
    EXPECT_EQ(out.result, 0) << index;
  }
}

TEST(TunerExports, UnknownBandSetsCountryOnly) {
  for (std::int32_t band : {2, -1}) {
    const Outputs out = call(228, band, 2);
    EXPECT_EQ(out.code, 1);
    EXPECT_EQ(out.standard, 1);
    EXPECT_EQ(out.last, kSentinel);
    EXPECT_EQ(out.first, kSentinel);
    EXPECT_EQ(out.result, 0);
  }
}

TEST(TunerExports, NullPointersAreSkipped) {
  std::int32_t index = 228;
  EXPECT_EQ(ZtGetFreqInfo(nullptr, &index, 0, 2, 0, nullptr, nullptr, nullptr, 0), 55'250'000);
  std::int32_t code = kNoCountryCode;
  std::int32_t standard = kSentinel;
  EXPECT_EQ(ZtGetFreqInfo(&code, nullptr, 0, 2, 0, &standard, nullptr, nullptr, 0), 0);
  EXPECT_EQ(code, kNoCountryCode);
  EXPECT_EQ(standard, kSentinel);
}

}  // namespace
}  // namespace zel
