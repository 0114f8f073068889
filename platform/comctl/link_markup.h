// SysLink's markup: plain text with <a href="..." id="...">link text</a> anchors.
#pragma once

#include <string>
#include <vector>

namespace platform::comctl {

struct LinkRun {
  std::u16string text;
  int link = -1;  // the index of the anchor it belongs to, -1 for plain text
};

struct LinkAnchor {
  std::u16string id;
  std::u16string url;
};

struct LinkMarkup {
  std::vector<LinkRun> runs;
  std::vector<LinkAnchor> anchors;
};

// Tags and attribute names are case-insensitive; values may be quoted with " or '. A '<' that
// starts no anchor tag is text.
LinkMarkup parse_link_markup(const std::u16string& markup);

}  // namespace platform::comctl
