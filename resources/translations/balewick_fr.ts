<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
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
        <translation>Tar compressé avec gzip (.tar.gz)</translation>
    </message>
    <message id="format.bzip2">
        <source>Tar, bzip2-compressed (.tar.bz2)</source>
        <translation>Tar compressé avec bzip2 (.tar.bz2)</translation>
    </message>
    <message id="format.dmg">
        <source>Disk image</source>
        <translation>Image disque</translation>
    </message>
    <message id="format.dmgEncrypted">
        <source>Encrypted disk image</source>
        <translation>Image disque chiffrée</translation>
    </message>
    <message id="format.zipEncrypted">
        <source>Password-protected zip</source>
        <translation>Zip protégé par mot de passe</translation>
    </message>
    <message id="desc.zip.compress">
        <source>Makes a zip archive of the items you drop.</source>
        <translation>Crée une archive zip des éléments déposés.</translation>
    </message>
    <message id="desc.zip.email">
        <source>Makes a zip archive and attaches it to a new e-mail.</source>
        <translation>Crée une archive zip et la joint à un nouveau courriel.</translation>
    </message>
    <message id="desc.zip.archive">
        <source>Files a zip archive of the items in your archive folder.</source>
        <translation>Range une archive zip des éléments dans votre dossier d’archives.</translation>
    </message>
    <message id="desc.tar.compress">
        <source>Makes a tar archive of the items you drop.</source>
        <translation>Crée une archive tar des éléments déposés.</translation>
    </message>
    <message id="desc.tar.email">
        <source>Makes a tar archive and attaches it to a new e-mail.</source>
        <translation>Crée une archive tar et la joint à un nouveau courriel.</translation>
    </message>
    <message id="desc.tar.archive">
        <source>Files a tar archive of the items in your archive folder.</source>
        <translation>Range une archive tar des éléments dans votre dossier d’archives.</translation>
    </message>
    <message id="desc.gzip.compress">
        <source>Makes a gzip-compressed tar archive of the items you drop.</source>
        <translation>Crée une archive tar compressée avec gzip des éléments déposés.</translation>
    </message>
    <message id="desc.gzip.email">
        <source>Makes a gzip-compressed tar archive and attaches it to a new e-mail.</source>
        <translation>Crée une archive tar compressée avec gzip et la joint à un nouveau courriel.</translation>
    </message>
    <message id="desc.gzip.archive">
        <source>Files a gzip-compressed tar archive in your archive folder.</source>
        <translation>Range une archive tar compressée avec gzip dans votre dossier d’archives.</translation>
    </message>
    <message id="desc.bzip2.compress">
        <source>Makes a bzip2-compressed tar archive of the items you drop.</source>
        <translation>Crée une archive tar compressée avec bzip2 des éléments déposés.</translation>
    </message>
    <message id="desc.bzip2.email">
        <source>Makes a bzip2-compressed tar archive and attaches it to a new e-mail.</source>
        <translation>Crée une archive tar compressée avec bzip2 et la joint à un nouveau courriel.</translation>
    </message>
    <message id="desc.bzip2.archive">
        <source>Files a bzip2-compressed tar archive in your archive folder.</source>
        <translation>Range une archive tar compressée avec bzip2 dans votre dossier d’archives.</translation>
    </message>
    <message id="desc.dmg.compress">
        <source>Makes a compressed disk image of the items you drop.</source>
        <translation>Crée une image disque compressée des éléments déposés.</translation>
    </message>
    <message id="desc.dmg.email">
        <source>Makes a compressed disk image and attaches it to a new e-mail.</source>
        <translation>Crée une image disque compressée et la joint à un nouveau courriel.</translation>
    </message>
    <message id="desc.dmg.archive">
        <source>Files a compressed disk image in your archive folder.</source>
        <translation>Range une image disque compressée dans votre dossier d’archives.</translation>
    </message>
    <message id="desc.dmgEncrypted.compress">
        <source>Makes a password-protected disk image of the items you drop.</source>
        <translation>Crée une image disque protégée par mot de passe des éléments déposés.</translation>
    </message>
    <message id="desc.dmgEncrypted.email">
        <source>Makes a password-protected disk image and attaches it to a new e-mail.</source>
        <translation>Crée une image disque protégée par mot de passe et la joint à un nouveau courriel.</translation>
    </message>
    <message id="desc.dmgEncrypted.archive">
        <source>Files a password-protected disk image in your archive folder.</source>
        <translation>Range une image disque protégée par mot de passe dans votre dossier d’archives.</translation>
    </message>
    <message id="desc.zipEncrypted.compress">
        <source>Makes a password-protected zip archive of the items you drop.</source>
        <translation>Crée une archive zip protégée par mot de passe des éléments déposés.</translation>
    </message>
    <message id="desc.zipEncrypted.email">
        <source>Makes a password-protected zip archive and attaches it to a new e-mail.</source>
        <translation>Crée une archive zip protégée par mot de passe et la joint à un nouveau courriel.</translation>
    </message>
    <message id="desc.zipEncrypted.archive">
        <source>Files a password-protected zip archive in your archive folder.</source>
        <translation>Range une archive zip protégée par mot de passe dans votre dossier d’archives.</translation>
    </message>
    <message id="error.title">
        <source>The archive could not be made</source>
        <translation>Impossible de créer l’archive</translation>
    </message>
    <message id="error.forbidden">
        <source>“%1” is a protected location and can’t be archived.</source>
        <translation>« %1 » est un emplacement protégé et ne peut pas être archivé.</translation>
    </message>
    <message id="error.missing">
        <source>“%1” could not be found.</source>
        <translation>« %1 » est introuvable.</translation>
    </message>
    <message id="error.failed">
        <source>The archiving tool reported an error.</source>
        <translation>L’outil d’archivage a signalé une erreur.</translation>
    </message>
    <message id="error.cancelled">
        <source>The operation was cancelled.</source>
        <translation>L’opération a été annulée.</translation>
    </message>
    <message id="error.noItems">
        <source>There is nothing to archive.</source>
        <translation>Il n’y a rien à archiver.</translation>
    </message>
    <message id="error.allSkipped">
        <source>Every item is already compressed, so there was nothing left to archive.</source>
        <translation>Tous les éléments sont déjà compressés ; il ne reste donc rien à archiver.</translation>
    </message>
    <message id="error.folderCreate">
        <source>The archive folder could not be created. Choose another folder in the options.</source>
        <translation>Impossible de créer le dossier d’archives. Choisissez un autre dossier dans les options.</translation>
    </message>
    <message id="error.toolMissing">
        <source>The archiving tool needed for this format is not installed on this computer.</source>
        <translation>L’outil d’archivage nécessaire pour ce format n’est pas installé sur cet ordinateur.</translation>
    </message>
    <message id="error.noLast">
        <source>No archive has been made yet.</source>
        <translation>Aucune archive n’a encore été créée.</translation>
    </message>
    <message id="error.missingLast">
        <source>The last archive was moved or deleted.</source>
        <translation>La dernière archive a été déplacée ou supprimée.</translation>
    </message>
    <message id="confirm.ok">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="confirm.cancel">
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message id="confirm.dontAsk">
        <source>Don’t ask again</source>
        <translation>Ne plus demander</translation>
    </message>
    <message id="confirm.omit">
        <source>Omit</source>
        <translation>Exclure</translation>
    </message>
    <message id="confirm.set">
        <source>Move to Trash</source>
        <translation>Mettre à la Corbeille</translation>
    </message>
    <message id="confirm.continue">
        <source>Continue</source>
        <translation>Continuer</translation>
    </message>
    <message id="confirm.create">
        <source>Create</source>
        <translation>Créer</translation>
    </message>
    <message id="confirm.omitFinder.title">
        <source>Leave out Finder files?</source>
        <translation>Exclure les fichiers du Finder ?</translation>
    </message>
    <message id="confirm.omitFinder.body">
        <source>Files named .DS_Store and files starting with “._” will not be included in your archives.</source>
        <translation>Les fichiers nommés .DS_Store et ceux dont le nom commence par « ._ » ne seront pas inclus dans vos archives.</translation>
    </message>
    <message id="confirm.omitMac.title">
        <source>Leave out Mac metadata?</source>
        <translation>Exclure les métadonnées Mac ?</translation>
    </message>
    <message id="confirm.omitMac.body">
        <source>Extended attributes and other Mac-specific information will not be stored in zip archives.</source>
        <translation>Les attributs étendus et les autres informations propres au Mac ne seront pas enregistrés dans les archives zip.</translation>
    </message>
    <message id="confirm.trash.title">
        <source>Move the originals to the Trash?</source>
        <translation>Mettre les originaux à la Corbeille ?</translation>
    </message>
    <message id="confirm.trash.body">
        <source>After each archive is made, the items it contains will be moved to the Trash.</source>
        <translation>Après la création de chaque archive, les éléments qu’elle contient seront mis à la Corbeille.</translation>
    </message>
    <message id="confirm.encryptedZip.title">
        <source>Create a password-protected zip?</source>
        <translation>Créer un zip protégé par mot de passe ?</translation>
    </message>
    <message id="confirm.encryptedZip.body">
        <source>Zip encryption is weak: anyone with the archive and enough time can open it. Use an encrypted disk image for sensitive data.</source>
        <translation>Le chiffrement zip est faible : toute personne disposant de l’archive et de suffisamment de temps peut l’ouvrir. Pour des données sensibles, utilisez une image disque chiffrée.</translation>
    </message>
    <message id="confirm.encryptedDmg.title">
        <source>Create an encrypted disk image?</source>
        <translation>Créer une image disque chiffrée ?</translation>
    </message>
    <message id="confirm.encryptedDmg.body">
        <source>If you forget the password, the contents of the disk image cannot be recovered.</source>
        <translation>Si vous oubliez le mot de passe, le contenu de l’image disque ne pourra pas être récupéré.</translation>
    </message>
    <message id="progress.archivingItem">
        <source>Archiving “%1” as “%2”…</source>
        <translation>Archivage de « %1 » en « %2 »…</translation>
    </message>
    <message id="progress.archivingItems">
        <source>Archiving %1 items as “%2”…</source>
        <translation>Archivage de %1 éléments en « %2 »…</translation>
    </message>
    <message id="progress.stop">
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message id="main.add">
        <source>Add Files…</source>
        <translation>Ajouter des fichiers…</translation>
    </message>
    <message id="main.drop">
        <source>Drop files and folders here</source>
        <translation>Déposez des fichiers et des dossiers ici</translation>
    </message>
    <message id="main.format">
        <source>Format:</source>
        <translation>Format :</translation>
    </message>
    <message id="general.chooseFolder">
        <source>Choose</source>
        <translation>Choisir</translation>
    </message>
    <message id="general.omitFinder">
        <source>Leave out Finder files (.DS_Store, ._*)</source>
        <translation>Exclure les fichiers du Finder (.DS_Store, ._*)</translation>
    </message>
    <message id="general.omitMac">
        <source>Leave out Mac metadata</source>
        <translation>Exclure les métadonnées Mac</translation>
    </message>
    <message id="general.trashOriginals">
        <source>Move the originals to the Trash</source>
        <translation>Mettre les originaux à la Corbeille</translation>
    </message>
    <message id="name.ok">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="name.archive">
        <source>Name the archive</source>
        <translation>Nommer l’archive</translation>
    </message>
    <message id="name.dmg">
        <source>Name the disk image</source>
        <translation>Nommer l’image disque</translation>
    </message>
    <message id="name.field">
        <source>Archive name</source>
        <translation>Nom de l’archive</translation>
    </message>
    <message id="password.create">
        <source>Create</source>
        <translation>Créer</translation>
    </message>
    <message id="password.empty">
        <source>Enter a password.</source>
        <translation>Saisissez un mot de passe.</translation>
    </message>
    <message id="password.mismatch">
        <source>The passwords don’t match.</source>
        <translation>Les mots de passe ne correspondent pas.</translation>
    </message>
    <message id="password.invalidCharacter">
        <source>The password can’t contain line breaks or null characters.</source>
        <translation>Le mot de passe ne peut contenir ni saut de ligne ni caractère nul.</translation>
    </message>
    <message id="password.title.zip">
        <source>Choose a password for the zip archive</source>
        <translation>Choisissez un mot de passe pour l’archive zip</translation>
    </message>
    <message id="password.title.dmg">
        <source>Choose a password for the disk image</source>
        <translation>Choisissez un mot de passe pour l’image disque</translation>
    </message>
    <message id="password.enter">
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message id="password.confirm">
        <source>Confirm password</source>
        <translation>Confirmer le mot de passe</translation>
    </message>
    <message id="banner.created">
        <source>Created “%1”</source>
        <translation>« %1 » créé</translation>
    </message>
    <message id="banner.createdMany">
        <source>Created %1 archives</source>
        <translation>%1 archives créées</translation>
    </message>
    <message id="banner.showInFinder">
        <source>Show in File Manager</source>
        <translation>Afficher dans le dossier</translation>
    </message>
    <message id="trash.kept">
        <source>Kept out of the Trash: %1 (%2)</source>
        <translation>Laissés hors de la Corbeille : %1 (%2)</translation>
    </message>
    <message id="trash.kept.noTrash">
        <source>no usable Trash</source>
        <translation>aucune Corbeille utilisable</translation>
    </message>
    <message id="trash.kept.changed">
        <source>changed meanwhile</source>
        <translation>modifiés entre-temps</translation>
    </message>
    <message id="trash.kept.incomplete">
        <source>not fully archived</source>
        <translation>pas entièrement archivés</translation>
    </message>
    <message id="action.compress">
        <source>Compress</source>
        <translation>Compresser</translation>
    </message>
    <message id="action.email">
        <source>E-mail</source>
        <translation>Courriel</translation>
    </message>
    <message id="action.archive">
        <source>Archive</source>
        <translation>Archiver</translation>
    </message>
    <message id="archive.location">
        <source>Archives are filed in:</source>
        <translation>Les archives sont rangées dans :</translation>
    </message>
    <message id="archive.open">
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message id="archive.change">
        <source>Change…</source>
        <translation>Changer…</translation>
    </message>
    <message id="menu.recents">
        <source>Recent archives</source>
        <translation>Archives récentes</translation>
    </message>
    <message id="menu.showLast">
        <source>Show Last Archive</source>
        <translation>Afficher la dernière archive</translation>
    </message>
    <message id="menu.file">
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message id="menu.help">
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message id="menu.quit">
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message id="preferences.title">
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message id="launch.applications.title">
        <source>%1 must be installed before it can run</source>
        <translation>%1 doit être installé avant de pouvoir être lancé</translation>
    </message>
    <message id="launch.applications.message">
        <source>%1 runs only from an applications folder (/usr, /opt, ~/.local or ~/Applications). Install it with “cmake --install” and start it again.</source>
        <translation>%1 ne fonctionne que depuis un dossier d’applications (/usr, /opt, ~/.local ou ~/Applications). Installez-le avec « cmake --install » puis relancez-le.</translation>
    </message>
    <message id="launch.applications.quit">
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message id="help.app">
        <source>Balewick Help</source>
        <translation>Aide de Balewick</translation>
    </message>
    <message id="help.support">
        <source>Support</source>
        <translation>Assistance</translation>
    </message>
    <message id="help.site">
        <source>Balewick Website</source>
        <translation>Site web de Balewick</translation>
    </message>
    <message id="error.copy">
        <source>“%1” could not be copied: %2</source>
        <translation>Impossible de copier « %1 » : %2</translation>
    </message>
    <message id="error.list">
        <source>The folder “%1” could not be read: %2</source>
        <translation>Impossible de lire le dossier « %1 » : %2</translation>
    </message>
    <message id="error.createFolder">
        <source>The folder “%1” could not be created: %2</source>
        <translation>Impossible de créer le dossier « %1 » : %2</translation>
    </message>
    <message id="error.createFile">
        <source>The file “%1” could not be created: %2</source>
        <translation>Impossible de créer le fichier « %1 » : %2</translation>
    </message>
    <message id="error.launch">
        <source>“%1” could not be started: %2</source>
        <translation>Impossible de lancer « %1 » : %2</translation>
    </message>
    <message id="error.saveArchive">
        <source>The archive “%1” could not be saved: %2</source>
        <translation>Impossible d’enregistrer l’archive « %1 » : %2</translation>
    </message>
    <message id="cleanup.notOurs">
        <source>“%1” was moved or replaced by someone else while Balewick was using it. Balewick left it as it is and removed nothing there.</source>
        <translation>« %1 » a été déplacé ou remplacé par quelqu’un d’autre pendant que Balewick l’utilisait. Balewick l’a laissé tel quel et n’y a rien supprimé.</translation>
    </message>
    <message id="menu.checkUpdates">
        <source>Check for Updates…</source>
        <translation>Rechercher des mises à jour…</translation>
    </message>
    <message id="menu.settings">
        <source>Settings…</source>
        <translation>Paramètres…</translation>
    </message>
    <message id="preferences.tab.general">
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message id="preferences.tab.updates">
        <source>Updates</source>
        <translation>Mises à jour</translation>
    </message>
    <message id="general.section.destination">
        <source>Destination</source>
        <translation>Destination</translation>
    </message>
    <message id="general.destination">
        <source>Save archives</source>
        <translation>Enregistrer les archives</translation>
    </message>
    <message id="general.destination.same">
        <source>Next to the originals</source>
        <translation>À côté des originaux</translation>
    </message>
    <message id="general.destination.ask">
        <source>Ask each time</source>
        <translation>Demander à chaque fois</translation>
    </message>
    <message id="general.destination.desktop">
        <source>On the desktop</source>
        <translation>Sur le bureau</translation>
    </message>
    <message id="general.destination.archiveFolder">
        <source>In the archive folder</source>
        <translation>Dans le dossier d’archives</translation>
    </message>
    <message id="general.section.options">
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message id="general.promptForName">
        <source>Ask for the archive’s name</source>
        <translation>Demander le nom de l’archive</translation>
    </message>
    <message id="general.promptForName.subtitle">
        <source>Before each archive is made, suggest a name that you can change.</source>
        <translation>Avant la création de chaque archive, un nom modifiable vous est proposé.</translation>
    </message>
    <message id="general.skipArchives">
        <source>Skip items that are already archives</source>
        <translation>Ignorer les éléments qui sont déjà des archives</translation>
    </message>
    <message id="general.skipArchives.subtitle">
        <source>Zip files, disk images and other compressed files are left as they are.</source>
        <translation>Les fichiers zip, les images disque et les autres fichiers compressés sont laissés tels quels.</translation>
    </message>
    <message id="general.individual">
        <source>One archive per item</source>
        <translation>Une archive par élément</translation>
    </message>
    <message id="general.individual.subtitle">
        <source>When several items are dropped, each one gets an archive of its own.</source>
        <translation>Lorsque plusieurs éléments sont déposés, chacun reçoit sa propre archive.</translation>
    </message>
    <message id="general.resetDialogs">
        <source>Show All Confirmations Again</source>
        <translation>Réafficher toutes les confirmations</translation>
    </message>
    <message id="updates.section.automatic">
        <source>Automatic Checking</source>
        <translation>Vérification automatique</translation>
    </message>
    <message id="updates.automatic.title">
        <source>Check for updates at start</source>
        <translation>Rechercher des mises à jour au démarrage</translation>
    </message>
    <message id="updates.automatic.subtitle">
        <source>Each time Balewick starts, it asks its web site whether a newer version exists.</source>
        <translation>À chaque démarrage, Balewick demande à son site web si une version plus récente existe.</translation>
    </message>
    <message id="updates.section.manual">
        <source>Check Now</source>
        <translation>Vérifier maintenant</translation>
    </message>
    <message id="updates.manual.title">
        <source>Look for a newer version</source>
        <translation>Rechercher une version plus récente</translation>
    </message>
    <message id="updates.manual.button">
        <source>Check Now</source>
        <translation>Vérifier maintenant</translation>
    </message>
    <message id="updates.lastChecked">
        <source>Last checked</source>
        <translation>Dernière vérification</translation>
    </message>
    <message id="updates.lastChecked.dateTime">
        <source>%1 at %2</source>
        <translation>%1 à %2</translation>
    </message>
    <message id="updates.newVersion">
        <source>Version %1 is available.</source>
        <translation>La version %1 est disponible.</translation>
    </message>
    <message id="updates.check.failed">
        <source>The version information could not be read.</source>
        <translation>Impossible de lire les informations de version.</translation>
    </message>
    <message id="updates.alert.upToDate.title">
        <source>You’re up to date</source>
        <translation>Vous êtes à jour</translation>
    </message>
    <message id="updates.alert.upToDate.message">
        <source>%1 is the newest version available.</source>
        <translation>%1 est la version la plus récente disponible.</translation>
    </message>
    <message id="updates.alert.unavailable.title">
        <source>Checking for updates isn’t possible right now</source>
        <translation>Impossible de rechercher des mises à jour pour le moment</translation>
    </message>
    <message id="updates.alert.unavailable.message">
        <source>You are using version %1. Check your internet connection, or visit the Balewick web site to see whether a newer version exists.</source>
        <translation>Vous utilisez la version %1. Vérifiez votre connexion à Internet ou consultez le site web de Balewick pour savoir si une version plus récente existe.</translation>
    </message>
    <message id="updates.alert.openPage">
        <source>Open Web Site</source>
        <translation>Ouvrir le site web</translation>
    </message>
    <message id="updates.alert.ignore">
        <source>Ignore</source>
        <translation>Ignorer</translation>
    </message>
    <message id="updates.window.defaultTitle">
        <source>A new version of Balewick is available</source>
        <translation>Une nouvelle version de Balewick est disponible</translation>
    </message>
    <message id="updates.window.versionLine">
        <source>Version %1 is available; you have version %2.</source>
        <translation>La version %1 est disponible ; vous avez la version %2.</translation>
    </message>
    <message id="updates.window.disableChecking">
        <source>Don’t Check Automatically</source>
        <translation>Ne pas vérifier automatiquement</translation>
    </message>
    <message id="updates.window.enableChecking">
        <source>Check Automatically</source>
        <translation>Vérifier automatiquement</translation>
    </message>
    <message id="updates.window.disableChecking.tip">
        <source>Stop looking for new versions each time Balewick starts</source>
        <translation>Ne plus rechercher de nouvelles versions à chaque démarrage de Balewick</translation>
    </message>
    <message id="updates.window.enableChecking.tip">
        <source>Look for new versions each time Balewick starts</source>
        <translation>Rechercher de nouvelles versions à chaque démarrage de Balewick</translation>
    </message>
    <message id="menu.showLog">
        <source>Show Archive Log</source>
        <translation>Afficher le journal des archives</translation>
    </message>
    <message id="log.title">
        <source>Archive Log</source>
        <translation>Journal des archives</translation>
    </message>
    <message id="log.search">
        <source>Search:</source>
        <translation>Rechercher :</translation>
    </message>
    <message id="log.clear">
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message id="log.column.file">
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message id="log.column.format">
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message id="log.column.date">
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message id="log.column.path">
        <source>Path</source>
        <translation>Chemin</translation>
    </message>
    <message id="log.reveal">
        <source>Show in File Manager</source>
        <translation>Afficher dans le gestionnaire de fichiers</translation>
    </message>
    <message id="error.toolKilled">
        <source>%1 was stopped by signal %2 (%3).</source>
        <translation>%1 a été arrêté par le signal %2 (%3).</translation>
    </message>
    <message id="progress.waiting">
        <source>%1 more waiting</source>
        <translation>%1 en attente</translation>
    </message>
    <message id="quit.busy.title">
        <source>Stop making archives and quit?</source>
        <translation>Arrêter la création des archives et quitter ?</translation>
    </message>
    <message id="quit.busy.stop">
        <source>Stop and Quit</source>
        <translation>Arrêter et quitter</translation>
    </message>
    <message id="verify.unexpectedMember">
        <source>It holds “%1”, which was not archived.</source>
        <translation>Elle contient « %1 », qui n’a pas été archivé.</translation>
    </message>
    <message id="verify.incompleteMember">
        <source>“%1” is incomplete in it.</source>
        <translation>« %1 » y est incomplet.</translation>
    </message>
    <message id="verify.missingMember">
        <source>“%1” is missing from it.</source>
        <translation>« %1 » en est absent.</translation>
    </message>
    <message id="error.verifyFailed">
        <source>The archive “%1” did not read back correctly, so the original items were kept. %2</source>
        <translation>La relecture de l’archive « %1 » a échoué ; les éléments d’origine ont donc été conservés. %2</translation>
    </message>
    <message id="notification.done">
        <source>Archiving finished</source>
        <translation>Archivage terminé</translation>
    </message>
    <message id="notification.show">
        <source>Show</source>
        <translation>Afficher</translation>
    </message>
    <message id="error.zipPasswordTooLong">
        <source>Zip takes passwords of up to %1 bytes on one line. Choose a shorter password.</source>
        <translation>Zip accepte des mots de passe d’au plus %1 octets sur une seule ligne. Choisissez un mot de passe plus court.</translation>
    </message>
    <message id="progress.verifying">
        <source>Reading “%1” back…</source>
        <translation>Relecture de « %1 »…</translation>
    </message>
    <message id="about.menu">
        <source>About Balewick</source>
        <translation>À propos de Balewick</translation>
    </message>
    <message id="about.title">
        <source>About Balewick</source>
        <translation>À propos de Balewick</translation>
    </message>
    <message id="about.version">
        <source>Version %1 (%2)</source>
        <translation>Version %1 (%2)</translation>
    </message>
    <message id="about.credits.unavailable">
        <source>The credits could not be shown.</source>
        <translation>Impossible d’afficher les remerciements.</translation>
    </message>
    <message id="about.rights">
        <source>© 2026 The Balewick developers. Free software under the GNU General Public License.</source>
        <translation>© 2026 Les développeurs de Balewick. Logiciel libre distribué sous la licence publique générale GNU.</translation>
    </message>
    <message id="about.link.website">
        <source>Website</source>
        <translation>Site web</translation>
    </message>
    <message id="about.link.privacy">
        <source>Privacy Policy</source>
        <translation>Confidentialité</translation>
    </message>
    <message id="about.link.support">
        <source>Support</source>
        <translation>Assistance</translation>
    </message>
    <message id="help.license">
        <source>License</source>
        <translation>Licence</translation>
    </message>
    <message id="license.title">
        <source>Balewick License</source>
        <translation>Licence de Balewick</translation>
    </message>
    <message id="license.close">
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message id="license.unavailable">
        <source>The license text could not be shown.</source>
        <translation>Impossible d’afficher le texte de la licence.</translation>
    </message>
    <message id="progress.percent">
        <source>%1 % · %2</source>
        <translation>%1 % · %2</translation>
    </message>
    <message id="progress.percentOnly">
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message id="progress.seconds">
        <source>about %1 s left</source>
        <translation>encore environ %1 s</translation>
    </message>
    <message id="progress.minutes">
        <source>about %1 min left</source>
        <translation>encore environ %1 min</translation>
    </message>
    <message id="progress.hours">
        <source>about %1 h %2 min left</source>
        <translation>encore environ %1 h %2 min</translation>
    </message>
    <message id="error.diskFull">
        <source>There is not enough free space in “%1”: the archive needs %2 and only %3 is free. Free some space or choose another destination.</source>
        <translation>Espace libre insuffisant dans « %1 » : l’archive nécessite %2 et seuls %3 sont libres. Libérez de l’espace ou choisissez une autre destination.</translation>
    </message>
    <message id="desktop.genericName">
        <source>Archiver</source>
        <translation>Archiveur</translation>
    </message>
    <message id="desktop.comment">
        <source>Turn files and folders into archives</source>
        <translation>Transformer des fichiers et des dossiers en archives</translation>
    </message>
    <message id="desktop.keywords">
        <source>zip;tar;archive;compress;</source>
        <extracomment>Search words, each followed by a semicolon.</extracomment>
        <translation>zip;tar;archive;archiver;compresser;compression;</translation>
    </message>
    <message id="filemanager.compress">
        <source>Compress with Balewick</source>
        <translation>Compresser avec Balewick</translation>
    </message>
    <message id="filemanager.compress.tooltip">
        <source>Make archives of the selected items with Balewick</source>
        <translation>Créer des archives des éléments sélectionnés avec Balewick</translation>
    </message>
    <message id="metainfo.summary">
        <source>Turn files and folders into archives</source>
        <translation>Transformer des fichiers et des dossiers en archives</translation>
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
        <translation>Balewick crée des archives des fichiers et dossiers que vous déposez sur sa fenêtre, que vous lui envoyez depuis le menu contextuel du gestionnaire de fichiers ou que vous choisissez dans une liste. Choisissez ce qu’il faut en faire et dans quel format, et Balewick crée les archives avec zip et tar du système.

