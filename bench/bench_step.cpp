// CPU time of one held-repeat step through the real main window: the read-out's re-layout and repaint
// and one TuneReport to the fake transmitter. Prints the median over several batches in microseconds.
#include "app/CTransmitterDlg.h"
#include "device/ReportWriter.h"
#include "fakes/FakeHIDApi.h"
#include "panels/CMainPanel.h"
#include "state/TransmitterState.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <QApplication>
#include <vector>

namespace {

constexpr int Batches = 9;
constexpr int StepsPerBatch = 2000;
// Up this many steps, then down as many: the read-out crosses 100 MHz and back, as a held button would.
constexpr int Run = 250;

double processCpuSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
}

void drainFake()
{
    unsigned char report[64];
    long long sentAtNs;
    while (FakeHid_ReadReport(report, int(sizeof report), &sentAtNs) > 0) {
    }
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    writeErrorNotifier = [] {
        std::fputs("bench_step: a report failed\n", stderr);
        std::exit(1);
    };
    CTransmitterDlg dialog;
    if (!dialog.OnInitDialog()) {
        std::fputs("bench_step: the fake companion library was not loaded\n", stderr);
        return 1;
    }
    dialog.show();
    for (int i = 0; i < 20; ++i)
        QApplication::processEvents();
    transmitterState.frequency = 9750;
    dialog.ToggleOnAir();
    QApplication::processEvents();
    drainFake();

    std::vector<double> microsecondsPerStep;
    for (int batch = 0; batch < Batches; ++batch) {
        const double start = processCpuSeconds();
        for (int step = 0; step < StepsPerBatch; ++step) {
            if ((step / Run) % 2 == 0)
                dialog.Panel()->StepFrequencyUp();
            else
                dialog.Panel()->StepFrequencyDown();
            // The repaint the step asked for, as the event loop runs it between two timer ticks.
            QApplication::processEvents();
            drainFake();
        }
        microsecondsPerStep.push_back((processCpuSeconds() - start) * 1e6 / StepsPerBatch);
    }
    std::sort(microsecondsPerStep.begin(), microsecondsPerStep.end());
    std::printf("step_us_median %.1f\nstep_us_min %.1f\nstep_us_max %.1f\n",
                microsecondsPerStep[microsecondsPerStep.size() / 2], microsecondsPerStep.front(),
                microsecondsPerStep.back());
    return 0;
}
