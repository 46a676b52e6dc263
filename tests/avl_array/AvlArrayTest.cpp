#include "avl_array/avl_array.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {

using IntArray = avl_array<int>;

std::vector<int> Contents(const IntArray& a)
{
    return std::vector<int>(a.begin(), a.end());
}

// Inserts value at the place the search finds, as the hierarchy keeps its lists sorted.
bool InsertSorted(IntArray& a, int value)
{
    IntArray::iterator pos;
    if (a.binary_search(value, std::less<int>(), pos))
        return false;
    a.insert(pos, value);
    return true;
}

// Every position answers what iteration reaches, and back again.
void ExpectPositionsMatchIteration(const IntArray& a)
{
    size_t i = 0;
    for (auto it = a.begin(); it != a.end(); ++it, ++i) {
        ASSERT_EQ(a.at(i), *it) << "position " << i;
        ASSERT_EQ(a.index_of(it), i);
        ASSERT_TRUE(a.iterator_at(i) == it);
    }
    ASSERT_EQ(i, a.size());
    ASSERT_EQ(a.index_of(a.end()), a.size());
}

double AvlHeightBound(size_t n)
{
    return 1.45 * std::log2(static_cast<double>(n) + 2);
}

// A comparator that also orders three ways, counting how often that is asked.
struct Counting
{
    int* calls;
    bool operator()(int x, int y) const { return x < y; }
    int three_way(int x, int y) const
    {
        ++*calls;
        return x < y ? -1 : (x > y ? 1 : 0);
    }
};
} // namespace

TEST(AvlArray, EmptyOrNot_TheEndPositionCannotBeReadOrErased)
{
    IntArray a;
    EXPECT_TRUE(a.empty() && a.begin() == a.end());
    EXPECT_EQ(a.tree_height(), 0u);
    IntArray::iterator pos = a.begin();
    EXPECT_FALSE(a.binary_search(7, std::less<int>(), pos));
    EXPECT_TRUE(pos == a.end());
    EXPECT_THROW(a.at(0), index_out_of_bounds);
    EXPECT_THROW(*a.end(), invalid_op_with_end);
    EXPECT_THROW(a.erase(a.end()), invalid_op_with_end);
    a.insert(a.end(), 1);
    EXPECT_THROW(*++a.begin(), invalid_op_with_end);
    EXPECT_THROW(a.at(1), index_out_of_bounds);
    EXPECT_EQ(a.size(), 1u);
    EXPECT_TRUE(a.is_consistent());
}

TEST(AvlArray, BinarySearch_FindsEqualsPlacesMissesAndRejectsAComparatorBothWays)
{
    IntArray a;
    for (int v = 0; v < 640; v += 10)
        a.insert(a.end(), v);
    IntArray::iterator pos;
    EXPECT_TRUE(a.binary_search(40, std::less<int>(), pos));
    EXPECT_EQ(a.index_of(pos), 4u);
    int calls = 0; // a three-way comparator is asked once per node on the way down
    EXPECT_FALSE(a.binary_search(45, Counting{&calls}, pos));
    EXPECT_EQ(*pos, 50); // the first element after the value
    EXPECT_LE(calls, static_cast<int>(a.tree_height()));
    EXPECT_FALSE(a.binary_search(-5, std::less<int>(), pos));
    EXPECT_TRUE(pos == a.begin());
    EXPECT_FALSE(a.binary_search(1000, std::less<int>(), pos));
    EXPECT_TRUE(pos == a.end());

    const IntArray& constant = a;
    IntArray::const_iterator cpos;
    EXPECT_TRUE(constant.binary_search(90, Counting{&calls}, cpos));
    EXPECT_EQ(*cpos, 90);
    EXPECT_THROW(a.binary_search(
                     1, [](int, int) { return true; }, pos),
                 lesser_and_greater);
}

// Always at one end: the worst case for a plain tree.
TEST(AvlArray, ThousandSortedInsertionsAtEitherEnd_StayWithinTheAvlBound)
{
    for (int step : {1, -1}) {
        IntArray a;
        for (int i = 0; i < 1000; ++i)
            ASSERT_TRUE(InsertSorted(a, i * step));
        EXPECT_EQ(a.size(), 1000u);
        EXPECT_LT(a.tree_height(), AvlHeightBound(a.size()));
        EXPECT_TRUE(a.is_consistent());
    }
}

