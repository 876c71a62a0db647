// skingen DESCRIPTION OUT_FOLDER
// Renders the skin sets described by the master file DESCRIPTION into
// OUT_FOLDER (ZelPFile.ini and panelbmp1 ... panelbmpN). Exit status 0 on
// success; 1 with the reasons on stderr otherwise.
#include <iostream>

#include "tools/skingen/generator.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: skingen DESCRIPTION OUT_FOLDER\n";
    return 2;
  }
  std::vector<std::string> errors;
  if (!zel::skingen::generate_skins(argv[1], argv[2], &errors)) {
    for (const std::string& e : errors) std::cerr << e << "\n";
    return 1;
  }
  return 0;
}
