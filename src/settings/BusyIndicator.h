#pragma once

#include <QTimer>
#include <QWidget>

// A small spinning arc for work of unknown length; it turns only while shown.
class BusyIndicator final : public QWidget {
    Q_OBJECT

public:
    explicit BusyIndicator(QWidget* parent = nullptr);
    Q_DISABLE_COPY_MOVE(BusyIndicator)

    QSize sizeHint() const override { return {16, 16}; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    QTimer m_timer;
    int m_angle = 0;
};
