#include "app/toolbar.h"

#include <QFrame>
#include <QPainter>

namespace ribaku {
namespace {

struct ButtonSpec {
    const char* caption;
    const char* hint;
    int x;
    int width;
    Qt::GlobalColor colour;
    const char* glyph;
};

const ButtonSpec kButtons[Toolbar::Count] = {
    {"New", "New game", 5, 59, Qt::darkBlue, "glyph_new"},
    {"Back", "Undo move", 70, 60, Qt::darkBlue, "glyph_back"},
    {"Hint", "Show possible moves", 136, 56, Qt::darkBlue, "glyph_hint"},
    {"Shuffle", "Shuffle tiles", 198, 76, Qt::darkBlue, "glyph_shuffle"},
    {"Pause", "Pause game", 280, 68, Qt::darkBlue, "glyph_pause"},
    {"Music", "Pause music", 354, 66, Qt::darkRed, "glyph_music"},
    {"Help", "Help :)", 426, 65, Qt::darkRed, "glyph_help"},
    {"About", "Who made this game", 497, 71, Qt::darkRed, "glyph_about"},
    {"Hall of Fame", "Best of the best :)", 574, 114, Qt::darkRed, "glyph_halloffame"},
    {"Exit", "Don't leave me !! :(", 694, 61, Qt::darkRed, "glyph_exit"},
};

constexpr int kSeparators[] = {66, 132, 194, 276, 350, 422, 493, 570, 690};

QIcon Glyph(const char* name) {
    return QIcon(QStringLiteral(":/res/%1.png").arg(QLatin1String(name)));
}

}  // namespace

Toolbar::Toolbar(QWidget* parent)
    : QWidget(parent), background_(QStringLiteral(":/res/toolbar.bmp")) {
    setFixedHeight(kHeight);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(13);
    font.setBold(true);
    for (int b = 0; b < Count; ++b) {
        const ButtonSpec& spec = kButtons[b];
        auto* button = new QToolButton(this);
        button->setText(QString::fromUtf8(spec.caption));
        button->setToolTip(QString::fromUtf8(spec.hint));
        button->setIcon(Glyph(spec.glyph));
        button->setIconSize(QSize(20, 20));
        button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        button->setFont(font);
        button->setGeometry(spec.x, 3, spec.width, 27);
        button->setFocusPolicy(Qt::NoFocus);
        QPalette palette = button->palette();
        palette.setColor(QPalette::ButtonText, spec.colour);
        palette.setColor(QPalette::Disabled, QPalette::ButtonText, Qt::gray);
        button->setPalette(palette);
        buttons_[b] = button;
    }
    for (int x : kSeparators) {
        auto* line = new QFrame(this);
        line->setFrameShape(QFrame::VLine);
        line->setFrameShadow(QFrame::Sunken);
        line->setGeometry(x + 1, 5, 2, 23);
    }
    setFlat(true);
}

void Toolbar::setBackgroundPicture(bool shown) {
    backgroundShown_ = shown;
    update();
}

void Toolbar::setFlat(bool flat) {
    for (QToolButton* button : buttons_)
        button->setAutoRaise(flat);
}

void Toolbar::showPaused(bool paused) {
    QToolButton* button = buttons_[Pause];
    button->setText(paused ? QStringLiteral("Play") : QStringLiteral("Pause"));
    button->setIcon(Glyph(paused ? "glyph_play" : "glyph_pause"));
}

void Toolbar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (backgroundShown_ && !background_.isNull()) {
        painter.drawTiledPixmap(rect(), QPixmap::fromImage(background_));
    } else {
        painter.fillRect(rect(), palette().window());
    }
}

}  // namespace ribaku
