#include "panel/skin/skin_hooks.h"

#include <string>

#include "panel/core/timer_table.h"
#include "panel/skin/layout_reader.h"
#include "panel/skin/panel_looks.h"
#include "panel/tuning/settings_keys.h"

namespace zel::skin {

using platform::WindowId;

namespace {

// The outline operation of one window.
class WindowOutline final : public WindowOutlineTarget {
 public:
  WindowOutline(platform::WindowGeometry& geometry, WindowId window)
      : geometry_(geometry), window_(window) {}
  bool set_window_polygon(const std::vector<platform::Point>& points) override {
    return geometry_.set_window_polygon(window_, points);
  }

 private:
  platform::WindowGeometry& geometry_;
  WindowId window_;
};

// The stored FM frequency the full refresh shows; missing reads as 87.5 MHz.
constexpr std::int32_t kRefreshFmDefault = 875;

int plate_of(int source) {
  switch (source) {
    case core::source::kFmRadio: return plate::kFm;
    case core::source::kAvIn:
    case core::source::kSVideo: return plate::kVideo;
    default: return plate::kTv;
  }
}

}  // namespace

SkinHooks::SkinHooks(const platform::Platform& platform, const platform::Drawing& drawing,
                     PanelContext& context, Trace trace)
    : PanelHooks(std::move(trace)),
      platform_(platform),
      drawing_(drawing),
      context_(context),
      surfaces_(drawing.surfaces) {}

SkinHooks::~SkinHooks() {
  if (tooltips_) drawing_.tooltips.destroy_tooltips(tooltips_);
}

Skin& SkinHooks::skin() {
  if (!skin_) skin_.emplace(context_.skin_file());
  return *skin_;
}

PanelCanvas SkinHooks::canvas() { return PanelCanvas{skin().layout(), surfaces_, panel_window()}; }

// ---------------------------------------------------------------- layout

void SkinHooks::load_skin_layout() {
  note("load_skin_layout");
  skin().load_skin_layout();
}

platform::Size SkinHooks::panel_size() {
  return skin().layout().window_size(kClosedWing).value_or(platform::Size{});
}

void SkinHooks::apply_down_wing_layout(int open) {
  note("apply_down_wing_layout", open);
  skin().apply_down_wing_layout(open);
}

void SkinHooks::apply_window_outline(int wing_state, int skin_set) {
  note("apply_window_outline", wing_state, skin_set);
  WindowOutline outline(drawing_.geometry, panel_window());
  skin().apply_window_outline(outline, skin_set, wing_state);
}

void SkinHooks::use_channel_captions() {
  note("use_channel_captions");
  skin().use_channel_captions();
}

void SkinHooks::use_frequency_captions() {
  note("use_frequency_captions");
  skin().use_frequency_captions();
}

// ---------------------------------------------------------------- bitmaps

void SkinHooks::load_skin_bitmaps(int wing_state, int skin_set) {
  note("load_skin_bitmaps", wing_state, skin_set);
  const std::string install_directory =
      settings::read(platform_.profiles.win_ini(), settings::win_ini::kInstallDirectory);
  const std::int32_t set = read_skin_set(context_.skin_file());
  context_.state().skinSet = set;
  const auto paths = skin_bitmap_paths(skin_folder(install_directory, set), wing_state);
  if (!paths) return;
  wing_state_ = wing_state;
  surfaces_.load(panel_window(), *paths);
  for (std::size_t i = 0; i < cursors_.size(); ++i) {
    cursors_[i] = drawing_.cursors.load_cursor(kCursorResources[i]);
  }
  context_.apply_topmost();
}

void SkinHooks::release_skin_bitmaps() {
  note("release_skin_bitmaps");
  surfaces_.release();
  cursors_.fill(platform::kNoCursor);
}

// ---------------------------------------------------------------- tooltips

void SkinHooks::build_tooltips() {
  note("build_tooltips");
  if (tooltips_) drawing_.tooltips.destroy_tooltips(tooltips_);
  tooltips_ = drawing_.tooltips.create_tooltips(kTooltipDelays);
  if (!tooltips_) return;
  const SkinLayout& layout = skin().layout();
  const WindowId panel = panel_window();
  for (int i = 0; i < static_cast<int>(kButtonCount); ++i) {
    drawing_.tooltips.add_tool(
        tooltips_, platform::TooltipTool{panel, static_cast<std::uint32_t>(i),
                                         layout.button_rect(i), layout.button(i)->caption});
  }
}

void SkinHooks::destroy_tooltips() {
  note("destroy_tooltips");
  if (tooltips_) drawing_.tooltips.destroy_tooltips(tooltips_);
  tooltips_ = platform::kNoWindow;
}

// ---------------------------------------------------------------- looks

void SkinHooks::paint_panel() {
  const WindowId panel = panel_window();
  if (const WindowId list = context_.channel_list_window()) {
    if (const auto rect = drawing_.geometry.window_rect(panel)) {
      const SkinLayout& layout = skin().layout();
      drawing_.geometry.move_window(
          list,
          platform::Rect::from_origin(
              {rect->left + layout.value(WindowKey::kLorRXOffset),
               rect->top + layout.value(WindowKey::kLorRYOffset)},
              {layout.value(WindowKey::kLorRWinW), layout.value(WindowKey::kLorRWinH)}),
          true);
    }
  }
  paint_normal(canvas(), wing_state_);
}

void SkinHooks::on_paint() {
  const WindowId panel = panel_window();
  drawing_.surfaces.begin_paint(panel);
  paint_panel();
  drawing_.surfaces.end_paint(panel);
}

void SkinHooks::draw_button(int index, int look) { skin::draw_button(canvas(), index, look); }

void SkinHooks::show_transport(bool playing, bool active) {
  skin::show_transport(canvas(), playing, active);
}

void SkinHooks::show_mute_images(bool muted) {
  note("show_mute_images", muted ? 1 : 0);
  skin::show_mute_images(canvas(), muted);
}

// ---------------------------------------------------------------- readouts

void SkinHooks::show_source_lamp(int lamp) {
  note("show_source_lamp", lamp);
  skin::show_source_lamp(canvas(), lamp);
}

void SkinHooks::show_plate(int plate) {
  note("show_plate", plate);
  skin::show_plate(canvas(), plate);
}

void SkinHooks::show_channel_number(int channel) {
  note("show_channel_number", channel);
  skin::show_channel_number(canvas(), channel);
}

void SkinHooks::show_fm_frequency(int code, int first_digit) {
  note("show_fm_frequency", code, first_digit);
  skin::show_fm_frequency(canvas(), code, first_digit);
}

void SkinHooks::show_volume() {
  note("show_volume");
  skin::show_volume(canvas(), context_.state().volume);
}

void SkinHooks::show_capture_time(std::int32_t seconds) {
  note("show_capture_time", seconds);
  const core::PanelState& s = context_.state();
  std::optional<platform::LocalTime> start;
  if (s.timeShift) {
    start =
        platform::LocalTime{s.timeShiftStartHour, s.timeShiftStartMinute, s.timeShiftStartSecond};
  }
  skin::show_capture_time(canvas(), seconds, start);
}

void SkinHooks::show_file_size(std::int32_t size) {
  note("show_file_size", size);
  skin::show_file_size(canvas(), size);
}

void SkinHooks::show_clock() {
  note("show_clock");
  skin::show_clock(canvas(), drawing_.clock.local_time());
}

void SkinHooks::show_record_lamp(bool recording) { skin::show_record_lamp(canvas(), recording); }

void SkinHooks::set_knob_from_time(std::int32_t position) {
  note("set_knob_from_time", position);
  time_shift_.set_knob_from_time(skin().layout(), position);
}

void SkinHooks::show_timeshift_bar(std::int32_t position, std::int32_t total, bool clear_only) {
  time_shift_.show(canvas(), position, total, clear_only, context_.state().timeShift);
}

void SkinHooks::update_timeshift_scale() {
  const core::PanelState& s = context_.state();
  time_shift_.update_scale(
      canvas(),
      platform::LocalTime{s.timeShiftStartHour, s.timeShiftStartMinute, s.timeShiftStartSecond},
      drawing_.clock.local_time(), s.timeShift);
}

// ---------------------------------------------------------------- refresh, skin cycle

void SkinHooks::refresh_panel() {
  paint_panel();
  refresh_readouts();
}

// The full refresh after the paint. Its steps draw into disjoint areas.
void SkinHooks::refresh_readouts() {
  const core::PanelState& s = context_.state();
  show_mute_images(s.muted);
  show_volume();
  if (has_tooltips()) build_tooltips();
  show_plate(plate_of(s.currentSource));
  switch (s.currentSource) {
    case core::source::kFmRadio: {
      const auto& key = settings::tv_tuner::kFmChannel;
      show_source_lamp(lamp::kFm);
      show_fm_frequency(context_.settings_file().read_int(key.section, key.name, kRefreshFmDefault),
                        4);
      break;
    }
    case core::source::kAirTv:
      show_source_lamp(lamp::kAir);
      show_channel_number(s.channel.currentChannel);
      break;
    case core::source::kCableTv:
      show_source_lamp(lamp::kCable);
      show_channel_number(s.channel.currentChannel);
      break;
    case core::source::kAvIn: show_source_lamp(lamp::kAvIn); break;
    case core::source::kSVideo: show_source_lamp(lamp::kSVideo); break;
    default: break;
  }
}

void SkinHooks::enter_wing_state(int state) {
  const auto size = skin().layout().window_size(state);
  if (!size) return;
  skin().apply_content_offset(state);
  drawing_.geometry.resize_window(panel_window(), *size);
  apply_window_outline(state, context_.state().skinSet);
  load_skin_bitmaps(state, context_.state().skinSet);
}

void SkinHooks::cycle_skin() {
  ProfileStore& file = context_.skin_file();
  const std::int32_t sets = read_key(file, Section::kPanel, kHavePanel, 0);
  if (sets < 2) return;
  const WindowId panel = panel_window();
  platform_.timers.kill_timer(panel, core::timer::kClock);

  // Wider than the set number, so that the last number a file can hold
  // also wraps to the first set; a number below 1 starts over as well.
  const std::int64_t next = static_cast<std::int64_t>(read_skin_set(file)) + 1;
  const std::int32_t set = next > sets || next < 1 ? 1 : static_cast<std::int32_t>(next);
  file.write_text(section_name(Section::kPanel, set), kPanelNow.name, std::to_string(set));
  context_.state().skinSet = set;

  load_skin_layout();
  const int wing = wing_state_;
  apply_down_wing_layout(wing == kDownWing || wing == kAllWings ? 1 : 0);
  enter_wing_state(wing);

  paint_panel();
  platform_.timers.set_timer(panel, core::timer::kClock,
                             core::timer_row(core::timer::kClock)->period_ms);
  refresh_readouts();
  context_.post_to_tv(core::tv::kSkinChanged, 0);
}

// ---------------------------------------------------------------- messages

void SkinHooks::other_command(core::CommandId command, std::int32_t argument) {
  PanelHooks::other_command(command, argument);
  if (command == core::cmd::kNextSkin) cycle_skin();
}

std::optional<std::intptr_t> SkinHooks::other_message(const platform::Message& message) {
  if (message.id == platform::wm::kPaint) {
    on_paint();
    return 0;
  }
  return PanelHooks::other_message(message);
}

}  // namespace zel::skin
