// A truckload inside an engine (so the reference data is loaded), with
// helpers to add real table items and find questions by ID.
#pragma once

#include "dravlen.h"
#include "inspection/question.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

struct InspectionFixture : ::testing::Test {
    Engine *engine = nullptr;
    Load *load = nullptr;

    InspectionFixture()
    {
        engine = Alloc_Engine();
        Init_Engine(engine);
        load = GetLoad_Engine(engine);
    }
    ~InspectionFixture() override
    {
        Destroy_Engine(engine);
        qv_free(engine);
    }

    // Adds an item of the given PID; `setup` may set qualifiers first.
    template <typename Setup>
    int AddItem(int pid, Setup setup)
    {
        Hazmat h;
        Init_Hazmat(&h, pid);
        setup(&h);
        const int index = Add_Load(load, &h);
        Reset_Hazmat(&h, 0);
        return index;
    }
    int AddItem(int pid)
    {
        return AddItem(pid, [](Hazmat *) {});
    }

    // Index of the first question with this ID in a mode's index space
    // (within [from, count)), or -1.
    int IndexOf(int id, int mode, uint32_t from = 0)
    {
        const uint32_t n = GetNumQuestions_Vehicle(load, mode);
        for (uint32_t i = from; i < n; ++i) {
            if (GetQuestion_Vehicle(load, i, mode)->id == id)
                return static_cast<int>(i);
        }
        return -1;
    }

    std::vector<int> Ids(int mode, uint32_t from = 0, uint32_t to = UINT32_MAX)
    {
        std::vector<int> ids;
        const uint32_t n = std::min(GetNumQuestions_Vehicle(load, mode), to);
        for (uint32_t i = from; i < n; ++i)
            ids.push_back(GetQuestion_Vehicle(load, i, mode)->id);
        return ids;
    }
};
