/* The failing disk of faultfs for machines where FUSE cannot mount: preloaded
 * (LD_PRELOAD), it fails and spoils the reads and writes of one device from
 * user space, where faultfs does it under the loop device.
 *   FAULTSHIM_DEVICE  the device, e.g. /dev/loop3
 *   FAULTSHIM_FAULTS  the faults file, in faultfs's format, read at each call
 */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <errno.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

enum { kSector = 512 };

typedef ssize_t (*PreadFunction)(int, void *, size_t, off_t);
typedef ssize_t (*PwriteFunction)(int, const void *, size_t, off_t);

/* Whether `fd` is the failing device. */
static int is_failing(int fd) {
  const char *device = getenv("FAULTSHIM_DEVICE");
  struct stat wanted, got;
  if (device == NULL || stat(device, &wanted) != 0 || fstat(fd, &got) != 0) return 0;
  return S_ISBLK(got.st_mode) && got.st_rdev == wanted.st_rdev;
}

/* Whether the faults file lists `kind` at an offset within [offset, end). */
static int fault_in(const char *kind, long long offset, long long end, long long *at) {
  const char *path = getenv("FAULTSHIM_FAULTS");
  char listed[8];
  long long where;
  int found = 0;
  FILE *file = path == NULL ? NULL : fopen(path, "r");
  if (file == NULL) return 0;
  while (!found && fscanf(file, "%7s %lli", listed, &where) == 2) {
    const long long span = strcmp(kind, "read") == 0 ? kSector : 1;
    found = strcmp(listed, kind) == 0 && where < end && where + span > offset;
    if (found) *at = where;
  }
  fclose(file);
  return found;
}

static ssize_t failing_pread(int fd, void *buffer, size_t size, off_t offset) {
  static PreadFunction real;
  long long at;
  if (real == NULL) real = (PreadFunction)dlsym(RTLD_NEXT, "pread");
  if (is_failing(fd) && fault_in("read", offset, offset + (long long)size, &at)) {
    errno = EIO;
    return -1;
  }
  return real(fd, buffer, size, offset);
}

static ssize_t failing_pwrite(int fd, const void *data, size_t size, off_t offset) {
  static PwriteFunction real;
  long long at;
  if (real == NULL) real = (PwriteFunction)dlsym(RTLD_NEXT, "pwrite");
  const ssize_t done = real(fd, data, size, offset);
  if (done > 0 && is_failing(fd) && fault_in("write", offset, offset + done, &at)) {
    /* A one-sector copy holding the wrong byte, aligned for O_DIRECT. */
    void *sector = NULL;
    const long long start = at / kSector * kSector;
    if (posix_memalign(&sector, 4096, kSector) == 0) {
      memcpy(sector, (const char *)data + (start - offset), kSector);
      ((char *)sector)[at - start] ^= (char)0xFF;
      real(fd, sector, kSector, start);
      free(sector);
    }
  }
  return done;
}

ssize_t pread(int fd, void *buffer, size_t size, off_t offset) {
  return failing_pread(fd, buffer, size, offset);
}
ssize_t pread64(int fd, void *buffer, size_t size, off_t offset) {
  return failing_pread(fd, buffer, size, offset);
}
ssize_t pwrite(int fd, const void *data, size_t size, off_t offset) {
  return failing_pwrite(fd, data, size, offset);
}
ssize_t pwrite64(int fd, const void *data, size_t size, off_t offset) {
  return failing_pwrite(fd, data, size, offset);
}
