// A growable array of untyped pointers. New slots are null; the storage grows by a block of
// slots at a time (the grow-by count, or a size-dependent default) so that repeated Add calls
// seldom copy the array.
#pragma once

#include "cobject.h"

class CPtrArray : public CObject {
  DECLARE_DYNAMIC(CPtrArray)

 public:
  CPtrArray();
  ~CPtrArray() override;

  INT_PTR GetSize() const { return m_nSize; }
  INT_PTR GetCount() const { return m_nSize; }
  BOOL IsEmpty() const { return m_nSize == 0; }
  INT_PTR GetUpperBound() const { return m_nSize - 1; }
  // A negative nGrowBy keeps the current grow-by count. Throws CInvalidArgException* for a
  // negative size and CMemoryException* when the storage cannot grow.
  void SetSize(INT_PTR nNewSize, INT_PTR nGrowBy = -1);
  // Releases the storage above the upper bound.
  void FreeExtra();
  void RemoveAll() { SetSize(0); }

  // Indexes outside 0 to GetUpperBound() throw CInvalidArgException*.
  void* GetAt(INT_PTR nIndex) const { return m_pData[Checked(nIndex)]; }
  void SetAt(INT_PTR nIndex, void* newElement) { m_pData[Checked(nIndex)] = newElement; }
  void*& ElementAt(INT_PTR nIndex) { return m_pData[Checked(nIndex)]; }
  void* operator[](INT_PTR nIndex) const { return GetAt(nIndex); }
  void*& operator[](INT_PTR nIndex) { return ElementAt(nIndex); }
  const void** GetData() const { return const_cast<const void**>(m_pData); }
  void** GetData() { return m_pData; }

  // Grows the array when nIndex lies beyond its end.
  void SetAtGrow(INT_PTR nIndex, void* newElement);
  INT_PTR Add(void* newElement);
  // Inserts nCount copies at nIndex, moving the elements from there up; an index beyond the end
  // grows the array to it first.
  void InsertAt(INT_PTR nIndex, void* newElement, INT_PTR nCount = 1);
  void InsertAt(INT_PTR nStartIndex, const CPtrArray* pNewArray);
  // Removes nCount elements from nIndex on, moving the later ones down.
  void RemoveAt(INT_PTR nIndex, INT_PTR nCount = 1);
  INT_PTR Append(const CPtrArray& src);
  void Copy(const CPtrArray& src);

 protected:
  void** m_pData;
  INT_PTR m_nSize;
  INT_PTR m_nMaxSize;
  INT_PTR m_nGrowBy;

 private:
  INT_PTR Checked(INT_PTR nIndex) const;
  // Moves the storage to one of exactly nNewMax slots, keeping the first m_nSize elements.
  void Reallocate(INT_PTR nNewMax);
};
