// Dialog templates built in memory for the common controls' tests.
#pragma once

#include <windows.h>

#include <vector>

namespace comctl_test {

// An in-memory DLGTEMPLATE with DS_SETFONT and items whose classes are given by name.
class TemplateBuilder {
 public:
  explicit TemplateBuilder(DWORD style, const char16_t* title = u"Page", short cx = 240, short cy = 150) {
    put32(style | DS_SETFONT);
    put32(0);
    count_at_ = words_.size();
    put16(0);
    for (short v : {short(0), short(0), cx, cy}) put16(WORD(v));
    put16(0);  // no menu
    put16(0);  // the dialog class
    text(title);
    put16(8);
    text(u"MS Shell Dlg");
  }
  TemplateBuilder& item(const char16_t* cls, WORD id, short x, short y, short cx, short cy, DWORD style,
                        const char16_t* title = u"") {
    if (words_.size() % 2) put16(0);  // DWORD alignment
    put32(style | WS_CHILD | WS_VISIBLE);
    put32(0);
    for (short v : {x, y, cx, cy}) put16(WORD(v));
    put16(id);
    text(cls);
    text(title);
    put16(0);
    ++words_[count_at_];
    return *this;
  }
  LPCDLGTEMPLATEW get() const { return reinterpret_cast<LPCDLGTEMPLATEW>(words_.data()); }

 private:
  void put16(WORD w) { words_.push_back(w); }
  void put32(DWORD d) {
    put16(LOWORD(d));
    put16(HIWORD(d));
  }
  void text(const char16_t* s) {
    for (; *s; ++s) put16(*s);
    put16(0);
  }
  std::vector<WORD> words_;
  size_t count_at_ = 0;
};

}  // namespace comctl_test
