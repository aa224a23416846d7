#include "ui/common/WrappedLabel.h"

#include <QPainter>
#include <QStringList>

namespace kmq::ui {
namespace {

// Punctuation that must not begin a line; it hangs at the end of the one
// before instead.
bool closesPhrase(QChar c) {
    return QStringLiteral("，。、：；！？）」』").contains(c);
}

QStringList wrapToWidth(const QString& text, const QFontMetrics& metrics, int width) {
    QStringList lines(QString{});
    for (const QChar c : text) {
        if (!lines.back().isEmpty() && !closesPhrase(c) &&
            metrics.horizontalAdvance(lines.back() + c) > width)
            lines.append(QString{});
        lines.back() += c;
    }
    return lines;
}

}  // namespace

void WrappedLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    const QFontMetrics metrics(font());
    const QStringList lines = wrapToWidth(text(), metrics, width());
    const int step = std::min(metrics.height(), height() / static_cast<int>(lines.size()));
    for (int i = 0; i < lines.size(); ++i) painter.drawText(0, metrics.ascent() + i * step, lines[i]);
}

}  // namespace kmq::ui
