#include "app/help_pages.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QPainter>
#include <QToolTip>
#include <QVBoxLayout>

namespace ribaku {
namespace {

const QString kVersionTitle = QStringLiteral("RIBAKU 5.36");
constexpr int kTitleTop = 16;

QLabel* AddLabel(const QString& text, QWidget* parent, bool bold = false, bool italic = false) {
    auto* label = new QLabel(text, parent);
    QFont font = label->font();
    font.setBold(bold);
    font.setItalic(italic);
    label->setFont(font);
    return label;
}

QFont VersionFont() {
    QFont font;
    font.setFamilies({QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"),
                      QStringLiteral("Nimbus Mono PS"), QStringLiteral("DejaVu Sans Mono")});
    font.setPixelSize(32);
    font.setBold(true);
    return font;
}

// Text is easier to read on a soft light ground than straight on the picture.
void PaintCard(QPainter& painter, const QRect& area) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(128, 64, 32, 90), 1));
    painter.setBrush(QColor(255, 250, 240, 185));
    painter.drawRoundedRect(QRectF(area).adjusted(0.5, 0.5, -0.5, -0.5), 8, 8);
    painter.restore();
}

const char* const kFrenchRules =
    "<html><head><style>p { margin-top: 0px; margin-bottom: 9px; }</style></head><body>"
    "<p style='margin-bottom:4px'><b style='font-size:17px; color:#800000'>Ribaku &ndash; "
    "les r&egrave;gles du jeu</b></p>"
    "<p>Le but du jeu&nbsp;: vider le plateau en retirant les 144 tuiles deux par deux, par "
    "paires identiques.</p>"
    "<p><b>Une tuile est libre</b> quand aucune tuile ne la recouvre, m&ecirc;me en partie, "
    "et que son c&ocirc;t&eacute; gauche ou son c&ocirc;t&eacute; droit est "
    "d&eacute;gag&eacute;. Seules les tuiles libres peuvent &ecirc;tre prises.</p>"
    "<p>Cliquez sur une tuile libre, puis sur une tuile libre identique&nbsp;: la paire "
    "dispara&icirc;t. Toutes les <b>Fleurs</b> vont ensemble, toutes les <b>Saisons</b> "
    "aussi, malgr&eacute; leurs images diff&eacute;rentes.</p>"
    "<p>Bloqu&eacute;&nbsp;? <b>Hint</b> montre une paire (40 secondes de "
    "p&eacute;nalit&eacute;), <b>Back</b> remet en place la derni&egrave;re paire et "
    "<b>Shuffle</b> m&eacute;lange les tuiles restantes (10 secondes par coup "
    "trouv&eacute;).</p>"
    "<p>Le plateau est vide&nbsp;? C'est gagn&eacute;&nbsp;! Les dix meilleurs temps de "
    "chaque disposition entrent au <b>Hall of Fame</b>.</p>"
    "<p>Pour changer&nbsp;: <b>Rivers</b>, o&ugrave; une paire se rejoint par un chemin "
    "d'au plus trois traits droits&nbsp;; <b>Memory</b>, aux tuiles retourn&eacute;es&nbsp;; "
    "et la partie <b>&agrave; deux joueurs</b>.</p>"
    "<p align='right'><i>Bon jeu&nbsp;!</i></p></body></html>";

}  // namespace

QTextBrowser* CreateTextViewer(QWidget* parent) {
    auto* viewer = new QTextBrowser(parent);
    viewer->setReadOnly(true);
    viewer->setOpenLinks(false);
    viewer->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QPalette palette = viewer->palette();
    palette.setColor(QPalette::Base, QToolTip::palette().color(QPalette::ToolTipBase));
    palette.setColor(QPalette::Text, QToolTip::palette().color(QPalette::ToolTipText));
    viewer->setPalette(palette);
    viewer->document()->setDocumentMargin(10);
    return viewer;
}

AboutPanel::AboutPanel(const std::filesystem::path& programDir,
                       const std::filesystem::path& layoutsFolder, QWidget* parent)
    : PicturePanel(kSize, parent) {
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(24, 70, 24, 14);
    column->setSpacing(4);
    AddCredits();
    AddLinks(programDir, layoutsFolder);
}

