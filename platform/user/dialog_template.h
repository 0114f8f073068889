// Dialog templates as the resource compiler stores them (DLGTEMPLATE and DLGTEMPLATEEX with
// their items), read into plain data. Coordinates stay in dialog units.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace platform::user {

// A name-or-ordinal field of a template: an ordinal (0xFFFF then a WORD) or a string.
struct NameOrId {
  uint16_t id = 0;          // when text is empty and id != 0
  std::u16string text;
  bool empty() const { return id == 0 && text.empty(); }
};

struct DialogItem {
  uint32_t help_id = 0;
  uint32_t style = 0;
  uint32_t exstyle = 0;
  int16_t x = 0, y = 0, cx = 0, cy = 0;
  uint32_t id = 0;          // a DWORD in DLGITEMTEMPLATEEX, a WORD in DLGITEMTEMPLATE
  NameOrId window_class;    // predefined classes as ordinals: 0x80 Button, 0x81 Edit, 0x82 Static,
                            // 0x83 ListBox, 0x84 ScrollBar, 0x85 ComboBox
  NameOrId title;
  std::vector<uint8_t> creation_data;
};

struct DialogTemplate {
  bool extended = false;
  uint32_t help_id = 0;
  uint32_t style = 0;
  uint32_t exstyle = 0;
  int16_t x = 0, y = 0, cx = 0, cy = 0;
  NameOrId menu;
  NameOrId window_class;
  std::u16string title;
  // Present when the style has DS_SETFONT (or DS_SHELLFONT).
  uint16_t point_size = 0;
  uint16_t weight = 0;
  bool italic = false;
  uint8_t charset = 0;
  std::u16string typeface;
  std::vector<DialogItem> items;
};

// Reads a template from the bytes a dialog resource holds; nothing when they are malformed or
// run past `size`.
std::optional<DialogTemplate> parse_dialog_template(const void* data, size_t size);

}  // namespace platform::user
