#include "connection/link_factory.h"

#include "settings/controller_address.h"
#include "settings/settings_store.h"

namespace {

LinkTiming& currentTiming()
{
    static LinkTiming timing;
    return timing;
}

} // namespace

namespace LinkFactory {

LinkEndpoint endpointOf(const QString& host, const QString& port)
{
    const ControllerAddress address = ControllerAddress::fromSettings(host, port);
    LinkEndpoint endpoint;
    endpoint.host = address.host;
    endpoint.port = address.port;
    endpoint.valid = address.valid;
    endpoint.ipv6 = isIpv6Address(address.host);
    endpoint.givenHost = host;
    endpoint.givenPort = port;
    return endpoint;
}

LinkEndpoint storedEndpoint()
{
    return endpointOf(SettingsStore::controllerHost(), SettingsStore::controllerPort());
}

LinkTiming timing()
{
    return currentTiming();
}

void setTiming(const LinkTiming& timing)
{
    currentTiming() = timing;
}

CM_NetMessge* newClient()
{
    return newClient(storedEndpoint());
}

CM_NetMessge* newClient(const LinkEndpoint& endpoint)
{
    return new CM_NetMessge(endpoint, timing());
}

} // namespace LinkFactory
