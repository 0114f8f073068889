#include <gtest/gtest.h>
#include <shellapi.h>
#include <stdlib.h>

#include <string>
#include <vector>

#include "ccommandlineinfo.h"
#include "cwinapp.h"
#include "wide_machine.h"
#include "wide_text.h"

namespace {

using unicode_testing::U;
using unicode_testing::WideMachineTest;

struct Param {
  std::u16string text;
  BOOL bFlag;
  BOOL bLast;
  bool operator==(const Param&) const = default;
};

void PrintTo(const Param& p, std::ostream* os) {
  *os << testing::PrintToString(p.text) << (p.bFlag ? " flag" : "") << (p.bLast ? " last" : "");
}

class RecordingInfo : public CCommandLineInfo {
 public:
  void ParseParam(const TCHAR* pszParam, BOOL bFlag, BOOL bLast) override {
    params.push_back({U(pszParam), bFlag, bLast});
  }
  std::vector<Param> params;
};

// The runtime's wide arguments as a program started with commandLine would see them, for the
// lifetime of the object.
class RuntimeArguments {
 public:
  explicit RuntimeArguments(const wchar_t* commandLine) : argc_(__argc), wargv_(__wargv) {
    argv_ = CommandLineToArgvW(commandLine, &__argc);
    __wargv = argv_;
  }
  ~RuntimeArguments() {
    __argc = argc_;
    __wargv = wargv_;
    LocalFree(argv_);
  }

 private:
  int argc_;
  wchar_t** wargv_;
  LPWSTR* argv_;
};

class CommandLineTest : public WideMachineTest {
 protected:
  CWinApp app_;
};

TEST_F(CommandLineTest, EachArgumentAfterTheProgramIsHandedOnWithItsFlag) {
  RuntimeArguments arguments(
      L"\"C:\\Program Files\\Tarvolt\\mardell.exe\" /x \"C:\\Mes donn\u00E9es\\a b.pbk\" -i "
      L"\"say \\\"hi\\\"\" --double / -Last");
  RecordingInfo info;
  app_.ParseCommandLine(info);
  EXPECT_EQ(info.params, (std::vector<Param>{{u"x", TRUE, FALSE},
                                             {u"C:\\Mes donn\u00E9es\\a b.pbk", FALSE, FALSE},
                                             {u"i", TRUE, FALSE},
                                             {u"say \"hi\"", FALSE, FALSE},
                                             {u"-double", TRUE, FALSE},
                                             {u"", TRUE, FALSE},
                                             {u"Last", TRUE, TRUE}}));

  RuntimeArguments last(L"mardell.exe \"only one\"");
  RecordingInfo single;
  app_.ParseCommandLine(single);
  EXPECT_EQ(single.params, (std::vector<Param>{{u"only one", FALSE, TRUE}}));
}

TEST_F(CommandLineTest, AProgramAloneMakesNoCall) {
  RuntimeArguments arguments(L"\"C:\\Program Files\\Tarvolt\\mardell.exe\"");
  RecordingInfo info;
  app_.ParseCommandLine(info);
  EXPECT_TRUE(info.params.empty());
}

TEST_F(CommandLineTest, WithoutTheRuntimesWideCopiesTheCommandLineIsSplit) {
  int argc = 0;
  LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  ASSERT_NE(argv, nullptr);
  std::vector<Param> expected;
  for (int i = 1; i < argc; ++i) {
    bool flag = argv[i][0] == '-' || argv[i][0] == '/';
    expected.push_back({U(argv[i] + (flag ? 1 : 0)), flag, i == argc - 1});
  }
  LocalFree(argv);

  RuntimeArguments arguments(L"ignored.exe ignored");
  __wargv = nullptr;
  RecordingInfo info;
  app_.ParseCommandLine(info);
  EXPECT_EQ(info.params, expected);
}

struct Parsed {
  CCommandLineInfo::ShellCommand command;
  BOOL bShowSplash;
  BOOL bRunEmbedded;
  BOOL bRunAutomated;
  std::u16string file, printer, driver, port;
};

Parsed ParseWithTheDefaults(CWinApp& app, const wchar_t* commandLine) {
  RuntimeArguments arguments(commandLine);
  CCommandLineInfo info;
  app.ParseCommandLine(info);
  return {info.m_nShellCommand,          info.m_bShowSplash,         info.m_bRunEmbedded,
          info.m_bRunAutomated,          U(info.m_strFileName),      U(info.m_strPrinterName),
          U(info.m_strDriverName),       U(info.m_strPortName)};
}

TEST_F(CommandLineTest, TheDefaultParseParamKnowsTheClassicFlags) {
  Parsed none = ParseWithTheDefaults(app_, L"app.exe");
  EXPECT_EQ(none.command, CCommandLineInfo::FileNew);
  EXPECT_TRUE(none.bShowSplash);

  Parsed open = ParseWithTheDefaults(app_, L"app.exe \"C:\\a b\\r\u00E9sum\u00E9.txt\"");
  EXPECT_EQ(open.command, CCommandLineInfo::FileOpen);
  EXPECT_EQ(open.file, u"C:\\a b\\r\u00E9sum\u00E9.txt");

  Parsed print = ParseWithTheDefaults(app_, L"app.exe /PT doc.txt \"Office Printer\" drv LPT1:");
  EXPECT_EQ(print.command, CCommandLineInfo::FilePrintTo);
  EXPECT_EQ(print.file, u"doc.txt");
  EXPECT_EQ(print.printer, u"Office Printer");
  EXPECT_EQ(print.driver, u"drv");
  EXPECT_EQ(print.port, u"LPT1:");

  EXPECT_EQ(ParseWithTheDefaults(app_, L"app.exe -p doc.txt").command, CCommandLineInfo::FilePrint);
  EXPECT_EQ(ParseWithTheDefaults(app_, L"app.exe /dde").command, CCommandLineInfo::FileDDE);
  EXPECT_EQ(ParseWithTheDefaults(app_, L"app.exe /regserver").command, CCommandLineInfo::AppRegister);
  EXPECT_EQ(ParseWithTheDefaults(app_, L"app.exe -Unregister").command, CCommandLineInfo::AppUnregister);

  Parsed embedded = ParseWithTheDefaults(app_, L"app.exe -Embedding");
  EXPECT_TRUE(embedded.bRunEmbedded);
  EXPECT_FALSE(embedded.bShowSplash);
  EXPECT_EQ(embedded.command, CCommandLineInfo::FileNew);
  Parsed automated = ParseWithTheDefaults(app_, L"app.exe /automation");
  EXPECT_TRUE(automated.bRunAutomated);
  EXPECT_FALSE(automated.bShowSplash);
  EXPECT_EQ(ParseWithTheDefaults(app_, L"app.exe /unknown").command, CCommandLineInfo::FileNew);
}

}  // namespace
