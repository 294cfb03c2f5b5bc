// The reference store with the clock at 2026-06-01, when ruleset 42 (the
// table as in effect that day) is the current one.
#pragma once

#include "dravlen.h"
#include "refdata/rulesets.h"
#include "refdata/store.h"

#include <gtest/gtest.h>

#include <ctime>

class TableInForce : public ::testing::Test {
protected:
    void SetUp() override
    {
        struct tm t {};
        t.tm_year = 2026 - 1900;
        t.tm_mon = 5;
        t.tm_mday = 1;
        dravlen::SetClockForTesting(dravlen::Stamp(timegm(&t)));
        dravlen::AcquireReferenceStore();
    }
    void TearDown() override
    {
        dravlen::ReleaseReferenceStore();
        dravlen::ClearClockForTesting();
    }
};
