// The framework's string class: CStringA (8-bit text in the ANSI code page) and CStringW
// (16-bit) from one template. CString is the width the program is built for: CStringW when it
// defines UNICODE or _UNICODE, otherwise CStringA.
#pragma once

#include <stdarg.h>

#include <compare>
#include <vector>

#include "csimplestringt.h"
#include "string_convert.h"
#include "string_format.h"

template <class Ch>
class CStringT : public CSimpleStringT<Ch> {
  using Base = CSimpleStringT<Ch>;
  using Chars = framework::StringChars<Ch>;

 public:
  using typename Base::XCHAR;
  using typename Base::PXSTR;
  using typename Base::PCXSTR;
  using typename Base::YCHAR;
  using typename Base::PYSTR;
  using typename Base::PCYSTR;

  CStringT() noexcept {}
  CStringT(const CStringT& src) : Base(src) {}
  CStringT(const Base& src) : Base(src) {}
  CStringT(PCXSTR psz) : Base(psz) {}
  CStringT(const XCHAR* pch, int nLength) : Base(pch, nLength) {}
  CStringT(PCYSTR psz) { AssignConverted(psz, framework::StringChars<YCHAR>::Length(psz)); }
  CStringT(const YCHAR* pch, int nLength) { AssignConverted(pch, nLength); }
  CStringT(const unsigned char* psz) : CStringT(reinterpret_cast<const char*>(psz)) {}
  CStringT(const CStringT<YCHAR>& src) { AssignConverted(src.GetString(), src.GetLength()); }
  CStringT(char ch, int nRepeat = 1) { AssignRepeated(ch, nRepeat); }
  CStringT(wchar_t ch, int nRepeat = 1) { AssignRepeated(ch, nRepeat); }

  CStringT& operator=(const CStringT& src) {
    Base::operator=(src);
    return *this;
  }
  CStringT& operator=(const Base& src) {
    Base::operator=(src);
    return *this;
  }
  CStringT& operator=(PCXSTR psz) {
    this->SetString(psz);
    return *this;
  }
  CStringT& operator=(PCYSTR psz) {
    AssignConverted(psz, framework::StringChars<YCHAR>::Length(psz));
    return *this;
  }
  CStringT& operator=(const unsigned char* psz) { return operator=(reinterpret_cast<const char*>(psz)); }
  CStringT& operator=(const CStringT<YCHAR>& src) {
    AssignConverted(src.GetString(), src.GetLength());
    return *this;
  }
  CStringT& operator=(char ch) {
    AssignRepeated(ch, 1);
    return *this;
  }
  CStringT& operator=(wchar_t ch) {
    AssignRepeated(ch, 1);
    return *this;
  }

  CStringT& operator+=(const Base& src) {
    this->Append(src);
    return *this;
  }
  CStringT& operator+=(PCXSTR psz) {
    this->Append(psz);
    return *this;
  }
  CStringT& operator+=(PCYSTR psz) { return operator+=(CStringT(psz)); }
  CStringT& operator+=(const CStringT<YCHAR>& src) { return operator+=(CStringT(src)); }
  CStringT& operator+=(char ch) { return AppendOne(ch); }
  CStringT& operator+=(unsigned char ch) { return AppendOne(static_cast<char>(ch)); }
  CStringT& operator+=(wchar_t ch) { return AppendOne(ch); }

  // Comparisons stop at the first terminator, as the C runtime's do; null compares as empty.
  int Compare(PCXSTR psz) const { return Chars::Compare(this->GetString(), OrEmpty(psz)); }
  int CompareNoCase(PCXSTR psz) const { return Chars::CompareNoCase(this->GetString(), OrEmpty(psz)); }
  int Collate(PCXSTR psz) const { return Compare(psz); }
  int CollateNoCase(PCXSTR psz) const { return CompareNoCase(psz); }

  int Find(XCHAR ch, int iStart = 0) const {
    if (iStart < 0 || iStart >= this->GetLength()) return -1;
    return IndexOf(Chars::FindChar(this->GetString() + iStart, ch));
  }
  int Find(PCXSTR pszSub, int iStart = 0) const {
    if (pszSub == nullptr || iStart < 0 || iStart > this->GetLength()) return -1;
    return IndexOf(Chars::FindString(this->GetString() + iStart, pszSub));
  }
  int ReverseFind(XCHAR ch) const { return IndexOf(Chars::FindLastChar(this->GetString(), ch)); }
  int FindOneOf(PCXSTR pszCharSet) const {
    int n = Chars::SpanExcluding(this->GetString(), OrEmpty(pszCharSet));
    return this->GetString()[n] == 0 ? -1 : n;
  }

