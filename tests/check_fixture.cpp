#include "check_fixture.h"

#include "link/protocol.h"
#include "test_support.h"

CheckFixture::CheckFixture()
{
    clock.start();
    server.setSpeed(Speed);
    server.listen(QHostAddress::LocalHost, 0);
    setControllerAddress(QStringLiteral("127.0.0.1"), server.serverPort());
}

std::unique_ptr<CheckRunner> CheckFixture::runner(const Checklist& checklist)
{
    CheckRunner::Options options;
    options.pollMs = 20;
    options.tickMs = 10;
    QElapsedTimer* elapsed = &clock;
    return std::make_unique<CheckRunner>(
        checklist, [elapsed] { return elapsed->elapsed() * Speed; }, options);
}

bool CheckFixture::runAll(CheckRunner& runner)
{
    QSignalSpy finished(&runner, &CheckRunner::finished);
    runner.runAll();
    return finished.wait(120000);
}

QList<int> CheckFixture::outputsOn()
{
    QList<int> on;
    for (int n = 0; n < Protocol::OutputCount; ++n) {
        if (server.model().output(n))
            on << n;
    }
    return on;
}
