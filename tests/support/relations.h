// Test helper: checks all six comparison operators of a pair at once.
#ifndef TESSEL_TESTS_SUPPORT_RELATIONS_H
#define TESSEL_TESTS_SUPPORT_RELATIONS_H

#include <gtest/gtest.h>

// Relations: the expected results of ==, !=, <, >, <= and >=.
struct Relations {
    int eq, ne, lt, gt, le, ge;
};

// relationsFor(cmp): the results that a three-way comparison of sign cmp
// implies.
inline Relations relationsFor(int cmp) {
    return {cmp == 0, cmp != 0, cmp<0, cmp> 0, cmp <= 0, cmp >= 0};
}

template <class L, class R>
void expectRelations(const L& left, const R& right, const Relations& want) {
    EXPECT_EQ(left == right, want.eq);
    EXPECT_EQ(left != right, want.ne);
    EXPECT_EQ(left < right, want.lt);
    EXPECT_EQ(left > right, want.gt);
    EXPECT_EQ(left <= right, want.le);
    EXPECT_EQ(left >= right, want.ge);
}

#endif  // TESSEL_TESTS_SUPPORT_RELATIONS_H
