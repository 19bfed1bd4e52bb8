// The mass and profile lists the pages keep, for both kinds of entry, missing or out of memory.

#include <gtest/gtest.h>

#include <malloc.h>

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
        for (int i = 0; i < count; ++i) EXPECT_TRUE(List::Append(list, Numbered<Entry>(i)));
        return list;
    }
    // The numbers of the entries as a host copying them out sees them.
    static std::vector<double> Numbers(const List* list)
    {
        std::vector<Entry> copy(static_cast<std::size_t>(List::Count(list)));
        EXPECT_TRUE(List::CopyOut(list, copy.data()));
        std::vector<double> numbers;
        for (Entry& e : copy) numbers.push_back(Number(e));
        return numbers;
    }
};

using EntryKinds = ::testing::Types<MaldiSwitchMassEntry, MaldiCEProfileEntry>;
TYPED_TEST_SUITE(MaldiEntryListTest, EntryKinds);

TYPED_TEST(MaldiEntryListTest, AppendDoublesAFullListKeepingEveryEntryAndZeroingTheRest)
{
    using List = typename TestFixture::List;
    EXPECT_EQ(List::Create(-1), nullptr);
    List* list = this->Filled(100, 100);
    ASSERT_TRUE(List::Append(list, Numbered<TypeParam>(100)));
    EXPECT_EQ(list->nCapacity, 200);
    EXPECT_EQ(List::Count(list), 101);
    std::vector<double> expected;
    for (int i = 0; i <= 100; ++i) expected.push_back(i);
    EXPECT_EQ(this->Numbers(list), expected);
    EXPECT_EQ(list->pEntries[100].wFlags, 100);
    EXPECT_EQ(list->pEntries[100].dCollisionEnergy[4], 50.0);
    EXPECT_TRUE(AllZero(list->pEntries[101]));
    EXPECT_TRUE(AllZero(list->pEntries[199]));
    List::Destroy(list);

    list = this->Filled(1, 3); // a capacity of one grows too
    EXPECT_EQ(list->nCapacity, 4);
    EXPECT_EQ(this->Numbers(list), (std::vector<double>{0, 1, 2}));
    List::Destroy(list);

    // Growing gives back the block it outgrew: the leak would be every smaller block, over 200 kB.
    const auto inUse = [] { return static_cast<long long>(mallinfo2().uordblks + mallinfo2().hblkhd); };
    const long long before = inUse();
    List::Destroy(this->Filled(1, 4097));
    EXPECT_LT(inUse() - before, 64 * 1024) << "growth leaks the outgrown blocks";

    list = List::Create(0); // no capacity: a list that takes nothing
    ASSERT_NE(list, nullptr);
    EXPECT_FALSE(List::Append(list, Numbered<TypeParam>(1)));
    List::Destroy(list);
}

TYPED_TEST(MaldiEntryListTest, RemoveAndReplaceTouchOnlyTheirEntryAndRefuseIndexesOutside)
{
    using List = typename TestFixture::List;
    List* list = this->Filled(5, 5);
    for (int index : {-1, 5}) {
        EXPECT_FALSE(List::Remove(list, index)) << index;
        EXPECT_FALSE(List::Replace(list, index, Numbered<TypeParam>(8))) << index;
    }
    ASSERT_TRUE(List::Remove(list, 2));
    ASSERT_TRUE(List::Remove(list, 0));
    EXPECT_EQ(list->nCapacity, 4); // shrunk to the count before each removal
    ASSERT_TRUE(List::Remove(list, 2));
    EXPECT_EQ(this->Numbers(list), (std::vector<double>{1, 3}));
    EXPECT_TRUE(List::Replace(list, 1, Numbered<TypeParam>(7)));
    EXPECT_EQ(this->Numbers(list), (std::vector<double>{1, 7}));
    EXPECT_EQ(list->pEntries[1].wFlags, 7);
    ASSERT_TRUE(List::Remove(list, 1));
    ASSERT_TRUE(List::Remove(list, 0));
    EXPECT_EQ(List::Count(list), 0);
    EXPECT_TRUE(List::Append(list, Numbered<TypeParam>(9))) << "an emptied list still takes entries";
    EXPECT_EQ(this->Numbers(list), (std::vector<double>{9}));
    EXPECT_FALSE(List::CopyOut(list, nullptr));
    List::Destroy(list);

    List* empty = List::Create(10);
    EXPECT_TRUE(List::CopyOut(empty, nullptr)) << "nothing to copy";
    List::Destroy(empty);

    List* none = nullptr;
    TypeParam out[1] = {};
    EXPECT_EQ(List::Count(none), 0);
    EXPECT_FALSE(List::Append(none, out[0]));
    EXPECT_FALSE(List::Remove(none, 0));
    EXPECT_FALSE(List::Replace(none, 0, out[0]));
    EXPECT_FALSE(List::CopyOut(none, out));
    EXPECT_EQ(List::Destroy(none), nullptr);
}

TYPED_TEST(MaldiEntryListTest, OutOfMemoryOrGrowthBeyondThirtyTwoBitsLeavesTheListAsItWas)
{
    using List = typename TestFixture::List;
    {
        AllocationLimit limit(0);
        EXPECT_EQ(List::Create(100), nullptr);
    }
    {
        AllocationLimit limit(1); // the header only: a list that takes nothing
        List* list = List::Create(100);
        ASSERT_NE(list, nullptr);
        EXPECT_EQ(list->nCapacity, 0); // and says so to the host
        EXPECT_FALSE(List::Append(list, Numbered<TypeParam>(1)));
        EXPECT_EQ(List::Count(list), 0);
        List::Destroy(list);
    }
    List* list = this->Filled(2, 2);
    List* before = list;
    for (int allowed : {1, 0}) { // a new header but no array, then nothing
        AllocationLimit limit(allowed);
        EXPECT_FALSE(List::Append(list, Numbered<TypeParam>(2)));
        EXPECT_FALSE(List::Remove(list, 0));
    }
    EXPECT_EQ(list, before);
    EXPECT_EQ(this->Numbers(list), (std::vector<double>{0, 1}));
    List::Destroy(list);

    // A header that claims a huge full array: growth stops before asking for memory.
    TypeParam one{};
    List huge{1 << 30, 1 << 30, &one};
    List* hugeList = &huge;
    AllocationLimit limit(0);
    EXPECT_FALSE(List::Append(hugeList, Numbered<TypeParam>(1)));
    EXPECT_EQ(hugeList, &huge);
    EXPECT_EQ(limit.Requests(), 0);
}

}  // namespace
