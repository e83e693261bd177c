#pragma once

#include "link/cm_netmessge.h"
#include "link/link_endpoint.h"
#include "link/link_timing.h"

#include <QString>

// The one place that makes link clients: a panel, or anything else that talks to the
// controller, gets its client here, configured from an address and the link's timing.
namespace LinkFactory {

// The endpoint of an address and port as stored or typed (see ControllerAddress).
LinkEndpoint endpointOf(const QString& host, const QString& port);
// The endpoint of the address and port in the settings.
LinkEndpoint storedEndpoint();
// The link's timing, for every client made from now on; tests shorten it.
LinkTiming timing();
void setTiming(const LinkTiming& timing);

// A new client to the controller of the settings; the caller owns it.
CM_NetMessge* newClient();
// A new client to `endpoint`; the caller owns it.
CM_NetMessge* newClient(const LinkEndpoint& endpoint);

} // namespace LinkFactory
