#include "QuillmarkDoc.h"

#include "OpenLink.h"
#include "ResourceIds.h"

#include <QCoreApplication>
#include <QFileInfo>

QString HelpFilePath(const QString& executablePath) {
    const QFileInfo file(executablePath);
    return file.path() + QLatin1Char('/') + file.completeBaseName() + QStringLiteral(".htm");
}

bool CQuillmarkDoc::OnCommand(int id) {
    switch (id) {
    case ids::kHelpTopics:
        // Failure is silent: there is nothing the user could do about it here.
        OpenLink(HelpFilePath(QCoreApplication::applicationFilePath()));
        return true;
    case ids::kOnlineSupport:
        OpenLink(QString::fromLatin1(kOnlineSupportAddress));
        return true;
    default:
        return false;
    }
}

bool CQuillmarkDoc::OnUpdateCommand(int id, CommandState&) {
    return id == ids::kHelpTopics || id == ids::kOnlineSupport;
}
