#pragma once

#include <QDialog>

namespace ribaku {

// "Welcome to Ribaku...": one picture, shown while the main window is built.
class TSplash : public QDialog {
    Q_OBJECT
public:
    explicit TSplash(QWidget* parent = nullptr);
};

}  // namespace ribaku
