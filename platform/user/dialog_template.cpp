#include "user/dialog_template.h"

#include "kernel/byte_reader.h"

namespace platform::user {
namespace {

constexpr uint32_t kSetFont = 0x40;  // DS_SETFONT, also part of DS_SHELLFONT

NameOrId name_or_id(ByteReader& reader) {
  NameOrOrdinal field = reader.name_or_ordinal();
  NameOrId result;
  if (field.is_ordinal) {
    result.id = field.ordinal;
  } else {
    result.text = std::move(field.text);
  }
  return result;
}

void read_box(ByteReader& reader, int16_t& x, int16_t& y, int16_t& cx, int16_t& cy) {
  x = int16_t(reader.u16());
  y = int16_t(reader.u16());
  cx = int16_t(reader.u16());
  cy = int16_t(reader.u16());
}

// Each item starts on a DWORD boundary, counted from the template's start.
DialogItem read_item(ByteReader& reader, bool extended) {
  DialogItem item;
  reader.align(4);
  if (extended) {
    item.help_id = reader.u32();
    item.exstyle = reader.u32();
    item.style = reader.u32();
  } else {
    item.style = reader.u32();
    item.exstyle = reader.u32();
  }
  read_box(reader, item.x, item.y, item.cx, item.cy);
  item.id = extended ? reader.u32() : reader.u16();
  item.window_class = name_or_id(reader);
  item.title = name_or_id(reader);
  uint16_t extra = reader.u16();
  if (const uint8_t* data = reader.take(extra)) item.creation_data.assign(data, data + extra);
  return item;
}

}  // namespace

std::optional<DialogTemplate> parse_dialog_template(const void* data, size_t size) {
  if (!data) return std::nullopt;
  ByteReader reader(data, size);
  DialogTemplate dialog;
  uint16_t version = reader.u16();
  uint16_t signature = reader.u16();
  dialog.extended = version == 1 && signature == 0xFFFF;
  if (dialog.extended) {
    dialog.help_id = reader.u32();
    dialog.exstyle = reader.u32();
    dialog.style = reader.u32();
  } else {
    reader.seek(0);
    dialog.style = reader.u32();
    dialog.exstyle = reader.u32();
  }
  uint16_t count = reader.u16();
  read_box(reader, dialog.x, dialog.y, dialog.cx, dialog.cy);
  dialog.menu = name_or_id(reader);
  dialog.window_class = name_or_id(reader);
  dialog.title = reader.sz_string();
  if (dialog.style & kSetFont) {
    dialog.point_size = reader.u16();
    if (dialog.extended) {
      dialog.weight = reader.u16();
      dialog.italic = reader.u8() != 0;
      dialog.charset = reader.u8();
    }
    dialog.typeface = reader.sz_string();
  }
  for (uint16_t i = 0; i < count && reader.ok(); ++i) dialog.items.push_back(read_item(reader, dialog.extended));
  if (!reader.ok()) return std::nullopt;
  return dialog;
}

}  // namespace platform::user
