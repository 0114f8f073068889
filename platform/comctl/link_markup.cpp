#include "comctl/link_markup.h"

#include "kernel/text.h"

namespace platform::comctl {
namespace {

bool starts_with_tag(const std::u16string& s, size_t at, std::u16string_view tag) {
  return s.size() - at >= tag.size() && text::iequals(std::u16string_view(s).substr(at, tag.size()), tag);
}

void skip_blanks(const std::u16string& s, size_t& i) {
  while (i < s.size() && (s[i] == u' ' || s[i] == u'\t')) ++i;
}

// The attributes of an opening tag from `i` (just after "<a") to its '>'; npos when unclosed.
size_t parse_attributes(const std::u16string& s, size_t i, LinkAnchor& anchor) {
  while (i < s.size()) {
    skip_blanks(s, i);
    if (i >= s.size()) break;
    if (s[i] == u'>') return i + 1;
    size_t name_start = i;
    while (i < s.size() && s[i] != u'=' && s[i] != u'>' && s[i] != u' ') ++i;
    std::u16string_view name = std::u16string_view(s).substr(name_start, i - name_start);
    skip_blanks(s, i);
    if (i >= s.size() || s[i] != u'=') continue;
    ++i;
    skip_blanks(s, i);
    std::u16string value;
    if (i < s.size() && (s[i] == u'"' || s[i] == u'\'')) {
      char16_t quote = s[i++];
      size_t end = s.find(quote, i);
      if (end == std::u16string::npos) return std::u16string::npos;
      value = s.substr(i, end - i);
      i = end + 1;
    } else {
      size_t start = i;
      while (i < s.size() && s[i] != u' ' && s[i] != u'>') ++i;
      value = s.substr(start, i - start);
    }
    if (text::iequals(name, u"href")) anchor.url = value;
    else if (text::iequals(name, u"id")) anchor.id = value;
  }
  return std::u16string::npos;
}

void add_text(LinkMarkup& out, std::u16string_view piece, int link) {
  if (piece.empty()) return;
  if (!out.runs.empty() && out.runs.back().link == link) out.runs.back().text += piece;
  else out.runs.push_back({std::u16string(piece), link});
}

}  // namespace

LinkMarkup parse_link_markup(const std::u16string& markup) {
  LinkMarkup out;
  int open = -1;
  size_t i = 0;
  while (i < markup.size()) {
    if (markup[i] == u'<') {
      if (open < 0 && (starts_with_tag(markup, i, u"<a ") || starts_with_tag(markup, i, u"<a>"))) {
        LinkAnchor anchor;
        size_t after = parse_attributes(markup, i + 2, anchor);
        if (after != std::u16string::npos) {
          open = int(out.anchors.size());
          out.anchors.push_back(anchor);
          i = after;
          continue;
        }
      } else if (open >= 0 && starts_with_tag(markup, i, u"</a>")) {
        open = -1;
        i += 4;
        continue;
      }
    }
    add_text(out, std::u16string_view(markup).substr(i, 1), open);
    ++i;
  }
  return out;
}

}  // namespace platform::comctl
