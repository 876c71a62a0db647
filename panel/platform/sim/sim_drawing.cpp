#include "panel/platform/sim/sim_drawing.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <iterator>

namespace zel::platform::sim {

namespace {

std::string lower_path(std::string_view path) {
  std::string out(path);
  for (char& c : out) {
    if (c == '/') c = '\\';
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  }
  return out;
}

// "C:\ZEL\panelbmp1\panelover.bmp" -> "panelover".
std::string base_name(std::string_view path) {
  const std::size_t slash = path.find_last_of("\\/");
  std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
  const std::size_t dot = name.find_last_of('.');
  if (dot != std::string_view::npos && dot > 0) name = name.substr(0, dot);
  return std::string(name);
}

std::string rect_text(const Rect& r) {
  return std::to_string(r.left) + ", " + std::to_string(r.top) + ", " + std::to_string(r.width()) +
         "x" + std::to_string(r.height());
}

// The part of `source` (in `from`) that lands inside `to` when its corner is
// put at `at`, with the corner moved along; nullopt when nothing is left.
struct Clipped {
  int left, top, right, bottom;  // in the source
  std::int64_t dx, dy;           // destination = source + (dx, dy)
};

std::optional<Clipped> clip(const Image& from, const Rect& source, Size to, Point at) {
  const std::int64_t dx = static_cast<std::int64_t>(at.x) - source.left;
  const std::int64_t dy = static_cast<std::int64_t>(at.y) - source.top;
  const std::int64_t left = std::max<std::int64_t>({source.left, 0, -dx});
  const std::int64_t top = std::max<std::int64_t>({source.top, 0, -dy});
  const std::int64_t right = std::min<std::int64_t>({source.right, from.width, to.width - dx});
  const std::int64_t bottom = std::min<std::int64_t>({source.bottom, from.height, to.height - dy});
  if (left >= right || top >= bottom) return std::nullopt;
  return Clipped{static_cast<int>(left),
                 static_cast<int>(top),
                 static_cast<int>(right),
                 static_cast<int>(bottom),
                 dx,
                 dy};
}

void blit(const Image& from, const Rect& source, Image& to, Point at) {
  const std::optional<Clipped> c = clip(from, source, Size{to.width, to.height}, at);
  if (!c) return;
  // Read everything first: source and destination may be one picture.
  std::vector<std::uint32_t> block;
  block.reserve(static_cast<std::size_t>(c->right - c->left) *
                static_cast<std::size_t>(c->bottom - c->top));
  for (int y = c->top; y < c->bottom; ++y) {
    for (int x = c->left; x < c->right; ++x) block.push_back(from.at(x, y));
  }
  std::size_t i = 0;
  for (int y = c->top; y < c->bottom; ++y) {
    for (int x = c->left; x < c->right; ++x) {
      to.set(static_cast<int>(x + c->dx), static_cast<int>(y + c->dy), block[i++]);
    }
  }
}

}  // namespace

std::string copy_line(const CopyRecord& copy) {
  return copy.from + " (" + rect_text(copy.source) + ") -> " + copy.to + " (" +
         std::to_string(copy.at.x) + ", " + std::to_string(copy.at.y) + ")";
}

SimDrawing::SimDrawing(Desktop& desktop) : desktop_(desktop) {}

// ---------------------------------------------------------------- files

void SimDrawing::put_file(std::string_view windows_path, std::vector<std::uint8_t> bytes) {
  files_[lower_path(windows_path)] = std::move(bytes);
}

void SimDrawing::put_bitmap(std::string_view windows_path, const Image& image, RowOrder order) {
  put_file(windows_path, write_bmp(image, order));
}

void SimDrawing::map_folder(std::string_view windows_folder, std::string host_folder) {
  std::string folder = lower_path(windows_folder);
  while (!folder.empty() && folder.back() == '\\') folder.pop_back();
  folders_.emplace_back(std::move(folder), std::move(host_folder));
}

std::optional<std::vector<std::uint8_t>> SimDrawing::read_file(
    std::string_view windows_path) const {
  const std::string key = lower_path(windows_path);
  if (const auto it = files_.find(key); it != files_.end()) return it->second;
  for (const auto& [folder, host] : folders_) {
    if (key.size() <= folder.size() + 1 || key.compare(0, folder.size(), folder) != 0 ||
        key[folder.size()] != '\\') {
      continue;
    }
    std::string rest(windows_path.substr(folder.size() + 1));
    std::replace(rest.begin(), rest.end(), '\\', '/');
    std::ifstream in(host + "/" + rest, std::ios::binary);
    if (!in) continue;
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in),
                                     std::istreambuf_iterator<char>());
  }
  return std::nullopt;
}