  // Out-of-range arguments are clamped to the string, never refused.
  CStringT Mid(int iFirst) const { return Mid(iFirst, this->GetLength() - iFirst); }
  CStringT Mid(int iFirst, int nCount) const {
    int nLength = this->GetLength();
    if (iFirst < 0) iFirst = 0;
    if (nCount < 0) nCount = 0;
    if (iFirst > nLength) iFirst = nLength;
    if (nCount > nLength - iFirst) nCount = nLength - iFirst;
    if (iFirst == 0 && nCount == nLength) return *this;
    return CStringT(this->GetString() + iFirst, nCount);
  }
  CStringT Left(int nCount) const {
    if (nCount < 0) nCount = 0;
    if (nCount >= this->GetLength()) return *this;
    return CStringT(this->GetString(), nCount);
  }
  CStringT Right(int nCount) const {
    if (nCount < 0) nCount = 0;
    int nLength = this->GetLength();
    if (nCount >= nLength) return *this;
    return CStringT(this->GetString() + nLength - nCount, nCount);
  }
  CStringT SpanIncluding(PCXSTR pszCharSet) const {
    return Left(Chars::SpanIncluding(this->GetString(), OrEmpty(pszCharSet)));
  }
  CStringT SpanExcluding(PCXSTR pszCharSet) const {
    return Left(Chars::SpanExcluding(this->GetString(), OrEmpty(pszCharSet)));
  }

  // The next token from iStart on, skipping leading delimiters; iStart moves past the delimiter
  // that ends it, or becomes -1 (with an empty result) when no token is left.
  CStringT Tokenize(PCXSTR pszTokens, int& iStart) const {
    if (iStart < 0) AfxThrowInvalidArgException();
    int nLength = this->GetLength();
    if (pszTokens == nullptr || *pszTokens == 0) {
      // No delimiters: the rest is one token, and it reaches the end.
      if (iStart < nLength) {
        CStringT rest = Mid(iStart);
        iStart = -1;
        return rest;
      }
    } else if (iStart < nLength) {
      PCXSTR pszPlace = this->GetString() + iStart;
      int nIncluding = Chars::SpanIncluding(pszPlace, pszTokens);
      if (iStart + nIncluding < nLength) {
        int nExcluding = Chars::SpanExcluding(pszPlace + nIncluding, pszTokens);
        int iFrom = iStart + nIncluding;
        iStart = iFrom + nExcluding + 1;
        return Mid(iFrom, nExcluding);
      }
    }
    iStart = -1;
    return CStringT();
  }

  int Replace(XCHAR chOld, XCHAR chNew) {
    if (chOld == chNew) return 0;
    int nCount = 0;
    int nLength = this->GetLength();
    PXSTR pszBuffer = nullptr;
    for (int i = 0; i < nLength; ++i) {
      if (this->GetString()[i] != chOld) continue;
      if (pszBuffer == nullptr) pszBuffer = this->GetBuffer();
      pszBuffer[i] = chNew;
      ++nCount;
    }
    if (pszBuffer != nullptr) this->ReleaseBufferSetLength(nLength);
    return nCount;
  }
  // Non-overlapping occurrences, left to right; a null replacement removes them.
  int Replace(PCXSTR pszOld, PCXSTR pszNew) {
    int nOld = Chars::Length(pszOld);
    if (nOld == 0) return 0;
    int nNew = Chars::Length(pszNew);
    PCXSTR psz = this->GetString();
    int nLength = this->GetLength();
    CStringT result;
    int nCount = 0;
    for (int i = 0; i < nLength;) {
      if (i + nOld <= nLength && Chars::Equal(psz + i, pszOld, nOld)) {
        result.Append(pszNew, nNew);
        i += nOld;
        ++nCount;
      } else {
        result.AppendChar(psz[i++]);
      }
    }
    if (nCount > 0) *this = result;
    return nCount;
  }
  int Remove(XCHAR chRemove) {
    int nLength = this->GetLength();
    int nKept = 0;
    PXSTR pszBuffer = this->GetBuffer();
    for (int i = 0; i < nLength; ++i)
      if (pszBuffer[i] != chRemove) pszBuffer[nKept++] = pszBuffer[i];
    this->ReleaseBufferSetLength(nKept);
    return nLength - nKept;
  }
  int Insert(int iIndex, XCHAR ch) { return Insert(iIndex, CStringT(&ch, 1)); }
  int Insert(int iIndex, PCXSTR psz) {
    // A copy first: psz may point into this string.
    CStringT inserted(psz);
    int nOldLength = this->GetLength();
    if (iIndex < 0) iIndex = 0;
    if (iIndex > nOldLength) iIndex = nOldLength;
    int nInsert = inserted.GetLength();
    if (nInsert > 0) {
      PXSTR pszBuffer = this->GetBuffer(nOldLength + nInsert);
      Base::CopyCharsOverlapped(pszBuffer + iIndex + nInsert, pszBuffer + iIndex, nOldLength - iIndex);
      Base::CopyChars(pszBuffer + iIndex, inserted.GetString(), nInsert);
      this->ReleaseBufferSetLength(nOldLength + nInsert);
    }
    return this->GetLength();
  }
  int Delete(int iIndex, int nCount = 1) {
    int nLength = this->GetLength();
    if (iIndex < 0) iIndex = 0;
    if (nCount < 0) nCount = 0;
    if (iIndex < nLength && nCount > 0) {
      if (nCount > nLength - iIndex) nCount = nLength - iIndex;
      PXSTR pszBuffer = this->GetBuffer();
      Base::CopyCharsOverlapped(pszBuffer + iIndex, pszBuffer + iIndex + nCount, nLength - iIndex - nCount);
      this->ReleaseBufferSetLength(nLength - nCount);
    }
    return this->GetLength();
  }

