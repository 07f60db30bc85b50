#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class QVBoxLayout;

// The frame shared by the name and password sheets: a window-modal dialog over the main window
// that only the model closes. Escape and the window's close button press the cancel button, so
// the waiting run always hears an answer.
class PromptSheet : public QDialog {
    Q_OBJECT

public:
    PromptSheet(int width, QWidget* parent);
    Q_DISABLE_COPY_MOVE(PromptSheet)

    // Opens or closes the sheet to match the model's flag.
    void setPresented(bool presented);

public slots:
    void reject() override;

protected:
    QLabel* titleLabel() const { return m_title; }
    QVBoxLayout* content() const { return m_content; }
    // Adds the row of cancel and default buttons under the content.
    void addButtons(QPushButton* cancel, QPushButton* confirm);
    // Brings the fields up to date before the sheet opens.
    virtual void refresh() = 0;

private:
    QLabel* m_title;
    QVBoxLayout* m_content;
    QPushButton* m_cancel = nullptr;
};
