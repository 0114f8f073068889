// The downloads against a real web server on this computer: the world maps port 80 of the update
// server and of the product web host to it. The newest version named by the update index, the
// version of a typed date, and every answer the server can give on the way: errors, redirects,
// answers without a Last-Modified or without any date, and a server that is down.
#include <memory>

#include "scenarios/zolvane_fixture.h"
#include "support/web_server.h"

namespace {

using namespace zolvane_testing;
using tarvolt::test::WebServer;

const char kLatest[] = "tarvolt20261208";
const char kIndex[] = "latestexec_url=http://www.example.net/tarvolt20261208.exe\r\n";
const char kAskForDate[] = "You must enter a version date to download\nAlso verify the correct format YYYYMMDD.";

// The local time zone is two hours east of UTC, so that a time taken as UTC or as local time
// shows in the file's time.
const int kBiasMinutes = -120;

std::string DownloadError(int code) {
  return "Unable to download new dialer service\nThe error was " + std::to_string(code);
}
std::string Downloaded(const std::string& name) { return "Successfully downloaded " + name + "\nTo use it select the file below"; }

class ZolvaneDownloads : public ZolvaneTest {
 protected:
  void SetUp() override {
    ZolvaneTest::SetUp();
    fresh_machine(1.0, kBiasMinutes);
    site_ = root_ / "site";
    fs::create_directories(site_);
    server_ = std::make_unique<WebServer>(site_);
    map_port_80_to(server_->port());
    // The installed program carries a time of its own, before any archive.
    set_write_time(in_program_folder("tarvolt.exe"), Utc(2026, 11, 15, 22, 30, 0));
  }
  void TearDown() override {
    ZolvaneTest::TearDown();
    server_.reset();
  }
  void map_port_80_to(uint16_t port) {
    for (const char* host : {"updates.example.net", "www.example.net"})
      ASSERT_EQ(winsim({"world", "set", "host", host, "port", "80", std::to_string(port)}).exit_code, 0) << host;
  }
  // A copy of the built service program on the site, with its Last-Modified time.
  fs::path serve_program(const std::string& name, Clock::time_point modified) {
    fs::path file = site_ / name;
    fs::copy_file(testing_support::bin_dir() / "tarvolt.exe", file, fs::copy_options::overwrite_existing);
    set_write_time(file, modified);
    return file;
  }
  LoggedBox download_dated(const std::string& date) {
    EXPECT_TRUE(type(dialog_, kVersionDate, date));
    LoggedBox box = click_for_box(kDownloadSpecified);
    EXPECT_TRUE(wait_until([&] { return enabled(kDownloadSpecified); })) << "enabled again after " << date;
    return box;
  }
  void expect_download_error(const std::string& date, int code) {
    LoggedBox box = download_dated(date);
    EXPECT_EQ(box.caption, "Downloading Error") << date;
    EXPECT_EQ(box.text, DownloadError(code)) << date;
    EXPECT_TRUE(ShowsStopIcon(box)) << date;
    EXPECT_EQ(files_named("tarvolt" + date + ".exe"), 0) << "nothing was written for " << date;
  }
  void expect_downloaded(const std::string& date) {
    const std::string name = "tarvolt" + date + ".exe";
    LoggedBox box = download_dated(date);
    EXPECT_EQ(box.caption, "Download successful") << date;
    EXPECT_EQ(box.text, Downloaded(name));
    EXPECT_EQ(files_named(name), 1);
  }
  bool focused(const std::string& id) {
    std::optional<Control> control = visible_control(dialog_, id);
    return control && control->focused;
  }
  void restart_zolvane() {
    ASSERT_TRUE(close_window(dialog_));
    ASSERT_GE(wait_for_zolvane_end(), 0);
    start_zolvane();
  }

