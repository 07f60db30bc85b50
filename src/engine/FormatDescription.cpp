#include "FormatDescription.h"

#include "ArchiveRequest.h"

#include <QtGlobal>

#include <array>

namespace {

// zip reads the staging folder from inside: "-y" always stores links as links (followed from the
// staging folder, a relative link would lead somewhere else), "-X" leaves out extra attributes,
// and the exclusion list drops the Finder files.
QStringList zipArguments(const ArchiveRequest& request, const QString& stagingFolder, const QString& output) {
    Q_UNUSED(stagingFolder);
    QStringList arguments{QStringLiteral("-r"), QStringLiteral("-y")};
    if (request.omitMacMetadata)
        arguments << QStringLiteral("-X");
    arguments << output << QStringLiteral(".");
    if (request.omitFinderFiles)
        arguments << QStringLiteral("-x") << QStringLiteral("*.DS_Store") << QStringLiteral("*/.DS_Store")
                  << QStringLiteral(".DS_Store") << QStringLiteral("*/._*") << QStringLiteral("._*");
    return arguments;
}

QStringList encryptedZipArguments(const ArchiveRequest& request, const QString& stagingFolder,
                                  const QString& output) {
    return QStringList{QStringLiteral("-e")} + zipArguments(request, stagingFolder, output);
}

// tar archives the names it reads, exactly as given, rather than "." (whose entry would carry the
// staging folder's mode onto the folder the archive is extracted in).
template <char compression>
QStringList tarArguments(const ArchiveRequest&, const QString& stagingFolder, const QString& output) {
    const QString mode =
        compression ? QStringLiteral("-c%1f").arg(QLatin1Char(compression)) : QStringLiteral("-cf");
    return {mode,
            output,
            QStringLiteral("-C"),
            stagingFolder,
            QStringLiteral("--null"),
            QStringLiteral("--no-unquote"),
            QStringLiteral("--verbatim-files-from"),
            QStringLiteral("-T"),
            QStringLiteral("-")};
}

template <bool encrypted>
QStringList diskImageArguments(const ArchiveRequest& request, const QString& stagingFolder,
                               const QString& output) {
    QStringList arguments{QStringLiteral("create"),   QStringLiteral("-srcfolder"), stagingFolder,
                          QStringLiteral("-volname"), request.volumeName,           QStringLiteral("-format"),
                          QStringLiteral("UDZO")};
    if (encrypted)
        arguments << QStringLiteral("-encryption") << QStringLiteral("AES-256")
                  << QStringLiteral("-stdinpass");
    return arguments << output;
}

constexpr std::array<FormatDescription, 7> descriptions{{
    {.format = ArchiveFormat::zip,
     .stem = "zip",
     .extension = "zip",
     .tool = FormatTool::zip,
     .arguments = zipArguments,
     .namesOnStandardInput = false,
     .password = PasswordInput::none,
     .compressed = true,
     .nameTitleKey = QT_TRID_NOOP("name.archive")},
    {.format = ArchiveFormat::tar,
     .stem = "tar",
     .extension = "tar",
     .tool = FormatTool::tar,
     .arguments = tarArguments<0>,
     .namesOnStandardInput = true,
     .password = PasswordInput::none,
     .compressed = false,
     .nameTitleKey = QT_TRID_NOOP("name.archive")},
    {.format = ArchiveFormat::gzip,
     .stem = "gzip",
     .extension = "tar.gz",
     .tool = FormatTool::tar,
     .arguments = tarArguments<'z'>,
     .namesOnStandardInput = true,
     .password = PasswordInput::none,
     .compressed = true,
     .nameTitleKey = QT_TRID_NOOP("name.archive")},
    {.format = ArchiveFormat::bzip2,
     .stem = "bzip2",
     .extension = "tar.bz2",
     .tool = FormatTool::tar,
     .arguments = tarArguments<'j'>,
     .namesOnStandardInput = true,
     .password = PasswordInput::none,
     .compressed = true,
     .nameTitleKey = QT_TRID_NOOP("name.archive")},
    {.format = ArchiveFormat::diskImage,
     .stem = "dmg",
     .extension = "dmg",
     .tool = FormatTool::diskImage,
     .arguments = diskImageArguments<false>,
     .namesOnStandardInput = false,
     .password = PasswordInput::none,
     .compressed = true,
     .nameTitleKey = QT_TRID_NOOP("name.dmg")},
    {.format = ArchiveFormat::encryptedDiskImage,
     .stem = "dmgEncrypted",
     .extension = "dmg",
     .tool = FormatTool::diskImage,
     .arguments = diskImageArguments<true>,
     .namesOnStandardInput = false,
     .password = PasswordInput::standardInput,
     .compressed = true,
     .nameTitleKey = QT_TRID_NOOP("name.dmg"),
     .passwordTitleKey = QT_TRID_NOOP("password.title.dmg"),
     .confirmTitleKey = QT_TRID_NOOP("confirm.encryptedDmg.title"),
     .confirmMessageKey = QT_TRID_NOOP("confirm.encryptedDmg.body"),
     .confirmButtonKey = QT_TRID_NOOP("confirm.create"),
     .confirmSuppressionKey = "BWSuppressEncryptedDMG"},
    {.format = ArchiveFormat::encryptedZip,
     .stem = "zipEncrypted",
     .extension = "zip",
     .tool = FormatTool::zip,
     .arguments = encryptedZipArguments,
     .namesOnStandardInput = false,
     .password = PasswordInput::terminal,
     .compressed = true,
     .nameTitleKey = QT_TRID_NOOP("name.archive"),
     .passwordTitleKey = QT_TRID_NOOP("password.title.zip"),
     .confirmTitleKey = QT_TRID_NOOP("confirm.encryptedZip.title"),
     .confirmMessageKey = QT_TRID_NOOP("confirm.encryptedZip.body"),
     .confirmButtonKey = QT_TRID_NOOP("confirm.continue"),
     .confirmSuppressionKey = "BWSuppressEncryptedZip"},
}};

// formatDescription() finds a format's row by its value.
constexpr bool rowsFollowTheEnumeration() {
    for (size_t row = 0; row < descriptions.size(); ++row)
        if (static_cast<size_t>(descriptions[row].format) != row)
            return false;
    return true;
}
static_assert(rowsFollowTheEnumeration());

} // namespace

const FormatDescription& formatDescription(ArchiveFormat format) {
    return descriptions.at(size_t(rawValue(format)));
}
