#pragma once

#include <QImage>
#include <QWidget>
#include <functional>

namespace ribaku {

// Shows a picture composed elsewhere (the board, the hall-of-fame panel) and reports the
// pointer in the picture's own pixels.
class ImageView : public QWidget {
    Q_OBJECT
public:
    ImageView(const QImage& picture, QWidget* parent);

    std::function<void(QPoint, Qt::MouseButton)> onRelease;
    std::function<void(QPoint)> onMove;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    const QImage& picture_;
};

}  // namespace ribaku
