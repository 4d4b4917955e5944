#pragma once
// The HTTP client over libcurl.
#include "platform/http_client.h"

namespace scribbet {

// One session for the run: the handle is opened by the first download and
// kept until the client is destroyed. Every download opens a fresh
// connection and sends one HTTP/1.0 GET with the fixed user agent and
// "Accept: */*", directly (no proxy), certificates verified for HTTPS.
// It runs on the calling thread; `progress` is where the caller keeps its
// window alive.
class CurlHttpClient final : public HttpClient {
public:
    explicit CurlHttpClient(HttpLimits limits = {});
    ~CurlHttpClient() override;
    CurlHttpClient(const CurlHttpClient&) = delete;
    CurlHttpClient& operator=(const CurlHttpClient&) = delete;

    HttpResult Get(const std::string& url, const HttpProgress& progress) override;

private:
    HttpLimits m_limits;
    void* m_session = nullptr;  // CURL*, opened by the first download
    bool m_busy = false;        // a progress callback may pump events into a second Get
};

inline constexpr const char* kUserAgent = "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)";

}  // namespace scribbet
