#include "platform/qt/qt_desktop_shell.h"

#include <QDesktopServices>
#include <QDir>
#include <QUrl>

#include "platform/qt/qt_text.h"

namespace platform::qt {

namespace {
// A web address or other URL, as opposed to a file's path.
bool IsUrl(const QString& target) {
    const QUrl url(target);
    return url.isValid() && url.scheme().size() > 1;  // not a drive letter
}
}  // namespace

int QtDesktopShell::ShellOpen(const ShellOpenRequest& request) {
    const QString target = ToQt(request.file).trimmed();
    if (target.isEmpty()) return 2;
    QUrl url;
    if (IsUrl(target)) {
        url = QUrl(target);
    } else {
        const QDir base(request.directory.empty() ? QDir::currentPath() : ToQt(request.directory));
        url = QUrl::fromLocalFile(base.absoluteFilePath(target));
    }
    return QDesktopServices::openUrl(url) ? 42 : 2;
}

}  // namespace platform::qt
