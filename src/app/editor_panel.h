#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QWidget>

namespace ribaku {

// The editor's panel, in the place of the toolbar while a layout is edited: the tiles still
// to place and the layout's name.
class EditorPanel : public QWidget {
    Q_OBJECT
public:
    explicit EditorPanel(QWidget* parent);

    static constexpr int kHeight = 33;

    void setTilesLeft(int tiles);
    QString tilesLeftText() const { return tilesLeft_->text(); }
    QLineEdit* nameEdit() const { return name_; }  // Edit1

private:
    QLabel* tilesLeft_;  // Label40
    QLineEdit* name_;
};

}  // namespace ribaku
