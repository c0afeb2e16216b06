#pragma once

// Answers whether the computer can reach the internet at all, before the
// update window bothers a server.
class ConnectionTest
{
public:
    virtual ~ConnectionTest() = default;
    virtual bool isConnected() = 0;
};
