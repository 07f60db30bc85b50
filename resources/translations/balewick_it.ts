<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
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
        <translation>Tar, compresso con gzip (.tar.gz)</translation>
    </message>
    <message id="format.bzip2">
        <source>Tar, bzip2-compressed (.tar.bz2)</source>
        <translation>Tar, compresso con bzip2 (.tar.bz2)</translation>
    </message>
    <message id="format.dmg">
        <source>Disk image</source>
        <translation>Immagine disco</translation>
    </message>
    <message id="format.dmgEncrypted">
        <source>Encrypted disk image</source>
        <translation>Immagine disco cifrata</translation>
    </message>
    <message id="format.zipEncrypted">
        <source>Password-protected zip</source>
        <translation>Zip protetto da password</translation>
    </message>
    <message id="desc.zip.compress">
        <source>Makes a zip archive of the items you drop.</source>
        <translation>Crea un archivio zip degli elementi che trascini qui.</translation>
    </message>
    <message id="desc.zip.email">
        <source>Makes a zip archive and attaches it to a new e-mail.</source>
        <translation>Crea un archivio zip e lo allega a una nuova email.</translation>
    </message>
    <message id="desc.zip.archive">
        <source>Files a zip archive of the items in your archive folder.</source>
        <translation>Salva un archivio zip degli elementi nella cartella di archiviazione.</translation>
    </message>
    <message id="desc.tar.compress">
        <source>Makes a tar archive of the items you drop.</source>
        <translation>Crea un archivio tar degli elementi che trascini qui.</translation>
    </message>
    <message id="desc.tar.email">
        <source>Makes a tar archive and attaches it to a new e-mail.</source>
        <translation>Crea un archivio tar e lo allega a una nuova email.</translation>
    </message>
    <message id="desc.tar.archive">
        <source>Files a tar archive of the items in your archive folder.</source>
        <translation>Salva un archivio tar degli elementi nella cartella di archiviazione.</translation>
    </message>
    <message id="desc.gzip.compress">
        <source>Makes a gzip-compressed tar archive of the items you drop.</source>
        <translation>Crea un archivio tar compresso con gzip degli elementi che trascini qui.</translation>
    </message>
    <message id="desc.gzip.email">
        <source>Makes a gzip-compressed tar archive and attaches it to a new e-mail.</source>
        <translation>Crea un archivio tar compresso con gzip e lo allega a una nuova email.</translation>
    </message>
    <message id="desc.gzip.archive">
        <source>Files a gzip-compressed tar archive in your archive folder.</source>
        <translation>Salva un archivio tar compresso con gzip nella cartella di archiviazione.</translation>
    </message>
    <message id="desc.bzip2.compress">
        <source>Makes a bzip2-compressed tar archive of the items you drop.</source>
        <translation>Crea un archivio tar compresso con bzip2 degli elementi che trascini qui.</translation>
    </message>
    <message id="desc.bzip2.email">
        <source>Makes a bzip2-compressed tar archive and attaches it to a new e-mail.</source>
        <translation>Crea un archivio tar compresso con bzip2 e lo allega a una nuova email.</translation>
    </message>
    <message id="desc.bzip2.archive">
        <source>Files a bzip2-compressed tar archive in your archive folder.</source>
        <translation>Salva un archivio tar compresso con bzip2 nella cartella di archiviazione.</translation>
    </message>
    <message id="desc.dmg.compress">
        <source>Makes a compressed disk image of the items you drop.</source>
        <translation>Crea un’immagine disco compressa degli elementi che trascini qui.</translation>
    </message>
    <message id="desc.dmg.email">
        <source>Makes a compressed disk image and attaches it to a new e-mail.</source>
        <translation>Crea un’immagine disco compressa e la allega a una nuova email.</translation>
    </message>
    <message id="desc.dmg.archive">
        <source>Files a compressed disk image in your archive folder.</source>
        <translation>Salva un’immagine disco compressa nella cartella di archiviazione.</translation>
    </message>
    <message id="desc.dmgEncrypted.compress">
        <source>Makes a password-protected disk image of the items you drop.</source>
        <translation>Crea un’immagine disco protetta da password degli elementi che trascini qui.</translation>
    </message>
    <message id="desc.dmgEncrypted.email">
        <source>Makes a password-protected disk image and attaches it to a new e-mail.</source>
        <translation>Crea un’immagine disco protetta da password e la allega a una nuova email.</translation>
    </message>
    <message id="desc.dmgEncrypted.archive">
        <source>Files a password-protected disk image in your archive folder.</source>
        <translation>Salva un’immagine disco protetta da password nella cartella di archiviazione.</translation>
    </message>
    <message id="desc.zipEncrypted.compress">
        <source>Makes a password-protected zip archive of the items you drop.</source>
        <translation>Crea un archivio zip protetto da password degli elementi che trascini qui.</translation>
    </message>
    <message id="desc.zipEncrypted.email">
        <source>Makes a password-protected zip archive and attaches it to a new e-mail.</source>
        <translation>Crea un archivio zip protetto da password e lo allega a una nuova email.</translation>
    </message>
    <message id="desc.zipEncrypted.archive">
        <source>Files a password-protected zip archive in your archive folder.</source>
        <translation>Salva un archivio zip protetto da password nella cartella di archiviazione.</translation>
    </message>
    <message id="error.title">
        <source>The archive could not be made</source>
        <translation>Impossibile creare l’archivio</translation>
    </message>
    <message id="error.forbidden">
        <source>“%1” is a protected location and can’t be archived.</source>
        <translation>«%1» è una posizione protetta e non può essere archiviata.</translation>
    </message>
    <message id="error.missing">
        <source>“%1” could not be found.</source>
        <translation>Impossibile trovare «%1».</translation>
    </message>
    <message id="error.failed">
        <source>The archiving tool reported an error.</source>
        <translation>Lo strumento di archiviazione ha segnalato un errore.</translation>
    </message>
    <message id="error.cancelled">
        <source>The operation was cancelled.</source>
        <translation>L’operazione è stata annullata.</translation>
    </message>
    <message id="error.noItems">
        <source>There is nothing to archive.</source>
        <translation>Non c’è nulla da archiviare.</translation>
    </message>
    <message id="error.allSkipped">
        <source>Every item is already compressed, so there was nothing left to archive.</source>
        <translation>Tutti gli elementi sono già compressi, quindi non è rimasto nulla da archiviare.</translation>
    </message>
    <message id="error.folderCreate">
        <source>The archive folder could not be created. Choose another folder in the options.</source>
        <translation>Impossibile creare la cartella di archiviazione. Scegli un’altra cartella nelle opzioni.</translation>
    </message>
    <message id="error.toolMissing">
        <source>The archiving tool needed for this format is not installed on this computer.</source>
        <translation>Lo strumento di archiviazione necessario per questo formato non è installato su questo computer.</translation>
    </message>
    <message id="error.noLast">
        <source>No archive has been made yet.</source>
        <translation>Non è stato ancora creato alcun archivio.</translation>
    </message>
    <message id="error.missingLast">
        <source>The last archive was moved or deleted.</source>
        <translation>L’ultimo archivio è stato spostato o eliminato.</translation>
    </message>
    <message id="confirm.ok">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="confirm.cancel">
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message id="confirm.dontAsk">
        <source>Don’t ask again</source>
        <translation>Non chiedere più</translation>
    </message>
    <message id="confirm.omit">
        <source>Omit</source>
        <translation>Escludi</translation>
    </message>
    <message id="confirm.set">
        <source>Move to Trash</source>
        <translation>Sposta nel Cestino</translation>
    </message>
    <message id="confirm.continue">
        <source>Continue</source>
        <translation>Continua</translation>
    </message>
    <message id="confirm.create">
        <source>Create</source>
        <translation>Crea</translation>
    </message>
    <message id="confirm.omitFinder.title">
        <source>Leave out Finder files?</source>
        <translation>Escludere i file del Finder?</translation>
    </message>
    <message id="confirm.omitFinder.body">
        <source>Files named .DS_Store and files starting with “._” will not be included in your archives.</source>
        <translation>I file chiamati .DS_Store e quelli che iniziano con «._» non verranno inclusi negli archivi.</translation>
    </message>
    <message id="confirm.omitMac.title">
        <source>Leave out Mac metadata?</source>
        <translation>Escludere i metadati Mac?</translation>
    </message>
    <message id="confirm.omitMac.body">
        <source>Extended attributes and other Mac-specific information will not be stored in zip archives.</source>
        <translation>Gli attributi estesi e le altre informazioni specifiche del Mac non verranno salvati negli archivi zip.</translation>
    </message>
    <message id="confirm.trash.title">
        <source>Move the originals to the Trash?</source>
        <translation>Spostare gli originali nel Cestino?</translation>
    </message>
    <message id="confirm.trash.body">
        <source>After each archive is made, the items it contains will be moved to the Trash.</source>
        <translation>Dopo la creazione di ogni archivio, gli elementi che contiene verranno spostati nel Cestino.</translation>
    </message>
    <message id="confirm.encryptedZip.title">
        <source>Create a password-protected zip?</source>
        <translation>Creare uno zip protetto da password?</translation>
    </message>
    <message id="confirm.encryptedZip.body">
        <source>Zip encryption is weak: anyone with the archive and enough time can open it. Use an encrypted disk image for sensitive data.</source>
        <translation>La cifratura zip è debole: chiunque abbia l’archivio e tempo a sufficienza può aprirlo. Per i dati riservati usa un’immagine disco cifrata.</translation>
    </message>
    <message id="confirm.encryptedDmg.title">
        <source>Create an encrypted disk image?</source>
        <translation>Creare un’immagine disco cifrata?</translation>
    </message>
    <message id="confirm.encryptedDmg.body">
        <source>If you forget the password, the contents of the disk image cannot be recovered.</source>
        <translation>Se dimentichi la password, non sarà possibile recuperare il contenuto dell’immagine disco.</translation>
    </message>
    <message id="progress.archivingItem">
        <source>Archiving “%1” as “%2”…</source>
        <translation>Archiviazione di «%1» come «%2»…</translation>
    </message>
    <message id="progress.archivingItems">
        <source>Archiving %1 items as “%2”…</source>
        <translation>Archiviazione di %1 elementi come «%2»…</translation>
    </message>
    <message id="progress.stop">
        <source>Stop</source>
        <translation>Ferma</translation>
    </message>
    <message id="main.add">
        <source>Add Files…</source>
        <translation>Aggiungi file…</translation>
    </message>
    <message id="main.drop">
        <source>Drop files and folders here</source>
        <translation>Trascina qui file e cartelle</translation>
    </message>
    <message id="main.format">
        <source>Format:</source>
        <translation>Formato:</translation>
    </message>
    <message id="general.chooseFolder">
        <source>Choose</source>
        <translation>Scegli</translation>
    </message>
    <message id="general.omitFinder">
        <source>Leave out Finder files (.DS_Store, ._*)</source>
        <translation>Escludi i file del Finder (.DS_Store, ._*)</translation>
    </message>
    <message id="general.omitMac">
        <source>Leave out Mac metadata</source>
        <translation>Escludi i metadati Mac</translation>
    </message>
    <message id="general.trashOriginals">
        <source>Move the originals to the Trash</source>
        <translation>Sposta gli originali nel Cestino</translation>
    </message>
    <message id="name.ok">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="name.archive">
        <source>Name the archive</source>
        <translation>Assegna un nome all’archivio</translation>
    </message>
    <message id="name.dmg">
        <source>Name the disk image</source>
        <translation>Assegna un nome all’immagine disco</translation>
    </message>
    <message id="name.field">
        <source>Archive name</source>
        <translation>Nome dell’archivio</translation>
    </message>
    <message id="password.create">
        <source>Create</source>
        <translation>Crea</translation>
    </message>
    <message id="password.empty">
        <source>Enter a password.</source>
        <translation>Inserisci una password.</translation>
    </message>
    <message id="password.mismatch">
        <source>The passwords don’t match.</source>
        <translation>Le password non corrispondono.</translation>
    </message>
    <message id="password.invalidCharacter">
        <source>The password can’t contain line breaks or null characters.</source>
        <translation>La password non può contenere interruzioni di riga né caratteri nulli.</translation>
    </message>
    <message id="password.title.zip">
        <source>Choose a password for the zip archive</source>
        <translation>Scegli una password per l’archivio zip</translation>
    </message>
    <message id="password.title.dmg">
        <source>Choose a password for the disk image</source>
        <translation>Scegli una password per l’immagine disco</translation>
    </message>
    <message id="password.enter">
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message id="password.confirm">
        <source>Confirm password</source>
        <translation>Conferma password</translation>
    </message>
    <message id="banner.created">
        <source>Created “%1”</source>
        <translation>«%1» creato</translation>
    </message>
    <message id="banner.createdMany">
        <source>Created %1 archives</source>
        <translation>%1 archivi creati</translation>
    </message>
    <message id="banner.showInFinder">
        <source>Show in File Manager</source>
        <translation>Mostra nel gestore file</translation>
    </message>
    <message id="trash.kept">
        <source>Kept out of the Trash: %1 (%2)</source>
        <translation>Non spostati nel Cestino: %1 (%2)</translation>
    </message>
    <message id="trash.kept.noTrash">
        <source>no usable Trash</source>
        <translation>nessun Cestino utilizzabile</translation>
    </message>
    <message id="trash.kept.changed">
        <source>changed meanwhile</source>
        <translation>modificati nel frattempo</translation>
    </message>
    <message id="trash.kept.incomplete">
        <source>not fully archived</source>
        <translation>non archiviati del tutto</translation>
    </message>
    <message id="action.compress">
        <source>Compress</source>
        <translation>Comprimi</translation>
    </message>
    <message id="action.email">
        <source>E-mail</source>
        <translation>Email</translation>
    </message>
    <message id="action.archive">
        <source>Archive</source>
        <translation>Archivia</translation>
    </message>
    <message id="archive.location">
        <source>Archives are filed in:</source>
        <translation>Gli archivi vengono salvati in:</translation>
    </message>
    <message id="archive.open">
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message id="archive.change">
        <source>Change…</source>
        <translation>Cambia…</translation>
    </message>
    <message id="menu.recents">
        <source>Recent archives</source>
        <translation>Archivi recenti</translation>
    </message>
    <message id="menu.showLast">
        <source>Show Last Archive</source>
        <translation>Mostra l’ultimo archivio</translation>
    </message>
    <message id="menu.file">
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message id="menu.help">
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message id="menu.quit">
        <source>Quit</source>
        <translation>Esci</translation>
    </message>
    <message id="preferences.title">
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message id="launch.applications.title">
        <source>%1 must be installed before it can run</source>
        <translation>%1 deve essere installato prima di poter essere avviato</translation>
    </message>
    <message id="launch.applications.message">
        <source>%1 runs only from an applications folder (/usr, /opt, ~/.local or ~/Applications). Install it with “cmake --install” and start it again.</source>
        <translation>%1 può essere avviato solo da una cartella delle applicazioni (/usr, /opt, ~/.local o ~/Applications). Installalo con «cmake --install» e avvialo di nuovo.</translation>
    </message>
    <message id="launch.applications.quit">
        <source>Quit</source>
        <translation>Esci</translation>
    </message>
    <message id="help.app">
        <source>Balewick Help</source>
        <translation>Guida di Balewick</translation>
    </message>
    <message id="help.support">
        <source>Support</source>
        <translation>Assistenza</translation>
    </message>
    <message id="help.site">
        <source>Balewick Website</source>
        <translation>Sito web di Balewick</translation>
    </message>
    <message id="error.copy">
        <source>“%1” could not be copied: %2</source>
        <translation>Impossibile copiare «%1»: %2</translation>
    </message>
    <message id="error.list">
        <source>The folder “%1” could not be read: %2</source>
        <translation>Impossibile leggere la cartella «%1»: %2</translation>
    </message>
    <message id="error.createFolder">
        <source>The folder “%1” could not be created: %2</source>
        <translation>Impossibile creare la cartella «%1»: %2</translation>
    </message>
    <message id="error.createFile">
        <source>The file “%1” could not be created: %2</source>
        <translation>Impossibile creare il file «%1»: %2</translation>
    </message>
    <message id="error.launch">
        <source>“%1” could not be started: %2</source>
        <translation>Impossibile avviare «%1»: %2</translation>
    </message>
    <message id="error.saveArchive">
        <source>The archive “%1” could not be saved: %2</source>
        <translation>Impossibile salvare l’archivio «%1»: %2</translation>
    </message>
    <message id="cleanup.notOurs">
        <source>“%1” was moved or replaced by someone else while Balewick was using it. Balewick left it as it is and removed nothing there.</source>
        <translation>«%1» è stato spostato o sostituito da qualcun altro mentre Balewick lo usava. Balewick l’ha lasciato com’era e non vi ha eliminato nulla.</translation>
    </message>
    <message id="menu.checkUpdates">
        <source>Check for Updates…</source>
        <translation>Controlla aggiornamenti…</translation>
    </message>
    <message id="menu.settings">
        <source>Settings…</source>
        <translation>Impostazioni…</translation>
    </message>
    <message id="preferences.tab.general">
        <source>General</source>
        <translation>Generale</translation>
    </message>
    <message id="preferences.tab.updates">
        <source>Updates</source>
        <translation>Aggiornamenti</translation>
    </message>
    <message id="general.section.destination">
        <source>Destination</source>
        <translation>Destinazione</translation>
    </message>
    <message id="general.destination">
        <source>Save archives</source>
        <translation>Salva gli archivi</translation>
    </message>
    <message id="general.destination.same">
        <source>Next to the originals</source>
        <translation>Accanto agli originali</translation>
    </message>
    <message id="general.destination.ask">
        <source>Ask each time</source>
        <translation>Chiedi ogni volta</translation>
    </message>
    <message id="general.destination.desktop">
        <source>On the desktop</source>
        <translation>Sulla scrivania</translation>
    </message>
    <message id="general.destination.archiveFolder">
        <source>In the archive folder</source>
        <translation>Nella cartella di archiviazione</translation>
    </message>
    <message id="general.section.options">
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
    <message id="general.promptForName">
        <source>Ask for the archive’s name</source>
        <translation>Chiedi il nome dell’archivio</translation>
    </message>
    <message id="general.promptForName.subtitle">
        <source>Before each archive is made, suggest a name that you can change.</source>
        <translation>Prima di creare ogni archivio, propone un nome che puoi modificare.</translation>
    </message>
    <message id="general.skipArchives">
        <source>Skip items that are already archives</source>
        <translation>Salta gli elementi che sono già archivi</translation>
    </message>
    <message id="general.skipArchives.subtitle">
        <source>Zip files, disk images and other compressed files are left as they are.</source>
        <translation>I file zip, le immagini disco e gli altri file compressi vengono lasciati così come sono.</translation>
    </message>
    <message id="general.individual">
        <source>One archive per item</source>
        <translation>Un archivio per elemento</translation>
    </message>
    <message id="general.individual.subtitle">
        <source>When several items are dropped, each one gets an archive of its own.</source>
        <translation>Quando trascini più elementi, ciascuno riceve un archivio a sé.</translation>
    </message>
    <message id="general.resetDialogs">
        <source>Show All Confirmations Again</source>
        <translation>Mostra di nuovo tutte le conferme</translation>
    </message>
    <message id="updates.section.automatic">
        <source>Automatic Checking</source>
        <translation>Controllo automatico</translation>
    </message>
    <message id="updates.automatic.title">
        <source>Check for updates at start</source>
        <translation>Controlla aggiornamenti all’avvio</translation>
    </message>
    <message id="updates.automatic.subtitle">
        <source>Each time Balewick starts, it asks its web site whether a newer version exists.</source>
        <translation>A ogni avvio, Balewick chiede al proprio sito web se esiste una versione più recente.</translation>
    </message>
    <message id="updates.section.manual">
        <source>Check Now</source>
        <translation>Controlla ora</translation>
    </message>
    <message id="updates.manual.title">
        <source>Look for a newer version</source>
        <translation>Cerca una versione più recente</translation>
    </message>
    <message id="updates.manual.button">
        <source>Check Now</source>
        <translation>Controlla ora</translation>
    </message>
    <message id="updates.lastChecked">
        <source>Last checked</source>
        <translation>Ultimo controllo</translation>
    </message>
    <message id="updates.lastChecked.dateTime">
        <source>%1 at %2</source>
        <translation>%1 alle %2</translation>
    </message>
    <message id="updates.newVersion">
        <source>Version %1 is available.</source>
        <translation>È disponibile la versione %1.</translation>
    </message>
    <message id="updates.check.failed">
        <source>The version information could not be read.</source>
        <translation>Impossibile leggere le informazioni sulla versione.</translation>
    </message>
    <message id="updates.alert.upToDate.title">
        <source>You’re up to date</source>
        <translation>Hai già la versione più recente</translation>
    </message>
    <message id="updates.alert.upToDate.message">
        <source>%1 is the newest version available.</source>
        <translation>%1 è la versione più recente disponibile.</translation>
    </message>
    <message id="updates.alert.unavailable.title">
        <source>Checking for updates isn’t possible right now</source>
        <translation>Al momento non è possibile controllare gli aggiornamenti</translation>
    </message>
    <message id="updates.alert.unavailable.message">
        <source>You are using version %1. Check your internet connection, or visit the Balewick web site to see whether a newer version exists.</source>
        <translation>Stai usando la versione %1. Controlla la connessione a Internet o visita il sito web di Balewick per sapere se esiste una versione più recente.</translation>
    </message>
    <message id="updates.alert.openPage">
        <source>Open Web Site</source>
        <translation>Apri sito web</translation>
    </message>
    <message id="updates.alert.ignore">
        <source>Ignore</source>
        <translation>Ignora</translation>
    </message>
    <message id="updates.window.defaultTitle">
        <source>A new version of Balewick is available</source>
        <translation>È disponibile una nuova versione di Balewick</translation>
    </message>
    <message id="updates.window.versionLine">
        <source>Version %1 is available; you have version %2.</source>
        <translation>È disponibile la versione %1; tu hai la versione %2.</translation>
    </message>
    <message id="updates.window.disableChecking">
        <source>Don’t Check Automatically</source>
        <translation>Non controllare automaticamente</translation>
    </message>
    <message id="updates.window.enableChecking">
        <source>Check Automatically</source>
        <translation>Controlla automaticamente</translation>
    </message>
    <message id="updates.window.disableChecking.tip">
        <source>Stop looking for new versions each time Balewick starts</source>
        <translation>Non cercare più nuove versioni a ogni avvio di Balewick</translation>
    </message>
    <message id="updates.window.enableChecking.tip">
        <source>Look for new versions each time Balewick starts</source>
        <translation>Cerca nuove versioni a ogni avvio di Balewick</translation>
    </message>
    <message id="menu.showLog">
        <source>Show Archive Log</source>
        <translation>Mostra registro archivi</translation>
    </message>
    <message id="log.title">
        <source>Archive Log</source>
        <translation>Registro archivi</translation>
    </message>
    <message id="log.search">
        <source>Search:</source>
        <translation>Cerca:</translation>
    </message>
    <message id="log.clear">
        <source>Clear</source>
        <translation>Cancella</translation>
    </message>
    <message id="log.column.file">
        <source>File</source>
        <translation>File</translation>
    </message>
    <message id="log.column.format">
        <source>Format</source>
        <translation>Formato</translation>
    </message>
    <message id="log.column.date">
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message id="log.column.path">
        <source>Path</source>
        <translation>Percorso</translation>
    </message>
    <message id="log.reveal">
        <source>Show in File Manager</source>
        <translation>Mostra nel gestore file</translation>
    </message>
    <message id="error.toolKilled">
        <source>%1 was stopped by signal %2 (%3).</source>
        <translation>%1 è stato interrotto dal segnale %2 (%3).</translation>
    </message>
    <message id="progress.waiting">
        <source>%1 more waiting</source>
        <translation>Altri %1 in attesa</translation>
    </message>
    <message id="quit.busy.title">
        <source>Stop making archives and quit?</source>
        <translation>Interrompere la creazione degli archivi e uscire?</translation>
    </message>
    <message id="quit.busy.stop">
        <source>Stop and Quit</source>
        <translation>Interrompi ed esci</translation>
    </message>
    <message id="verify.unexpectedMember">
        <source>It holds “%1”, which was not archived.</source>
        <translation>Contiene «%1», che non era stato archiviato.</translation>
    </message>
    <message id="verify.incompleteMember">
        <source>“%1” is incomplete in it.</source>
        <translation>Al suo interno «%1» è incompleto.</translation>
    </message>
    <message id="verify.missingMember">
        <source>“%1” is missing from it.</source>
        <translation>Al suo interno manca «%1».</translation>
    </message>
    <message id="error.verifyFailed">
        <source>The archive “%1” did not read back correctly, so the original items were kept. %2</source>
        <translation>La rilettura dell’archivio «%1» non ha dato un risultato corretto, quindi gli elementi originali sono stati conservati. %2</translation>
    </message>
    <message id="notification.done">
        <source>Archiving finished</source>
        <translation>Archiviazione completata</translation>
    </message>
    <message id="notification.show">
        <source>Show</source>
        <translation>Mostra</translation>
    </message>
    <message id="error.zipPasswordTooLong">
        <source>Zip takes passwords of up to %1 bytes on one line. Choose a shorter password.</source>
        <translation>Zip accetta password di al massimo %1 byte su una sola riga. Scegli una password più corta.</translation>
    </message>
    <message id="progress.verifying">
        <source>Reading “%1” back…</source>
        <translation>Rilettura di «%1»…</translation>
    </message>
    <message id="about.menu">
        <source>About Balewick</source>
        <translation>Informazioni su Balewick</translation>
    </message>
    <message id="about.title">
        <source>About Balewick</source>
        <translation>Informazioni su Balewick</translation>
    </message>
    <message id="about.version">
        <source>Version %1 (%2)</source>
        <translation>Versione %1 (%2)</translation>
    </message>
    <message id="about.credits.unavailable">
        <source>The credits could not be shown.</source>
        <translation>Impossibile mostrare i riconoscimenti.</translation>
    </message>
    <message id="about.rights">
        <source>© 2026 The Balewick developers. Free software under the GNU General Public License.</source>
        <translation>© 2026 Gli sviluppatori di Balewick. Software libero distribuito secondo i termini della GNU General Public License.</translation>
    </message>
    <message id="about.link.website">
        <source>Website</source>
        <translation>Sito web</translation>
    </message>
    <message id="about.link.privacy">
        <source>Privacy Policy</source>
        <translation>Informativa privacy</translation>
    </message>
    <message id="about.link.support">
        <source>Support</source>
        <translation>Assistenza</translation>
    </message>
    <message id="help.license">
        <source>License</source>
        <translation>Licenza</translation>
    </message>
    <message id="license.title">
        <source>Balewick License</source>
        <translation>Licenza di Balewick</translation>
    </message>
    <message id="license.close">
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message id="license.unavailable">
        <source>The license text could not be shown.</source>
        <translation>Impossibile mostrare il testo della licenza.</translation>
    </message>
    <message id="progress.percent">
        <source>%1 % · %2</source>
        <translation>%1% · %2</translation>
    </message>
    <message id="progress.percentOnly">
        <source>%1 %</source>
        <translation>%1%</translation>
    </message>
    <message id="progress.seconds">
        <source>about %1 s left</source>
        <translation>ancora circa %1 s</translation>
    </message>
    <message id="progress.minutes">
        <source>about %1 min left</source>
        <translation>ancora circa %1 min</translation>
    </message>
    <message id="progress.hours">
        <source>about %1 h %2 min left</source>
        <translation>ancora circa %1 h %2 min</translation>
    </message>
    <message id="error.diskFull">
        <source>There is not enough free space in “%1”: the archive needs %2 and only %3 is free. Free some space or choose another destination.</source>
        <translation>Spazio libero insufficiente in «%1»: l’archivio richiede %2 e sono liberi solo %3. Libera spazio o scegli un’altra destinazione.</translation>
    </message>
    <message id="desktop.genericName">
        <source>Archiver</source>
        <translation>Archiviatore</translation>
    </message>
    <message id="desktop.comment">
        <source>Turn files and folders into archives</source>
        <translation>Trasforma file e cartelle in archivi</translation>
    </message>
    <message id="desktop.keywords">
        <source>zip;tar;archive;compress;</source>
        <extracomment>Search words, each followed by a semicolon.</extracomment>
        <translation>zip;tar;archivio;archiviare;comprimere;compressione;</translation>
    </message>
    <message id="filemanager.compress">
        <source>Compress with Balewick</source>
        <translation>Comprimi con Balewick</translation>
    </message>
    <message id="filemanager.compress.tooltip">
        <source>Make archives of the selected items with Balewick</source>
        <translation>Crea archivi degli elementi selezionati con Balewick</translation>
    </message>
    <message id="metainfo.summary">
        <source>Turn files and folders into archives</source>
        <translation>Trasforma file e cartelle in archivi</translation>
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
        <translation>Balewick crea archivi dei file e delle cartelle che trascini sulla sua finestra, che gli invii dal menu contestuale del gestore di file o che scegli da un elenco. Scegli cosa farne e in quale formato, e Balewick crea gli archivi con zip e tar del sistema.

