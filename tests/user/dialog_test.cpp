// Dialogs from the test binary's own resources (the password dialog of resource_test.rc):
// layout in pixels from dialog units, centring, the default button, the dialog keyboard, the
// modal loop and its owner.
#include <functional>
#include <vector>

#include "gdi/font.h"
#include "kernel/text.h"
#include "user/desk_fixture.h"
#include "user/resource_test.h"

namespace {

using testing_support::DeskTest;
using testing_support::window_text8;

// What a dialog procedure under test does: steps run one by one from the dialog's own loop
// (each as a posted WM_APP), and what it saw.
struct Session {
  std::vector<std::function<void(HWND)>> steps;
  size_t next = 0;
  std::u16string password;
  std::vector<int> focus_ids;
  HWND owner_seen_enabled = reinterpret_cast<HWND>(1);
  HWND active_seen = nullptr;
};

INT_PTR CALLBACK session_proc(HWND dlg, UINT msg, WPARAM wp, LPARAM lp) {
  auto* s = reinterpret_cast<Session*>(GetWindowLongPtrW(dlg, DWLP_USER));
  switch (msg) {
    case WM_INITDIALOG:
      SetWindowLongPtrW(dlg, DWLP_USER, lp);
      PostMessageW(dlg, WM_APP, 0, 0);
      return TRUE;
    case WM_APP:
      if (s && s->next < s->steps.size()) {
        s->steps[s->next++](dlg);
        PostMessageW(dlg, WM_APP, 0, 0);
      }
      return TRUE;
    case WM_COMMAND:
      if (LOWORD(wp) == IDOK) {
        WCHAR buffer[1024];
        GetDlgItemTextW(dlg, IDC_PASSWORD, buffer, 1023);
        s->password = reinterpret_cast<const char16_t*>(buffer);
        EndDialog(dlg, IDOK);
      } else if (LOWORD(wp) == IDCANCEL) {
        EndDialog(dlg, IDCANCEL);
      }
      return TRUE;
    default:
      return FALSE;
  }
}

// Keys reach the window that has the focus when the step runs, as the keyboard's would.
std::function<void(HWND)> key(UINT vk) {
  return [vk](HWND) {
    PostMessageW(GetFocus(), WM_KEYDOWN, vk, 1);
    PostMessageW(GetFocus(), WM_KEYUP, vk, LPARAM(0xC0000001));
  };
}
std::function<void(HWND)> shift(bool down) {
  return [down](HWND) { PostMessageW(GetFocus(), down ? WM_KEYDOWN : WM_KEYUP, VK_SHIFT, 1); };
}
std::function<void(HWND)> type(const char* text) {
  return [text](HWND) {
    for (const char* c = text; *c; ++c) PostMessageW(GetFocus(), WM_KEYDOWN, WPARAM(*c >= 'a' ? *c - 32 : *c), 1);
  };
}
std::function<void(HWND)> note_focus(Session& s) {
  return [&s](HWND) { s.focus_ids.push_back(GetDlgCtrlID(GetFocus())); };
}

INT_PTR run(Session& s, HWND owner = nullptr) {
  return DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_DLGPASSWORD), owner, session_proc,
                         LPARAM(&s));
}

class Dialogs : public DeskTest {};

