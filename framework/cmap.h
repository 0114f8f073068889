// A hash map from KEY to VALUE, passed to its members as ARG_KEY and ARG_VALUE. Keys are hashed
// by HashKey<ARG_KEY> (a program may specialise it for its own key types) and compared by
// CompareElements. The associations come from blocks of nBlockSize, kept on a free list once
// removed; the blocks and the hash table go when the map becomes empty.
#pragma once

#include <stdint.h>
#include <stdlib.h>

#include <new>
#include <type_traits>

#include "cobject.h"
#include "cplex.h"
#include "cstringt.h"
#include "framework_throw.h"
#include "position.h"

template <class ARG_KEY>
inline UINT HashKey(ARG_KEY key) {
  using Key = std::remove_cv_t<std::remove_reference_t<ARG_KEY>>;
  static_assert(std::is_integral_v<Key> || std::is_enum_v<Key> || std::is_pointer_v<Key>,
                "HashKey needs a specialisation for this key type");
  ULONGLONG bits;
  if constexpr (std::is_pointer_v<Key>) {
    bits = reinterpret_cast<uintptr_t>(key) >> 4;  // the low bits of an address are its alignment
  } else {
    bits = static_cast<ULONGLONG>(key);
  }
  return static_cast<UINT>(bits ^ (bits >> 32));
}

namespace framework {

template <class Ch>
UINT HashText(const Ch* key) {
  UINT nHash = 0;
  for (; key != nullptr && *key != 0; ++key) nHash = (nHash << 5) + nHash + static_cast<UINT>(*key);
  return nHash;
}

}  // namespace framework

template <>
inline UINT HashKey<LPCSTR>(LPCSTR key) {
  return framework::HashText(key);
}
template <>
inline UINT HashKey<LPCWSTR>(LPCWSTR key) {
  return framework::HashText(key);
}
template <>
inline UINT HashKey<const CStringA&>(const CStringA& key) {
  return framework::HashText(key.GetString());
}
template <>
inline UINT HashKey<const CStringW&>(const CStringW& key) {
  return framework::HashText(key.GetString());
}
template <>
inline UINT HashKey<CStringA>(CStringA key) {
  return framework::HashText(key.GetString());
}
template <>
inline UINT HashKey<CStringW>(CStringW key) {
  return framework::HashText(key.GetString());
}

