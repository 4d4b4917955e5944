#pragma once
// Fetching a web page's raw source as document text.
#include "core/text_ops.h"
#include "platform/http_client.h"

namespace scribbet {

// The address as typed with "http://" in front, unless it already begins
// with "http://" or "https://" in any letter case.
[[nodiscard]] AnsiText AddressWithScheme(const AnsiText& typed);

struct UrlSource {
    bool ok = false;     // false: the document must stay as it is
    AnsiText url;        // the address that was asked for
    AnsiText text;       // the body up to its first zero byte, when ok
    HttpFailure failure = HttpFailure::None;
    std::string detail;  // the client's description of the failure
};

// Downloads the typed address. A body counts even when the download broke
// off after it began; with no body byte at all, a cancel, or a body over the
// client's limit, the result is not ok.
[[nodiscard]] UrlSource FetchUrlSource(HttpClient& client, const AnsiText& typed,
                                       const HttpProgress& progress = {});

}  // namespace scribbet
