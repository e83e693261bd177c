#include "check/check_runner.h"

#include "check/check_link.h"
#include "check/check_report.h"
#include "check/check_results_sink.h"
#include "check/command_outputs.h"
#include "link/cm_netmessge.h"
#include "link/protocol.h"

namespace {

// Modes 0 and 1 are the machine's own: a mode switch never asks for them.
constexpr int LowestSentMode = Protocol::ModeTrade;

} // namespace

CheckRunner::CheckRunner(const Checklist& checklist, Clock clock, const Options& runOptions, QObject* parent)
    : QObject(parent)
    , list(checklist)
    , now(std::move(clock))
    , options(runOptions)
    , stepResults(checklist.steps.size())
{
    ticker.setInterval(options.tickMs);
    connect(&ticker, &QTimer::timeout, this, &CheckRunner::tick);
}

CheckRunner::~CheckRunner()
{
    settleNow();
    delete client;
}

bool CheckRunner::linkUp() const
{
    return client && client->linkState() == CM_NetMessge::LinkState::Connected;
}

qint64 CheckRunner::remainingMs(int step) const
{
    if (step != current || current < 0)
        return 0;
    const CheckStep& running = list.steps.at(current);
    const int limit = asking ? running.questionMs : running.expect.value(condition).withinMs;
    return qMax<qint64>(0, (asking ? stepStart : conditionStart) + limit - now());
}

void CheckRunner::runAll()
{
    QVector<int> all;
    for (int n = 0; n < list.steps.size(); ++n)
        all << n;
    start(all);
}

void CheckRunner::runOne(int step)
{
    if (step >= 0 && step < list.steps.size())
        start({step});
}

void CheckRunner::start(const QVector<int>& steps)
{
    if (phase != Phase::Idle)
        return;
    queue = steps;
    next = 0;
    for (int step : steps) {
        stepResults[step] = Result();
        emit stepChanged(step);
    }
    if (!client) {
        client = CheckLink::makeClient();
        connect(client, &CM_NetMessge::SendXStateAnswer, this, &CheckRunner::takeAnswer);
        connect(client, &CM_NetMessge::LinkStateChanged, this, &CheckRunner::linkStateChanged);
        client->startPolling(Protocol::RequestXState, options.pollMs);
    }
    originalMode = -1;
    phase = Phase::Connecting;
    linkDownSince = now();
    ticker.start();
}

void CheckRunner::stop()
{
    end(Status::Skipped);
}

void CheckRunner::end(Status rest)
{
    if (phase != Phase::Connecting && phase != Phase::Stepping)
        return;
    if (current >= 0) {
        if (asking)
            emit questionWithdrawn();
        endStep(Status::NotFinished);
    }
    for (; next < queue.size(); ++next) {
        stepResults[queue.at(next)].status = rest;
        emit stepChanged(queue.at(next));
        emit stepEnded(queue.at(next));
    }
    settle();
}

void CheckRunner::answer(bool yes)
{
    if (!asking || current < 0)
        return;
    if (yes)
        endStep(Status::Passed, QString(), tr("Yes"));
    else
        endStep(Status::Failed, tr("Yes"), tr("No"));
    startNext();
}

QString CheckRunner::statusText(Status status)
{
    switch (status) {
    case Status::Waiting:
        return tr("waiting");
    case Status::Running:
        return tr("running");
    case Status::Passed:
        return tr("passed");
    case Status::Failed:
        return tr("failed");
    case Status::TimedOut:
        return tr("timed out");
    case Status::Skipped:
        return tr("skipped");
    case Status::NotFinished:
        return tr("not finished");
    }
    return QString();
}

void CheckRunner::takeAnswer(const _tag_getxstate_answer& answer)
{
    lastMode = answer.mode;
    if (modeOwed && answer.mode == originalMode)
        modeOwed = false;
    switch (phase) {
    case Phase::Connecting:
        originalMode = answer.mode;
        phase = Phase::Stepping;
        startNext();
        break;
    case Phase::Stepping:
        if (current < 0)
            startNext(); // back after a lost link
        else if (!asking)
            judge(answer);
        break;
    case Phase::Settling:
        ++answersSinceSettle;
        // The second answer's poll left after the last request: all of them have arrived.
        if (answersSinceSettle >= 2 && !modeOwed && owed.empty())
            finish();
        break;
    case Phase::Idle:
        break;
    }
}

