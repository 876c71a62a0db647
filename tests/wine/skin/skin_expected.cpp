// skin_expected: the host side of the Wine skin test. It runs the panel
// program's own hooks (the portable core, the skin library and ZelHooks) on
// the simulated desktop, with the same skin files and settings file the Wine
// run uses, and holds the result against what ZEL.exe showed under Wine.
//
//   skin_expected layout <install folder> <set> <wing state>
//       What the skin code makes of set n in a wing state, for the script to
//       act on: "size <w> <h>", "outline <x1> <y1> ..." (or "outline none"
//       when the skin gives no usable outline), "button <token> <x> <y> <w>
//       <h>" for every button (window coordinates, content offset applied).
//
//   skin_expected check <install folder> <settings file> <shots folder>
//                       <artefact folder> <step>...
//       Starts the panel on the simulated desktop with the TV program
//       stand-in and runs the steps in order:
//         cmd:<n>        another program sends command n to the panel
//         click:<token>  the mouse moves onto the button, presses, releases,
//                        then moves off the panel
//         shot:<name>    paints the panel window (WM_PAINT, as the system
//                        does after every change of the window) and compares
//                        its picture with the Wine
//                        screenshot <shots>/<name>.bmp, pixel for pixel inside
//                        the window region <shots>/<name>.rgn (the robot's
//                        `region` output; none means the whole window),
//                        leaving out the six clock digits, which show the
//                        time of day; writes <artefacts>/<name>-expected.bmp
//                        and, when pixels differ, <name>-diff.bmp (the
//                        screenshot with the differing pixels in magenta)
//       Prints one "ok - " / "not ok - " line per shot; exit code 1 when any
//       shot differs.
//
//   skin_expected plain <picture.bmp>
//       Whether the picture is the panel's plain face: the face colour inside
//       a one-pixel frame, light at the top and left, dark at the bottom and
//       right (what ZEL.exe shows without skin bitmaps).
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "panel/app/zel_hooks.h"
#include "panel/core/panel_app.h"
#include "panel/platform/sim/bmp_image.h"
#include "panel/platform/sim/desktop.h"
#include "panel/platform/sim/memory_profile_store.h"
#include "panel/platform/sim/sim_drawing.h"
#include "panel/skin/panel_app_context.h"
#include "panel/skin/readout_keys.h"
#include "panel/skin/skin.h"
#include "panel/skin/window_outline.h"
#include "panel/tuning/tuner_exports.h"
#include "tests/host/core/sim_tv_program.h"

