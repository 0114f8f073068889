#include <gtest/gtest.h>
#include <stdlib.h>

#include <string>
#include <vector>

#include "ccommandlineinfo.h"
#include "cwinapp.h"
#include "framework_machine.h"

namespace {

using framework_testing::FrameworkMachineTest;

class RecordingInfo : public CCommandLineInfo {
 public:
  void ParseParam(const TCHAR* pszParam, BOOL bFlag, BOOL bLast) override {
    params.push_back(std::string(pszParam) + (bFlag ? " flag" : "") + (bLast ? " last" : ""));
  }
  std::vector<std::string> params;
};

using CommandLineTest = FrameworkMachineTest;

TEST_F(CommandLineTest, AnAnsiProgramWalksTheRuntimesAnsiArguments) {
  char program[] = "C:\\Tarvolt\\tarvolt.exe";
  char install[] = "-i";
  char file[] = "C:\\donn\xE9" "es\\a b.txt";
  char last[] = "/q";
  char* argv[] = {program, install, file, last, nullptr};
  int savedArgc = __argc;
  char** savedArgv = __argv;
  __argc = 4;
  __argv = argv;
  CWinApp app;
  RecordingInfo info;
  app.ParseCommandLine(info);
  __argc = savedArgc;
  __argv = savedArgv;
  EXPECT_EQ(info.params, (std::vector<std::string>{"i flag", "C:\\donn\xE9" "es\\a b.txt", "q flag last"}));
}

}  // namespace