template <class TYPE, class ARG_TYPE>
inline BOOL CompareElements(const TYPE* pElement1, const ARG_TYPE* pElement2) {
  return *pElement1 == *pElement2;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
class CMap : public CObject {
 protected:
  struct CAssoc {
    CAssoc(ARG_KEY k, UINT nHash) : pNext(nullptr), nHashValue(nHash), key(k), value() {}
    CAssoc* pNext;
    UINT nHashValue;  // HashKey's value, before the modulo of the table size
    KEY key;
    VALUE value;
  };
  // The storage of an association: its link while it is on the free list.
  union Slot {
    Slot() : pNextFree(nullptr) {}
    ~Slot() {}
    Slot* pNextFree;
    CAssoc assoc;
  };

 public:
  explicit CMap(INT_PTR nBlockSize = 10)
      : m_pHashTable(nullptr),
        m_nHashTableSize(17),
        m_nCount(0),
        m_pFreeList(nullptr),
        m_pBlocks(nullptr),
        m_nBlockSize(nBlockSize > 0 ? nBlockSize : 10) {}
  ~CMap() override { RemoveAll(); }

  INT_PTR GetCount() const { return m_nCount; }
  INT_PTR GetSize() const { return m_nCount; }
  BOOL IsEmpty() const { return m_nCount == 0; }
  UINT GetHashTableSize() const { return m_nHashTableSize; }

  BOOL Lookup(ARG_KEY key, VALUE& rValue) const;
  // The value under key, added (value-initialised) when the key is new.
  VALUE& operator[](ARG_KEY key);
  void SetAt(ARG_KEY key, ARG_VALUE newValue) { (*this)[key] = newValue; }
  BOOL RemoveKey(ARG_KEY key);
  void RemoveAll();

  // Null when the map is empty. GetNextAssoc gives the association at rNextPosition and moves it
  // on, to null after the last one; each association is visited once, in no particular order.
  POSITION GetStartPosition() const;
  void GetNextAssoc(POSITION& rNextPosition, KEY& rKey, VALUE& rValue) const;

  // A prime near the expected number of keys serves best. The map keeps its associations.
  void InitHashTable(UINT nHashSize, BOOL bAllocNow = TRUE);

 protected:
  CAssoc** m_pHashTable;
  UINT m_nHashTableSize;
  INT_PTR m_nCount;
  Slot* m_pFreeList;
  CPlex* m_pBlocks;
  INT_PTR m_nBlockSize;

 private:
  CMap(const CMap&) = delete;
  CMap& operator=(const CMap&) = delete;

  CAssoc* Find(ARG_KEY key, UINT nHashValue) const;
  CAssoc* FirstFrom(UINT nBucket) const;
  CAssoc* NewAssoc(ARG_KEY key, UINT nHashValue);
  void FreeAssoc(CAssoc* pAssoc);
};

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
typename CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::CAssoc* CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::Find(
    ARG_KEY key, UINT nHashValue) const {
  if (m_pHashTable == nullptr) return nullptr;
  for (CAssoc* pAssoc = m_pHashTable[nHashValue % m_nHashTableSize]; pAssoc != nullptr; pAssoc = pAssoc->pNext)
    if (pAssoc->nHashValue == nHashValue && CompareElements(&pAssoc->key, &key)) return pAssoc;
  return nullptr;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
typename CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::CAssoc* CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::FirstFrom(
    UINT nBucket) const {
  for (; m_pHashTable != nullptr && nBucket < m_nHashTableSize; ++nBucket)
    if (m_pHashTable[nBucket] != nullptr) return m_pHashTable[nBucket];
  return nullptr;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
typename CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::CAssoc* CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::NewAssoc(
    ARG_KEY key, UINT nHashValue) {
  Slot* pFree = m_pFreeList;
  if (pFree == nullptr) {
    CPlex* pBlock = CPlex::Create(m_pBlocks, static_cast<size_t>(m_nBlockSize), sizeof(Slot));
    Slot* pSlots = static_cast<Slot*>(pBlock->data());
    for (INT_PTR i = m_nBlockSize - 1; i >= 0; --i) {
      Slot* pSlot = ::new (static_cast<void*>(pSlots + i)) Slot;
      pSlot->pNextFree = pFree;
      pFree = pSlot;
    }
  }
  Slot* pNextFree = pFree->pNextFree;
  CAssoc* pAssoc = ::new (static_cast<void*>(&pFree->assoc)) CAssoc(key, nHashValue);
  m_pFreeList = pNextFree;
  ++m_nCount;
  return pAssoc;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
void CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::FreeAssoc(CAssoc* pAssoc) {
  pAssoc->~CAssoc();
  // A union's address is its members' address.
  Slot* pSlot = reinterpret_cast<Slot*>(pAssoc);
  pSlot->pNextFree = m_pFreeList;
  m_pFreeList = pSlot;
  if (--m_nCount == 0) RemoveAll();
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
BOOL CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::Lookup(ARG_KEY key, VALUE& rValue) const {
  CAssoc* pAssoc = Find(key, HashKey<ARG_KEY>(key));
  if (pAssoc == nullptr) return FALSE;
  rValue = pAssoc->value;
  return TRUE;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
VALUE& CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::operator[](ARG_KEY key) {
  UINT nHashValue = HashKey<ARG_KEY>(key);
  if (CAssoc* pAssoc = Find(key, nHashValue)) return pAssoc->value;
  if (m_pHashTable == nullptr) InitHashTable(m_nHashTableSize);
  CAssoc* pAssoc = NewAssoc(key, nHashValue);
  CAssoc*& pBucket = m_pHashTable[nHashValue % m_nHashTableSize];
  pAssoc->pNext = pBucket;
  pBucket = pAssoc;
  return pAssoc->value;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
BOOL CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::RemoveKey(ARG_KEY key) {
  if (m_pHashTable == nullptr) return FALSE;
  UINT nHashValue = HashKey<ARG_KEY>(key);
  for (CAssoc** ppAssoc = &m_pHashTable[nHashValue % m_nHashTableSize]; *ppAssoc != nullptr;
       ppAssoc = &(*ppAssoc)->pNext) {
    CAssoc* pAssoc = *ppAssoc;
    if (pAssoc->nHashValue == nHashValue && CompareElements(&pAssoc->key, &key)) {
      *ppAssoc = pAssoc->pNext;
      FreeAssoc(pAssoc);
      return TRUE;
    }
  }
  return FALSE;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
void CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::RemoveAll() {
  for (UINT nBucket = 0; m_pHashTable != nullptr && nBucket < m_nHashTableSize; ++nBucket) {
    for (CAssoc* pAssoc = m_pHashTable[nBucket]; pAssoc != nullptr;) {
      CAssoc* pNext = pAssoc->pNext;
      pAssoc->~CAssoc();
      pAssoc = pNext;
    }
  }
  free(m_pHashTable);
  m_pHashTable = nullptr;
  m_nCount = 0;
  m_pFreeList = nullptr;
  if (m_pBlocks != nullptr) m_pBlocks->FreeDataChain();
  m_pBlocks = nullptr;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
POSITION CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::GetStartPosition() const {
  return reinterpret_cast<POSITION>(FirstFrom(0));
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
void CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::GetNextAssoc(POSITION& rNextPosition, KEY& rKey, VALUE& rValue) const {
  CAssoc* pAssoc = reinterpret_cast<CAssoc*>(rNextPosition);
  if (pAssoc == nullptr) AfxThrowInvalidArgException();
  rKey = pAssoc->key;
  rValue = pAssoc->value;
  CAssoc* pNext = pAssoc->pNext != nullptr ? pAssoc->pNext : FirstFrom(pAssoc->nHashValue % m_nHashTableSize + 1);
  rNextPosition = reinterpret_cast<POSITION>(pNext);
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
void CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::InitHashTable(UINT nHashSize, BOOL bAllocNow) {
  if (nHashSize == 0) AfxThrowInvalidArgException();
  CAssoc** pNewTable = nullptr;
  if (bAllocNow || m_nCount > 0) {
    pNewTable = static_cast<CAssoc**>(calloc(nHashSize, sizeof(CAssoc*)));
    if (pNewTable == nullptr) AfxThrowMemoryException();
  }
  // The associations move to their buckets in the new table.
  for (UINT nBucket = 0; m_pHashTable != nullptr && nBucket < m_nHashTableSize; ++nBucket) {
    for (CAssoc* pAssoc = m_pHashTable[nBucket]; pAssoc != nullptr;) {
      CAssoc* pNext = pAssoc->pNext;
      CAssoc*& pNewBucket = pNewTable[pAssoc->nHashValue % nHashSize];
      pAssoc->pNext = pNewBucket;
      pNewBucket = pAssoc;
      pAssoc = pNext;
    }
  }
  free(m_pHashTable);
  m_pHashTable = pNewTable;
  m_nHashTableSize = nHashSize;
}
