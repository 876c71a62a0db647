#include "tools/skingen/geometry.h"

#include "panel/skin/content_offset.h"
#include "panel/skin/layout_reader.h"

namespace zel::skingen {

using skin::Readout;
using skin::WindowKey;

namespace {

Box box_of(const platform::Rect& r) { return {r.left, r.top, r.width(), r.height()}; }

Box cell(const skin::SkinLayout& l, Readout x, Readout y, Readout w, Readout h, int dx = 0) {
  return {l.value(x) + dx, l.value(y), l.value(w), l.value(h)};
}

Box bound(const std::vector<Box>& boxes) {
  Box b;
  for (const Box& x : boxes) b = united(b, x);
  return b;
}

}  // namespace

std::optional<ReadoutGroup> readout_group(std::string_view name) {
  static constexpr std::pair<std::string_view, ReadoutGroup> kNames[] = {
      {"plate", ReadoutGroup::kPlate},       {"record", ReadoutGroup::kRecord},
      {"clock", ReadoutGroup::kClock},       {"capture", ReadoutGroup::kCapture},
      {"filesize", ReadoutGroup::kFileSize}, {"source", ReadoutGroup::kSource},
      {"volume", ReadoutGroup::kVolume},     {"track", ReadoutGroup::kTrack},
  };
  for (const auto& [n, g] : kNames) {
    if (n == name) return g;
  }
  return std::nullopt;
}

Box ReadoutBoxes::group(ReadoutGroup g) const {
  switch (g) {
    case ReadoutGroup::kPlate:
      return united(united(plate, bound(channel)), bound(fm));
    case ReadoutGroup::kRecord:
      return record;
    case ReadoutGroup::kClock:
      return bound(clock);
    case ReadoutGroup::kCapture:
      return bound(capture);
    case ReadoutGroup::kFileSize:
      return bound(file_size);
    case ReadoutGroup::kSource:
      return source;
    case ReadoutGroup::kVolume:
      return volume;
    case ReadoutGroup::kTrack:
      return track;
  }
  return {};
}

StateGeometry state_geometry(ProfileStore& file, skin::SkinLayout layout, int state) {
  const bool down = state == skin::kDownWing || state == skin::kAllWings;
  const bool side = state == skin::kSideWing || state == skin::kAllWings;
  skin::read_down_wing_layout(file, layout.skin_set, down, layout);
  StateGeometry g;
  g.state = state;
  g.offset = skin::apply_content_offset(layout, state);
  const platform::Size size = layout.window_size(state).value_or(platform::Size{});
  g.width = size.width;
  g.height = size.height;
  const int panel_w = layout.value(WindowKey::kPanelW);
  const int panel_h = layout.value(WindowKey::kPanelH);
  g.main = {g.offset, 0, panel_w, panel_h};
  if (side) {
    const int wing_w = layout.value(WindowKey::kOpenLeftListW) - panel_w;
    g.wing = {layout.value(WindowKey::kLorR) == 1 ? panel_w : 0, 0, wing_w, g.height};
    g.list_window = {layout.value(WindowKey::kLorRXOffset), layout.value(WindowKey::kLorRYOffset),
                     layout.value(WindowKey::kLorRWinW), layout.value(WindowKey::kLorRWinH)};
  }
  if (down) {
    g.drawer = {g.offset, panel_h, panel_w, g.height - panel_h};
    g.file_list = {layout.value(WindowKey::kDownXOffset) + g.offset, layout.value(WindowKey::kDownYOffset),
                   layout.value(WindowKey::kDownWinW), layout.value(WindowKey::kDownWinH)};
  }
  for (std::size_t i = 0; i < skin::kButtonCount; ++i) {
    const Box b = box_of(layout.button_rect(static_cast<int>(i)));
    // A button one pixel wide or high can never be hit: it is not on the panel.
    g.buttons[i] = b.w > 1 && b.h > 1 ? b : Box{};
  }
  const int o = g.offset;
  ReadoutBoxes& r = g.readouts;
  r.plate = cell(layout, Readout::kLcdChFmAvSvX, Readout::kLcdChFmAvSvY, Readout::kLcdChFmAvSvW,
                 Readout::kLcdChFmAvSvH, o);
  for (int k = 0; k < 3; ++k) {
    r.channel.push_back(
        {layout.value(Readout::kOsdTunerFirstNumX) - k * layout.value(Readout::kLcdTvChOffset) + o,
         layout.value(Readout::kOsdTunerFirstNumY), layout.value(Readout::kChNumW),
         layout.value(Readout::kChNumH)});
  }
  const std::pair<Readout, Readout> fm[] = {{Readout::kFmNum4X, Readout::kFmNum4Y},
                                            {Readout::kFmNum3X, Readout::kFmNum3Y},
                                            {Readout::kFmNum2X, Readout::kFmNum2Y},
                                            {Readout::kFmNum1X, Readout::kFmNum1Y}};
  for (const auto& [x, y] : fm) r.fm.push_back(cell(layout, x, y, Readout::kFmNumW, Readout::kFmNumH, o));
  const std::pair<Readout, Readout> clock[] = {
      {Readout::kLcd10HourX, Readout::kLcd10HourY}, {Readout::kLcdHourX, Readout::kLcdHourY},
      {Readout::kLcd10MinX, Readout::kLcd10MinY},   {Readout::kLcdMinX, Readout::kLcdMinY},
      {Readout::kLcd10SecX, Readout::kLcd10SecY},   {Readout::kLcdSecX, Readout::kLcdSecY}};
  for (const auto& [x, y] : clock) {
    r.clock.push_back(cell(layout, x, y, Readout::kLcdCurTimeW, Readout::kLcdCurTimeH, o));
  }
  const std::pair<Readout, Readout> capture[] = {
      {Readout::kLcdCap10HourX, Readout::kLcdCap10HourY}, {Readout::kLcdCapHourX, Readout::kLcdCapHourY},
      {Readout::kLcdCap10MinX, Readout::kLcdCap10MinY},   {Readout::kLcdCapMinX, Readout::kLcdCapMinY},
      {Readout::kLcdCap10SecX, Readout::kLcdCap10SecY},   {Readout::kLcdCapSecX, Readout::kLcdCapSecY}};
  for (const auto& [x, y] : capture) {
    r.capture.push_back(cell(layout, x, y, Readout::kLcdCapTimeW, Readout::kLcdCapTimeH, o));
  }
  const std::pair<Readout, Readout> size_digits[] = {
      {Readout::kLcdCapFileSize8X, Readout::kLcdCapFileSize8Y},
      {Readout::kLcdCapFileSize7X, Readout::kLcdCapFileSize7Y},
      {Readout::kLcdCapFileSize6X, Readout::kLcdCapFileSize6Y},
      {Readout::kLcdCapFileSize5X, Readout::kLcdCapFileSize5Y},
      {Readout::kLcdCapFileSize4X, Readout::kLcdCapFileSize4Y},
      {Readout::kLcdCapFileSize3X, Readout::kLcdCapFileSize3Y},
      {Readout::kLcdCapFileSize2X, Readout::kLcdCapFileSize2Y},
      {Readout::kLcdCapFileSize1X, Readout::kLcdCapFileSize1Y}};
  for (const auto& [x, y] : size_digits) {
    r.file_size.push_back(cell(layout, x, y, Readout::kLcdCapFileSizeW, Readout::kLcdCapFileSizeH, o));
  }
  r.source = cell(layout, Readout::kLcdSourceX, Readout::kLcdSourceY, Readout::kLcdW, Readout::kLcdH, o);
  r.record = cell(layout, Readout::kPanelRecX, Readout::kPanelRecY, Readout::kLcdRecStateW,
                  Readout::kLcdRecStateH, o);
  r.volume =
      cell(layout, Readout::kLcdVolBarX, Readout::kLcdVolBarY, Readout::kLcdVolBarW, Readout::kLcdVolBarH, o);
  r.volume_upward = layout.value(Readout::kLcdVolBarLtoRDtoU) == 1;
  // The one readout placed without the content offset.
  r.track = cell(layout, Readout::kTimeShiftPointX, Readout::kTimeShiftPointY, Readout::kTimeShiftWidth,
                 Readout::kTimeShiftHeight);
  return g;
}

Box group_box(const StateGeometry& g, const Group& group) {
  Box b;
  for (const std::string& member : group.members) {
    if (member.starts_with("@")) {
      if (const auto r = readout_group(member.substr(1))) b = united(b, g.readouts.group(*r));
      continue;
    }
    for (const skin::ButtonRow& row : skin::kButtons) {
      if (row.token == member) b = united(b, g.buttons[static_cast<std::size_t>(row.id)]);
    }
  }
  return b.empty() ? b : b.inflated(group.padding);
}

SheetLayout sheet_layout(const skin::SkinLayout& l) {
  SheetLayout s;
  auto strip = [&](std::array<Box, 10>& out, Readout x, Readout y, Readout w, Readout h, Readout pitch) {
    for (int d = 0; d < 10; ++d) {
      out[static_cast<std::size_t>(d)] = {l.value(x) + d * l.value(pitch), l.value(y), l.value(w),
                                          l.value(h)};
    }
  };
  strip(s.channel, Readout::kOsdNumForChX, Readout::kOsdNumForChY, Readout::kChNumW, Readout::kChNumH,
        Readout::kChNumW);
  strip(s.fm, Readout::kFmNumX, Readout::kFmNumY, Readout::kFmNumW, Readout::kFmNumH, Readout::kFmNumW);
  strip(s.clock, Readout::kLcdCurTimeX, Readout::kLcdCurTimeY, Readout::kLcdCurTimeW, Readout::kLcdCurTimeH,
        Readout::kLcdCurTimeOffset);
  strip(s.capture, Readout::kLcdCapTimeX, Readout::kLcdCapTimeY, Readout::kLcdCapTimeW, Readout::kLcdCapTimeH,
        Readout::kLcdCapTimeOffset);
  strip(s.file_size, Readout::kLcdCapFileSizeX, Readout::kLcdCapFileSizeY, Readout::kLcdCapFileSizeW,
        Readout::kLcdCapFileSizeH, Readout::kLcdCapFileSizeOffset);
  const int pw = l.value(Readout::kLcdChFmAvSvW);
  const int ph = l.value(Readout::kLcdChFmAvSvH);
  s.plates = {Box{l.value(Readout::kLcdChX), l.value(Readout::kLcdChY), pw, ph},
              Box{l.value(Readout::kLcdFmFreqX), l.value(Readout::kLcdFmFreqY), pw, ph},
              Box{l.value(Readout::kLcdAvSvX), l.value(Readout::kLcdAvSvY), pw, ph}};
  const std::pair<Readout, Readout> lamps[] = {{Readout::kLcdAirX, Readout::kLcdAirY},
                                               {Readout::kLcdCableX, Readout::kLcdCableY},
                                               {Readout::kLcdAvInX, Readout::kLcdAvInY},
                                               {Readout::kLcdSVideoX, Readout::kLcdSVideoY},
                                               {Readout::kLcdFmX, Readout::kLcdFmY}};
  for (std::size_t i = 0; i < 5; ++i) {
    s.lamps[i] = {l.value(lamps[i].first), l.value(lamps[i].second), l.value(Readout::kLcdW),
                  l.value(Readout::kLcdH)};
  }
  const int rw = l.value(Readout::kLcdRecStateW);
  const int rh = l.value(Readout::kLcdRecStateH);
  s.record_on = {l.value(Readout::kLcdRecStateOnX), l.value(Readout::kLcdRecStateOnY), rw, rh};
  s.record_off = {l.value(Readout::kLcdRecStateOffX), l.value(Readout::kLcdRecStateOffY), rw, rh};
  s.knob = {l.value(Readout::kSliPointX), l.value(Readout::kSliPointY), l.value(Readout::kSliPointW),
            l.value(Readout::kSliPointH)};
  auto mute = [&](std::array<Box, 3>& out, Readout x, Readout y, Readout w, Readout h) {
    for (int i = 0; i < 3; ++i) {
      out[static_cast<std::size_t>(i)] = {l.value(x) + i * l.value(w), l.value(y), l.value(w), l.value(h)};
    }
  };
  mute(s.mute_on, Readout::kChangeBtnMuteOnX, Readout::kChangeBtnMuteOnY, Readout::kChangeBtnMuteOnW,
       Readout::kChangeBtnMuteOnH);
  mute(s.mute_off, Readout::kChangeBtnMuteOffX, Readout::kChangeBtnMuteOffY, Readout::kChangeBtnMuteOffW,
       Readout::kChangeBtnMuteOffH);
  return s;
}

std::vector<Sprite> SheetLayout::sprites() const {
  using K = Sprite::Kind;
  std::vector<Sprite> out;
  const std::pair<std::string_view, const std::array<Box, 10>*> strips[] = {{"channel", &channel},
                                                                            {"FM", &fm},
                                                                            {"clock", &clock},
                                                                            {"capture time", &capture},
                                                                            {"file size", &file_size}};
  for (const auto& [name, strip] : strips) {
    for (int d = 0; d < 10; ++d) {
      out.push_back({K::kDigit, (*strip)[static_cast<std::size_t>(d)], d,
                     std::string(name) + " digit " + std::to_string(d)});
    }
  }
  static constexpr std::string_view kPlates[] = {"TV plate", "FM plate", "video plate"};
  for (int i = 0; i < 3; ++i)
    out.push_back({K::kPlate, plates[static_cast<std::size_t>(i)], i, std::string(kPlates[i])});
  for (int i = 0; i < 5; ++i) {
    out.push_back(
        {K::kSourceLamp, lamps[static_cast<std::size_t>(i)], i + 1, "source lamp " + std::to_string(i + 1)});
  }
  out.push_back({K::kRecordLamp, record_on, 1, "record lamp on"});
  out.push_back({K::kRecordLamp, record_off, 0, "record lamp off"});
  out.push_back({K::kKnob, knob, 0, "time-shift knob"});
  static constexpr std::string_view kImages[] = {"normal", "pressed", "hover"};
  for (int i = 0; i < 3; ++i) {
    out.push_back({K::kMute, mute_on[static_cast<std::size_t>(i)], i,
                   "sound-on mute image " + std::string(kImages[i])});
    out.push_back({K::kMute, mute_off[static_cast<std::size_t>(i)], 3 + i,
                   "muted mute image " + std::string(kImages[i])});
  }
  return out;
}

}  // namespace zel::skingen
