#include "tools/skingen/description.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <set>
#include <sstream>

namespace zel::skingen {

namespace {

struct Entry {
  std::string key;
  std::string value;
  std::string where;
};

struct RawSection {
  std::string name;
  std::string where;
  std::vector<Entry> entries;
};

class Reader {
 public:
  explicit Reader(std::vector<std::string>* errors) : errors_(errors) {}

  void fail(const std::string& where, const std::string& message) {
    errors_->push_back(where + ": " + message);
  }
  bool ok() const { return errors_->empty(); }

  std::vector<RawSection> read_file(const std::string& path);

 private:
  std::vector<std::string>* errors_;
};

std::string_view trim(std::string_view s) {
  const auto first = s.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  const auto last = s.find_last_not_of(" \t\r");
  return s.substr(first, last - first + 1);
}

std::vector<std::string> words(std::string_view s) {
  std::vector<std::string> out;
  std::istringstream in{std::string(s)};
  std::string w;
  while (in >> w) out.push_back(w);
  return out;
}

std::optional<int> parse_int(std::string_view s) {
  int v = 0;
  const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
  if (ec != std::errc{} || end != s.data() + s.size()) return std::nullopt;
  return v;
}

std::optional<float> parse_float(std::string_view s) {
  // from_chars for float is not in every library this builds with.
  std::istringstream in{std::string(s)};
  float v = 0;
  if (!(in >> v)) return std::nullopt;
  in >> std::ws;
  if (!in.eof()) return std::nullopt;
  return v;
}

std::vector<RawSection> Reader::read_file(const std::string& path) {
  std::vector<RawSection> sections;
  std::ifstream in(path);
  if (!in) {
    errors_->push_back(path + ": cannot be read");
    return sections;
  }
  std::string line;
  int number = 0;
  while (std::getline(in, line)) {
    ++number;
    const std::string where = path + ":" + std::to_string(number);
    const std::string_view text = trim(line);
    if (text.empty() || text[0] == '#' || text[0] == ';') continue;
    if (text.front() == '[') {
      if (text.back() != ']') {
        fail(where, "section header without ']'");
        continue;
      }
      const std::string name(trim(text.substr(1, text.size() - 2)));
      for (const RawSection& s : sections) {
        if (s.name == name) fail(where, "section [" + name + "] appears twice (first at " + s.where + ")");
      }
      sections.push_back({name, where, {}});
      continue;
    }
    const auto eq = text.find('=');
    if (eq == std::string_view::npos) {
      fail(where, "expected \"key = value\"");
      continue;
    }
    if (sections.empty()) {
      fail(where, "entry before the first section");
      continue;
    }
    Entry entry{std::string(trim(text.substr(0, eq))), std::string(trim(text.substr(eq + 1))), where};
    if (entry.key.empty()) {
      fail(where, "empty key");
      continue;
    }
    for (const Entry& e : sections.back().entries) {
      if (e.key == entry.key) fail(where, "\"" + entry.key + "\" given twice (first at " + e.where + ")");
    }
    sections.back().entries.push_back(std::move(entry));
  }
  return sections;
}

// ---- look -------------------------------------------------------------------

enum class Kind { kColour, kColours2, kColours3, kNumber, kWhole, kText, kTexture };

struct LookKey {
  std::string_view name;
  Kind kind;
  Colour Look::*c1 = nullptr;
  Colour Look::*c2 = nullptr;
  Colour Look::*c3 = nullptr;
  float Look::*number = nullptr;
  int Look::*whole = nullptr;
};

const std::vector<LookKey>& look_keys() {
  static const std::vector<LookKey> keys = {
      {"name", Kind::kText},
      {"body", Kind::kColours2, &Look::body_top, &Look::body_bottom},
      {"texture", Kind::kTexture},
      {"rim", Kind::kColour, &Look::rim},
      {"well", Kind::kColours2, &Look::well_top, &Look::well_bottom},
      {"key", Kind::kColours2, &Look::key_top, &Look::key_bottom},
      {"key.down", Kind::kColours2, &Look::key_down_top, &Look::key_down_bottom},
      {"key.rim", Kind::kColour, &Look::key_rim},
      {"key.text", Kind::kColour, &Look::key_text},
      {"key.lit", Kind::kColour, &Look::key_lit},
      {"key.radius", Kind::kWhole, nullptr, nullptr, nullptr, nullptr, &Look::key_radius},
      {"well.radius", Kind::kWhole, nullptr, nullptr, nullptr, nullptr, &Look::well_radius},
      {"print", Kind::kColour, &Look::print},
      {"accent", Kind::kColour, &Look::accent},
      {"glass", Kind::kColour, &Look::glass},
      {"glass.on", Kind::kColour, &Look::glass_on},
      {"glass.off", Kind::kColour, &Look::glass_off},
      {"glass.glow", Kind::kNumber, nullptr, nullptr, nullptr, &Look::glass_glow},
      {"meter", Kind::kColours3, &Look::meter_low, &Look::meter_mid, &Look::meter_high},
      {"track.on", Kind::kColour, &Look::track_on},
      {"screen", Kind::kColour, &Look::screen},
  };
  return keys;
}

bool read_look_value(Reader& r, const LookKey& key, const Entry& e, Look& look) {
  const std::vector<std::string> w = words(e.value);
  auto colours = [&](std::size_t n, std::initializer_list<Colour Look::*> slots) {
    if (w.size() != n) {
      r.fail(e.where, std::string(key.name) + " takes " + std::to_string(n) + " colour(s)");
      return false;
    }
    std::size_t i = 0;
    for (Colour Look::*slot : slots) {
      const auto c = parse_colour(w[i++]);
      if (!c) {
        r.fail(e.where, "\"" + w[i - 1] + "\" is not a colour (#rrggbb)");
        return false;
      }
      look.*slot = *c;
    }
    return true;
  };
  switch (key.kind) {
    case Kind::kText:
      look.name = e.value;
      return !e.value.empty();
    case Kind::kColour:
      return colours(1, {key.c1});
    case Kind::kColours2:
      return colours(2, {key.c1, key.c2});
    case Kind::kColours3:
      return colours(3, {key.c1, key.c2, key.c3});
    case Kind::kNumber: {
      const auto v = parse_float(e.value);
      if (!v || *v < 0 || *v > 1) {
        r.fail(e.where, std::string(key.name) + " takes a number from 0 to 1");
        return false;
      }
      look.*key.number = *v;
      return true;
    }
    case Kind::kWhole: {
      const auto v = parse_int(e.value);
      if (!v || *v < 0 || *v > 20) {
        r.fail(e.where, std::string(key.name) + " takes a whole number from 0 to 20");
        return false;
      }
      look.*key.whole = *v;
      return true;
    }
    case Kind::kTexture: {
      const auto amount = w.size() == 2 ? parse_float(w[1]) : std::optional<float>(0.0f);
      if (w.empty() || w.size() > 2 || !amount || *amount < 0 || *amount > 1) {
        r.fail(e.where, "texture takes none, or brushed or grain with an amount from 0 to 1");
        return false;
      }
      if (w[0] == "none") {
        look.texture = Texture::kNone;
      } else if (w[0] == "brushed") {
        look.texture = Texture::kBrushed;
      } else if (w[0] == "grain") {
        look.texture = Texture::kGrain;
      } else {
        r.fail(e.where, "unknown texture \"" + w[0] + "\"");
        return false;
      }
      look.texture_amount = *amount;
      return true;
    }
  }
  return false;
}

void read_look(Reader& r, const RawSection& s, Look& look) {
  std::set<std::string_view> seen;
  for (const Entry& e : s.entries) {
    const auto& keys = look_keys();
    const auto key =
        std::find_if(keys.begin(), keys.end(), [&](const LookKey& k) { return k.name == e.key; });
    if (key == keys.end()) {
      r.fail(e.where, "unknown look key \"" + e.key + "\"");
      continue;
    }
    if (read_look_value(r, *key, e, look)) seen.insert(key->name);
  }
  for (const LookKey& k : look_keys()) {
    if (!seen.contains(k.name)) r.fail(s.where, "[look] lacks \"" + std::string(k.name) + "\"");
  }
}

void read_shape(Reader& r, const RawSection& s, ShapeSpec& shape) {
  shape.shaped = true;
  const std::pair<std::string_view, int ShapeSpec::*> keys[] = {
      {"corner", &ShapeSpec::corner},
      {"wing.corner", &ShapeSpec::wing_corner},
      {"wing.inset.bottom", &ShapeSpec::wing_inset_bottom},
      {"drawer.corner", &ShapeSpec::drawer_corner},
      {"drawer.inset", &ShapeSpec::drawer_inset},
  };
  for (const Entry& e : s.entries) {
    const auto key =
        std::find_if(std::begin(keys), std::end(keys), [&](const auto& k) { return k.first == e.key; });
    const auto v = parse_int(e.value);
    if (key == std::end(keys)) {
      r.fail(e.where, "unknown shape key \"" + e.key + "\"");
    } else if (!v || *v < 0 || *v > 100) {
      r.fail(e.where, e.key + " takes a whole number from 0 to 100");
    } else {
      shape.*(key->second) = *v;
    }
  }
}

// "name = padding : member member ...", or "name = none" to drop a group the
// master file defines.
void read_groups(Reader& r, const RawSection& s, std::vector<Group>& groups) {
  for (const Entry& e : s.entries) {
    std::erase_if(groups, [&](const Group& g) { return g.name == e.key; });
    if (e.value == "none") continue;
    const auto colon = e.value.find(':');
    const auto padding =
        colon == std::string::npos ? std::nullopt : parse_int(trim(e.value.substr(0, colon)));
    if (!padding || *padding < 0 || *padding > 20) {
      r.fail(e.where, "expected \"padding : members\", padding 0 to 20");
      continue;
    }
    Group g{e.key, *padding, words(e.value.substr(colon + 1)), e.where};
    if (g.members.empty()) {
      r.fail(e.where, "group without members");
      continue;
    }
    groups.push_back(std::move(g));
  }
}

void read_map(const RawSection& s, std::map<std::string, std::string>& out) {
  for (const Entry& e : s.entries) out[e.key] = e.value;
}

// "name = x y regular|small TEXT".
void read_lettering(Reader& r, const RawSection& s, std::vector<Lettering>& out) {
  for (const Entry& e : s.entries) {
    std::istringstream in(e.value);
    std::string xs, ys, font;
    in >> xs >> ys >> font >> std::ws;
    std::string text;
    std::getline(in, text);
    const auto x = parse_int(xs);
    const auto y = parse_int(ys);
    if (!x || !y || (font != "regular" && font != "small") || text.empty()) {
      r.fail(e.where, "expected \"x y regular|small TEXT\"");
      continue;
    }
    const Font f = font == "small" ? Font::kSmall : Font::kRegular;
    if (!font_has(f, text)) {
      r.fail(e.where, "the " + font + " font cannot draw \"" + text + "\"");
      continue;
    }
    out.push_back({*x, *y, f, text});
  }
}

std::string read_label(Reader& r, const RawSection& s) {
  std::string label;
  for (const Entry& e : s.entries) {
    if (e.key != "label") {
      r.fail(e.where, "unknown key \"" + e.key + "\" (only label)");
    } else if (!font_has(Font::kSmall, e.value)) {
      r.fail(e.where, "the small font cannot draw \"" + e.value + "\"");
    } else {
      label = e.value;
    }
  }
  return label;
}

// Sections a set file may have beyond what it shares with the master file.
bool read_shared(Reader& r, const RawSection& s, SetDescription& set) {
  if (s.name == "labels") {
    read_map(s, set.labels);
  } else if (s.name == "styles") {
    read_map(s, set.styles);
    for (const Entry& e : s.entries) {
      if (e.value != "key" && e.value != "wordmark") r.fail(e.where, "style is key or wordmark");
    }
  } else if (s.name == "wells") {
    read_groups(r, s, set.wells);
  } else if (s.name == "glass") {
    read_groups(r, s, set.glasses);
  } else if (s.name == "glass labels") {
    // "none" drops a label the master file gives.
    for (const Entry& e : s.entries) {
      if (e.value == "none") {
        set.glass_labels.erase(e.key);
      } else if (!font_has(Font::kSmall, e.value)) {
        r.fail(e.where, "the small font cannot draw \"" + e.value + "\"");
      } else {
        set.glass_labels[e.key] = e.value;
      }
    }
  } else {
    return false;
  }
  return true;
}

std::string folder_of(const std::string& path) {
  const auto slash = path.find_last_of('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

}  // namespace

std::optional<Colour> parse_colour(std::string_view text) {
  if (text.size() != 7 || text[0] != '#') return std::nullopt;
  unsigned v = 0;
  const auto [end, ec] = std::from_chars(text.data() + 1, text.data() + 7, v, 16);
  if (ec != std::errc{} || end != text.data() + 7) return std::nullopt;
  return Colour{static_cast<float>((v >> 16) & 0xFF), static_cast<float>((v >> 8) & 0xFF),
                static_cast<float>(v & 0xFF)};
}

std::optional<Description> read_description(const std::string& master_path,
                                            std::vector<std::string>* errors) {
  Reader r(errors);
  Description d;
  SetDescription shared;
  std::vector<std::string> set_files;
  bool have_file_section = false;
  for (const RawSection& s : r.read_file(master_path)) {
    if (s.name == "skin file") {
      have_file_section = true;
      for (const Entry& e : s.entries) {
        if (e.key == "PanelNow") {
          const auto v = parse_int(e.value);
          if (!v || *v < 1) r.fail(e.where, "PanelNow takes a set number");
          d.panel_now = v.value_or(1);
        } else if (e.key == "IDS_RECSCHE_DIALOG") {
          d.recsche_dialog = e.value;
        } else if (e.key == "sets") {
          set_files = words(e.value);
        } else {
          r.fail(e.where, "unknown key \"" + e.key + "\"");
        }
      }
    } else if (!read_shared(r, s, shared)) {
      r.fail(s.where, "unknown section [" + s.name + "]");
    }
  }
  if (!have_file_section || set_files.empty()) {
    r.fail(master_path, "needs a [skin file] section naming the sets");
  }
  for (const std::string& name : set_files) {
    SetDescription set = shared;
    set.file = folder_of(master_path) + name;
    bool have_look = false;
    for (const RawSection& s : r.read_file(set.file)) {
      if (s.name == "look") {
        have_look = true;
        read_look(r, s, set.look);
      } else if (s.name == "shape") {
        read_shape(r, s, set.shape);
      } else if (s.name == "keys") {
        for (const Entry& e : s.entries) set.keys.push_back({e.key, e.value, e.where});
      } else if (s.name == "lettering") {
        read_lettering(r, s, set.lettering);
      } else if (s.name == "wing") {
        set.wing_label = read_label(r, s);
      } else if (s.name == "drawer") {
        set.drawer_label = read_label(r, s);
      } else if (!read_shared(r, s, set)) {
        r.fail(s.where, "unknown section [" + s.name + "]");
      }
    }
    if (!have_look) r.fail(set.file, "needs a [look] section");
    d.sets.push_back(std::move(set));
  }
  if (d.panel_now > static_cast<int>(d.sets.size()))
    r.fail(master_path, "PanelNow names a set that is not there");
  if (!r.ok()) return std::nullopt;
  return d;
}

}  // namespace zel::skingen
