// WSAStartup and WSACleanup: the version asked for against the one given, and the count of
// start-ups that keeps the library usable until the last clean-up.
#include <winsock2.h>
#include <windows.h>

#include <gtest/gtest.h>

namespace {

class WinsockStartUp : public testing::Test {
 protected:
  // Whatever a failed check left open is closed, for the tests after this one.
  void TearDown() override {
    while (WSACleanup() == 0) {
    }
  }
};

TEST_F(WinsockStartUp, StartUpIsCountedAndChecksTheVersion) {
  EXPECT_EQ(gethostbyname("198.51.100.4"), nullptr);
  EXPECT_EQ(WSAGetLastError(), WSANOTINITIALISED);
  EXPECT_EQ(WSACleanup(), SOCKET_ERROR);
  EXPECT_EQ(WSAGetLastError(), WSANOTINITIALISED);

  WSADATA data;
  EXPECT_EQ(WSAStartup(MAKEWORD(0, 9), &data), WSAVERNOTSUPPORTED);
  EXPECT_EQ(WSAStartup(MAKEWORD(3, 0), &data), 0);
  EXPECT_EQ(data.wVersion, MAKEWORD(2, 2)) << "the highest it has, for the caller to judge";
  EXPECT_EQ(WSAStartup(MAKEWORD(1, 1), &data), 0);
  EXPECT_EQ(data.wVersion, MAKEWORD(1, 1));
  EXPECT_EQ(data.wHighVersion, MAKEWORD(2, 2));
  EXPECT_EQ(WSACleanup(), 0);
  EXPECT_NE(gethostbyname("198.51.100.4"), nullptr) << "one start-up is still open";
  EXPECT_EQ(WSACleanup(), 0);
  EXPECT_EQ(WSACleanup(), SOCKET_ERROR);
}

}  // namespace
