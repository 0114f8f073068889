// The RAS error texts: the edges of the table, and its names against the machine's header.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>

#include "ras_error_string.h"

namespace {

TEST(RasErrorStringTest, EdgesOfTheTable) {
  auto text = [](DWORD code, BYTE message) { return std::string(GetRasErrorString(code, message)); };
  EXPECT_EQ(text(603, 1), "The caller's buffer is too small.");
  EXPECT_EQ(text(603, 0), "ERROR_BUFFER_TOO_SMALL");
  for (DWORD code : {0UL, 599UL, 806UL, 0xFFFFFFFFUL}) {
    EXPECT_EQ(text(code, 0), "ERROR_UNKNOWN") << code;
    EXPECT_EQ(text(code, 1), "ERROR_UNKNOWN") << code;
  }
  EXPECT_EQ(text(635, 0), "ERROR_UNKNOWN");
  EXPECT_EQ(text(635, 1), "There was an unknown error.");
  EXPECT_EQ(text(693, 0), "ERROR_NOT_BINARY_MACRO");
  EXPECT_EQ(text(693, 1), "ERROR_NOT_BINARY_MACRO");
  EXPECT_EQ(text(688, 1), " There was an error in writing the default-off.");
  EXPECT_EQ(text(600, 0), "PENDING");
  EXPECT_EQ(text(805, 0), "ERROR_INVALID_MSCHAPV2_CONFIG");
  EXPECT_EQ(text(691, 1), "Access was denied because the username and/or password was invalid on the domain.");
  EXPECT_EQ(text(800, 1),
            "Unable to establish the VPN connection.  The VPN server may be unreachable, or security parameters may "
            "not be configured properly for this connection.");
}

// Every name of the table is the one the machine's raserror.h gives its code.
TEST(RasErrorStringTest, NamesAreThoseOfTheMachinesHeader) {
  std::filesystem::path path = std::filesystem::path(__FILE__).parent_path() / "../../platform/include/raserror.h";
  std::ifstream in(path);
  ASSERT_TRUE(in) << path;
  std::stringstream header;
  header << in.rdbuf();
  std::string text = header.str();
  static const std::regex define(R"(#define\s+(\w+)\s+\(?\s*RASBASE\s*\+\s*(\d+)\s*\)?)");
  int named = 0;
  bool codes[206] = {};
  for (std::sregex_iterator it(text.begin(), text.end(), define), end; it != end; ++it) {
    DWORD code = 600 + DWORD(std::stoul((*it)[2]));
    if (code > 805) continue;
    std::string name = (*it)[1];
    // A code may carry a second, older name; the table holds one of them.
    if (name == GetRasErrorString(code, 0) && !codes[code - 600]) {
      codes[code - 600] = true;
      ++named;
    }
  }
  EXPECT_EQ(named, 206);
  for (int i = 0; i < 206; ++i) EXPECT_TRUE(codes[i]) << 600 + i << " " << GetRasErrorString(600 + i, 0);
}

}  // namespace
