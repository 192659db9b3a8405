#include "app/single_size_pictures.h"

namespace ribaku {

bool SingleSizePictures::filterAcceptsRow(int row, const QModelIndex& parent) const {
    const QString name = sourceModel()->index(row, 0, parent).data().toString();
    const qsizetype dot = name.lastIndexOf(u'.');
    return !(dot >= 3 && name.sliced(0, dot).endsWith(u"@2x", Qt::CaseInsensitive));
}

}  // namespace ribaku
