#pragma once

#include <QString>

#include <exception>

// The failures the engine and the workflow report to the user. Thrown as a value.
class CompressionError final : public std::exception {
public:
    enum class Kind {
        forbidden,
        missingItem,
        toolFailed,
        cancelled,
        noItems,
        allSkipped,
        folderCreate,
        notOurs
    };

    static CompressionError forbidden(const QString& itemName) { return {Kind::forbidden, itemName}; }
    static CompressionError missingItem(const QString& itemName) { return {Kind::missingItem, itemName}; }
    static CompressionError toolFailed(const QString& text) { return {Kind::toolFailed, text}; }
    static CompressionError cancelled() { return {Kind::cancelled, {}}; }
    static CompressionError noItems() { return {Kind::noItems, {}}; }
    static CompressionError allSkipped() { return {Kind::allSkipped, {}}; }
    static CompressionError folderCreate() { return {Kind::folderCreate, {}}; }
    // A place of Balewick's that someone else replaced or changed while it worked; left as it is.
    static CompressionError notOurs(const QString& path) { return {Kind::notOurs, path}; }

    Kind kind() const { return m_kind; }
    // The item name of forbidden and missingItem, the tool's text of toolFailed, the path of
    // notOurs, else empty.
    const QString& payload() const { return m_payload; }

    // The localised message shown to the user.
    QString errorDescription() const;
    const char* what() const noexcept override { return "CompressionError"; }

    bool operator==(const CompressionError& other) const {
        return m_kind == other.m_kind && m_payload == other.m_payload;
    }

private:
    CompressionError(Kind kind, QString payload)
        : m_kind(kind)
        , m_payload(std::move(payload)) {}

    Kind m_kind;
    QString m_payload;
};
