#pragma once

#include <QLocale>
#include <QString>

// Text prepared for case-insensitive containment tests under one locale's case rules, so that a
// search compares plain strings and allocates nothing per row.
namespace SearchFolding {

// Upper-cased then lower-cased with the locale's rules, so that "ß" meets "SS" and a Turkish
// dotted capital I meets its small i.
QString folded(const QString& text, const QLocale& locale);

} // namespace SearchFolding
