#include <fstream>

#include "support/winsim_fixture.h"

namespace {

using testing_support::WinsimTest;
namespace fs = std::filesystem;

class WinsimInit : public WinsimTest {};

TEST_F(WinsimInit, CreatesAMachineAndRefusesToOverwriteOneUnlessForced) {
  fs::path fresh = root_ / "fresh machine";
  auto created = winsim_at(fresh, {"init", "--scale", "60"});
  ASSERT_EQ(created.exit_code, 0) << created.err;
  EXPECT_TRUE(fs::exists(fresh / "machine.db"));
  EXPECT_TRUE(fs::is_directory(fresh / "drive_c" / "Tarvolt"));
  EXPECT_TRUE(fs::is_directory(fresh / "drive_c" / "Windows" / "System32"));
  EXPECT_NE(created.out.find("clock scale 60"), std::string::npos) << created.out;

  std::ofstream(fresh / "drive_c" / "Tarvolt" / "left over.txt") << "x";
  auto refused = winsim_at(fresh, {"init"});
  EXPECT_EQ(refused.exit_code, 1);
  EXPECT_NE(refused.err.find("already"), std::string::npos) << refused.err;
  EXPECT_TRUE(fs::exists(fresh / "drive_c" / "Tarvolt" / "left over.txt"));

  auto forced = winsim_at(fresh, {"init", "--force"});
  EXPECT_EQ(forced.exit_code, 0) << forced.err;
  EXPECT_FALSE(fs::exists(fresh / "drive_c" / "Tarvolt" / "left over.txt"));
  EXPECT_TRUE(fs::exists(fresh / "machine.db"));
}

TEST_F(WinsimInit, RejectsWhatItCannotDo) {
  fs::path fresh = root_ / "m";
  auto world = winsim_at(fresh, {"init", "--world"});
  EXPECT_EQ(world.exit_code, 1);
  EXPECT_EQ(world.err, "winsim: --world takes a world file\n");
  EXPECT_FALSE(fs::exists(fresh / "machine.db"));

  EXPECT_EQ(winsim_at(fresh, {"init", "--scale", "0"}).exit_code, 1);
  EXPECT_EQ(winsim_at(fresh, {"init", "--scale", "fast"}).exit_code, 1);
  auto no_root = winsim({"init"}, {{"WINSIM_ROOT", ""}});
  EXPECT_EQ(no_root.exit_code, 1);
  EXPECT_NE(no_root.err.find("WINSIM_ROOT"), std::string::npos);
  EXPECT_EQ(winsim_at(fresh, {"clock"}).exit_code, 1) << "no machine there";
}

TEST_F(WinsimInit, HelpListsTheCommandsAndUnknownCommandsFail) {
  for (const auto& args : {std::vector<std::string>{}, std::vector<std::string>{"help"}}) {
    auto help = winsim(args);
    EXPECT_EQ(help.exit_code, 0);
    for (const char* command : {"init", "install", "run", "reg query", "clock"})
      EXPECT_NE(help.out.find(command), std::string::npos) << command;
  }
  auto unknown = winsim({"frobnicate"});
  EXPECT_EQ(unknown.exit_code, 1);
  EXPECT_NE(unknown.err.find("unknown command 'frobnicate'"), std::string::npos);
}

}  // namespace
