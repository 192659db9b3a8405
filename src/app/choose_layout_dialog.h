#pragma once

#include <QDialog>
#include <QImage>
#include <QLabel>
#include <QListWidget>

#include "layouts/catalog.h"
#include "layouts/chooser.h"

namespace ribaku {

// "Choose a new layout...": the layouts with a miniature of the selected one.
class TChooseLayout : public QDialog {
    Q_OBJECT
public:
    TChooseLayout(const LayoutCatalog& catalog, const QImage& background, QWidget* parent);

    const TChooser& chosen() const { return chooser_; }
    QListWidget* layoutList() const { return list_; }
    const QImage& miniature() const { return miniature_; }

private:
    void LayoutListClick();
    void MinusRedraw();

    const LayoutCatalog& catalog_;
    const QImage& background_;
    TChooser chooser_;
    QImage minus_;
    QImage miniature_;
    QListWidget* list_;
    QLabel* preview_;
    QLabel* fullName_;
};

}  // namespace ribaku
