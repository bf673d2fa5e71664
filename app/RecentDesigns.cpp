#include "RecentDesigns.h"

#include "SettingsStore.h"

#include <QFileInfo>

#include <memory>

namespace {
const QString kRecentKey = QStringLiteral("Designer/Recent");
constexpr qsizetype kMostRecent = 8;
} // namespace

QStringList RecentDesigns() {
    const std::unique_ptr<QSettings> store = OpenSettingsStore();
    QStringList recent = store->value(kRecentKey).toStringList();
    recent.removeAll(QString());
    return recent.mid(0, kMostRecent);
}

void NoteRecentDesign(const QString& path) {
    const QString full = QFileInfo(path).absoluteFilePath();
    QStringList recent = RecentDesigns();
    recent.removeAll(full);
    recent.prepend(full);
    const std::unique_ptr<QSettings> store = OpenSettingsStore();
    store->setValue(kRecentKey, recent.mid(0, kMostRecent));
}
