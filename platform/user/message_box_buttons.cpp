#include "user/message_box_buttons.h"

#include <iterator>

namespace platform::user {
namespace {

struct ButtonSet {
  const char* name;
  std::vector<int> answers;
};

// Indexed by the style's button bits (MB_OK .. MB_CANCELTRYCONTINUE).
const ButtonSet kSets[] = {
    {"OK", {IDOK}},
    {"OKCancel", {IDOK, IDCANCEL}},
    {"AbortRetryIgnore", {IDABORT, IDRETRY, IDIGNORE}},
    {"YesNoCancel", {IDYES, IDNO, IDCANCEL}},
    {"YesNo", {IDYES, IDNO}},
    {"RetryCancel", {IDRETRY, IDCANCEL}},
    {"CancelTryContinue", {IDCANCEL, IDTRYAGAIN, IDCONTINUE}},
};

}  // namespace

std::optional<Buttons> buttons_of(UINT style) {
  UINT set = style & MB_TYPEMASK;
  if (set >= std::size(kSets)) return std::nullopt;
  Buttons buttons{kSets[set].name, kSets[set].answers};
  if (style & MB_HELP) buttons.name += "Help";
  return buttons;
}

int default_answer(const Buttons& buttons, UINT style) {
  size_t index = (style & MB_DEFMASK) >> 8;
  return index < buttons.answers.size() ? buttons.answers[index] : buttons.answers.front();
}

std::string answer_name(int answer) {
  switch (answer) {
    case IDOK: return "OK";
    case IDCANCEL: return "Cancel";
    case IDABORT: return "Abort";
    case IDRETRY: return "Retry";
    case IDIGNORE: return "Ignore";
    case IDYES: return "Yes";
    case IDNO: return "No";
    case IDTRYAGAIN: return "TryAgain";
    case IDCONTINUE: return "Continue";
    default: return std::to_string(answer);
  }
}

std::u16string button_label(int id) {
  switch (id) {
    case IDTRYAGAIN: return u"Try Again";
    case IDHELP: return u"Help";
    default: {
      std::string name = answer_name(id);
      return std::u16string(name.begin(), name.end());
    }
  }
}

}  // namespace platform::user
