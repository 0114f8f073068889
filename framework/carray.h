// A growable array of TYPE, passed to its members as ARG_TYPE. Every slot up to the size holds
// a constructed element (new ones value-initialised); the storage grows by blocks as CPtrArray's
// does. Indexes outside the array throw CInvalidArgException*, failed growth CMemoryException*.
#pragma once

#include <stdint.h>
#include <stdlib.h>

#include <new>
#include <utility>

#include "array_growth.h"
#include "cobject.h"
#include "framework_throw.h"

template <class TYPE, class ARG_TYPE = const TYPE&>
class CArray : public CObject {
 public:
  CArray() : m_pData(nullptr), m_nSize(0), m_nMaxSize(0), m_nGrowBy(0) {}
  ~CArray() override { SetSize(0); }

  INT_PTR GetSize() const { return m_nSize; }
  INT_PTR GetCount() const { return m_nSize; }
  BOOL IsEmpty() const { return m_nSize == 0; }
  INT_PTR GetUpperBound() const { return m_nSize - 1; }
  // A negative nGrowBy keeps the current grow-by count.
  void SetSize(INT_PTR nNewSize, INT_PTR nGrowBy = -1);
  // Releases the storage above the upper bound.
  void FreeExtra();
  void RemoveAll() { SetSize(0); }

  const TYPE& GetAt(INT_PTR nIndex) const { return m_pData[Checked(nIndex)]; }
  TYPE& GetAt(INT_PTR nIndex) { return m_pData[Checked(nIndex)]; }
  void SetAt(INT_PTR nIndex, ARG_TYPE newElement) { m_pData[Checked(nIndex)] = newElement; }
  const TYPE& ElementAt(INT_PTR nIndex) const { return m_pData[Checked(nIndex)]; }
  TYPE& ElementAt(INT_PTR nIndex) { return m_pData[Checked(nIndex)]; }
  const TYPE& operator[](INT_PTR nIndex) const { return GetAt(nIndex); }
  TYPE& operator[](INT_PTR nIndex) { return ElementAt(nIndex); }
  const TYPE* GetData() const { return m_pData; }
  TYPE* GetData() { return m_pData; }

  // Grows the array when nIndex lies beyond its end.
  void SetAtGrow(INT_PTR nIndex, ARG_TYPE newElement);
  INT_PTR Add(ARG_TYPE newElement);
  // The index of the first appended element.
  INT_PTR Append(const CArray& src);
  void Copy(const CArray& src);
  // Inserts nCount copies at nIndex, moving the elements from there up; an index beyond the end
  // grows the array to it first.
  void InsertAt(INT_PTR nIndex, ARG_TYPE newElement, INT_PTR nCount = 1);
  void InsertAt(INT_PTR nStartIndex, const CArray* pNewArray);
  // Removes nCount elements from nIndex on, moving the later ones down.
  void RemoveAt(INT_PTR nIndex, INT_PTR nCount = 1);

 protected:
  TYPE* m_pData;
  INT_PTR m_nSize;
  INT_PTR m_nMaxSize;
  INT_PTR m_nGrowBy;

