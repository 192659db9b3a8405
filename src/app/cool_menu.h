#pragma once

#include <QMenu>

namespace ribaku {

// A drop-down menu that shows a title band with the program's name down its left side
// while "Cool Menu" is on.
class CoolMenu : public QMenu {
    Q_OBJECT
public:
    CoolMenu(const QString& title, QWidget* parent);

    void setBand(bool shown);
    bool band() const { return band_; }

    static constexpr int kBandWidth = 16;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool band_ = false;
};

}  // namespace ribaku
