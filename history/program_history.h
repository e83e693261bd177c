#pragma once

class HistoryModel;
class HistoryRecorder;
class CM_NetMessge;
class QByteArray;

// The history of this run of the program: one for all panels, kept from the first panel
// shown until the program ends, whichever panels open and close meanwhile.
namespace ProgramHistory {

HistoryModel& model();
HistoryRecorder& recorder();

// Records what `client` does from now on: its connection, its answers and its loss. The
// recording ends with the client.
void follow(CM_NetMessge* client);
// A request a panel gave `client` to send, and what SendMessage returned for it.
void requested(const CM_NetMessge* client, int type, int arg1, int arg2, int arg3, int result);

} // namespace ProgramHistory
