// Throughput of the page layout of printing and of fetching a page, on a
// generated GBK text, each beside a reference doing the least of the same
// work, timed in the same run.
//
//   bench_web_tools [MEGABYTES]
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "bench_text.h"
#include "core/printing.h"
#include "fakes/local_http_server.h"
#include "platform/curl_http_client.h"
#include "web/url_source.h"

using namespace scribbet;

namespace {

void Report(const char* name, std::size_t bytes, double ours, const char* reference, double theirs) {
    const double mb = static_cast<double>(bytes) / 1e6;
    std::printf("%-16s %8.1f MB/s   %-26s %8.1f MB/s   ratio %.2f\n", name, mb / ours, reference,
                mb / theirs, theirs / ours);
}

// Reads a whole response with plain socket calls.
std::size_t RawGet(int port) {
    const int s = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(static_cast<uint16_t>(port));
    if (connect(s, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) return 0;
    const char request[] = "GET / HTTP/1.0\r\n\r\n";
    (void)!send(s, request, sizeof request - 1, 0);
    std::string body;
    char buffer[1 << 16];
    for (ssize_t n; (n = recv(s, buffer, sizeof buffer, 0)) > 0;) body.append(buffer, static_cast<std::size_t>(n));
    close(s);
    return body.size();
}

volatile std::size_t g_sink;

}  // namespace

int main(int argc, char** argv) {
    const std::size_t megabytes = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 100;
    const std::string text = bench::MakeGbkText(megabytes * 1000000);
    std::printf("text: %zu bytes\n", text.size());

    {
        const PrintMetrics metrics{6000, 100, 100, 2};
        const double ours = bench::BestSeconds([&] { g_sink = PaginateText(text, metrics).size(); });
        const double theirs = bench::BestSeconds([&] {
            std::size_t lines = 0;
            for (const char* p = text.data(), *end = p + text.size();
                 (p = static_cast<const char*>(std::memchr(p, '\n', static_cast<std::size_t>(end - p))));
                 ++p) {
                ++lines;
            }
            g_sink = lines;
        });
        Report("PaginateText", text.size(), ours, "memchr line count", theirs);
    }
    {
        const std::string response = LocalHttpServer::Response("200 OK", text);
        LocalHttpServer server([&](const std::string&) { return response; });
        CurlHttpClient client;
        const double ours = bench::BestSeconds([&] {
            g_sink = FetchUrlSource(client, server.Host() + "/").text.size();
        });
        const double theirs = bench::BestSeconds([&] { g_sink = RawGet(server.Port()); });
        Report("FetchUrlSource", text.size(), ours, "raw socket GET", theirs);
    }
    return 0;
}
