#pragma once

#include <QPointF>
#include <QWidget>

#include "core/BoardGeometry.h"
#include "core/MoveHandler.h"
#include "ui/board/ScaledPicture.h"

namespace kmq::ui {

// One hole of the board: shows the peg picture or nothing, so the hole of the
// board picture shows through. A press on it belongs to the cell until every
// button is up again; it reports its presses and releases of the game's
// buttons, with the point in its own pixels.
class PegCell : public QWidget {
    Q_OBJECT
public:
    static constexpr int Size = 21;

    PegCell(CellIndex cell, const ScaledPicture& pegPicture, QWidget* parent);

    bool showsPeg() const { return showsPeg_; }
    void showPeg(bool shown);

signals:
    void pressed(kmq::CellIndex cell, kmq::MouseButton button, QPointF at);
    void released(kmq::CellIndex cell, kmq::MouseButton button, QPointF at);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    static QPointF exactPosition(const QMouseEvent* event);

    CellIndex cell_;
    const ScaledPicture& pegPicture_;  // shared by all cells
    bool showsPeg_ = true;
};

}  // namespace kmq::ui
