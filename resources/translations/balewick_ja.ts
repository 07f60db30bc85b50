<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
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
        <translation>Tar、gzip 圧縮 (.tar.gz)</translation>
    </message>
    <message id="format.bzip2">
        <source>Tar, bzip2-compressed (.tar.bz2)</source>
        <translation>Tar、bzip2 圧縮 (.tar.bz2)</translation>
    </message>
    <message id="format.dmg">
        <source>Disk image</source>
        <translation>ディスクイメージ</translation>
    </message>
    <message id="format.dmgEncrypted">
        <source>Encrypted disk image</source>
        <translation>暗号化ディスクイメージ</translation>
    </message>
    <message id="format.zipEncrypted">
        <source>Password-protected zip</source>
        <translation>パスワード付き zip</translation>
    </message>
    <message id="desc.zip.compress">
        <source>Makes a zip archive of the items you drop.</source>
        <translation>ドロップした項目から zip アーカイブを作成します。</translation>
    </message>
    <message id="desc.zip.email">
        <source>Makes a zip archive and attaches it to a new e-mail.</source>
        <translation>zip アーカイブを作成して、新しいメールに添付します。</translation>
    </message>
    <message id="desc.zip.archive">
        <source>Files a zip archive of the items in your archive folder.</source>
        <translation>項目の zip アーカイブを作成して、アーカイブフォルダーに保存します。</translation>
    </message>
    <message id="desc.tar.compress">
        <source>Makes a tar archive of the items you drop.</source>
        <translation>ドロップした項目から tar アーカイブを作成します。</translation>
    </message>
    <message id="desc.tar.email">
        <source>Makes a tar archive and attaches it to a new e-mail.</source>
        <translation>tar アーカイブを作成して、新しいメールに添付します。</translation>
    </message>
    <message id="desc.tar.archive">
        <source>Files a tar archive of the items in your archive folder.</source>
        <translation>項目の tar アーカイブを作成して、アーカイブフォルダーに保存します。</translation>
    </message>
    <message id="desc.gzip.compress">
        <source>Makes a gzip-compressed tar archive of the items you drop.</source>
        <translation>ドロップした項目から gzip 圧縮の tar アーカイブを作成します。</translation>
    </message>
    <message id="desc.gzip.email">
        <source>Makes a gzip-compressed tar archive and attaches it to a new e-mail.</source>
        <translation>gzip 圧縮の tar アーカイブを作成して、新しいメールに添付します。</translation>
    </message>
    <message id="desc.gzip.archive">
        <source>Files a gzip-compressed tar archive in your archive folder.</source>
        <translation>gzip 圧縮の tar アーカイブを作成して、アーカイブフォルダーに保存します。</translation>
    </message>
    <message id="desc.bzip2.compress">
        <source>Makes a bzip2-compressed tar archive of the items you drop.</source>
        <translation>ドロップした項目から bzip2 圧縮の tar アーカイブを作成します。</translation>
    </message>
    <message id="desc.bzip2.email">
        <source>Makes a bzip2-compressed tar archive and attaches it to a new e-mail.</source>
        <translation>bzip2 圧縮の tar アーカイブを作成して、新しいメールに添付します。</translation>
    </message>
    <message id="desc.bzip2.archive">
        <source>Files a bzip2-compressed tar archive in your archive folder.</source>
        <translation>bzip2 圧縮の tar アーカイブを作成して、アーカイブフォルダーに保存します。</translation>
    </message>
    <message id="desc.dmg.compress">
        <source>Makes a compressed disk image of the items you drop.</source>
        <translation>ドロップした項目から圧縮ディスクイメージを作成します。</translation>
    </message>
    <message id="desc.dmg.email">
        <source>Makes a compressed disk image and attaches it to a new e-mail.</source>
        <translation>圧縮ディスクイメージを作成して、新しいメールに添付します。</translation>
    </message>
    <message id="desc.dmg.archive">
        <source>Files a compressed disk image in your archive folder.</source>
        <translation>圧縮ディスクイメージを作成して、アーカイブフォルダーに保存します。</translation>
    </message>
    <message id="desc.dmgEncrypted.compress">
        <source>Makes a password-protected disk image of the items you drop.</source>
        <translation>ドロップした項目からパスワードで保護されたディスクイメージを作成します。</translation>
    </message>
    <message id="desc.dmgEncrypted.email">
        <source>Makes a password-protected disk image and attaches it to a new e-mail.</source>
        <translation>パスワードで保護されたディスクイメージを作成して、新しいメールに添付します。</translation>
    </message>
    <message id="desc.dmgEncrypted.archive">
        <source>Files a password-protected disk image in your archive folder.</source>
        <translation>パスワードで保護されたディスクイメージを作成して、アーカイブフォルダーに保存します。</translation>
    </message>
    <message id="desc.zipEncrypted.compress">
        <source>Makes a password-protected zip archive of the items you drop.</source>
        <translation>ドロップした項目からパスワードで保護された zip アーカイブを作成します。</translation>
    </message>
    <message id="desc.zipEncrypted.email">
        <source>Makes a password-protected zip archive and attaches it to a new e-mail.</source>
        <translation>パスワードで保護された zip アーカイブを作成して、新しいメールに添付します。</translation>
    </message>
    <message id="desc.zipEncrypted.archive">
        <source>Files a password-protected zip archive in your archive folder.</source>
        <translation>パスワードで保護された zip アーカイブを作成して、アーカイブフォルダーに保存します。</translation>
    </message>
    <message id="error.title">
        <source>The archive could not be made</source>
        <translation>アーカイブを作成できませんでした</translation>
    </message>
    <message id="error.forbidden">
        <source>“%1” is a protected location and can’t be archived.</source>
        <translation>「%1」は保護された場所のため、アーカイブできません。</translation>
    </message>
    <message id="error.missing">
        <source>“%1” could not be found.</source>
        <translation>「%1」が見つかりませんでした。</translation>
    </message>
    <message id="error.failed">
        <source>The archiving tool reported an error.</source>
        <translation>アーカイブツールがエラーを報告しました。</translation>
    </message>
    <message id="error.cancelled">
        <source>The operation was cancelled.</source>
        <translation>操作はキャンセルされました。</translation>
    </message>
    <message id="error.noItems">
        <source>There is nothing to archive.</source>
        <translation>アーカイブする項目がありません。</translation>
    </message>
    <message id="error.allSkipped">
        <source>Every item is already compressed, so there was nothing left to archive.</source>
        <translation>すべての項目がすでに圧縮されているため、アーカイブする項目が残りませんでした。</translation>
    </message>
    <message id="error.folderCreate">
        <source>The archive folder could not be created. Choose another folder in the options.</source>
        <translation>アーカイブフォルダーを作成できませんでした。オプションで別のフォルダーを選択してください。</translation>
    </message>
    <message id="error.toolMissing">
        <source>The archiving tool needed for this format is not installed on this computer.</source>
        <translation>この形式に必要なアーカイブツールが、このコンピューターにインストールされていません。</translation>
    </message>
    <message id="error.noLast">
        <source>No archive has been made yet.</source>
        <translation>まだアーカイブが作成されていません。</translation>
    </message>
    <message id="error.missingLast">
        <source>The last archive was moved or deleted.</source>
        <translation>最後に作成したアーカイブは移動または削除されています。</translation>
    </message>
    <message id="confirm.ok">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="confirm.cancel">
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message id="confirm.dontAsk">
        <source>Don’t ask again</source>
        <translation>今後は確認しない</translation>
    </message>
    <message id="confirm.omit">
        <source>Omit</source>
        <translation>除外する</translation>
    </message>
    <message id="confirm.set">
        <source>Move to Trash</source>
        <translation>ゴミ箱に移動</translation>
    </message>
    <message id="confirm.continue">
        <source>Continue</source>
        <translation>続行</translation>
    </message>
    <message id="confirm.create">
        <source>Create</source>
        <translation>作成</translation>
    </message>
    <message id="confirm.omitFinder.title">
        <source>Leave out Finder files?</source>
        <translation>Finder ファイルを除外しますか？</translation>
    </message>
    <message id="confirm.omitFinder.body">
        <source>Files named .DS_Store and files starting with “._” will not be included in your archives.</source>
        <translation>.DS_Store という名前のファイルと「._」で始まるファイルは、アーカイブに含まれなくなります。</translation>
    </message>
    <message id="confirm.omitMac.title">
        <source>Leave out Mac metadata?</source>
        <translation>Mac のメタデータを除外しますか？</translation>
    </message>
    <message id="confirm.omitMac.body">
        <source>Extended attributes and other Mac-specific information will not be stored in zip archives.</source>
        <translation>拡張属性やその他の Mac 固有の情報は、zip アーカイブに保存されなくなります。</translation>
    </message>
    <message id="confirm.trash.title">
        <source>Move the originals to the Trash?</source>
        <translation>元の項目をゴミ箱に移動しますか？</translation>
    </message>
    <message id="confirm.trash.body">
        <source>After each archive is made, the items it contains will be moved to the Trash.</source>
        <translation>アーカイブを作成するたびに、そのアーカイブに含まれる項目がゴミ箱に移動されます。</translation>
    </message>
    <message id="confirm.encryptedZip.title">
        <source>Create a password-protected zip?</source>
        <translation>パスワード付き zip を作成しますか？</translation>
    </message>
    <message id="confirm.encryptedZip.body">
        <source>Zip encryption is weak: anyone with the archive and enough time can open it. Use an encrypted disk image for sensitive data.</source>
        <translation>zip の暗号化は強度が低く、アーカイブを入手した人は時間をかければ開くことができます。機密性の高いデータには暗号化ディスクイメージを使用してください。</translation>
    </message>
    <message id="confirm.encryptedDmg.title">
        <source>Create an encrypted disk image?</source>
        <translation>暗号化ディスクイメージを作成しますか？</translation>
    </message>
    <message id="confirm.encryptedDmg.body">
        <source>If you forget the password, the contents of the disk image cannot be recovered.</source>
        <translation>パスワードを忘れると、ディスクイメージの内容は復元できなくなります。</translation>
    </message>
    <message id="progress.archivingItem">
        <source>Archiving “%1” as “%2”…</source>
        <translation>「%1」を「%2」としてアーカイブしています…</translation>
    </message>
    <message id="progress.archivingItems">
        <source>Archiving %1 items as “%2”…</source>
        <translation>%1 個の項目を「%2」としてアーカイブしています…</translation>
    </message>
    <message id="progress.stop">
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message id="main.add">
        <source>Add Files…</source>
        <translation>ファイルを追加…</translation>
    </message>
    <message id="main.drop">
        <source>Drop files and folders here</source>
        <translation>ここにファイルやフォルダーをドロップ</translation>
    </message>
    <message id="main.format">
        <source>Format:</source>
        <translation>形式:</translation>
    </message>
    <message id="general.chooseFolder">
        <source>Choose</source>
        <translation>選択</translation>
    </message>
    <message id="general.omitFinder">
        <source>Leave out Finder files (.DS_Store, ._*)</source>
        <translation>Finder ファイルを除外 (.DS_Store、._*)</translation>
    </message>
    <message id="general.omitMac">
        <source>Leave out Mac metadata</source>
        <translation>Mac のメタデータを除外</translation>
    </message>
    <message id="general.trashOriginals">
        <source>Move the originals to the Trash</source>
        <translation>元の項目をゴミ箱に移動</translation>
    </message>
    <message id="name.ok">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="name.archive">
        <source>Name the archive</source>
        <translation>アーカイブに名前を付ける</translation>
    </message>
    <message id="name.dmg">
        <source>Name the disk image</source>
        <translation>ディスクイメージに名前を付ける</translation>
    </message>
    <message id="name.field">
        <source>Archive name</source>
        <translation>アーカイブ名</translation>
    </message>
    <message id="password.create">
        <source>Create</source>
        <translation>作成</translation>
    </message>
    <message id="password.empty">
        <source>Enter a password.</source>
        <translation>パスワードを入力してください。</translation>
    </message>
    <message id="password.mismatch">
        <source>The passwords don’t match.</source>
        <translation>パスワードが一致しません。</translation>
    </message>
    <message id="password.invalidCharacter">
        <source>The password can’t contain line breaks or null characters.</source>
        <translation>パスワードに改行やヌル文字は使えません。</translation>
    </message>
    <message id="password.title.zip">
        <source>Choose a password for the zip archive</source>
        <translation>zip アーカイブのパスワードを設定</translation>
    </message>
    <message id="password.title.dmg">
        <source>Choose a password for the disk image</source>
        <translation>ディスクイメージのパスワードを設定</translation>
    </message>
    <message id="password.enter">
        <source>Password</source>
        <translation>パスワード</translation>
    </message>
    <message id="password.confirm">
        <source>Confirm password</source>
        <translation>パスワード (確認)</translation>
    </message>
    <message id="banner.created">
        <source>Created “%1”</source>
        <translation>「%1」を作成しました</translation>
    </message>
    <message id="banner.createdMany">
        <source>Created %1 archives</source>
        <translation>%1 個のアーカイブを作成しました</translation>
    </message>
    <message id="banner.showInFinder">
        <source>Show in File Manager</source>
        <translation>ファイルマネージャーで表示</translation>
    </message>
    <message id="trash.kept">
        <source>Kept out of the Trash: %1 (%2)</source>
        <translation>ゴミ箱に移動しなかった項目: %1 (%2)</translation>
    </message>
    <message id="trash.kept.noTrash">
        <source>no usable Trash</source>
        <translation>使用できるゴミ箱がない</translation>
    </message>
    <message id="trash.kept.changed">
        <source>changed meanwhile</source>
        <translation>途中で変更された</translation>
    </message>
    <message id="trash.kept.incomplete">
        <source>not fully archived</source>
        <translation>すべてをアーカイブできなかった</translation>
    </message>
    <message id="action.compress">
        <source>Compress</source>
        <translation>圧縮</translation>
    </message>
    <message id="action.email">
        <source>E-mail</source>
        <translation>メール</translation>
    </message>
    <message id="action.archive">
        <source>Archive</source>
        <translation>アーカイブ</translation>
    </message>
    <message id="archive.location">
        <source>Archives are filed in:</source>
        <translation>アーカイブの保存先:</translation>
    </message>
    <message id="archive.open">
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message id="archive.change">
        <source>Change…</source>
        <translation>変更…</translation>
    </message>
    <message id="menu.recents">
        <source>Recent archives</source>
        <translation>最近のアーカイブ</translation>
    </message>
    <message id="menu.showLast">
        <source>Show Last Archive</source>
        <translation>最後のアーカイブを表示</translation>
    </message>
    <message id="menu.file">
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message id="menu.help">
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message id="menu.quit">
        <source>Quit</source>
        <translation>終了</translation>
    </message>
    <message id="preferences.title">
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message id="launch.applications.title">
        <source>%1 must be installed before it can run</source>
        <translation>%1 を実行するにはインストールが必要です</translation>
    </message>
    <message id="launch.applications.message">
        <source>%1 runs only from an applications folder (/usr, /opt, ~/.local or ~/Applications). Install it with “cmake --install” and start it again.</source>
        <translation>%1 はアプリケーションフォルダー (/usr、/opt、~/.local、~/Applications) からのみ実行できます。「cmake --install」でインストールしてから、もう一度起動してください。</translation>
    </message>
    <message id="launch.applications.quit">
        <source>Quit</source>
        <translation>終了</translation>
    </message>
    <message id="help.app">
        <source>Balewick Help</source>
        <translation>Balewick ヘルプ</translation>
    </message>
    <message id="help.support">
        <source>Support</source>
        <translation>サポート</translation>
    </message>
    <message id="help.site">
        <source>Balewick Website</source>
        <translation>Balewick のウェブサイト</translation>
    </message>
    <message id="error.copy">
        <source>“%1” could not be copied: %2</source>
        <translation>「%1」をコピーできませんでした: %2</translation>
    </message>
    <message id="error.list">
        <source>The folder “%1” could not be read: %2</source>
        <translation>フォルダー「%1」を読み込めませんでした: %2</translation>
    </message>
    <message id="error.createFolder">
        <source>The folder “%1” could not be created: %2</source>
        <translation>フォルダー「%1」を作成できませんでした: %2</translation>
    </message>
    <message id="error.createFile">
        <source>The file “%1” could not be created: %2</source>
        <translation>ファイル「%1」を作成できませんでした: %2</translation>
    </message>
    <message id="error.launch">
        <source>“%1” could not be started: %2</source>
        <translation>「%1」を起動できませんでした: %2</translation>
    </message>
    <message id="error.saveArchive">
        <source>The archive “%1” could not be saved: %2</source>
        <translation>アーカイブ「%1」を保存できませんでした: %2</translation>
    </message>
    <message id="cleanup.notOurs">
        <source>“%1” was moved or replaced by someone else while Balewick was using it. Balewick left it as it is and removed nothing there.</source>
        <translation>Balewick の使用中に、「%1」が他のユーザーによって移動または置き換えられました。Balewick はそれをそのままにし、そこでは何も削除していません。</translation>
    </message>
    <message id="menu.checkUpdates">
        <source>Check for Updates…</source>
        <translation>アップデートを確認…</translation>
    </message>
    <message id="menu.settings">
        <source>Settings…</source>
        <translation>設定…</translation>
    </message>
    <message id="preferences.tab.general">
        <source>General</source>
        <translation>一般</translation>
    </message>
    <message id="preferences.tab.updates">
        <source>Updates</source>
        <translation>アップデート</translation>
    </message>
    <message id="general.section.destination">
        <source>Destination</source>
        <translation>保存先</translation>
    </message>
    <message id="general.destination">
        <source>Save archives</source>
        <translation>アーカイブの保存先</translation>
    </message>
    <message id="general.destination.same">
        <source>Next to the originals</source>
        <translation>元の項目と同じ場所</translation>
    </message>
    <message id="general.destination.ask">
        <source>Ask each time</source>
        <translation>毎回確認する</translation>
    </message>
    <message id="general.destination.desktop">
        <source>On the desktop</source>
        <translation>デスクトップ</translation>
    </message>
    <message id="general.destination.archiveFolder">
        <source>In the archive folder</source>
        <translation>アーカイブフォルダー</translation>
    </message>
    <message id="general.section.options">
        <source>Options</source>
        <translation>オプション</translation>
    </message>
    <message id="general.promptForName">
        <source>Ask for the archive’s name</source>
        <translation>アーカイブ名を確認する</translation>
    </message>
    <message id="general.promptForName.subtitle">
        <source>Before each archive is made, suggest a name that you can change.</source>
        <translation>アーカイブを作成する前に名前の候補を表示し、変更できるようにします。</translation>
    </message>
    <message id="general.skipArchives">
        <source>Skip items that are already archives</source>
        <translation>アーカイブファイルはスキップする</translation>
    </message>
    <message id="general.skipArchives.subtitle">
        <source>Zip files, disk images and other compressed files are left as they are.</source>
        <translation>zip ファイル、ディスクイメージ、その他の圧縮ファイルはそのまま残します。</translation>
    </message>
    <message id="general.individual">
        <source>One archive per item</source>
        <translation>項目ごとにアーカイブを作成</translation>
    </message>
    <message id="general.individual.subtitle">
        <source>When several items are dropped, each one gets an archive of its own.</source>
        <translation>複数の項目をドロップしたときに、項目ごとに個別のアーカイブを作成します。</translation>
    </message>
    <message id="general.resetDialogs">
        <source>Show All Confirmations Again</source>
        <translation>すべての確認メッセージを再表示</translation>
    </message>
    <message id="updates.section.automatic">
        <source>Automatic Checking</source>
        <translation>自動確認</translation>
    </message>
    <message id="updates.automatic.title">
        <source>Check for updates at start</source>
        <translation>起動時にアップデートを確認</translation>
    </message>
    <message id="updates.automatic.subtitle">
        <source>Each time Balewick starts, it asks its web site whether a newer version exists.</source>
        <translation>Balewick は起動するたびに、新しいバージョンがあるかどうかをウェブサイトに問い合わせます。</translation>
    </message>
    <message id="updates.section.manual">
        <source>Check Now</source>
        <translation>今すぐ確認</translation>
    </message>
    <message id="updates.manual.title">
        <source>Look for a newer version</source>
        <translation>新しいバージョンを確認</translation>
    </message>
    <message id="updates.manual.button">
        <source>Check Now</source>
        <translation>今すぐ確認</translation>
    </message>
    <message id="updates.lastChecked">
        <source>Last checked</source>
        <translation>最終確認</translation>
    </message>
    <message id="updates.lastChecked.dateTime">
        <source>%1 at %2</source>
        <translation>%1 %2</translation>
    </message>
    <message id="updates.newVersion">
        <source>Version %1 is available.</source>
        <translation>バージョン %1 が利用可能です。</translation>
    </message>
    <message id="updates.check.failed">
        <source>The version information could not be read.</source>
        <translation>バージョン情報を読み込めませんでした。</translation>
    </message>
    <message id="updates.alert.upToDate.title">
        <source>You’re up to date</source>
        <translation>最新の状態です</translation>
    </message>
    <message id="updates.alert.upToDate.message">
        <source>%1 is the newest version available.</source>
        <translation>%1 は利用可能な最新バージョンです。</translation>
    </message>
    <message id="updates.alert.unavailable.title">
        <source>Checking for updates isn’t possible right now</source>
        <translation>現在、アップデートを確認できません</translation>
    </message>
    <message id="updates.alert.unavailable.message">
        <source>You are using version %1. Check your internet connection, or visit the Balewick web site to see whether a newer version exists.</source>
        <translation>使用中のバージョンは %1 です。インターネット接続を確認するか、Balewick のウェブサイトで新しいバージョンがあるかどうかを確認してください。</translation>
    </message>
    <message id="updates.alert.openPage">
        <source>Open Web Site</source>
        <translation>ウェブサイトを開く</translation>
    </message>
    <message id="updates.alert.ignore">
        <source>Ignore</source>
        <translation>無視</translation>
    </message>
    <message id="updates.window.defaultTitle">
        <source>A new version of Balewick is available</source>
        <translation>Balewick の新しいバージョンが利用可能です</translation>
    </message>
    <message id="updates.window.versionLine">
        <source>Version %1 is available; you have version %2.</source>
        <translation>バージョン %1 が利用可能です。現在のバージョンは %2 です。</translation>
    </message>
    <message id="updates.window.disableChecking">
        <source>Don’t Check Automatically</source>
        <translation>自動で確認しない</translation>
    </message>
    <message id="updates.window.enableChecking">
        <source>Check Automatically</source>
        <translation>自動で確認する</translation>
    </message>
    <message id="updates.window.disableChecking.tip">
        <source>Stop looking for new versions each time Balewick starts</source>
        <translation>Balewick の起動時に新しいバージョンを確認しないようにします</translation>
    </message>
    <message id="updates.window.enableChecking.tip">
        <source>Look for new versions each time Balewick starts</source>
        <translation>Balewick の起動時に新しいバージョンを確認します</translation>
    </message>
    <message id="menu.showLog">
        <source>Show Archive Log</source>
        <translation>アーカイブ履歴を表示</translation>
    </message>
    <message id="log.title">
        <source>Archive Log</source>
        <translation>アーカイブ履歴</translation>
    </message>
    <message id="log.search">
        <source>Search:</source>
        <translation>検索:</translation>
    </message>
    <message id="log.clear">
        <source>Clear</source>
        <translation>クリア</translation>
    </message>
    <message id="log.column.file">
        <source>File</source>
        <translation>ファイル</translation>
    </message>
    <message id="log.column.format">
        <source>Format</source>
        <translation>形式</translation>
    </message>
    <message id="log.column.date">
        <source>Date</source>
        <translation>日付</translation>
    </message>
    <message id="log.column.path">
        <source>Path</source>
        <translation>パス</translation>
    </message>
    <message id="log.reveal">
        <source>Show in File Manager</source>
        <translation>ファイルマネージャーで表示</translation>
    </message>
    <message id="error.toolKilled">
        <source>%1 was stopped by signal %2 (%3).</source>
        <translation>%1 はシグナル %2 (%3) によって停止されました。</translation>
    </message>
    <message id="progress.waiting">
        <source>%1 more waiting</source>
        <translation>ほかに %1 件が待機中</translation>
    </message>
    <message id="quit.busy.title">
        <source>Stop making archives and quit?</source>
        <translation>アーカイブの作成を中止して終了しますか？</translation>
    </message>
    <message id="quit.busy.stop">
        <source>Stop and Quit</source>
        <translation>中止して終了</translation>
    </message>
    <message id="verify.unexpectedMember">
        <source>It holds “%1”, which was not archived.</source>
        <translation>アーカイブしていない「%1」が含まれています。</translation>
    </message>
    <message id="verify.incompleteMember">
        <source>“%1” is incomplete in it.</source>
        <translation>「%1」が不完全です。</translation>
    </message>
    <message id="verify.missingMember">
        <source>“%1” is missing from it.</source>
        <translation>「%1」が含まれていません。</translation>
    </message>
    <message id="error.verifyFailed">
        <source>The archive “%1” did not read back correctly, so the original items were kept. %2</source>
        <translation>アーカイブ「%1」を正しく読み取れなかったため、元の項目はそのまま残しました。%2</translation>
    </message>
    <message id="notification.done">
        <source>Archiving finished</source>
        <translation>アーカイブが完了しました</translation>
    </message>
    <message id="notification.show">
        <source>Show</source>
        <translation>表示</translation>
    </message>
    <message id="error.zipPasswordTooLong">
        <source>Zip takes passwords of up to %1 bytes on one line. Choose a shorter password.</source>
        <translation>zip で使えるパスワードは 1 行で最大 %1 バイトです。もっと短いパスワードを設定してください。</translation>
    </message>
    <message id="progress.verifying">
        <source>Reading “%1” back…</source>
        <translation>「%1」を読み取って確認しています…</translation>
    </message>
    <message id="about.menu">
        <source>About Balewick</source>
        <translation>Balewick について</translation>
    </message>
    <message id="about.title">
        <source>About Balewick</source>
        <translation>Balewick について</translation>
    </message>
    <message id="about.version">
        <source>Version %1 (%2)</source>
        <translation>バージョン %1 (%2)</translation>
    </message>
    <message id="about.credits.unavailable">
        <source>The credits could not be shown.</source>
        <translation>クレジットを表示できませんでした。</translation>
    </message>
    <message id="about.rights">
        <source>© 2026 The Balewick developers. Free software under the GNU General Public License.</source>
        <translation>© 2026 Balewick 開発者。GNU General Public License に基づくフリーソフトウェアです。</translation>
    </message>
    <message id="about.link.website">
        <source>Website</source>
        <translation>ウェブサイト</translation>
    </message>
    <message id="about.link.privacy">
        <source>Privacy Policy</source>
        <translation>プライバシーポリシー</translation>
    </message>
    <message id="about.link.support">
        <source>Support</source>
        <translation>サポート</translation>
    </message>
    <message id="help.license">
        <source>License</source>
        <translation>ライセンス</translation>
    </message>
    <message id="license.title">
        <source>Balewick License</source>
        <translation>Balewick のライセンス</translation>
    </message>
    <message id="license.close">
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message id="license.unavailable">
        <source>The license text could not be shown.</source>
        <translation>ライセンス文を表示できませんでした。</translation>
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
        <translation>残り約 %1 秒</translation>
    </message>
    <message id="progress.minutes">
        <source>about %1 min left</source>
        <translation>残り約 %1 分</translation>
    </message>
    <message id="progress.hours">
        <source>about %1 h %2 min left</source>
        <translation>残り約 %1 時間 %2 分</translation>
    </message>
    <message id="error.diskFull">
        <source>There is not enough free space in “%1”: the archive needs %2 and only %3 is free. Free some space or choose another destination.</source>
        <translation>「%1」に十分な空き容量がありません。アーカイブには %2 必要ですが、空き容量は %3 しかありません。空き容量を増やすか、別の保存先を選択してください。</translation>
    </message>
    <message id="desktop.genericName">
        <source>Archiver</source>
        <translation>アーカイバー</translation>
    </message>
    <message id="desktop.comment">
        <source>Turn files and folders into archives</source>
        <translation>ファイルやフォルダーをアーカイブにまとめます</translation>
    </message>
    <message id="desktop.keywords">
        <source>zip;tar;archive;compress;</source>
        <extracomment>Search words, each followed by a semicolon.</extracomment>
        <translation>zip;tar;アーカイブ;圧縮;書庫;</translation>
    </message>
    <message id="filemanager.compress">
        <source>Compress with Balewick</source>
        <translation>Balewick で圧縮</translation>
    </message>
    <message id="filemanager.compress.tooltip">
        <source>Make archives of the selected items with Balewick</source>
        <translation>選択した項目のアーカイブを Balewick で作成します</translation>
    </message>
    <message id="metainfo.summary">
        <source>Turn files and folders into archives</source>
        <translation>ファイルやフォルダーをアーカイブにまとめます</translation>
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
        <translation>Balewick は、ウィンドウにドロップしたファイルやフォルダー、ファイルマネージャーのコンテキストメニューから送ったもの、一覧から選んだものをアーカイブにします。どう扱うかと形式を選ぶと、Balewick がシステムの zip と tar でアーカイブを作成します。

