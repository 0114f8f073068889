#include "reg_format.h"

#include <cstdint>
#include <cstdio>
#include <cstring>

#include "kernel/text.h"

namespace platform::tool {
namespace {

std::u16string wide_units(const std::string& data) {
  std::u16string units(data.size() / 2, u'\0');
  std::memcpy(units.data(), data.data(), units.size() * 2);
  return units;
}

std::string hex(const std::string& data) {
  std::string out;
  char byte[3];
  for (unsigned char b : data) {
    std::snprintf(byte, sizeof byte, "%02X", b);
    out += byte;
  }
  return out;
}

std::string multi_string(const std::string& data) {
  std::u16string units = wide_units(data);
  while (!units.empty() && units.back() == 0) units.pop_back();
  std::string out;
  size_t start = 0;
  while (start <= units.size()) {
    size_t end = units.find(u'\0', start);
    if (end == std::u16string::npos) end = units.size();
    if (start) out += "\\0";
    out += text::utf8(std::u16string_view(units).substr(start, end - start));
    start = end + 1;
  }
  return out;
}

uint64_t little_endian(const std::string& data, size_t size) {
  uint64_t value = 0;
  for (size_t i = size; i-- > 0;) value = (value << 8) | uint8_t(data[i]);
  return value;
}

}  // namespace

std::string reg_type_name(DWORD type) {
  switch (type) {
    case REG_NONE: return "REG_NONE";
    case REG_SZ: return "REG_SZ";
    case REG_EXPAND_SZ: return "REG_EXPAND_SZ";
    case REG_BINARY: return "REG_BINARY";
    case REG_DWORD: return "REG_DWORD";
    case REG_DWORD_BIG_ENDIAN: return "REG_DWORD_BIG_ENDIAN";
    case REG_LINK: return "REG_LINK";
    case REG_MULTI_SZ: return "REG_MULTI_SZ";
    case REG_RESOURCE_LIST: return "REG_RESOURCE_LIST";
    case REG_FULL_RESOURCE_DESCRIPTOR: return "REG_FULL_RESOURCE_DESCRIPTOR";
    case REG_RESOURCE_REQUIREMENTS_LIST: return "REG_RESOURCE_REQUIREMENTS_LIST";
    case REG_QWORD: return "REG_QWORD";
    default: {
      char number[16];
      std::snprintf(number, sizeof number, "0x%x", type);
      return number;
    }
  }
}

std::string reg_data_text(const registry::Value& value) {
  const std::string& data = value.data;
  char number[24];
  switch (value.type) {
    case REG_SZ:
    case REG_EXPAND_SZ: {
      std::u16string units = wide_units(data);
      return text::utf8(units.substr(0, units.find(u'\0')));
    }
    case REG_MULTI_SZ:
      return multi_string(data);
    case REG_DWORD:
      if (data.size() != 4) break;
      std::snprintf(number, sizeof number, "0x%x", unsigned(little_endian(data, 4)));
      return number;
    case REG_DWORD_BIG_ENDIAN:
      if (data.size() != 4) break;
      std::snprintf(number, sizeof number, "0x%x",
                    unsigned(little_endian(std::string(data.rbegin(), data.rend()), 4)));
      return number;
    case REG_QWORD:
      if (data.size() != 8) break;
      std::snprintf(number, sizeof number, "0x%llx", static_cast<unsigned long long>(little_endian(data, 8)));
      return number;
  }
  return hex(data);
}

std::string reg_value_line(const registry::Value& value) {
  std::string name = value.name.empty() ? "(Default)" : text::utf8(value.name);
  return "    " + name + "    " + reg_type_name(value.type) + "    " + reg_data_text(value);
}

}  // namespace platform::tool
