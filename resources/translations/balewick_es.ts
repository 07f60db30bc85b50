<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name></name>
    <message id="format.zip">
        <source>Zip</source>
        <translation>Zip</translation>
    </message>
    <message id="format.tar">
        <source>Tar</source>
        <translation>Tar</translation>
    </message>
    <message id="format.gzip">
        <source>Tar, gzip-compressed (.tar.gz)</source>
        <translation>Tar, comprimido con gzip (.tar.gz)</translation>
    </message>
    <message id="format.bzip2">
        <source>Tar, bzip2-compressed (.tar.bz2)</source>
        <translation>Tar, comprimido con bzip2 (.tar.bz2)</translation>
    </message>
    <message id="format.dmg">
        <source>Disk image</source>
        <translation>Imagen de disco</translation>
    </message>
    <message id="format.dmgEncrypted">
        <source>Encrypted disk image</source>
        <translation>Imagen de disco cifrada</translation>
    </message>
    <message id="format.zipEncrypted">
        <source>Password-protected zip</source>
        <translation>Zip protegido con contraseña</translation>
    </message>
    <message id="desc.zip.compress">
        <source>Makes a zip archive of the items you drop.</source>
        <translation>Crea un archivo comprimido zip con los elementos que arrastre aquí.</translation>
    </message>
    <message id="desc.zip.email">
        <source>Makes a zip archive and attaches it to a new e-mail.</source>
        <translation>Crea un archivo comprimido zip y lo adjunta a un nuevo correo electrónico.</translation>
    </message>
    <message id="desc.zip.archive">
        <source>Files a zip archive of the items in your archive folder.</source>
        <translation>Guarda un archivo comprimido zip de los elementos en la carpeta de archivado.</translation>
    </message>
    <message id="desc.tar.compress">
        <source>Makes a tar archive of the items you drop.</source>
        <translation>Crea un archivo comprimido tar con los elementos que arrastre aquí.</translation>
    </message>
    <message id="desc.tar.email">
        <source>Makes a tar archive and attaches it to a new e-mail.</source>
        <translation>Crea un archivo comprimido tar y lo adjunta a un nuevo correo electrónico.</translation>
    </message>
    <message id="desc.tar.archive">
        <source>Files a tar archive of the items in your archive folder.</source>
        <translation>Guarda un archivo comprimido tar de los elementos en la carpeta de archivado.</translation>
    </message>
    <message id="desc.gzip.compress">
        <source>Makes a gzip-compressed tar archive of the items you drop.</source>
        <translation>Crea un archivo comprimido tar.gz con los elementos que arrastre aquí.</translation>
    </message>
    <message id="desc.gzip.email">
        <source>Makes a gzip-compressed tar archive and attaches it to a new e-mail.</source>
        <translation>Crea un archivo comprimido tar.gz y lo adjunta a un nuevo correo electrónico.</translation>
    </message>
    <message id="desc.gzip.archive">
        <source>Files a gzip-compressed tar archive in your archive folder.</source>
        <translation>Guarda un archivo comprimido tar.gz en la carpeta de archivado.</translation>
    </message>
    <message id="desc.bzip2.compress">
        <source>Makes a bzip2-compressed tar archive of the items you drop.</source>
        <translation>Crea un archivo comprimido tar.bz2 con los elementos que arrastre aquí.</translation>
    </message>
    <message id="desc.bzip2.email">
        <source>Makes a bzip2-compressed tar archive and attaches it to a new e-mail.</source>
        <translation>Crea un archivo comprimido tar.bz2 y lo adjunta a un nuevo correo electrónico.</translation>
    </message>
    <message id="desc.bzip2.archive">
        <source>Files a bzip2-compressed tar archive in your archive folder.</source>
        <translation>Guarda un archivo comprimido tar.bz2 en la carpeta de archivado.</translation>
    </message>
    <message id="desc.dmg.compress">
        <source>Makes a compressed disk image of the items you drop.</source>
        <translation>Crea una imagen de disco comprimida con los elementos que arrastre aquí.</translation>
    </message>
    <message id="desc.dmg.email">
        <source>Makes a compressed disk image and attaches it to a new e-mail.</source>
        <translation>Crea una imagen de disco comprimida y la adjunta a un nuevo correo electrónico.</translation>
    </message>
    <message id="desc.dmg.archive">
        <source>Files a compressed disk image in your archive folder.</source>
        <translation>Guarda una imagen de disco comprimida en la carpeta de archivado.</translation>
    </message>
    <message id="desc.dmgEncrypted.compress">
        <source>Makes a password-protected disk image of the items you drop.</source>
        <translation>Crea una imagen de disco protegida con contraseña con los elementos que arrastre aquí.</translation>
    </message>
    <message id="desc.dmgEncrypted.email">
        <source>Makes a password-protected disk image and attaches it to a new e-mail.</source>
        <translation>Crea una imagen de disco protegida con contraseña y la adjunta a un nuevo correo electrónico.</translation>
    </message>
    <message id="desc.dmgEncrypted.archive">
        <source>Files a password-protected disk image in your archive folder.</source>
        <translation>Guarda una imagen de disco protegida con contraseña en la carpeta de archivado.</translation>
    </message>
    <message id="desc.zipEncrypted.compress">
        <source>Makes a password-protected zip archive of the items you drop.</source>
        <translation>Crea un archivo comprimido zip protegido con contraseña con los elementos que arrastre aquí.</translation>
    </message>
    <message id="desc.zipEncrypted.email">
        <source>Makes a password-protected zip archive and attaches it to a new e-mail.</source>
        <translation>Crea un archivo comprimido zip protegido con contraseña y lo adjunta a un nuevo correo electrónico.</translation>
    </message>
    <message id="desc.zipEncrypted.archive">
        <source>Files a password-protected zip archive in your archive folder.</source>
        <translation>Guarda un archivo comprimido zip protegido con contraseña en la carpeta de archivado.</translation>
    </message>
    <message id="error.title">
        <source>The archive could not be made</source>
        <translation>No se pudo crear el archivo comprimido</translation>
    </message>
    <message id="error.forbidden">
        <source>“%1” is a protected location and can’t be archived.</source>
        <translation>«%1» es una ubicación protegida y no se puede archivar.</translation>
    </message>
    <message id="error.missing">
        <source>“%1” could not be found.</source>
        <translation>No se pudo encontrar «%1».</translation>
    </message>
    <message id="error.failed">
        <source>The archiving tool reported an error.</source>
        <translation>La herramienta de archivado informó de un error.</translation>
    </message>
    <message id="error.cancelled">
        <source>The operation was cancelled.</source>
        <translation>Se canceló la operación.</translation>
    </message>
    <message id="error.noItems">
        <source>There is nothing to archive.</source>
        <translation>No hay nada que archivar.</translation>
    </message>
    <message id="error.allSkipped">
        <source>Every item is already compressed, so there was nothing left to archive.</source>
        <translation>Todos los elementos ya están comprimidos, así que no quedaba nada que archivar.</translation>
    </message>
    <message id="error.folderCreate">
        <source>The archive folder could not be created. Choose another folder in the options.</source>
        <translation>No se pudo crear la carpeta de archivado. Elija otra carpeta en las opciones.</translation>
    </message>
    <message id="error.toolMissing">
        <source>The archiving tool needed for this format is not installed on this computer.</source>
        <translation>La herramienta de archivado necesaria para este formato no está instalada en este equipo.</translation>
    </message>
    <message id="error.noLast">
        <source>No archive has been made yet.</source>
        <translation>Todavía no se ha creado ningún archivo comprimido.</translation>
    </message>
    <message id="error.missingLast">
        <source>The last archive was moved or deleted.</source>
        <translation>El último archivo comprimido se ha movido o eliminado.</translation>
    </message>
    <message id="confirm.ok">
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message id="confirm.cancel">
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message id="confirm.dontAsk">
        <source>Don’t ask again</source>
        <translation>No volver a preguntar</translation>
    </message>
    <message id="confirm.omit">
        <source>Omit</source>
        <translation>Omitir</translation>
    </message>
    <message id="confirm.set">
        <source>Move to Trash</source>
        <translation>Mover a la Papelera</translation>
    </message>
    <message id="confirm.continue">
        <source>Continue</source>
        <translation>Continuar</translation>
    </message>
    <message id="confirm.create">
        <source>Create</source>
        <translation>Crear</translation>
    </message>
    <message id="confirm.omitFinder.title">
        <source>Leave out Finder files?</source>
        <translation>¿Omitir los archivos del Finder?</translation>
    </message>
    <message id="confirm.omitFinder.body">
        <source>Files named .DS_Store and files starting with “._” will not be included in your archives.</source>
        <translation>Los archivos llamados .DS_Store y los que empiezan por «._» no se incluirán en los archivos comprimidos.</translation>
    </message>
    <message id="confirm.omitMac.title">
        <source>Leave out Mac metadata?</source>
        <translation>¿Omitir los metadatos de Mac?</translation>
    </message>
    <message id="confirm.omitMac.body">
        <source>Extended attributes and other Mac-specific information will not be stored in zip archives.</source>
        <translation>Los atributos extendidos y el resto de información específica de Mac no se guardarán en los archivos comprimidos zip.</translation>
    </message>
    <message id="confirm.trash.title">
        <source>Move the originals to the Trash?</source>
        <translation>¿Mover los originales a la Papelera?</translation>
    </message>
    <message id="confirm.trash.body">
        <source>After each archive is made, the items it contains will be moved to the Trash.</source>
        <translation>Después de crear cada archivo comprimido, los elementos que contiene se moverán a la Papelera.</translation>
    </message>
    <message id="confirm.encryptedZip.title">
        <source>Create a password-protected zip?</source>
        <translation>¿Crear un zip protegido con contraseña?</translation>
    </message>
    <message id="confirm.encryptedZip.body">
        <source>Zip encryption is weak: anyone with the archive and enough time can open it. Use an encrypted disk image for sensitive data.</source>
        <translation>El cifrado zip es débil: cualquiera que tenga el archivo comprimido y tiempo suficiente puede abrirlo. Para datos confidenciales, use una imagen de disco cifrada.</translation>
    </message>
    <message id="confirm.encryptedDmg.title">
        <source>Create an encrypted disk image?</source>
        <translation>¿Crear una imagen de disco cifrada?</translation>
    </message>
    <message id="confirm.encryptedDmg.body">
        <source>If you forget the password, the contents of the disk image cannot be recovered.</source>
        <translation>Si olvida la contraseña, no se podrá recuperar el contenido de la imagen de disco.</translation>
    </message>
    <message id="progress.archivingItem">
        <source>Archiving “%1” as “%2”…</source>
        <translation>Archivando «%1» como «%2»…</translation>
    </message>
    <message id="progress.archivingItems">
        <source>Archiving %1 items as “%2”…</source>
        <translation>Archivando %1 elementos como «%2»…</translation>
    </message>
    <message id="progress.stop">
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message id="main.add">
        <source>Add Files…</source>
        <translation>Añadir archivos…</translation>
    </message>
    <message id="main.drop">
        <source>Drop files and folders here</source>
        <translation>Arrastre aquí archivos y carpetas</translation>
    </message>
    <message id="main.format">
        <source>Format:</source>
        <translation>Formato:</translation>
    </message>
    <message id="general.chooseFolder">
        <source>Choose</source>
        <translation>Elegir</translation>
    </message>
    <message id="general.omitFinder">
        <source>Leave out Finder files (.DS_Store, ._*)</source>
        <translation>Omitir los archivos del Finder (.DS_Store, ._*)</translation>
    </message>
    <message id="general.omitMac">
        <source>Leave out Mac metadata</source>
        <translation>Omitir los metadatos de Mac</translation>
    </message>
    <message id="general.trashOriginals">
        <source>Move the originals to the Trash</source>
        <translation>Mover los originales a la Papelera</translation>
    </message>
    <message id="name.ok">
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message id="name.archive">
        <source>Name the archive</source>
        <translation>Asigne un nombre al archivo comprimido</translation>
    </message>
    <message id="name.dmg">
        <source>Name the disk image</source>
        <translation>Asigne un nombre a la imagen de disco</translation>
    </message>
    <message id="name.field">
        <source>Archive name</source>
        <translation>Nombre del archivo comprimido</translation>
    </message>
    <message id="password.create">
        <source>Create</source>
        <translation>Crear</translation>
    </message>
    <message id="password.empty">
        <source>Enter a password.</source>
        <translation>Introduzca una contraseña.</translation>
    </message>
    <message id="password.mismatch">
        <source>The passwords don’t match.</source>
        <translation>Las contraseñas no coinciden.</translation>
    </message>
    <message id="password.invalidCharacter">
        <source>The password can’t contain line breaks or null characters.</source>
        <translation>La contraseña no puede contener saltos de línea ni caracteres nulos.</translation>
    </message>
    <message id="password.title.zip">
        <source>Choose a password for the zip archive</source>
        <translation>Elija una contraseña para el archivo comprimido zip</translation>
    </message>
    <message id="password.title.dmg">
        <source>Choose a password for the disk image</source>
        <translation>Elija una contraseña para la imagen de disco</translation>
    </message>
    <message id="password.enter">
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message id="password.confirm">
        <source>Confirm password</source>
        <translation>Confirmar contraseña</translation>
    </message>
    <message id="banner.created">
        <source>Created “%1”</source>
        <translation>Se ha creado «%1»</translation>
    </message>
    <message id="banner.createdMany">
        <source>Created %1 archives</source>
        <translation>Se han creado %1 archivos comprimidos</translation>
    </message>
    <message id="banner.showInFinder">
        <source>Show in File Manager</source>
        <translation>Mostrar en el gestor de archivos</translation>
    </message>
    <message id="trash.kept">
        <source>Kept out of the Trash: %1 (%2)</source>
        <translation>No movidos a la Papelera: %1 (%2)</translation>
    </message>
    <message id="trash.kept.noTrash">
        <source>no usable Trash</source>
        <translation>no hay una Papelera utilizable</translation>
    </message>
    <message id="trash.kept.changed">
        <source>changed meanwhile</source>
        <translation>modificados entretanto</translation>
    </message>
    <message id="trash.kept.incomplete">
        <source>not fully archived</source>
        <translation>no archivados por completo</translation>
    </message>
    <message id="action.compress">
        <source>Compress</source>
        <translation>Comprimir</translation>
    </message>
    <message id="action.email">
        <source>E-mail</source>
        <translation>Correo</translation>
    </message>
    <message id="action.archive">
        <source>Archive</source>
        <translation>Archivar</translation>
    </message>
    <message id="archive.location">
        <source>Archives are filed in:</source>
        <translation>Los archivos comprimidos se guardan en:</translation>
    </message>
    <message id="archive.open">
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message id="archive.change">
        <source>Change…</source>
        <translation>Cambiar…</translation>
    </message>
    <message id="menu.recents">
        <source>Recent archives</source>
        <translation>Archivos comprimidos recientes</translation>
    </message>
    <message id="menu.showLast">
        <source>Show Last Archive</source>
        <translation>Mostrar el último archivo comprimido</translation>
    </message>
    <message id="menu.file">
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message id="menu.help">
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message id="menu.quit">
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message id="preferences.title">
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
    <message id="launch.applications.title">
        <source>%1 must be installed before it can run</source>
        <translation>%1 debe instalarse antes de poder ejecutarse</translation>
    </message>
    <message id="launch.applications.message">
        <source>%1 runs only from an applications folder (/usr, /opt, ~/.local or ~/Applications). Install it with “cmake --install” and start it again.</source>
        <translation>%1 solo se ejecuta desde una carpeta de aplicaciones (/usr, /opt, ~/.local o ~/Applications). Instálelo con «cmake --install» y vuelva a iniciarlo.</translation>
    </message>
    <message id="launch.applications.quit">
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message id="help.app">
        <source>Balewick Help</source>
        <translation>Ayuda de Balewick</translation>
    </message>
    <message id="help.support">
        <source>Support</source>
        <translation>Soporte técnico</translation>
    </message>
    <message id="help.site">
        <source>Balewick Website</source>
        <translation>Sitio web de Balewick</translation>
    </message>
    <message id="error.copy">
        <source>“%1” could not be copied: %2</source>
        <translation>No se pudo copiar «%1»: %2</translation>
    </message>
    <message id="error.list">
        <source>The folder “%1” could not be read: %2</source>
        <translation>No se pudo leer la carpeta «%1»: %2</translation>
    </message>
    <message id="error.createFolder">
        <source>The folder “%1” could not be created: %2</source>
        <translation>No se pudo crear la carpeta «%1»: %2</translation>
    </message>
    <message id="error.createFile">
        <source>The file “%1” could not be created: %2</source>
        <translation>No se pudo crear el archivo «%1»: %2</translation>
    </message>
    <message id="error.launch">
        <source>“%1” could not be started: %2</source>
        <translation>No se pudo iniciar «%1»: %2</translation>
    </message>
    <message id="error.saveArchive">
        <source>The archive “%1” could not be saved: %2</source>
        <translation>No se pudo guardar el archivo comprimido «%1»: %2</translation>
    </message>
    <message id="cleanup.notOurs">
        <source>“%1” was moved or replaced by someone else while Balewick was using it. Balewick left it as it is and removed nothing there.</source>
        <translation>Otra persona movió o sustituyó «%1» mientras Balewick lo usaba. Balewick lo dejó como estaba y no eliminó nada allí.</translation>
    </message>
    <message id="menu.checkUpdates">
        <source>Check for Updates…</source>
        <translation>Buscar actualizaciones…</translation>
    </message>
    <message id="menu.settings">
        <source>Settings…</source>
        <translation>Configuración…</translation>
    </message>
    <message id="preferences.tab.general">
        <source>General</source>
        <translation>General</translation>
    </message>
    <message id="preferences.tab.updates">
        <source>Updates</source>
        <translation>Actualizaciones</translation>
    </message>
    <message id="general.section.destination">
        <source>Destination</source>
        <translation>Destino</translation>
    </message>
    <message id="general.destination">
        <source>Save archives</source>
        <translation>Guardar los archivos comprimidos</translation>
    </message>
    <message id="general.destination.same">
        <source>Next to the originals</source>
        <translation>Junto a los originales</translation>
    </message>
    <message id="general.destination.ask">
        <source>Ask each time</source>
        <translation>Preguntar cada vez</translation>
    </message>
    <message id="general.destination.desktop">
        <source>On the desktop</source>
        <translation>En el escritorio</translation>
    </message>
    <message id="general.destination.archiveFolder">
        <source>In the archive folder</source>
        <translation>En la carpeta de archivado</translation>
    </message>
    <message id="general.section.options">
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message id="general.promptForName">
        <source>Ask for the archive’s name</source>
        <translation>Pedir el nombre del archivo comprimido</translation>
    </message>
    <message id="general.promptForName.subtitle">
        <source>Before each archive is made, suggest a name that you can change.</source>
        <translation>Antes de crear cada archivo comprimido, se propone un nombre que puede cambiar.</translation>
    </message>
    <message id="general.skipArchives">
        <source>Skip items that are already archives</source>
        <translation>Omitir los elementos que ya son archivos comprimidos</translation>
    </message>
    <message id="general.skipArchives.subtitle">
        <source>Zip files, disk images and other compressed files are left as they are.</source>
        <translation>Los archivos zip, las imágenes de disco y otros archivos comprimidos se dejan tal como están.</translation>
    </message>
    <message id="general.individual">
        <source>One archive per item</source>
        <translation>Un archivo comprimido por elemento</translation>
    </message>
    <message id="general.individual.subtitle">
        <source>When several items are dropped, each one gets an archive of its own.</source>
        <translation>Cuando se arrastran varios elementos, cada uno obtiene su propio archivo comprimido.</translation>
    </message>
    <message id="general.resetDialogs">
        <source>Show All Confirmations Again</source>
        <translation>Volver a mostrar todas las confirmaciones</translation>
    </message>
    <message id="updates.section.automatic">
        <source>Automatic Checking</source>
        <translation>Comprobación automática</translation>
    </message>
    <message id="updates.automatic.title">
        <source>Check for updates at start</source>
        <translation>Buscar actualizaciones al iniciar</translation>
    </message>
    <message id="updates.automatic.subtitle">
        <source>Each time Balewick starts, it asks its web site whether a newer version exists.</source>
        <translation>Cada vez que Balewick se inicia, consulta en su sitio web si existe una versión más reciente.</translation>
    </message>
    <message id="updates.section.manual">
        <source>Check Now</source>
        <translation>Comprobar ahora</translation>
    </message>
    <message id="updates.manual.title">
        <source>Look for a newer version</source>
        <translation>Buscar una versión más reciente</translation>
    </message>
    <message id="updates.manual.button">
        <source>Check Now</source>
        <translation>Comprobar ahora</translation>
    </message>
    <message id="updates.lastChecked">
        <source>Last checked</source>
        <translation>Última comprobación</translation>
    </message>
    <message id="updates.lastChecked.dateTime">
        <source>%1 at %2</source>
        <translation>%1 a las %2</translation>
    </message>
    <message id="updates.newVersion">
        <source>Version %1 is available.</source>
        <translation>La versión %1 está disponible.</translation>
    </message>
    <message id="updates.check.failed">
        <source>The version information could not be read.</source>
        <translation>No se pudo leer la información de la versión.</translation>
    </message>
    <message id="updates.alert.upToDate.title">
        <source>You’re up to date</source>
        <translation>Ya tiene la versión más reciente</translation>
    </message>
    <message id="updates.alert.upToDate.message">
        <source>%1 is the newest version available.</source>
        <translation>%1 es la versión más reciente disponible.</translation>
    </message>
    <message id="updates.alert.unavailable.title">
        <source>Checking for updates isn’t possible right now</source>
        <translation>Ahora mismo no es posible buscar actualizaciones</translation>
    </message>
    <message id="updates.alert.unavailable.message">
        <source>You are using version %1. Check your internet connection, or visit the Balewick web site to see whether a newer version exists.</source>
        <translation>Está usando la versión %1. Compruebe su conexión a Internet o visite el sitio web de Balewick para ver si existe una versión más reciente.</translation>
    </message>
    <message id="updates.alert.openPage">
        <source>Open Web Site</source>
        <translation>Abrir sitio web</translation>
    </message>
    <message id="updates.alert.ignore">
        <source>Ignore</source>
        <translation>Ignorar</translation>
    </message>
    <message id="updates.window.defaultTitle">
        <source>A new version of Balewick is available</source>
        <translation>Hay una nueva versión de Balewick disponible</translation>
    </message>
    <message id="updates.window.versionLine">
        <source>Version %1 is available; you have version %2.</source>
        <translation>La versión %1 está disponible; usted tiene la versión %2.</translation>
    </message>
    <message id="updates.window.disableChecking">
        <source>Don’t Check Automatically</source>
        <translation>No comprobar automáticamente</translation>
    </message>
    <message id="updates.window.enableChecking">
        <source>Check Automatically</source>
        <translation>Comprobar automáticamente</translation>
    </message>
    <message id="updates.window.disableChecking.tip">
        <source>Stop looking for new versions each time Balewick starts</source>
        <translation>Dejar de buscar nuevas versiones cada vez que se inicia Balewick</translation>
    </message>
    <message id="updates.window.enableChecking.tip">
        <source>Look for new versions each time Balewick starts</source>
        <translation>Buscar nuevas versiones cada vez que se inicia Balewick</translation>
    </message>
    <message id="menu.showLog">
        <source>Show Archive Log</source>
        <translation>Mostrar el registro de archivado</translation>
    </message>
    <message id="log.title">
        <source>Archive Log</source>
        <translation>Registro de archivado</translation>
    </message>
    <message id="log.search">
        <source>Search:</source>
        <translation>Buscar:</translation>
    </message>
    <message id="log.clear">
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message id="log.column.file">
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message id="log.column.format">
        <source>Format</source>
        <translation>Formato</translation>
    </message>
    <message id="log.column.date">
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message id="log.column.path">
        <source>Path</source>
        <translation>Ruta</translation>
    </message>
    <message id="log.reveal">
        <source>Show in File Manager</source>
        <translation>Mostrar en el gestor de archivos</translation>
    </message>
    <message id="error.toolKilled">
        <source>%1 was stopped by signal %2 (%3).</source>
        <translation>%1 se detuvo por la señal %2 (%3).</translation>
    </message>
    <message id="progress.waiting">
        <source>%1 more waiting</source>
        <translation>%1 más en espera</translation>
    </message>
    <message id="quit.busy.title">
        <source>Stop making archives and quit?</source>
        <translation>¿Dejar de crear archivos comprimidos y salir?</translation>
    </message>
    <message id="quit.busy.stop">
        <source>Stop and Quit</source>
        <translation>Detener y salir</translation>
    </message>
    <message id="verify.unexpectedMember">
        <source>It holds “%1”, which was not archived.</source>
        <translation>Contiene «%1», que no se había archivado.</translation>
    </message>
    <message id="verify.incompleteMember">
        <source>“%1” is incomplete in it.</source>
        <translation>«%1» está incompleto en su interior.</translation>
    </message>
    <message id="verify.missingMember">
        <source>“%1” is missing from it.</source>
        <translation>Le falta «%1».</translation>
    </message>
    <message id="error.verifyFailed">
        <source>The archive “%1” did not read back correctly, so the original items were kept. %2</source>
        <translation>El archivo comprimido «%1» no se pudo releer correctamente, así que se han conservado los elementos originales. %2</translation>
    </message>
    <message id="notification.done">
        <source>Archiving finished</source>
        <translation>Archivado terminado</translation>
    </message>
    <message id="notification.show">
        <source>Show</source>
        <translation>Mostrar</translation>
    </message>
    <message id="error.zipPasswordTooLong">
        <source>Zip takes passwords of up to %1 bytes on one line. Choose a shorter password.</source>
        <translation>Zip admite contraseñas de hasta %1 bytes en una sola línea. Elija una contraseña más corta.</translation>
    </message>
    <message id="progress.verifying">
        <source>Reading “%1” back…</source>
        <translation>Releyendo «%1»…</translation>
    </message>
    <message id="about.menu">
        <source>About Balewick</source>
        <translation>Acerca de Balewick</translation>
    </message>
    <message id="about.title">
        <source>About Balewick</source>
        <translation>Acerca de Balewick</translation>
    </message>
    <message id="about.version">
        <source>Version %1 (%2)</source>
        <translation>Versión %1 (%2)</translation>
    </message>
    <message id="about.credits.unavailable">
        <source>The credits could not be shown.</source>
        <translation>No se pudieron mostrar los créditos.</translation>
    </message>
    <message id="about.rights">
        <source>© 2026 The Balewick developers. Free software under the GNU General Public License.</source>
        <translation>© 2026 Los desarrolladores de Balewick. Software libre bajo la Licencia Pública General de GNU.</translation>
    </message>
    <message id="about.link.website">
        <source>Website</source>
        <translation>Sitio web</translation>
    </message>
    <message id="about.link.privacy">
        <source>Privacy Policy</source>
        <translation>Política de privacidad</translation>
    </message>
    <message id="about.link.support">
        <source>Support</source>
        <translation>Soporte</translation>
    </message>
    <message id="help.license">
        <source>License</source>
        <translation>Licencia</translation>
    </message>
    <message id="license.title">
        <source>Balewick License</source>
        <translation>Licencia de Balewick</translation>
    </message>
    <message id="license.close">
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message id="license.unavailable">
        <source>The license text could not be shown.</source>
        <translation>No se pudo mostrar el texto de la licencia.</translation>
    </message>
    <message id="progress.percent">
        <source>%1 % · %2</source>
        <translation>%1 % · %2</translation>
    </message>
    <message id="progress.percentOnly">
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message id="progress.seconds">
        <source>about %1 s left</source>
        <translation>quedan unos %1 s</translation>
    </message>
    <message id="progress.minutes">
        <source>about %1 min left</source>
        <translation>quedan unos %1 min</translation>
    </message>
    <message id="progress.hours">
        <source>about %1 h %2 min left</source>
        <translation>quedan unas %1 h %2 min</translation>
    </message>
    <message id="error.diskFull">
        <source>There is not enough free space in “%1”: the archive needs %2 and only %3 is free. Free some space or choose another destination.</source>
        <translation>No hay suficiente espacio libre en «%1»: el archivo comprimido necesita %2 y solo quedan %3 libres. Libere espacio o elija otro destino.</translation>
    </message>
    <message id="desktop.genericName">
        <source>Archiver</source>
        <translation>Archivador</translation>
    </message>
    <message id="desktop.comment">
        <source>Turn files and folders into archives</source>
        <translation>Convierte archivos y carpetas en archivos comprimidos</translation>
    </message>
    <message id="desktop.keywords">
        <source>zip;tar;archive;compress;</source>
        <extracomment>Search words, each followed by a semicolon.</extracomment>
        <translation>zip;tar;archivo comprimido;archivar;comprimir;</translation>
    </message>
    <message id="filemanager.compress">
        <source>Compress with Balewick</source>
        <translation>Comprimir con Balewick</translation>
    </message>
    <message id="filemanager.compress.tooltip">
        <source>Make archives of the selected items with Balewick</source>
        <translation>Crear archivos comprimidos de los elementos seleccionados con Balewick</translation>
    </message>
    <message id="metainfo.summary">
        <source>Turn files and folders into archives</source>
        <translation>Convierte archivos y carpetas en archivos comprimidos</translation>
    </message>
    <message id="metainfo.description">
        <source>Balewick makes archives of the files and folders you drop on its window, send to it from the file manager's context menu, or pick from a list. Choose what to do with them and in which format, and Balewick builds the archives with the system's own zip and tar.