// ---------------------------------------------------------------- surfaces

const Image* SimDrawing::surface_image(SurfaceId surface) const {
  const auto it = surfaces_.find(surface.value);
  return it == surfaces_.end() ? nullptr : &it->second.image;
}

Image* SimDrawing::surface(SurfaceId id) {
  const auto it = surfaces_.find(id.value);
  return it == surfaces_.end() ? nullptr : &it->second.image;
}

std::string SimDrawing::surface_name(SurfaceId surface) const {
  const auto it = surfaces_.find(surface.value);
  return it == surfaces_.end() ? "null" : it->second.name;
}

std::size_t SimDrawing::live_surfaces() const { return surfaces_.size(); }

const Image* SimDrawing::window_image(WindowId window) const {
  const auto it = canvases_.find(window.value);
  return it == canvases_.end() ? nullptr : &it->second;
}

bool SimDrawing::window_alive(WindowId window) const {
  const WindowState* state = desktop_.window(window);
  return state != nullptr && state->alive;
}

std::string SimDrawing::window_name(WindowId window) const { return desktop_.name_of(window); }

Image* SimDrawing::canvas(WindowId window) {
  const std::optional<Rect> rect = window_rect(window);
  if (!rect) return nullptr;
  Image& picture = canvases_[window.value];
  if (picture.width != rect->width() || picture.height != rect->height()) {
    Image resized(rect->width(), rect->height(), kUnpainted);
    blit(picture, Rect{0, 0, picture.width, picture.height}, resized, Point{0, 0});
    picture = std::move(resized);
  }
  return &picture;
}

SurfaceId SimDrawing::load_bitmap(WindowId window, std::string_view path) {
  (void)window;
  std::optional<Image> image;
  if (const auto bytes = read_file(path)) image = read_bmp(*bytes);
  if (!image) {
    calls_.push_back("LoadImage(" + std::string(path) + ") = null");
    return kNoSurface;
  }
  const SurfaceId id{next_surface_++};
  surfaces_[id.value] = SurfaceRecord{base_name(path), std::move(*image)};
  calls_.push_back("LoadImage(" + std::string(path) + ") = " + surfaces_[id.value].name);
  return id;
}

void SimDrawing::release_surface(SurfaceId surface) {
  calls_.push_back("DeleteSurface(" + surface_name(surface) + ")");
  surfaces_.erase(surface.value);
}

Size SimDrawing::surface_size(SurfaceId surface) {
  const Image* image = surface_image(surface);
  return image == nullptr ? Size{} : Size{image->width, image->height};
}

void SimDrawing::copy(SurfaceId from, const Rect& source, SurfaceId to, Point at) {
  copies_.push_back(CopyRecord{surface_name(from), source, surface_name(to), at, false});
  const Image* src = surface(from);
  Image* dst = surface(to);
  if (src != nullptr && dst != nullptr) blit(*src, source, *dst, at);
}

void SimDrawing::copy_to_window(SurfaceId from, const Rect& source, WindowId window, Point at) {
  copies_.push_back(CopyRecord{surface_name(from), source, window_name(window), at, true});
  const Image* src = surface(from);
  if (src == nullptr) return;
  if (Image* dst = canvas(window)) blit(*src, source, *dst, at);
}

void SimDrawing::begin_paint(WindowId window) {
  calls_.push_back("BeginPaint(" + window_name(window) + ")");
}

void SimDrawing::end_paint(WindowId window) {
  calls_.push_back("EndPaint(" + window_name(window) + ")");
  invalid_.erase(window.value);
}

void SimDrawing::invalidate_window(WindowId window) {
  calls_.push_back("InvalidateRect(" + window_name(window) + ")");
  if (window_alive(window)) invalid_.insert(window.value);
}

// ---------------------------------------------------------------- cursors

CursorId SimDrawing::load_cursor(int resource_id) {
  const bool missing = resource_id <= 0;
  calls_.push_back("LoadCursor(" + std::to_string(resource_id) + ")" + (missing ? " = null" : ""));
  return missing ? kNoCursor : CursorId{static_cast<std::uintptr_t>(resource_id)};
}

