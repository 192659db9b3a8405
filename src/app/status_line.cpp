#include "app/status_line.h"

#include <QHBoxLayout>
#include <QMouseEvent>

namespace ribaku {
namespace {

// A caption that runs a handler when clicked.
class ClickableLabel : public QLabel {
public:
    ClickableLabel(const QString& text, std::function<void()>* onClick, QWidget* parent)
        : QLabel(text, parent), onClick_(onClick) {
        if (onClick_) setCursor(Qt::PointingHandCursor);
    }

protected:
    void mouseReleaseEvent(QMouseEvent* event) override {
        if (onClick_ && *onClick_ && event->button() == Qt::LeftButton) (*onClick_)();
    }

private:
    std::function<void()>* onClick_;
};

}  // namespace

StatusLine::StatusLine(QWidget* parent) : QWidget(parent) {
    setFixedHeight(kHeight);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(4, 2, 4, 2);
    row->setSpacing(4);
    row->addWidget(AddCaption(QStringLiteral("Tiles"), nullptr));
    row->addWidget(tiles_ = AddValue(QStringLiteral("--"), 40));
    row->addWidget(AddCaption(QStringLiteral("Moves left"), &onMovesCaptionClicked));
    row->addWidget(moves_ = AddValue(QStringLiteral("--"), 40));
    row->addWidget(AddCaption(QStringLiteral("Time"), &onTimeCaptionClicked));
    row->addWidget(time_ = AddValue(QStringLiteral("--:--"), 56));
    row->addWidget(AddCaption(QStringLiteral("Status"), nullptr));
    row->addWidget(status_ = AddValue(QString(), 0), 1);
}

QLabel* StatusLine::AddCaption(const QString& text, std::function<void()>* onClick) {
    auto* caption = new ClickableLabel(text, onClick, this);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(13);
    font.setBold(true);
    caption->setFont(font);
    return caption;
}

QLabel* StatusLine::AddValue(const QString& initial, int width) {
    auto* value = new QLabel(initial, this);
    QFont font(QStringLiteral("Times New Roman"));
    font.setPixelSize(15);
    font.setBold(true);
    value->setFont(font);
    value->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    value->setAlignment(width ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter);
    if (width) value->setFixedWidth(width);
    return value;
}

}  // namespace ribaku
