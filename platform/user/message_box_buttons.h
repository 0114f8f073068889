// The buttons of a message box, as its style names them.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include <windows.h>

namespace platform::user {

struct Buttons {
  std::string name;          // "OK", "YesNoCancel", ...; "Help" follows for MB_HELP
  std::vector<int> answers;  // the answers of the buttons that close the box, left to right
};

// Nothing for a style whose button bits name no set.
std::optional<Buttons> buttons_of(UINT style);
// The answer of the default button (MB_DEFBUTTON1..4); the first one when the style names a
// button the box does not have.
int default_answer(const Buttons& buttons, UINT style);
// "OK", "Cancel", "Yes", ... for an answer.
std::string answer_name(int answer);
// The text on the button of an answer ("Try Again"), or of IDHELP ("Help").
std::u16string button_label(int id);

}  // namespace platform::user
