#pragma once

#include <QPixmap>
#include <QWidget>

namespace kmq::ui {

class Main;

// One hole of the board, B(n): shows the shared peg picture or nothing, so
// the hole of the board picture shows through. A press on it belongs to the
// cell until every button is up again; its presses and releases go to the
// board window's move handling.
class PegCell : public QWidget {
    Q_OBJECT
public:
    static constexpr int Size = 21;

    PegCell(Main* board, int index, const QPixmap& peg);

    bool ShowsPeg() const { return !picture_.isNull(); }
    const QPixmap& Picture() const { return picture_; }
    void ShowPicture(const QPixmap& picture);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    Main* board_;
    int index_;
    QPixmap picture_;
};

}  // namespace kmq::ui
