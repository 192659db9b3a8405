#pragma once

#include <QImage>
#include <QLabel>
#include <QUrl>
#include <QWidget>

namespace ribaku {

// A fixed-size panel that paints the help dialog's decorative picture, stretched, beneath
// its children. Without a picture it shows the plain window colour.
class PicturePanel : public QWidget {
    Q_OBJECT
public:
    PicturePanel(QSize size, QWidget* parent);

    void setPicture(const QImage& picture);
    const QImage& picture() const { return picture_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    // What the panel paints over its picture; nothing by default.
    virtual void paintOverPicture(QPainter&) {}

private:
    QImage picture_;
};

// An underlined navy text that opens its address through the system shell (a file or a
// folder with the player's viewer), or, without an address, only says it was activated.
class LinkLabel : public QLabel {
    Q_OBJECT
public:
    LinkLabel(const QString& text, const QUrl& url, QWidget* parent);

    QUrl url() const { return url_; }

signals:
    void activated();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QUrl url_;
};

}  // namespace ribaku
