#include "FormatDescription.h"

#include "ArchiveRequest.h"

#include <QtGlobal>

#include <array>

namespace {

// The zip writer reads the staging folder from inside, storing links as links, and creates the
// archive through the destination folder's descriptor, which it inherits.
QStringList zipArguments(const ArchiveRequest& request, const ToolSetup& setup) {
    QStringList arguments;
    if (request.omitMacMetadata)
        arguments << QStringLiteral("--omit-metadata");
    if (request.omitFinderFiles)
        arguments << QStringLiteral("--omit-finder-files");
    return arguments << setup.progressArguments << QStringLiteral("--folder-fd=%1").arg(setup.outputFolder)
                     << setup.outputName;
}

// The password comes as one line on standard input; AES-256 only when the user chose it, as the
// traditional encryption is the one every unzip program opens.
QStringList encryptedZipArguments(const ArchiveRequest& request, const ToolSetup& setup) {
    return QStringList{request.strongZipEncryption ? QStringLiteral("--encryption=aes256")
                                                   : QStringLiteral("--encryption=traditional")} +
           zipArguments(request, setup);
}

// tar archives the names it reads, exactly as given, rather than "." (whose entry would carry the
// staging folder's mode onto the folder the archive is extracted in). The compressor is named by
// absolute path, as every tool is.
QStringList tarArguments(const ArchiveRequest& request, const ToolSetup& setup) {
    QStringList arguments{QStringLiteral("-cf"), setup.output};
    const FormatDescription& description = formatDescription(request.format);
    if (!setup.compressor.isEmpty())
        arguments << QStringLiteral("-I") << setup.compressor;
    else if (description.singleCoreOption)
        arguments << QString::fromLatin1(description.singleCoreOption);
    return arguments << QStringLiteral("-C") << setup.stagingFolder << QStringLiteral("--null")
                     << QStringLiteral("--no-unquote") << QStringLiteral("--verbatim-files-from")
                     << QStringLiteral("-T") << QStringLiteral("-");
}

template <bool encrypted>
QStringList diskImageArguments(const ArchiveRequest& request, const ToolSetup& setup) {
    QStringList arguments{QStringLiteral("create"),   QStringLiteral("-srcfolder"), setup.stagingFolder,
                          QStringLiteral("-volname"), request.volumeName,           QStringLiteral("-format"),
                          QStringLiteral("UDZO")};
    if (encrypted)
        arguments << QStringLiteral("-encryption") << QStringLiteral("AES-256")
                  << QStringLiteral("-stdinpass");
    return arguments << setup.progressArguments << setup.output;
}

constexpr std::array<FormatDescription, 9> descriptions{{
    {.format = ArchiveFormat::zip,
     .stem = "zip",
     .extension = "zip",
     .tool = FormatTool::zipWriter,
     .arguments = zipArguments,
     .namesOnStandardInput = false,
     .encrypted = false,
     .compressed = true,
     .progressOption = "--progress-fd=",
     .nameTitleKey = QT_TRID_NOOP("name.archive")},
    {.format = ArchiveFormat::tar,
     .stem = "tar",
     .extension = "tar",
     .tool = FormatTool::tar,
     .arguments = tarArguments,
     .namesOnStandardInput = true,
     .encrypted = false,
     .compressed = false,
     .nameTitleKey = QT_TRID_NOOP("name.archive")},
    {.format = ArchiveFormat::gzip,
     .stem = "gzip",
     .extension = "tar.gz",
     .tool = FormatTool::tar,
     .arguments = tarArguments,
     .namesOnStandardInput = true,
     .encrypted = false,
     .compressed = true,
     .compressor = Compressor::pigz,
     .singleCoreOption = "-z",
     .nameTitleKey = QT_TRID_NOOP("name.archive")},
    {.format = ArchiveFormat::bzip2,
     .stem = "bzip2",
     .extension = "tar.bz2",
     .tool = FormatTool::tar,
     .arguments = tarArguments,
     .namesOnStandardInput = true,
     .encrypted = false,
     .compressed = true,
     .compressor = Compressor::lbzip2,
     .singleCoreOption = "-j",
     .nameTitleKey = QT_TRID_NOOP("name.archive")},
    {.format = ArchiveFormat::diskImage,
     .stem = "dmg",
     .extension = "dmg",
     .tool = FormatTool::diskImage,
     .arguments = diskImageArguments<false>,
     .namesOnStandardInput = false,
     .encrypted = false,
     .compressed = true,
     .progressOption = "-progressfd",
     .nameTitleKey = QT_TRID_NOOP("name.dmg")},
    {.format = ArchiveFormat::encryptedDiskImage,
     .stem = "dmgEncrypted",
     .extension = "dmg",
     .tool = FormatTool::diskImage,
     .arguments = diskImageArguments<true>,
     .namesOnStandardInput = false,
     .encrypted = true,
     .compressed = true,
     .progressOption = "-progressfd",
     .nameTitleKey = QT_TRID_NOOP("name.dmg"),
     .passwordTitleKey = QT_TRID_NOOP("password.title.dmg"),
     .confirmTitleKey = QT_TRID_NOOP("confirm.encryptedDmg.title"),
     .confirmMessageKey = QT_TRID_NOOP("confirm.encryptedDmg.body"),
     .confirmButtonKey = QT_TRID_NOOP("confirm.create"),
     .confirmSuppressionKey = "BWSuppressEncryptedDMG"},
    {.format = ArchiveFormat::encryptedZip,
     .stem = "zipEncrypted",
     .extension = "zip",
     .tool = FormatTool::zipWriter,
     .arguments = encryptedZipArguments,
     .namesOnStandardInput = false,
     .encrypted = true,
     .compressed = true,
     .progressOption = "--progress-fd=",
     .nameTitleKey = QT_TRID_NOOP("name.archive"),
     .passwordTitleKey = QT_TRID_NOOP("password.title.zip"),
     .confirmTitleKey = QT_TRID_NOOP("confirm.encryptedZip.title"),
     .confirmMessageKey = QT_TRID_NOOP("confirm.encryptedZip.body"),
     .confirmButtonKey = QT_TRID_NOOP("confirm.continue"),
     .confirmSuppressionKey = "BWSuppressEncryptedZip",
     .confirmStrongMessageKey = QT_TRID_NOOP("confirm.encryptedZip.bodyStrong")},
    {.format = ArchiveFormat::xz,
     .stem = "xz",
     .extension = "tar.xz",
     .tool = FormatTool::tar,
     .arguments = tarArguments,
     .namesOnStandardInput = true,
     .encrypted = false,
     .compressed = true,
     .compressor = Compressor::xz,
     .compressorOptions = "-T0",
     .singleCoreOption = "-J",
     .nameTitleKey = QT_TRID_NOOP("name.archive")},
    {.format = ArchiveFormat::zstd,
     .stem = "zstd",
     .extension = "tar.zst",
     .tool = FormatTool::tar,
     .arguments = tarArguments,
     .namesOnStandardInput = true,
     .encrypted = false,
     .compressed = true,
     .compressor = Compressor::zstd,
     .compressorOptions = "-T0 -3",
     .singleCoreOption = "--zstd",
     .nameTitleKey = QT_TRID_NOOP("name.archive")},
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
