// GLib's headers use "signals" as a name, so they come before anything of Qt's that defines it.
#include <gmodule.h>
#include <nautilus-extension.h>

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// GNOME Files' own file items stand behind this interface; the module asks them only for their
// location.
struct FakeFileInfo {
    GObject parent_instance;
    GFile* location;
};
struct FakeFileInfoClass {
    GObjectClass parent_class;
};
static void fake_file_info_interface_init(NautilusFileInfoInterface* interface);
G_DEFINE_TYPE_WITH_CODE(FakeFileInfo, fake_file_info, G_TYPE_OBJECT,
                        G_IMPLEMENT_INTERFACE(NAUTILUS_TYPE_FILE_INFO, fake_file_info_interface_init))
static void fake_file_info_init(FakeFileInfo*) {}
static void fake_file_info_finalize(GObject* object) {
    g_clear_object(&G_TYPE_CHECK_INSTANCE_CAST(object, fake_file_info_get_type(), FakeFileInfo)->location);
    G_OBJECT_CLASS(fake_file_info_parent_class)->finalize(object);
}
static void fake_file_info_class_init(FakeFileInfoClass* infoClass) {
    G_OBJECT_CLASS(infoClass)->finalize = fake_file_info_finalize;
}
static GFile* fake_file_info_get_location(NautilusFileInfo* info) {
    return G_FILE(
        g_object_ref(G_TYPE_CHECK_INSTANCE_CAST(info, fake_file_info_get_type(), FakeFileInfo)->location));
}
static void fake_file_info_interface_init(NautilusFileInfoInterface* interface) {
    interface->get_location = fake_file_info_get_location;
}

// GNOME Files loads each extension through a type module of its own; this one has nothing to load.
struct FakeTypeModule {
    GTypeModule parent_instance;
};
struct FakeTypeModuleClass {
    GTypeModuleClass parent_class;
};
G_DEFINE_TYPE(FakeTypeModule, fake_type_module, G_TYPE_TYPE_MODULE)
static void fake_type_module_init(FakeTypeModule*) {}
static void fake_type_module_class_init(FakeTypeModuleClass* moduleClass) {
    G_TYPE_MODULE_CLASS(moduleClass)->load = [](GTypeModule*) -> gboolean { return TRUE; };
    G_TYPE_MODULE_CLASS(moduleClass)->unload = [](GTypeModule*) {};
}

class CompressMenuProviderTest final : public QObject {
    Q_OBJECT
    QTemporaryDir m_stubFolder;
    QString m_argvFile;
    NautilusMenuProvider* m_provider = nullptr;

