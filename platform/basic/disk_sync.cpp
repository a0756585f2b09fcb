#include "platform/basic/disk_sync.h"

#include <fcntl.h>
#include <unistd.h>

namespace basic::disk_sync {

#ifdef PANTRIVO_FUZZ

bool File(int fd) { return fd >= 0; }

bool Range(int fd, long long, long long) { return fd >= 0; }

#else

bool File(int fd) { return ::fsync(fd) == 0; }

bool Range(int fd, long long offset, long long length) {
    return ::sync_file_range(fd, static_cast<off_t>(offset), static_cast<off_t>(length),
                             SYNC_FILE_RANGE_WAIT_BEFORE | SYNC_FILE_RANGE_WRITE | SYNC_FILE_RANGE_WAIT_AFTER) == 0;
}

#endif

}  // namespace basic::disk_sync
