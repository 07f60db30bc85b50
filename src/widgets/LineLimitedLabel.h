#pragma once

#include <QWidget>

// A word-wrapped text of at most a few lines; what does not fit ends in an ellipsis.
class LineLimitedLabel final : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString text READ text WRITE setText)

public:
    explicit LineLimitedLabel(int maximumLines, QWidget* parent = nullptr);
    Q_DISABLE_COPY_MOVE(LineLimitedLabel)

    QString text() const { return m_text; }
    void setText(const QString& text);
    void setAlignment(Qt::Alignment alignment);
    // Draws in the theme's secondary text colour instead of the role's.
    void setSecondary(bool secondary);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QStringList layoutLines(int width) const;

    QString m_text;
    int m_maximumLines;
    Qt::Alignment m_alignment = Qt::AlignLeft;
    bool m_secondary = false;
};
