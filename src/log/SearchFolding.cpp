#include "SearchFolding.h"

namespace SearchFolding {

namespace {

// The languages whose case rules differ from Unicode's default ones (dotted and dotless i, and
// Lithuanian's dot above).
bool hasOwnCaseRules(const QLocale& locale) {
    const QLocale::Language language = locale.language();
    return language == QLocale::Turkish || language == QLocale::Azerbaijani ||
           language == QLocale::Lithuanian;
}

bool isAscii(const QString& text) {
    for (const QChar character : text) {
        if (character.unicode() >= 0x80)
            return false;
    }
    return true;
}

} // namespace

QString folded(const QString& text, const QLocale& locale) {
    if (hasOwnCaseRules(locale))
        return locale.toLower(locale.toUpper(text));
    // Most paths are ASCII; lowering them by hand is far cheaper than any full mapping.
    if (isAscii(text)) {
        QString result = text;
        for (QChar& character : result) {
            const char16_t code = character.unicode();
            if (code >= u'A' && code <= u'Z')
                character = QChar(char16_t(code + (u'a' - u'A')));
        }
        return result;
    }
    // Elsewhere the locale's mapping is Unicode's default, which Qt's own tables give without
    // the cost of asking the locale library.
    return text.toUpper().toLower();
}

} // namespace SearchFolding
