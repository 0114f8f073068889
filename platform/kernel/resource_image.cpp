#include "kernel/resource_image.h"

#include "kernel/text.h"

namespace platform::resources {
namespace {

bool same(const NameOrOrdinal& a, const NameOrOrdinal& b) {
  if (a.is_ordinal != b.is_ordinal) return false;
  return a.is_ordinal ? a.ordinal == b.ordinal : text::iequals(a.text, b.text);
}

// The empty entry a .res starts with (type and name ordinal 0) is the format's signature.
bool is_leader(const Entry& entry) { return entry.type.is_ordinal && entry.type.ordinal == 0; }

}  // namespace

Image parse(const void* bytes, size_t size) {
  Image image;
  ByteReader reader(bytes, size);
  while (reader.remaining() > 0) {
    size_t start = reader.offset();
    uint32_t data_size = reader.u32();
    uint32_t header_size = reader.u32();
    Entry entry;
    entry.type = reader.name_or_ordinal();
    entry.name = reader.name_or_ordinal();
    reader.align(4);
    reader.skip(4);  // DataVersion
    entry.memory_flags = reader.u16();
    entry.language = reader.u16();
    reader.skip(8);  // Version, Characteristics
    if (!reader.ok() || header_size < reader.offset() - start || header_size > size - start) break;
    ByteReader data(static_cast<const uint8_t*>(bytes) + start + header_size, size - start - header_size);
    entry.data = data.take(data_size);
    entry.size = data_size;
    if (!data.ok()) break;
    if (!is_leader(entry)) image.push_back(std::move(entry));
    // The last entry may lack its padding.
    reader.seek(start + header_size + data_size);
    if (reader.remaining() < 4) break;
    reader.align(4);
  }
  return image;
}

const Entry* find(const Image& image, const NameOrOrdinal& type, const NameOrOrdinal& name, WORD language,
                  DWORD* error) {
  if (language == MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL)) language = kThreadLanguage;
  const Entry* neutral = nullptr;
  const Entry* any = nullptr;
  bool type_seen = false;
  for (const Entry& entry : image) {
    if (!same(entry.type, type)) continue;
    type_seen = true;
    if (!same(entry.name, name)) continue;
    if (entry.language == language) return &entry;
    if (entry.language == MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL) && !neutral) neutral = &entry;
    if (!any) any = &entry;
  }
  if (neutral) return neutral;
  if (!any) *error = type_seen ? ERROR_RESOURCE_NAME_NOT_FOUND : ERROR_RESOURCE_TYPE_NOT_FOUND;
  return any;
}

}  // namespace platform::resources
