// Mistakes in the skin description stop the generator with a message that
// names the place: the file and line for a wrong entry, the file and what is
// wrong for a layout that does not work.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "tools/skingen/generator.h"

namespace zel::skingen::test {
namespace {

namespace fs = std::filesystem;

struct Case {
  const char* addition;  // appended to set 1's file
  int line;              // line of the addition the message names; 0: the file only
  const char* message;
};

const Case kCases[] = {
    {"[keys]\nBTN_NOSUCH_X = 1\n", 2, "the panel reads no skin key \"BTN_NOSUCH_X\""},
    {"[keys]\nCH_NUM_W = -3\n", 2, "-3 is outside the range of CH_NUM_W"},
    {"[keys]\nBTN_PLAY_W = wide\n", 2, "BTN_PLAY_W takes a whole number"},
    {"[shape]\ncorner = round\n", 2, "corner takes a whole number from 0 to 100"},
    {"[keys]\nPANEL_LORR = 2\n", 0, "PANEL_LORR must be 0 or 1"},
    {"[keys]\nBTN_CHUP_X = 540\n", 0, "CHUP (540, 26, 20, 30) is not inside the window in state 1"},
    {"[keys]\nBTN_CHUP_X = 380\n", 0, "CHUP overlaps @plate in state 1"},
    {"[keys]\nTIMESHIFTPOINTY = 30\n", 0, "PLAY overlaps @track in state 1"},
    {"[keys]\nLCD_CH_X = 90\n", 0, "in the sheet, TV plate overlaps video plate"},
    {"[keys]\nSLIPOINT_X = 5000\n", 0, "time-shift knob (5000, 82, 10, 9) is not a place in the sheet"},
    {"[keys]\nBTN_MUTE_W = 30\n", 0, "the mute images must be the size of the MUTE button"},
    {"[labels]\nREC = RECORDING\n", 0, "the label of REC does not fit in state 1"},
    {"[labels]\nPLAY = <rewind>\n", 0, "label of PLAY: unknown icon <rewind>"},
    {"[labels]\nLOGOZENTAVIO = <record> ZENTAVIO\n", 0,
     "the wordmark of LOGOZENTAVIO is not one line of text that fits in state 1"},
};

int line_count(const fs::path& p) {
  std::ifstream in(p);
  return static_cast<int>(
      std::count(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>(), '\n'));
}

TEST(SkinDescription, MistakesAreReportedWithTheirPlace) {
  const fs::path shipped = fs::path(ZEL_SKIN_DESCRIPTION).parent_path();
  const fs::path work = fs::temp_directory_path() / ("skingen_description_" + std::to_string(::getpid()));
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.addition);
    fs::remove_all(work);
    fs::create_directories(work / "skins");
    for (const auto& entry : fs::directory_iterator(shipped)) fs::copy(entry.path(), work / "skins");
    const fs::path set1 = work / "skins" / "set1.txt";
    const int lines = line_count(set1);
    std::ofstream(set1, std::ios::app) << c.addition;

    std::vector<std::string> errors;
    EXPECT_FALSE(generate_skins((work / "skins" / "skins.txt").string(), (work / "out").string(), &errors));
    const std::string place = set1.string() + (c.line > 0 ? ":" + std::to_string(lines + c.line) : "") + ": ";
    const std::string expected = place + c.message;
    const bool found = std::any_of(errors.begin(), errors.end(), [&](const std::string& e) {
      return e.starts_with(place) && e.find(c.message) != std::string::npos;
    });
    std::string all;
    for (const std::string& e : errors) all += "\n  " + e;
    EXPECT_TRUE(found) << "expected: " << expected << "\nreported:" << all;
  }
  fs::remove_all(work);
}

}  // namespace
}  // namespace zel::skingen::test
