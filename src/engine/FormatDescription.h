#pragma once

#include "ArchiveFormat.h"

#include <QString>
#include <QStringList>

struct ArchiveRequest;

// The tools Balewick runs; which executable each is comes from ArchiveTools.
enum class FormatTool { zip, tar, diskImage };

// How a format's password reaches its tool.
enum class PasswordInput {
    none,
    // Typed at the tool's prompts on a terminal of its own (zip -e).
    terminal,
    // One line on standard input (the disk-image tool's -stdinpass).
    standardInput,
};

// Everything that tells one format from another. The table of these is the one place where
// formats differ, so a new format is one entry.
struct FormatDescription {
    ArchiveFormat format;
    // Stem of the format's keys: "format.<stem>" and "desc.<stem>.<action>".
    const char* stem;
    // Appended to the archive's name, without the dot.
    const char* extension;
    FormatTool tool;
    // The tool's argument list, given the staging folder and the output as the tool sees them.
    QStringList (*arguments)(const ArchiveRequest& request, const QString& stagingFolder,
                             const QString& output);
    // Whether the tool reads the names of the staged top-level items, each ended by a NUL, on its
    // standard input.
    bool namesOnStandardInput;
    PasswordInput password;
    // False when the archive is at least as large as what it holds.
    bool compressed;
    // The name prompt's title.
    const char* nameTitleKey;
    // For a password format: the password prompt's title and the confirmation asked first
    // (title, message, button and the preference that silences it); otherwise null.
    const char* passwordTitleKey = nullptr;
    const char* confirmTitleKey = nullptr;
    const char* confirmMessageKey = nullptr;
    const char* confirmButtonKey = nullptr;
    const char* confirmSuppressionKey = nullptr;
};

const FormatDescription& formatDescription(ArchiveFormat format);
