#include "WriteAll.h"

#include <cerrno>
#include <unistd.h>

bool writeAll(int descriptor, QByteArrayView bytes) {
    const char* data = bytes.data();
    size_t left = size_t(bytes.size());
    while (left > 0) {
        const ssize_t written = ::write(descriptor, data, left);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            if (written == 0)
                errno = EIO;
            return false;
        }
        data += written;
        left -= size_t(written);
    }
    return true;
}
