// Window outlines: which section each wing state reads, the polygon handed to
// the window, and outlines that must leave the window as it is.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fake_skin_file.h"
#include "panel/skin/skin.h"
#include "skin_test_support.h"

namespace zel::skin {
namespace {

using platform::Point;
using test::FakeSkinFile;

// Records the polygons it is given; accepts them unless told otherwise.
class RecordingWindow final : public WindowOutlineTarget {
 public:
  bool set_window_polygon(const std::vector<Point>& points) override {
    polygons.push_back(points);
    return accept;
  }
  std::vector<std::vector<Point>> polygons;
  bool accept = true;
};

TEST(SkinOutline, RectangleOutline) {
  FakeSkinFile file("[Panel1Point]\nHavePoint=4\n1=0\n2=0\n3=100\n4=0\n5=100\n6=50\n7=0\n8=50\n");
  Skin skin(file);
  RecordingWindow window;
  EXPECT_TRUE(skin.apply_window_outline(window, 1, kClosedWing));
  ASSERT_EQ(window.polygons.size(), 1u);
  EXPECT_EQ(window.polygons[0], (std::vector<Point>{{0, 0}, {100, 0}, {100, 50}, {0, 50}}));
}

TEST(SkinOutline, EachStateReadsItsSection) {
  const struct {
    int state;
    const char* section;
  } cases[] = {
      {kClosedWing, "Panel2Point"}, {kDownWing, "Panel2DownPoint"},
      {kSideWing, "Panel2LorRPoint"}, {kAllWings, "Panel2ALLPoint"},
      {0, "Panel"},                   {5, "Panel"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.state);
    FakeSkinFile file;
    file.put(c.section, "HavePoint", "3");
    file.put(c.section, "3", "10");
    file.put(c.section, "6", "20");
    Skin skin(file);
    RecordingWindow window;
    EXPECT_TRUE(skin.apply_window_outline(window, 2, c.state));
    ASSERT_EQ(window.polygons.size(), 1u);
    EXPECT_EQ(window.polygons[0], (std::vector<Point>{{0, 0}, {10, 0}, {0, 20}}));
    EXPECT_EQ(file.reads().front(), "[" + std::string(c.section) + "] HavePoint");
  }
}

// Outlines from which no region can come: the window keeps its outline and
// is not asked.
TEST(SkinOutline, OutlinesWithoutAreaLeaveTheWindowAlone) {
  const struct {
    const char* name;
    const char* keys;
  } cases[] = {
      {"no section", ""},
      {"zero points", "HavePoint=0\n1=5\n2=5\n"},
      {"negative count", "HavePoint=-4\n"},
      {"one point", "HavePoint=1\n1=5\n2=5\n"},
      {"two points", "HavePoint=2\n1=0\n2=0\n3=100\n4=50\n"},
      {"all on one point", "HavePoint=5\n"},
      {"all on a line", "HavePoint=4\n1=0\n2=0\n3=10\n4=5\n5=20\n6=10\n7=-30\n8=-15\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    FakeSkinFile file(std::string("[Panel1Point]\n") + c.keys);
    Skin skin(file);
    RecordingWindow window;
    EXPECT_FALSE(skin.apply_window_outline(window, 1, kClosedWing));
    EXPECT_TRUE(window.polygons.empty());
  }
}

TEST(SkinOutline, RefusedRegionIsAFailure) {
  FakeSkinFile file("[Panel1Point]\nHavePoint=3\n3=10\n6=10\n");
  Skin skin(file);
  RecordingWindow window;
  window.accept = false;
  EXPECT_FALSE(skin.apply_window_outline(window, 1, kClosedWing));
  EXPECT_EQ(window.polygons.size(), 1u);
}

TEST(SkinOutline, AtMostTwoHundredPointsAndClampedCoordinates) {
  FakeSkinFile file;
  file.put("Panel1Point", "HavePoint", "100000");
  for (int key = 1; key <= 500; ++key) file.put("Panel1Point", std::to_string(key), "7");
  file.put("Panel1Point", "1", "2147483647");
  file.put("Panel1Point", "2", "-2147483648");
  file.put("Panel1Point", "4", "3");
  Skin skin(file);
  RecordingWindow window;
  EXPECT_TRUE(skin.apply_window_outline(window, 1, kClosedWing));
  ASSERT_EQ(window.polygons.size(), 1u);
  const std::vector<Point>& points = window.polygons[0];
  ASSERT_EQ(points.size(), static_cast<std::size_t>(kMaxOutlinePoints));
  EXPECT_EQ(points[0], (Point{kCoordinateLimit, -kCoordinateLimit}));
  EXPECT_EQ(points[1], (Point{7, 3}));
  EXPECT_EQ(points[199], (Point{7, 7}));
  EXPECT_EQ(file.reads().back(), "[Panel1Point] 400") << "nothing beyond point 200 is read";
}

}  // namespace
}  // namespace zel::skin
