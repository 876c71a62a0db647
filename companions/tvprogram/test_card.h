#pragma once
// What the TV window shows in place of a picture: colour bars over a caption
// naming the source and what it is tuned to, so that a screenshot tells.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "companions/tvprogram/tv_program_core.h"

namespace zel::tv {

struct Rgb {
  std::uint8_t red, green, blue;
};

// The bars, left to right, each 1/7 of the width over the upper part of the card.
inline constexpr std::array<Rgb, 7> kTestCardBars = {{
    {192, 192, 192},  // white
    {192, 192, 0},    // yellow
    {0, 192, 192},    // cyan
    {0, 192, 0},      // green
    {192, 0, 192},    // magenta
    {192, 0, 0},      // red
    {0, 0, 192},      // blue
}};

std::string_view source_name(Source source);

// "Air TV  CH 5", "Cable TV  #3  55.25 MHz" (tuned by fully-scan entry),
// "FM radio  87.5 MHz", "S-Video".
std::string test_card_caption(const TuningState& state);

}  // namespace zel::tv
