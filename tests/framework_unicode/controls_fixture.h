// A fresh machine for the framework's window tests: message boxes answer at once with their
// default button, and the common control classes the tests create are registered.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "cstringt.h"
#include "machine/desktop_log.h"
#include "user/desk_fixture.h"

namespace unicode_testing {

class ControlsTest : public testing_support::DeskTest {
 protected:
  void SetUp() override {
    DeskTest::SetUp();
    ASSERT_NE(LoadLibraryW(L"riched20.dll"), nullptr);
  }

  // The texts of the message boxes shown so far, one after the other.
  static std::string BoxTexts() {
    std::string texts;
    for (const auto& box : platform::desktop::logged_boxes()) texts += box.text + "|";
    return texts;
  }
  static std::string Utf8(const CStringW& text) {
    return testing_support::u8(testing_support::U(text.GetString(), static_cast<size_t>(text.GetLength())));
  }
};

}  // namespace unicode_testing