- Comprimi accanto agli elementi, sulla scrivania, in una cartella di archivio o dove preferisci
- Email: crea gli archivi e allegali a un nuovo messaggio
- Archivia: conserva archivi datati in un'unica cartella di archivio
- Formati: zip, tar, tar.gz, tar.bz2, zip protetto da password e immagini disco
- Escludi i file del Finder e i metadati di macOS, salta gli elementi che sono già archivi
- Un registro di ogni archivio creato e, se lo desideri, gli originali spostati nel Cestino

«Comprimi con Balewick» compare nei menu contestuali di GNOME File, Dolphin, Nemo e Caja (con caja-actions) e nel menu «Invia a» di Thunar.</translation>
    </message>
    <message id="a11y.dropView">
        <source>Press Space to choose files and folders instead of dropping them.</source>
        <translation>Premi Spazio per scegliere file e cartelle invece di trascinarli.</translation>
    </message>
    <message id="a11y.main.add">
        <source>Add files</source>
        <translation>Aggiungi file</translation>
    </message>
    <message id="a11y.main.add.description">
        <source>Choose files and folders and start the chosen action with them.</source>
        <translation>Scegli file e cartelle e avvia con essi l’azione scelta.</translation>
    </message>
    <message id="a11y.preferences.title">
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message id="a11y.menu.recents">
        <source>Recent archives</source>
        <translation>Archivi recenti</translation>
    </message>
    <message id="a11y.menu.recents.description">
        <source>Opens a menu to show the last archive or the archive log.</source>
        <translation>Apre un menu per mostrare l’ultimo archivio o il registro degli archivi.</translation>
    </message>
    <message id="a11y.log.table.description">
        <source>The archives made so far. Move to the last column of a row and press Return to show that archive in the file manager.</source>
        <translation>Gli archivi creati finora. Spostati nell’ultima colonna di una riga e premi Invio per mostrare l’archivio nel gestore file.</translation>
    </message>
    <message id="a11y.aboutCredits">
        <source>Credits</source>
        <translation>Riconoscimenti</translation>
    </message>
    <message id="email.tooLarge.title">
        <source>Attach this much to an e-mail?</source>
        <translation>Allegare così tanto a un’email?</translation>
    </message>
    <message id="email.tooLarge.message">
        <source>The attachments would come to %1. Many mail services refuse messages over 20–25 MB, so the message may never arrive. You can attach the archives anyway, or show them in the file manager and share them another way.</source>
        <translation>Gli allegati occuperebbero in tutto %1. Molti servizi di posta rifiutano i messaggi oltre 20–25 MB, quindi il messaggio potrebbe non arrivare mai. Puoi allegare comunque gli archivi, oppure mostrarli nel gestore file e condividerli in un altro modo.</translation>
    </message>
    <message id="email.tooLarge.attach">
        <source>Attach Anyway</source>
        <translation>Allega comunque</translation>
    </message>
    <message id="email.tooLarge.reveal">
        <source>Show in File Manager</source>
        <translation>Mostra nel gestore file</translation>
    </message>
</context>
</TS>
