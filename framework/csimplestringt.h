// The counted string's storage: one pointer to the characters, with the buffer's header just
// before them. Copies share the buffer and count their references (atomically, so copies may
// live in several threads); the first write to a shared buffer gives the writer its own copy.
#pragma once

#include <stdint.h>
#include <stdlib.h>
#include <string.h>

#include <atomic>
#include <climits>
#include <new>
#include <type_traits>

#include "framework_throw.h"
#include "string_chars.h"

struct CStringData {
  std::atomic<long> nRefs;  // below 0: locked by LockBuffer, never shared
  int nDataLength;          // characters, without the terminator
  int nAllocLength;         // room for characters, without the terminator

  void* data() { return this + 1; }
  bool IsLocked() const { return nRefs.load(std::memory_order_acquire) < 0; }
};

template <class Ch>
class CSimpleStringT {
 public:
  typedef Ch XCHAR;
  typedef Ch* PXSTR;
  typedef const Ch* PCXSTR;
  // The other width, which constructors and assignments convert from.
  typedef std::conditional_t<sizeof(Ch) == 1, wchar_t, char> YCHAR;
  typedef YCHAR* PYSTR;
  typedef const YCHAR* PCYSTR;

  CSimpleStringT() noexcept : m_pszData(NilChars()) {}
  CSimpleStringT(const CSimpleStringT& src) : m_pszData(Share(src.GetData())) {}
  CSimpleStringT(PCXSTR psz) : CSimpleStringT() { SetString(psz); }
  CSimpleStringT(const XCHAR* pch, int nLength) : CSimpleStringT() { SetString(pch, nLength); }
  ~CSimpleStringT() { Release(GetData()); }

  CSimpleStringT& operator=(const CSimpleStringT& src) {
    Assign(src);
    return *this;
  }
  CSimpleStringT& operator=(PCXSTR psz) {
    SetString(psz);
    return *this;
  }
  CSimpleStringT& operator+=(const CSimpleStringT& src) {
    Append(src);
    return *this;
  }
  CSimpleStringT& operator+=(PCXSTR psz) {
    Append(psz);
    return *this;
  }
  CSimpleStringT& operator+=(XCHAR ch) {
    AppendChar(ch);
    return *this;
  }

  operator PCXSTR() const noexcept { return m_pszData; }
  PCXSTR GetString() const noexcept { return m_pszData; }
  int GetLength() const noexcept { return GetData()->nDataLength; }
  int GetAllocLength() const noexcept { return GetData()->nAllocLength; }
  bool IsEmpty() const noexcept { return GetLength() == 0; }

  // The terminator counts as a character here, as in the framework.
  XCHAR GetAt(int iChar) const {
    if (iChar < 0 || iChar > GetLength()) AfxThrowInvalidArgException();
    return m_pszData[iChar];
  }
  XCHAR operator[](int iChar) const { return GetAt(iChar); }
  void SetAt(int iChar, XCHAR ch) {
    if (iChar < 0 || iChar >= GetLength()) AfxThrowInvalidArgException();
    int nLength = GetLength();
    PXSTR pszBuffer = GetBuffer();
    pszBuffer[iChar] = ch;
    ReleaseBufferSetLength(nLength);
  }

  void Empty() {
    CStringData* pData = GetData();
    if (pData->nDataLength == 0) return;
    if (pData->IsLocked()) {
      SetLength(0);
    } else {
      m_pszData = NilChars();
      Release(pData);
    }
  }

  PXSTR GetBuffer() { return PrepareWrite(GetLength()); }
  PXSTR GetBuffer(int nMinBufferLength) { return PrepareWrite(nMinBufferLength); }
  PXSTR GetBufferSetLength(int nLength) {
    PXSTR pszBuffer = PrepareWrite(nLength);
    SetLength(nLength);
    return pszBuffer;
  }
  // -1: the buffer's text up to its first terminator (at most the allocated length).
  void ReleaseBuffer(int nNewLength = -1) {
    if (nNewLength == -1) nNewLength = framework::StringChars<Ch>::LengthBounded(m_pszData, GetAllocLength());
    SetLength(nNewLength);
  }
  void ReleaseBufferSetLength(int nNewLength) { SetLength(nNewLength); }
  void Preallocate(int nLength) { PrepareWrite(nLength); }
  void Truncate(int nNewLength) {
    if (nNewLength < 0 || nNewLength > GetLength()) AfxThrowInvalidArgException();
    GetBuffer(nNewLength);
    ReleaseBufferSetLength(nNewLength);
  }
  void FreeExtra() {
    CStringData* pData = GetData();
    if (pData == Nil() || IsShared(pData) || pData->nAllocLength == pData->nDataLength) return;
    if (pData->nDataLength == 0 && !pData->IsLocked()) {
      m_pszData = NilChars();
      Release(pData);
      return;
    }
    Reallocate(pData->nDataLength);
  }

