#include "cstringlist.h"

#include <new>

#include "cinvalidargexception.h"

IMPLEMENT_DYNAMIC(CStringList, CObject)

CStringList::CStringList(INT_PTR nBlockSize)
    : m_pNodeHead(nullptr),
      m_pNodeTail(nullptr),
      m_nCount(0),
      m_pNodeFree(nullptr),
      m_pBlocks(nullptr),
      m_nBlockSize(nBlockSize > 0 ? nBlockSize : 10) {}

CStringList::~CStringList() { RemoveAll(); }

CStringList::CNode* CStringList::Node(POSITION position) {
  if (position == nullptr) AfxThrowInvalidArgException();
  return reinterpret_cast<CNode*>(position);
}

CStringList::CNode* CStringList::Head() const {
  if (m_pNodeHead == nullptr) AfxThrowInvalidArgException();
  return m_pNodeHead;
}

CStringList::CNode* CStringList::Tail() const {
  if (m_pNodeTail == nullptr) AfxThrowInvalidArgException();
  return m_pNodeTail;
}

CString& CStringList::GetHead() { return Head()->data; }
const CString& CStringList::GetHead() const { return Head()->data; }
CString& CStringList::GetTail() { return Tail()->data; }
const CString& CStringList::GetTail() const { return Tail()->data; }

CString CStringList::RemoveHead() {
  CNode* pNode = Head();
  CString value = pNode->data;
  RemoveAt(Position(pNode));
  return value;
}

CString CStringList::RemoveTail() {
  CNode* pNode = Tail();
  CString value = pNode->data;
  RemoveAt(Position(pNode));
  return value;
}

POSITION CStringList::AddHead(CString::PCXSTR newElement) { return InsertBefore(nullptr, newElement); }
POSITION CStringList::AddHead(const CString& newElement) { return InsertBefore(nullptr, newElement); }
POSITION CStringList::AddTail(CString::PCXSTR newElement) { return InsertAfter(nullptr, newElement); }
POSITION CStringList::AddTail(const CString& newElement) { return InsertAfter(nullptr, newElement); }

void CStringList::AddHead(CStringList* pNewList) {
  // From its tail backwards, so that the added elements keep their order.
  for (POSITION pos = pNewList->GetTailPosition(); pos != nullptr;) AddHead(pNewList->GetPrev(pos));
}

void CStringList::AddTail(CStringList* pNewList) {
  for (POSITION pos = pNewList->GetHeadPosition(); pos != nullptr;) AddTail(pNewList->GetNext(pos));
}

void CStringList::RemoveAll() {
  // Every node of every block holds a constructed CString, used or free.
  for (CPlex* pBlock = m_pBlocks; pBlock != nullptr; pBlock = pBlock->pNext) {
    CNode* pNodes = static_cast<CNode*>(pBlock->data());
    for (INT_PTR i = 0; i < m_nBlockSize; ++i) pNodes[i].~CNode();
  }
  if (m_pBlocks != nullptr) m_pBlocks->FreeDataChain();
  m_pBlocks = nullptr;
  m_pNodeHead = m_pNodeTail = m_pNodeFree = nullptr;
  m_nCount = 0;
}

CString& CStringList::GetNext(POSITION& rPosition) {
  CNode* pNode = Node(rPosition);
  rPosition = Position(pNode->pNext);
  return pNode->data;
}

const CString& CStringList::GetNext(POSITION& rPosition) const {
  CNode* pNode = Node(rPosition);
  rPosition = Position(pNode->pNext);
  return pNode->data;
}

CString& CStringList::GetPrev(POSITION& rPosition) {
  CNode* pNode = Node(rPosition);
  rPosition = Position(pNode->pPrev);
  return pNode->data;
}

const CString& CStringList::GetPrev(POSITION& rPosition) const {
  CNode* pNode = Node(rPosition);
  rPosition = Position(pNode->pPrev);
  return pNode->data;
}