  fs::path site_;
  std::unique_ptr<WebServer> server_;
};

TEST_F(ZolvaneDownloads, TheLatestVersionOfTheIndexArrivesWithTheServersTimeAndMatchesTheProgram) {
  const Clock::time_point modified = Utc(2026, 12, 8, 18, 0, 0);
  fs::path served = serve_program("tarvolt20261208.exe", modified);
  server_->Raw("/", 200, {"Content-Type: text/plain"}, std::string("# Tarvolt updates\r\n") + kIndex);
  start_zolvane();
  EXPECT_EQ(text_of(kCurrentVersion), "Current version date: Unknown {2026-11-16}") << "local time, UTC+2";
  EXPECT_TRUE(items().empty());
  EXPECT_FALSE(enabled(kUseSelected));

  LoggedBox box = click_for_box(kDownloadLatest);
  EXPECT_EQ(box.caption, "Download successful");
  EXPECT_EQ(box.text, Downloaded(kLatest));
  fs::path archive = in_program_folder("tarvolt20261208.exe");
  EXPECT_EQ(file_bytes(archive), file_bytes(served));
  EXPECT_EQ(write_time(archive), modified) << "18:00 UTC is 20:00 local time, the time the server gave";
  EXPECT_EQ(items(), (std::vector<Item>{{kLatest, true}}));
  EXPECT_TRUE(enabled(kUseSelected));
  EXPECT_TRUE(wait_until([&] { return focused(kUseSelected); }));
  EXPECT_TRUE(enabled(kDownloadLatest));

  // Once the program has the archive's size and time, the line names the archive's date.
  set_write_time(in_program_folder("tarvolt.exe"), write_time(archive));
  restart_zolvane();
  EXPECT_EQ(text_of(kCurrentVersion), "Current version date: 20261208");

  // The same version again: the old file goes first, and the button stays off for good.
  std::ofstream(served, std::ios::binary | std::ios::trunc) << "a rebuilt version";
  set_write_time(served, Utc(2026, 12, 8, 19, 0, 0));
  box = click_for_box(kDownloadLatest);
  EXPECT_EQ(box.text, Downloaded(kLatest));
  EXPECT_EQ(file_bytes(in_program_folder("tarvolt20261208.exe")), "a rebuilt version");
  EXPECT_EQ(write_time(in_program_folder("tarvolt20261208.exe")), Utc(2026, 12, 8, 19, 0, 0));
  EXPECT_FALSE(enabled(kDownloadLatest));
}

TEST_F(ZolvaneDownloads, AnIndexWithoutTheKeyNamesNoFile) {
  server_->Raw("/", 200, {"Content-Type: text/plain"}, "latest=tarvolt20261208.exe\r\n");
  start_zolvane();
  LoggedBox box = click_for_box(kDownloadLatest);
  EXPECT_EQ(box.text, "Unable to download ");
  EXPECT_TRUE(items().empty());
  EXPECT_TRUE(dialog_open());
}

TEST_F(ZolvaneDownloads, TheDatedDownloadReportsEveryAnswerOfTheServer) {
  fs::path served = serve_program("tarvolt20261201.exe", Utc(2026, 12, 1, 6, 0, 0));
  server_->Status("/tarvolt20261202.exe", 404);
  server_->Redirect("/tarvolt20261203.exe", 302, "http://www.example.net/nowhere.exe");
  server_->Redirect("/tarvolt20261204.exe", 301, "http://updates.example.net/tarvolt20261201.exe");
  server_->Status("/tarvolt20261205.exe", 401);
  server_->Redirect("/tarvolt20261206.exe", 302, "");
  start_zolvane();

  LoggedBox box = download_dated("2026120");
  EXPECT_EQ(box.text, kAskForDate) << "seven characters are too few";
  EXPECT_TRUE(items().empty());

  expect_downloaded("20261201");
  EXPECT_EQ(write_time(in_program_folder("tarvolt20261201.exe")), Utc(2026, 12, 1, 6, 0, 0));
  EXPECT_EQ(items(), (std::vector<Item>{{"tarvolt20261201", true}}));

  expect_download_error("20261202", 404);
  expect_download_error("20261203", 404);  // the redirect leads to a missing file
  expect_download_error("20261205", 401);
  expect_download_error("20261206", 0);    // a redirect without a location

  // A redirect to an archive: it is stored under the name that was asked for.
  expect_downloaded("20261204");
  EXPECT_EQ(file_bytes(in_program_folder("tarvolt20261204.exe")), file_bytes(served));
  EXPECT_EQ(items(), (std::vector<Item>{{"tarvolt20261204", true}, {"tarvolt20261201", false}}));
}

TEST_F(ZolvaneDownloads, AnswersWithoutALastModifiedTime) {
  const std::string body = "a body that stands in for a program";
  start_zolvane();

  // Without Last-Modified the first date of the headers up to " GMT" counts: here the answer's
  // own Date.
  server_->Raw("/tarvolt20261207.exe", 200,
               {"Content-Type: application/octet-stream", "Date: Tue, 01 Dec 2026 10:20:30 GMT"}, body);
  expect_downloaded("20261207");
  fs::path dated = in_program_folder("tarvolt20261207.exe");
  EXPECT_EQ(file_bytes(dated), body);
  EXPECT_EQ(write_time(dated), Utc(2026, 12, 1, 10, 20, 30));

  // Without any " GMT" (the server's own Date then reads "+0000") nothing parses: the file keeps
  // the time of its writing, and the download still succeeds.
  server_->Raw("/tarvolt20261209.exe", 200, {"Content-Type: application/octet-stream"}, body);
  const Clock::time_point before = std::chrono::floor<std::chrono::seconds>(Clock::now());
  expect_downloaded("20261209");
  fs::path undated = in_program_folder("tarvolt20261209.exe");
  EXPECT_EQ(file_bytes(undated), body);
  EXPECT_GE(write_time(undated), before);
  EXPECT_LE(write_time(undated), Clock::now());
}

TEST_F(ZolvaneDownloads, AServerThatIsDownFailsWithinTheConnectTimeOut) {
  map_port_80_to(tarvolt::test::free_port());
  start_zolvane();
  const int64_t clicked_ns = platform::clock::now_ns();
  expect_download_error("20261201", 0);
  const std::vector<LoggedBox> boxes = zolvane_boxes();
  ASSERT_FALSE(boxes.empty());
  EXPECT_LT(boxes.back().time_ns - clicked_ns, int64_t(30000) * 1000000) << "machine time of the failure";
  EXPECT_TRUE(dialog_open());
}

}  // namespace
