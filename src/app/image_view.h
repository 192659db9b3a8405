#pragma once

#include <QImage>
#include <QWidget>
#include <functional>

namespace ribaku {

// Shows a picture composed elsewhere (the board, the hall-of-fame panel), of a fixed size
// even while the picture is not made yet, and reports the pointer in the picture's pixels.
class ImageView : public QWidget {
    Q_OBJECT
public:
    ImageView(const QImage& picture, QSize size, QWidget* parent);

    std::function<void(QPoint, Qt::MouseButton)> onRelease;
    std::function<void(QPoint)> onMove;
    std::function<void()> onLeave;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    const QImage& picture_;
};

}  // namespace ribaku
