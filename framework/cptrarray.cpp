#include "cptrarray.h"

#include <stdint.h>
#include <stdlib.h>
#include <string.h>

#include "array_growth.h"
#include "cinvalidargexception.h"
#include "cmemoryexception.h"

IMPLEMENT_DYNAMIC(CPtrArray, CObject)

namespace {

const INT_PTR kMaxElements = static_cast<INT_PTR>(INTPTR_MAX / sizeof(void*));

}  // namespace

CPtrArray::CPtrArray() : m_pData(nullptr), m_nSize(0), m_nMaxSize(0), m_nGrowBy(0) {}

CPtrArray::~CPtrArray() { free(m_pData); }

INT_PTR CPtrArray::Checked(INT_PTR nIndex) const {
  if (nIndex < 0 || nIndex >= m_nSize) AfxThrowInvalidArgException();
  return nIndex;
}

void CPtrArray::Reallocate(INT_PTR nNewMax) {
  if (nNewMax > kMaxElements) AfxThrowMemoryException();
  void** pNewData = static_cast<void**>(malloc(static_cast<size_t>(nNewMax) * sizeof(void*)));
  if (pNewData == nullptr) AfxThrowMemoryException();
  if (m_nSize > 0) memcpy(pNewData, m_pData, static_cast<size_t>(m_nSize) * sizeof(void*));
  free(m_pData);
  m_pData = pNewData;
  m_nMaxSize = nNewMax;
}

void CPtrArray::SetSize(INT_PTR nNewSize, INT_PTR nGrowBy) {
  if (nNewSize < 0) AfxThrowInvalidArgException();
  if (nGrowBy >= 0) m_nGrowBy = nGrowBy;
  if (nNewSize == 0) {
    free(m_pData);
    m_pData = nullptr;
    m_nSize = m_nMaxSize = 0;
    return;
  }
  if (nNewSize > m_nMaxSize) Reallocate(framework::GrownCapacity(m_nSize, m_nMaxSize, m_nGrowBy, nNewSize, kMaxElements));
  if (nNewSize > m_nSize)
    memset(m_pData + m_nSize, 0, static_cast<size_t>(nNewSize - m_nSize) * sizeof(void*));
  m_nSize = nNewSize;
}

void CPtrArray::FreeExtra() {
  if (m_nSize == m_nMaxSize) return;
  if (m_nSize == 0) {
    free(m_pData);
    m_pData = nullptr;
    m_nMaxSize = 0;
    return;
  }
  Reallocate(m_nSize);
}

void CPtrArray::SetAtGrow(INT_PTR nIndex, void* newElement) {
  if (nIndex < 0) AfxThrowInvalidArgException();
  if (nIndex >= m_nSize) SetSize(nIndex + 1);
  m_pData[nIndex] = newElement;
}

INT_PTR CPtrArray::Add(void* newElement) {
  INT_PTR nIndex = m_nSize;
  SetAtGrow(nIndex, newElement);
  return nIndex;
}

void CPtrArray::InsertAt(INT_PTR nIndex, void* newElement, INT_PTR nCount) {
  if (nIndex < 0 || nCount <= 0 || nCount > kMaxElements - (nIndex > m_nSize ? nIndex : m_nSize))
    AfxThrowInvalidArgException();
  if (nIndex >= m_nSize) {
    SetSize(nIndex + nCount);
  } else {
    INT_PTR nOldSize = m_nSize;
    SetSize(m_nSize + nCount);
    memmove(m_pData + nIndex + nCount, m_pData + nIndex, static_cast<size_t>(nOldSize - nIndex) * sizeof(void*));
  }
  for (INT_PTR i = 0; i < nCount; ++i) m_pData[nIndex + i] = newElement;
}

void CPtrArray::InsertAt(INT_PTR nStartIndex, const CPtrArray* pNewArray) {
  if (pNewArray == nullptr || nStartIndex < 0) AfxThrowInvalidArgException();
  INT_PTR nCount = pNewArray->GetSize();
  if (nCount == 0) return;
  // Copied first: the array may be inserted into itself.
  CPtrArray copy;
  copy.Copy(*pNewArray);
  InsertAt(nStartIndex, nullptr, nCount);
  memcpy(m_pData + nStartIndex, copy.m_pData, static_cast<size_t>(nCount) * sizeof(void*));
}

void CPtrArray::RemoveAt(INT_PTR nIndex, INT_PTR nCount) {
  if (nIndex < 0 || nCount < 0 || nIndex > m_nSize || nCount > m_nSize - nIndex) AfxThrowInvalidArgException();
  INT_PTR nMoved = m_nSize - (nIndex + nCount);
  if (nMoved > 0)
    memmove(m_pData + nIndex, m_pData + nIndex + nCount, static_cast<size_t>(nMoved) * sizeof(void*));
  m_nSize -= nCount;
}

INT_PTR CPtrArray::Append(const CPtrArray& src) {
  INT_PTR nOldSize = m_nSize;
  if (src.m_nSize == 0) return nOldSize;
  INT_PTR nCount = src.m_nSize;  // read before growing: src may be this array
  SetSize(m_nSize + nCount);
  memmove(m_pData + nOldSize, src.m_pData, static_cast<size_t>(nCount) * sizeof(void*));
  return nOldSize;
}

void CPtrArray::Copy(const CPtrArray& src) {
  if (&src == this) return;
  SetSize(src.m_nSize);
  if (m_nSize > 0) memcpy(m_pData, src.m_pData, static_cast<size_t>(m_nSize) * sizeof(void*));
}