void AboutPanel::AddCredits() {
    auto* column = static_cast<QVBoxLayout*>(layout());
    QLabel* subtitle =
        AddLabel(QStringLiteral("Mah-jongg tile-matching solitaire"), this, false, true);
    subtitle->setAlignment(Qt::AlignHCenter);
    column->addWidget(subtitle);
    column->addSpacing(10);

    auto* credits = new QGridLayout;
    credits->setHorizontalSpacing(10);
    credits->setVerticalSpacing(3);
    const std::pair<const char*, const char*> lines[] = {
        {"Program:", "The Ribaku developers"},
        {"Music:", "Our own MIDI generator, note by note"},
        {"Artwork:", "Our own picture generators"},
        {"Support:", "The Ribaku team"},
        {"Inspiration:", "A box of mah-jongg tiles"}};
    int row = 0;
    for (const auto& [role, names] : lines) {
        QLabel* roleLabel = AddLabel(QString::fromLatin1(role), this, true);
        roleLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        credits->addWidget(roleLabel, row, 0);
        credits->addWidget(AddLabel(QString::fromLatin1(names), this), row, 1);
        ++row;
    }
    credits->setColumnStretch(1, 1);
    column->addLayout(credits);
    column->addSpacing(10);
    QLabel* thanks = AddLabel(QStringLiteral("Thank you for playing Ribaku!"), this, true);
    thanks->setAlignment(Qt::AlignHCenter);
    column->addWidget(thanks);
    column->addSpacing(6);
    QLabel* site =
        AddLabel(QStringLiteral("More to read, and a place for your own layouts:"), this);
    site->setAlignment(Qt::AlignHCenter);
    column->addWidget(site);
}

// Everything the links open is on the player's machine: two pages of this dialog, the
// folder where new layouts go, and the licence that stands beside the program.
void AboutPanel::AddLinks(const std::filesystem::path& programDir,
                          const std::filesystem::path& layoutsFolder) {
    auto* column = static_cast<QVBoxLayout*>(layout());
    const auto addLink = [&](const QString& text, const QUrl& url) {
        auto* link = new LinkLabel(text, url, this);
        column->addWidget(link, 0, Qt::AlignHCenter);
        links_.push_back(link);
        return link;
    };
    const auto localFile = [&](const char* name) {
        return QUrl::fromLocalFile(QString::fromStdString((programDir / name).string()));
    };
    connect(addLink(QStringLiteral("How to play Ribaku"), {}), &LinkLabel::activated, this,
            [this] { emit pageWanted(HelpPage::Help); });
    connect(addLink(QStringLiteral("What's new in this version"), {}), &LinkLabel::activated, this,
            [this] { emit pageWanted(HelpPage::WhatsNew); });
    addLink(QStringLiteral("Your own layouts: the Layouts folder"),
            QUrl::fromLocalFile(QString::fromStdString(layoutsFolder.string())));
    addLink(QStringLiteral("Licence of the artwork and music"), localFile("LICENSE"));
    column->addStretch(1);
}

// The name twice: grey first, then red two pixels up and to the left, for a shadow.
void AboutPanel::paintOverPicture(QPainter& painter) {
    PaintCard(painter, rect().adjusted(12, 60, -12, -10));
    painter.setFont(VersionFont());
    const QFontMetrics metrics(painter.font());
    const int x = (width() - metrics.horizontalAdvance(kVersionTitle)) / 2;
    const int baseline = kTitleTop + metrics.ascent();
    painter.setPen(QColor(128, 128, 128));
    painter.drawText(x, baseline, kVersionTitle);
    painter.setPen(QColor(255, 0, 0));
    painter.drawText(x - 2, baseline - 2, kVersionTitle);
}

FrenchPanel::FrenchPanel(QWidget* parent) : PicturePanel(kSize, parent) {
    auto* text = new QLabel(QString::fromUtf8(kFrenchRules), this);
    text->setWordWrap(true);
    text->setTextFormat(Qt::RichText);
    text->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    text->setContentsMargins(14, 10, 14, 10);
    text->setGeometry(rect().adjusted(14, 14, -14, -14));
}

void FrenchPanel::paintOverPicture(QPainter& painter) {
    PaintCard(painter, rect().adjusted(14, 14, -14, -14));
}

}  // namespace ribaku
