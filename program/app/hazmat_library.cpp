#include "app/hazmat_library.h"

#include "frontend/library_text.h"

namespace velmora {

QString fromLibraryText(const char *text)
{
    return text ? QString::fromStdString(frontend::libraryTextToUtf8(text)) : QString();
}

} // namespace velmora
