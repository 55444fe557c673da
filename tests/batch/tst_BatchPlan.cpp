#include <gtest/gtest.h>

#include "batch/BatchPlan.h"

#include <string>
#include <vector>

namespace glimmet {
namespace {

// A shard is its part of the list, in the list's order, and its pictures are numbered from 0 as
// the run's own: the bar keys the pictures being walked by that number and the runner hands results
// over by position, so a picture keeping its number in the whole list would share the bar's entry
// of another one.
TEST(BatchPlan, TakesItsShardOfTheListAndNumbersItFromZero) {
    const std::vector<std::string> list = {"a.bmp", "b.bmp", "c.bmp", "d.bmp", "e.bmp"};
    const struct {
        int32_t shard, shards;
        std::vector<std::string> pictures;
    } cases[] = {
        {0, 1, list},
        {0, 2, {"a.bmp", "b.bmp"}},
        {1, 2, {"c.bmp", "d.bmp", "e.bmp"}},
        {0, 3, {"a.bmp"}},
        {1, 3, {"b.bmp", "c.bmp"}},
        {2, 3, {"d.bmp", "e.bmp"}},
        {4, 5, {"e.bmp"}},
        {0, 7, {}},  // more shards than pictures: some have none
        {6, 7, {"e.bmp"}},
    };
    for (const auto& c : cases) {
        BatchOptions options;
        options.pictures = list;
        options.shard = c.shard;
        options.shards = c.shards;
        const BatchPlan plan = PlanBatch(options);
        ASSERT_EQ(plan.error, "") << c.shard << "/" << c.shards;
        std::vector<std::string> pictures;
        for (size_t i = 0; i < plan.tasks.size(); ++i) {
            pictures.push_back(plan.tasks[i].picture);
            EXPECT_EQ(plan.tasks[i].index, i) << c.shard << "/" << c.shards;
        }
        EXPECT_EQ(pictures, c.pictures) << c.shard << "/" << c.shards;
    }
}

}  // namespace
}  // namespace glimmet
