// RasGetErrorString has a text for every code the machine's raserror.h names.
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

#include "ras/ras_fixture.h"

namespace {

using namespace ras_testing;

TEST(RasErrorStringTest, EveryCodeOfTheMachinesHeaderHasAText) {
  std::ifstream in(std::filesystem::path(__FILE__).parent_path() / "../../platform/include/raserror.h");
  ASSERT_TRUE(in);
  std::stringstream header;
  header << in.rdbuf();
  const std::string all = header.str();
  static const std::regex define(R"(#define\s+(\w+)\s+\(\s*RASBASE\s*\+\s*(\d+)\s*\))");
  int codes = 0;
  for (std::sregex_iterator it(all.begin(), all.end(), define), end; it != end; ++it, ++codes) {
    const UINT code = RASBASE + UINT(std::stoul((*it)[2]));
    WCHAR wide[512] = {};
    EXPECT_EQ(RasGetErrorStringW(code, wide, 512), 0u) << (*it)[1] << " " << code;
    EXPECT_GT(u8(wide).size(), 5u) << (*it)[1] << " " << code;
  }
  EXPECT_GT(codes, 200);
}

}  // namespace
