#pragma once

#include <QIcon>
#include <QImage>
#include <QToolButton>
#include <QWidget>
#include <array>

namespace ribaku {

// The toolbar `Tools`: ten flat buttons with glyphs and coloured bold captions, thin
// separators between the groups, and optionally a tiled background picture.
class Toolbar : public QWidget {
    Q_OBJECT
public:
    enum Button { New, Back, Hint, Shuffle, Pause, Music, Help, About, HallOfFame, Exit, Count };

    explicit Toolbar(QWidget* parent);

    QToolButton* button(Button b) const { return buttons_[b]; }
    QIcon glyph(Button b) const { return buttons_[b]->icon(); }

    void setBackgroundPicture(bool shown);  // "Cool Toolbar"
    void setFlat(bool flat);                // "Cool Buttons"
    // "Pause" and "Play" are one button with two faces.
    void showPaused(bool paused);

    static constexpr int kHeight = 33;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::array<QToolButton*, Count> buttons_{};
    QImage background_;
    bool backgroundShown_ = true;
};

}  // namespace ribaku
