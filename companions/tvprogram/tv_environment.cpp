#include "companions/tvprogram/tv_environment.h"

#include <charconv>

namespace zel::tv {
namespace {

std::optional<std::int32_t> parse_int(const std::optional<std::string>& text) {
  if (!text || text->empty()) return std::nullopt;
  std::int32_t value = 0;
  const char* end = text->data() + text->size();
  const auto [rest, error] = std::from_chars(text->data(), end, value);
  if (error != std::errc() || rest != end) return std::nullopt;
  return value;
}

}  // namespace

TvOptions options_from_environment(const EnvironmentLookup& lookup) {
  TvOptions options;
  if (const auto fm = parse_int(lookup(kFmPresentVariable))) options.fm_present = *fm != 0;
  if (const auto modes = parse_int(lookup(kAudioModesVariable))) options.audio_modes = *modes;
  return options;
}

std::string settings_file_path(std::string_view directory, std::string_view file_name) {
  std::string path(directory);
  path += '\\';
  path += file_name;
  return path;
}

std::string log_file_path(const EnvironmentLookup& lookup, std::string_view settings_path) {
  if (auto path = lookup(kLogPathVariable); path && !path->empty()) return *path;
  const std::size_t slash = settings_path.find_last_of("\\/");
  if (slash == std::string_view::npos) return kLogFileName;
  return std::string(settings_path.substr(0, slash + 1)) + kLogFileName;
}

}  // namespace zel::tv
