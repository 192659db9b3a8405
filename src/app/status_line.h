#pragma once

#include <QLabel>
#include <QWidget>
#include <functional>

namespace ribaku {

// The status line `LigneStatus`: "Tiles", "Moves left", "Time" and "Status", each a bold
// caption followed by a sunken value panel. Clicking "Moves left" or "Time" toggles them.
class StatusLine : public QWidget {
    Q_OBJECT
public:
    explicit StatusLine(QWidget* parent);

    void setTiles(const QString& text) { tiles_->setText(text); }
    void setMoves(const QString& text) { moves_->setText(text); }
    void setTime(const QString& text) { time_->setText(text); }
    void setStatus(const QString& text) { status_->setText(text); }
    QString status() const { return status_->text(); }
    QString tiles() const { return tiles_->text(); }
    QString moves() const { return moves_->text(); }
    QString time() const { return time_->text(); }

    std::function<void()> onMovesCaptionClicked;
    std::function<void()> onTimeCaptionClicked;

    static constexpr int kHeight = 27;

private:
    QLabel* AddCaption(const QString& text, std::function<void()>* onClick);
    QLabel* AddValue(const QString& initial, int width);

    QLabel* tiles_;
    QLabel* moves_;
    QLabel* time_;
    QLabel* status_;
};

}  // namespace ribaku
