#include "vistaprogdesignerplugin.h"

#include "vistaprog.h"
#include "vistaprogpictures.h"

#include <QPixmap>

VistaProgDesignerPlugin::VistaProgDesignerPlugin(QObject *parent) : QObject(parent) {}

QString VistaProgDesignerPlugin::name() const
{
    return QStringLiteral("VistaProg");
}

QString VistaProgDesignerPlugin::group() const
{
    return QStringLiteral("Meterlin");
}

QString VistaProgDesignerPlugin::toolTip() const
{
    return QStringLiteral("Progress bar");
}

QString VistaProgDesignerPlugin::whatsThis() const
{
    return QStringLiteral("A progress bar with a green fill proportional to Value / Max.");
}

QString VistaProgDesignerPlugin::includeFile() const
{
    return QStringLiteral("vistaprog.h");
}

QIcon VistaProgDesignerPlugin::icon() const
{
    return QIcon(QPixmap::fromImage(VistaProgPictures::toolboxPicture()));
}

bool VistaProgDesignerPlugin::isContainer() const
{
    return false;
}

QWidget *VistaProgDesignerPlugin::createWidget(QWidget *parent)
{
    return new VistaProg(parent);
}
