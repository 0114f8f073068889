// The resource functions over the resources windres compiled from resource_test.rc.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <string>

#include "kernel/resource_image.h"
#include "support/wide.h"
#include "user/resource_test.h"

extern "C" const unsigned char winsim_program_resources[];
extern "C" const unsigned int winsim_program_resources_size;

namespace {

using testing_support::U;
using testing_support::u8;

// The RCDATA text of resource 300 or 301 as FindResourceEx chooses it for `language`.
std::string greeting(WORD id, WORD language) {
  HRSRC info = FindResourceExW(nullptr, MAKEINTRESOURCEW(10), MAKEINTRESOURCEW(id), language);
  if (!info) return "<none>";
  const char* text = static_cast<const char*>(LockResource(LoadResource(nullptr, info)));
  return std::string(text, strnlen(text, SizeofResource(nullptr, info)));
}

TEST(StringTable, CopiesAndTruncatesWithNul) {
  WCHAR buffer[64];
  int length = LoadStringW(nullptr, IDS_FIRST, buffer, 64);
  EXPECT_EQ(u8(U(buffer, length)), "First string");
  EXPECT_EQ(buffer[length], 0);

  WCHAR small[8];
  std::memset(small, 0x55, sizeof small);
  EXPECT_EQ(LoadStringW(nullptr, IDS_LONG, small, 8), 7);
  EXPECT_EQ(u8(U(small, 7)), "A strin");
  EXPECT_EQ(small[7], 0);

  WCHAR one[1] = {u'x'};
  EXPECT_EQ(LoadStringW(nullptr, IDS_LONG, one, 1), 0);
  EXPECT_EQ(one[0], 0);

  char ansi[8];
  EXPECT_EQ(LoadStringA(nullptr, IDS_LONG, ansi, 8), 7);
  EXPECT_STREQ(ansi, "A strin");
}

TEST(StringTable, FindsBothEndsOfABundle) {
  WCHAR buffer[64];
  int length = LoadStringW(GetModuleHandleW(nullptr), IDS_SIXTEENTH, buffer, 64);
  EXPECT_EQ(u8(U(buffer, length)), "Last of the first bundle");
  length = LoadStringW(nullptr, IDS_NEXT_BUNDLE, buffer, 64);
  EXPECT_EQ(u8(U(buffer, length)), "First of the second bundle");
}

TEST(StringTable, ZeroSizeGivesAReadOnlyPointerIntoTheTable) {
  const WCHAR* pointer = nullptr;
  int length = LoadStringW(nullptr, IDS_NEXT_BUNDLE, reinterpret_cast<LPWSTR>(&pointer), 0);
  ASSERT_EQ(length, 26);
  ASSERT_NE(pointer, nullptr);
  EXPECT_EQ(u8(U(pointer, length)), "First of the second bundle");
  // The table's strings are counted, not terminated: the next slot's count follows.
  EXPECT_NE(pointer[length], 0) << "expected the following string's length, not a NUL";
}

TEST(StringTable, ConvertsToTheAnsiCodePage) {
  char ansi[16];
  EXPECT_EQ(LoadStringA(nullptr, IDS_ACCENTED, ansi, 16), 6);
  EXPECT_STREQ(ansi, "Caf\xE9 \x80");
}

TEST(StringTable, MissingStringsGiveZeroAndAnEmptyBuffer) {
  WCHAR buffer[8] = {u'x'};
  EXPECT_EQ(LoadStringW(nullptr, IDS_EMPTY_SLOT, buffer, 8), 0);  // an empty slot of a bundle
  EXPECT_EQ(buffer[0], 0);
  SetLastError(0);
  EXPECT_EQ(LoadStringW(nullptr, 5000, buffer, 8), 0);  // no such bundle
  EXPECT_EQ(GetLastError(), DWORD(ERROR_RESOURCE_NAME_NOT_FOUND));
  EXPECT_EQ(LoadStringW(nullptr, IDS_FIRST, nullptr, 8), 0);
}

TEST(StringTable, FallsBackToTheOnlyLanguageThereIs) {
  WCHAR buffer[32];
  int length = LoadStringW(nullptr, IDS_GERMAN_ONLY, buffer, 32);
  EXPECT_EQ(u8(U(buffer, length)), "Nur auf Deutsch");
}

TEST(ResourceLookup, ChoosesExactThenNeutralThenAnyLanguage) {
  EXPECT_EQ(greeting(IDR_GREETING, MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL)), "en-US");  // the thread's
  EXPECT_EQ(greeting(IDR_GREETING, MAKELANGID(0x07, 0x01)), "de-DE");
  EXPECT_EQ(greeting(IDR_GREETING, MAKELANGID(0x0A, 0x03)), "neutral");  // Spanish
  EXPECT_EQ(greeting(IDR_FRENCH_ONLY, MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US)), "fr-FR");
}

