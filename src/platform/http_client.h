#pragma once
// Downloading one web page: one GET request, the body as raw bytes.
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

#include "core/text_ops.h"

namespace scribbet {

// Why a download gave no complete body.
enum class HttpFailure {
    None,               // the server sent its whole body (whatever the status)
    BadAddress,         // the address cannot be split into scheme, host and path
    UnsupportedScheme,  // neither http nor https
    HostNotFound,       // the host name does not resolve
    ConnectFailed,      // no connection: refused, unreachable, no network
    TlsFailed,          // the secure connection failed or the certificate did not verify
    TimedOut,           // no connection in time, or the server stalled
    TooLarge,           // the body outgrew the limit
    Cancelled,          // the user stopped it
    Other,              // anything else; `detail` says what
};

struct HttpResult {
    HttpFailure failure = HttpFailure::None;
    ByteBuffer body;     // the bytes received, also those before a failure
    std::string detail;  // the client's own description of a failure (UTF-8)
};

// Called while a download runs with the body bytes received so far; false
// stops the download.
using HttpProgress = std::function<bool(std::int64_t received)>;

class HttpClient {
public:
    virtual ~HttpClient() = default;
    // One GET of `url` (bytes as typed; the fragment is not sent), following
    // redirects; the status code is not looked at.
    virtual HttpResult Get(const std::string& url, const HttpProgress& progress) = 0;
};

// How long a download may take and how much it may hold.
struct HttpLimits {
    std::chrono::milliseconds connectTimeout{30000};
    std::chrono::milliseconds stallTimeout{60000};  // longest wait for the next byte
    std::size_t maxBody = std::size_t{1} << 30;
};

}  // namespace scribbet
