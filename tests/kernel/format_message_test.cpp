#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>

namespace {

TEST(FormatMessageTest, EveryErrorCodeOfTheMachineHasItsSystemText) {
  std::ifstream header(std::filesystem::path(__FILE__).parent_path() / "../../platform/include/winerror.h");
  ASSERT_TRUE(header);
  std::stringstream content;
  content << header.rdbuf();
  std::string all = content.str();
  std::regex define("#define (ERROR_\\w+) (\\d+)L");
  int codes = 0;
  for (std::sregex_iterator it(all.begin(), all.end(), define), end; it != end; ++it, ++codes) {
    char text[512];
    DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                                  DWORD(std::stoul((*it)[2])), LANG_USER_DEFAULT, text, sizeof text, nullptr);
    std::string found(text, length);
    EXPECT_TRUE(length > 3 && found.substr(length - 3) == ".\r\n") << (*it)[1] << ": [" << found << "]";
  }
  EXPECT_GT(codes, 100);
}

}  // namespace
