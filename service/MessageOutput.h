#pragma once

// How the program's messages go out, before anything is said: one line each on stderr, "tessaly: " and the
// message; under the journal (stderr is the stream systemd named in JOURNAL_STREAM) the line starts with
// its priority instead, as the journal reads it, and the journal adds the name. Warnings and notes go out;
// verbose adds every folder's details (tessaly.*.debug), as QT_LOGGING_RULES can too.
void SetUpMessageOutput();
void TellDetails(bool verbose);
