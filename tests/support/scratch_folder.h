#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>

#include <signal.h>
#include <stdlib.h>
#include <sys/resource.h>

namespace testsupport {

// An empty folder of the test's own under the system's temporary folder, removed with
// everything in it when the object goes away.
class ScratchFolder final
{
public:
    ScratchFolder()
    {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "brontalo_scratch_XXXXXX").string();
        if (!::mkdtemp(pattern.data()))
            throw std::runtime_error("could not make a scratch folder");
        m_path = pattern;
    }
    ~ScratchFolder()
    {
        std::error_code ignored; // a test that failed half-way may have left anything
        std::filesystem::remove_all(m_path, ignored);
    }
    ScratchFolder(const ScratchFolder &) = delete;
    ScratchFolder &operator=(const ScratchFolder &) = delete;

    const std::filesystem::path &path() const { return m_path; }
    std::filesystem::path operator/(const std::string &name) const { return m_path / name; }

private:
    std::filesystem::path m_path;
};

// While it lives, no file of this process grows beyond `bytes`: a write past the limit
// fails with EFBIG, as on a full disk, also for root. Restores the old limit afterwards.
class FileSizeLimit final
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        if (::getrlimit(RLIMIT_FSIZE, &m_old) != 0)
            throw std::runtime_error("could not read the file size limit");
        rlimit limit = m_old;
        limit.rlim_cur = bytes;
        m_oldSignal = ::signal(SIGXFSZ, SIG_IGN); // report EFBIG instead of ending the test
        if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) {
            ::signal(SIGXFSZ, m_oldSignal);
            throw std::runtime_error("could not limit the file size");
        }
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &m_old);
        ::signal(SIGXFSZ, m_oldSignal);
    }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    rlimit m_old{};
    sighandler_t m_oldSignal = SIG_DFL;
};

} // namespace testsupport
