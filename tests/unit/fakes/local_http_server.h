#pragma once
// A small HTTP server on 127.0.0.1 for tests: it serves one connection at a
// time on its own thread, records each request as it arrived and answers
// with what the handler returns. Nothing leaves the machine.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace scribbet {

class LocalHttpServer {
public:
    // The raw response bytes for a request (request line and headers as
    // received); nothing keeps the connection open without an answer.
    using Handler = std::function<std::optional<std::string>(const std::string& request)>;

    // With `answerAtOnce` the handler's answer goes out as soon as a client
    // connects, before anything is read (a server that speaks out of turn).
    explicit LocalHttpServer(Handler handler, bool answerAtOnce = false)
        : m_handler(std::move(handler)), m_answerAtOnce(answerAtOnce) {
        m_listener = socket(AF_INET, SOCK_STREAM, 0);
        const int yes = 1;
        setsockopt(m_listener, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        address.sin_port = 0;
        bind(m_listener, reinterpret_cast<sockaddr*>(&address), sizeof address);
        listen(m_listener, 8);
        socklen_t length = sizeof address;
        getsockname(m_listener, reinterpret_cast<sockaddr*>(&address), &length);
        m_port = ntohs(address.sin_port);
        m_thread = std::thread([this] { Serve(); });
    }
    ~LocalHttpServer() {
        m_stop = true;
        m_thread.join();
        close(m_listener);
    }
    LocalHttpServer(const LocalHttpServer&) = delete;
    LocalHttpServer& operator=(const LocalHttpServer&) = delete;

    [[nodiscard]] int Port() const { return m_port; }
    // "127.0.0.1:port", the start of an address without scheme.
    [[nodiscard]] std::string Host() const { return "127.0.0.1:" + std::to_string(m_port); }
    [[nodiscard]] std::vector<std::string> Requests() const {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_requests;
    }

    // A full response with the given status line and body.
    static std::string Response(const std::string& status, const std::string& body,
                                const std::string& extraHeaders = "") {
        return "HTTP/1.0 " + status + "\r\nContent-Type: text/html\r\nContent-Length: " +
               std::to_string(body.size()) + "\r\n" + extraHeaders + "\r\n" + body;
    }

    // A port on which nobody listens.
    static int ClosedPort() {
        const int s = socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        bind(s, reinterpret_cast<sockaddr*>(&address), sizeof address);
        socklen_t length = sizeof address;
        getsockname(s, reinterpret_cast<sockaddr*>(&address), &length);
        close(s);
        return ntohs(address.sin_port);
    }

private:
    bool Wait(int fd) const {
        pollfd p{fd, POLLIN, 0};
        while (!m_stop) {
            if (poll(&p, 1, 20) > 0) return true;
        }
        return false;
    }

    void Serve() {
        while (Wait(m_listener)) {
            const int connection = accept(m_listener, nullptr, nullptr);
            if (connection < 0) continue;
            std::string request;
            char buffer[4096];
            while (!m_answerAtOnce && request.find("\r\n\r\n") == std::string::npos &&
                   Wait(connection)) {
                const ssize_t n = recv(connection, buffer, sizeof buffer, 0);
                if (n <= 0) break;
                request.append(buffer, static_cast<std::size_t>(n));
            }
            {
                std::lock_guard<std::mutex> lock(m_mutex);
                m_requests.push_back(request);
            }
            if (const std::optional<std::string> response = m_handler(request)) {
                std::size_t done = 0;
                while (done < response->size()) {
                    const ssize_t n = send(connection, response->data() + done,
                                           response->size() - done, MSG_NOSIGNAL);
                    if (n <= 0) break;
                    done += static_cast<std::size_t>(n);
                }
            } else {
                while (Wait(connection)) {  // silent: hold the line until the client gives up
                    if (recv(connection, buffer, sizeof buffer, 0) <= 0) break;
                }
            }
            close(connection);
        }
    }

    Handler m_handler;
    bool m_answerAtOnce = false;
    int m_listener = -1;
    int m_port = 0;
    std::atomic<bool> m_stop{false};
    mutable std::mutex m_mutex;
    std::vector<std::string> m_requests;
    std::thread m_thread;
};

// The path of a request line "GET /path HTTP/1.0".
inline std::string RequestPath(const std::string& request) {
    const std::size_t start = request.find(' ') + 1;
    return request.substr(start, request.find(' ', start) - start);
}

}  // namespace scribbet
