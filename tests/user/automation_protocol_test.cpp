#include <gtest/gtest.h>

#include "automation/channel_names.h"
#include "automation/channel_protocol.h"

namespace {

using namespace platform::automation;

TEST(AutomationProtocol, TextsWithTabsLineBreaksAndUtf8SurviveOneLine) {
  const std::string texts[] = {"", "a\tb", "line 1\r\nline 2\n", "C:\\Tarvolt\\t", "\\x41", "Caf\xC3\xA9 \xF0\x9F\x98\x80",
                               std::string("nul\0bell\a" "del\x7F", 13)};
  for (const std::string& text : texts) {
    std::string escaped = escape(text);
    EXPECT_EQ(escaped.find_first_of(std::string("\t\r\n\0", 4)), std::string::npos) << escaped;
    EXPECT_EQ(unescape(escaped), text) << escaped;
  }
  // Fields, empty ones included, come back as they were sent.
  Fields fields{"type", "", "a\tb\\", "x\ny", ""};
  std::string line = join_fields(fields);
  EXPECT_EQ(line.find('\n'), std::string::npos);
  EXPECT_EQ(split_fields(line), fields);
}

TEST(AutomationProtocol, BrokenEscapesAndHeadersAreRejected) {
  for (const char* broken : {"trailing\\", "\\q", "\\x4", "\\xZZ", "\\x"}) EXPECT_FALSE(unescape(broken)) << broken;
  EXPECT_FALSE(split_fields("ok\t\\q"));

  EXPECT_EQ(decode_reply_header("ok\t3")->records, 3u);
  auto refused = decode_reply_header("error\trefused\tcontrol 1002 is disabled");
  ASSERT_TRUE(refused);
  EXPECT_EQ(refused->failure, Failure::Refused);
  EXPECT_EQ(refused->message, "control 1002 is disabled");
  for (const char* broken : {"", "ok", "ok\t-1", "ok\t2x", "error\tsleepy\tx", "error\trefused", "okay\t1"})
    EXPECT_FALSE(decode_reply_header(broken)) << broken;
  // A reply decodes to what was encoded.
  std::string encoded = encode_reply(Reply::error(Failure::NotFound, "no window\t00000001"));
  auto header = decode_reply_header(encoded.substr(0, encoded.size() - 1));
  ASSERT_TRUE(header);
  EXPECT_EQ(header->failure, Failure::NotFound);
  EXPECT_EQ(header->message, "no window\t00000001");
}

TEST(AutomationProtocol, NumbersAsTheToolsWriteThem) {
  EXPECT_EQ(hex8(0x500100A0), "500100A0");
  EXPECT_EQ(parse_hex("0x500100a0"), 0x500100A0u);
  EXPECT_FALSE(parse_hex("100000000"));  // wider than a style
  // Handles: eight digits, and all sixteen a 64-bit handle may need.
  EXPECT_EQ(handle_text(0x1002A), "0001002A");
  EXPECT_EQ(handle_text(0x100010012), "100010012");
  EXPECT_EQ(handle_text(0xFFFFFFFFFFFF0001), "FFFFFFFFFFFF0001");
  EXPECT_EQ(parse_handle("0x0001002a"), 0x1002Au);
  EXPECT_EQ(parse_handle("1002A"), 0x1002Au);
  EXPECT_EQ(parse_handle("100010012"), 0x100010012u);
  EXPECT_EQ(parse_handle("0xFFFFFFFFFFFF0001"), 0xFFFFFFFFFFFF0001u);
  EXPECT_FALSE(parse_handle("10000000000000000"));  // wider than a handle
  for (const char* broken : {"", "0x", "12 ", "-1"}) {
    EXPECT_FALSE(parse_hex(broken)) << broken;
    EXPECT_FALSE(parse_handle(broken)) << broken;
  }
  EXPECT_EQ(parse_number("08"), 8u);  // control ids are decimal, a leading zero is not octal
  EXPECT_EQ(parse_number("0x3E9"), 1001u);
  EXPECT_FALSE(parse_number("-1"));
}

TEST(AutomationProtocol, WindowRecordsKeepEveryField) {
  WindowInfo w;
  w.hwnd = 0x100010012, w.parent = 0xFFFFFFFF00010010, w.id = 1001, w.class_name = "Edit", w.text = "p\ta\\ss\r\n";
  w.style = 0x500100A0, w.exstyle = 0x00000200, w.x = -32000, w.y = -5, w.cx = 120, w.cy = 14;
  w.visible = true, w.enabled = false, w.focused = true;
  auto back = window_from_record(*split_fields(join_fields(window_record(w))));
  ASSERT_TRUE(back);
  EXPECT_EQ(window_record(*back), window_record(w));
  EXPECT_EQ(back->hwnd, w.hwnd);  // handles above 4 GiB, all their bits
  EXPECT_EQ(back->parent, w.parent);

  Fields short_record = window_record(w);
  short_record.pop_back();
  EXPECT_FALSE(window_from_record(short_record));
  Fields bad_flag = window_record(w);
  bad_flag[11] = "yes";
  EXPECT_FALSE(window_from_record(bad_flag));
}

TEST(AutomationNames, KeysAndButtonsByTheirNamesInAnyCase) {
  EXPECT_EQ(virtual_key("escape"), 0x1B);
  EXPECT_EQ(virtual_key("a"), 'A');  // a letter's key code is its capital
  EXPECT_EQ(virtual_key("f12"), 0x7B);
  for (const char* unknown : {"", "F0", "F13", "F1x", "Enterprise", "!"}) EXPECT_FALSE(virtual_key(unknown)) << unknown;
  EXPECT_EQ(button_id("no"), 7);
  EXPECT_EQ(button_id("TryAgain"), 10);
  EXPECT_FALSE(button_id("Help"));  // not an answer `answer` gives
}

}  // namespace