  CStringT& MakeUpper() { return Transform([](XCHAR c) { return Chars::ToUpper(c); }); }
  CStringT& MakeLower() { return Transform([](XCHAR c) { return Chars::ToLower(c); }); }
  CStringT& MakeReverse() {
    int nLength = this->GetLength();
    PXSTR pszBuffer = this->GetBuffer();
    for (int i = 0, j = nLength - 1; i < j; ++i, --j) {
      XCHAR c = pszBuffer[i];
      pszBuffer[i] = pszBuffer[j];
      pszBuffer[j] = c;
    }
    this->ReleaseBufferSetLength(nLength);
    return *this;
  }

  // Without an argument, white space is trimmed.
  CStringT& Trim() { return TrimRight().TrimLeft(); }
  CStringT& Trim(XCHAR chTarget) { return TrimRight(chTarget).TrimLeft(chTarget); }
  CStringT& Trim(PCXSTR pszTargets) { return TrimRight(pszTargets).TrimLeft(pszTargets); }
  CStringT& TrimLeft() { return TrimLeftWhile([](XCHAR c) { return Chars::IsSpace(c); }); }
  CStringT& TrimLeft(XCHAR chTarget) { return TrimLeftWhile([chTarget](XCHAR c) { return c == chTarget; }); }
  CStringT& TrimLeft(PCXSTR pszTargets) {
    PCXSTR set = OrEmpty(pszTargets);
    return TrimLeftWhile([set](XCHAR c) { return Chars::Contains(set, c); });
  }
  CStringT& TrimRight() { return TrimRightWhile([](XCHAR c) { return Chars::IsSpace(c); }); }
  CStringT& TrimRight(XCHAR chTarget) { return TrimRightWhile([chTarget](XCHAR c) { return c == chTarget; }); }
  CStringT& TrimRight(PCXSTR pszTargets) {
    PCXSTR set = OrEmpty(pszTargets);
    return TrimRightWhile([set](XCHAR c) { return Chars::Contains(set, c); });
  }

  // printf rules, for both widths alike (see string_format.h).
  void Format(PCXSTR pszFormat, ...) {
    va_list args;
    va_start(args, pszFormat);
    FormatV(pszFormat, args);
    va_end(args);
  }
  void AppendFormat(PCXSTR pszFormat, ...) {
    va_list args;
    va_start(args, pszFormat);
    AppendFormatV(pszFormat, args);
    va_end(args);
  }
  void FormatV(PCXSTR pszFormat, va_list args) {
    std::vector<XCHAR> text = framework::FormatPrintf(OrEmpty(pszFormat), args);
    this->SetString(text.data(), static_cast<int>(text.size()));
  }
  void AppendFormatV(PCXSTR pszFormat, va_list args) {
    std::vector<XCHAR> text = framework::FormatPrintf(OrEmpty(pszFormat), args);
    this->Append(text.data(), static_cast<int>(text.size()));
  }

