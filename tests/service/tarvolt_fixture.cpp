#include "service/tarvolt_fixture.h"

#include <stdlib.h>

#include <fstream>
#include <regex>
#include <sstream>

#include "tarvolt_app.h"

namespace tarvolt_testing {

void TarvoltTest::run_command_line(const std::vector<std::string>& args) {
  std::vector<std::string> strings{"C:\\Tarvolt\\tarvolt.exe"};
  strings.insert(strings.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (auto& s : strings) argv.push_back(s.data());
  argv.push_back(nullptr);
  int saved_argc = __argc;
  char** saved_argv = __argv;
  __argc = static_cast<int>(strings.size());
  __argv = argv.data();
  {
    RV_TarvoltApp app;
    EXPECT_TRUE(app.InitInstance());
  }
  __argc = saved_argc;
  __argv = saved_argv;
}

std::optional<TarvoltTest::Value> TarvoltTest::read_value(const std::string& subkey, const char* name) {
  std::string path = kSettingsKey + (subkey.empty() ? "" : subkey + "\\");
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return std::nullopt;
  Value value{};
  DWORD size = 0;
  LONG status = RegQueryValueExA(key, name, nullptr, &value.type, nullptr, &size);
  if (status == ERROR_SUCCESS) {
    value.data.resize(size);
    status = RegQueryValueExA(key, name, nullptr, &value.type, value.data.data(), &size);
  }
  RegCloseKey(key);
  if (status != ERROR_SUCCESS) return std::nullopt;
  return value;
}

void TarvoltTest::write_value(const std::string& subkey, const char* name, DWORD type, const std::vector<BYTE>& data) {
  std::string path = kSettingsKey + (subkey.empty() ? "" : subkey + "\\");
  HKEY key = nullptr;
  ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
            ERROR_SUCCESS);
  EXPECT_EQ(RegSetValueExA(key, name, 0, type, data.data(), DWORD(data.size())), ERROR_SUCCESS);
  RegCloseKey(key);
}

bool TarvoltTest::service_key_exists() {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kSettingsKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  RegCloseKey(key);
  return true;
}

std::string TarvoltTest::log_text() const {
  std::ifstream in(log_path(), std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

namespace {

// The messages of the log's whole lines; `start` ends after the last of them.
std::vector<std::string> whole_lines(const std::string& text, size_t& start) {
  static const std::regex prefix(R"(^\d{4}-\d{2}-\d{2}, \d{2}:\d{2}:\d{2}\.0\d{1,3}\t: )");
  std::vector<std::string> messages;
  start = 0;
  for (size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
    std::string line = text.substr(start, end - start);
    std::smatch match;
    EXPECT_TRUE(std::regex_search(line, match, prefix)) << "malformed line: " << line;
    messages.push_back(match.empty() ? line : match.suffix().str());
  }
  return messages;
}

}  // namespace

std::vector<std::string> TarvoltTest::log_messages() const {
  std::string text = log_text();
  size_t end = 0;
  std::vector<std::string> messages = whole_lines(text, end);
  EXPECT_EQ(end, text.size()) << "the log ends inside a line";
  return messages;
}

std::vector<std::string> TarvoltTest::log_messages_so_far() const {
  size_t end = 0;
  return whole_lines(log_text(), end);
}

std::vector<BYTE> bytes(std::initializer_list<int> values) {
  std::vector<BYTE> out;
  for (int v : values) out.push_back(BYTE(v));
  return out;
}

}  // namespace tarvolt_testing
