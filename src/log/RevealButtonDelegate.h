#pragma once

#include <QIcon>
#include <QPersistentModelIndex>
#include <QStyledItemDelegate>

// Draws a cell as a borderless button showing one symbol and reports clicks on it. Painting
// stands in for a button widget per row, which a long log could not afford.
class RevealButtonDelegate final : public QStyledItemDelegate {
    Q_OBJECT

public:
    explicit RevealButtonDelegate(QObject* parent = nullptr);
    Q_DISABLE_COPY_MOVE(RevealButtonDelegate)

    void setIcon(const QIcon& icon) { m_icon = icon; }

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

signals:
    void clicked(const QModelIndex& index);

protected:
    bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                     const QModelIndex& index) override;

private:
    QIcon m_icon;
    QPersistentModelIndex m_pressed;
};
