#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "maldi/experiments/MaldiEntryList.h"
#include "tests/maldi/experiments/AllocationLimit.h"

namespace {

double& Number(MaldiSwitchMassEntry& e) { return e.dSetMass; }
double& Number(MaldiCEProfileEntry& e) { return e.dFromMass; }

// A recognisable entry of either kind: the first field carries the number, the flags its low bits.
template <class Entry>
Entry Numbered(int n)
{
    Entry e{};
    Number(e) = n;
    e.dCollisionEnergy[4] = n * 0.5;
    e.wFlags = static_cast<WORD>(n);
    return e;
}

template <class Entry>
bool AllZero(const Entry& e)
{
    static const Entry zero{};
    return std::memcmp(&e, &zero, sizeof e) == 0;
}

template <class Entry>
class MaldiEntryListTest : public ::testing::Test {
protected:
    using List = MaldiEntryList<Entry>;

    // A list holding entries 0 .. count-1 at the given capacity.
    static List* Filled(int capacity, int count)
    {
        List* list = List::Create(capacity);
        for (int i = 0; i < count; ++i)
            EXPECT_TRUE(List::Append(list, Numbered<Entry>(i)));
        return list;
    }
    static std::vector<double> Numbers(const List* list)
    {
        std::vector<Entry> copy(static_cast<std::size_t>(List::Count(list)));
        EXPECT_TRUE(List::CopyOut(list, copy.data()));
        std::vector<double> numbers;
        for (Entry& e : copy)
            numbers.push_back(Number(e));
        return numbers;
    }
};

using EntryKinds = ::testing::Types<MaldiSwitchMassEntry, MaldiCEProfileEntry>;
TYPED_TEST_SUITE(MaldiEntryListTest, EntryKinds);

TYPED_TEST(MaldiEntryListTest, CreateGivesAnEmptyZeroFilledList)
{
    using List = typename TestFixture::List;
    List* list = List::Create(100);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(List::Count(list), 0);
    EXPECT_EQ(list->nCapacity, 100);
    ASSERT_NE(list->pEntries, nullptr);
    for (int i = 0; i < 100; ++i)
        EXPECT_TRUE(AllZero(list->pEntries[i])) << i;
    EXPECT_EQ(List::Destroy(list), nullptr);

    EXPECT_EQ(List::Create(-1), nullptr);
    // No capacity: a list that takes nothing, like one whose array could not be allocated.
    list = List::Create(0);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->pEntries, nullptr);
    EXPECT_FALSE(List::Append(list, Numbered<TypeParam>(1)));
    List::Destroy(list);
}

TYPED_TEST(MaldiEntryListTest, AppendDoublesAFullList)
{
    using List = typename TestFixture::List;
    List* list = this->Filled(100, 100);
    ASSERT_EQ(list->nCapacity, 100);
    List* before = list;

    ASSERT_TRUE(List::Append(list, Numbered<TypeParam>(100)));
    EXPECT_NE(list, before) << "growth replaces the list";
    EXPECT_EQ(list->nCapacity, 200);
    EXPECT_EQ(List::Count(list), 101);
    std::vector<double> numbers = this->Numbers(list);
    for (int i = 0; i <= 100; ++i)
        EXPECT_EQ(numbers[static_cast<std::size_t>(i)], i);
    EXPECT_EQ(list->pEntries[100].wFlags, 100);
    EXPECT_TRUE(AllZero(list->pEntries[101]));
    EXPECT_TRUE(AllZero(list->pEntries[199]));
    List::Destroy(list);

    // A capacity of one grows too.
    list = this->Filled(1, 3);
    EXPECT_EQ(list->nCapacity, 4);
    EXPECT_EQ(this->Numbers(list), (std::vector<double>{0, 1, 2}));
    List::Destroy(list);
}

