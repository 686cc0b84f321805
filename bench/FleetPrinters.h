#pragma once

#include <QtGlobal>

// The printers of the fleet benchmark, run in a process of their own so that their work is not
// counted as the station's: count simulated printers on loopback, each on a TCP port of its own and
// answering discovery on the loopback broadcast address at discoveryPort. Once all listen it prints
// "READY" and their ports. Commands on standard input, one a line:
//   changes N   from now on every printer changes its state N times a second (0 stops), their
//               first changes spread over one period; "changes 0" answers "sent K", the state
//               reports the printers sent since the changes started.
//   status I W  printer I (from 0) takes the status word W and reports it, as a state change at a
//               moment the benchmark knows
//   restart W O every printer is switched off once at a random moment within W milliseconds (its
//               connections end, its port refuses) and on again O milliseconds later; answers
//               "restarted" once every printer listens again.
// The end of the input ends the program.
int RunFleetPrinters(int argc, char* argv[], int count, quint16 discoveryPort);