namespace {

using zel::platform::Message;
using zel::platform::Point;
using zel::platform::Rect;
using zel::platform::sim::Image;
namespace sim = zel::platform::sim;
namespace skin = zel::skin;

constexpr const char* kInstall = "C:\\ZEL";
constexpr const char* kSkinPath = "C:\\ZEL\\ZelPFile.ini";
constexpr const char* kSettingsPath = "C:\\ZEL\\ZelSFile.ini";
constexpr std::uint32_t kMagenta = 0xFF00FFu;

// The plain face ZEL.exe paints where no skin picture reaches.
constexpr std::uint32_t kFace = 0x2C3038u;
constexpr std::uint32_t kFrameLight = 0x707682u;
constexpr std::uint32_t kFrameDark = 0x101216u;

std::optional<std::string> read_text(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::optional<Image> read_picture(const std::string& path) {
  const auto text = read_text(path);
  if (!text) return std::nullopt;
  const std::vector<std::uint8_t> bytes(text->begin(), text->end());
  return sim::read_bmp(bytes);
}

bool write_picture(const std::string& path, const Image& image) {
  const std::vector<std::uint8_t> bytes = sim::write_bmp(image);
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}

std::optional<int> parse_int(std::string_view text) {
  try {
    std::size_t used = 0;
    const int value = std::stoi(std::string(text), &used);
    if (used != text.size()) return std::nullopt;
    return value;
  } catch (...) {
    return std::nullopt;
  }
}

int button_index(std::string_view token) {
  for (const skin::ButtonRow& row : skin::kButtons) {
    if (row.token == token) return row.id;
  }
  return -1;
}

// "(x, y)"
std::string place(int x, int y) {
  char text[32];
  std::snprintf(text, sizeof text, "(%d, %d)", x, y);
  return text;
}

std::string hex(std::uint32_t pixel) {
  char text[16];
  std::snprintf(text, sizeof text, "#%06X", static_cast<unsigned>(pixel & 0xFFFFFFu));
  return pixel == sim::kUnpainted ? "unpainted" : text;
}

// ---------------------------------------------------------------- layout

int layout(const std::string& install, int set, int state) {
  const auto text = read_text(install + "/ZelPFile.ini");
  if (!text) {
    std::fprintf(stderr, "skin_expected: no %s/ZelPFile.ini\n", install.c_str());
    return 1;
  }
  sim::MemoryProfileStore file(*text);
  file.write_text("Panel", "PanelNow", std::to_string(set));
  skin::Skin panel_skin(file);
  panel_skin.load_skin_layout();
  panel_skin.apply_down_wing_layout(0);
  panel_skin.apply_content_offset(state);
  const skin::SkinLayout& l = panel_skin.layout();
  const auto size = l.window_size(state);
  if (!size) {
    std::fprintf(stderr, "skin_expected: no wing state %d\n", state);
    return 1;
  }
  std::printf("size %d %d\n", size->width, size->height);
  const std::vector<Point> points = skin::read_window_outline(file, set, state);
  std::printf("outline");
  if (skin::outline_encloses_area(points)) {
    for (const Point& p : points) std::printf(" %d %d", p.x, p.y);
  } else {
    std::printf(" none");
  }
  std::printf("\n");
  for (const skin::ButtonRow& row : skin::kButtons) {
    const Rect r = l.button_rect(row.id);
    std::printf("button %.*s %d %d %d %d\n", static_cast<int>(row.token.size()), row.token.data(), r.left,
                r.top, r.width(), r.height());
  }
  return 0;
}

// ---------------------------------------------------------------- check

// The robot's `region` output: the rectangles, or nullopt when the window has
// no region (then the whole window counts).
std::optional<std::vector<Rect>> read_region(const std::string& path, bool& ok) {
  ok = false;
  const auto text = read_text(path);
  if (!text) return std::nullopt;
  std::istringstream in(*text);
  std::string line;
  std::vector<Rect> rects;
  bool has_region = false;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line == "region=rect" || line == "region=complex") has_region = true;
    if (line.rfind("region=", 0) == 0) ok = true;
    if (line.rfind("rect ", 0) == 0) {
      Rect r;
      std::istringstream fields(line.substr(5));
      if (fields >> r.left >> r.top >> r.right >> r.bottom) rects.push_back(r);
    }
  }
  if (!has_region) return std::nullopt;
  return rects;
}

// The six clock digits of the current layout in window coordinates.
std::vector<Rect> clock_cells(const skin::SkinLayout& l) {
  using skin::Readout;
  const Readout places[][2] = {
      {Readout::kLcd10HourX, Readout::kLcd10HourY}, {Readout::kLcdHourX, Readout::kLcdHourY},
      {Readout::kLcd10MinX, Readout::kLcd10MinY},   {Readout::kLcdMinX, Readout::kLcdMinY},
      {Readout::kLcd10SecX, Readout::kLcd10SecY},   {Readout::kLcdSecX, Readout::kLcdSecY}};
  std::vector<Rect> cells;
  for (const auto& [x, y] : places) {
    cells.push_back(Rect::from_origin({l.value(x) + l.content_offset, l.value(y)},
                                      {l.value(Readout::kLcdCurTimeW), l.value(Readout::kLcdCurTimeH)}));
  }
  return cells;
}

bool inside(const Rect& r, int x, int y) { return x >= r.left && x < r.right && y >= r.top && y < r.bottom; }

class Check {
 public:
  Check(const std::string& install, const std::string& settings_text)
      : panel_process_(desktop_.add_process("panel")),
        robot_(desktop_.add_process("robot")),
        drawing_(desktop_),
        hooks_(panel_process_.platform(), drawing_.drawing(), context_),
        app_(panel_process_.platform(), hooks_) {
    desktop_.win_ini().load(std::string("[AP]\n222APDirectory=") + kInstall +
                            "\nZelPanelIniFile=ZelPFile.ini\nZelSettingIniFile=ZelSFile.ini\n");
    skin_text_ = read_text(install + "/ZelPFile.ini");
    if (skin_text_) desktop_.file(kSkinPath).load(*skin_text_);
    desktop_.file(kSettingsPath).load(settings_text);
    drawing_.map_folder(kInstall, install);
    sim::SimLibraryLoader::Exports exports;
    exports["ZtGetFreqInfo"] = reinterpret_cast<zel::platform::ExportAddress>(&ZtGetFreqInfo);
    exports["ZtGetContryInfo"] = reinterpret_cast<zel::platform::ExportAddress>(&ZtGetContryInfo);
    panel_process_.libraries().add_library("C:\\windows\\system32\\ZtTV.dll", std::move(exports));
    zel::testing::SimTvProgram::install(desktop_, tv_options_, tv_log_);
    context_.attach(app_);
  }

