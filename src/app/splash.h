#pragma once

#include <QDialog>

namespace ribaku {

// "Welcome to Ribaku...": one picture, shown while the main window is built.
class TSplash : public QDialog {
    Q_OBJECT
public:
    explicit TSplash(QWidget* parent = nullptr);

    // Shows the splash and paints its picture before returning: the main window is built on
    // the same thread, so no event would paint it until that is done.
    void ShowPainted();
};

}  // namespace ribaku
