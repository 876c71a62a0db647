// A window's outline (its window region) and the mouse pointer's place.
#include <cstdio>
#include <vector>

#include "tools/robot/robot.h"

namespace robot {
namespace {

const char* region_kind(int type) {
  switch (type) {
    case SIMPLEREGION:
      return "rect";
    case COMPLEXREGION:
      return "complex";
    case NULLREGION:
      return "empty";
    default:
      return "none";
  }
}

}  // namespace

int window_region(const Invocation& call) {
  const HWND window = require_window(call.args[0], call.args[1]);
  if (window == nullptr) return kFailure;
  if (call.args.size() % 2 != 0) return fail("the polygon needs an x and a y for every point");

  const HRGN region = CreateRectRgn(0, 0, 0, 0);
  const int type = GetWindowRgn(window, region);
  std::printf("region=%s\n", region_kind(type));
  if (type == SIMPLEREGION || type == COMPLEXREGION) {
    const DWORD bytes = GetRegionData(region, 0, nullptr);
    std::vector<char> buffer(bytes);
    auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
    if (bytes == 0 || GetRegionData(region, bytes, data) != bytes) {
      DeleteObject(region);
      return fail("GetRegionData failed");
    }
    const RECT* rects = reinterpret_cast<const RECT*>(data->Buffer);
    std::printf("rects=%lu\n", static_cast<unsigned long>(data->rdh.nCount));
    for (DWORD i = 0; i < data->rdh.nCount; ++i) {
      std::printf("rect %ld %ld %ld %ld\n", rects[i].left, rects[i].top, rects[i].right, rects[i].bottom);
    }
  }

  if (call.args.size() > 2) {
    std::vector<POINT> points;
    for (std::size_t i = 2; i + 1 < call.args.size(); i += 2) {
      points.push_back(
          POINT{static_cast<LONG>(number_arg(call, i, 0)), static_cast<LONG>(number_arg(call, i + 1, 0))});
    }
    const HRGN polygon = CreatePolygonRgn(points.data(), static_cast<int>(points.size()), WINDING);
    const bool equal = polygon != nullptr && (type == SIMPLEREGION || type == COMPLEXREGION) &&
                       EqualRgn(region, polygon) != FALSE;
    std::printf("polygon=%s\n", equal ? "equal" : "different");
    if (polygon != nullptr) DeleteObject(polygon);
  }
  DeleteObject(region);
  return kOk;
}

int move_mouse(const Invocation& call) {
  const int x = static_cast<int>(number_arg(call, 0, 0));
  const int y = static_cast<int>(number_arg(call, 1, 0));
  if (SetCursorPos(x, y) == FALSE) return fail("SetCursorPos failed");
  return kOk;
}

}  // namespace robot