  bool start() {
    if (!skin_text_) {
      std::printf("not ok - the skin file of the install folder\n");
      return false;
    }
    if (const auto early = app_.start()) {
      std::printf("not ok - the panel ended at start with %d\n", *early);
      return false;
    }
    desktop_.pump();
    return true;
  }

  bool step(const std::string& step, const std::string& shots, const std::string& artefacts) {
    const std::size_t colon = step.find(':');
    const std::string verb = step.substr(0, colon);
    const std::string arg = colon == std::string::npos ? "" : step.substr(colon + 1);
    if (verb == "cmd") {
      const auto command = parse_int(arg);
      if (!command) return bad_step(step);
      send(zel::platform::command_message(static_cast<std::uint16_t>(*command), 0));
      return true;
    }
    if (verb == "click") {
      const int index = button_index(arg);
      if (index < 0) return bad_step(step);
      const Rect r = hooks_.skin().layout().button_rect(index);
      const std::intptr_t at = mouse_at(r.left + r.width() / 2, r.top + r.height() / 2);
      send(Message{zel::platform::wm::kMouseMove, 0, at});
      send(Message{zel::platform::wm::kLButtonDown, 1, at});
      send(Message{zel::platform::wm::kLButtonUp, 0, at});
      send(Message{zel::platform::wm::kMouseMove, 0, mouse_at(0xFFFF, 0xFFFF)});
      return true;
    }
    if (verb == "shot") return shot(arg, shots, artefacts);
    return bad_step(step);
  }

 private:
  static std::intptr_t mouse_at(int x, int y) {
    return static_cast<std::intptr_t>((static_cast<std::uint32_t>(y) << 16) | static_cast<std::uint32_t>(x));
  }

  static bool bad_step(const std::string& step) {
    std::printf("not ok - unknown step %s\n", step.c_str());
    return false;
  }

  void send(const Message& message) {
    robot_.send_message(app_.state().panelWindow, message);
    desktop_.pump();
  }

  bool shot(const std::string& name, const std::string& shots, const std::string& artefacts) {
    // Windows paints a window after it is shown, resized, reshaped or
    // invalidated; the simulated desktop leaves that to its caller.
    send(Message{zel::platform::wm::kPaint, 0, 0});
    const Image* drawn = drawing_.window_image(app_.state().panelWindow);
    if (drawn == nullptr) {
      std::printf("not ok - %s: nothing was drawn on the simulated panel\n", name.c_str());
      return false;
    }
    const Image expected = *drawn;
    write_picture(artefacts + "/" + name + "-expected.bmp", expected);

    const auto actual = read_picture(shots + "/" + name + ".bmp");
    if (!actual) {
      std::printf("not ok - %s: no screenshot %s/%s.bmp\n", name.c_str(), shots.c_str(), name.c_str());
      return false;
    }
    if (actual->width != expected.width || actual->height != expected.height) {
      std::printf("not ok - %s: the window is %dx%d under Wine and %dx%d on the simulated desktop\n",
                  name.c_str(), actual->width, actual->height, expected.width, expected.height);
      return false;
    }
    bool region_ok = false;
    const auto region = read_region(shots + "/" + name + ".rgn", region_ok);
    if (!region_ok) {
      std::printf("not ok - %s: no region in %s/%s.rgn\n", name.c_str(), shots.c_str(), name.c_str());
      return false;
    }
    const std::vector<Rect> area =
        region ? *region : std::vector<Rect>{Rect{0, 0, expected.width, expected.height}};
    const std::vector<Rect> clock = clock_cells(hooks_.skin().layout());

    Image diff = *actual;
    long compared = 0;
    long left_out = 0;
    long differ = 0;
    std::string first;
    for (const Rect& r : area) {
      for (int y = std::max(r.top, 0); y < std::min(r.bottom, expected.height); ++y) {
        for (int x = std::max(r.left, 0); x < std::min(r.right, expected.width); ++x) {
          if (std::any_of(clock.begin(), clock.end(), [x, y](const Rect& c) { return inside(c, x, y); })) {
            ++left_out;
            continue;
          }
          ++compared;
          const std::uint32_t want = expected.at(x, y);
          const std::uint32_t got = actual->at(x, y);
          if (want == got) continue;
          if (differ++ == 0) {
            first = place(x, y) + ": expected " + hex(want) + ", Wine shows " + hex(got);
          }
          diff.set(x, y, kMagenta);
        }
      }
    }
    if (differ != 0) {
      write_picture(artefacts + "/" + name + "-diff.bmp", diff);
      std::printf("not ok - %s: %ld of %ld pixels inside the outline differ, first at %s\n", name.c_str(),
                  differ, compared, first.c_str());
      return false;
    }
    if (compared == 0) {
      std::printf("not ok - %s: no pixel inside the outline\n", name.c_str());
      return false;
    }
    std::printf("ok - %s: all %ld pixels inside the outline match (%ld clock pixels left out)\n",
                name.c_str(), compared, left_out);
    return true;
  }

