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
  // A file replaced keeps its read, write and execute bits (set-user, set-group and sticky are not
  // given to new contents); a new one gets those the user's umask gives new files.
  struct stat old{};
  mode_t mode = 0;
  if (stat(path.c_str(), &old) == 0) {
    mode = old.st_mode & 0777;
  } else {
    const mode_t mask = umask(0);
    umask(mask);
    mode = 0666 & ~mask;
  }
  if (fchmod(fd, mode) != 0 || fsync(fd) != 0) return fail(errno);
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
  // The rename made durable. The new file is in place whatever this says, so a folder that cannot
  // be synced (some file systems refuse) is no failed write.
  if (const int dir = open(folder.c_str(), O_RDONLY | O_DIRECTORY); dir >= 0) {
    fsync(dir);
    close(dir);
  }
  return {};
}

}  // namespace tova
