#include "app/ApplicationTitle.h"

#include <QCoreApplication>
#include <QFileInfo>

QString ApplicationTitleFor(const QString& executablePath) {
    // Only the last extension goes, as a Windows program name "Pr.Red.exe" keeps "Pr.Red".
    const QString name = QFileInfo(executablePath).completeBaseName();
    if (name.isEmpty())
        return name;
    return name.left(1) + name.mid(1).toLower();
}

QString ApplicationTitle() {
    return ApplicationTitleFor(QCoreApplication::applicationFilePath());
}
