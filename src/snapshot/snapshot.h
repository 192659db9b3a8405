#pragma once

#include <QImage>
#include <QString>
#include <filesystem>

#include "snapshot/snapshot_args.h"

namespace ribaku::snapshot {

// Deals the layout with the game number and draws the board through the game's own engine
// and renderer, as the window would show it. Built-in tileset and background come from
// `programDir`, the shadow pieces from `resourceFolder`. Throws UsageError for a request
// the deal cannot satisfy and FileError for a file that cannot be read.
QImage RenderSnapshot(const SnapshotArgs& args, const std::filesystem::path& programDir,
                      const QString& resourceFolder);

}  // namespace ribaku::snapshot
