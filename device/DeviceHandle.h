#pragma once

// The open transmitter: a descriptor that takes one 9-byte report per write, -1 while no connection is open.
// The user-interface thread's alone; the device writer is handed the descriptor with each report.
inline int deviceHandle = -1;
