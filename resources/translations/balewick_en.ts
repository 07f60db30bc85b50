<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
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
        <translation>Tar, gzip-compressed (.tar.gz)</translation>
    </message>
    <message id="format.bzip2">
        <source>Tar, bzip2-compressed (.tar.bz2)</source>
        <translation>Tar, bzip2-compressed (.tar.bz2)</translation>
    </message>
    <message id="format.dmg">
        <source>Disk image</source>
        <translation>Disk image</translation>
    </message>
    <message id="format.dmgEncrypted">
        <source>Encrypted disk image</source>
        <translation>Encrypted disk image</translation>
    </message>
    <message id="format.zipEncrypted">
        <source>Password-protected zip</source>
        <translation>Password-protected zip</translation>
    </message>
    <message id="desc.zip.compress">
        <source>Makes a zip archive of the items you drop.</source>
        <translation>Makes a zip archive of the items you drop.</translation>
    </message>
    <message id="desc.zip.email">
        <source>Makes a zip archive and attaches it to a new e-mail.</source>
        <translation>Makes a zip archive and attaches it to a new e-mail.</translation>
    </message>
    <message id="desc.zip.archive">
        <source>Files a zip archive of the items in your archive folder.</source>
        <translation>Files a zip archive of the items in your archive folder.</translation>
    </message>
    <message id="desc.tar.compress">
        <source>Makes a tar archive of the items you drop.</source>
        <translation>Makes a tar archive of the items you drop.</translation>
    </message>
    <message id="desc.tar.email">
        <source>Makes a tar archive and attaches it to a new e-mail.</source>
        <translation>Makes a tar archive and attaches it to a new e-mail.</translation>
    </message>
    <message id="desc.tar.archive">
        <source>Files a tar archive of the items in your archive folder.</source>
        <translation>Files a tar archive of the items in your archive folder.</translation>
    </message>
    <message id="desc.gzip.compress">
        <source>Makes a gzip-compressed tar archive of the items you drop.</source>
        <translation>Makes a gzip-compressed tar archive of the items you drop.</translation>
    </message>
    <message id="desc.gzip.email">
        <source>Makes a gzip-compressed tar archive and attaches it to a new e-mail.</source>
        <translation>Makes a gzip-compressed tar archive and attaches it to a new e-mail.</translation>
    </message>
    <message id="desc.gzip.archive">
        <source>Files a gzip-compressed tar archive in your archive folder.</source>
        <translation>Files a gzip-compressed tar archive in your archive folder.</translation>
    </message>
    <message id="desc.bzip2.compress">
        <source>Makes a bzip2-compressed tar archive of the items you drop.</source>
        <translation>Makes a bzip2-compressed tar archive of the items you drop.</translation>
    </message>
    <message id="desc.bzip2.email">
        <source>Makes a bzip2-compressed tar archive and attaches it to a new e-mail.</source>
        <translation>Makes a bzip2-compressed tar archive and attaches it to a new e-mail.</translation>
    </message>
    <message id="desc.bzip2.archive">
        <source>Files a bzip2-compressed tar archive in your archive folder.</source>
        <translation>Files a bzip2-compressed tar archive in your archive folder.</translation>
    </message>
    <message id="desc.dmg.compress">
        <source>Makes a compressed disk image of the items you drop.</source>
        <translation>Makes a compressed disk image of the items you drop.</translation>
    </message>
    <message id="desc.dmg.email">
        <source>Makes a compressed disk image and attaches it to a new e-mail.</source>
        <translation>Makes a compressed disk image and attaches it to a new e-mail.</translation>
    </message>
    <message id="desc.dmg.archive">
        <source>Files a compressed disk image in your archive folder.</source>
        <translation>Files a compressed disk image in your archive folder.</translation>
    </message>
    <message id="desc.dmgEncrypted.compress">
        <source>Makes a password-protected disk image of the items you drop.</source>
        <translation>Makes a password-protected disk image of the items you drop.</translation>
    </message>
    <message id="desc.dmgEncrypted.email">
        <source>Makes a password-protected disk image and attaches it to a new e-mail.</source>
        <translation>Makes a password-protected disk image and attaches it to a new e-mail.</translation>
    </message>
    <message id="desc.dmgEncrypted.archive">
        <source>Files a password-protected disk image in your archive folder.</source>
        <translation>Files a password-protected disk image in your archive folder.</translation>
    </message>
    <message id="desc.zipEncrypted.compress">
        <source>Makes a password-protected zip archive of the items you drop.</source>
        <translation>Makes a password-protected zip archive of the items you drop.</translation>
    </message>
    <message id="desc.zipEncrypted.email">
        <source>Makes a password-protected zip archive and attaches it to a new e-mail.</source>
        <translation>Makes a password-protected zip archive and attaches it to a new e-mail.</translation>
    </message>
    <message id="desc.zipEncrypted.archive">
        <source>Files a password-protected zip archive in your archive folder.</source>
        <translation>Files a password-protected zip archive in your archive folder.</translation>
    </message>
    <message id="error.title">
        <source>The archive could not be made</source>
        <translation>The archive could not be made</translation>
    </message>
    <message id="error.forbidden">
        <source>“%1” is a protected location and can’t be archived.</source>
        <translation>“%1” is a protected location and can’t be archived.</translation>
    </message>
    <message id="error.missing">
        <source>“%1” could not be found.</source>
        <translation>“%1” could not be found.</translation>
    </message>
    <message id="error.failed">
        <source>The archiving tool reported an error.</source>
        <translation>The archiving tool reported an error.</translation>
    </message>
    <message id="error.cancelled">
        <source>The operation was cancelled.</source>
        <translation>The operation was cancelled.</translation>
    </message>
    <message id="error.noItems">
        <source>There is nothing to archive.</source>
        <translation>There is nothing to archive.</translation>
    </message>
    <message id="error.allSkipped">
        <source>Every item is already compressed, so there was nothing left to archive.</source>
        <translation>Every item is already compressed, so there was nothing left to archive.</translation>
    </message>
    <message id="error.folderCreate">
        <source>The archive folder could not be created. Choose another folder in the options.</source>
        <translation>The archive folder could not be created. Choose another folder in the options.</translation>
    </message>
    <message id="error.toolMissing">
        <source>The archiving tool needed for this format is not installed on this computer.</source>
        <translation>The archiving tool needed for this format is not installed on this computer.</translation>
    </message>
    <message id="error.noLast">
        <source>No archive has been made yet.</source>
        <translation>No archive has been made yet.</translation>
    </message>
    <message id="error.missingLast">
        <source>The last archive was moved or deleted.</source>
        <translation>The last archive was moved or deleted.</translation>
    </message>
    <message id="confirm.ok">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="confirm.cancel">
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message id="confirm.dontAsk">
        <source>Don’t ask again</source>
        <translation>Don’t ask again</translation>
    </message>
    <message id="confirm.omit">
        <source>Omit</source>
        <translation>Omit</translation>
    </message>
    <message id="confirm.set">
        <source>Move to Trash</source>
        <translation>Move to Trash</translation>
    </message>
    <message id="confirm.continue">
        <source>Continue</source>
        <translation>Continue</translation>
    </message>
    <message id="confirm.create">
        <source>Create</source>
        <translation>Create</translation>
    </message>
    <message id="confirm.omitFinder.title">
        <source>Leave out Finder files?</source>
        <translation>Leave out Finder files?</translation>
    </message>
    <message id="confirm.omitFinder.body">
        <source>Files named .DS_Store and files starting with “._” will not be included in your archives.</source>
        <translation>Files named .DS_Store and files starting with “._” will not be included in your archives.</translation>
    </message>
    <message id="confirm.omitMac.title">
        <source>Leave out Mac metadata?</source>
        <translation>Leave out Mac metadata?</translation>
    </message>
    <message id="confirm.omitMac.body">
        <source>Extended attributes and other Mac-specific information will not be stored in zip archives.</source>
        <translation>Extended attributes and other Mac-specific information will not be stored in zip archives.</translation>
    </message>
    <message id="confirm.trash.title">
        <source>Move the originals to the Trash?</source>
        <translation>Move the originals to the Trash?</translation>
    </message>
    <message id="confirm.trash.body">
        <source>After each archive is made, the items it contains will be moved to the Trash.</source>
        <translation>After each archive is made, the items it contains will be moved to the Trash.</translation>
    </message>
    <message id="confirm.encryptedZip.title">
        <source>Create a password-protected zip?</source>
        <translation>Create a password-protected zip?</translation>
    </message>
    <message id="confirm.encryptedZip.body">
        <source>Zip encryption is weak: anyone with the archive and enough time can open it. Use an encrypted disk image for sensitive data.</source>
        <translation>Zip encryption is weak: anyone with the archive and enough time can open it. Use an encrypted disk image for sensitive data.</translation>
    </message>
    <message id="confirm.encryptedDmg.title">
        <source>Create an encrypted disk image?</source>
        <translation>Create an encrypted disk image?</translation>
    </message>
    <message id="confirm.encryptedDmg.body">
        <source>If you forget the password, the contents of the disk image cannot be recovered.</source>
        <translation>If you forget the password, the contents of the disk image cannot be recovered.</translation>
    </message>
    <message id="progress.archivingItem">
        <source>Archiving “%1” as “%2”…</source>
        <translation>Archiving “%1” as “%2”…</translation>
    </message>
    <message id="progress.archivingItems">
        <source>Archiving %1 items as “%2”…</source>
        <translation>Archiving %1 items as “%2”…</translation>
    </message>
    <message id="progress.stop">
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message id="main.add">
        <source>Add Files…</source>
        <translation>Add Files…</translation>
    </message>
    <message id="main.drop">
        <source>Drop files and folders here</source>
        <translation>Drop files and folders here</translation>
    </message>
    <message id="main.format">
        <source>Format:</source>
        <translation>Format:</translation>
    </message>
    <message id="general.chooseFolder">
        <source>Choose</source>
        <translation>Choose</translation>
    </message>
    <message id="general.omitFinder">
        <source>Leave out Finder files (.DS_Store, ._*)</source>
        <translation>Leave out Finder files (.DS_Store, ._*)</translation>
    </message>
    <message id="general.omitMac">
        <source>Leave out Mac metadata</source>
        <translation>Leave out Mac metadata</translation>
    </message>
    <message id="general.trashOriginals">
        <source>Move the originals to the Trash</source>
        <translation>Move the originals to the Trash</translation>
    </message>
    <message id="name.ok">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="name.archive">
        <source>Name the archive</source>
        <translation>Name the archive</translation>
    </message>
    <message id="name.dmg">
        <source>Name the disk image</source>
        <translation>Name the disk image</translation>
    </message>
    <message id="name.field">
        <source>Archive name</source>
        <translation>Archive name</translation>
    </message>
    <message id="password.create">
        <source>Create</source>
        <translation>Create</translation>
    </message>
    <message id="password.empty">
        <source>Enter a password.</source>
        <translation>Enter a password.</translation>
    </message>
    <message id="password.mismatch">
        <source>The passwords don’t match.</source>
        <translation>The passwords don’t match.</translation>
    </message>
    <message id="password.invalidCharacter">
        <source>The password can’t contain line breaks or null characters.</source>
        <translation>The password can’t contain line breaks or null characters.</translation>
    </message>
    <message id="password.title.zip">
        <source>Choose a password for the zip archive</source>
        <translation>Choose a password for the zip archive</translation>
    </message>
    <message id="password.title.dmg">
        <source>Choose a password for the disk image</source>
        <translation>Choose a password for the disk image</translation>
    </message>
    <message id="password.enter">
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message id="password.confirm">
        <source>Confirm password</source>
        <translation>Confirm password</translation>
    </message>
    <message id="banner.created">
        <source>Created “%1”</source>
        <translation>Created “%1”</translation>
    </message>
    <message id="banner.createdMany">
        <source>Created %1 archives</source>
        <translation>Created %1 archives</translation>
    </message>
    <message id="banner.showInFinder">
        <source>Show in File Manager</source>
        <translation>Show in File Manager</translation>
    </message>
    <message id="trash.kept">
        <source>Kept out of the Trash: %1 (%2)</source>
        <translation>Kept out of the Trash: %1 (%2)</translation>
    </message>
    <message id="trash.kept.noTrash">
        <source>no usable Trash</source>
        <translation>no usable Trash</translation>
    </message>
    <message id="trash.kept.changed">
        <source>changed meanwhile</source>
        <translation>changed meanwhile</translation>
    </message>
    <message id="trash.kept.incomplete">
        <source>not fully archived</source>
        <translation>not fully archived</translation>
    </message>
    <message id="action.compress">
        <source>Compress</source>
        <translation>Compress</translation>
    </message>
    <message id="action.email">
        <source>E-mail</source>
        <translation>E-mail</translation>
    </message>
    <message id="action.archive">
        <source>Archive</source>
        <translation>Archive</translation>
    </message>
    <message id="archive.location">
        <source>Archives are filed in:</source>
        <translation>Archives are filed in:</translation>
    </message>
    <message id="archive.open">
        <source>Open</source>
        <translation>Open</translation>
    </message>
    <message id="archive.change">
        <source>Change…</source>
        <translation>Change…</translation>
    </message>
    <message id="menu.recents">
        <source>Recent archives</source>
        <translation>Recent archives</translation>
    </message>
    <message id="menu.showLast">
        <source>Show Last Archive</source>
        <translation>Show Last Archive</translation>
    </message>
    <message id="menu.file">
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message id="menu.help">
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message id="menu.quit">
        <source>Quit</source>
        <translation>Quit</translation>
    </message>
    <message id="preferences.title">
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message id="launch.applications.title">
        <source>%1 must be installed before it can run</source>
        <translation>%1 must be installed before it can run</translation>
    </message>
    <message id="launch.applications.message">
        <source>%1 runs only from an applications folder (/usr, /opt, ~/.local or ~/Applications). Install it with “cmake --install” and start it again.</source>
        <translation>%1 runs only from an applications folder (/usr, /opt, ~/.local or ~/Applications). Install it with “cmake --install” and start it again.</translation>
    </message>
    <message id="launch.applications.quit">
        <source>Quit</source>
        <translation>Quit</translation>
    </message>
    <message id="help.app">
        <source>Balewick Help</source>
        <translation>Balewick Help</translation>
    </message>
    <message id="help.support">
        <source>Support</source>
        <translation>Support</translation>
    </message>
    <message id="help.site">
        <source>Balewick Website</source>
        <translation>Balewick Website</translation>
    </message>
    <message id="error.copy">
        <source>“%1” could not be copied: %2</source>
        <translation>“%1” could not be copied: %2</translation>
    </message>
    <message id="error.list">
        <source>The folder “%1” could not be read: %2</source>
        <translation>The folder “%1” could not be read: %2</translation>
    </message>
    <message id="error.createFolder">
        <source>The folder “%1” could not be created: %2</source>
        <translation>The folder “%1” could not be created: %2</translation>
    </message>
    <message id="error.createFile">
        <source>The file “%1” could not be created: %2</source>
        <translation>The file “%1” could not be created: %2</translation>
    </message>
    <message id="error.launch">
        <source>“%1” could not be started: %2</source>
        <translation>“%1” could not be started: %2</translation>
    </message>
    <message id="error.saveArchive">
        <source>The archive “%1” could not be saved: %2</source>
        <translation>The archive “%1” could not be saved: %2</translation>
    </message>
    <message id="cleanup.notOurs">
        <source>“%1” was moved or replaced by someone else while Balewick was using it. Balewick left it as it is and removed nothing there.</source>
        <translation>“%1” was moved or replaced by someone else while Balewick was using it. Balewick left it as it is and removed nothing there.</translation>
    </message>
    <message id="menu.checkUpdates">
        <source>Check for Updates…</source>
        <translation>Check for Updates…</translation>
    </message>
    <message id="menu.settings">
        <source>Settings…</source>
        <translation>Settings…</translation>
    </message>
    <message id="preferences.tab.general">
        <source>General</source>
        <translation>General</translation>
    </message>
    <message id="preferences.tab.updates">
        <source>Updates</source>
        <translation>Updates</translation>
    </message>
    <message id="general.section.destination">
        <source>Destination</source>
        <translation>Destination</translation>
    </message>
    <message id="general.destination">
        <source>Save archives</source>
        <translation>Save archives</translation>
    </message>
    <message id="general.destination.same">
        <source>Next to the originals</source>
        <translation>Next to the originals</translation>
    </message>
    <message id="general.destination.ask">
        <source>Ask each time</source>
        <translation>Ask each time</translation>
    </message>
    <message id="general.destination.desktop">
        <source>On the desktop</source>
        <translation>On the desktop</translation>
    </message>
    <message id="general.destination.archiveFolder">
        <source>In the archive folder</source>
        <translation>In the archive folder</translation>
    </message>
    <message id="general.section.options">
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message id="general.promptForName">
        <source>Ask for the archive’s name</source>
        <translation>Ask for the archive’s name</translation>
    </message>
    <message id="general.promptForName.subtitle">
        <source>Before each archive is made, suggest a name that you can change.</source>
        <translation>Before each archive is made, suggest a name that you can change.</translation>
    </message>
    <message id="general.skipArchives">
        <source>Skip items that are already archives</source>
        <translation>Skip items that are already archives</translation>
    </message>
    <message id="general.skipArchives.subtitle">
        <source>Zip files, disk images and other compressed files are left as they are.</source>
        <translation>Zip files, disk images and other compressed files are left as they are.</translation>
    </message>
    <message id="general.individual">
        <source>One archive per item</source>
        <translation>One archive per item</translation>
    </message>
    <message id="general.individual.subtitle">
        <source>When several items are dropped, each one gets an archive of its own.</source>
        <translation>When several items are dropped, each one gets an archive of its own.</translation>
    </message>
    <message id="general.resetDialogs">
        <source>Show All Confirmations Again</source>
        <translation>Show All Confirmations Again</translation>
    </message>
    <message id="updates.section.automatic">
        <source>Automatic Checking</source>
        <translation>Automatic Checking</translation>
    </message>
    <message id="updates.automatic.title">
        <source>Check for updates at start</source>
        <translation>Check for updates at start</translation>
    </message>
    <message id="updates.automatic.subtitle">
        <source>Each time Balewick starts, it asks its web site whether a newer version exists.</source>
        <translation>Each time Balewick starts, it asks its web site whether a newer version exists.</translation>
    </message>
    <message id="updates.section.manual">
        <source>Check Now</source>
        <translation>Check Now</translation>
    </message>
    <message id="updates.manual.title">
        <source>Look for a newer version</source>
        <translation>Look for a newer version</translation>
    </message>
    <message id="updates.manual.button">
        <source>Check Now</source>
        <translation>Check Now</translation>
    </message>
    <message id="updates.lastChecked">
        <source>Last checked</source>
        <translation>Last checked</translation>
    </message>
    <message id="updates.lastChecked.dateTime">
        <source>%1 at %2</source>
        <translation>%1 at %2</translation>
    </message>
    <message id="updates.newVersion">
        <source>Version %1 is available.</source>
        <translation>Version %1 is available.</translation>
    </message>
    <message id="updates.check.failed">
        <source>The version information could not be read.</source>
        <translation>The version information could not be read.</translation>
    </message>
    <message id="updates.alert.upToDate.title">
        <source>You’re up to date</source>
        <translation>You’re up to date</translation>
    </message>
    <message id="updates.alert.upToDate.message">
        <source>%1 is the newest version available.</source>
        <translation>%1 is the newest version available.</translation>
    </message>
    <message id="updates.alert.unavailable.title">
        <source>Checking for updates isn’t possible right now</source>
        <translation>Checking for updates isn’t possible right now</translation>
    </message>
    <message id="updates.alert.unavailable.message">
        <source>You are using version %1. Check your internet connection, or visit the Balewick web site to see whether a newer version exists.</source>
        <translation>You are using version %1. Check your internet connection, or visit the Balewick web site to see whether a newer version exists.</translation>
    </message>
    <message id="updates.alert.openPage">
        <source>Open Web Site</source>
        <translation>Open Web Site</translation>
    </message>
    <message id="updates.alert.ignore">
        <source>Ignore</source>
        <translation>Ignore</translation>
    </message>
    <message id="updates.window.defaultTitle">
        <source>A new version of Balewick is available</source>
        <translation>A new version of Balewick is available</translation>
    </message>
    <message id="updates.window.versionLine">
        <source>Version %1 is available; you have version %2.</source>
        <translation>Version %1 is available; you have version %2.</translation>
    </message>
    <message id="updates.window.disableChecking">
        <source>Don’t Check Automatically</source>
        <translation>Don’t Check Automatically</translation>
    </message>
    <message id="updates.window.enableChecking">
        <source>Check Automatically</source>
        <translation>Check Automatically</translation>
    </message>
    <message id="updates.window.disableChecking.tip">
        <source>Stop looking for new versions each time Balewick starts</source>
        <translation>Stop looking for new versions each time Balewick starts</translation>
    </message>
    <message id="updates.window.enableChecking.tip">
        <source>Look for new versions each time Balewick starts</source>
        <translation>Look for new versions each time Balewick starts</translation>
    </message>
    <message id="menu.showLog">
        <source>Show Archive Log</source>
        <translation>Show Archive Log</translation>
    </message>
    <message id="log.title">
        <source>Archive Log</source>
        <translation>Archive Log</translation>
    </message>
    <message id="log.search">
        <source>Search:</source>
        <translation>Search:</translation>
    </message>
    <message id="log.clear">
        <source>Clear</source>
        <translation>Clear</translation>
    </message>
    <message id="log.column.file">
        <source>File</source>
        <translation>File</translation>
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
        <translation>Path</translation>
    </message>
    <message id="log.reveal">
        <source>Show in File Manager</source>
        <translation>Show in File Manager</translation>
    </message>
    <message id="error.toolKilled">
        <source>%1 was stopped by signal %2 (%3).</source>
        <translation>%1 was stopped by signal %2 (%3).</translation>
    </message>
    <message id="progress.waiting">
        <source>%1 more waiting</source>
        <translation>%1 more waiting</translation>
    </message>
    <message id="quit.busy.title">
        <source>Stop making archives and quit?</source>
        <translation>Stop making archives and quit?</translation>
    </message>
    <message id="quit.busy.stop">
        <source>Stop and Quit</source>
        <translation>Stop and Quit</translation>
    </message>
    <message id="verify.unexpectedMember">
        <source>It holds “%1”, which was not archived.</source>
        <translation>It holds “%1”, which was not archived.</translation>
    </message>
    <message id="verify.incompleteMember">
        <source>“%1” is incomplete in it.</source>
        <translation>“%1” is incomplete in it.</translation>
    </message>
    <message id="verify.missingMember">
        <source>“%1” is missing from it.</source>
        <translation>“%1” is missing from it.</translation>
    </message>
    <message id="error.verifyFailed">
        <source>The archive “%1” did not read back correctly, so the original items were kept. %2</source>
        <translation>The archive “%1” did not read back correctly, so the original items were kept. %2</translation>
    </message>
    <message id="notification.done">
        <source>Archiving finished</source>
        <translation>Archiving finished</translation>
    </message>
    <message id="notification.show">
        <source>Show</source>
        <translation>Show</translation>
    </message>
    <message id="error.zipPasswordTooLong">
        <source>Zip takes passwords of up to %1 bytes on one line. Choose a shorter password.</source>
        <translation>Zip takes passwords of up to %1 bytes on one line. Choose a shorter password.</translation>
    </message>
    <message id="progress.verifying">
        <source>Reading “%1” back…</source>
        <translation>Reading “%1” back…</translation>
    </message>
    <message id="about.menu">
        <source>About Balewick</source>
        <translation>About Balewick</translation>
    </message>
    <message id="about.title">
        <source>About Balewick</source>
        <translation>About Balewick</translation>
    </message>
    <message id="about.version">
        <source>Version %1 (%2)</source>
        <translation>Version %1 (%2)</translation>
    </message>
    <message id="about.credits.unavailable">
        <source>The credits could not be shown.</source>
        <translation>The credits could not be shown.</translation>
    </message>
    <message id="about.rights">
        <source>© 2026 The Balewick developers. Free software under the GNU General Public License.</source>
        <translation>© 2026 The Balewick developers. Free software under the GNU General Public License.</translation>
    </message>
    <message id="about.link.website">
        <source>Website</source>
        <translation>Website</translation>
    </message>
    <message id="about.link.privacy">
        <source>Privacy Policy</source>
        <translation>Privacy Policy</translation>
    </message>
    <message id="about.link.support">
        <source>Support</source>
        <translation>Support</translation>
    </message>
    <message id="help.license">
        <source>License</source>
        <translation>License</translation>
    </message>
    <message id="license.title">
        <source>Balewick License</source>
        <translation>Balewick License</translation>
    </message>
    <message id="license.close">
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message id="license.unavailable">
        <source>The license text could not be shown.</source>
        <translation>The license text could not be shown.</translation>
    </message>
    <message id="progress.percent">
        <source>%1 % · %2</source>
        <translation>%1 % · %2</translation>
    </message>
    <message id="progress.percentOnly">
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message id="progress.seconds">
        <source>about %1 s left</source>
        <translation>about %1 s left</translation>
    </message>
    <message id="progress.minutes">
        <source>about %1 min left</source>
        <translation>about %1 min left</translation>
    </message>
    <message id="progress.hours">
        <source>about %1 h %2 min left</source>
        <translation>about %1 h %2 min left</translation>
    </message>
    <message id="error.diskFull">
        <source>There is not enough free space in “%1”: the archive needs %2 and only %3 is free. Free some space or choose another destination.</source>
        <translation>There is not enough free space in “%1”: the archive needs %2 and only %3 is free. Free some space or choose another destination.</translation>
    </message>
    <message id="desktop.genericName">
        <source>Archiver</source>
        <translation>Archiver</translation>
    </message>
    <message id="desktop.comment">
        <source>Turn files and folders into archives</source>
        <translation>Turn files and folders into archives</translation>
    </message>
    <message id="desktop.keywords">
        <source>zip;tar;archive;compress;</source>
        <extracomment>Search words, each followed by a semicolon.</extracomment>
        <translation>zip;tar;archive;compress;</translation>
    </message>
    <message id="filemanager.compress">
        <source>Compress with Balewick</source>
        <translation>Compress with Balewick</translation>
    </message>
    <message id="filemanager.compress.tooltip">
        <source>Make archives of the selected items with Balewick</source>
        <translation>Make archives of the selected items with Balewick</translation>
    </message>
    <message id="metainfo.summary">
        <source>Turn files and folders into archives</source>
        <translation>Turn files and folders into archives</translation>
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
        <translation>Balewick makes archives of the files and folders you drop on its window, send to it from the file manager's context menu, or pick from a list. Choose what to do with them and in which format, and Balewick builds the archives with the system's own zip and tar.