- Compress next to the items, on the desktop, in an archive folder or wherever you choose
- E-mail: make the archives and attach them to a new message
- Archive: keep dated archives in one archive folder
- Formats: zip, tar, tar.gz, tar.bz2, password-protected zip and disk images
- Leave out Finder files and macOS metadata, skip items that are already archives
- A log of every archive made, and the originals moved to the Trash if you wish

“Compress with Balewick” is added to the context menus of GNOME Files, Dolphin, Nemo and Caja (with caja-actions), and to Thunar's “Send To” menu.</source>
        <extracomment>Keep the English layout: paragraphs separated by an empty line, list items on lines starting with &quot;- &quot;, as many of each as in English.</extracomment>
        <translation>Balewick crea archivos comprimidos de los archivos y carpetas que suelta en su ventana, que le envía desde el menú contextual del gestor de archivos o que elige de una lista. Elija qué hacer con ellos y en qué formato, y Balewick crea los archivos comprimidos con zip y tar del propio sistema.

- Comprimir junto a los elementos, en el escritorio, en una carpeta de archivo o donde usted elija
- Correo: crear los archivos comprimidos y adjuntarlos a un mensaje nuevo
- Archivar: guardar archivos comprimidos con fecha en una carpeta de archivo
- Formatos: zip, tar, tar.gz, tar.bz2, zip protegido con contraseña e imágenes de disco
- Omitir los archivos del Finder y los metadatos de macOS, saltar los elementos que ya son archivos comprimidos
- Un registro de cada archivo comprimido creado y, si lo desea, los originales movidos a la Papelera

