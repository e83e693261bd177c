#pragma once

#include "check/checklist.h"
#include "link/state_records.h"

#include <QObject>
#include <QString>
#include <QTimer>
#include <QVector>

#include <functional>
#include <set>

class CM_NetMessge;

// Runs the steps of a checklist against the machine, one at a time, through one link client
// that polls for extended answers. Each step sends its command as the panels send it, then
// judges the answers that follow: the first answer after a command is not judged, as its poll
// may have left before the command.
//
// A step ends passed, failed (the machine answered, but not as expected: expected and seen
// are named), timed out (no answer came within the limit, or no reply to a question), skipped
// (a question with nobody to ask, or a step the stopped run did not reach) or not finished
// (cut off by a lost link or a stop).
//
// Safe by construction: every output a step's command switches on is switched off when the
// step ends, however it ends; those the lost link kept it from switching off are switched off
// as soon as the link is back. No step starts while the link is down. When the run ends the
// machine is switched back to the mode it was in before (modes 0 and 1 are never sent). The
// destructor does what is still owed while the link is up.
//
// Time is the clock passed in (ms); limits and the countdown are read on it.
class CheckRunner : public QObject
{
    Q_OBJECT

public:
    enum class Status { Waiting, Running, Passed, Failed, TimedOut, Skipped, NotFinished };
    Q_ENUM(Status)

    struct Result
    {
        Status status = Status::Waiting;
        QString expected; // failed: what was expected
        QString seen;     // failed: what was seen; passed: the value that passed
        QString watched;  // running: the value being watched
        qint64 tookMs = 0;
    };

    struct Options
    {
        int pollMs = 100;         // the extended answer's poll, as the panels poll
        int tickMs = 50;          // how often limits are looked at, in real time
        bool askQuestions = true; // false: question steps are skipped
        int linkWaitMs = 30000;   // the run ends when the link stays down so long
        int settleMs = 5000;      // the longest wait for the mode to be back at the end
    };

    using Clock = std::function<qint64()>;

    CheckRunner(const Checklist& checklist, Clock clock, const Options& options, QObject* parent = nullptr);
    ~CheckRunner() override;

    const Checklist& checklist() const { return list; }
    const QVector<Result>& results() const { return stepResults; }
    bool isRunning() const { return phase != Phase::Idle; }
    bool linkUp() const;
    // The link client of the run, none before the first.
    const CM_NetMessge* link() const { return client; }
    // True once the run has had an answer from the machine.
    bool reachedMachine() const { return originalMode >= 0; }
    // Of the running step: the time left before its current limit, else 0.
    qint64 remainingMs(int step) const;

    void runAll();
    void runOne(int step);
    // Ends the run: the running step is not finished, those not reached are skipped.
    void stop();
    // The technician's answer to the question asked.
    void answer(bool yes);

    static QString statusText(Status status);

signals:
    void stepChanged(int step);
    // The step has its result: passed, failed, timed out, skipped or not finished.
    void stepEnded(int step);
    void questionAsked(int step, const QString& question);
    // The question asked is no longer wanted (the run stopped or the link was lost).
    void questionWithdrawn();
    void linkChanged(bool up);
    void finished();

private:
    enum class Phase { Idle, Connecting, Stepping, Settling };

    void start(const QVector<int>& steps);
    void end(Status rest);
    void takeAnswer(const _tag_getxstate_answer& answer);
    void linkStateChanged();
    void tick();
    void startNext();
    void beginStep(int step);
    bool send(const CheckStep& step);
    void judge(const _tag_getxstate_answer& answer);
    void checkLimit();
    void conditionMet(int value);
    void endStep(Status status, const QString& expected = QString(), const QString& seen = QString());
    void switchOffOwed();
    void restoreMode();
    void settle();
    void finish();
    void settleNow();
    static QString amount(const CheckCondition& c, int value);
    QString valueText(const CheckCondition& c, int value) const;
    QString expectedText(const CheckCondition& c) const;
    QString seenText(const CheckCondition& c) const;

    const Checklist list;
    const Clock now;
    const Options options;
    QVector<Result> stepResults;
    CM_NetMessge* client = nullptr;
    QTimer ticker;
    bool wasUp = false;

    Phase phase = Phase::Idle;
    QVector<int> queue;
    int next = 0;
    int current = -1;
    bool asking = false;
    qint64 stepStart = 0;
    qint64 linkDownSince = 0;

    // The condition being judged.
    int condition = 0;
    qint64 conditionStart = 0;
    int unjudged = 0; // answers still to let pass
    int answers = 0;  // answers judged for this condition
    int first = 0;
    int last = 0;
    int pulses = 0;

    int originalMode = -1;
    int lastMode = -1;
    bool modeOwed = false;
    std::set<int> owed; // outputs to switch off
    qint64 settleStart = 0;
    int answersSinceSettle = 0;
};
