#pragma once

#include <QTextBrowser>
#include <filesystem>
#include <vector>

#include "app/picture_panel.h"
#include "core/help_page.h"

namespace ribaku {

// A read-only rich text viewer with a vertical scroll bar, on the tooltip colour.
QTextBrowser* CreateTextViewer(QWidget* parent);

// The about panel: name and version with its shadow, credits and four links.
class AboutPanel : public PicturePanel {
    Q_OBJECT
public:
    // `layoutsFolder`: where the player's own layouts go (LayoutCatalog::SavedLayoutsFolder).
    AboutPanel(const std::filesystem::path& programDir, const std::filesystem::path& layoutsFolder,
               QWidget* parent);

    const std::vector<LinkLabel*>& links() const { return links_; }

    static constexpr QSize kSize{393, 353};

signals:
    // A link to another page of the help dialog.
    void pageWanted(HelpPage page);

protected:
    void paintOverPicture(QPainter& painter) override;

private:
    void AddCredits();
    void AddLinks(const std::filesystem::path& programDir,
                  const std::filesystem::path& layoutsFolder);

    std::vector<LinkLabel*> links_;
};

// The short rules of the game in French.
class FrenchPanel : public PicturePanel {
    Q_OBJECT
public:
    explicit FrenchPanel(QWidget* parent);

    static constexpr QSize kSize{505, 368};

protected:
    void paintOverPicture(QPainter& painter) override;
};

}  // namespace ribaku
