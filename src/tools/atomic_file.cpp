#include "tools/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <vector>

namespace tova {
namespace {

std::string Failure(int error) { return std::strerror(error); }

}  // namespace

std::string WriteFileAtomically(const std::string& path, std::string_view bytes) {
  const std::filesystem::path target(path);
  if (target.filename().empty()) return "not a file name";
  const std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : ".";
  std::string temp = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
  std::vector<char> name(temp.begin(), temp.end());
  name.push_back('\0');
  const int fd = mkstemp(name.data());
  if (fd < 0) return Failure(errno);
  temp = name.data();
  const auto fail = [&](int error) {
    close(fd);
    unlink(temp.c_str());
    return Failure(error);
  };
  for (std::size_t done = 0; done < bytes.size();) {
    const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return fail(n < 0 ? errno : EIO);
    done += static_cast<std::size_t>(n);
  }
  // A new file gets the permissions the user's umask gives new files.
  const mode_t mask = umask(0);
  umask(mask);
  if (fchmod(fd, 0666 & ~mask) != 0 || fsync(fd) != 0) return fail(errno);
  if (close(fd) != 0) {
    const int error = errno;
    unlink(temp.c_str());
    return Failure(error);
  }
  if (rename(temp.c_str(), path.c_str()) != 0) {
    const int error = errno;
    unlink(temp.c_str());
    return Failure(error);
  }
  return {};
}

}  // namespace tova
