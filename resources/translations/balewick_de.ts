<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
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
        <translation>Tar, mit gzip komprimiert (.tar.gz)</translation>
    </message>
    <message id="format.bzip2">
        <source>Tar, bzip2-compressed (.tar.bz2)</source>
        <translation>Tar, mit bzip2 komprimiert (.tar.bz2)</translation>
    </message>
    <message id="format.dmg">
        <source>Disk image</source>
        <translation>Laufwerksabbild</translation>
    </message>
    <message id="format.dmgEncrypted">
        <source>Encrypted disk image</source>
        <translation>Verschlüsseltes Laufwerksabbild</translation>
    </message>
    <message id="format.zipEncrypted">
        <source>Password-protected zip</source>
        <translation>Passwortgeschütztes Zip</translation>
    </message>
    <message id="desc.zip.compress">
        <source>Makes a zip archive of the items you drop.</source>
        <translation>Erstellt ein Zip-Archiv aus den abgelegten Elementen.</translation>
    </message>
    <message id="desc.zip.email">
        <source>Makes a zip archive and attaches it to a new e-mail.</source>
        <translation>Erstellt ein Zip-Archiv und hängt es an eine neue E-Mail an.</translation>
    </message>
    <message id="desc.zip.archive">
        <source>Files a zip archive of the items in your archive folder.</source>
        <translation>Legt ein Zip-Archiv der Elemente in Ihrem Archivordner ab.</translation>
    </message>
    <message id="desc.tar.compress">
        <source>Makes a tar archive of the items you drop.</source>
        <translation>Erstellt ein Tar-Archiv aus den abgelegten Elementen.</translation>
    </message>
    <message id="desc.tar.email">
        <source>Makes a tar archive and attaches it to a new e-mail.</source>
        <translation>Erstellt ein Tar-Archiv und hängt es an eine neue E-Mail an.</translation>
    </message>
    <message id="desc.tar.archive">
        <source>Files a tar archive of the items in your archive folder.</source>
        <translation>Legt ein Tar-Archiv der Elemente in Ihrem Archivordner ab.</translation>
    </message>
    <message id="desc.gzip.compress">
        <source>Makes a gzip-compressed tar archive of the items you drop.</source>
        <translation>Erstellt ein mit gzip komprimiertes Tar-Archiv aus den abgelegten Elementen.</translation>
    </message>
    <message id="desc.gzip.email">
        <source>Makes a gzip-compressed tar archive and attaches it to a new e-mail.</source>
        <translation>Erstellt ein mit gzip komprimiertes Tar-Archiv und hängt es an eine neue E-Mail an.</translation>
    </message>
    <message id="desc.gzip.archive">
        <source>Files a gzip-compressed tar archive in your archive folder.</source>
        <translation>Legt ein mit gzip komprimiertes Tar-Archiv in Ihrem Archivordner ab.</translation>
    </message>
    <message id="desc.bzip2.compress">
        <source>Makes a bzip2-compressed tar archive of the items you drop.</source>
        <translation>Erstellt ein mit bzip2 komprimiertes Tar-Archiv aus den abgelegten Elementen.</translation>
    </message>
    <message id="desc.bzip2.email">
        <source>Makes a bzip2-compressed tar archive and attaches it to a new e-mail.</source>
        <translation>Erstellt ein mit bzip2 komprimiertes Tar-Archiv und hängt es an eine neue E-Mail an.</translation>
    </message>
    <message id="desc.bzip2.archive">
        <source>Files a bzip2-compressed tar archive in your archive folder.</source>
        <translation>Legt ein mit bzip2 komprimiertes Tar-Archiv in Ihrem Archivordner ab.</translation>
    </message>
    <message id="desc.dmg.compress">
        <source>Makes a compressed disk image of the items you drop.</source>
        <translation>Erstellt ein komprimiertes Laufwerksabbild aus den abgelegten Elementen.</translation>
    </message>
    <message id="desc.dmg.email">
        <source>Makes a compressed disk image and attaches it to a new e-mail.</source>
        <translation>Erstellt ein komprimiertes Laufwerksabbild und hängt es an eine neue E-Mail an.</translation>
    </message>
    <message id="desc.dmg.archive">
        <source>Files a compressed disk image in your archive folder.</source>
        <translation>Legt ein komprimiertes Laufwerksabbild in Ihrem Archivordner ab.</translation>
    </message>
    <message id="desc.dmgEncrypted.compress">
        <source>Makes a password-protected disk image of the items you drop.</source>
        <translation>Erstellt ein passwortgeschütztes Laufwerksabbild aus den abgelegten Elementen.</translation>
    </message>
    <message id="desc.dmgEncrypted.email">
        <source>Makes a password-protected disk image and attaches it to a new e-mail.</source>
        <translation>Erstellt ein passwortgeschütztes Laufwerksabbild und hängt es an eine neue E-Mail an.</translation>
    </message>
    <message id="desc.dmgEncrypted.archive">
        <source>Files a password-protected disk image in your archive folder.</source>
        <translation>Legt ein passwortgeschütztes Laufwerksabbild in Ihrem Archivordner ab.</translation>
    </message>
    <message id="desc.zipEncrypted.compress">
        <source>Makes a password-protected zip archive of the items you drop.</source>
        <translation>Erstellt ein passwortgeschütztes Zip-Archiv aus den abgelegten Elementen.</translation>
    </message>
    <message id="desc.zipEncrypted.email">
        <source>Makes a password-protected zip archive and attaches it to a new e-mail.</source>
        <translation>Erstellt ein passwortgeschütztes Zip-Archiv und hängt es an eine neue E-Mail an.</translation>
    </message>
    <message id="desc.zipEncrypted.archive">
        <source>Files a password-protected zip archive in your archive folder.</source>
        <translation>Legt ein passwortgeschütztes Zip-Archiv in Ihrem Archivordner ab.</translation>
    </message>
    <message id="error.title">
        <source>The archive could not be made</source>
        <translation>Das Archiv konnte nicht erstellt werden</translation>
    </message>
    <message id="error.forbidden">
        <source>“%1” is a protected location and can’t be archived.</source>
        <translation>„%1“ ist ein geschützter Ort und kann nicht archiviert werden.</translation>
    </message>
    <message id="error.missing">
        <source>“%1” could not be found.</source>
        <translation>„%1“ wurde nicht gefunden.</translation>
    </message>
    <message id="error.failed">
        <source>The archiving tool reported an error.</source>
        <translation>Das Archivierungsprogramm hat einen Fehler gemeldet.</translation>
    </message>
    <message id="error.cancelled">
        <source>The operation was cancelled.</source>
        <translation>Der Vorgang wurde abgebrochen.</translation>
    </message>
    <message id="error.noItems">
        <source>There is nothing to archive.</source>
        <translation>Es gibt nichts zu archivieren.</translation>
    </message>
    <message id="error.allSkipped">
        <source>Every item is already compressed, so there was nothing left to archive.</source>
        <translation>Alle Elemente sind bereits komprimiert, daher gab es nichts mehr zu archivieren.</translation>
    </message>
    <message id="error.folderCreate">
        <source>The archive folder could not be created. Choose another folder in the options.</source>
        <translation>Der Archivordner konnte nicht erstellt werden. Wählen Sie in den Optionen einen anderen Ordner.</translation>
    </message>
    <message id="error.toolMissing">
        <source>The archiving tool needed for this format is not installed on this computer.</source>
        <translation>Das für dieses Format benötigte Archivierungsprogramm ist auf diesem Rechner nicht installiert.</translation>
    </message>
    <message id="error.noLast">
        <source>No archive has been made yet.</source>
        <translation>Es wurde noch kein Archiv erstellt.</translation>
    </message>
    <message id="error.missingLast">
        <source>The last archive was moved or deleted.</source>
        <translation>Das letzte Archiv wurde verschoben oder gelöscht.</translation>
    </message>
    <message id="confirm.ok">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="confirm.cancel">
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message id="confirm.dontAsk">
        <source>Don’t ask again</source>
        <translation>Nicht mehr fragen</translation>
    </message>
    <message id="confirm.omit">
        <source>Omit</source>
        <translation>Weglassen</translation>
    </message>
    <message id="confirm.set">
        <source>Move to Trash</source>
        <translation>In den Papierkorb verschieben</translation>
    </message>
    <message id="confirm.continue">
        <source>Continue</source>
        <translation>Fortfahren</translation>
    </message>
    <message id="confirm.create">
        <source>Create</source>
        <translation>Erstellen</translation>
    </message>
    <message id="confirm.omitFinder.title">
        <source>Leave out Finder files?</source>
        <translation>Finder-Dateien weglassen?</translation>
    </message>
    <message id="confirm.omitFinder.body">
        <source>Files named .DS_Store and files starting with “._” will not be included in your archives.</source>
        <translation>Dateien namens .DS_Store und Dateien, deren Name mit „._“ beginnt, werden nicht in Ihre Archive aufgenommen.</translation>
    </message>
    <message id="confirm.omitMac.title">
        <source>Leave out Mac metadata?</source>
        <translation>Mac-Metadaten weglassen?</translation>
    </message>
    <message id="confirm.omitMac.body">
        <source>Extended attributes and other Mac-specific information will not be stored in zip archives.</source>
        <translation>Erweiterte Attribute und andere Mac-spezifische Informationen werden nicht in Zip-Archiven gespeichert.</translation>
    </message>
    <message id="confirm.trash.title">
        <source>Move the originals to the Trash?</source>
        <translation>Originale in den Papierkorb verschieben?</translation>
    </message>
    <message id="confirm.trash.body">
        <source>After each archive is made, the items it contains will be moved to the Trash.</source>
        <translation>Nach dem Erstellen jedes Archivs werden die darin enthaltenen Elemente in den Papierkorb verschoben.</translation>
    </message>
    <message id="confirm.encryptedZip.title">
        <source>Create a password-protected zip?</source>
        <translation>Passwortgeschütztes Zip erstellen?</translation>
    </message>
    <message id="confirm.encryptedZip.body">
        <source>Zip encryption is weak: anyone with the archive and enough time can open it. Use an encrypted disk image for sensitive data.</source>
        <translation>Die Zip-Verschlüsselung ist schwach: Wer das Archiv besitzt und genug Zeit hat, kann es öffnen. Verwenden Sie für vertrauliche Daten ein verschlüsseltes Laufwerksabbild.</translation>
    </message>
    <message id="confirm.encryptedDmg.title">
        <source>Create an encrypted disk image?</source>
        <translation>Verschlüsseltes Laufwerksabbild erstellen?</translation>
    </message>
    <message id="confirm.encryptedDmg.body">
        <source>If you forget the password, the contents of the disk image cannot be recovered.</source>
        <translation>Wenn Sie das Passwort vergessen, kann der Inhalt des Laufwerksabbilds nicht wiederhergestellt werden.</translation>
    </message>
    <message id="progress.archivingItem">
        <source>Archiving “%1” as “%2”…</source>
        <translation>„%1“ wird als „%2“ archiviert …</translation>
    </message>
    <message id="progress.archivingItems">
        <source>Archiving %1 items as “%2”…</source>
        <translation>%1 Elemente werden als „%2“ archiviert …</translation>
    </message>
    <message id="progress.stop">
        <source>Stop</source>
        <translation>Anhalten</translation>
    </message>
    <message id="main.add">
        <source>Add Files…</source>
        <translation>Dateien hinzufügen …</translation>
    </message>
    <message id="main.drop">
        <source>Drop files and folders here</source>
        <translation>Dateien und Ordner hier ablegen</translation>
    </message>
    <message id="main.format">
        <source>Format:</source>
        <translation>Format:</translation>
    </message>
    <message id="general.chooseFolder">
        <source>Choose</source>
        <translation>Auswählen</translation>
    </message>
    <message id="general.omitFinder">
        <source>Leave out Finder files (.DS_Store, ._*)</source>
        <translation>Finder-Dateien weglassen (.DS_Store, ._*)</translation>
    </message>
    <message id="general.omitMac">
        <source>Leave out Mac metadata</source>
        <translation>Mac-Metadaten weglassen</translation>
    </message>
    <message id="general.trashOriginals">
        <source>Move the originals to the Trash</source>
        <translation>Originale in den Papierkorb verschieben</translation>
    </message>
    <message id="name.ok">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="name.archive">
        <source>Name the archive</source>
        <translation>Archiv benennen</translation>
    </message>
    <message id="name.dmg">
        <source>Name the disk image</source>
        <translation>Laufwerksabbild benennen</translation>
    </message>
    <message id="name.field">
        <source>Archive name</source>
        <translation>Archivname</translation>
    </message>
    <message id="password.create">
        <source>Create</source>
        <translation>Erstellen</translation>
    </message>
    <message id="password.empty">
        <source>Enter a password.</source>
        <translation>Geben Sie ein Passwort ein.</translation>
    </message>
    <message id="password.mismatch">
        <source>The passwords don’t match.</source>
        <translation>Die Passwörter stimmen nicht überein.</translation>
    </message>
    <message id="password.invalidCharacter">
        <source>The password can’t contain line breaks or null characters.</source>
        <translation>Das Passwort darf keine Zeilenumbrüche und keine Nullzeichen enthalten.</translation>
    </message>
    <message id="password.title.zip">
        <source>Choose a password for the zip archive</source>
        <translation>Wählen Sie ein Passwort für das Zip-Archiv</translation>
    </message>
    <message id="password.title.dmg">
        <source>Choose a password for the disk image</source>
        <translation>Wählen Sie ein Passwort für das Laufwerksabbild</translation>
    </message>
    <message id="password.enter">
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message id="password.confirm">
        <source>Confirm password</source>
        <translation>Passwort bestätigen</translation>
    </message>
    <message id="banner.created">
        <source>Created “%1”</source>
        <translation>„%1“ wurde erstellt</translation>
    </message>
    <message id="banner.createdMany">
        <source>Created %1 archives</source>
        <translation>%1 Archive wurden erstellt</translation>
    </message>
    <message id="banner.showInFinder">
        <source>Show in File Manager</source>
        <translation>Im Dateimanager anzeigen</translation>
    </message>
    <message id="trash.kept">
        <source>Kept out of the Trash: %1 (%2)</source>
        <translation>Nicht in den Papierkorb verschoben: %1 (%2)</translation>
    </message>
    <message id="trash.kept.noTrash">
        <source>no usable Trash</source>
        <translation>kein nutzbarer Papierkorb</translation>
    </message>
    <message id="trash.kept.changed">
        <source>changed meanwhile</source>
        <translation>inzwischen geändert</translation>
    </message>
    <message id="trash.kept.incomplete">
        <source>not fully archived</source>
        <translation>nicht vollständig archiviert</translation>
    </message>
    <message id="action.compress">
        <source>Compress</source>
        <translation>Komprimieren</translation>
    </message>
    <message id="action.email">
        <source>E-mail</source>
        <translation>E-Mail</translation>
    </message>
    <message id="action.archive">
        <source>Archive</source>
        <translation>Archivieren</translation>
    </message>
    <message id="archive.location">
        <source>Archives are filed in:</source>
        <translation>Archive werden abgelegt in:</translation>
    </message>
    <message id="archive.open">
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message id="archive.change">
        <source>Change…</source>
        <translation>Ändern …</translation>
    </message>
    <message id="menu.recents">
        <source>Recent archives</source>
        <translation>Zuletzt erstellte Archive</translation>
    </message>
    <message id="menu.showLast">
        <source>Show Last Archive</source>
        <translation>Letztes Archiv anzeigen</translation>
    </message>
    <message id="menu.file">
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message id="menu.help">
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message id="menu.quit">
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message id="preferences.title">
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message id="launch.applications.title">
        <source>%1 must be installed before it can run</source>
        <translation>%1 muss installiert werden, bevor es ausgeführt werden kann</translation>
    </message>
    <message id="launch.applications.message">
        <source>%1 runs only from an applications folder (/usr, /opt, ~/.local or ~/Applications). Install it with “cmake --install” and start it again.</source>
        <translation>%1 läuft nur aus einem Anwendungsordner (/usr, /opt, ~/.local oder ~/Applications). Installieren Sie es mit „cmake --install“ und starten Sie es erneut.</translation>
    </message>
    <message id="launch.applications.quit">
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message id="help.app">
        <source>Balewick Help</source>
        <translation>Balewick-Hilfe</translation>
    </message>
    <message id="help.support">
        <source>Support</source>
        <translation>Support</translation>
    </message>
    <message id="help.site">
        <source>Balewick Website</source>
        <translation>Balewick-Website</translation>
    </message>
    <message id="error.copy">
        <source>“%1” could not be copied: %2</source>
        <translation>„%1“ konnte nicht kopiert werden: %2</translation>
    </message>
    <message id="error.list">
        <source>The folder “%1” could not be read: %2</source>
        <translation>Der Ordner „%1“ konnte nicht gelesen werden: %2</translation>
    </message>
    <message id="error.createFolder">
        <source>The folder “%1” could not be created: %2</source>
        <translation>Der Ordner „%1“ konnte nicht erstellt werden: %2</translation>
    </message>
    <message id="error.createFile">
        <source>The file “%1” could not be created: %2</source>
        <translation>Die Datei „%1“ konnte nicht erstellt werden: %2</translation>
    </message>
    <message id="error.launch">
        <source>“%1” could not be started: %2</source>
        <translation>„%1“ konnte nicht gestartet werden: %2</translation>
    </message>
    <message id="error.saveArchive">
        <source>The archive “%1” could not be saved: %2</source>
        <translation>Das Archiv „%1“ konnte nicht gespeichert werden: %2</translation>
    </message>
    <message id="cleanup.notOurs">
        <source>“%1” was moved or replaced by someone else while Balewick was using it. Balewick left it as it is and removed nothing there.</source>
        <translation>„%1“ wurde von jemand anderem verschoben oder ersetzt, während Balewick es benutzte. Balewick hat es unverändert gelassen und dort nichts gelöscht.</translation>
    </message>
    <message id="menu.checkUpdates">
        <source>Check for Updates…</source>
        <translation>Nach Aktualisierungen suchen …</translation>
    </message>
    <message id="menu.settings">
        <source>Settings…</source>
        <translation>Einstellungen …</translation>
    </message>
    <message id="preferences.tab.general">
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message id="preferences.tab.updates">
        <source>Updates</source>
        <translation>Aktualisierungen</translation>
    </message>
    <message id="general.section.destination">
        <source>Destination</source>
        <translation>Ziel</translation>
    </message>
    <message id="general.destination">
        <source>Save archives</source>
        <translation>Archive speichern</translation>
    </message>
    <message id="general.destination.same">
        <source>Next to the originals</source>
        <translation>Neben den Originalen</translation>
    </message>
    <message id="general.destination.ask">
        <source>Ask each time</source>
        <translation>Jedes Mal fragen</translation>
    </message>
    <message id="general.destination.desktop">
        <source>On the desktop</source>
        <translation>Auf dem Schreibtisch</translation>
    </message>
    <message id="general.destination.archiveFolder">
        <source>In the archive folder</source>
        <translation>Im Archivordner</translation>
    </message>
    <message id="general.section.options">
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message id="general.promptForName">
        <source>Ask for the archive’s name</source>
        <translation>Nach dem Archivnamen fragen</translation>
    </message>
    <message id="general.promptForName.subtitle">
        <source>Before each archive is made, suggest a name that you can change.</source>
        <translation>Vor dem Erstellen jedes Archivs wird ein Name vorgeschlagen, den Sie ändern können.</translation>
    </message>
    <message id="general.skipArchives">
        <source>Skip items that are already archives</source>
        <translation>Elemente überspringen, die bereits Archive sind</translation>
    </message>
    <message id="general.skipArchives.subtitle">
        <source>Zip files, disk images and other compressed files are left as they are.</source>
        <translation>Zip-Dateien, Laufwerksabbilder und andere komprimierte Dateien bleiben unverändert.</translation>
    </message>
    <message id="general.individual">
        <source>One archive per item</source>
        <translation>Ein Archiv pro Element</translation>
    </message>
    <message id="general.individual.subtitle">
        <source>When several items are dropped, each one gets an archive of its own.</source>
        <translation>Werden mehrere Elemente abgelegt, erhält jedes ein eigenes Archiv.</translation>
    </message>
    <message id="general.resetDialogs">
        <source>Show All Confirmations Again</source>
        <translation>Alle Bestätigungen wieder anzeigen</translation>
    </message>
    <message id="updates.section.automatic">
        <source>Automatic Checking</source>
        <translation>Automatische Suche</translation>
    </message>
    <message id="updates.automatic.title">
        <source>Check for updates at start</source>
        <translation>Beim Start nach Aktualisierungen suchen</translation>
    </message>
    <message id="updates.automatic.subtitle">
        <source>Each time Balewick starts, it asks its web site whether a newer version exists.</source>
        <translation>Bei jedem Start fragt Balewick auf seiner Website nach, ob es eine neuere Version gibt.</translation>
    </message>
    <message id="updates.section.manual">
        <source>Check Now</source>
        <translation>Jetzt suchen</translation>
    </message>
    <message id="updates.manual.title">
        <source>Look for a newer version</source>
        <translation>Nach einer neueren Version suchen</translation>
    </message>
    <message id="updates.manual.button">
        <source>Check Now</source>
        <translation>Jetzt suchen</translation>
    </message>
    <message id="updates.lastChecked">
        <source>Last checked</source>
        <translation>Letzte Suche</translation>
    </message>
    <message id="updates.lastChecked.dateTime">
        <source>%1 at %2</source>
        <translation>%1 um %2</translation>
    </message>
    <message id="updates.newVersion">
        <source>Version %1 is available.</source>
        <translation>Version %1 ist verfügbar.</translation>
    </message>
    <message id="updates.check.failed">
        <source>The version information could not be read.</source>
        <translation>Die Versionsinformationen konnten nicht gelesen werden.</translation>
    </message>
    <message id="updates.alert.upToDate.title">
        <source>You’re up to date</source>
        <translation>Sie sind auf dem neuesten Stand</translation>
    </message>
    <message id="updates.alert.upToDate.message">
        <source>%1 is the newest version available.</source>
        <translation>%1 ist die neueste verfügbare Version.</translation>
    </message>
    <message id="updates.alert.unavailable.title">
        <source>Checking for updates isn’t possible right now</source>
        <translation>Die Suche nach Aktualisierungen ist derzeit nicht möglich</translation>
    </message>
    <message id="updates.alert.unavailable.message">
        <source>You are using version %1. Check your internet connection, or visit the Balewick web site to see whether a newer version exists.</source>
        <translation>Sie verwenden Version %1. Überprüfen Sie Ihre Internetverbindung oder besuchen Sie die Balewick-Website, um zu sehen, ob es eine neuere Version gibt.</translation>
    </message>
    <message id="updates.alert.openPage">
        <source>Open Web Site</source>
        <translation>Website öffnen</translation>
    </message>
    <message id="updates.alert.ignore">
        <source>Ignore</source>
        <translation>Ignorieren</translation>
    </message>
    <message id="updates.window.defaultTitle">
        <source>A new version of Balewick is available</source>
        <translation>Eine neue Version von Balewick ist verfügbar</translation>
    </message>
    <message id="updates.window.versionLine">
        <source>Version %1 is available; you have version %2.</source>
        <translation>Version %1 ist verfügbar; Sie haben Version %2.</translation>
    </message>
    <message id="updates.window.disableChecking">
        <source>Don’t Check Automatically</source>
        <translation>Nicht automatisch suchen</translation>
    </message>
    <message id="updates.window.enableChecking">
        <source>Check Automatically</source>
        <translation>Automatisch suchen</translation>
    </message>
    <message id="updates.window.disableChecking.tip">
        <source>Stop looking for new versions each time Balewick starts</source>
        <translation>Nicht mehr bei jedem Start von Balewick nach neuen Versionen suchen</translation>
    </message>
    <message id="updates.window.enableChecking.tip">
        <source>Look for new versions each time Balewick starts</source>
        <translation>Bei jedem Start von Balewick nach neuen Versionen suchen</translation>
    </message>
    <message id="menu.showLog">
        <source>Show Archive Log</source>
        <translation>Archivprotokoll anzeigen</translation>
    </message>
    <message id="log.title">
        <source>Archive Log</source>
        <translation>Archivprotokoll</translation>
    </message>
    <message id="log.search">
        <source>Search:</source>
        <translation>Suchen:</translation>
    </message>
    <message id="log.clear">
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message id="log.column.file">
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message id="log.column.format">
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message id="log.column.date">
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message id="log.column.path">
        <source>Path</source>
        <translation>Pfad</translation>
    </message>
    <message id="log.reveal">
        <source>Show in File Manager</source>
        <translation>Im Dateimanager anzeigen</translation>
    </message>
    <message id="error.toolKilled">
        <source>%1 was stopped by signal %2 (%3).</source>
        <translation>%1 wurde durch Signal %2 (%3) beendet.</translation>
    </message>
    <message id="progress.waiting">
        <source>%1 more waiting</source>
        <translation>Noch %1 in der Warteschlange</translation>
    </message>
    <message id="quit.busy.title">
        <source>Stop making archives and quit?</source>
        <translation>Erstellen der Archive abbrechen und beenden?</translation>
    </message>
    <message id="quit.busy.stop">
        <source>Stop and Quit</source>
        <translation>Abbrechen und beenden</translation>
    </message>
    <message id="verify.unexpectedMember">
        <source>It holds “%1”, which was not archived.</source>
        <translation>Es enthält „%1“, das nicht archiviert wurde.</translation>
    </message>
    <message id="verify.incompleteMember">
        <source>“%1” is incomplete in it.</source>
        <translation>„%1“ ist darin unvollständig.</translation>
    </message>
    <message id="verify.missingMember">
        <source>“%1” is missing from it.</source>
        <translation>„%1“ fehlt darin.</translation>
    </message>
    <message id="error.verifyFailed">
        <source>The archive “%1” did not read back correctly, so the original items were kept. %2</source>
        <translation>Das Archiv „%1“ ließ sich beim Überprüfen nicht korrekt lesen, daher wurden die Originale behalten. %2</translation>
    </message>
    <message id="notification.done">
        <source>Archiving finished</source>
        <translation>Archivierung abgeschlossen</translation>
    </message>
    <message id="notification.show">
        <source>Show</source>
        <translation>Anzeigen</translation>
    </message>
    <message id="error.zipPasswordTooLong">
        <source>Zip takes passwords of up to %1 bytes on one line. Choose a shorter password.</source>
        <translation>Zip akzeptiert Passwörter mit höchstens %1 Byte in einer Zeile. Wählen Sie ein kürzeres Passwort.</translation>
    </message>
    <message id="progress.verifying">
        <source>Reading “%1” back…</source>
        <translation>„%1“ wird überprüft …</translation>
    </message>
    <message id="about.menu">
        <source>About Balewick</source>
        <translation>Über Balewick</translation>
    </message>
    <message id="about.title">
        <source>About Balewick</source>
        <translation>Über Balewick</translation>
    </message>
    <message id="about.version">
        <source>Version %1 (%2)</source>
        <translation>Version %1 (%2)</translation>
    </message>
    <message id="about.credits.unavailable">
        <source>The credits could not be shown.</source>
        <translation>Die Danksagungen konnten nicht angezeigt werden.</translation>
    </message>
    <message id="about.rights">
        <source>© 2026 The Balewick developers. Free software under the GNU General Public License.</source>
        <translation>© 2026 Die Balewick-Entwickler. Freie Software unter der GNU General Public License.</translation>
    </message>
    <message id="about.link.website">
        <source>Website</source>
        <translation>Website</translation>
    </message>
    <message id="about.link.privacy">
        <source>Privacy Policy</source>
        <translation>Datenschutz</translation>
    </message>
    <message id="about.link.support">
        <source>Support</source>
        <translation>Support</translation>
    </message>
    <message id="help.license">
        <source>License</source>
        <translation>Lizenz</translation>
    </message>
    <message id="license.title">
        <source>Balewick License</source>
        <translation>Balewick-Lizenz</translation>
    </message>
    <message id="license.close">
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message id="license.unavailable">
        <source>The license text could not be shown.</source>
        <translation>Der Lizenztext konnte nicht angezeigt werden.</translation>
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
        <translation>noch etwa %1 s</translation>
    </message>
    <message id="progress.minutes">
        <source>about %1 min left</source>
        <translation>noch etwa %1 min</translation>
    </message>
    <message id="progress.hours">
        <source>about %1 h %2 min left</source>
        <translation>noch etwa %1 h %2 min</translation>
    </message>
    <message id="error.diskFull">
        <source>There is not enough free space in “%1”: the archive needs %2 and only %3 is free. Free some space or choose another destination.</source>
        <translation>In „%1“ ist nicht genügend Speicherplatz frei: Das Archiv benötigt %2, es sind aber nur %3 frei. Geben Sie Speicherplatz frei oder wählen Sie ein anderes Ziel.</translation>
    </message>
    <message id="desktop.genericName">
        <source>Archiver</source>
        <translation>Archivierer</translation>
    </message>
    <message id="desktop.comment">
        <source>Turn files and folders into archives</source>
        <translation>Dateien und Ordner zu Archiven machen</translation>
    </message>
    <message id="desktop.keywords">
        <source>zip;tar;archive;compress;</source>
        <extracomment>Search words, each followed by a semicolon.</extracomment>
        <translation>zip;tar;Archiv;archivieren;komprimieren;packen;</translation>
    </message>
    <message id="filemanager.compress">
        <source>Compress with Balewick</source>
        <translation>Mit Balewick komprimieren</translation>
    </message>
    <message id="filemanager.compress.tooltip">
        <source>Make archives of the selected items with Balewick</source>
        <translation>Archive der ausgewählten Elemente mit Balewick erstellen</translation>
    </message>
    <message id="metainfo.summary">
        <source>Turn files and folders into archives</source>
        <translation>Dateien und Ordner zu Archiven machen</translation>
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
        <translation>Balewick macht Archive aus den Dateien und Ordnern, die Sie auf sein Fenster ziehen, ihm aus dem Kontextmenü der Dateiverwaltung schicken oder aus einer Liste auswählen. Wählen Sie, was damit geschehen soll und in welchem Format, und Balewick erstellt die Archive mit zip und tar des Systems.

