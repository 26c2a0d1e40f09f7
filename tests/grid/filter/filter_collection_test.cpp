#include "grid/filter/filter_collection.h"

#include <gtest/gtest.h>

namespace {

TEST(FilterCollection, AddJoinsAndColumnLookUps) {
  TFilter filter;
  TFilterData* first = filter.GetColFilter(3);
  ASSERT_EQ(filter.Count(), 1);
  EXPECT_EQ(first->Column(), 3);
  EXPECT_EQ(first->Operation(), foNONE);
  EXPECT_TRUE(first->CaseSensitive());
  EXPECT_EQ(first->Method(), fmExpression);
  EXPECT_EQ(first->Data(), fcVirtual);
  EXPECT_EQ(filter.GetColFilter(3), first);
  EXPECT_EQ(filter.Count(), 1);

  EXPECT_EQ(filter.Add()->Operation(), foAND);
  EXPECT_EQ(filter.Insert(0)->Operation(), foSHORT);
  EXPECT_EQ(filter.Items(2)->Operation(), foSHORT);  // appended: the index chose nothing

  EXPECT_FALSE(filter.HasFilter(7));
  EXPECT_EQ(filter.Count(), 3);  // asking created nothing
}

TEST(FilterCollection, RemoveColumnFilterTakesEveryConditionAndRepaintsTheHeader) {
  TFilter filter;
  std::vector<int> repainted;
  filter.OnRepaintHeader = [&](int col) { repainted.push_back(col); };
  for (int col : {2, 1, 2, 2}) {
    TFilterData* d = filter.Add();
    d->SetColumn(col);
    d->SetCondition(QString::number(col));
  }
  filter.RemoveColumnFilter(2);
  ASSERT_EQ(filter.Count(), 1);
  EXPECT_EQ(filter.Items(0)->Column(), 1);
  EXPECT_EQ(repainted, std::vector<int>{2});
}

TEST(FilterCollection, AssignCopiesAllButTheMethod) {
  TFilter filter;
  TFilterData* source = filter.Add();
  source->SetColumn(4);
  source->SetCondition(">1");
  source->SetCaseSensitive(false);
  source->SetPrefix("p");
  source->SetSuffix("s");
  source->SetOperation(foXOR);
  source->SetData(fcStripHTML);
  source->SetMethod(fmLiteral);
  TFilterData* target = filter.Add();
  filter.SetItems(1, source);
  EXPECT_EQ(target->Column(), 4);
  EXPECT_EQ(target->Condition(), ">1");
  EXPECT_FALSE(target->CaseSensitive());
  EXPECT_EQ(target->Prefix(), "p");
  EXPECT_EQ(target->Suffix(), "s");
  EXPECT_EQ(target->Operation(), foXOR);
  EXPECT_EQ(target->Data(), fcStripHTML);
  EXPECT_EQ(target->Method(), fmExpression);
  // Anything that is not a condition leaves it as it was.
  const QString other;
  target->Assign(&other);
  EXPECT_EQ(target->Column(), 4);
}

}  // namespace