void CheckRunner::linkStateChanged()
{
    const bool up = linkUp();
    if (up == wasUp)
        return;
    wasUp = up;
    emit linkChanged(up);
    if (!up) {
        linkDownSince = now();
        if (current >= 0) {
            if (asking)
                emit questionWithdrawn();
            endStep(Status::NotFinished);
        }
        return;
    }
    switchOffOwed();
    restoreMode();
    // The steps go on with the next answer.
}

void CheckRunner::tick()
{
    if (phase == Phase::Idle) {
        ticker.stop();
        return;
    }
    if (phase == Phase::Settling) {
        if (now() - settleStart >= options.settleMs)
            finish();
        return;
    }
    if (!linkUp() && now() - linkDownSince >= options.linkWaitMs) {
        end(Status::NotFinished);
        return;
    }
    if (current >= 0) {
        checkLimit();
        if (current >= 0)
            emit stepChanged(current); // the countdown
    }
}

void CheckRunner::startNext()
{
    if (phase != Phase::Stepping || current >= 0)
        return;
    if (next >= queue.size()) {
        settle();
        return;
    }
    if (!linkUp())
        return;
    beginStep(queue.at(next++));
}

void CheckRunner::beginStep(int step)
{
    const CheckStep& s = list.steps.at(step);
    current = step;
    stepStart = now();
    condition = 0;
    conditionStart = stepStart;
    answers = 0;
    pulses = 0;
    stepResults[step] = Result();
    stepResults[step].status = Status::Running;
    emit stepChanged(step);
    if (!s.question.isEmpty() && !options.askQuestions) {
        endStep(Status::Skipped);
        startNext();
        return;
    }
    if (!send(s)) {
        endStep(Status::NotFinished);
        return;
    }
    unjudged = s.send == CheckStep::Send::Nothing ? 0 : 1;
    asking = !s.question.isEmpty();
    if (asking)
        emit questionAsked(step, s.question);
}

bool CheckRunner::send(const CheckStep& step)
{
    switch (step.send) {
    case CheckStep::Send::Nothing:
        return true;
    case CheckStep::Send::Mode:
        return client->SendMessage(Protocol::RequestModeSwitch, step.code, 0, 0) > 0;
    case CheckStep::Send::Command: {
        // Owed before it is sent: a lost link may take the request but not the answer.
        const QVector<int> outputs = CommandOutputs::of(step.code);
        for (int out : outputs)
            owed.insert(out);
        return client->SendMessage(Protocol::RequestCommand, step.code, step.parameter1, step.parameter2) > 0;
    }
    case CheckStep::Send::Output:
        if (step.value)
            owed.insert(step.code);
        return client->SendMessage(Protocol::RequestOutput, step.code, step.value, 0) > 0;
    }
    return false;
}

void CheckRunner::judge(const _tag_getxstate_answer& answer)
{
    if (unjudged > 0) {
        --unjudged;
        return;
    }
    const CheckCondition& c = list.steps.at(current).expect.at(condition);
    const int value = RecordFields::value(answer, c.field);
    if (answers == 0)
        first = value;
    if (c.kind == CheckCondition::Kind::Pulses && answers > 0 && last == 0 && value != 0)
        ++pulses;
    ++answers;
    last = value;
    stepResults[current].watched = valueText(c, value);
    switch (c.kind) {
    case CheckCondition::Kind::Becomes:
        if (value == c.value)
            conditionMet(value);
        break;
    case CheckCondition::Kind::RisesBy:
        if (value - first >= c.value)
            conditionMet(value);
        break;
    case CheckCondition::Kind::Pulses:
        if (pulses >= c.value)
            conditionMet(value);
        break;
    case CheckCondition::Kind::Stays:
        if (value != c.value)
            endStep(Status::Failed, expectedText(c), seenText(c));
        break;
    }
    if (current >= 0)
        checkLimit();
    startNext();
}

