#pragma once
// The contract every Document keeps, run against each implementation: an
// implementation's test instantiates DocumentContract with a factory.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "core/document.h"

namespace scribbet {

struct DocumentUnderTest {
    std::unique_ptr<Document> document;
    Clipboard* clipboard = nullptr;  // the clipboard the document uses
};

using DocumentFactory = std::function<DocumentUnderTest()>;

class DocumentContract : public ::testing::TestWithParam<DocumentFactory> {
protected:
    void SetUp() override {
        m_underTest = GetParam()();
        ASSERT_NE(m_underTest.document, nullptr);
        ASSERT_NE(m_underTest.clipboard, nullptr);
    }
    Document& doc() { return *m_underTest.document; }
    Clipboard& clipboard() { return *m_underTest.clipboard; }

private:
    DocumentUnderTest m_underTest;
};

}  // namespace scribbet
