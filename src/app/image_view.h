#pragma once

#include <QImage>
#include <QWidget>
#include <functional>

namespace ribaku {

// Shows a picture composed elsewhere (the board, the hall-of-fame panel), of a fixed size
// even while the picture is not made yet, and reports the pointer in points. A picture of a
// whole multiple of the widget's size is shown at that many pixels a point.
class ImageView : public QWidget {
    Q_OBJECT
public:
    ImageView(const QImage& picture, QSize size, QWidget* parent);

    std::function<void(QPoint, Qt::MouseButton)> onRelease;
    std::function<void(QPoint)> onMove;
    std::function<void()> onLeave;
    // Told the new device pixel ratio when the widget moves to another screen.
    std::function<void(qreal)> onRatioChange;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    const QImage& picture_;
};

}  // namespace ribaku
