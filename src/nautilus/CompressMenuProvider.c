// "Compress with Balewick" in GNOME Files' context menu: starts Balewick with the selected items,
// as the other file managers' actions do with "balewick %F".
#include <gmodule.h>
#include <nautilus-extension.h>
#include <string.h>

typedef struct {
    const char* language;
    const char* label;
    const char* tooltip;
} CompressTexts;

// English first: it is the text when none of the user's languages is there.
static const CompressTexts compressTexts[] = {
#include "CompressTexts.inc"
};

typedef struct {
    GObject parent_instance;
} CompressMenuProvider;

typedef struct {
    GObjectClass parent_class;
} CompressMenuProviderClass;

static void compress_menu_provider_interface_init(NautilusMenuProviderInterface* interface);

G_DEFINE_DYNAMIC_TYPE_EXTENDED(CompressMenuProvider, compress_menu_provider, G_TYPE_OBJECT, 0,
                               G_IMPLEMENT_INTERFACE_DYNAMIC(NAUTILUS_TYPE_MENU_PROVIDER,
                                                             compress_menu_provider_interface_init))

static void compress_menu_provider_init(CompressMenuProvider* provider) {
    (void)provider;
}
static void compress_menu_provider_class_init(CompressMenuProviderClass* providerClass) {
    (void)providerClass;
}
static void compress_menu_provider_class_finalize(CompressMenuProviderClass* providerClass) {
    (void)providerClass;
}

// The first of the user's languages that the catalogues have, as the application chooses its own.
static const CompressTexts* textsForUserLanguage(void) {
    for (const gchar* const* name = g_get_language_names(); *name; ++name) {
        for (gsize index = 0; index < G_N_ELEMENTS(compressTexts); ++index) {
            if (strcmp(*name, compressTexts[index].language) == 0)
                return &compressTexts[index];
        }
    }
    return &compressTexts[0];
}

// "balewick" and the items' paths as bytes, NULL-terminated; NULL when any item is not a local
// file. A remote item may still have a path (GVfs mirrors it under FUSE), so the scheme decides.
static GPtrArray* commandFor(GList* files) {
    if (!files)
        return NULL;
    GPtrArray* argv = g_ptr_array_new_with_free_func(g_free);
    g_ptr_array_add(argv, g_strdup("balewick"));
    for (GList* entry = files; entry; entry = entry->next) {
        GFile* location = nautilus_file_info_get_location(NAUTILUS_FILE_INFO(entry->data));
        gchar* path = location && g_file_has_uri_scheme(location, "file") ? g_file_get_path(location) : NULL;
        g_clear_object(&location);
        if (!path) {
            g_ptr_array_free(argv, TRUE);
            return NULL;
        }
        g_ptr_array_add(argv, path);
    }
    g_ptr_array_add(argv, NULL);
    return argv;
}

static void startBalewick(NautilusMenuItem* item, gpointer command) {
    (void)item;
    GPtrArray* argv = command;
    GError* error = NULL;
    // No shell in between, so no name is ever interpreted; the child is detached and reaped by GLib.
    if (!g_spawn_async(NULL, (gchar**)argv->pdata, NULL, G_SPAWN_SEARCH_PATH, NULL, NULL, NULL, &error)) {
        g_warning("Balewick could not be started: %s", error->message);
        g_error_free(error);
    }
}

static void freeCommand(gpointer command, GClosure* closure) {
    (void)closure;
    g_ptr_array_free(command, TRUE);
}

static GList* compress_menu_provider_get_file_items(NautilusMenuProvider* provider, GList* files) {
    (void)provider;
    GPtrArray* command = commandFor(files);
    if (!command)
        return NULL;
    const CompressTexts* texts = textsForUserLanguage();
    NautilusMenuItem* item =
        nautilus_menu_item_new("Balewick::Compress", texts->label, texts->tooltip, "balewick");
    g_signal_connect_data(item, "activate", G_CALLBACK(startBalewick), command, freeCommand, 0);
    return g_list_append(NULL, item);
}

static void compress_menu_provider_interface_init(NautilusMenuProviderInterface* interface) {
    interface->get_file_items = compress_menu_provider_get_file_items;
}

static GType providerTypes[1];

G_MODULE_EXPORT void nautilus_module_initialize(GTypeModule* module) {
    compress_menu_provider_register_type(module);
    providerTypes[0] = compress_menu_provider_get_type();
}

G_MODULE_EXPORT void nautilus_module_shutdown(void) {}

G_MODULE_EXPORT void nautilus_module_list_types(const GType** types, int* count) {
    *types = providerTypes;
    *count = G_N_ELEMENTS(providerTypes);
}
