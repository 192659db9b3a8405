#pragma once

#include <QDialog>
#include <QImage>
#include <QPushButton>
#include <QTabWidget>
#include <QTextBrowser>
#include <filesystem>

#include "core/help_page.h"

namespace ribaku {

class Game;
class AboutPanel;
class FrenchPanel;
class HallPage;
class OptionsPanel;
class TileChartPanel;
namespace render {
class Tileset;
}

// The help dialog: help and news texts, about box, French rules, tile chart, options and
// hall of fame, one page each. It is made once at start-up and shown modally, on the page a
// command asks for, by Execute.
class THelpForm : public QDialog {
    Q_OBJECT
public:
    THelpForm(Game& game, const render::Tileset& tileset, const std::filesystem::path& programDir,
              QWidget* parent);

    // "ribaku.rtf" and "whatsnew.rtf" from the program's folder.
    void LoadTexts(const std::filesystem::path& programDir);
    // The decorative picture of the about, French and tiles pages; null for none.
    void SetPicture(const QImage& picture);

    // Shows `page`, modally, with the options, the tile chart and the hall freshly drawn;
    // returns once the dialog is closed, by its button or its close box.
    void Execute(HelpPage page);
    // Everything Execute does before showing the dialog.
    void Prepare(HelpPage page);

    QTabWidget* PageControl;
    QTextBrowser* HelpText;
    QTextBrowser* NewsText;
    AboutPanel* About;
    FrenchPanel* French;
    TileChartPanel* Tiles;
    OptionsPanel* Options;
    HallPage* Hall;
    QPushButton* ReturnButton;

    static constexpr QSize kClientSize{616, 445};
    static constexpr int kBottomBarHeight = 32;

private:
    QWidget* CentredPage(QWidget* panel);
    QWidget* BottomBar();

    const render::Tileset& tileset_;
};

}  // namespace ribaku
