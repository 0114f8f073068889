#include "automation/channel_names.h"

#include <strings.h>

#include <cctype>
#include <string>

#include <windows.h>

namespace platform::automation {
namespace {

struct Named {
  const char* name;
  int value;
};

constexpr Named kKeys[] = {
    {"Enter", VK_RETURN}, {"Escape", VK_ESCAPE}, {"Tab", VK_TAB},       {"Space", VK_SPACE},
    {"Backspace", VK_BACK}, {"Delete", VK_DELETE}, {"Insert", VK_INSERT}, {"Home", VK_HOME},
    {"End", VK_END},      {"PageUp", VK_PRIOR},  {"PageDown", VK_NEXT},  {"Left", VK_LEFT},
    {"Up", VK_UP},        {"Right", VK_RIGHT},   {"Down", VK_DOWN},
};

constexpr Named kButtons[] = {
    {"OK", IDOK},   {"Cancel", IDCANCEL}, {"Abort", IDABORT},       {"Retry", IDRETRY},       {"Ignore", IDIGNORE},
    {"Yes", IDYES}, {"No", IDNO},         {"TryAgain", IDTRYAGAIN}, {"Continue", IDCONTINUE},
};

template <size_t N>
std::optional<int> lookup(const Named (&table)[N], std::string_view name) {
  std::string wanted(name);
  for (const Named& entry : table)
    if (strcasecmp(entry.name, wanted.c_str()) == 0) return entry.value;
  return std::nullopt;
}

}  // namespace

std::optional<uint16_t> virtual_key(std::string_view name) {
  if (auto key = lookup(kKeys, name)) return uint16_t(*key);
  if (name.size() == 1 && std::isalnum(static_cast<unsigned char>(name[0])))
    return uint16_t(std::toupper(static_cast<unsigned char>(name[0])));  // VK_A.. and VK_0.. are the characters
  if (name.size() >= 2 && name.size() <= 3 && (name[0] == 'F' || name[0] == 'f')) {
    int n = 0;
    for (char c : name.substr(1)) n = std::isdigit(static_cast<unsigned char>(c)) ? n * 10 + (c - '0') : -1000;
    if (n >= 1 && n <= 12) return uint16_t(VK_F1 + n - 1);
  }
  return std::nullopt;
}

std::optional<int> button_id(std::string_view name) { return lookup(kButtons, name); }

}  // namespace platform::automation