TEST(ResourceLookup, AcceptsOrdinalsAsNumberStrings) {
  HRSRC by_ordinal = FindResourceW(nullptr, MAKEINTRESOURCEW(IDD_DLGPASSWORD), MAKEINTRESOURCEW(5));
  ASSERT_NE(by_ordinal, nullptr);
  EXPECT_EQ(FindResourceW(nullptr, L"#129", L"#5"), by_ordinal);
  EXPECT_EQ(FindResourceA(nullptr, "#129", MAKEINTRESOURCEA(5)), by_ordinal);
  EXPECT_EQ(FindResourceExA(nullptr, MAKEINTRESOURCEA(5), "#129", 0), by_ordinal);
}

TEST(ResourceLookup, ReportsWhatIsMissing) {
  SetLastError(0);
  EXPECT_EQ(FindResourceW(nullptr, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(8)), nullptr);  // no fonts
  EXPECT_EQ(GetLastError(), DWORD(ERROR_RESOURCE_TYPE_NOT_FOUND));
  EXPECT_EQ(FindResourceW(nullptr, MAKEINTRESOURCEW(999), MAKEINTRESOURCEW(5)), nullptr);
  EXPECT_EQ(GetLastError(), DWORD(ERROR_RESOURCE_NAME_NOT_FOUND));
  EXPECT_EQ(FindResourceW(nullptr, L"#12x", MAKEINTRESOURCEW(5)), nullptr);  // a name, not 12
  EXPECT_EQ(GetLastError(), DWORD(ERROR_RESOURCE_NAME_NOT_FOUND));

  HMODULE kernel32 = GetModuleHandleW(L"kernel32.dll");
  ASSERT_NE(kernel32, nullptr);
  EXPECT_EQ(FindResourceW(kernel32, MAKEINTRESOURCEW(IDD_DLGPASSWORD), MAKEINTRESOURCEW(5)), nullptr);
  EXPECT_EQ(GetLastError(), DWORD(ERROR_RESOURCE_DATA_NOT_FOUND));
}

TEST(ResourceLookup, CarriesTheManifest) {
  HRSRC info = FindResourceW(nullptr, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));
  ASSERT_NE(info, nullptr);
  const char* text = static_cast<const char*>(LockResource(LoadResource(nullptr, info)));
  std::string manifest(text, SizeofResource(nullptr, info));
  EXPECT_EQ(manifest.rfind("<?xml", 0), 0u);
  EXPECT_NE(manifest.find("Tarvolt.ResourceTest"), std::string::npos);
  EXPECT_EQ(FreeResource(LoadResource(nullptr, info)), FALSE);
}

TEST(ResourceHandles, RejectsHandlesThatAreNoResources) {
  int not_a_resource = 0;
  HRSRC bogus = reinterpret_cast<HRSRC>(&not_a_resource);
  EXPECT_EQ(LoadResource(nullptr, bogus), nullptr);
  EXPECT_EQ(SizeofResource(nullptr, bogus), 0u);
  EXPECT_EQ(LoadResource(nullptr, nullptr), nullptr);
}

// The embedded image cut anywhere yields a prefix of its entries and never reads past the cut.
TEST(ResourceImage, TruncatedImagesKeepTheWholeEntriesBeforeTheCut) {
  const platform::resources::Image& whole = platform::resources::program();
  ASSERT_GT(whole.size(), 10u);
  size_t size = winsim_program_resources_size;
  for (size_t cut = 0; cut < size; ++cut) {
    std::vector<unsigned char> copy(winsim_program_resources, winsim_program_resources + cut);
    platform::resources::Image part = platform::resources::parse(copy.data(), copy.size());
    ASSERT_LE(part.size(), whole.size());
    for (size_t i = 0; i < part.size(); ++i) {
      ASSERT_EQ(part[i].size, whole[i].size) << "cut at " << cut;
      ASSERT_EQ(part[i].language, whole[i].language) << "cut at " << cut;
    }
  }
}

}  // namespace
