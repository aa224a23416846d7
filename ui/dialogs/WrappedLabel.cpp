#include "ui/dialogs/WrappedLabel.h"

#include <QPainter>

namespace kmq::ui {
namespace {

// Punctuation that must not begin a line; it hangs at the end of the one
// before instead.
bool closesPhrase(QChar c) {
    return QStringLiteral("，。、：；！？）」』").contains(c);
}

class LineBreaker {
public:
    LineBreaker(const QFontMetrics& metrics, int width) : metrics_(metrics), width_(width) {}

    // A phrase goes whole onto this line or, failing that, the next; only
    // one too wide for any line is split.
    void add(const QString& phrase) {
        if (!fits(lines_.back() + phrase) && fits(phrase) && !lines_.back().isEmpty())
            lines_.append(QString{});
        if (fits(lines_.back() + phrase)) {
            lines_.back() += phrase;
            return;
        }
        for (const QChar c : phrase) {
            if (!lines_.back().isEmpty() && !closesPhrase(c) && !fits(lines_.back() + c))
                lines_.append(QString{});
            lines_.back() += c;
        }
    }

    QStringList lines() const { return lines_; }

private:
    bool fits(const QString& text) const { return metrics_.horizontalAdvance(text) <= width_; }

    const QFontMetrics& metrics_;
    int width_;
    QStringList lines_{QString{}};
};

}  // namespace

WrappedLabel::WrappedLabel(const QString& text, QWidget* parent) : WrappedLabel(QStringList{text}, parent) {}

WrappedLabel::WrappedLabel(const QStringList& phrases, QWidget* parent)
    : QLabel(phrases.join(QString{}), parent), phrases_(phrases) {}

QStringList WrappedLabel::lines() const {
    const QFontMetrics metrics(font());
    LineBreaker breaker(metrics, width());
    for (const QString& phrase : phrases_) breaker.add(phrase);
    return breaker.lines();
}

void WrappedLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    const QFontMetrics metrics(font());
    const QStringList lines = this->lines();
    const int step = std::min(metrics.height(), height() / static_cast<int>(lines.size()));
    for (int i = 0; i < lines.size(); ++i) painter.drawText(0, metrics.ascent() + i * step, lines[i]);
}

}  // namespace kmq::ui
