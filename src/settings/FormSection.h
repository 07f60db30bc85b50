#pragma once

#include <QWidget>

class OptionSwitch;
class QLabel;
class QVBoxLayout;

// How an option row stands: `padding` more above and below, `betweenTexts` from title to subtitle.
struct OptionRowSpacing {
    int padding = 0;
    int betweenTexts = 2;
};

// One group of a settings pane: an optional heading above a rounded box of rows, with a thin
// line between rows, as desktop settings windows draw their lists.
class FormSection final : public QWidget {
    Q_OBJECT

public:
    // An empty heading leaves the heading out.
    explicit FormSection(const QString& heading, QWidget* parent = nullptr);
    Q_DISABLE_COPY_MOVE(FormSection)

    // Adds a row; the row's layout margins are set here, `padding` more above and below.
    void addRow(QWidget* row, int padding = 0);
    // A row of a title (with a smaller, quieter subtitle below) and a switch on the right.
    OptionSwitch* addOptionRow(const QString& name, const QString& title, const QString& subtitle,
                               OptionRowSpacing spacing = {});

    // The subtitle look: caption size, secondary colour, wrapped.
    static QLabel* makeCaption(const QString& text, QWidget* parent);

private:
    QVBoxLayout* m_rows;
};
