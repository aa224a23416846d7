#pragma once

#include <functional>

class QWidget;

namespace kmq::ui {

// Runs `action` once, as soon as the widget has been painted for the first
// time and that picture has gone to the screen: for work that should not
// hold up the first sight of a window.
void afterFirstPaint(QWidget* widget, std::function<void()> action);

}  // namespace kmq::ui
