#include "service/HeadlessRun.h"
#include "service/SessionBusProbe.h"
#include "service/StartOptions.h"

// tessaly --headless hands over to this program: the same run without any window library loaded.
int main(int argc, char* argv[])
{
    StartOptions options;
    if (const std::optional<int> answered = BeginStart(argc, argv, options))
        return *answered;
    SessionBusProbe(sessionBusAnswerLimit).KeepBusIfItAnswers();
    return RunHeadless(argc, argv, options);
}
