#pragma once

#include <QWidget>

class DropSymbol;
class DropView;
class MainModel;
class QLabel;
class QProgressBar;
class QPushButton;

// The middle of the main window: the drop prompt, or the progress of a run once it has been
// going for a moment. The whole zone takes drops of files while no run is busy.
class DropZone final : public QWidget {
    Q_OBJECT

public:
    explicit DropZone(MainModel& model, QWidget* parent = nullptr);
    Q_DISABLE_COPY_MOVE(DropZone)

    DropView* dropView() const { return m_dropView; }

    // Whether the progress display (rather than the drop prompt) is the one to show now.
    static bool showsProgress(const MainModel& model);

protected:
    void changeEvent(QEvent* event) override;

private:
    QWidget* buildPrompt();
    QWidget* buildProgress();
    void refresh();

    MainModel& m_model;
    DropView* m_dropView;
    QWidget* m_prompt = nullptr;
    DropSymbol* m_symbol = nullptr;
    QLabel* m_dropText = nullptr;
    QWidget* m_progress = nullptr;
    QProgressBar* m_progressBar = nullptr;
    QLabel* m_progressText = nullptr;
    QLabel* m_progressAmount = nullptr;
    QPushButton* m_stopButton = nullptr;
};
