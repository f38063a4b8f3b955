// A test suite whose tests share one process of target windows (CTargetProcess), started
// before its first test and ended after its last.
#pragma once

#include "support/target_process.h"

#include <gtest/gtest.h>

class CTargetWindowsTest : public testing::Test {
protected:
    static void SetUpTestSuite() { target = new CTargetProcess(); }
    static void TearDownTestSuite()
    {
        delete target;
        target = nullptr;
    }
    inline static CTargetProcess* target = nullptr;
};
