#include "service/HeadlessRun.h"
#include "service/SessionBusProbe.h"
#include "service/StartOptions.h"

#include <chrono>
#include <csignal>

// tessaly --headless hands over to this program: the same run without any window library loaded.
int main(int argc, char* argv[])
{
    // A vanished device peer must fail the write, not end the process.
    std::signal(SIGPIPE, SIG_IGN);
    const StartOptions options = ReadStartOptions(argc, argv);
    if (!options.output.isEmpty() || !options.error.isEmpty())
        return AnswerStartOptions(options);
    KeepSessionBusIfItAnswers(std::chrono::seconds(2));
    return RunHeadless(argc, argv, options);
}
