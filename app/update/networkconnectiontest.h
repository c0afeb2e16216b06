#pragma once

#include "connectiontest.h"

// Asks the system's network information. Where no backend can tell, the
// computer counts as connected and a failing download speaks for itself.
// Only "disconnected" counts as no connection: a local or site network may
// well hold the update server.
class NetworkConnectionTest : public ConnectionTest
{
public:
    bool isConnected() override;
};
