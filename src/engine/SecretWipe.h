#pragma once

#include <QByteArray>
#include <QString>

#include <cstring>
#include <optional>

// Overwrites a password's bytes before letting go of them, so that freed memory does not keep it.
// A buffer that another holder still shares is only let go: the last of our holders wipes it, and
// a copy held by a caller (or by Qt) is never overwritten under its feet.
inline void wipe(QByteArray& bytes) {
    if (bytes.isDetached())
        ::explicit_bzero(bytes.data(), size_t(bytes.size()));
    bytes = QByteArray();
}

inline void wipe(QString& text) {
    if (text.isDetached())
        ::explicit_bzero(text.data(), size_t(text.size()) * sizeof(QChar));
    text = QString();
}

template <typename Secret> void wipe(std::optional<Secret>& secret) {
    if (secret)
        wipe(*secret);
    secret.reset();
}
