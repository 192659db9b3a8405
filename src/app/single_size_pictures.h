#pragma once

#include <QSortFilterProxyModel>

namespace ribaku {

// Hides the twice-the-size companions ("name@2x.bmp") from a list of pictures: the program
// reads them beside their picture by itself, and chosen alone they would be drawn at the
// wrong size.
class SingleSizePictures : public QSortFilterProxyModel {
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

protected:
    bool filterAcceptsRow(int row, const QModelIndex& parent) const override;
};

}  // namespace ribaku
