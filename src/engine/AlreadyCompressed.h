#pragma once

#include <QSet>
#include <QString>
#include <QUrl>

// Lower-case extensions, without dots, of files that are archives already.
const QSet<QString>& alreadyCompressedExtensions();

// A file (never a folder) whose extension is in the set above. An item whose existence cannot be
// established is judged by its extension alone.
bool isAlreadyCompressed(const QUrl& item);