RECT client_rect_of(HWND dlg, int id) {
  RECT r;
  GetWindowRect(GetDlgItem(dlg, id), &r);
  MapWindowPoints(nullptr, dlg, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

TEST_F(Dialogs, TemplateLaysOutInPixelsOfItsFontAndCentresInTheWorkArea) {
  Session s;
  HWND dlg = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_DLGPASSWORD), nullptr, session_proc,
                                LPARAM(&s));
  ASSERT_NE(dlg, nullptr);
  EXPECT_EQ(window_text8(dlg), "Enter installation password");
  WCHAR cls[16];
  GetClassNameW(dlg, cls, 16);
  EXPECT_EQ(platform::text::from_wide(cls), u"#32770");
  EXPECT_EQ(window_text8(GetDlgItem(dlg, IDC_PROMPT)), "Password:");
  EXPECT_EQ(window_text8(GetDlgItem(dlg, IDOK)), "OK");
  EXPECT_EQ(window_text8(GetDlgItem(dlg, IDCANCEL)), "Cancel");

  platform::gdi::Size base = platform::gdi::dialog_base_units(platform::gdi::font_for_points(u"MS Shell Dlg", 8, 400, false));
  // MulDiv's rounding: half away from zero.
  auto px_x = [&](int du) { return LONG((du * base.cx + 2) / 4); };
  auto px_y = [&](int du) { return LONG((du * base.cy + 4) / 8); };
  RECT edit = client_rect_of(dlg, IDC_PASSWORD);
  EXPECT_EQ(edit.left, px_x(50));
  EXPECT_EQ(edit.top, px_y(7));
  EXPECT_EQ(edit.right, px_x(50 + 129));
  EXPECT_EQ(edit.bottom, px_y(7 + 14));
  RECT client;
  GetClientRect(dlg, &client);
  EXPECT_EQ(client.right, px_x(186));
  EXPECT_EQ(client.bottom, px_y(62));
  RECT mapped{50, 7, 179, 21};
  ASSERT_TRUE(MapDialogRect(dlg, &mapped));
  EXPECT_EQ(mapped.left, edit.left);
  EXPECT_EQ(mapped.bottom, edit.bottom);

  // DS_CENTER: the middle of the work area.
  RECT work, window;
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  GetWindowRect(dlg, &window);
  EXPECT_LE(std::abs((window.left + window.right) - (work.left + work.right)), 1);
  EXPECT_LE(std::abs((window.top + window.bottom) - (work.top + work.bottom)), 1);
  EXPECT_GT(window.right - window.left, client.right);  // the frame lies around the client area

  EXPECT_EQ(SendMessageW(dlg, DM_GETDEFID, 0, 0), MAKELONG(IDOK, DC_HASDEFID));
  EXPECT_EQ(GetFocus(), GetDlgItem(dlg, IDC_PASSWORD));
  EXPECT_EQ(SendDlgItemMessageW(dlg, IDC_PASSWORD, EM_GETPASSWORDCHAR, 0, 0), '*');
  EXPECT_FALSE(IsWindowVisible(dlg));  // the template has no WS_VISIBLE
  DestroyWindow(dlg);
}

TEST_F(Dialogs, EnterPressesTheDefaultButtonAndTheProcedureReadsTheEdit) {
  Session s;
  s.steps = {type("sec"), key(VK_BACK), type("cret"), key(VK_RETURN)};
  EXPECT_EQ(run(s), IDOK);
  EXPECT_EQ(s.password, u"secret");
}

TEST_F(Dialogs, TabWalksTheTabStopsBothWaysAndEnterPressesTheFocusedButton) {
  Session s;
  s.steps = {note_focus(s), key(VK_TAB), note_focus(s), key(VK_TAB), note_focus(s), key(VK_TAB),
             note_focus(s), shift(true), key(VK_TAB), shift(false), note_focus(s), key(VK_RETURN)};
  EXPECT_EQ(run(s), IDCANCEL);
  EXPECT_EQ(s.focus_ids, (std::vector<int>{IDC_PASSWORD, IDOK, IDCANCEL, IDC_PASSWORD, IDCANCEL}));
}

TEST_F(Dialogs, EscapeAndTheCloseBoxAreCancel) {
  for (auto how : {key(VK_ESCAPE), std::function<void(HWND)>([](HWND dlg) {
                     PostMessageW(dlg, WM_SYSCOMMAND, SC_CLOSE, 0);
                   })}) {
    Session s;
    s.steps = {type("x"), how};
    EXPECT_EQ(run(s), IDCANCEL);
    EXPECT_EQ(s.password, u"");
  }
}

TEST_F(Dialogs, ChangedDefaultButtonTakesEnter) {
  Session s;
  bool ok_lost_default = false;
  s.steps = {[](HWND dlg) { SendMessageW(dlg, DM_SETDEFID, IDCANCEL, 0); },
             [&](HWND dlg) {
               ok_lost_default = (GetWindowLongW(GetDlgItem(dlg, IDOK), GWL_STYLE) & BS_TYPEMASK) == BS_PUSHBUTTON;
             },
             key(VK_RETURN)};
  EXPECT_EQ(run(s), IDCANCEL);
  EXPECT_TRUE(ok_lost_default);
}

LRESULT CALLBACK plain_proc(HWND h, UINT m, WPARAM w, LPARAM l) { return DefWindowProcW(h, m, w, l); }

