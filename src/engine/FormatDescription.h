#pragma once

#include "ArchiveFormat.h"

#include <QString>
#include <QStringList>

struct ArchiveRequest;

// The tools Balewick runs; which executable each is comes from ArchiveTools. zipWriter is
// Balewick's own zip tool, which writes what zip -r -y would on every core.
enum class FormatTool { tar, diskImage, zipWriter };

// The program tar compresses with, one that uses every core; ArchiveTools says where it is.
enum class Compressor { none, pigz, lbzip2, xz, zstd };

// What a format's argument list is built from besides the request, resolved for one run.
struct ToolSetup {
    // The staging folder and the output as the tool sees them.
    QString stagingFolder;
    QString output;
    // The folder the output is made in, as a descriptor the tool inherits at this number, and the
    // output's name in it, for a tool that creates its output through the descriptor.
    int outputFolder = -1;
    QString outputName{};
    // The command tar compresses with ("/usr/bin/xz -T0"); empty: tar's own single-core option.
    QString compressor{};
    // The tool's progress option with the descriptor it names ("-progressfd", "5"), where the
    // tool reports its progress; empty otherwise.
    QStringList progressArguments{};
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
    // The tool's argument list for one run.
    QStringList (*arguments)(const ArchiveRequest& request, const ToolSetup& setup);
    // Whether the tool reads the names of the staged top-level items, each ended by a NUL, on its
    // standard input.
    bool namesOnStandardInput;
    // Whether the format asks for a password, which reaches the tool as one line on its standard
    // input.
    bool encrypted;
    // False when the archive is at least as large as what it holds.
    bool compressed;
    // tar's all-core compressor with its options, and tar's own option for the single-core
    // program, used when that one is missing.
    Compressor compressor = Compressor::none;
    const char* compressorOptions = "";
    const char* singleCoreOption = nullptr;
    // The tool's option for reporting, on a descriptor, the bytes it has read (one decimal line at
    // a time); an option ending in "=" takes the descriptor in the same word. Null: it does not.
    const char* progressOption = nullptr;
    // The name prompt's title.
    const char* nameTitleKey;
    // For a password format: the password prompt's title and the confirmation asked first
    // (title, message, button and the preference that silences it); otherwise null.
    const char* passwordTitleKey = nullptr;
    const char* confirmTitleKey = nullptr;
    const char* confirmMessageKey = nullptr;
    const char* confirmButtonKey = nullptr;
    const char* confirmSuppressionKey = nullptr;
    // The message instead, when the strong encryption is chosen; null: the same message.
    const char* confirmStrongMessageKey = nullptr;
};

const FormatDescription& formatDescription(ArchiveFormat format);
