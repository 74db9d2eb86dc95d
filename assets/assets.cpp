#include "assets/assets.h"

namespace kolomaf {

QString picture(const char *name)
{
    return QStringLiteral(":/assets/") + QString::fromLatin1(name) + QStringLiteral(".svg");
}

} // namespace kolomaf
