#include "web/url_source.h"

#include <gtest/gtest.h>

#include "fakes/local_http_server.h"
#include "platform/curl_http_client.h"

namespace scribbet {
namespace {

struct PrefixCase {
    const char* name;
    AnsiText typed;
    AnsiText url;
};

class AddressWithSchemeTest : public ::testing::TestWithParam<PrefixCase> {};

TEST_P(AddressWithSchemeTest, PutsHttpInFrontOnlyWithoutAScheme) {
    EXPECT_EQ(AddressWithScheme(GetParam().typed), GetParam().url);
}

const PrefixCase kPrefixes[] = {
    {"BareHost", "httpbin.org", "http://httpbin.org"},
    {"BareHostWithPathAndFragment", "example.com/a#top", "http://example.com/a#top"},
    {"Http", "http://x.cn/", "http://x.cn/"},
    {"Https", "https://x.cn/", "https://x.cn/"},
    {"UpperCaseHttp", "HTTP://x", "HTTP://x"},
    {"MixedCaseHttps", "hTtPs://x", "hTtPs://x"},
    {"HttpWithoutSlashes", "http:x", "http://http:x"},
    {"HttpsWithOneSlash", "https:/x", "http://https:/x"},
    {"OtherScheme", "ftp://x", "http://ftp://x"},
    {"Empty", "", "http://"},
    {"ShorterThanTheScheme", "http", "http://http"},
    // 中文 D6 D0 CE C4: bytes go through as typed.
    {"ChinesePath", "x.cn/\xD6\xD0\xCE\xC4", "http://x.cn/\xD6\xD0\xCE\xC4"},
};

INSTANTIATE_TEST_SUITE_P(Cases, AddressWithSchemeTest, ::testing::ValuesIn(kPrefixes),
                         [](const auto& info) { return std::string(info.param.name); });

// Answers every request with one scripted result and records the address.
class ScriptedHttpClient final : public HttpClient {
public:
    HttpResult result;
    std::vector<std::string> urls;
    HttpResult Get(const std::string& url, const HttpProgress&) override {
        urls.push_back(url);
        return result;
    }
};

struct OutcomeCase {
    const char* name;
    HttpResult result;
    bool ok;
    AnsiText text;
};

class FetchUrlSourceOutcome : public ::testing::TestWithParam<OutcomeCase> {};

TEST_P(FetchUrlSourceOutcome, KeepsABodyAndRefusesNone) {
    const OutcomeCase& c = GetParam();
    ScriptedHttpClient client;
    client.result = c.result;
    const UrlSource source = FetchUrlSource(client, "x.cn");
    EXPECT_EQ(client.urls, std::vector<std::string>{"http://x.cn"});
    EXPECT_EQ(source.url, "http://x.cn");
    EXPECT_EQ(source.ok, c.ok);
    EXPECT_EQ(source.text, c.text);
    EXPECT_EQ(source.failure, c.result.failure);
    EXPECT_EQ(source.detail, c.result.detail);
}

const OutcomeCase kOutcomes[] = {
    {"WholeBody", {HttpFailure::None, "<html/>", ""}, true, "<html/>"},
    {"EmptyBodyEmptiesTheText", {HttpFailure::None, "", ""}, true, ""},
    {"CutAtTheFirstZeroByte", {HttpFailure::None, std::string("ab\0cd\0e", 7), ""}, true, "ab"},
    {"ZeroByteFirst", {HttpFailure::None, std::string("\0abc", 4), ""}, true, ""},
    {"BrokenOffBodyIsKept", {HttpFailure::Other, "half a pa", "transfer closed"}, true, "half a pa"},
    {"StalledBodyIsKept", {HttpFailure::TimedOut, "half", "stalled"}, true, "half"},
    {"NoBodyAtAll", {HttpFailure::ConnectFailed, "", "refused"}, false, ""},
    {"TimedOutWithoutBody", {HttpFailure::TimedOut, "", "stalled"}, false, ""},
    {"CancelledEvenWithBytes", {HttpFailure::Cancelled, "some", "cancelled"}, false, ""},
    {"TooLargeEvenWithBytes", {HttpFailure::TooLarge, "some", "too big"}, false, ""},
};

INSTANTIATE_TEST_SUITE_P(Cases, FetchUrlSourceOutcome, ::testing::ValuesIn(kOutcomes),
                         [](const auto& info) { return std::string(info.param.name); });

// Through the real client to a server on this machine.
class FetchUrlSourceServed : public ::testing::Test {
protected:
    LocalHttpServer server{[](const std::string& request) -> std::optional<std::string> {
        const std::string path = RequestPath(request);
        if (path == "/zero") return LocalHttpServer::Response("200 OK", std::string("before\0after", 12));
        if (path == "/a") return LocalHttpServer::Response("200 OK", "page a");
        return LocalHttpServer::Response("404 Not Found", "<h1>404</h1>");
    }};
    CurlHttpClient client;
};

TEST_F(FetchUrlSourceServed, BareHostWithFragmentAsksForThePathOnly) {
    const UrlSource source = FetchUrlSource(client, server.Host() + "/a#top");
    EXPECT_TRUE(source.ok);
    EXPECT_EQ(source.text, "page a");
    ASSERT_EQ(server.Requests().size(), 1u);
    EXPECT_EQ(RequestPath(server.Requests()[0]), "/a");
}

TEST_F(FetchUrlSourceServed, UpperCaseSchemeIsUsedAsItIs) {
    const UrlSource source = FetchUrlSource(client, "HTTP://" + server.Host() + "/a");
    EXPECT_TRUE(source.ok) << source.detail;
    EXPECT_EQ(source.text, "page a");
}

TEST_F(FetchUrlSourceServed, BodyEndsBeforeItsZeroByte) {
    const UrlSource source = FetchUrlSource(client, server.Host() + "/zero");
    EXPECT_TRUE(source.ok);
    EXPECT_EQ(source.text, "before");
}

TEST_F(FetchUrlSourceServed, ErrorPageIsTheText) {
    const UrlSource source = FetchUrlSource(client, server.Host() + "/nothing-here");
    EXPECT_TRUE(source.ok);
    EXPECT_EQ(source.text, "<h1>404</h1>");
}

TEST_F(FetchUrlSourceServed, EmptyAddressIsNoText) {
    const UrlSource source = FetchUrlSource(client, "");
    EXPECT_FALSE(source.ok);
    EXPECT_EQ(source.url, "http://");
    EXPECT_EQ(source.failure, HttpFailure::BadAddress);
    EXPECT_TRUE(server.Requests().empty());
}

}  // namespace
}  // namespace scribbet
