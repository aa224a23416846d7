#pragma once

#include <QLabel>
#include <QStringList>

namespace kmq::ui {

// A label for Chinese text in a box laid out for a compact font. Lines
// break between phrases: a line takes as many whole phrases as fit its
// width, so a word is never split; a phrase wider than the label wraps
// character by character, as a Chinese paragraph does. Closing punctuation
// never begins a line. Chinese fonts come with tall lines, so the lines are
// squeezed together when they would not otherwise fit its height.
class WrappedLabel : public QLabel {
    Q_OBJECT
public:
    // The text as one phrase.
    WrappedLabel(const QString& text, QWidget* parent);
    // The text is the phrases one after another.
    WrappedLabel(const QStringList& phrases, QWidget* parent);

    // The lines as they are drawn, for the label's width and font.
    QStringList lines() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QStringList phrases_;
};

}  // namespace kmq::ui