TEST(AvlArray, EraseReturnsTheFollowingPositionAndKeepsPositionsConsistent)
{
    IntArray a;
    for (int v = 0; v < 1000; ++v)
        a.insert(a.end(), v);
    for (auto it = a.begin(); it != a.end(); ++it)
        it = a.erase(it); // the even positions
    EXPECT_EQ(a.size(), 500u);
    EXPECT_TRUE(a.is_consistent());
    EXPECT_LT(a.tree_height(), AvlHeightBound(a.size()));
    ExpectPositionsMatchIteration(a);
    EXPECT_EQ(a.at(0), 1);
    EXPECT_TRUE(a.erase(a.iterator_at(499)) == a.end());
}

// Random insertions and erasures at random positions, against a vector doing the same; the
// structure is checked in full along the way, so every erase case and rotation is met.
TEST(AvlArray, RandomEditsAtPositions_MatchAVector)
{
    std::mt19937 random(20240601);
    IntArray a;
    std::vector<int> model;
    for (int step = 0; step < 20000; ++step) {
        const bool insert = model.empty() || random() % 5 < 3;
        if (insert) {
            const size_t at = random() % (model.size() + 1);
            auto it = a.insert(a.iterator_at(at), step);
            ASSERT_EQ(*it, step);
            model.insert(model.begin() + static_cast<long>(at), step);
        } else {
            const size_t at = random() % model.size();
            a.erase(a.iterator_at(at));
            model.erase(model.begin() + static_cast<long>(at));
        }
        if (step % 997 == 0) {
            ASSERT_TRUE(a.is_consistent()) << "after step " << step;
            ASSERT_EQ(Contents(a), model);
        }
    }
    ASSERT_TRUE(a.is_consistent());
    ASSERT_EQ(Contents(a), model);
    ExpectPositionsMatchIteration(a);
    EXPECT_LT(a.tree_height(), AvlHeightBound(a.size()));
}

TEST(AvlArray, Copy_IsBalancedIndependentAndInOrder)
{
    for (size_t n : {0u, 1u, 2u, 3u, 7u, 8u, 1000u}) {
        IntArray original;
        for (size_t v = 0; v < n; ++v)
            original.insert(original.end(), static_cast<int>(v));
        IntArray copy(original);
        ASSERT_TRUE(copy.is_consistent()) << n;
        EXPECT_EQ(Contents(copy), Contents(original));
        // Built by halving: as low as a tree of n nodes can be.
        EXPECT_EQ(copy.tree_height(), n == 0 ? 0u : static_cast<unsigned>(std::log2(n)) + 1) << n;
        copy.insert(copy.begin(), -1);
        EXPECT_EQ(original.size(), n);
        EXPECT_TRUE(original.is_consistent());
    }
}

TEST(AvlArray, AssignmentAndSwap_MoveWholeContents)
{
    IntArray a, b, empty;
    for (int v : {1, 2, 3})
        a.insert(a.end(), v);
    b.insert(b.end(), 9);
    a.swap(b);
    b.swap(empty);
    EXPECT_EQ(Contents(a), std::vector<int>{9});
    EXPECT_EQ(Contents(empty), (std::vector<int>{1, 2, 3}));
    EXPECT_TRUE(b.empty());
    a = empty;
    empty.clear();
    EXPECT_EQ(Contents(a), (std::vector<int>{1, 2, 3}));
    for (const IntArray* x : {&a, &b, &empty})
        EXPECT_TRUE(x->is_consistent() && (x == &a || x->empty()));
}

namespace {
// Counts its live instances, and its copy constructor fails once `copiesLeft` runs out.
struct Fragile
{
    static inline int live = 0, copiesLeft = 0;
    Fragile() { ++live; }
    Fragile(const Fragile&)
    {
        if (copiesLeft-- == 0)
            throw std::runtime_error("copy failed");
        ++live;
    }
    ~Fragile() { --live; }
};
} // namespace

// A copy that fails part way must neither leak nor leave a half-built container behind.
TEST(AvlArray, Elements_AreReleasedOnEraseClearDestructionAndAFailedCopy)
{
    {
        avl_array<Fragile> a;
        for (int i = 0; i < 20; ++i)
            a.emplace(a.end());
        a.erase(a.begin());
        Fragile::copiesLeft = 19;
        avl_array<Fragile> copy(a);
        EXPECT_EQ(Fragile::live, 38);
        copy.clear();
        EXPECT_EQ(Fragile::live, 19);
        Fragile::copiesLeft = 11;
        EXPECT_THROW(avl_array<Fragile> failed(a), std::runtime_error);
        EXPECT_EQ(Fragile::live, 19);
    }
    EXPECT_EQ(Fragile::live, 0);
}