TYPED_TEST(MaldiEntryListTest, RemoveShrinksToTheOldCount)
{
    using List = typename TestFixture::List;
    List* list = this->Filled(5, 5);
    ASSERT_TRUE(List::Remove(list, 2));
    EXPECT_EQ(list->nCapacity, 5);
    EXPECT_EQ(this->Numbers(list), (std::vector<double>{0, 1, 3, 4}));
    ASSERT_TRUE(List::Remove(list, 0));
    EXPECT_EQ(list->nCapacity, 4);
    ASSERT_TRUE(List::Remove(list, 2));
    EXPECT_EQ(list->nCapacity, 3);
    EXPECT_EQ(this->Numbers(list), (std::vector<double>{1, 3}));

    EXPECT_FALSE(List::Remove(list, -1));
    EXPECT_FALSE(List::Remove(list, 2));
    EXPECT_EQ(List::Count(list), 2);

    ASSERT_TRUE(List::Remove(list, 1));
    ASSERT_TRUE(List::Remove(list, 0));
    EXPECT_EQ(List::Count(list), 0);
    EXPECT_EQ(list->nCapacity, 1);
    // An emptied list still takes entries.
    EXPECT_TRUE(List::Append(list, Numbered<TypeParam>(9)));
    EXPECT_EQ(this->Numbers(list), (std::vector<double>{9}));
    List::Destroy(list);
}

TYPED_TEST(MaldiEntryListTest, ReplaceAndCopyOut)
{
    using List = typename TestFixture::List;
    List* list = this->Filled(10, 3);
    EXPECT_TRUE(List::Replace(list, 1, Numbered<TypeParam>(7)));
    EXPECT_FALSE(List::Replace(list, 3, Numbered<TypeParam>(8)));
    EXPECT_FALSE(List::Replace(list, -1, Numbered<TypeParam>(8)));
    EXPECT_EQ(this->Numbers(list), (std::vector<double>{0, 7, 2}));
    EXPECT_EQ(list->pEntries[1].wFlags, 7);
    EXPECT_EQ(list->pEntries[1].dCollisionEnergy[4], 3.5);

    EXPECT_FALSE(List::CopyOut(list, nullptr));
    List* empty = List::Create(10);
    EXPECT_TRUE(List::CopyOut(empty, nullptr)) << "nothing to copy";
    List::Destroy(empty);
    List::Destroy(list);
}

TYPED_TEST(MaldiEntryListTest, NoListIsSkippedEverywhere)
{
    using List = typename TestFixture::List;
    List* none = nullptr;
    TypeParam e = Numbered<TypeParam>(1);
    TypeParam out[1] = {};
    EXPECT_EQ(List::Count(none), 0);
    EXPECT_FALSE(List::Append(none, e));
    EXPECT_FALSE(List::Remove(none, 0));
    EXPECT_FALSE(List::Replace(none, 0, e));
    EXPECT_FALSE(List::CopyOut(none, out));
    EXPECT_EQ(List::Destroy(none), nullptr);
    EXPECT_EQ(none, nullptr);
    EXPECT_TRUE(AllZero(out[0]));
}

TYPED_TEST(MaldiEntryListTest, OutOfMemoryLeavesTheListAsItWas)
{
    using List = typename TestFixture::List;
    {
        AllocationLimit limit(0);
        EXPECT_EQ(List::Create(100), nullptr);
    }
    {
        AllocationLimit limit(1);  // the header only
        List* list = List::Create(100);
        ASSERT_NE(list, nullptr);
        EXPECT_EQ(list->nCapacity, 0);
        EXPECT_EQ(list->pEntries, nullptr);
        EXPECT_FALSE(List::Append(list, Numbered<TypeParam>(1)));
        EXPECT_EQ(List::Count(list), 0);
        List::Destroy(list);
    }

    List* list = this->Filled(2, 2);
    List* before = list;
    {
        AllocationLimit limit(1);  // a new header, but no array
        EXPECT_FALSE(List::Append(list, Numbered<TypeParam>(2)));
        EXPECT_FALSE(List::Remove(list, 0));
    }
    {
        AllocationLimit limit(0);
        EXPECT_FALSE(List::Append(list, Numbered<TypeParam>(2)));
        EXPECT_FALSE(List::Remove(list, 0));
    }
    EXPECT_EQ(list, before);
    EXPECT_EQ(list->nCapacity, 2);
    EXPECT_EQ(this->Numbers(list), (std::vector<double>{0, 1}));
    List::Destroy(list);
}

TYPED_TEST(MaldiEntryListTest, GrowthBeyondThirtyTwoBitsIsRefused)
{
    using List = typename TestFixture::List;
    // A header that claims a huge full array: growth must stop before asking for memory.
    TypeParam one{};
    List huge{1 << 30, 1 << 30, &one};
    List* list = &huge;
    AllocationLimit limit(0);
    EXPECT_FALSE(List::Append(list, Numbered<TypeParam>(1)));
    EXPECT_EQ(list, &huge);
    EXPECT_EQ(limit.Requests(), 0);
}

}  // namespace