CString& CStringList::GetAt(POSITION position) { return Node(position)->data; }
const CString& CStringList::GetAt(POSITION position) const { return Node(position)->data; }
void CStringList::SetAt(POSITION pos, CString::PCXSTR newElement) { Node(pos)->data = newElement; }
void CStringList::SetAt(POSITION pos, const CString& newElement) { Node(pos)->data = newElement; }

void CStringList::RemoveAt(POSITION position) {
  CNode* pNode = Node(position);
  Unlink(pNode);
  FreeNode(pNode);
}

POSITION CStringList::InsertBefore(POSITION position, CString::PCXSTR newElement) {
  return InsertBefore(position, CString(newElement));
}

POSITION CStringList::InsertBefore(POSITION position, const CString& newElement) {
  CNode* pNext = position == nullptr ? m_pNodeHead : Node(position);
  CNode* pNode = NewNode(pNext != nullptr ? pNext->pPrev : nullptr, pNext);
  pNode->data = newElement;
  if (pNode->pPrev != nullptr) {
    pNode->pPrev->pNext = pNode;
  } else {
    m_pNodeHead = pNode;
  }
  if (pNext != nullptr) {
    pNext->pPrev = pNode;
  } else {
    m_pNodeTail = pNode;
  }
  return Position(pNode);
}

POSITION CStringList::InsertAfter(POSITION position, CString::PCXSTR newElement) {
  return InsertAfter(position, CString(newElement));
}

POSITION CStringList::InsertAfter(POSITION position, const CString& newElement) {
  CNode* pPrev = position == nullptr ? m_pNodeTail : Node(position);
  CNode* pNode = NewNode(pPrev, pPrev != nullptr ? pPrev->pNext : nullptr);
  pNode->data = newElement;
  if (pNode->pNext != nullptr) {
    pNode->pNext->pPrev = pNode;
  } else {
    m_pNodeTail = pNode;
  }
  if (pPrev != nullptr) {
    pPrev->pNext = pNode;
  } else {
    m_pNodeHead = pNode;
  }
  return Position(pNode);
}

POSITION CStringList::Find(CString::PCXSTR searchValue, POSITION startAfter) const {
  CNode* pNode = startAfter == nullptr ? m_pNodeHead : Node(startAfter)->pNext;
  for (; pNode != nullptr; pNode = pNode->pNext)
    if (pNode->data == searchValue) return Position(pNode);
  return nullptr;
}

POSITION CStringList::FindIndex(INT_PTR nIndex) const {
  if (nIndex < 0 || nIndex >= m_nCount) return nullptr;
  CNode* pNode = m_pNodeHead;
  while (nIndex-- > 0) pNode = pNode->pNext;
  return Position(pNode);
}

CStringList::CNode* CStringList::NewNode(CNode* pPrev, CNode* pNext) {
  if (m_pNodeFree == nullptr) {
    CPlex* pBlock = CPlex::Create(m_pBlocks, static_cast<size_t>(m_nBlockSize), sizeof(CNode));
    CNode* pNodes = static_cast<CNode*>(pBlock->data());
    // Chained in address order: the first node of the block is used first.
    for (INT_PTR i = m_nBlockSize - 1; i >= 0; --i) {
      new (&pNodes[i]) CNode{m_pNodeFree, nullptr, CString()};
      m_pNodeFree = &pNodes[i];
    }
  }
  CNode* pNode = m_pNodeFree;
  m_pNodeFree = pNode->pNext;
  pNode->pPrev = pPrev;
  pNode->pNext = pNext;
  ++m_nCount;
  return pNode;
}

void CStringList::FreeNode(CNode* pNode) {
  pNode->data.Empty();
  pNode->pNext = m_pNodeFree;
  m_pNodeFree = pNode;
  if (--m_nCount == 0) RemoveAll();
}

void CStringList::Unlink(CNode* pNode) {
  if (pNode == m_pNodeHead) {
    m_pNodeHead = pNode->pNext;
  } else {
    pNode->pPrev->pNext = pNode->pNext;
  }
  if (pNode == m_pNodeTail) {
    m_pNodeTail = pNode->pPrev;
  } else {
    pNode->pNext->pPrev = pNode->pPrev;
  }
}
