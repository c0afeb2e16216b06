#include "packagemanagedinstallation.h"

#include "shell/installationlayout.h"

#include <QFileInfo>

bool isPackageManagedInstallation(const QString &programFile)
{
    return InstallationLayout(QFileInfo(programFile).absolutePath()).isPackageManaged();
}
