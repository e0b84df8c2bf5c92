// Tests of the entry arrays: bounds, growth in both directions, erasure,
// assignment and the random-pivot sort, over a counted element type and
// over Dirent.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "tessel/dir.h"

namespace {

// Item: an element that counts the live instances.
struct Item {
    static int live;
    int value = 0;
    Item() { ++live; }
    Item(const Item& o) : value(o.value) { ++live; }
    Item& operator=(const Item& o) {
        value = o.value;
        return *this;
    }
    ~Item() { --live; }
    int operator<(const Item& o) const { return value < o.value; }
};
int Item::live = 0;

std::vector<int> valuesOf(Array<Item>& a) {
    std::vector<int> out;
    for (int i = a.LowerBound(); i <= a.UpperBound(); ++i)
        out.push_back(a[i].value);
    return out;
}

TEST(ArrayTest, BoundsOfNewArrays) {
    Item::live = 0;
    {
        Array<Item> empty(0, -1, 0);
        EXPECT_EQ(empty.Size(), 0);
        EXPECT_EQ(empty.LowerBound(), 0);
        EXPECT_EQ(empty.UpperBound(), -1);
        Array<Item> three(0, 2, 0);
        EXPECT_EQ(three.Size(), 3);
        EXPECT_EQ(Item::live, 3);
        EXPECT_EQ(three[1].value, 0);
        Array<Item> shifted(-3, 1, 0);
        EXPECT_EQ(shifted.Size(), 5);
        EXPECT_EQ(shifted.CIndex(-3), 0);
        EXPECT_EQ(shifted.CIndex(1), 4);
    }
    EXPECT_EQ(Item::live, 0);
}

TEST(ArrayTest, GrowthKeepsElementsInPlace) {
    Array<Item> a(0, -1, 1);
    a[0].value = 10;
    EXPECT_EQ(a.LowerBound(), 0);
    EXPECT_EQ(a.UpperBound(), 0);
    Item* first = &a[0];
    a[3].value = 13;
    EXPECT_EQ(a.UpperBound(), 3);
    EXPECT_EQ(valuesOf(a), (std::vector<int>{10, 0, 0, 13}));
    a[-2].value = -2;
    EXPECT_EQ(a.LowerBound(), -2);
    EXPECT_EQ(a.UpperBound(), 3);
    EXPECT_EQ(valuesOf(a), (std::vector<int>{-2, 0, 10, 0, 0, 13}));
    // The element itself did not move.
    EXPECT_EQ(&a[0], first);
    // One past the end appends exactly one.
    a[a.UpperBound() + 1].value = 14;
    EXPECT_EQ(a.Size(), 7);
}

TEST(ArrayTest, GrowthBelowTheLowerBound) {
    Array<Item> a(0, 1, 1);
    a[0].value = 1;
    a[1].value = 2;
    a[-2];
    EXPECT_EQ(a.LowerBound(), -2);
    EXPECT_EQ(a.UpperBound(), 1);
    EXPECT_EQ(valuesOf(a), (std::vector<int>{0, 0, 1, 2}));
}

TEST(ArrayTest, OutOfBoundsOfAFixedArrayTouchesNothing) {
    Item::live = 0;
    Array<Item> a(0, 1, 0);
    a[0].value = 5;
    a[7].value = 99;  // a spare element, not part of the array
    a[-1].value = 98;
    EXPECT_EQ(a.Size(), 2);
    EXPECT_EQ(valuesOf(a), (std::vector<int>{5, 0}));
    EXPECT_EQ(a[7].value, 0);  // handed out freshly emptied
    const Array<Item>& c = a;
    EXPECT_EQ(c[100].value, 0);
    EXPECT_EQ(c[0].value, 5);
}

TEST(ArrayTest, SetDynamicAndErase) {
    Item::live = 0;
    Array<Item> a(-2, 1, 0);
    a.SetDynamic(5);
    a[2];
    EXPECT_EQ(a.Size(), 5);
    a.SetDynamic(0);
    a[3];  // hands out the spare element, which stays alive
    EXPECT_EQ(a.Size(), 5);
    const int before = Item::live;
    a.Erase();
    EXPECT_EQ(Item::live, before - 5);
    EXPECT_EQ(a.LowerBound(), 0);
    EXPECT_EQ(a.UpperBound(), -1);
    a.Erase();
    EXPECT_EQ(a.Size(), 0);
    // Erase keeps the flag: a dynamic array still grows afterwards.
    a.SetDynamic(1);
    a.Erase();
    a[1];
    EXPECT_EQ(a.Size(), 2);
}

TEST(ArrayTest, AssignmentCopiesAndEndsFixed) {
    Array<Item> source(0, 4, 0);
    for (int i = 0; i < 5; ++i)
        source[i].value = i * i;
    Array<Item> copy(0, 1, 1);
    copy = source;
    EXPECT_EQ(copy.LowerBound(), 0);
    EXPECT_EQ(copy.UpperBound(), 4);
    EXPECT_EQ(valuesOf(copy), valuesOf(source));
    EXPECT_NE(&copy[0], &source[0]);
    copy[5];  // not dynamic any more
    EXPECT_EQ(copy.Size(), 5);

    Array<Item> positive(2, 3, 0);
    positive[2].value = 7;
    positive[3].value = 8;
    copy = positive;
    EXPECT_EQ(copy.LowerBound(), 0);
    EXPECT_EQ(valuesOf(copy), (std::vector<int>{0, 0, 7, 8}));

    Array<Item> negative(-1, 0, 0);
    negative[-1].value = 3;
    copy = negative;
    EXPECT_EQ(copy.LowerBound(), -1);
    EXPECT_EQ(valuesOf(copy), (std::vector<int>{3, 0}));

    Array<Item>& same = copy;
    copy = same;  // self-assignment keeps the contents
    EXPECT_EQ(valuesOf(copy), (std::vector<int>{3, 0}));
}

int calls = 0;
int byValueDescending(const Item* a, const Item* b) {
    ++calls;
    return b->value - a->value;
}
int inconsistent(const Item*, const Item*) {
    return std::rand() % 3 - 1;
}

TEST(SortableArrayTest, SortsEveryShapeOfInput) {
    const int n = 200;
    std::vector<std::vector<int>> inputs = {{}, {1}, {2, 1}, std::vector<int>(n, 4)};
    std::vector<int> ascending, descending, mixed;
    for (int i = 0; i < n; ++i) {
        ascending.push_back(i);
        descending.push_back(n - i);
        mixed.push_back((i * 7919) % 101);
    }
    inputs.push_back(ascending);
    inputs.push_back(descending);
    inputs.push_back(mixed);
    for (const auto& in : inputs) {
        SCOPED_TRACE("size " + std::to_string(in.size()));
        SortableArray<Item> a(0, static_cast<int>(in.size()) - 1, 0);
        for (size_t i = 0; i < in.size(); ++i)
            a[static_cast<int>(i)].value = in[i];
        std::vector<Item*> before;
        for (int i = 0; i < a.Size(); ++i)
            before.push_back(&a[i]);
        a.sort(nullptr);
        std::vector<int> want = in;
        std::sort(want.begin(), want.end());
        EXPECT_EQ(valuesOf(a), want);
        // Only pointers moved: the same elements are still there.
        std::vector<Item*> after;
        for (int i = 0; i < a.Size(); ++i)
            after.push_back(&a[i]);
        std::sort(before.begin(), before.end());
        std::sort(after.begin(), after.end());
        EXPECT_EQ(before, after);

        a.sort(byValueDescending);
        std::reverse(want.begin(), want.end());
        EXPECT_EQ(valuesOf(a), want);
    }
}

TEST(SortableArrayTest, SmallArraysMakeNoComparison) {
    SortableArray<Item> none(0, -1, 0), one(0, 0, 0);
    calls = 0;
    none.sort(byValueDescending);
    one.sort(byValueDescending);
    EXPECT_EQ(calls, 0);
}

TEST(SortableArrayTest, InconsistentComparisonStaysInsideTheArray) {
    SortableArray<Item> a(0, 99, 0);
    for (int i = 0; i < 100; ++i)
        a[i].value = i;
    a.sort(inconsistent);
    std::vector<int> got = valuesOf(a);
    std::sort(got.begin(), got.end());
    for (int i = 0; i < 100; ++i)
        EXPECT_EQ(got[i], i);
}

Dirent named(const char* name, unsigned long size) {
    FDATE d = {1, 1, 0};
    FTIME t = {0, 0, 0};
    return Dirent(nullptr, name, d, t, size, 0x20);
}

int bySize(const Dirent* a, const Dirent* b) {
    return static_cast<int>(a->size()) - static_cast<int>(b->size());
}

TEST(SortableArrayTest, DirentArraysSortByNameIgnoringCaseOrBySize) {
    SortableArray<Dirent> a(0, -1, 1);
    const char* names[] = {"readme.txt", "Makefile", "a.c", "B.h", "_x"};
    unsigned long sizes[] = {30, 10, 50, 20, 40};
    for (int i = 0; i < 5; ++i)
        a[i] = named(names[i], sizes[i]);
    a.SetDynamic(0);
    a.sort(nullptr);
    std::vector<std::string> got;
    for (int i = 0; i < a.Size(); ++i)
        got.push_back(static_cast<const char*>(a[i].name()));
    // Names fold to upper case, so "_" sorts after the letters.
    EXPECT_EQ(got, (std::vector<std::string>{"a.c", "B.h", "Makefile", "readme.txt", "_x"}));
    a.sort(bySize);
    for (int i = 0; i < a.Size(); ++i)
        EXPECT_EQ(a[i].size(), 10ul * (i + 1));

    SortableArray<Dirent> copy(0, -1, 0);
    copy = a;
    ASSERT_EQ(copy.Size(), 5);
    EXPECT_STREQ(copy[4].name(), "a.c");
}

}  // namespace
