#pragma once

#include <QWidget>

// The drop prompt's dashed rounded square with a down arrow; accent-coloured while a drag of
// files hovers over the window.
class DropSymbol final : public QWidget {
    Q_OBJECT

public:
    explicit DropSymbol(QWidget* parent = nullptr);
    Q_DISABLE_COPY_MOVE(DropSymbol)

    bool isTargeted() const { return m_targeted; }
    void setTargeted(bool targeted);
    // The colour the outline is drawn in now.
    QColor outlineColor() const;

    static constexpr int side = 160;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool m_targeted = false;
};
