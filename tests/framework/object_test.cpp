#include <gtest/gtest.h>

#include "cexception.h"
#include "cfileexception.h"
#include "cmemoryexception.h"
#include "cobject.h"
#include "cstringlist.h"

namespace {

class CShape : public CObject {
  DECLARE_DYNAMIC(CShape)
};
IMPLEMENT_DYNAMIC(CShape, CObject)

class CCircle : public CShape {
  DECLARE_DYNCREATE(CCircle)

 public:
  int radius = 7;
};
IMPLEMENT_DYNCREATE(CCircle, CShape)

TEST(RuntimeClassTest, RecordsDescribeTheClass) {
  const CRuntimeClass* circle = RUNTIME_CLASS(CCircle);
  EXPECT_STREQ(circle->m_lpszClassName, "CCircle");
  EXPECT_EQ(circle->m_nObjectSize, static_cast<int>(sizeof(CCircle)));
  EXPECT_EQ(circle->m_wSchema, 0xFFFFu);
  EXPECT_EQ(circle->m_pBaseClass, RUNTIME_CLASS(CShape));
  EXPECT_EQ(RUNTIME_CLASS(CShape)->m_pfnCreateObject, nullptr);
  EXPECT_EQ(RUNTIME_CLASS(CObject)->m_pBaseClass, nullptr);
}

TEST(RuntimeClassTest, IsKindOfWalksTheBaseChain) {
  CCircle circle;
  CShape shape;
  const CObject& as_object = circle;
  EXPECT_EQ(as_object.GetRuntimeClass(), RUNTIME_CLASS(CCircle));
  EXPECT_TRUE(circle.IsKindOf(RUNTIME_CLASS(CCircle)));
  EXPECT_TRUE(circle.IsKindOf(RUNTIME_CLASS(CShape)));
  EXPECT_TRUE(circle.IsKindOf(RUNTIME_CLASS(CObject)));
  EXPECT_FALSE(shape.IsKindOf(RUNTIME_CLASS(CCircle)));
  EXPECT_FALSE(circle.IsKindOf(RUNTIME_CLASS(CStringList)));
  EXPECT_FALSE(circle.IsSerializable());

  CStringList list;
  EXPECT_TRUE(list.IsKindOf(RUNTIME_CLASS(CObject)));
  CFileException file_error;
  EXPECT_TRUE(file_error.IsKindOf(RUNTIME_CLASS(CException)));
  EXPECT_FALSE(file_error.IsKindOf(RUNTIME_CLASS(CMemoryException)));
}

TEST(RuntimeClassTest, CreateObjectOnlyForDynCreate) {
  CObject* created = RUNTIME_CLASS(CCircle)->CreateObject();
  ASSERT_NE(created, nullptr);
  EXPECT_TRUE(created->IsKindOf(RUNTIME_CLASS(CCircle)));
  EXPECT_EQ(static_cast<CCircle*>(created)->radius, 7);
  delete created;
  EXPECT_EQ(RUNTIME_CLASS(CShape)->CreateObject(), nullptr);
}

TEST(ExceptionTest, ThrownByPointerAndDeleted) {
  try {
    AfxThrowMemoryException();
  } catch (CException* e) {
    EXPECT_TRUE(e->IsKindOf(RUNTIME_CLASS(CMemoryException)));
    char text[64];
    EXPECT_TRUE(e->GetErrorMessage(text, sizeof text));
    EXPECT_GT(strlen(text), 0u);
    e->Delete();  // the shared object survives its Delete
  }
  try {
    AfxThrowMemoryException();
  } catch (CMemoryException* e) {
    e->Delete();
  }
}

}  // namespace
