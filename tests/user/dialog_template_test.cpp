// Dialog templates compiled by windres from resource_test.rc, read back field by field.
#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

#include "kernel/text.h"
#include "user/dialog_template.h"
#include "user/resource_test.h"

namespace {

using platform::text::utf8;
using platform::user::DialogItem;
using platform::user::DialogTemplate;
using platform::user::parse_dialog_template;

constexpr uint16_t kButton = 0x80, kEdit = 0x81, kStatic = 0x82;

std::vector<uint8_t> dialog_bytes(WORD id) {
  HRSRC info = FindResourceW(nullptr, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(5));
  if (!info) return {};
  const uint8_t* data = static_cast<const uint8_t*>(LockResource(LoadResource(nullptr, info)));
  return std::vector<uint8_t>(data, data + SizeofResource(nullptr, info));
}

DialogTemplate dialog(WORD id) {
  std::vector<uint8_t> bytes = dialog_bytes(id);
  std::optional<DialogTemplate> parsed = parse_dialog_template(bytes.data(), bytes.size());
  EXPECT_TRUE(parsed) << "dialog " << id;
  return parsed.value_or(DialogTemplate());
}

void expect_box(const DialogItem& item, int x, int y, int cx, int cy) {
  EXPECT_EQ(item.x, x);
  EXPECT_EQ(item.y, y);
  EXPECT_EQ(item.cx, cx);
  EXPECT_EQ(item.cy, cy);
}

TEST(DialogTemplate, ReadsThePasswordDialog) {
  DialogTemplate d = dialog(IDD_DLGPASSWORD);
  EXPECT_TRUE(d.extended);
  EXPECT_EQ(d.style, DWORD(0x48 | 0x80 | 0x800 | 0x80000000 | 0x00C00000 | 0x00080000));
  EXPECT_EQ(d.cx, 186);
  EXPECT_EQ(d.cy, 62);
  EXPECT_TRUE(d.menu.empty());
  EXPECT_TRUE(d.window_class.empty());
  EXPECT_EQ(utf8(d.title), "Enter installation password");
  EXPECT_EQ(d.point_size, 8);
  EXPECT_EQ(d.weight, 400);
  EXPECT_FALSE(d.italic);
  EXPECT_EQ(d.charset, 1);
  EXPECT_EQ(utf8(d.typeface), "MS Shell Dlg");
  ASSERT_EQ(d.items.size(), 4u);

  const DialogItem& prompt = d.items[0];
  EXPECT_EQ(prompt.id, DWORD(IDC_PROMPT));
  EXPECT_EQ(prompt.window_class.id, kStatic);
  EXPECT_EQ(utf8(prompt.title.text), "Password:");
  expect_box(prompt, 7, 9, 40, 8);

  const DialogItem& password = d.items[1];
  EXPECT_EQ(password.id, DWORD(IDC_PASSWORD));
  EXPECT_EQ(password.window_class.id, kEdit);
  // WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL | ES_PASSWORD
  EXPECT_EQ(password.style, DWORD(0x40000000 | 0x10000000 | 0x00800000 | 0x00010000 | 0x80 | 0x20));
  EXPECT_TRUE(password.title.empty());
  expect_box(password, 50, 7, 129, 14);

  const DialogItem& ok = d.items[2];
  EXPECT_EQ(ok.id, DWORD(IDOK));
  EXPECT_EQ(ok.window_class.id, kButton);
  EXPECT_EQ(ok.style & 0x0F, DWORD(1));  // BS_DEFPUSHBUTTON
  EXPECT_EQ(utf8(ok.title.text), "OK");

  const DialogItem& cancel = d.items[3];
  EXPECT_EQ(cancel.id, DWORD(IDCANCEL));
  EXPECT_EQ(cancel.style & 0x0F, DWORD(0));  // BS_PUSHBUTTON
  EXPECT_EQ(utf8(cancel.title.text), "Cancel");
  expect_box(cancel, 129, 41, 50, 14);
}

TEST(DialogTemplate, ReadsEveryFieldOfAnExtendedTemplate) {
  DialogTemplate d = dialog(IDD_FIELDS);
  EXPECT_EQ(d.help_id, 77u);
  EXPECT_EQ(d.exstyle, DWORD(0x80));  // WS_EX_TOOLWINDOW
  EXPECT_EQ(d.x, 1);
  EXPECT_EQ(d.y, 2);
  EXPECT_EQ(d.menu.id, 42);
  EXPECT_EQ(d.point_size, 10);
  EXPECT_EQ(d.weight, 700);
  EXPECT_TRUE(d.italic);
  EXPECT_EQ(d.charset, 2);
  EXPECT_EQ(utf8(d.typeface), "Tahoma");
  ASSERT_EQ(d.items.size(), 2u);

  const DialogItem& data = d.items[0];
  EXPECT_EQ(data.help_id, 99u);
  EXPECT_EQ(data.exstyle, DWORD(0x200));  // WS_EX_CLIENTEDGE
  EXPECT_TRUE(platform::text::iequals(data.window_class.text, u"Button"));
  EXPECT_EQ(data.creation_data, (std::vector<uint8_t>{0x34, 0x12, 0x78, 0x56}));

  // Follows an item whose creation data left it off a DWORD boundary.
  const DialogItem& edit = d.items[1];
  EXPECT_EQ(edit.id, 9u);
  EXPECT_TRUE(edit.creation_data.empty());
  expect_box(edit, -1, -2, 3, 4);
}

TEST(DialogTemplate, ReadsAPlainTemplate) {
  DialogTemplate d = dialog(IDD_PLAIN);
  EXPECT_FALSE(d.extended);
  EXPECT_EQ(d.style & 0x40, DWORD(0x40));
  EXPECT_EQ(d.x, 10);
  EXPECT_EQ(d.y, 20);
  EXPECT_EQ(d.cx, 120);
  EXPECT_EQ(d.cy, 40);
  EXPECT_TRUE(platform::text::iequals(d.menu.text, u"MainMenu"));
  EXPECT_TRUE(platform::text::iequals(d.window_class.text, u"PlainClass"));
  EXPECT_EQ(utf8(d.title), "Plain");
  EXPECT_EQ(d.point_size, 9);
  EXPECT_EQ(utf8(d.typeface), "Arial");
  ASSERT_EQ(d.items.size(), 2u);

  const DialogItem& custom = d.items[0];
  EXPECT_EQ(custom.id, 7u);
  EXPECT_TRUE(platform::text::iequals(custom.window_class.text, u"CustomClass"));
  EXPECT_EQ(utf8(custom.title.text), "Custom");
  expect_box(custom, 1, 2, 30, 12);

  const DialogItem& icon = d.items[1];
  EXPECT_EQ(icon.id, 0xFFFFu);  // a WORD in the plain form
  EXPECT_EQ(icon.window_class.id, kStatic);
  EXPECT_EQ(icon.title.id, 5);  // the icon resource, as an ordinal
  EXPECT_TRUE(icon.title.text.empty());
}

// Every cut of every template fails cleanly (the copies are exactly as long as the cut, so the
// sanitizer catches any read past it).
TEST(DialogTemplate, RejectsTruncatedBytes) {
  for (WORD id : {IDD_DLGPASSWORD, IDD_PLAIN, IDD_FIELDS}) {
    std::vector<uint8_t> bytes = dialog_bytes(id);
    ASSERT_FALSE(bytes.empty());
    size_t items = dialog(id).items.size();
    for (size_t cut = 0; cut < bytes.size(); ++cut) {
      std::vector<uint8_t> part(bytes.begin(), bytes.begin() + cut);
      std::optional<DialogTemplate> parsed = parse_dialog_template(part.data(), part.size());
      // Only the padding after the last item may go.
      if (parsed) {
        EXPECT_EQ(parsed->items.size(), items) << "dialog " << id << " cut at " << cut;
      }
    }
  }
  EXPECT_FALSE(parse_dialog_template(nullptr, 100));
}

TEST(DialogTemplate, RejectsHostileCountsAndUnterminatedStrings) {
  std::vector<uint8_t> bytes = dialog_bytes(IDD_DLGPASSWORD);
  ASSERT_GT(bytes.size(), 20u);
  std::vector<uint8_t> many = bytes;
  many[16] = 0xFF;  // cDlgItems
  many[17] = 0xFF;
  EXPECT_FALSE(parse_dialog_template(many.data(), many.size()));

  // A title that never ends: the bytes after the header are all non-zero.
  std::vector<uint8_t> endless(bytes.begin(), bytes.begin() + 26);
  endless.insert(endless.end(), 64, 0x41);
  EXPECT_FALSE(parse_dialog_template(endless.data(), endless.size()));
}

}  // namespace
