#include "ArchiveAction.h"

const QList<ArchiveAction>& allArchiveActions() {
    static const QList<ArchiveAction> actions{ArchiveAction::compress, ArchiveAction::email,
                                              ArchiveAction::archive};
    return actions;
}

QString actionWord(ArchiveAction action) {
    switch (action) {
    case ArchiveAction::compress:
        return QStringLiteral("compress");
    case ArchiveAction::email:
        return QStringLiteral("email");
    case ArchiveAction::archive:
        return QStringLiteral("archive");
    }
    return {};
}