  // A locked buffer is never shared: copies of the string get their own, until UnlockBuffer.
  PXSTR LockBuffer() {
    PXSTR pszBuffer = GetBuffer();
    CStringData* pData = GetData();
    long nRefs = pData->nRefs.load(std::memory_order_relaxed);
    pData->nRefs.store(nRefs > 0 ? -1 : nRefs - 1, std::memory_order_release);
    return pszBuffer;
  }
  void UnlockBuffer() {
    CStringData* pData = GetData();
    if (!pData->IsLocked()) return;
    long nRefs = pData->nRefs.load(std::memory_order_relaxed) + 1;
    pData->nRefs.store(nRefs == 0 ? 1 : nRefs, std::memory_order_release);
  }

  void SetString(PCXSTR psz) { SetString(psz, StringLength(psz)); }
  void SetString(PCXSTR psz, int nLength) {
    if (nLength < 0) AfxThrowInvalidArgException();
    if (nLength == 0) {
      Empty();
      return;
    }
    if (psz == nullptr) AfxThrowInvalidArgException();
    // The source may lie in this string's own buffer, which GetBuffer may move.
    uintptr_t nOffset = reinterpret_cast<uintptr_t>(psz) - reinterpret_cast<uintptr_t>(m_pszData);
    bool bInside = nOffset <= static_cast<uintptr_t>(GetLength()) * sizeof(XCHAR);
    PXSTR pszBuffer = GetBuffer(nLength);
    if (bInside) {
      CopyCharsOverlapped(pszBuffer, pszBuffer + nOffset / sizeof(XCHAR), nLength);
    } else {
      CopyChars(pszBuffer, psz, nLength);
    }
    ReleaseBufferSetLength(nLength);
  }

  void Append(const CSimpleStringT& src) { Append(src.GetString(), src.GetLength()); }
  void Append(PCXSTR psz) { Append(psz, StringLength(psz)); }
  void Append(PCXSTR psz, int nLength) {
    if (nLength < 0) AfxThrowInvalidArgException();
    if (nLength == 0) return;
    int nOldLength = GetLength();
    if (nLength > INT_MAX - nOldLength) AfxThrowMemoryException();
    uintptr_t nOffset = reinterpret_cast<uintptr_t>(psz) - reinterpret_cast<uintptr_t>(m_pszData);
    bool bInside = nOffset <= static_cast<uintptr_t>(nOldLength) * sizeof(XCHAR);
    PXSTR pszBuffer = GetBuffer(nOldLength + nLength);
    if (bInside) psz = pszBuffer + nOffset / sizeof(XCHAR);
    CopyCharsOverlapped(pszBuffer + nOldLength, psz, nLength);
    ReleaseBufferSetLength(nOldLength + nLength);
  }
  void AppendChar(XCHAR ch) { Append(&ch, 1); }

  static int StringLength(PCXSTR psz) { return framework::StringChars<Ch>::Length(psz); }
  static void CopyChars(XCHAR* pchDest, const XCHAR* pchSrc, int nChars) {
    if (nChars > 0) memcpy(pchDest, pchSrc, static_cast<size_t>(nChars) * sizeof(XCHAR));
  }
  static void CopyCharsOverlapped(XCHAR* pchDest, const XCHAR* pchSrc, int nChars) {
    if (nChars > 0) memmove(pchDest, pchSrc, static_cast<size_t>(nChars) * sizeof(XCHAR));
  }

 protected:
  CStringData* GetData() const noexcept { return reinterpret_cast<CStringData*>(m_pszData) - 1; }

