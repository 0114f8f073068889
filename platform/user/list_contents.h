// What a list box shows, as its painter and the desktop's automation read it.
#pragma once

#include <string>
#include <vector>

namespace platform::user {

struct ListContents {
  std::vector<std::u16string> items;
  int selected = -1;    // none
  int top = 0;          // the first item in view
  int item_height = 0;  // pixels per row
};

}  // namespace platform::user
