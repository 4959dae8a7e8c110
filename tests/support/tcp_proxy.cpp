#include "tests/support/tcp_proxy.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <stdexcept>
#include <utility>
#include <vector>

namespace testsupport {

namespace {

sockaddr_in loopback(int port)
{
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(std::uint16_t(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return address;
}

} // namespace

TcpProxy::TcpProxy(int serverPort) : m_serverPort(serverPort)
{
    m_listener = listen();
    sockaddr_in bound{};
    socklen_t length = sizeof bound;
    getsockname(m_listener, reinterpret_cast<sockaddr *>(&bound), &length);
    m_port = ntohs(bound.sin_port);
    m_thread = std::thread([this] { run(); });
}

TcpProxy::~TcpProxy()
{
    send(Command::Stop);
    m_thread.join();
}

int TcpProxy::listen()
{
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    const int yes = 1;
    setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
    sockaddr_in address = loopback(m_port);
    if (bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) != 0 ||
        ::listen(fd, 16) != 0) {
        close(fd);
        throw std::runtime_error("the test relay could not listen");
    }
    return fd;
}

void TcpProxy::cutAll(bool refuseNew) { send(refuseNew ? Command::CutAndRefuse : Command::Cut); }

void TcpProxy::acceptAgain() { send(Command::Accept); }

void TcpProxy::send(Command command)
{
    const int before = m_done.load();
    {
        std::lock_guard lock(m_mutex);
        m_command = command;
    }
    while (m_done.load() == before)
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
}

void TcpProxy::run()
{
    std::vector<std::pair<int, int>> pairs; // client, server
    auto cut = [&] {
        for (auto [client, server] : pairs) {
            close(client);
            close(server);
        }
        pairs.clear();
    };
    for (;;) {
        Command command;
        {
            std::lock_guard lock(m_mutex);
            command = std::exchange(m_command, Command::None);
        }
        if (command != Command::None) {
            if (command == Command::Stop) {
                cut();
                if (m_listener >= 0)
                    close(m_listener);
                ++m_done;
                return;
            }
            if (command == Command::Cut || command == Command::CutAndRefuse)
                cut();
            if (command == Command::CutAndRefuse && m_listener >= 0) {
                close(m_listener);
                m_listener = -1;
            }
            if (command == Command::Accept && m_listener < 0)
                m_listener = listen();
            ++m_done;
        }

        std::vector<pollfd> fds;
        if (m_listener >= 0)
            fds.push_back({m_listener, POLLIN, 0});
        for (auto [client, server] : pairs) {
            fds.push_back({client, POLLIN, 0});
            fds.push_back({server, POLLIN, 0});
        }
        if (poll(fds.data(), nfds_t(fds.size()), 10) <= 0)
            continue;
        std::size_t next = 0;
        if (m_listener >= 0 && (fds[next++].revents & POLLIN)) {
            const int client = accept(m_listener, nullptr, nullptr);
            const int server = socket(AF_INET, SOCK_STREAM, 0);
            sockaddr_in upstream = loopback(m_serverPort);
            if (client >= 0 &&
                connect(server, reinterpret_cast<sockaddr *>(&upstream), sizeof upstream) == 0) {
                pairs.emplace_back(client, server);
            } else {
                if (client >= 0)
                    close(client);
                close(server);
            }
        }
        // Relay what arrived; a pair whose either side closed is closed whole.
        std::vector<std::pair<int, int>> alive;
        const std::size_t relayed = pairs.size();
        for (std::size_t p = 0; p < relayed; ++p) {
            bool open = true;
            for (int side = 0; side < 2 && open; ++side) {
                const pollfd &polled = fds[next + 2 * p + std::size_t(side)];
                if (!(polled.revents & (POLLIN | POLLHUP | POLLERR)))
                    continue;
                const int from = side == 0 ? pairs[p].first : pairs[p].second;
                const int to = side == 0 ? pairs[p].second : pairs[p].first;
                char buffer[16384];
                const ssize_t n = read(from, buffer, sizeof buffer);
                open = n > 0 && write(to, buffer, std::size_t(n)) == n;
            }
            if (open) {
                alive.push_back(pairs[p]);
            } else {
                close(pairs[p].first);
                close(pairs[p].second);
            }
        }
        pairs = std::move(alive);
    }
}

} // namespace testsupport
