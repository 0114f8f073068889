#include <spawn.h>
#include <sys/wait.h>

#include <chrono>
#include <functional>

#include "user/automation_fixture.h"

extern char** environ;

namespace {

using namespace testing_support;
using automation::AutomationError;
using automation::DesktopClient;
using automation::Failure;
using std::chrono::steady_clock;
using namespace std::chrono_literals;

void expect_failure(const std::function<void()>& action, Failure failure, const std::string& part) {
  try {
    action();
    ADD_FAILURE() << "no failure, expected: " << part;
  } catch (const AutomationError& e) {
    EXPECT_EQ(e.failure(), failure) << e.what();
    EXPECT_NE(std::string(e.what()).find(part), std::string::npos) << e.what();
  }
}

// The reply header to one raw request line.
std::string raw_request(const std::string& line) {
  auto deadline = automation::deadline_after(5s);
  auto connection = automation::connect_to(automation::channel_folder(), automation::socket_name(getpid()), deadline);
  EXPECT_EQ(connection.status, automation::ConnectStatus::Connected);
  EXPECT_TRUE(automation::write_all(connection.fd.get(), line + "\n", deadline));
  automation::LineReader reader(connection.fd.get(), 4096);
  return reader.next(deadline).value_or("(no reply)");
}

// A socket left behind by a process `pid` that no longer listens on it.
void leave_socket_of(uint32_t pid) {
  ASSERT_TRUE(automation::listen_at(automation::channel_folder(), automation::socket_name(pid)));
  ASSERT_TRUE(std::filesystem::exists(automation::channel_folder() / automation::socket_name(pid)));
}

uint32_t pid_of_ended_process() {
  pid_t pid = 0;
  char* argv[] = {const_cast<char*>("/bin/true"), nullptr};
  EXPECT_EQ(posix_spawn(&pid, "/bin/true", nullptr, nullptr, argv, environ), 0);
  int status = 0;
  waitpid(pid, &status, 0);
  return uint32_t(pid);
}

class AutomationChannel : public AutomationTest {};

TEST_F(AutomationChannel, ListsTheWindowsAndControlsOfServingProcesses) {
  DesktopClient client;
  auto listing = client.windows();
  ASSERT_EQ(listing.windows.size(), 1u);
  EXPECT_TRUE(listing.silent.empty());
  EXPECT_EQ(listing.windows[0].pid, uint32_t(getpid()));
  EXPECT_EQ(listing.windows[0].program, "pardex.exe");
  EXPECT_EQ(listing.windows[0].window.hwnd, kDialog);
  EXPECT_EQ(listing.windows[0].window.text, desktop_.caption);

  auto controls = client.controls(kDialog);
  ASSERT_EQ(controls.size(), 5u);
  EXPECT_EQ(controls[2].hwnd, kEdit);
  EXPECT_EQ(controls[2].text, "alice");
  EXPECT_EQ(controls[2].style, 0x50010080u);
  EXPECT_TRUE(controls[2].focused);
  EXPECT_EQ(controls[2].x, -8);
  EXPECT_FALSE(controls[4].enabled);
  // A control is a window of the process too, named by all 64 bits of its handle.
  EXPECT_TRUE(client.controls(kEdit).empty());
  expect_failure([&] { client.controls(kEdit & 0xFFFFFFFF); }, Failure::NotFound, "no window 00010012");
  expect_failure([&] { client.controls(0xDEAD); }, Failure::NotFound, "no window 0000DEAD");
}

TEST_F(AutomationChannel, ActionsReachTheVisibleControlOfTheIdWithTheirTextIntact) {
  DesktopClient client;
  client.type_text(kDialog, kEditId, "line 1\r\n\tCaf\xC3\xA9 \xF0\x9F\x98\x80 \\t");
  client.click(kDialog, IDOK);
  client.press_key(kDialog, VK_RETURN);
  client.answer(kDialog, IDOK);
  client.close(kDialog);
  client.screenshot(kDialog, "shot.png");

  auto calls = desktop_.calls();
  ASSERT_EQ(calls.size(), 6u);
  EXPECT_EQ(calls[0].what, "type");
  EXPECT_EQ(calls[0].hwnd, kEdit);  // not the hidden page's edit of the same id
  EXPECT_TRUE(calls[0].text == u"line 1\r\n\tCaf\u00E9 \U0001F600 \\t");
  EXPECT_EQ(calls[1].what + "/" + automation::handle_text(calls[1].hwnd), "click/" + automation::handle_text(kOk));
  EXPECT_EQ(calls[2].key, VK_RETURN);
  EXPECT_EQ(calls[3].what + "/" + automation::handle_text(calls[3].hwnd), "click/" + automation::handle_text(kOk));
  EXPECT_EQ(calls[4].what, "close");
  // The server runs elsewhere: a relative file name travels as the client's absolute path.
  EXPECT_EQ(calls[5].path, (std::filesystem::current_path() / "shot.png").string());
}

TEST_F(AutomationChannel, HoverReturnsTheTooltipOfTheControlOrSaysNoneShows) {
  DesktopClient client;
  EXPECT_EQ(client.hover(kDialog, kEditId, std::chrono::seconds(5)), "Der Benutzername f\xC3\xBCr vpn1");
  auto calls = desktop_.calls();
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].what + "/" + automation::handle_text(calls[0].hwnd), "hover/" + automation::handle_text(kEdit));
  expect_failure([&] { client.hover(kDialog, IDOK, std::chrono::milliseconds(100)); }, Failure::NotFound,
                 "no tooltip shows for control 1 of window 00010010");
}

