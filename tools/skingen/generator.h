#pragma once
// The skin generator: reads the description of the skin sets and writes what
// the panel loads, into one folder:
//   ZelPFile.ini                 the skin file (layout, outlines, captions)
//   panelbmp1/ ... panelbmpN/    the thirteen bitmaps of each set
// The layout is read back from the written skin file with the panel's own
// reader before anything is painted, so the pictures follow exactly the
// geometry the panel will use.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "common/ini/profile_store.h"

namespace zel::skingen {

inline constexpr std::string_view kSkinFileName = "ZelPFile.ini";
inline constexpr std::string_view kSheetFileName = "otherbmp.bmp";

// "panelbmp" + n.
std::string skin_folder_name(std::int32_t set);

// The three pictures of a wing state 1-4: normal, hover and pressed look.
std::array<std::string, 3> state_bitmap_names(int state);

// Generates every set of the description at `description_path` into
// `out_folder`, replacing earlier output. False, with the reasons in
// *errors, when the description is wrong or a file cannot be written; the
// folder may then hold part of the output.
bool generate_skins(const std::string& description_path, const std::string& out_folder,
                    std::vector<std::string>* errors);

// The skin file as the panel reads it while set n is the current one: a
// read of [Panel] PanelNow gives n, every other read goes to the file.
// Writes are refused.
class SkinSetView final : public ProfileStore {
 public:
  SkinSetView(ProfileStore& file, std::int32_t set) : file_(file), set_(set) {}

  std::string read_text(std::string_view section, std::string_view key, std::string_view default_text,
                        std::size_t buffer_size) override;
  std::int32_t read_int(std::string_view section, std::string_view key, std::int32_t default_value) override;
  bool write_text(std::string_view, std::string_view, std::string_view) override { return false; }
  bool delete_key(std::string_view, std::string_view) override { return false; }
  bool delete_section(std::string_view) override { return false; }

 private:
  bool is_panel_now(std::string_view section, std::string_view key) const;

  ProfileStore& file_;
  std::int32_t set_;
};

}  // namespace zel::skingen