«Comprimir con Balewick» aparece en los menús contextuales de GNOME Archivos, Dolphin, Nemo y Caja (con caja-actions), y en el menú «Enviar a» de Thunar.</translation>
    </message>
    <message id="a11y.dropView">
        <source>Press Space to choose files and folders instead of dropping them.</source>
        <translation>Pulse Espacio para elegir archivos y carpetas en lugar de arrastrarlos.</translation>
    </message>
    <message id="a11y.main.add">
        <source>Add files</source>
        <translation>Añadir archivos</translation>
    </message>
    <message id="a11y.main.add.description">
        <source>Choose files and folders and start the chosen action with them.</source>
        <translation>Elija archivos y carpetas e inicie con ellos la acción seleccionada.</translation>
    </message>
    <message id="a11y.preferences.title">
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message id="a11y.menu.recents">
        <source>Recent archives</source>
        <translation>Archivos comprimidos recientes</translation>
    </message>
    <message id="a11y.menu.recents.description">
        <source>Opens a menu to show the last archive or the archive log.</source>
        <translation>Abre un menú para mostrar el último archivo comprimido o el registro de archivos.</translation>
    </message>
    <message id="a11y.log.table.description">
        <source>The archives made so far. Move to the last column of a row and press Return to show that archive in the file manager.</source>
        <translation>Los archivos comprimidos creados hasta ahora. Vaya a la última columna de una fila y pulse Intro para mostrar ese archivo en el gestor de archivos.</translation>
    </message>
    <message id="a11y.aboutCredits">
        <source>Credits</source>
        <translation>Créditos</translation>
    </message>
    <message id="email.tooLarge.title">
        <source>Attach this much to an e-mail?</source>
        <translation>¿Adjuntar tanto a un correo?</translation>
    </message>
    <message id="email.tooLarge.message">
        <source>The attachments would come to %1. Many mail services refuse messages over 20–25 MB, so the message may never arrive. You can attach the archives anyway, or show them in the file manager and share them another way.</source>
        <translation>Los adjuntos sumarían %1. Muchos servicios de correo rechazan los mensajes de más de 20–25 MB, así que el mensaje podría no llegar nunca. Puede adjuntar los archivos comprimidos de todos modos, o mostrarlos en el gestor de archivos y compartirlos de otra forma.</translation>
    </message>
    <message id="email.tooLarge.attach">
        <source>Attach Anyway</source>
        <translation>Adjuntar de todos modos</translation>
    </message>
    <message id="email.tooLarge.reveal">
        <source>Show in File Manager</source>
        <translation>Mostrar en el gestor de archivos</translation>
    </message>
</context>
</TS>
