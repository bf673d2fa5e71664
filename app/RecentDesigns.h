#pragma once

#include <QString>
#include <QStringList>

// The design files last saved or opened, newest first, as the settings store
// keeps them (section "Designer", key "Recent").
QStringList RecentDesigns();
// Puts the file first among the recent designs.
void NoteRecentDesign(const QString& path);
