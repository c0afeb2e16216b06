#include "networkconnectiontest.h"

#include <QNetworkInformation>

bool NetworkConnectionTest::isConnected()
{
    if (!QNetworkInformation::instance() &&
        !QNetworkInformation::loadBackendByFeatures(QNetworkInformation::Feature::Reachability)) {
        return true;
    }
    const QNetworkInformation *information = QNetworkInformation::instance();
    if (!information || !information->supports(QNetworkInformation::Feature::Reachability)) {
        return true;
    }
    return information->reachability() != QNetworkInformation::Reachability::Disconnected;
}
