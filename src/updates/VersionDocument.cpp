#include "VersionDocument.h"

#include <QRegularExpression>

namespace VersionDocument {

std::optional<QString> extractTagBody(const QString& tag, const QString& text) {
    const QString name = QRegularExpression::escape(tag);
    const QRegularExpression element(QStringLiteral("<\\s*") + name +
                                         QStringLiteral("\\s*>([\\s\\S]*?)<\\s*/\\s*") + name +
                                         QStringLiteral("\\s*>"),
                                     QRegularExpression::CaseInsensitiveOption);
    if (!element.isValid())
        return std::nullopt;
    const QRegularExpressionMatch match = element.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    return match.captured(1);
}

std::optional<QString> extractTagText(const QString& tag, const QString& text) {
    if (std::optional<QString> body = extractTagBody(tag, text))
        return body->trimmed();
    return std::nullopt;
}

QStringList preferredLanguageTags(const QString& language) {
    QString primary = language.toLower();
    primary = primary.left(primary.indexOf(QRegularExpression(QStringLiteral("[-_]"))));
    if (primary == QLatin1String("it"))
        return {QStringLiteral("italian"), QStringLiteral("italiano"), QStringLiteral("it")};
    if (primary == QLatin1String("fr"))
        return {QStringLiteral("french"), QStringLiteral("fr")};
    if (primary == QLatin1String("de"))
        return {QStringLiteral("german"), QStringLiteral("de")};
    if (primary == QLatin1String("es"))
        return {QStringLiteral("spanish"), QStringLiteral("es")};
    if (primary == QLatin1String("ja"))
        return {QStringLiteral("japanese"), QStringLiteral("ja")};
    return {QStringLiteral("english"), QStringLiteral("en")};
}

std::optional<QString> localizedSectionText(const QStringList& languageTags, const QString& section) {
    std::optional<QString> body;
    for (const QStringList& names :
         {languageTags, QStringList{QStringLiteral("english"), QStringLiteral("en")}}) {
        for (const QString& name : names) {
            body = extractTagBody(name, section);
            if (body)
                break;
        }
        if (body)
            break;
    }
    // A language element that is there but empty means "nothing to say", not "use English".
    if (!body || body->trimmed().isEmpty())
        return std::nullopt;
    return body->trimmed();
}

std::optional<VersionCheckResult> parse(const QString& text, const QString& language) {
    const std::optional<QString> latest = extractTagText(QStringLiteral("lastversion"), text);
    if (!latest || latest->isEmpty())
        return std::nullopt;
    VersionCheckResult result{.latestVersion = *latest};
    if (const std::optional<QString> url = extractTagText(QStringLiteral("downloadurl"), text);
        url && !url->isEmpty())
        result.downloadUrl = *url;

    const QStringList languageTags = preferredLanguageTags(language);
    const std::pair<const char*, std::optional<QString>*> sections[] = {{"titletext", &result.titleText},
                                                                        {"infotext", &result.infoText}};
    for (const auto& [tag, field] : sections) {
        if (const std::optional<QString> section = extractTagBody(QString::fromLatin1(tag), text))
            *field = localizedSectionText(languageTags, *section);
    }
    return result;
}

} // namespace VersionDocument
