#include "check/check_link.h"

#include "connection/link_factory.h"
#include "history/program_history.h"
#include "link/cm_netmessge.h"

#include <QTcpSocket>

namespace CheckLink {

CM_NetMessge* makeClient()
{
    CM_NetMessge* client = LinkFactory::newClient();
    ProgramHistory::follow(client);
    return client;
}

void flush(CM_NetMessge* client)
{
    if (auto* socket = client->findChild<QTcpSocket*>())
        socket->flush();
}

} // namespace CheckLink
