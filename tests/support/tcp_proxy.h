#pragma once

#include <atomic>
#include <mutex>
#include <thread>

namespace testsupport {

// A TCP relay on 127.0.0.1 between the program and the database server, which a test
// uses to play a server restart: every connection through it is cut, new ones are
// refused for a while, then taken again on the same port.
class TcpProxy final
{
public:
    explicit TcpProxy(int serverPort);
    ~TcpProxy();
    TcpProxy(const TcpProxy &) = delete;
    TcpProxy &operator=(const TcpProxy &) = delete;

    int port() const { return m_port; }
    // Cuts every connection through the relay; with `refuseNew`, new ones are refused
    // until `acceptAgain`.
    void cutAll(bool refuseNew);
    void acceptAgain();

private:
    enum class Command { None, Cut, CutAndRefuse, Accept, Stop };
    void run();
    void send(Command command);
    int listen();

    int m_serverPort;
    int m_port = 0;
    int m_listener = -1;
    std::mutex m_mutex;
    Command m_command = Command::None;
    std::atomic<int> m_done{0};
    std::thread m_thread;
};

} // namespace testsupport
