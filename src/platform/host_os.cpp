#include "platform/host_os.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
// These two need windows.h before them.
#include <shellapi.h>
#include <shlobj.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace cw {

namespace {
// Whole files are read straight into their string, sized by the file (reading them a character or a
// small block at a time cost more than decoding the pictures, most of all in the browser); what lies
// beyond the size the system gives comes in blocks of this size.
constexpr size_t kReadBlock = 4096;
}  // namespace

#ifdef _WIN32

namespace {

std::string Utf8(const wchar_t* text) {
  int n = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
  if (n <= 1) return {};
  std::string out(size_t(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text, -1, out.data(), n, nullptr, nullptr);
  out.pop_back();  // the terminating zero
  return out;
}

bool Usable(DWORD which) {
  HANDLE h = GetStdHandle(which);
  return h != nullptr && h != INVALID_HANDLE_VALUE && GetFileType(h) != FILE_TYPE_UNKNOWN;
}

}  // namespace

std::filesystem::path ProgramFolder() {
  std::wstring name(MAX_PATH, L'\0');
  for (;;) {
    DWORD n = GetModuleFileNameW(nullptr, name.data(), DWORD(name.size()));
    if (n == 0) return std::filesystem::current_path();
    if (n < name.size()) {
      name.resize(n);
      return std::filesystem::path(name).parent_path();
    }
    name.resize(name.size() * 2);
  }
}

std::vector<std::string> Utf8Arguments(int argc, char** argv) {
  int n = 0;
  wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &n);
  if (!wide) return {argv, argv + argc};
  std::vector<std::string> args;
  for (int i = 0; i < n; ++i) args.push_back(Utf8(wide[i]));
  LocalFree(wide);
  return args;
}

void UseCallersConsole() {
  // Redirected output (a pipe, a file) is already there; only a console has to be asked for.
  bool out = Usable(STD_OUTPUT_HANDLE), err = Usable(STD_ERROR_HANDLE);
  if ((out && err) || !AttachConsole(ATTACH_PARENT_PROCESS)) return;
  if (!out) std::freopen("CONOUT$", "w", stdout);
  if (!err) std::freopen("CONOUT$", "w", stderr);
  SetConsoleOutputCP(CP_UTF8);  // file names in messages are UTF-8
}

std::optional<std::filesystem::path> WindowsAppDataFolder() {
  PWSTR folder = nullptr;
  std::optional<std::filesystem::path> result;
  if (SHGetKnownFolderPath(FOLDERID_RoamingAppData, KF_FLAG_CREATE, nullptr, &folder) == S_OK)
    result = std::filesystem::path(folder);
  CoTaskMemFree(folder);
  if (!result)
    if (const wchar_t* env = _wgetenv(L"APPDATA"); env && *env) result = std::filesystem::path(env);
  return result;
}

bool WriteFileDurably(const std::filesystem::path& path, const std::string& bytes) {
  HANDLE f = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (f == INVALID_HANDLE_VALUE) return false;
  size_t done = 0;
  bool ok = true;
  while (ok && done < bytes.size()) {
    DWORD n = 0;
    ok = WriteFile(f, bytes.data() + done, DWORD(bytes.size() - done), &n, nullptr) && n > 0;
    done += n;
  }
  ok = FlushFileBuffers(f) && ok;
  ok = CloseHandle(f) && ok;
  if (!ok) DeleteFileW(path.c_str());
  return ok;
}

bool MoveIntoPlace(const std::filesystem::path& from, const std::filesystem::path& to) {
  if (MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return true;
  DeleteFileW(from.c_str());
  return false;
}

std::optional<std::string> ReadWholeFile(const std::filesystem::path& path) {
  HANDLE f = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                         OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (f == INVALID_HANDLE_VALUE) return std::nullopt;
  LARGE_INTEGER size;
  std::string bytes(GetFileSizeEx(f, &size) && size.QuadPart > 0 ? size_t(size.QuadPart) : 0, '\0');
  size_t used = 0;
  char more[kReadBlock];
  for (;;) {
    // Straight into the string up to the size the system gave; beyond it through a small buffer.
    const bool room = used < bytes.size();
    DWORD n = 0;
    const BOOL ok =
        room ? ReadFile(f, bytes.data() + used, DWORD(std::min<size_t>(bytes.size() - used, 1u << 30)), &n, nullptr)
             : ReadFile(f, more, DWORD(sizeof more), &n, nullptr);
    if (!ok) {
      CloseHandle(f);
      return std::nullopt;
    }
    if (n == 0) break;
    if (!room) bytes.append(more, n);
    used += n;
  }
  CloseHandle(f);
  bytes.resize(used);
  return bytes;
}

#else  // POSIX

namespace {

bool WriteAll(int fd, const std::string& bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += size_t(n);
  }
  return true;
}

// Makes a rename itself durable; a folder that can't be synced still holds the new file.
void SyncFolder(const std::filesystem::path& folder) {
  int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

std::filesystem::path ProgramFolder() {
  std::error_code ec;
  auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  return ec ? std::filesystem::current_path() : exe.parent_path();
}

std::vector<std::string> Utf8Arguments(int argc, char** argv) { return {argv, argv + argc}; }

void UseCallersConsole() {}

std::optional<std::filesystem::path> WindowsAppDataFolder() { return std::nullopt; }

bool WriteFileDurably(const std::filesystem::path& path, const std::string& bytes) {
  int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) return false;
  bool ok = WriteAll(fd, bytes) && ::fsync(fd) == 0;
  ok = ::close(fd) == 0 && ok;
  if (!ok) ::unlink(path.c_str());
  return ok;
}

bool MoveIntoPlace(const std::filesystem::path& from, const std::filesystem::path& to) {
  if (std::rename(from.c_str(), to.c_str()) != 0) {
    ::unlink(from.c_str());
    return false;
  }
  SyncFolder(to.parent_path());
  return true;
}

std::optional<std::string> ReadWholeFile(const std::filesystem::path& path) {
  int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  struct stat st;
  std::string bytes(::fstat(fd, &st) == 0 && st.st_size > 0 ? size_t(st.st_size) : 0, '\0');
  size_t used = 0;
  char more[kReadBlock];
  for (;;) {
    // Straight into the string up to the size the system gave; beyond it (a file that grew, or one
    // whose size it doesn't know) through a small buffer.
    const bool room = used < bytes.size();
    ssize_t n = room ? ::read(fd, bytes.data() + used, bytes.size() - used) : ::read(fd, more, sizeof more);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      ::close(fd);
      return std::nullopt;
    }
    if (n == 0) break;
    if (!room) bytes.append(more, size_t(n));
    used += size_t(n);
  }
  ::close(fd);
  bytes.resize(used);
  return bytes;
}

#endif

}  // namespace cw
