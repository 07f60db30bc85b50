// GLib's headers use "signals" as a name, so they come before anything of Qt's that defines it.
#include <gio/gio.h>

#include "GioTrash.h"

namespace GioTrash {

bool moveToTrash(const QByteArray& path) {
    GFile* file = g_file_new_for_path(path.constData());
    GError* error = nullptr;
    const bool trashed = g_file_trash(file, nullptr, &error);
    if (error)
        g_error_free(error);
    g_object_unref(file);
    return trashed;
}

} // namespace GioTrash