- Neben den Elementen, auf dem Schreibtisch, in einem Archivordner oder an einem Ort Ihrer Wahl komprimieren
- E-Mail: die Archive erstellen und an eine neue Nachricht anhängen
- Archivieren: datierte Archive in einem Archivordner aufbewahren
- Formate: zip, tar, tar.gz, tar.bz2, passwortgeschütztes Zip und Laufwerksabbilder
- Finder-Dateien und macOS-Metadaten auslassen, Elemente überspringen, die schon Archive sind
- Ein Protokoll jedes erstellten Archivs und, wenn Sie möchten, die Originale in den Papierkorb verschoben

„Mit Balewick komprimieren“ erscheint in den Kontextmenüs von GNOME Dateien, Dolphin, Nemo und Caja (mit caja-actions) sowie im Menü „Senden an“ von Thunar.</translation>
    </message>
    <message id="a11y.dropView">
        <source>Press Space to choose files and folders instead of dropping them.</source>
        <translation>Leertaste drücken, um Dateien und Ordner auszuwählen, statt sie abzulegen.</translation>
    </message>
    <message id="a11y.main.add">
        <source>Add files</source>
        <translation>Dateien hinzufügen</translation>
    </message>
    <message id="a11y.main.add.description">
        <source>Choose files and folders and start the chosen action with them.</source>
        <translation>Dateien und Ordner auswählen und die gewählte Aktion damit starten.</translation>
    </message>
    <message id="a11y.preferences.title">
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message id="a11y.menu.recents">
        <source>Recent archives</source>
        <translation>Zuletzt erstellte Archive</translation>
    </message>
    <message id="a11y.menu.recents.description">
        <source>Opens a menu to show the last archive or the archive log.</source>
        <translation>Öffnet ein Menü, um das letzte Archiv oder das Archivprotokoll anzuzeigen.</translation>
    </message>
    <message id="a11y.log.table.description">
        <source>The archives made so far. Move to the last column of a row and press Return to show that archive in the file manager.</source>
        <translation>Die bisher erstellten Archive. In die letzte Spalte einer Zeile gehen und die Eingabetaste drücken, um das Archiv im Dateimanager anzuzeigen.</translation>
    </message>
    <message id="a11y.aboutCredits">
        <source>Credits</source>
        <translation>Danksagungen</translation>
    </message>
    <message id="email.tooLarge.title">
        <source>Attach this much to an e-mail?</source>
        <translation>So viel an eine E-Mail anhängen?</translation>
    </message>
    <message id="email.tooLarge.message">
        <source>The attachments would come to %1. Many mail services refuse messages over 20–25 MB, so the message may never arrive. You can attach the archives anyway, or show them in the file manager and share them another way.</source>
        <translation>Die Anhänge wären zusammen %1 groß. Viele E-Mail-Dienste lehnen Nachrichten über 20–25 MB ab, die Nachricht kommt also womöglich nie an. Sie können die Archive trotzdem anhängen oder sie im Dateimanager anzeigen und auf anderem Weg weitergeben.</translation>
    </message>
    <message id="email.tooLarge.attach">
        <source>Attach Anyway</source>
        <translation>Trotzdem anhängen</translation>
    </message>
    <message id="email.tooLarge.reveal">
        <source>Show in File Manager</source>
        <translation>Im Dateimanager anzeigen</translation>
    </message>
</context>
</TS>