  friend CStringT operator+(const CStringT& a, const CStringT& b) { return Joined(a, b.GetString(), b.GetLength()); }
  friend CStringT operator+(const CStringT& a, PCXSTR b) { return Joined(a, b, Chars::Length(b)); }
  friend CStringT operator+(PCXSTR a, const CStringT& b) { return Joined(CStringT(a), b.GetString(), b.GetLength()); }
  friend CStringT operator+(const CStringT& a, char b) { return CStringT(a) += b; }
  friend CStringT operator+(const CStringT& a, wchar_t b) { return CStringT(a) += b; }
  friend CStringT operator+(char a, const CStringT& b) { return CStringT(a) += b; }
  friend CStringT operator+(wchar_t a, const CStringT& b) { return CStringT(a) += b; }

  friend bool operator==(const CStringT& a, const CStringT& b) { return a.Compare(b) == 0; }
  friend bool operator==(const CStringT& a, PCXSTR b) { return a.Compare(b) == 0; }
  friend bool operator==(const CStringT& a, PCYSTR b) { return a.Compare(CStringT(b)) == 0; }
  friend bool operator==(const CStringT& a, XCHAR b) { return a.GetLength() == 1 && a.GetString()[0] == b; }
  friend std::strong_ordering operator<=>(const CStringT& a, const CStringT& b) { return a.Compare(b) <=> 0; }
  friend std::strong_ordering operator<=>(const CStringT& a, PCXSTR b) { return a.Compare(b) <=> 0; }

 private:
  static PCXSTR OrEmpty(PCXSTR psz) {
    static const XCHAR empty = 0;
    return psz != nullptr ? psz : &empty;
  }
  int IndexOf(PCXSTR p) const { return p == nullptr ? -1 : static_cast<int>(p - this->GetString()); }

  static CStringT Joined(const CStringT& a, PCXSTR b, int nLength) {
    CStringT result(a);
    result.Append(b, nLength);
    return result;
  }
  template <class Src>
  CStringT& AppendOne(Src ch) {
    if constexpr (sizeof(Src) == sizeof(XCHAR)) {
      this->AppendChar(static_cast<XCHAR>(ch));
    } else {
      this->Append(CStringT(&ch, 1));
    }
    return *this;
  }
  void AssignConverted(PCYSTR psz, int nLength) {
    if (psz == nullptr || nLength <= 0) {
      this->Empty();
      return;
    }
    int nConverted = framework::ConvertedLength(psz, nLength);
    PXSTR pszBuffer = this->GetBuffer(nConverted);
    framework::ConvertInto(psz, nLength, pszBuffer, nConverted);
    this->ReleaseBufferSetLength(nConverted);
  }
  template <class Src>
  void AssignRepeated(Src ch, int nRepeat) {
    if (nRepeat < 0) AfxThrowInvalidArgException();
    XCHAR c;
    if constexpr (sizeof(Src) == sizeof(XCHAR)) {
      c = static_cast<XCHAR>(ch);
    } else {
      CStringT one(&ch, 1);
      c = one.GetString()[0];
    }
    PXSTR pszBuffer = this->GetBuffer(nRepeat);
    for (int i = 0; i < nRepeat; ++i) pszBuffer[i] = c;
    this->ReleaseBufferSetLength(nRepeat);
  }
  template <class Map>
  CStringT& Transform(Map map) {
    int nLength = this->GetLength();
    PXSTR pszBuffer = this->GetBuffer();
    for (int i = 0; i < nLength; ++i) pszBuffer[i] = map(pszBuffer[i]);
    this->ReleaseBufferSetLength(nLength);
    return *this;
  }
  template <class Pred>
  CStringT& TrimLeftWhile(Pred trimmed) {
    PCXSTR psz = this->GetString();
    int n = 0;
    while (psz[n] != 0 && trimmed(psz[n])) ++n;
    if (n > 0) Delete(0, n);
    return *this;
  }
  template <class Pred>
  CStringT& TrimRightWhile(Pred trimmed) {
    int n = this->GetLength();
    while (n > 0 && trimmed(this->GetString()[n - 1])) --n;
    if (n != this->GetLength()) this->Truncate(n);
    return *this;
  }
};

typedef CStringT<char> CStringA;
typedef CStringT<wchar_t> CStringW;

#if defined(UNICODE) || defined(_UNICODE)
typedef CStringW CString;
#else
typedef CStringA CString;
#endif