void SimDrawing::set_cursor(CursorId cursor) {
  calls_.push_back("SetCursor(" + std::to_string(cursor.value) + ")");
  current_cursor_ = cursor;
}

// ---------------------------------------------------------------- tooltips

const TooltipControl* SimDrawing::tooltip_control() const {
  for (const TooltipControl& c : tooltip_controls_) {
    if (c.alive) return &c;
  }
  return nullptr;
}

TooltipControl* SimDrawing::live_tooltips(WindowId control) {
  for (TooltipControl& c : tooltip_controls_) {
    if (c.alive && c.id == control) return &c;
  }
  return nullptr;
}

WindowId SimDrawing::create_tooltips(const TooltipDelays& delays) {
  const WindowId id{next_tooltip_++};
  tooltip_controls_.push_back(TooltipControl{id, delays, {}, true});
  calls_.push_back("CreateTooltips(" + std::to_string(delays.initial_ms) + ", " +
                   std::to_string(delays.auto_hide_ms) + ", " + std::to_string(delays.reshow_ms) +
                   ")");
  return id;
}

bool SimDrawing::add_tool(WindowId control, const TooltipTool& tool) {
  TooltipControl* c = live_tooltips(control);
  if (c == nullptr) return false;
  c->tools.push_back(tool);
  return true;
}

void SimDrawing::destroy_tooltips(WindowId control) {
  calls_.push_back("DestroyTooltips");
  if (TooltipControl* c = live_tooltips(control)) c->alive = false;
}

// ---------------------------------------------------------------- geometry

std::optional<Rect> SimDrawing::window_rect(WindowId window) {
  if (!window_alive(window)) return std::nullopt;
  if (const auto it = rects_.find(window.value); it != rects_.end()) return it->second;
  return desktop_.window(window)->rect;
}

bool SimDrawing::move_window(WindowId window, const Rect& rect, bool repaint) {
  calls_.push_back("MoveWindow(" + window_name(window) + ", " + std::to_string(rect.left) + ", " +
                   std::to_string(rect.top) + ", " + std::to_string(rect.width()) + "x" +
                   std::to_string(rect.height()) + (repaint ? ", repaint)" : ")"));
  if (!window_alive(window)) return false;
  rects_[window.value] = rect;
  return true;
}

bool SimDrawing::resize_window(WindowId window, Size size) {
  calls_.push_back("ResizeWindow(" + window_name(window) + ", " + std::to_string(size.width) + "x" +
                   std::to_string(size.height) + ")");
  const std::optional<Rect> rect = window_rect(window);
  if (!rect) return false;
  rects_[window.value] = Rect::from_origin(Point{rect->left, rect->top}, size);
  return true;
}

bool SimDrawing::set_window_polygon(WindowId window, const std::vector<Point>& points) {
  calls_.push_back("SetWindowRgn(" + window_name(window) + ", " + std::to_string(points.size()) +
                   " points)");
  if (!window_alive(window) || points.size() < 3) return false;
  polygons_[window.value] = points;
  return true;
}

std::vector<Point> SimDrawing::window_polygon(WindowId window) const {
  const auto it = polygons_.find(window.value);
  return it == polygons_.end() ? std::vector<Point>{} : it->second;
}

// ---------------------------------------------------------------- clock

void SimDrawing::set_local_time(LocalTime time) {
  clock_base_ = time;
  clock_set_at_ = desktop_.now();
}

LocalTime SimDrawing::local_time() {
  constexpr std::uint64_t kDay = 24 * 3600;
  const std::uint64_t base = static_cast<std::uint64_t>(clock_base_.hour) * 3600 +
                             static_cast<std::uint64_t>(clock_base_.minute) * 60 +
                             static_cast<std::uint64_t>(clock_base_.second);
  const std::uint64_t now = (base + (desktop_.now() - clock_set_at_) / 1000) % kDay;
  return LocalTime{static_cast<int>(now / 3600), static_cast<int>(now / 60 % 60),
                   static_cast<int>(now % 60)};
}

std::vector<std::string> SimDrawing::copy_lines() const {
  std::vector<std::string> lines;
  lines.reserve(copies_.size());
  for (const CopyRecord& c : copies_) lines.push_back(copy_line(c));
  return lines;
}

}  // namespace zel::platform::sim