  // Makes the buffer this string's own, with room for nLength characters, keeping its text.
  PXSTR PrepareWrite(int nLength) {
    if (nLength < 0) AfxThrowInvalidArgException();
    CStringData* pData = GetData();
    if (IsShared(pData) || pData->nAllocLength < nLength) {
      if (nLength < pData->nDataLength) nLength = pData->nDataLength;
      if (IsShared(pData)) {
        Fork(nLength);
      } else {
        // Grow by half again, so that appending char by char stays linear.
        int nGrown = pData->nAllocLength < INT_MAX / 3 ? pData->nAllocLength + pData->nAllocLength / 2 : INT_MAX;
        Reallocate(nLength > nGrown ? nLength : nGrown);
      }
    }
    return m_pszData;
  }
  void SetLength(int nLength) {
    if (nLength < 0 || nLength > GetAllocLength()) AfxThrowInvalidArgException();
    GetData()->nDataLength = nLength;
    m_pszData[nLength] = 0;
  }

 private:
  struct NilStringData {
    CStringData data;
    XCHAR terminator;
  };
  static_assert(sizeof(CStringData) % alignof(XCHAR) == 0, "the characters follow the header directly");
  static inline NilStringData nil_{{{0}, 0, 0}, 0};

  static CStringData* Nil() noexcept { return &nil_.data; }
  static PXSTR NilChars() noexcept { return &nil_.terminator; }
  static PXSTR CharsOf(CStringData* pData) noexcept { return static_cast<PXSTR>(pData->data()); }
  static bool IsShared(CStringData* pData) {
    return pData == Nil() || pData->nRefs.load(std::memory_order_acquire) > 1;
  }

  static size_t BlockSize(int nChars) {
    if (nChars < 0 || static_cast<size_t>(nChars) >= (SIZE_MAX - sizeof(CStringData)) / sizeof(XCHAR) - 1)
      AfxThrowMemoryException();
    return sizeof(CStringData) + (static_cast<size_t>(nChars) + 1) * sizeof(XCHAR);
  }
  static CStringData* Allocate(int nChars) {
    void* block = malloc(BlockSize(nChars));
    if (block == nullptr) AfxThrowMemoryException();
    CStringData* pData = new (block) CStringData{{1}, 0, nChars};
    CharsOf(pData)[0] = 0;
    return pData;
  }
  static void Release(CStringData* pData) noexcept {
    if (pData == Nil()) return;
    if (pData->IsLocked() || pData->nRefs.fetch_sub(1, std::memory_order_acq_rel) == 1) {
      pData->~CStringData();
      free(pData);
    }
  }
  // A copy's buffer: the same one, unless it is locked.
  static PXSTR Share(CStringData* pData) {
    if (pData == Nil()) return NilChars();
    if (!pData->IsLocked()) {
      pData->nRefs.fetch_add(1, std::memory_order_relaxed);
      return CharsOf(pData);
    }
    CStringData* pCopy = Allocate(pData->nDataLength);
    CopyChars(CharsOf(pCopy), CharsOf(pData), pData->nDataLength + 1);
    pCopy->nDataLength = pData->nDataLength;
    return CharsOf(pCopy);
  }
  void Assign(const CSimpleStringT& src) {
    CStringData* pSrc = src.GetData();
    CStringData* pOld = GetData();
    if (pSrc == pOld) return;
    if (pOld->IsLocked()) {
      SetString(src.GetString(), src.GetLength());
    } else {
      m_pszData = Share(pSrc);
      Release(pOld);
    }
  }
  void Fork(int nLength) {
    CStringData* pOld = GetData();
    CStringData* pNew = Allocate(nLength);
    CopyChars(CharsOf(pNew), m_pszData, pOld->nDataLength + 1);
    pNew->nDataLength = pOld->nDataLength;
    m_pszData = CharsOf(pNew);
    Release(pOld);
  }
  void Reallocate(int nLength) {
    CStringData* pOld = GetData();
    void* block = realloc(static_cast<void*>(pOld), BlockSize(nLength));
    if (block == nullptr) AfxThrowMemoryException();
    CStringData* pNew = static_cast<CStringData*>(block);
    pNew->nAllocLength = nLength;
    m_pszData = CharsOf(pNew);
  }

  PXSTR m_pszData;
};
