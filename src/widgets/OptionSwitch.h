#pragma once

#include <QAbstractButton>

// An on/off switch that does not flip itself: a click only asks to be turned, and the owner
// decides (after a confirmation, perhaps) and then sets the shown state.
class OptionSwitch final : public QAbstractButton {
    Q_OBJECT

public:
    explicit OptionSwitch(const QString& text, QWidget* parent = nullptr);
    Q_DISABLE_COPY_MOVE(OptionSwitch)

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

signals:
    // The user wants the switch turned to `on`.
    void turnRequested(bool on);

protected:
    void nextCheckState() override;
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& position) const override;

private:
    static constexpr int trackWidth = 32;
    static constexpr int trackHeight = 18;
    static constexpr int textSpacing = 8;
};
