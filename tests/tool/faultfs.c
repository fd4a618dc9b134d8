/* A disk that fails as old media do, for the device tests of pieceset and
 * the floppies of the Wine suite.
 *
 *   faultfs BACKING FAULTS MOUNTPOINT [FUSE OPTION...]
 *
 * serves BACKING as MOUNTPOINT/disk, for a loop device over it, or, when
 * BACKING is a folder, its files under their own names, for a drive that
 * points at MOUNTPOINT. FAULTS is read again at every request, so that a test
 * can damage and mend the disk while it is attached; each line is
 *   read OFFSET    reads touching the 512 bytes at OFFSET (of any file served)
 *                  fail with EIO, each said on stderr
 *   write OFFSET   a write over OFFSET stores that byte inverted, as a drive
 *                  that writes badly but says nothing
 */
#define FUSE_USE_VERSION 31
#include <dirent.h>
#include <errno.h>
#include <fcntl.h>
#include <fuse.h>
#include <limits.h>
#include <stdio.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

enum { kSector = 512, kMaxFaults = 64 };

static const char *g_faults_path;
static const char *g_backing;
static int g_folder;

struct Faults {
  long long read_at[kMaxFaults];
  int reads;
  long long write_at[kMaxFaults];
  int writes;
};

/* The faults as the file lists them now. */
static const struct Faults *load_faults(void) {
  static struct Faults faults;
  char kind[8];
  long long offset;
  FILE *file = fopen(g_faults_path, "r");
  memset(&faults, 0, sizeof faults);
  if (file == NULL) return &faults;
  while (fscanf(file, "%7s %lli", kind, &offset) == 2) {
    if (strcmp(kind, "read") == 0 && faults.reads < kMaxFaults) {
      faults.read_at[faults.reads++] = offset;
    } else if (strcmp(kind, "write") == 0 && faults.writes < kMaxFaults) {
      faults.write_at[faults.writes++] = offset;
    }
  }
  fclose(file);
  return &faults;
}

/* The backing file that a served path stands for; 0 when it serves none.
   A folder serves only its own files, never a path that climbs out. */
static int backing_of(const char *path, char *out) {
  if (!g_folder) {
    if (strcmp(path, "/disk") != 0) return 0;
    snprintf(out, PATH_MAX, "%s", g_backing);
    return 1;
  }
  if (path[0] != '/' || path[1] == '\0' || strchr(path + 1, '/') != NULL) return 0;
  return snprintf(out, PATH_MAX, "%s%s", g_backing, path) < PATH_MAX;
}

static int fault_getattr(const char *path, struct stat *st, struct fuse_file_info *fi) {
  char backing[PATH_MAX];
  (void)fi;
  memset(st, 0, sizeof *st);
  if (strcmp(path, "/") == 0) {
    st->st_mode = S_IFDIR | 0755;
    st->st_nlink = 2;
    return 0;
  }
  if (!backing_of(path, backing)) return -ENOENT;
  if (stat(backing, st) != 0) return -errno;
  if (g_folder && !S_ISREG(st->st_mode)) return -ENOENT;
  st->st_mode = S_IFREG | 0644;
  return 0;
}

static int fault_readdir(const char *path, void *buffer, fuse_fill_dir_t fill, off_t offset,
                         struct fuse_file_info *fi, enum fuse_readdir_flags flags) {
  (void)offset, (void)fi, (void)flags;
  if (strcmp(path, "/") != 0) return -ENOENT;
  fill(buffer, ".", NULL, 0, 0);
  fill(buffer, "..", NULL, 0, 0);
  if (!g_folder) {
    fill(buffer, "disk", NULL, 0, 0);
    return 0;
  }
  DIR *dir = opendir(g_backing);
  if (dir == NULL) return -errno;
  for (struct dirent *entry; (entry = readdir(dir)) != NULL;) {
    if (entry->d_type == DT_REG) fill(buffer, entry->d_name, NULL, 0, 0);
  }
  closedir(dir);
  return 0;
}

static int fault_open(const char *path, struct fuse_file_info *fi) {
  char backing[PATH_MAX];
  if (!backing_of(path, backing)) return -ENOENT;
  const int fd = open(backing, fi->flags & O_ACCMODE);
  if (fd < 0) return -errno;
  fi->fh = (uint64_t)fd;
  /* Past the kernel's cache, so that every read reaches us with its own
     offset and size. */
  fi->direct_io = 1;
  return 0;
}

static int fault_release(const char *path, struct fuse_file_info *fi) {
  (void)path;
  close((int)fi->fh);
  return 0;
}

static int fault_read(const char *path, char *buffer, size_t size, off_t offset,
                      struct fuse_file_info *fi) {
  const struct Faults *faults = load_faults();
  for (int i = 0; i < faults->reads; ++i) {
    const long long at = faults->read_at[i];
    if (at < offset + (off_t)size && at + kSector > offset) {
      fprintf(stderr, "faultfs: read of %s at %lld, %zu bytes: EIO\n", path,
              (long long)offset, size);
      return -EIO;
    }
  }
  const ssize_t done = pread((int)fi->fh, buffer, size, offset);
  return done < 0 ? -errno : (int)done;
}

static int fault_write(const char *path, const char *data, size_t size, off_t offset,
                       struct fuse_file_info *fi) {
  (void)path;
  const int fd = (int)fi->fh;
  const ssize_t done = pwrite(fd, data, size, offset);
  if (done < 0) return -errno;
  const struct Faults *faults = load_faults();
  for (int i = 0; i < faults->writes; ++i) {
    const long long at = faults->write_at[i];
    if (at >= offset && at < offset + done) {
      const char wrong = (char)~data[at - offset];
      if (pwrite(fd, &wrong, 1, at) != 1) return -errno;
    }
  }
  return (int)done;
}

static int fault_fsync(const char *path, int datasync, struct fuse_file_info *fi) {
  (void)path;
  const int fd = (int)fi->fh;
  return (datasync ? fdatasync(fd) : fsync(fd)) == 0 ? 0 : -errno;
}

static const struct fuse_operations kOperations = {
    .getattr = fault_getattr,
    .open = fault_open,
    .release = fault_release,
    .read = fault_read,
    .write = fault_write,
    .fsync = fault_fsync,
    .readdir = fault_readdir,
};

int main(int argc, char **argv) {
  struct stat st;
  if (argc < 4) {
    fprintf(stderr, "usage: faultfs BACKING FAULTS MOUNTPOINT [FUSE OPTION...]\n");
    return 2;
  }
  if (stat(argv[1], &st) != 0) {
    perror(argv[1]);
    return 1;
  }
  g_backing = argv[1];
  g_folder = S_ISDIR(st.st_mode);
  g_faults_path = argv[2];
  argv[2] = argv[0];
  return fuse_main(argc - 2, argv + 2, &kOperations, NULL);
}
