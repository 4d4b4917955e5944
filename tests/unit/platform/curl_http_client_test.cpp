#include "platform/curl_http_client.h"

#include <gtest/gtest.h>

#include <chrono>
#include <map>
#include <sstream>

#include "fakes/local_http_server.h"

namespace scribbet {
namespace {

using namespace std::chrono_literals;

// The header lines of a request, by name.
std::map<std::string, std::string> HeadersOf(const std::string& request) {
    std::map<std::string, std::string> headers;
    std::istringstream lines(request);
    std::string line;
    std::getline(lines, line);  // the request line
    while (std::getline(lines, line) && line != "\r") {
        const std::size_t colon = line.find(':');
        if (colon == std::string::npos) continue;
        std::string value = line.substr(colon + 1);
        value.erase(0, value.find_first_not_of(' '));
        if (!value.empty() && value.back() == '\r') value.pop_back();
        headers[line.substr(0, colon)] = value;
    }
    return headers;
}

std::string FirstLine(const std::string& request) { return request.substr(0, request.find("\r\n")); }

TEST(CurlHttpClient, SendsOneHttp10GetWithTheFixedHeadersAndNoFragment) {
    LocalHttpServer server([](const std::string&) { return LocalHttpServer::Response("200 OK", "page"); });
    CurlHttpClient client;
    const HttpResult result = client.Get("http://" + server.Host() + "/a/b?x=1&y=2#top", {});

    EXPECT_EQ(result.failure, HttpFailure::None) << result.detail;
    EXPECT_EQ(result.body, "page");
    const std::vector<std::string> requests = server.Requests();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(FirstLine(requests[0]), "GET /a/b?x=1&y=2 HTTP/1.0");
    const std::map<std::string, std::string> expected = {
        {"Host", server.Host()},
        {"User-Agent", "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)"},
        {"Accept", "*/*"},
    };
    EXPECT_EQ(HeadersOf(requests[0]), expected);
}

struct ResponseCase {
    const char* name;
    std::string response;
    HttpFailure failure;
    std::string body;
};

class CurlHttpClientResponse : public ::testing::TestWithParam<ResponseCase> {};

TEST_P(CurlHttpClientResponse, GivesTheBodyWhateverTheStatus) {
    const ResponseCase& c = GetParam();
    LocalHttpServer server([&](const std::string&) { return c.response; });
    CurlHttpClient client;
    const HttpResult result = client.Get("http://" + server.Host() + "/", {});
    EXPECT_EQ(result.failure, c.failure) << result.detail;
    EXPECT_EQ(result.body, c.body);
}

const ResponseCase kResponses[] = {
    {"NotFoundPageIsABody", LocalHttpServer::Response("404 Not Found", "<html>missing</html>"),
     HttpFailure::None, "<html>missing</html>"},
    {"ServerErrorPageIsABody", LocalHttpServer::Response("500 Oops", "<p>broken</p>"),
     HttpFailure::None, "<p>broken</p>"},
    {"ZeroBytesComeThroughUntouched", LocalHttpServer::Response("200 OK", std::string("ab\0cd", 5)),
     HttpFailure::None, std::string("ab\0cd", 5)},
    {"BodyWithoutLengthEndsWithTheConnection", "HTTP/1.0 200 OK\r\n\r\nuntil close",
     HttpFailure::None, "until close"},
    {"EmptyBody", LocalHttpServer::Response("200 OK", ""), HttpFailure::None, ""},
    {"CutShortBodyKeepsItsBytes",
     "HTTP/1.0 200 OK\r\nContent-Length: 100\r\n\r\nonly this", HttpFailure::Other, "only this"},
};

INSTANTIATE_TEST_SUITE_P(Cases, CurlHttpClientResponse, ::testing::ValuesIn(kResponses),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CurlHttpClient, FollowsARedirectAndKeepsOnlyTheLastBody) {
    LocalHttpServer server([](const std::string& request) {
        if (RequestPath(request) == "/old") {
            return LocalHttpServer::Response("302 Found", "go away", "Location: /new\r\n");
        }
        return LocalHttpServer::Response("200 OK", "moved here");
    });
    CurlHttpClient client;
    const HttpResult result = client.Get("http://" + server.Host() + "/old", {});
    EXPECT_EQ(result.failure, HttpFailure::None) << result.detail;
    EXPECT_EQ(result.body, "moved here");
    const std::vector<std::string> requests = server.Requests();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(FirstLine(requests[0]), "GET /old HTTP/1.0");
    EXPECT_EQ(FirstLine(requests[1]), "GET /new HTTP/1.0");
}

TEST(CurlHttpClient, KeepsItsSessionForDownloadsInARow) {
    LocalHttpServer server([](const std::string& request) {
        return LocalHttpServer::Response("200 OK", "page " + RequestPath(request));
    });
    CurlHttpClient client;
    for (const std::string path : {"/1", "/2", "/3"}) {
        const HttpResult result = client.Get("http://" + server.Host() + path, {});
        EXPECT_EQ(result.failure, HttpFailure::None) << result.detail;
        EXPECT_EQ(result.body, "page " + path);
    }
    EXPECT_EQ(server.Requests().size(), 3u);
}

TEST(CurlHttpClient, EndsADownloadWhenTheServerNeverAnswers) {
    LocalHttpServer server([](const std::string&) { return std::nullopt; });
    HttpLimits limits;
    limits.stallTimeout = 300ms;
    CurlHttpClient client(limits);
    const auto start = std::chrono::steady_clock::now();
    const HttpResult result = client.Get("http://" + server.Host() + "/", {});
    const auto took = std::chrono::steady_clock::now() - start;
    EXPECT_EQ(result.failure, HttpFailure::TimedOut) << result.detail;
    EXPECT_TRUE(result.body.empty());
    EXPECT_GE(took, 300ms);
    EXPECT_LT(took, 5s);
}

TEST(CurlHttpClient, EndsABodyThatOutgrowsTheLimit) {
    LocalHttpServer server([](const std::string&) {
        return LocalHttpServer::Response("200 OK", std::string(50000, 'x'));
    });
    HttpLimits limits;
    limits.maxBody = 1000;
    CurlHttpClient client(limits);
    const HttpResult result = client.Get("http://" + server.Host() + "/", {});
    EXPECT_EQ(result.failure, HttpFailure::TooLarge) << result.detail;
    EXPECT_LE(result.body.size(), 1000u);
}

TEST(CurlHttpClient, TakesABodyExactlyAtTheLimit) {
    LocalHttpServer server([](const std::string&) {
        return LocalHttpServer::Response("200 OK", std::string(1000, 'x'));
    });
    HttpLimits limits;
    limits.maxBody = 1000;
    CurlHttpClient client(limits);
    const HttpResult result = client.Get("http://" + server.Host() + "/", {});
    EXPECT_EQ(result.failure, HttpFailure::None) << result.detail;
    EXPECT_EQ(result.body.size(), 1000u);
}

TEST(CurlHttpClient, StopsWhenTheProgressSaysSoAndReportsTheBytes) {
    LocalHttpServer server([](const std::string&) { return std::nullopt; });
    CurlHttpClient client;
    int calls = 0;
    std::int64_t lastReceived = -1;
    const HttpResult result = client.Get("http://" + server.Host() + "/", [&](std::int64_t received) {
        lastReceived = received;
        return ++calls < 3;
    });
    EXPECT_EQ(result.failure, HttpFailure::Cancelled) << result.detail;
    EXPECT_EQ(calls, 3);
    EXPECT_EQ(lastReceived, 0);
}

// A server that redirects to a scheme the client must not follow, and one
// that answers before it is asked, so TLS meets plain HTTP.
struct FailureServers {
    LocalHttpServer redirecting{[](const std::string&) {
        return LocalHttpServer::Response("302 Found", "redirect body", "Location: ftp://127.0.0.1/x\r\n");
    }};
    LocalHttpServer plain{[](const std::string&) { return LocalHttpServer::Response("200 OK", "plain"); },
                          true};
};

struct FailureCase {
    const char* name;
    std::function<std::string(const FailureServers&)> url;
    HttpFailure failure;
};

class CurlHttpClientFailure : public ::testing::TestWithParam<FailureCase> {};

TEST_P(CurlHttpClientFailure, GivesNoBodyAndSaysWhy) {
    FailureServers servers;
    CurlHttpClient client;
    const HttpResult result = client.Get(GetParam().url(servers), {});
    EXPECT_EQ(result.failure, GetParam().failure) << result.detail;
    EXPECT_TRUE(result.body.empty());
    EXPECT_FALSE(result.detail.empty());
}

const FailureCase kFailures[] = {
    {"RefusedConnection",
     [](const FailureServers&) { return "http://127.0.0.1:" + std::to_string(LocalHttpServer::ClosedPort()) + "/"; },
     HttpFailure::ConnectFailed},
    {"NoHost", [](const FailureServers&) { return std::string("http://"); }, HttpFailure::BadAddress},
    {"BadPort", [](const FailureServers&) { return std::string("http://127.0.0.1:99999999/"); },
     HttpFailure::BadAddress},
    {"OtherScheme", [](const FailureServers& s) { return "ftp://" + s.redirecting.Host() + "/"; },
     HttpFailure::UnsupportedScheme},
    {"RedirectToOtherScheme", [](const FailureServers& s) { return "http://" + s.redirecting.Host() + "/"; },
     HttpFailure::UnsupportedScheme},
    {"TlsToAPlainServer", [](const FailureServers& s) { return "https://" + s.plain.Host() + "/"; },
     HttpFailure::TlsFailed},
};

INSTANTIATE_TEST_SUITE_P(Cases, CurlHttpClientFailure, ::testing::ValuesIn(kFailures),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace scribbet
