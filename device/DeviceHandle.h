#pragma once

// The open transmitter: a descriptor that takes one 9-byte report per write, -1 while no connection is open.
inline int deviceHandle = -1;