- Compresser à côté des éléments, sur le bureau, dans un dossier d’archives ou à l’endroit de votre choix
- Courriel : créer les archives et les joindre à un nouveau message
- Archiver : conserver des archives datées dans un dossier d’archives
- Formats : zip, tar, tar.gz, tar.bz2, zip protégé par mot de passe et images disque
- Laisser de côté les fichiers du Finder et les métadonnées macOS, ignorer les éléments qui sont déjà des archives
- Un historique de chaque archive créée et, si vous le souhaitez, les originaux mis à la Corbeille

« Compresser avec Balewick » s’ajoute aux menus contextuels de GNOME Fichiers, Dolphin, Nemo et Caja (avec caja-actions), ainsi qu’au menu « Envoyer vers » de Thunar.</translation>
    </message>
    <message id="a11y.dropView">
        <source>Press Space to choose files and folders instead of dropping them.</source>
        <translation>Appuyez sur Espace pour choisir des fichiers et des dossiers au lieu de les déposer.</translation>
    </message>
    <message id="a11y.main.add">
        <source>Add files</source>
        <translation>Ajouter des fichiers</translation>
    </message>
    <message id="a11y.main.add.description">
        <source>Choose files and folders and start the chosen action with them.</source>
        <translation>Choisissez des fichiers et des dossiers et lancez l’action choisie sur eux.</translation>
    </message>
    <message id="a11y.preferences.title">
        <source>Settings</source>
        <translation>Réglages</translation>
    </message>
    <message id="a11y.menu.recents">
        <source>Recent archives</source>
        <translation>Archives récentes</translation>
    </message>
    <message id="a11y.menu.recents.description">
        <source>Opens a menu to show the last archive or the archive log.</source>
        <translation>Ouvre un menu pour afficher la dernière archive ou le journal des archives.</translation>
    </message>
    <message id="a11y.log.table.description">
        <source>The archives made so far. Move to the last column of a row and press Return to show that archive in the file manager.</source>
        <translation>Les archives créées jusqu’ici. Placez-vous dans la dernière colonne d’une ligne et appuyez sur Entrée pour afficher cette archive dans le gestionnaire de fichiers.</translation>
    </message>
    <message id="a11y.aboutCredits">
        <source>Credits</source>
        <translation>Remerciements</translation>
    </message>
    <message id="email.tooLarge.title">
        <source>Attach this much to an e-mail?</source>
        <translation>Joindre autant à un courriel ?</translation>
    </message>
    <message id="email.tooLarge.message">
        <source>The attachments would come to %1. Many mail services refuse messages over 20–25 MB, so the message may never arrive. You can attach the archives anyway, or show them in the file manager and share them another way.</source>
        <translation>Les pièces jointes atteindraient %1. De nombreux services de messagerie refusent les messages de plus de 20 à 25 Mo : celui-ci risque de ne jamais arriver. Vous pouvez joindre les archives quand même, ou les afficher dans le gestionnaire de fichiers et les partager autrement.</translation>
    </message>
    <message id="email.tooLarge.attach">
        <source>Attach Anyway</source>
        <translation>Joindre quand même</translation>
    </message>
    <message id="email.tooLarge.reveal">
        <source>Show in File Manager</source>
        <translation>Afficher dans le dossier</translation>
    </message>
</context>
</TS>
