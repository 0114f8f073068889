#include "gdi/text_layout.h"

#include <algorithm>

#include "gdi/font.h"

namespace platform::gdi {
namespace {

size_t skip_blanks(std::u16string_view text, size_t pos) {
  while (pos < text.size() && text[pos] == u' ') ++pos;
  return pos;
}

size_t word_end(std::u16string_view text, size_t pos) {
  while (pos < text.size() && text[pos] != u' ') ++pos;
  return pos;
}

void wrap_paragraph(const ScaledFont& font, std::u16string_view paragraph, int max_width,
                    std::vector<std::u16string_view>& lines) {
  size_t start = 0;
  do {
    size_t end = start;  // the line so far, without its trailing blanks
    size_t pos = start;
    while (pos < paragraph.size()) {
      size_t next = word_end(paragraph, skip_blanks(paragraph, pos));
      if (end != start && font.width(paragraph.substr(start, next - start)) > max_width) break;
      end = next;
      pos = next;
      if (skip_blanks(paragraph, pos) == paragraph.size()) pos = paragraph.size();
    }
    lines.push_back(paragraph.substr(start, end - start));
    start = skip_blanks(paragraph, end);
  } while (start < paragraph.size());
}

}  // namespace

std::vector<std::u16string_view> split_lines(std::u16string_view text) {
  std::vector<std::u16string_view> lines;
  size_t start = 0;
  for (size_t i = 0; i <= text.size(); ++i) {
    if (i < text.size() && text[i] != u'\r' && text[i] != u'\n') continue;
    lines.push_back(text.substr(start, i - start));
    if (i + 1 < text.size() && text[i] == u'\r' && text[i + 1] == u'\n') ++i;
    start = i + 1;
  }
  return lines;
}

std::vector<std::u16string_view> wrap_lines(const ScaledFont& font, std::u16string_view text, int max_width) {
  std::vector<std::u16string_view> lines;
  for (std::u16string_view paragraph : split_lines(text)) wrap_paragraph(font, paragraph, max_width, lines);
  return lines;
}

Size measure_wrapped(const Font& font, std::u16string_view text, int max_width) {
  ScaledFont scaled(font);
  std::vector<std::u16string_view> lines = wrap_lines(scaled, text, max_width);
  Size size{0, int(lines.size()) * scaled.cell_height()};
  for (std::u16string_view line : lines) size.cx = std::max(size.cx, scaled.width(line));
  return size;
}

}  // namespace platform::gdi
