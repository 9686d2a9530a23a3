// Checks a colour triple against expected figures within a tolerance.
#pragma once

#include <gtest/gtest.h>

#define EXPECT_TRIPLE_NEAR(a, b, c, ea, eb, ec, tol) \
    do {                                             \
        EXPECT_NEAR(a, ea, tol);                     \
        EXPECT_NEAR(b, eb, tol);                     \
        EXPECT_NEAR(c, ec, tol);                     \
    } while (false)
