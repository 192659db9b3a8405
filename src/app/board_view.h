#pragma once

#include <QImage>
#include <QWidget>
#include <functional>

namespace ribaku {

// The board image `Game`: shows the composed board picture and reports the pointer in
// its own pixels.
class BoardView : public QWidget {
    Q_OBJECT
public:
    BoardView(const QImage& picture, QWidget* parent);

    // Repaints the rectangle of the picture now, without waiting for the event loop.
    void RepaintRect(const QRect& area) { repaint(area); }

    std::function<void(QPoint, Qt::MouseButton)> onRelease;
    std::function<void(QPoint)> onMove;

    static constexpr QSize kSize{704, 468};

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    const QImage& picture_;
};

}  // namespace ribaku
