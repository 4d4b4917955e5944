#include "core/memory_document.h"

#include <gtest/gtest.h>

#include "core/document_contract.h"

namespace scribbet {
namespace {

// The clipboard outlives each document built here for the test.
DocumentUnderTest MakeMemoryDocument() {
    static MemoryClipboard clipboard;
    clipboard.SetText("");
    return DocumentUnderTest{std::make_unique<MemoryDocument>(clipboard), &clipboard};
}

INSTANTIATE_TEST_SUITE_P(Memory, DocumentContract, ::testing::Values(MakeMemoryDocument));

TEST(CharStartAtOrBefore, StepsFromTheLastAsciiByte) {
    // 'a' D6 D0 81 61 'b': the 61 is the trail of 81, so offset 5 starts 'b'.
    const std::string text = "a\xD6\xD0\x81" "ab";
    const Pos expected[] = {0, 1, 1, 3, 3, 5, 6};
    for (Pos offset = 0; offset <= 6; ++offset) {
        EXPECT_EQ(CharStartAtOrBefore(text, offset), expected[offset]) << offset;
    }
    EXPECT_EQ(CharStartAtOrBefore("\xB0\xA1\xB0\xA1", 3), 2);
    EXPECT_EQ(CharStartAtOrBefore("ab", 9), 2);
}

}  // namespace
}  // namespace scribbet
