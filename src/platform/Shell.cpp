#include "platform/Shell.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

namespace pelcor {

int DesktopShell::open(const std::string& target) {
    const QString text = QString::fromStdString(target);
    const bool web = text.startsWith("http://") || text.startsWith("https://");
    if (!web && !QFileInfo(text).exists()) return 2;
    const QUrl url = web ? QUrl(text) : QUrl::fromLocalFile(text);
    return QDesktopServices::openUrl(url) ? 42 : 31;
}

} // namespace pelcor
