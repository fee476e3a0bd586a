// The installed font families, as the font dialog lists them.
#include <QFontDatabase>
#include <QStringList>

#include <iterator>

#include "platform/surface.h"

namespace velmora::platform {

// Families whose name does not fit a face name (31 units and the end mark)
// could not be chosen by that name, and the toolkit's private families are
// not for choosing: both are left out. A family that can write Hebrew
// reports the Hebrew character set.
void EnumerateFontFamilies(Surface*, FontFamilyVisitor visit, void* context) {
  const QStringList families = QFontDatabase::families();
  for (const QString& name : families) {
    FontFamily family;
    if (name.size() >= std::ssize(family.faceName) || QFontDatabase::isPrivateFamily(name))
      continue;
    name.toStdU16String().copy(family.faceName, std::size(family.faceName) - 1);
    if (QFontDatabase::writingSystems(name).contains(QFontDatabase::Hebrew)) {
      family.characterSet = kHebrewCharset;
    }
    if (visit(family, context) == 0) return;
  }
}

}  // namespace velmora::platform
