#include "FormatDescription.h"

#include <QtGlobal>

#include <array>

namespace {

// zip reads the staging folder from inside: "-y" always stores links as links (followed from the
// staging folder, a relative link would lead somewhere else), "-X" leaves out extra attributes,
// and the exclusion list drops the Finder files.
QStringList zipArguments(const FormatArguments& call) {
    QStringList arguments{QStringLiteral("-r"), QStringLiteral("-y")};
    if (call.omitMacMetadata)
        arguments << QStringLiteral("-X");
    arguments << call.output << QStringLiteral(".");
    if (call.omitFinderFiles)
        arguments << QStringLiteral("-x") << QStringLiteral("*.DS_Store") << QStringLiteral("*/.DS_Store")
                  << QStringLiteral(".DS_Store") << QStringLiteral("*/._*") << QStringLiteral("._*");
    return arguments;
}

QStringList encryptedZipArguments(const FormatArguments& call) {
    return QStringList{QStringLiteral("-e")} + zipArguments(call);
}

// tar archives the names it reads, exactly as given, rather than "." (whose entry would carry the
// staging folder's mode onto the folder the archive is extracted in).
QStringList tarArguments(const QString& mode, const FormatArguments& call) {
    return {mode,
            call.output,
            QStringLiteral("-C"),
            call.stagingFolder,
            QStringLiteral("--null"),
            QStringLiteral("--no-unquote"),
            QStringLiteral("--verbatim-files-from"),
            QStringLiteral("-T"),
            QStringLiteral("-")};
}

QStringList diskImageArguments(const FormatArguments& call, bool encrypted) {
    QStringList arguments{QStringLiteral("create"), QStringLiteral("-srcfolder"),
                          call.stagingFolder,       QStringLiteral("-volname"),
                          call.volumeName,          QStringLiteral("-format"),
                          QStringLiteral("UDZO")};
    if (encrypted)
        arguments << QStringLiteral("-encryption") << QStringLiteral("AES-256")
                  << QStringLiteral("-stdinpass");
    return arguments << call.output;
}

// In the order of the enumeration's values.
const std::array<FormatDescription, 7> descriptions{{
    {ArchiveFormat::zip, "zip", "zip", FormatTool::zip, zipArguments, false, PasswordInput::none, true,
     QT_TRID_NOOP("name.archive"), nullptr, nullptr, nullptr, nullptr, nullptr},
    {ArchiveFormat::tar, "tar", "tar", FormatTool::tar,
     [](const FormatArguments& call) { return tarArguments(QStringLiteral("-cf"), call); }, true,
     PasswordInput::none, false, QT_TRID_NOOP("name.archive"), nullptr, nullptr, nullptr, nullptr, nullptr},
    {ArchiveFormat::gzip, "gzip", "tar.gz", FormatTool::tar,
     [](const FormatArguments& call) { return tarArguments(QStringLiteral("-czf"), call); }, true,
     PasswordInput::none, true, QT_TRID_NOOP("name.archive"), nullptr, nullptr, nullptr, nullptr, nullptr},
    {ArchiveFormat::bzip2, "bzip2", "tar.bz2", FormatTool::tar,
     [](const FormatArguments& call) { return tarArguments(QStringLiteral("-cjf"), call); }, true,
     PasswordInput::none, true, QT_TRID_NOOP("name.archive"), nullptr, nullptr, nullptr, nullptr, nullptr},
    {ArchiveFormat::diskImage, "dmg", "dmg", FormatTool::diskImage,
     [](const FormatArguments& call) { return diskImageArguments(call, false); }, false, PasswordInput::none,
     true, QT_TRID_NOOP("name.dmg"), nullptr, nullptr, nullptr, nullptr, nullptr},
    {ArchiveFormat::encryptedDiskImage, "dmgEncrypted", "dmg", FormatTool::diskImage,
     [](const FormatArguments& call) { return diskImageArguments(call, true); }, false,
     PasswordInput::standardInput, true, QT_TRID_NOOP("name.dmg"), QT_TRID_NOOP("password.title.dmg"),
     QT_TRID_NOOP("confirm.encryptedDmg.title"), QT_TRID_NOOP("confirm.encryptedDmg.body"),
     QT_TRID_NOOP("confirm.create"), "BWSuppressEncryptedDMG"},
    {ArchiveFormat::encryptedZip, "zipEncrypted", "zip", FormatTool::zip, encryptedZipArguments, false,
     PasswordInput::terminal, true, QT_TRID_NOOP("name.archive"), QT_TRID_NOOP("password.title.zip"),
     QT_TRID_NOOP("confirm.encryptedZip.title"), QT_TRID_NOOP("confirm.encryptedZip.body"),
     QT_TRID_NOOP("confirm.continue"), "BWSuppressEncryptedZip"},
}};

} // namespace

const FormatDescription& formatDescription(ArchiveFormat format) {
    return descriptions.at(size_t(rawValue(format)));
}
