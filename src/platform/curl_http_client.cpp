#include "platform/curl_http_client.h"

#include <curl/curl.h>

#include <mutex>
#include <new>

namespace scribbet {

namespace {

// What the callbacks of one download share.
struct Transfer {
    const HttpLimits& limits;
    const HttpProgress& progress;
    ByteBuffer body;
    std::chrono::steady_clock::time_point lastByte = std::chrono::steady_clock::now();
    HttpFailure stopped = HttpFailure::None;  // why a callback ended the transfer
};

std::size_t OnBody(char* data, std::size_t size, std::size_t count, void* user) {
    auto& transfer = *static_cast<Transfer*>(user);
    const std::size_t n = size * count;
    if (n > transfer.limits.maxBody - transfer.body.size()) {
        transfer.stopped = HttpFailure::TooLarge;
        return 0;
    }
    // An exception must not unwind through libcurl's C frames.
    try {
        transfer.body.append(data, n);
    } catch (const std::bad_alloc&) {
        transfer.stopped = HttpFailure::TooLarge;
        return 0;
    }
    transfer.lastByte = std::chrono::steady_clock::now();
    return n;
}

int OnProgress(void* user, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
    auto& transfer = *static_cast<Transfer*>(user);
    // Time since the last byte counts from the start, so a server that takes
    // the request and never answers stalls the same way as one that stops
    // half-way.
    if (std::chrono::steady_clock::now() - transfer.lastByte > transfer.limits.stallTimeout) {
        transfer.stopped = HttpFailure::TimedOut;
        return 1;
    }
    if (transfer.progress && !transfer.progress(static_cast<std::int64_t>(transfer.body.size()))) {
        transfer.stopped = HttpFailure::Cancelled;
        return 1;
    }
    return 0;
}

HttpFailure FailureOf(CURLcode code) {
    switch (code) {
    case CURLE_OK: return HttpFailure::None;
    case CURLE_URL_MALFORMAT: return HttpFailure::BadAddress;
    case CURLE_UNSUPPORTED_PROTOCOL: return HttpFailure::UnsupportedScheme;
    case CURLE_COULDNT_RESOLVE_HOST: return HttpFailure::HostNotFound;
    case CURLE_COULDNT_CONNECT: return HttpFailure::ConnectFailed;
    case CURLE_OPERATION_TIMEDOUT: return HttpFailure::TimedOut;
    case CURLE_SSL_CONNECT_ERROR:
    case CURLE_PEER_FAILED_VERIFICATION:
    case CURLE_SSL_CERTPROBLEM:
    case CURLE_SSL_CIPHER:
    case CURLE_SSL_CACERT_BADFILE:
    case CURLE_SSL_ISSUER_ERROR:
    case CURLE_SSL_INVALIDCERTSTATUS:
    case CURLE_SSL_PINNEDPUBKEYNOTMATCH: return HttpFailure::TlsFailed;
    default: return HttpFailure::Other;
    }
}

}  // namespace

CurlHttpClient::CurlHttpClient(HttpLimits limits) : m_limits(limits) {}

CurlHttpClient::~CurlHttpClient() {
    if (m_session) curl_easy_cleanup(static_cast<CURL*>(m_session));
}

HttpResult CurlHttpClient::Get(const std::string& url, const HttpProgress& progress) {
    if (m_busy) return {HttpFailure::Other, {}, "another download is running"};
    if (!m_session) {
        static std::once_flag global;
        std::call_once(global, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
        m_session = curl_easy_init();
        if (!m_session) return {HttpFailure::Other, {}, "libcurl could not start a session"};
    }
    m_busy = true;
    CURL* curl = static_cast<CURL*>(m_session);
    // Each download starts from the defaults; the handle keeps its caches.
    curl_easy_reset(curl);

    Transfer transfer{m_limits, progress, {}};
    char error[CURL_ERROR_SIZE] = "";
    curl_slist* headers = curl_slist_append(nullptr, "Accept: */*");

    curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
    curl_easy_setopt(curl, CURLOPT_HTTPGET, 1L);
    curl_easy_setopt(curl, CURLOPT_HTTP_VERSION, static_cast<long>(CURL_HTTP_VERSION_1_0));
    curl_easy_setopt(curl, CURLOPT_USERAGENT, kUserAgent);
    curl_easy_setopt(curl, CURLOPT_HTTPHEADER, headers);
    curl_easy_setopt(curl, CURLOPT_PROXY, "");  // empty: no proxy, not even from the environment
    curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(curl, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(curl, CURLOPT_MAXREDIRS, 20L);
    curl_easy_setopt(curl, CURLOPT_SSL_VERIFYPEER, 1L);
    curl_easy_setopt(curl, CURLOPT_SSL_VERIFYHOST, 2L);
    curl_easy_setopt(curl, CURLOPT_FRESH_CONNECT, 1L);
    curl_easy_setopt(curl, CURLOPT_FORBID_REUSE, 1L);
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(m_limits.connectTimeout.count()));
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, OnBody);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &transfer);
    curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, OnProgress);
    curl_easy_setopt(curl, CURLOPT_XFERINFODATA, &transfer);
    curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, error);

    const CURLcode code = curl_easy_perform(curl);
    curl_easy_setopt(curl, CURLOPT_HTTPHEADER, nullptr);
    curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, nullptr);
    curl_slist_free_all(headers);
    m_busy = false;

    HttpResult result;
    result.failure = transfer.stopped != HttpFailure::None ? transfer.stopped : FailureOf(code);
    if (result.failure != HttpFailure::None) {
        result.detail = error[0] ? error : curl_easy_strerror(code);
    }
    result.body = std::move(transfer.body);
    return result;
}

}  // namespace scribbet
