#include "tools/skingen/label.h"

#include <algorithm>
#include <cmath>

#include "tools/skingen/icons.h"

namespace zel::skingen {

namespace {

constexpr int kIconGap = 2;  // between an icon and its neighbour on a line

bool single_icon(const Label& label) {
  return label.lines.size() == 1 && label.lines[0].size() == 1 && label.lines[0][0].icon;
}

int item_width(const LabelItem& item, Font font, int icon_size) {
  if (item.icon) return static_cast<int>(std::ceil(icon_width(item.text, static_cast<float>(icon_size))));
  return text_width(font, item.text);
}

int line_width(const std::vector<LabelItem>& line, Font font, int icon_size) {
  int width = 0;
  for (std::size_t i = 0; i < line.size(); ++i) {
    width += item_width(line[i], font, icon_size);
    if (i > 0 && (line[i].icon || line[i - 1].icon)) width += kIconGap;
  }
  return width;
}

int line_height(const std::vector<LabelItem>& line, Font font, int icon_size) {
  int height = 0;
  for (const LabelItem& item : line) height = std::max(height, item.icon ? icon_size : font_height(font));
  return height;
}

int line_gap(Font font) { return font == Font::kSmall ? 1 : 2; }

std::optional<LabelFit> try_fit(const Label& label, Font font, int width, int height) {
  LabelFit fit;
  fit.font = font;
  if (single_icon(label)) {
    const float aspect = icon_width(label.lines[0][0].text, 1.0f);
    const float size = std::min({11.0f, height * 0.9f, width / aspect * 0.9f});
    fit.icon_size = static_cast<int>(size);
    if (fit.icon_size < 5) return std::nullopt;
  } else {
    fit.icon_size = font_height(font);
  }
  for (std::size_t i = 0; i < label.lines.size(); ++i) {
    fit.width = std::max(fit.width, line_width(label.lines[i], font, fit.icon_size));
    fit.height += line_height(label.lines[i], font, fit.icon_size) + (i > 0 ? line_gap(font) : 0);
  }
  if (fit.width > width || fit.height > height) return std::nullopt;
  return fit;
}

}  // namespace

std::optional<Label> parse_label(std::string_view source, std::string* error) {
  Label label;
  std::vector<LabelItem> line;
  std::string text;
  auto end_text = [&] {
    if (!text.empty()) line.push_back({false, text});
    text.clear();
  };
  auto end_line = [&]() -> bool {
    end_text();
    if (line.empty()) {
      *error = "empty line in label \"" + std::string(source) + "\"";
      return false;
    }
    label.lines.push_back(std::move(line));
    line.clear();
    return true;
  };
  for (std::size_t i = 0; i < source.size(); ++i) {
    const char ch = source[i];
    if (ch == '|') {
      if (!end_line()) return std::nullopt;
    } else if (ch == '<') {
      const std::size_t close = source.find('>', i);
      if (close == std::string_view::npos) {
        *error = "unclosed icon in label \"" + std::string(source) + "\"";
        return std::nullopt;
      }
      const std::string name(source.substr(i + 1, close - i - 1));
      if (!icon_known(name)) {
        *error = "unknown icon <" + name + ">";
        return std::nullopt;
      }
      end_text();
      line.push_back({true, name});
      i = close;
    } else {
      if (!font_has(Font::kRegular, std::string_view(&ch, 1)) &&
          !font_has(Font::kSmall, std::string_view(&ch, 1))) {
        *error = std::string("no glyph for '") + ch + "' in label \"" + std::string(source) + "\"";
        return std::nullopt;
      }
      text += ch;
    }
  }
  if (!end_line()) return std::nullopt;
  return label;
}

std::optional<LabelFit> fit_label(const Label& label, int width, int height) {
  for (Font font : {Font::kRegular, Font::kSmall}) {
    bool drawable = true;
    for (const auto& line : label.lines) {
      for (const LabelItem& item : line) drawable = drawable && (item.icon || font_has(font, item.text));
    }
    if (!drawable) continue;
    if (auto fit = try_fit(label, font, width, height)) return fit;
  }
  return std::nullopt;
}

bool accent_item(const LabelItem& item) { return item.icon && item.text == "record"; }

void draw_label(Mask& mask, const Label& label, const LabelFit& fit, Box area, LabelPart part) {
  // Centre on whole pixels, rounding up, so that bitmap glyphs stay crisp and
  // an odd leftover pixel goes below and to the right, where the bevel is.
  int y = area.y + (area.h - fit.height + 1) / 2;
  for (const auto& line : label.lines) {
    const int h = line_height(line, fit.font, fit.icon_size);
    int x = area.x + (area.w - line_width(line, fit.font, fit.icon_size) + 1) / 2;
    for (std::size_t i = 0; i < line.size(); ++i) {
      const LabelItem& item = line[i];
      if (i > 0 && (item.icon || line[i - 1].icon)) x += kIconGap;
      const bool wanted = part == LabelPart::kAll || (part == LabelPart::kAccent) == accent_item(item);
      if (wanted && item.icon) {
        draw_icon(mask, item.text, static_cast<float>(x), static_cast<float>(y + (h - fit.icon_size) / 2),
                  static_cast<float>(fit.icon_size));
      } else if (wanted) {
        draw_text(mask, x, y + (h - font_height(fit.font)) / 2, fit.font, item.text);
      }
      x += item_width(item, fit.font, fit.icon_size);
    }
    y += h + line_gap(fit.font);
  }
}

}  // namespace zel::skingen
