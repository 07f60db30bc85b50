// GLib's headers use "signals" as a name, so they come before anything of Qt's that defines it.
#include <gio/gio.h>

#include "GioTrash.h"

#include <dlfcn.h>

namespace GioTrash {

namespace {

// GIO and the libraries it brings are opened on the first move to the Trash rather than linked, so
// that a start which never trashes anything does not load them.
struct Gio {
    decltype(&g_file_new_for_path) newForPath = nullptr;
    decltype(&g_file_trash) trash = nullptr;
    decltype(&g_error_free) errorFree = nullptr;
    decltype(&g_object_unref) objectUnref = nullptr;

    bool available() const { return newForPath && trash && errorFree && objectUnref; }
};

template <typename Function> void resolve(void* library, const char* name, Function& function) {
    function = reinterpret_cast<Function>(dlsym(library, name));
}

const Gio& gio() {
    static const Gio loaded = [] {
        Gio functions;
        // Never closed: GLib cannot be unloaded once its types are registered.
        void* library = dlopen("libgio-2.0.so.0", RTLD_NOW | RTLD_LOCAL);
        if (!library)
            return functions;
        resolve(library, "g_file_new_for_path", functions.newForPath);
        resolve(library, "g_file_trash", functions.trash);
        resolve(library, "g_error_free", functions.errorFree);
        resolve(library, "g_object_unref", functions.objectUnref);
        return functions;
    }();
    return loaded;
}

} // namespace

bool moveToTrash(const QByteArray& path) {
    const Gio& functions = gio();
    if (!functions.available())
        return false;
    GFile* file = functions.newForPath(path.constData());
    GError* error = nullptr;
    const bool trashed = functions.trash(file, nullptr, &error);
    if (error)
        functions.errorFree(error);
    functions.objectUnref(file);
    return trashed;
}

} // namespace GioTrash
