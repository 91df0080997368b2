#include "runtime/DialogFilter.h"

#include <gtest/gtest.h>

#include <string>

using runtime::ToDialogFilter;
using namespace std::string_literals;

TEST(DialogFilter, PipesBecomeNulsAndTheListEndsInTwo) {
    const struct {
        std::string piped;
        std::string expected;
    } cases[] = {
        {"JPG图片（*.jpg）|*.jpg|Gif图片（*.gif）|*.gif",
         "JPG图片（*.jpg）\0*.jpg\0Gif图片（*.gif）\0*.gif\0\0"s},
        {"All|*.*", "All\0*.*\0\0"s},
        {"", "\0\0"s},
        // 0x81 0x7C is one character whose second byte looks like a pipe.
        {"\x81\x7C|*.x", "\x81\x7C\0*.x\0\0"s},
        // A lead byte without its second byte at the very end is kept as it is.
        {"a|\x81", "a\0\x81\0\0"s},
    };
    for (const auto& c : cases) EXPECT_EQ(ToDialogFilter(c.piped), c.expected) << c.piped;
}