  sim::Desktop desktop_;
  sim::Process& panel_process_;
  sim::Process& robot_;
  sim::SimDrawing drawing_;
  zel::skin::PanelAppContext context_;
  zel::app::ZelHooks hooks_;
  zel::core::PanelApp app_;
  zel::tv::TvOptions tv_options_;
  std::vector<std::string> tv_log_;
  std::optional<std::string> skin_text_;
};

int check(const std::string& install, const std::string& settings, const std::string& shots,
          const std::string& artefacts, const std::vector<std::string>& steps) {
  const auto settings_text = read_text(settings);
  if (!settings_text) {
    std::fprintf(stderr, "skin_expected: no settings file %s\n", settings.c_str());
    return 1;
  }
  Check run(install, *settings_text);
  if (!run.start()) return 1;
  bool all = true;
  for (const std::string& s : steps) {
    if (!run.step(s, shots, artefacts)) all = false;
  }
  return all ? 0 : 1;
}

// ---------------------------------------------------------------- plain

int plain(const std::string& path) {
  const auto picture = read_picture(path);
  if (!picture || picture->width < 3 || picture->height < 3) {
    std::printf("not ok - %s is no picture of a window\n", path.c_str());
    return 1;
  }
  const Image& p = *picture;
  long wrong = 0;
  std::string first;
  for (int y = 0; y < p.height; ++y) {
    for (int x = 0; x < p.width; ++x) {
      // The dark edges are drawn last: they take the two corners where they
      // meet the light ones.
      std::uint32_t want = kFace;
      if (x == 0 || y == 0) want = kFrameLight;
      if (x == p.width - 1 || y == p.height - 1) want = kFrameDark;
      if (p.at(x, y) == want) continue;
      if (wrong++ == 0) {
        first = place(x, y) + ": " + hex(p.at(x, y)) + " for " + hex(want);
      }
    }
  }
  if (wrong != 0) {
    std::printf("not ok - %ld pixels are not the plain face, first at %s\n", wrong, first.c_str());
    return 1;
  }
  std::printf("ok - the plain face with its frame, %dx%d\n", p.width, p.height);
  return 0;
}

int usage() {
  std::fprintf(stderr,
               "usage: skin_expected layout <install folder> <set> <wing state>\n"
               "       skin_expected check <install folder> <settings file> <shots folder> "
               "<artefact folder> <step>...\n"
               "       skin_expected plain <picture.bmp>\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty()) return usage();
  if (args[0] == "layout" && args.size() == 4) {
    const auto set = parse_int(args[2]);
    const auto state = parse_int(args[3]);
    if (!set || !state) return usage();
    return layout(args[1], *set, *state);
  }
  if (args[0] == "check" && args.size() >= 5) {
    return check(args[1], args[2], args[3], args[4], std::vector<std::string>(args.begin() + 5, args.end()));
  }
  if (args[0] == "plain" && args.size() == 2) return plain(args[1]);
  return usage();
}
