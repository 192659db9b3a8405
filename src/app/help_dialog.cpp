#include "app/help_dialog.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QScreen>
#include <QTabBar>
#include <QVBoxLayout>

#include "app/hall_page.h"
#include "app/help_pages.h"
#include "app/options_page.h"
#include "app/rtf_reader.h"
#include "app/tile_chart.h"
#include "game/game.h"

namespace ribaku {

THelpForm::THelpForm(Game& game, const render::Tileset& tileset,
                     const std::filesystem::path& programDir, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      tileset_(tileset) {
    setWindowTitle(QStringLiteral("Ribaku - Help"));
    setModal(true);
    setFixedSize(kClientSize);

    PageControl = new QTabWidget(this);
    PageControl->tabBar()->setAttribute(Qt::WA_Hover);  // tabs light up under the pointer
    PageControl->setDocumentMode(false);
    HelpText = CreateTextViewer(this);
    NewsText = CreateTextViewer(this);
    About = new AboutPanel(programDir, game.catalog.SavedLayoutsFolder(), this);
    French = new FrenchPanel(this);
    Tiles = new TileChartPanel(this);
    Options = new OptionsPanel(game, this);
    Hall = new HallPage(game, this);
    // Tab order follows HelpPage.
    PageControl->addTab(HelpText, QStringLiteral("Help"));
    PageControl->addTab(NewsText, QStringLiteral("What's New"));
    PageControl->addTab(CentredPage(About), QStringLiteral("About"));
    PageControl->addTab(CentredPage(French), QStringLiteral("French"));
    PageControl->addTab(CentredPage(Tiles), QStringLiteral("Tiles"));
    PageControl->addTab(CentredPage(Options), QStringLiteral("Options"));
    PageControl->addTab(CentredPage(Hall), QStringLiteral("Hall of Fame"));
    connect(About, &AboutPanel::pageWanted, this,
            [this](HelpPage page) { PageControl->setCurrentIndex(static_cast<int>(page)); });

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(4, 4, 4, 0);
    column->setSpacing(0);
    column->addWidget(PageControl, 1);
    column->addWidget(BottomBar());

    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    move(screen.x() + (screen.width() - width()) / 2,
         screen.y() + (screen.height() - height()) / 2);
}

// Each panel sits in the middle of its page, however large the largest page makes them all.
QWidget* THelpForm::CentredPage(QWidget* panel) {
    auto* page = new QWidget(this);
    auto* grid = new QGridLayout(page);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(panel, 0, 0, Qt::AlignCenter);
    return page;
}

QWidget* THelpForm::BottomBar() {
    auto* bar = new QWidget(this);
    bar->setFixedHeight(kBottomBarHeight);
    ReturnButton = new QPushButton(QStringLiteral("Return to Ribaku"), bar);
    QFont font;
    font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("Nimbus Sans")});
    font.setPixelSize(16);
    font.setBold(true);
    ReturnButton->setFont(font);
    ReturnButton->setFixedSize(177, 26);
    ReturnButton->setDefault(true);
    ReturnButton->setAutoDefault(true);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(ReturnButton, 0, Qt::AlignCenter);
    connect(ReturnButton, &QPushButton::clicked, this, &QDialog::accept);
    return bar;
}

void THelpForm::LoadTexts(const std::filesystem::path& programDir) {
    LoadRtfFile(programDir / "ribaku.rtf", *HelpText->document());
    LoadRtfFile(programDir / "whatsnew.rtf", *NewsText->document());
    for (QTextBrowser* viewer : {HelpText, NewsText})
        viewer->moveCursor(QTextCursor::Start);
}

void THelpForm::SetPicture(const QImage& picture) {
    About->setPicture(picture);
    French->setPicture(picture);
    Tiles->setPicture(picture);
}

void THelpForm::Prepare(HelpPage page) {
    PageControl->setCurrentIndex(static_cast<int>(page));
    Options->Prepare();
    Tiles->DrawChart(tileset_);
    Hall->Prepare();
    ReturnButton->setFocus();
    if (page == HelpPage::HallOfFame && !Hall->HallEdit1->isHidden()) Hall->HallEdit1->setFocus();
}

void THelpForm::Execute(HelpPage page) {
    Prepare(page);
    exec();
    hide();
}

}  // namespace ribaku
