#pragma once

#include "VersionCheckResult.h"

#include <QString>
#include <QStringList>

#include <optional>

// The version-check document, read by tag name rather than as XML: the server's file is
// hand-written and must keep working even when it is not well-formed.
namespace VersionDocument {

// The text between the first <tag> and its </tag>, exactly as written. Tag names match in any
// letter case; an opening tag with attributes does not match.
std::optional<QString> extractTagBody(const QString& tag, const QString& text);
// The same, trimmed.
std::optional<QString> extractTagText(const QString& tag, const QString& text);

// The element names tried for a language ("fr", "pt-BR", "ja_JP", ...), in order.
QStringList preferredLanguageTags(const QString& language);
// The trimmed text of the first language element found in the section (English when none of
// them is there); none when that text is empty.
std::optional<QString> localizedSectionText(const QStringList& languageTags, const QString& section);

// The announced version with whichever other fields the document has; none without a non-empty
// "lastversion" element.
std::optional<VersionCheckResult> parse(const QString& text, const QString& language);

} // namespace VersionDocument
