#include "app/ExitRoutine.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace lanvo;

TEST(ExitRoutine, ReleasesTheObjectsInTheProgramsOrder) {
    AppObjects objects;
    std::vector<std::string> names;
    for (const Releaser& r : ReleaseOrder(objects)) names.push_back(r.name);
    // The toolkit's objects join between these as they arrive.
    const std::vector<std::string> expected{"downloadUrl", "toolDownload", "toolTask", "updateTask",
                                            "updateDownload"};
    EXPECT_EQ(names, expected);
}

TEST(ExitRoutine, RunsEveryReleaserOnceFirstToLast) {
    std::string ran;
    const std::vector<Releaser> releasers{
        {"a", [&] { ran += 'a'; }},
        {"none", {}},
        {"b", [&] { ran += 'b'; }},
        {"c", [&] { ran += 'c'; }},
    };
    RunExitRoutine(releasers);
    EXPECT_EQ(ran, "abc");
}

TEST(ExitRoutine, LeavesTheObjectsEmpty) {
    AppObjects objects;
    objects.downloadUrl = "http://127.0.0.1/new.exe";
    RunExitRoutine(ReleaseOrder(objects));
    EXPECT_TRUE(objects.downloadUrl.empty());
    EXPECT_FALSE(objects.toolDownload.Active());
    EXPECT_FALSE(objects.updateDownload.Active());
}
