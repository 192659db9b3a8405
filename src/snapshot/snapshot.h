#pragma once

#include <QImage>
#include <QString>
#include <filesystem>
#include <string>

#include "snapshot/snapshot_args.h"

namespace ribaku::snapshot {

// Deals the layout with the game number and draws the board through the game's own engine
// and renderer, as the window would show it. Built-in tileset and background come from
// `programDir`, the shadow pieces from `resourceFolder`. Throws UsageError for a request
// the deal cannot satisfy and FileError for a file that cannot be read.
QImage RenderSnapshot(const SnapshotArgs& args, const std::filesystem::path& programDir,
                      const QString& resourceFolder);

// Deals the layout with the game number as RenderSnapshot does, takes --remove pairs off,
// and asks the solver about the board under the classic rule: the verdict on the first
// line, then for a winnable board its pairs in order, "first second" a line. Throws like
// RenderSnapshot.
std::string SolveSnapshot(const SnapshotArgs& args);

}  // namespace ribaku::snapshot
