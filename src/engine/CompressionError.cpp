#include "CompressionError.h"

QString CompressionError::errorDescription() const {
    switch (m_kind) {
    case Kind::forbidden:
        return qtTrId("error.forbidden").arg(m_payload);
    case Kind::missingItem:
        return qtTrId("error.missing").arg(m_payload);
    case Kind::toolFailed: {
        // Tool messages are shown verbatim; only an empty one gets a generic text.
        const QString trimmed = m_payload.trimmed();
        return trimmed.isEmpty() ? qtTrId("error.failed") : trimmed;
    }
    case Kind::cancelled:
        return qtTrId("error.cancelled");
    case Kind::noItems:
        return qtTrId("error.noItems");
    case Kind::allSkipped:
        return qtTrId("error.allSkipped");
    case Kind::folderCreate:
        return qtTrId("error.folderCreate");
    case Kind::notOurs:
        return qtTrId("cleanup.notOurs").arg(m_payload);
    }
    return {};
}
