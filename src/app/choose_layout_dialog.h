#pragma once

#include <QDialog>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "layouts/catalog.h"
#include "layouts/chooser.h"

namespace ribaku {

// "Choose a new layout...": the layouts with a miniature of the selected one. Every change
// of the current line, by mouse or keyboard, previews that line, and only the line on show
// is played.
class TChooseLayout : public QDialog {
    Q_OBJECT
public:
    TChooseLayout(const LayoutCatalog& catalog, const QImage& background, QWidget* parent);

    const TChooser& chosen() const { return chooser_; }
    QListWidget* layoutList() const { return list_; }
    QLabel* fullName() const { return fullName_; }
    QPushButton* playButton() const { return play_; }
    const QImage& miniature() const { return miniature_; }

    // "Play this layout", Enter and a double click: closes only on a line that was read and
    // that the deal takes; otherwise says why and stays open.
    void accept() override;

private:
    void BuildControls();
    void LayOut();
    void LayoutListClick();
    void MinusRedraw();
    void ShowFullName(const QString& name);

    const LayoutCatalog& catalog_;
    const QImage& background_;
    TChooser chooser_;
    QImage minus_;
    QImage miniature_;
    QListWidget* list_ = nullptr;
    QLabel* preview_ = nullptr;
    QLabel* caption_ = nullptr;
    QLabel* fullName_ = nullptr;
    QPushButton* play_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

}  // namespace ribaku
