#pragma once

#include <QTextBrowser>

// A read-only but selectable text read from a resource, drawn in a colour of the palette (the text
// colour unless a subclass says otherwise) that follows palette and style changes.
class ResourceTextView : public QTextBrowser {
    Q_OBJECT

public:
    explicit ResourceTextView(int documentMargin, QWidget* parent = nullptr);

protected:
    // Shows `resource` as rich text, or `fallback` as plain text in `fallbackSize` points when it
    // cannot be read; tells whether it was read. Call recolour() once the text is final.
    bool showResource(const QString& resource, const QString& fallback, int fallbackSize);
    void recolour();
    void changeEvent(QEvent* event) override;

    virtual QColor textColour() const;
};
