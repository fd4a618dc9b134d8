// Preloaded into pieceset by the command-line tests: every open of the file
// named by RESHIM_PATH after its first opens RESHIM_SECOND instead, as if the
// installer had been rewritten between the cut's two reads. "*/disk2/FILE.2"
// names any path ending so (the cut writes under a folder of a random name).
#include <dlfcn.h>
#include <fcntl.h>

#include <cstdarg>
#include <cstdlib>
#include <cstring>

namespace {

int opens = 0;

const char* Swapped(const char* path) {
  const char* watched = std::getenv("RESHIM_PATH");
  const char* second = std::getenv("RESHIM_SECOND");
  if (!watched || !second) return path;
  if (watched[0] == '*') {
    const std::size_t n = std::strlen(path), tail = std::strlen(watched + 1);
    if (n < tail || std::strcmp(path + n - tail, watched + 1) != 0) return path;
  } else if (std::strcmp(path, watched) != 0) {
    return path;
  }
  return opens++ == 0 ? path : second;
}

mode_t ModeOf(int flags, va_list args) {
  return (flags & (O_CREAT | O_TMPFILE)) ? va_arg(args, mode_t) : 0;
}

// Opens through the libc function `name` (open or open64), path swapped.
int OpenSwapped(const char* name, const char* path, int flags, mode_t mode) {
  using Open = int (*)(const char*, int, ...);
  const Open real = reinterpret_cast<Open>(dlsym(RTLD_NEXT, name));
  return real(Swapped(path), flags, mode);
}

}  // namespace

extern "C" int open(const char* path, int flags, ...) {
  va_list args;
  va_start(args, flags);
  const mode_t mode = ModeOf(flags, args);
  va_end(args);
  return OpenSwapped("open", path, flags, mode);
}

extern "C" int open64(const char* path, int flags, ...) {
  va_list args;
  va_start(args, flags);
  const mode_t mode = ModeOf(flags, args);
  va_end(args);
  return OpenSwapped("open64", path, flags, mode);
}
