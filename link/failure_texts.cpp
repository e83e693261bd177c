#include "link/failure_texts.h"

#include <QCoreApplication>
#include <QLocale>

namespace {

struct Words
{
    LinkFailure failure;
    const char* sentence;
    const char* fragment;
};

const Words FailureWords[] = {
    {LinkFailure::Refused,
     QT_TRANSLATE_NOOP("FailureTexts", "The connection was refused: nothing listens at that port."),
     QT_TRANSLATE_NOOP("FailureTexts", "refused: nothing listens at that port")},
    {LinkFailure::HostNotFound, QT_TRANSLATE_NOOP("FailureTexts", "The host name was not found."),
     QT_TRANSLATE_NOOP("FailureTexts", "the host name was not found")},
    {LinkFailure::ClosedByController, QT_TRANSLATE_NOOP("FailureTexts", "The controller closed the connection."),
     QT_TRANSLATE_NOOP("FailureTexts", "the controller closed the connection")},
    {LinkFailure::TimedOut, QT_TRANSLATE_NOOP("FailureTexts", "No connection within %1 s (timed out)."),
     QT_TRANSLATE_NOOP("FailureTexts", "no connection within %1 s")},
    {LinkFailure::NetworkUnreachable, QT_TRANSLATE_NOOP("FailureTexts", "The network is unreachable."),
     QT_TRANSLATE_NOOP("FailureTexts", "the network is unreachable")},
};

QString words(LinkFailure failure, bool whole, const QString& socketText, int connectTimeoutMs)
{
    for (const Words& known : FailureWords) {
        if (known.failure != failure)
            continue;
        const QString text = QCoreApplication::translate("FailureTexts", whole ? known.sentence : known.fragment);
        // "2", "0.5": the seconds as the language writes them.
        return failure == LinkFailure::TimedOut ? text.arg(QLocale().toString(connectTimeoutMs / 1000.0)) : text;
    }
    return socketText;
}

} // namespace

namespace FailureTexts {

QString sentence(LinkFailure failure, const QString& socketText, int connectTimeoutMs)
{
    return words(failure, true, socketText, connectTimeoutMs);
}

QString fragment(LinkFailure failure, const QString& socketText, int connectTimeoutMs)
{
    return words(failure, false, socketText, connectTimeoutMs);
}

} // namespace FailureTexts
