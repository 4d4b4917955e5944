#include "web/url_source.h"

namespace scribbet {

namespace {

bool StartsWithNoCase(const AnsiText& text, std::string_view prefix) {
    if (text.size() < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        const char c = text[i];
        const char lower = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
        if (lower != prefix[i]) return false;
    }
    return true;
}

// Failures that leave a part of the page worth keeping when some bytes came.
bool KeepsPartialBody(HttpFailure failure) {
    return failure != HttpFailure::Cancelled && failure != HttpFailure::TooLarge;
}

}  // namespace

AnsiText AddressWithScheme(const AnsiText& typed) {
    if (StartsWithNoCase(typed, "http://") || StartsWithNoCase(typed, "https://")) return typed;
    AnsiText url;
    url.reserve(typed.size() + 7);
    url.append("http://").append(typed);
    return url;
}

UrlSource FetchUrlSource(HttpClient& client, const AnsiText& typed, const HttpProgress& progress) {
    UrlSource source;
    source.url = AddressWithScheme(typed);
    HttpResult result = client.Get(source.url, progress);
    source.failure = result.failure;
    source.detail = std::move(result.detail);
    source.ok = result.failure == HttpFailure::None ||
                (!result.body.empty() && KeepsPartialBody(result.failure));
    if (source.ok) source.text = BytesToText(result.body);
    return source;
}

}  // namespace scribbet
