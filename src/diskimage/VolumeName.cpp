#include "VolumeName.h"

#include <QString>
#include <QTextBoundaryFinder>

std::string VolumeName::cut(const std::string& name, std::size_t maximumBytes) {
    const QString text = QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
    QTextBoundaryFinder boundaries(QTextBoundaryFinder::Grapheme, text);
    qsizetype fitting = 0;
    for (qsizetype boundary = boundaries.toNextBoundary(); boundary > 0;
         boundary = boundaries.toNextBoundary()) {
        if (static_cast<std::size_t>(text.left(boundary).toUtf8().size()) > maximumBytes)
            break;
        fitting = boundary;
    }
    // The label is padded with spaces, so trailing ones would be lost anyway.
    QString label = text.left(fitting);
    while (!label.isEmpty() && label.back().isSpace())
        label.chop(1);
    return label.toStdString();
}
