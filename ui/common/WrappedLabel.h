#pragma once

#include <QLabel>

namespace kmq::ui {

// A label whose text wraps character by character and whose lines are
// squeezed together when they would not otherwise fit its height. Chinese
// fonts come with tall lines; a prompt laid out for a compact font still
// shows whole.
class WrappedLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace kmq::ui