- Compress next to the items, on the desktop, in an archive folder or wherever you choose
- E-mail: make the archives and attach them to a new message
- Archive: keep dated archives in one archive folder
- Formats: zip, tar, tar.gz, tar.bz2, password-protected zip and disk images
- Leave out Finder files and macOS metadata, skip items that are already archives
- A log of every archive made, and the originals moved to the Trash if you wish

“Compress with Balewick” is added to the context menus of GNOME Files, Dolphin, Nemo and Caja (with caja-actions), and to Thunar's “Send To” menu.</translation>
    </message>
    <message id="a11y.dropView">
        <source>Press Space to choose files and folders instead of dropping them.</source>
        <translation>Press Space to choose files and folders instead of dropping them.</translation>
    </message>
    <message id="a11y.main.add">
        <source>Add files</source>
        <translation>Add files</translation>
    </message>
    <message id="a11y.main.add.description">
        <source>Choose files and folders and start the chosen action with them.</source>
        <translation>Choose files and folders and start the chosen action with them.</translation>
    </message>
    <message id="a11y.preferences.title">
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message id="a11y.menu.recents">
        <source>Recent archives</source>
        <translation>Recent archives</translation>
    </message>
    <message id="a11y.menu.recents.description">
        <source>Opens a menu to show the last archive or the archive log.</source>
        <translation>Opens a menu to show the last archive or the archive log.</translation>
    </message>
    <message id="a11y.log.table.description">
        <source>The archives made so far. Move to the last column of a row and press Return to show that archive in the file manager.</source>
        <translation>The archives made so far. Move to the last column of a row and press Return to show that archive in the file manager.</translation>
    </message>
    <message id="a11y.aboutCredits">
        <source>Credits</source>
        <translation>Credits</translation>
    </message>
    <message id="email.tooLarge.title">
        <source>Attach this much to an e-mail?</source>
        <translation>Attach this much to an e-mail?</translation>
    </message>
    <message id="email.tooLarge.message">
        <source>The attachments would come to %1. Many mail services refuse messages over 20–25 MB, so the message may never arrive. You can attach the archives anyway, or show them in the file manager and share them another way.</source>
        <translation>The attachments would come to %1. Many mail services refuse messages over 20–25 MB, so the message may never arrive. You can attach the archives anyway, or show them in the file manager and share them another way.</translation>
    </message>
    <message id="email.tooLarge.attach">
        <source>Attach Anyway</source>
        <translation>Attach Anyway</translation>
    </message>
    <message id="email.tooLarge.reveal">
        <source>Show in File Manager</source>
        <translation>Show in File Manager</translation>
    </message>
</context>
</TS>