- 項目の隣、デスクトップ、アーカイブフォルダー、または任意の場所に圧縮
- メール: アーカイブを作成して新しいメッセージに添付
- アーカイブ: 日付付きのアーカイブを 1 つのアーカイブフォルダーに保管
- 形式: zip、tar、tar.gz、tar.bz2、パスワード付き zip、ディスクイメージ
- Finder のファイルと macOS のメタデータを除外し、すでにアーカイブである項目はスキップ
- 作成したすべてのアーカイブの記録と、必要に応じて元の項目をゴミ箱へ移動

「Balewick で圧縮」は GNOME ファイル、Dolphin、Nemo、Caja (caja-actions 使用時) のコンテキストメニューと、Thunar の「送る」メニューに追加されます。</translation>
    </message>
    <message id="a11y.dropView">
        <source>Press Space to choose files and folders instead of dropping them.</source>
        <translation>ドロップする代わりに、スペースキーでファイルやフォルダーを選択できます。</translation>
    </message>
    <message id="a11y.main.add">
        <source>Add files</source>
        <translation>ファイルを追加</translation>
    </message>
    <message id="a11y.main.add.description">
        <source>Choose files and folders and start the chosen action with them.</source>
        <translation>ファイルやフォルダーを選択し、選んだ操作を開始します。</translation>
    </message>
    <message id="a11y.preferences.title">
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message id="a11y.menu.recents">
        <source>Recent archives</source>
        <translation>最近のアーカイブ</translation>
    </message>
    <message id="a11y.menu.recents.description">
        <source>Opens a menu to show the last archive or the archive log.</source>
        <translation>最後のアーカイブまたはアーカイブ履歴を表示するメニューを開きます。</translation>
    </message>
    <message id="a11y.log.table.description">
        <source>The archives made so far. Move to the last column of a row and press Return to show that archive in the file manager.</source>
        <translation>これまでに作成したアーカイブです。行の最後の列に移動して Enter キーを押すと、そのアーカイブをファイルマネージャーで表示します。</translation>
    </message>
    <message id="a11y.aboutCredits">
        <source>Credits</source>
        <translation>クレジット</translation>
    </message>
    <message id="email.tooLarge.title">
        <source>Attach this much to an e-mail?</source>
        <translation>この大きさのファイルをメールに添付しますか？</translation>
    </message>
    <message id="email.tooLarge.message">
        <source>The attachments would come to %1. Many mail services refuse messages over 20–25 MB, so the message may never arrive. You can attach the archives anyway, or show them in the file manager and share them another way.</source>
        <translation>添付ファイルの合計は %1 になります。多くのメールサービスは 20～25 MB を超えるメッセージを受け付けないため、このメッセージは届かない可能性があります。このままアーカイブを添付するか、ファイルマネージャーで表示して別の方法で共有してください。</translation>
    </message>
    <message id="email.tooLarge.attach">
        <source>Attach Anyway</source>
        <translation>このまま添付</translation>
    </message>
    <message id="email.tooLarge.reveal">
        <source>Show in File Manager</source>
        <translation>ファイルマネージャーで表示</translation>
    </message>
</context>
</TS>
