#include "app/hazmat_library.h"

namespace velmora {

QString fromLibraryText(const char *text)
{
    return text ? QString::fromUtf8(text) : QString();
}

} // namespace velmora
