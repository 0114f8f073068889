// A doubly linked list of CString. Nodes come from blocks of nBlockSize nodes and go back to a
// free list when removed; the blocks are freed when the list becomes empty.
#pragma once

#include "cobject.h"
#include "cplex.h"
#include "cstringt.h"
#include "position.h"

class CStringList : public CObject {
  DECLARE_DYNAMIC(CStringList)

 protected:
  struct CNode {
    CNode* pNext;
    CNode* pPrev;
    CString data;
  };

 public:
  explicit CStringList(INT_PTR nBlockSize = 10);
  ~CStringList() override;

  INT_PTR GetCount() const { return m_nCount; }
  INT_PTR GetSize() const { return m_nCount; }
  BOOL IsEmpty() const { return m_nCount == 0; }

  // The list must not be empty.
  CString& GetHead();
  const CString& GetHead() const;
  CString& GetTail();
  const CString& GetTail() const;
  CString RemoveHead();
  CString RemoveTail();

  POSITION AddHead(CString::PCXSTR newElement);
  POSITION AddHead(const CString& newElement);
  void AddHead(CStringList* pNewList);
  POSITION AddTail(CString::PCXSTR newElement);
  POSITION AddTail(const CString& newElement);
  void AddTail(CStringList* pNewList);
  void RemoveAll();

  POSITION GetHeadPosition() const { return Position(m_pNodeHead); }
  POSITION GetTailPosition() const { return Position(m_pNodeTail); }
  // The element at rPosition; rPosition moves on (null after the last one).
  CString& GetNext(POSITION& rPosition);
  const CString& GetNext(POSITION& rPosition) const;
  CString& GetPrev(POSITION& rPosition);
  const CString& GetPrev(POSITION& rPosition) const;

  CString& GetAt(POSITION position);
  const CString& GetAt(POSITION position) const;
  void SetAt(POSITION pos, CString::PCXSTR newElement);
  void SetAt(POSITION pos, const CString& newElement);
  void RemoveAt(POSITION position);

  // A null position inserts at the head (before) or the tail (after).
  POSITION InsertBefore(POSITION position, CString::PCXSTR newElement);
  POSITION InsertBefore(POSITION position, const CString& newElement);
  POSITION InsertAfter(POSITION position, CString::PCXSTR newElement);
  POSITION InsertAfter(POSITION position, const CString& newElement);

  POSITION Find(CString::PCXSTR searchValue, POSITION startAfter = nullptr) const;
  POSITION FindIndex(INT_PTR nIndex) const;

 protected:
  CNode* NewNode(CNode* pPrev, CNode* pNext);
  void FreeNode(CNode* pNode);

  CNode* m_pNodeHead;
  CNode* m_pNodeTail;
  INT_PTR m_nCount;
  CNode* m_pNodeFree;
  CPlex* m_pBlocks;
  INT_PTR m_nBlockSize;

 private:
  static POSITION Position(CNode* pNode) { return reinterpret_cast<POSITION>(pNode); }
  static CNode* Node(POSITION position);
  CNode* Head() const;
  CNode* Tail() const;
  void Unlink(CNode* pNode);
};
