// The password dialog of Pardex as its own resource script compiles it (the .res the Linux
// build embeds into pardex.exe), read back through the resource image and the template reader.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "kernel/resource_image.h"
#include "kernel/text.h"
#include "user/dialog_template.h"

namespace {

using platform::text::utf8;

const std::filesystem::path kPardexRes =
    std::filesystem::path(TEST_BIN_DIR) / ".." / "tools" / "entry" / "pardex_resources" / "pardex.res";

TEST(PardexDialog, ReadsBackFromItsResourceScript) {
  std::ifstream file(kPardexRes, std::ios::binary);
  if (!file) GTEST_SKIP() << "pardex is not built: " << kPardexRes;
  std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  platform::resources::Image image = platform::resources::parse(bytes.data(), bytes.size());

  DWORD error = 0;
  const platform::resources::Entry* manifest =
      platform::resources::find(image, {true, 24, {}}, {true, 1, {}}, 0, &error);
  ASSERT_NE(manifest, nullptr);
  EXPECT_GT(manifest->size, 0u);

  const platform::resources::Entry* entry = platform::resources::find(image, {true, 5, {}}, {true, 129, {}}, 0, &error);
  ASSERT_NE(entry, nullptr);
  auto dialog = platform::user::parse_dialog_template(entry->data, entry->size);
  ASSERT_TRUE(dialog);
  EXPECT_TRUE(dialog->extended);
  EXPECT_EQ(dialog->style & 0x48, DWORD(0x48));  // DS_SHELLFONT
  EXPECT_EQ(utf8(dialog->title), "Enter installation password");
  EXPECT_EQ(dialog->point_size, 8);
  EXPECT_EQ(utf8(dialog->typeface), "MS Shell Dlg");

  const platform::user::DialogItem* password = nullptr;
  const platform::user::DialogItem* ok = nullptr;
  const platform::user::DialogItem* cancel = nullptr;
  int statics = 0;
  for (const auto& item : dialog->items) {
    if (item.id == 1000) password = &item;
    if (item.id == IDOK) ok = &item;
    if (item.id == IDCANCEL) cancel = &item;
    if (item.window_class.id == 0x82) ++statics;
  }
  EXPECT_EQ(statics, 1);
  ASSERT_TRUE(password && ok && cancel);
  EXPECT_EQ(password->window_class.id, 0x81);
  // ES_PASSWORD | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP
  DWORD wanted = 0x20 | 0x80 | 0x00800000 | 0x00010000;
  EXPECT_EQ(password->style & wanted, wanted);
  EXPECT_EQ(ok->style & 0x0F, DWORD(1));  // BS_DEFPUSHBUTTON
  EXPECT_EQ(cancel->style & 0x0F, DWORD(0));
}

}  // namespace