void CheckRunner::checkLimit()
{
    const CheckStep& s = list.steps.at(current);
    const int limit = asking ? s.questionMs : s.expect.at(condition).withinMs;
    if (now() - (asking ? stepStart : conditionStart) < limit)
        return;
    if (asking) {
        emit questionWithdrawn();
        endStep(Status::TimedOut, tr("Yes"), tr("no answer"));
    } else if (answers == 0) {
        endStep(Status::TimedOut, expectedText(s.expect.at(condition)), tr("no answer from the machine"));
    } else if (s.expect.at(condition).kind == CheckCondition::Kind::Stays) {
        conditionMet(last);
    } else {
        endStep(Status::Failed, expectedText(s.expect.at(condition)), seenText(s.expect.at(condition)));
    }
    startNext();
}

void CheckRunner::conditionMet(int value)
{
    const CheckStep& s = list.steps.at(current);
    const CheckCondition& c = s.expect.at(condition);
    if (condition + 1 < s.expect.size()) {
        ++condition;
        conditionStart = now();
        answers = 0;
        pulses = 0;
        return;
    }
    endStep(Status::Passed, QString(), c.kind == CheckCondition::Kind::Becomes ? valueText(c, value) : seenText(c));
}

void CheckRunner::endStep(Status status, const QString& expected, const QString& seen)
{
    Result& result = stepResults[current];
    result.status = status;
    result.expected = expected;
    result.seen = seen;
    result.watched.clear();
    result.tookMs = now() - stepStart;
    const int ended = current;
    current = -1;
    asking = false;
    switchOffOwed();
    emit stepChanged(ended);
    emit stepEnded(ended);
}

void CheckRunner::switchOffOwed()
{
    if (!linkUp())
        return;
    for (auto it = owed.begin(); it != owed.end();) {
        if (client->SendMessage(Protocol::RequestOutput, *it, 0, 0) > 0)
            it = owed.erase(it);
        else
            ++it;
    }
}

void CheckRunner::restoreMode()
{
    if (modeOwed && linkUp())
        client->SendMessage(Protocol::RequestModeSwitch, originalMode, 0, 0);
}

void CheckRunner::settle()
{
    phase = Phase::Settling;
    settleStart = now();
    answersSinceSettle = 0;
    if (originalMode >= LowestSentMode && lastMode != originalMode)
        modeOwed = true;
    // Without a link nothing can be confirmed: what is owed goes when the link is back.
    if (!linkUp()) {
        finish();
        return;
    }
    switchOffOwed();
    restoreMode();
}

void CheckRunner::finish()
{
    phase = Phase::Idle;
    ticker.stop();
    CheckResultsSink::deliver(CheckReport::json(*this));
    emit finished();
}

// What is still owed, at once: for the end of the runner.
void CheckRunner::settleNow()
{
    if (!linkUp())
        return;
    switchOffOwed();
    if (modeOwed || (phase != Phase::Idle && originalMode >= LowestSentMode && lastMode != originalMode))
        client->SendMessage(Protocol::RequestModeSwitch, originalMode, 0, 0);
    CheckLink::flush(client);
}

// The temperature in degrees, the rest as the answer carries it.
QString CheckRunner::amount(const CheckCondition& c, int value)
{
    if (c.field.name == QLatin1String("boiler_temperature"))
        return tr("%1 °C").arg(value / 10.0, 0, 'f', 1);
    return QString::number(value);
}

QString CheckRunner::valueText(const CheckCondition& c, int value) const
{
    return tr("%1 = %2").arg(c.field.name, amount(c, value));
}

QString CheckRunner::expectedText(const CheckCondition& c) const
{
    switch (c.kind) {
    case CheckCondition::Kind::Becomes:
        return valueText(c, c.value);
    case CheckCondition::Kind::RisesBy:
        return tr("%1 rises by %2").arg(c.field.name, amount(c, c.value));
    case CheckCondition::Kind::Pulses:
        return tr("%1 pulses %2 times").arg(c.field.name).arg(c.value);
    case CheckCondition::Kind::Stays:
        return tr("%1 stays %2").arg(c.field.name).arg(c.value);
    }
    return QString();
}

QString CheckRunner::seenText(const CheckCondition& c) const
{
    switch (c.kind) {
    case CheckCondition::Kind::RisesBy:
        return tr("%1 rose by %2").arg(c.field.name, amount(c, last - first));
    case CheckCondition::Kind::Pulses:
        return tr("%1 pulsed %2 times").arg(c.field.name).arg(pulses);
    case CheckCondition::Kind::Becomes:
    case CheckCondition::Kind::Stays:
        break;
    }
    return valueText(c, last);
}