 private:
  static constexpr INT_PTR MaxElements() { return static_cast<INT_PTR>(INTPTR_MAX / sizeof(TYPE)); }
  INT_PTR Checked(INT_PTR nIndex) const {
    if (nIndex < 0 || nIndex >= m_nSize) AfxThrowInvalidArgException();
    return nIndex;
  }
  void Destroy(INT_PTR nFrom, INT_PTR nTo) {
    for (INT_PTR i = nFrom; i < nTo; ++i) m_pData[i].~TYPE();
  }
  // Moves the elements to storage of exactly nNewMax slots.
  void Reallocate(INT_PTR nNewMax);
  // Makes nCount slots at nIndex, moving the elements from there up (they stay constructed).
  void OpenGap(INT_PTR nIndex, INT_PTR nCount);
};

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::Reallocate(INT_PTR nNewMax) {
  if (nNewMax > MaxElements()) AfxThrowMemoryException();
  TYPE* pNewData = static_cast<TYPE*>(malloc(static_cast<size_t>(nNewMax) * sizeof(TYPE)));
  if (pNewData == nullptr) AfxThrowMemoryException();
  for (INT_PTR i = 0; i < m_nSize; ++i) {
    ::new (static_cast<void*>(pNewData + i)) TYPE(std::move(m_pData[i]));
    m_pData[i].~TYPE();
  }
  free(m_pData);
  m_pData = pNewData;
  m_nMaxSize = nNewMax;
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::SetSize(INT_PTR nNewSize, INT_PTR nGrowBy) {
  if (nNewSize < 0) AfxThrowInvalidArgException();
  if (nGrowBy >= 0) m_nGrowBy = nGrowBy;
  if (nNewSize == 0) {
    Destroy(0, m_nSize);
    free(m_pData);
    m_pData = nullptr;
    m_nSize = m_nMaxSize = 0;
    return;
  }
  if (nNewSize > m_nMaxSize)
    Reallocate(framework::GrownCapacity(m_nSize, m_nMaxSize, m_nGrowBy, nNewSize, MaxElements()));
  for (INT_PTR i = m_nSize; i < nNewSize; ++i) ::new (static_cast<void*>(m_pData + i)) TYPE();
  Destroy(nNewSize, m_nSize);
  m_nSize = nNewSize;
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::FreeExtra() {
  if (m_nSize == m_nMaxSize) return;
  if (m_nSize == 0) {
    SetSize(0);
    return;
  }
  Reallocate(m_nSize);
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::SetAtGrow(INT_PTR nIndex, ARG_TYPE newElement) {
  if (nIndex < 0) AfxThrowInvalidArgException();
  if (nIndex < m_nSize) {
    m_pData[nIndex] = newElement;
    return;
  }
  // Copied before growing: newElement may be an element of this array.
  TYPE value(newElement);
  SetSize(nIndex + 1);
  m_pData[nIndex] = std::move(value);
}

template <class TYPE, class ARG_TYPE>
INT_PTR CArray<TYPE, ARG_TYPE>::Add(ARG_TYPE newElement) {
  INT_PTR nIndex = m_nSize;
  SetAtGrow(nIndex, newElement);
  return nIndex;
}

template <class TYPE, class ARG_TYPE>
INT_PTR CArray<TYPE, ARG_TYPE>::Append(const CArray& src) {
  INT_PTR nOldSize = m_nSize;
  INT_PTR nCount = src.m_nSize;  // read before growing: src may be this array
  SetSize(nOldSize + nCount);
  for (INT_PTR i = 0; i < nCount; ++i) m_pData[nOldSize + i] = src.m_pData[i];
  return nOldSize;
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::Copy(const CArray& src) {
  if (&src == this) return;
  SetSize(src.m_nSize);
  for (INT_PTR i = 0; i < m_nSize; ++i) m_pData[i] = src.m_pData[i];
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::OpenGap(INT_PTR nIndex, INT_PTR nCount) {
  if (nIndex < 0 || nCount <= 0 || nCount > MaxElements() - (nIndex > m_nSize ? nIndex : m_nSize))
    AfxThrowInvalidArgException();
  INT_PTR nOldSize = m_nSize;
  SetSize((nIndex > nOldSize ? nIndex : nOldSize) + nCount);
  for (INT_PTR i = nOldSize - 1; i >= nIndex; --i) m_pData[i + nCount] = std::move(m_pData[i]);
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::InsertAt(INT_PTR nIndex, ARG_TYPE newElement, INT_PTR nCount) {
  TYPE value(newElement);  // newElement may be an element of this array
  OpenGap(nIndex, nCount);
  for (INT_PTR i = 0; i < nCount; ++i) m_pData[nIndex + i] = value;
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::InsertAt(INT_PTR nStartIndex, const CArray* pNewArray) {
  if (pNewArray == nullptr || nStartIndex < 0) AfxThrowInvalidArgException();
  if (pNewArray->m_nSize == 0) return;
  // Copied first: the array may be inserted into itself.
  CArray copy;
  copy.Copy(*pNewArray);
  OpenGap(nStartIndex, copy.m_nSize);
  for (INT_PTR i = 0; i < copy.m_nSize; ++i) m_pData[nStartIndex + i] = std::move(copy.m_pData[i]);
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::RemoveAt(INT_PTR nIndex, INT_PTR nCount) {
  if (nIndex < 0 || nCount < 0 || nIndex > m_nSize || nCount > m_nSize - nIndex) AfxThrowInvalidArgException();
  for (INT_PTR i = nIndex + nCount; i < m_nSize; ++i) m_pData[i - nCount] = std::move(m_pData[i]);
  Destroy(m_nSize - nCount, m_nSize);
  m_nSize -= nCount;
}
