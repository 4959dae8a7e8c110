#pragma once

#include <QPixmap>
#include <QWidget>

#include <functional>

// The floor plan's picture box: it shows its drawing layer, which keeps what was drawn
// on it until it is drawn again, and passes pointer events on in canvas pixels.
class FloorCanvas final : public QWidget
{
    Q_OBJECT

public:
    explicit FloorCanvas(QWidget *parent);

    QPixmap &layer() { return m_layer; }
    const QPixmap &layer() const { return m_layer; }

    std::function<void(Qt::MouseButton, QPointF)> onPress;
    std::function<void(Qt::MouseButtons, QPointF)> onMove;
    std::function<void(Qt::MouseButton, QPointF)> onRelease;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QPixmap m_layer;
};