    // The provider's menu items for file items at these locations (paths or URIs).
    GList* itemsFor(const QList<QByteArray>& locations) {
        GList* files = nullptr;
        for (const QByteArray& location : locations) {
            auto* info = static_cast<FakeFileInfo*>(g_object_new(fake_file_info_get_type(), nullptr));
            info->location = location.startsWith('/') ? g_file_new_for_path(location.constData())
                                                      : g_file_new_for_uri(location.constData());
            files = g_list_append(files, info);
        }
        GList* items = nautilus_menu_provider_get_file_items(m_provider, files);
        g_list_free_full(files, g_object_unref);
        return items;
    }
    static QString property(GList* items, const char* name) {
        gchar* value = nullptr;
        g_object_get(items->data, name, &value, nullptr);
        const QString text = QString::fromUtf8(value);
        g_free(value);
        return text;
    }

private slots:
    void initTestCase() {
        GModule* module = g_module_open(BALEWICK_NAUTILUS_MODULE, G_MODULE_BIND_LOCAL);
        QVERIFY2(module, g_module_error());
        void (*initialize)(GTypeModule*) = nullptr;
        void (*listTypes)(const GType**, int*) = nullptr;
        QVERIFY(
            g_module_symbol(module, "nautilus_module_initialize", reinterpret_cast<gpointer*>(&initialize)));
        QVERIFY(
            g_module_symbol(module, "nautilus_module_list_types", reinterpret_cast<gpointer*>(&listTypes)));
        auto* typeModule = G_TYPE_MODULE(g_object_new(fake_type_module_get_type(), nullptr));
        QVERIFY(g_type_module_use(typeModule));
        initialize(typeModule);
        const GType* types = nullptr;
        int count = 0;
        listTypes(&types, &count);
        QCOMPARE(count, 1);
        QVERIFY(g_type_is_a(types[0], NAUTILUS_TYPE_MENU_PROVIDER));
        m_provider = NAUTILUS_MENU_PROVIDER(g_object_new(types[0], nullptr));

        // A "balewick" on the search path that records its arguments, NUL-separated.
        m_argvFile = m_stubFolder.filePath(u"argv"_s);
        QFile stub(m_stubFolder.filePath(u"balewick"_s));
        QVERIFY(stub.open(QIODevice::WriteOnly));
        stub.write("#!/bin/sh\nprintf '%s\\0' \"$@\" >'" + QFile::encodeName(m_argvFile) + ".part' && mv '" +
                   QFile::encodeName(m_argvFile) + ".part' '" + QFile::encodeName(m_argvFile) + "'\n");
        stub.close();
        QVERIFY(stub.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        qputenv("PATH", QFile::encodeName(m_stubFolder.path()) + ':' + qgetenv("PATH"));
    }
    void cleanupTestCase() { g_clear_object(&m_provider); }

    void localItems_itemStartsBalewickWithTheirPaths_data() {
        QTest::addColumn<QList<QByteArray>>("paths");
        QTest::newRow("one file") << QList<QByteArray>{"/home/user/report.pdf"};
        QTest::newRow("names a shell or a decoder would change") << QList<QByteArray>{
            "/home/user/caf\xe9 menu.txt", "/home/user/a \"quoted\" folder", "/home/user/$(rm -rf x); *"};
    }
    void localItems_itemStartsBalewickWithTheirPaths() {
        QFETCH(QList<QByteArray>, paths);
        GList* items = itemsFor(paths);
        QCOMPARE(g_list_length(items), 1u);
        QFile::remove(m_argvFile);
        nautilus_menu_item_activate(NAUTILUS_MENU_ITEM(items->data));
        g_list_free_full(items, g_object_unref);
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(m_argvFile), 30000);
        QFile argv(m_argvFile);
        QVERIFY(argv.open(QIODevice::ReadOnly));
        QByteArray recorded = argv.readAll();
        recorded.chop(1);
        QCOMPARE(recorded.split('\0'), paths);
    }

    void notOnlyLocalItems_noItem_data() {
        QTest::addColumn<QList<QByteArray>>("locations");
        QTest::newRow("remote file") << QList<QByteArray>{"sftp://server/home/user/report.pdf"};
        QTest::newRow("one remote among local ones")
            << QList<QByteArray>{"/home/user/report.pdf", "smb://server/share/notes.txt"};
    }
    void notOnlyLocalItems_noItem() {
        QFETCH(QList<QByteArray>, locations);
        GList* items = itemsFor(locations);
        QCOMPARE(g_list_length(items), 0u);
        g_list_free_full(items, g_object_unref);
    }

    void item_speaksTheFirstCatalogueLanguageOfTheUser() {
        const QByteArray language = qgetenv("LANGUAGE");
        qputenv("LANGUAGE", "pt_BR:fr_CA:de");
        GList* items = itemsFor({"/home/user/report.pdf"});
        qputenv("LANGUAGE", language);
        QCOMPARE(property(items, "label"), u"Compresser avec Balewick"_s);
        QCOMPARE(property(items, "tip"), u"Créer des archives des éléments sélectionnés avec Balewick"_s);
        g_list_free_full(items, g_object_unref);
    }
};

QTEST_GUILESS_MAIN(CompressMenuProviderTest)
#include "tst_compressmenuprovider.moc"