TEST_F(Dialogs, ModalLoopDisablesTheOwnerAndEndDialogGivesItsValue) {
  ASSERT_TRUE(testing_support::register_test_class(L"DialogOwner", plain_proc));
  HWND owner = CreateWindowExW(0, L"DialogOwner", L"Owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 400, 300, nullptr,
                               nullptr, nullptr, nullptr);
  HWND child = CreateWindowExW(0, L"Static", L"", WS_CHILD, 0, 0, 10, 10, owner, nullptr, nullptr, nullptr);
  Session s;
  bool owner_enabled_inside = true;
  HWND active_inside = nullptr, dlg_inside = nullptr, owner_of_dialog = nullptr;
  s.steps = {[&](HWND dlg) {
    owner_enabled_inside = IsWindowEnabled(owner);
    active_inside = GetActiveWindow();
    dlg_inside = dlg;
    owner_of_dialog = GetWindow(dlg, GW_OWNER);
    EndDialog(dlg, 77);
  }};
  // A child given as the owner: its top-level window owns the dialog.
  EXPECT_EQ(run(s, child), 77);
  EXPECT_FALSE(owner_enabled_inside);
  EXPECT_EQ(active_inside, dlg_inside);
  EXPECT_EQ(owner_of_dialog, owner);
  EXPECT_TRUE(IsWindowEnabled(owner));
  EXPECT_EQ(GetActiveWindow(), owner);
  EXPECT_FALSE(IsWindow(dlg_inside));
  DestroyWindow(owner);
}

TEST_F(Dialogs, MissingTemplateFailsWithMinusOne) {
  Session s;
  EXPECT_EQ(DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(999), nullptr, session_proc, LPARAM(&s)), -1);
  EXPECT_EQ(GetLastError(), DWORD(ERROR_RESOURCE_NAME_NOT_FOUND));
}

TEST_F(Dialogs, DlgItemIntReadsOnlyWholeNumbers) {
  Session s;
  HWND dlg = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_DLGPASSWORD), nullptr, session_proc,
                                LPARAM(&s));
  struct Case {
    const wchar_t* text;
    BOOL is_signed;
    BOOL translated;
    UINT value;
  } cases[] = {{L"  42", FALSE, TRUE, 42},         {L"-12", TRUE, TRUE, UINT(-12)},   {L"-12", FALSE, FALSE, 0},
               {L"12x", FALSE, FALSE, 0},          {L"", FALSE, FALSE, 0},           {L"4294967295", FALSE, TRUE, 4294967295u},
               {L"4294967296", FALSE, FALSE, 0},   {L"2147483648", TRUE, FALSE, 0},  {L"-2147483648", TRUE, TRUE, 0x80000000u}};
  for (const Case& c : cases) {
    SetDlgItemTextW(dlg, IDC_PASSWORD, c.text);
    BOOL translated = -1;
    EXPECT_EQ(GetDlgItemInt(dlg, IDC_PASSWORD, &translated, c.is_signed), c.value) << platform::text::utf8(platform::text::from_wide(c.text));
    EXPECT_EQ(translated, c.translated) << platform::text::utf8(platform::text::from_wide(c.text));
  }
  SetDlgItemInt(dlg, IDC_PASSWORD, UINT(-5), TRUE);
  EXPECT_EQ(window_text8(GetDlgItem(dlg, IDC_PASSWORD)), "-5");
  DestroyWindow(dlg);
}

// Keeps its creation parameter in DWLP_USER; answers WM_APP + 1 through DWLP_MSGRESULT with
// its wParam.
INT_PTR CALLBACK answering_proc(HWND dlg, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_INITDIALOG) {
    SetWindowLongPtrW(dlg, DWLP_USER, lp);
    return TRUE;
  }
  if (msg != WM_APP + 1) return FALSE;
  SetWindowLongPtrW(dlg, DWLP_MSGRESULT, LONG_PTR(wp));
  return TRUE;
}

TEST_F(Dialogs, TheDialogFieldsHoldPointersAndAnswersWhole) {
  static_assert(DWLP_MSGRESULT == 0 && DWLP_DLGPROC == 8 && DWLP_USER == 16);
  int object = 0;  // a stack address: above 4 GiB on 64-bit hosts
  HWND dlg = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_DLGPASSWORD), nullptr, answering_proc,
                                LPARAM(&object));
  ASSERT_NE(dlg, nullptr);
  EXPECT_EQ(GetWindowLongPtrW(dlg, DWLP_USER), LONG_PTR(&object));
  EXPECT_EQ(GetWindowLongPtrW(dlg, DWLP_DLGPROC), reinterpret_cast<LONG_PTR>(answering_proc));
  const LRESULT answer = LRESULT(0x7654321000000001);
  EXPECT_EQ(SendMessageW(dlg, WM_APP + 1, WPARAM(answer), 0), answer);
  EXPECT_EQ(SendMessageW(dlg, WM_APP + 1, WPARAM(-3), 0), -3);
  DestroyWindow(dlg);
}

}  // namespace
