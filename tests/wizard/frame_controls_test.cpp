// The frame's two controls on real windows of the machine: the coloured title keeps its own text
// and serves it in the buffer sizes the caller gives; the step list guards its indexes and keeps
// the font it is given.
#include <gtest/gtest.h>
#include <windows.h>

#include "cexception.h"
#include "cinvalidargexception.h"
#include "colour_text_ctrl.h"
#include "setup_progress_ctrl.h"
#include "support/machine_fixture.h"
#include "support/wide.h"

namespace {

using testing_support::U;

class WizardFrameControlsTest : public testing_support::MachineTest {
 protected:
  void SetUp() override {
    MachineTest::SetUp();
    parent_ = CreateWindowExW(0, L"Static", L"frame", WS_POPUP, 0, 0, 400, 340, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(parent_, nullptr);
  }
  void TearDown() override {
    DestroyWindow(parent_);
    MachineTest::TearDown();
  }
  std::u16string text_of(HWND hwnd, WPARAM size) {
    WCHAR buffer[64];
    for (WCHAR& c : buffer) c = L'#';
    LRESULT copied = SendMessageW(hwnd, WM_GETTEXT, size, reinterpret_cast<LPARAM>(buffer));
    EXPECT_EQ(size_t(copied), size > 0 ? U(buffer).size() : 0) << "the count matches the copy";
    return size > 0 ? U(buffer) : std::u16string(1, char16_t(buffer[0]));
  }

  HWND parent_ = nullptr;
};

TEST_F(WizardFrameControlsTest, TitleKeepsItsTextAndFitsItToTheBuffer) {
  HWND hwnd = CreateWindowExW(0, L"Static", L"Almost There", WS_CHILD | WS_VISIBLE, 10, 10, 200, 30, parent_,
                              reinterpret_cast<HMENU>(1043), nullptr, nullptr);
  ASSERT_NE(hwnd, nullptr);
  CColourTextCtrl title;
  ASSERT_TRUE(title.SubclassWindow(hwnd));
  EXPECT_EQ(U(title.m_strText), u"Almost There") << "the template's text is taken over";
  EXPECT_EQ(title.GetWindowTextLength(), 12);

  EXPECT_EQ(text_of(hwnd, 64), u"Almost There");
  EXPECT_EQ(text_of(hwnd, 4), u"Alm");
  EXPECT_EQ(text_of(hwnd, 1), u"") << "room for the terminator only";
  EXPECT_EQ(text_of(hwnd, 0), u"#") << "no buffer, nothing written";

  title.SetWindowText(L"Final Configuration");
  EXPECT_EQ(text_of(hwnd, 64), u"Final Configuration");
  title.UnsubclassWindow();
  EXPECT_EQ(text_of(hwnd, 64), u"Almost There") << "the static's own text never changed";
}

TEST_F(WizardFrameControlsTest, StepListGuardsItsIndexesAndKeepsItsFont) {
  CSetupProgressCtrl steps;
  ASSERT_TRUE(steps.Create(nullptr, L"", WS_CHILD | WS_VISIBLE, RECT{0, 33, 160, 322}, CWnd::FromHandle(parent_), 2000));
  steps.AddStep(L"Overview");
  steps.AddStep(L"Server Addresses");
  steps.SetStepDone(1, true);
  steps.SetStepDone(1, false);
  for (int outside : {-1, 2}) {
    try {
      steps.SetStepDone(outside, true);
      ADD_FAILURE() << "step " << outside << " accepted";
    } catch (CException* e) {
      EXPECT_TRUE(e->IsKindOf(RUNTIME_CLASS(CInvalidArgException))) << outside;
      e->Delete();
    }
  }

  HFONT font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  EXPECT_EQ(steps.SendMessage(WM_GETFONT), 0) << "no font at first";
  EXPECT_EQ(steps.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font), 1), 0);
  EXPECT_EQ(reinterpret_cast<HFONT>(steps.SendMessage(WM_GETFONT)), font);
  steps.DestroyWindow();
}

}  // namespace