TEST_F(AutomationChannel, RefusedAndUnknownActionsFailWithTheirReason) {
  DesktopClient client;
  expect_failure([&] { client.click(kDialog, kDisabledId); }, Failure::Refused, "control 1002 of window 00010010");
  expect_failure([&] { client.click(kDialog, 999); }, Failure::NotFound, "has no control 999");
  expect_failure([&] { client.answer(kDialog, IDYES); }, Failure::NotFound, "has no Yes button");
  expect_failure([&] { client.type_text(0x00020000, kEditId, "x"); }, Failure::NotFound, "no window 00020000");
  expect_failure([&] { client.close(0); }, Failure::NotFound, "no window 00000000");
  EXPECT_TRUE(desktop_.calls().empty());
}

TEST_F(AutomationChannel, MalformedRequestsAreAnsweredAndTheServerGoesOn) {
  for (const char* line : {"dance", "windows\textra", "type\tnothex\t1\tx", "click\t00010010", "key\t00010010\t256",
                           "controls\t00010010\t\\q", "", "\t"})
    EXPECT_EQ(raw_request(line).rfind("error\tbad-request\t", 0), 0u) << line;
  EXPECT_EQ(raw_request("process"), "ok\t1");
  EXPECT_EQ(DesktopClient().windows().windows.size(), 1u);
}

TEST_F(AutomationChannel, SocketsOfEndedProcessesAreIgnoredAndRemoved) {
  uint32_t ended = pid_of_ended_process();
  leave_socket_of(ended);
  // A live pid whose socket nobody listens on any more: its process ended and the pid came back.
  uint32_t reused = uint32_t(getppid());
  leave_socket_of(reused);

  DesktopClient client;
  auto listing = client.windows();
  ASSERT_EQ(listing.windows.size(), 1u);
  EXPECT_EQ(listing.windows[0].pid, uint32_t(getpid()));
  EXPECT_TRUE(listing.silent.empty());
  EXPECT_FALSE(std::filesystem::exists(automation::channel_folder() / automation::socket_name(ended)));
  EXPECT_FALSE(std::filesystem::exists(automation::channel_folder() / automation::socket_name(reused)));

  // A server that stops takes its socket with it.
  server_.reset();
  EXPECT_TRUE(client.processes().empty());
  EXPECT_TRUE(client.windows().windows.empty());
}

TEST_F(AutomationChannel, AProcessThatNeverAnswersTimesOut) {
  uint32_t hung = uint32_t(getppid());
  automation::UniqueFd listener = automation::listen_at(automation::channel_folder(), automation::socket_name(hung));
  ASSERT_TRUE(listener);  // listens, and never accepts

  DesktopClient client(300ms);
  auto start = steady_clock::now();
  auto reply = client.request(hung, {"windows"});
  auto waited = steady_clock::now() - start;
  EXPECT_EQ(reply.failure, Failure::TimedOut);
  EXPECT_GE(waited, 250ms);
  EXPECT_LT(waited, 3s);

  auto listing = client.windows();
  EXPECT_EQ(listing.windows.size(), 1u);
  EXPECT_EQ(listing.silent, std::vector<uint32_t>{hung});
  // The window may be one of the silent process's.
  expect_failure([&] { client.click(0x00030000, 1); }, Failure::TimedOut, "does not answer");
  client.click(kDialog, IDOK);
  EXPECT_TRUE(std::filesystem::exists(automation::channel_folder() / automation::socket_name(hung)));
}

TEST_F(AutomationChannel, AClientThatSaysNothingDoesNotHoldUpTheOthers) {
  auto silent = automation::connect_to(automation::channel_folder(), automation::socket_name(getpid()),
                                       automation::deadline_after(1s));
  ASSERT_EQ(silent.status, automation::ConnectStatus::Connected);
  auto start = steady_clock::now();
  EXPECT_EQ(DesktopClient(5s).windows().windows.size(), 1u);
  EXPECT_LT(steady_clock::now() - start, 4s);
}

// The window menu and the caption buttons: the item's text travels as typed, and the refusals
// say why.
TEST_F(AutomationChannel, WindowMenuPicksAndCaptionButtonsReachTheTopLevelWindow) {
  DesktopClient client;
  client.pick_system_menu(kDialog, "Close");
  client.minimize(kDialog);
  client.restore(kDialog);
  auto calls = desktop_.calls();
  ASSERT_EQ(calls.size(), 3u);
  EXPECT_TRUE(calls[0].what == "sysmenu" && calls[0].text == u"Close");
  EXPECT_EQ(calls[1].key, SC_MINIMIZE);
  EXPECT_EQ(calls[2].key, SC_RESTORE);
  expect_failure([&] { client.pick_system_menu(kDialog, "Size"); }, Failure::Refused, "'Size' of window 00010010 is disabled");
  expect_failure([&] { client.pick_system_menu(kDialog, "Help"); }, Failure::NotFound, "has no window menu item 'Help'");
  expect_failure([&] { client.minimize(kOk); }, Failure::Refused, "is not a top-level window");
  expect_failure([&] { client.restore(0xDEAD); }, Failure::NotFound, "no window 0000DEAD");
  EXPECT_EQ(desktop_.calls().size(), 3u);
}

}  // namespace
