// Every model test starts from the state the program has after start-up.
#pragma once

#include <gtest/gtest.h>

#include "CoreGlobals.h"
#include "Lys_erkl.h"

class ModelTest : public ::testing::Test {
protected:
    void SetUp() override { ResetCoreGlobals(); }

    // A projection as the projection view runs it.
    static void Project(int32_t baseYear, int32_t targetYear, double children) {
        ListBaseYears();
        State.BaseYear = baseYear;
        State.TargetYear = targetYear;
        State.ChildrenPerFamily = children;
        SetUpProjection();
        RunProjection();
    }
};
