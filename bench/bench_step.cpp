// CPU time of one held-repeat step through the real main window: the read-out's re-layout and repaint
// and one TuneReport to the fake transmitter. Prints the median over several batches in microseconds.
// Then the worst delay of the event loop while steps go on and the transmitter reads nothing.
#include "app/WindowRun.h"
#include "core/TransmitterCore.h"
#include "device/HotplugWatcher.h"
#include "fakes/FakeHIDApi.h"
#include "panels/CMainPanel.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
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

// A 1 ms timer notes how late each tick comes while a fast held step (every 10 ms, ten times the real
// repeat) sends reports to a transmitter that has stopped reading, its few buffers full after the first.
void measureStalledLoop(CTransmitterDlg& dialog)
{
    qputenv("TESSALY_FAKE_HID_FEW_BUFFERS", "1");
    // Replugged, so that the fake opens with few buffers.
    auto* watcher = dialog.Core().findChild<HotplugWatcher*>();
    emit watcher->deviceRemoved();
    emit watcher->deviceArrived();
    dialog.ToggleOnAir();
    QElapsedTimer sinceTick;
    qint64 worstDelayNs = 0;
    int steps = 0;
    QTimer probe;
    probe.setTimerType(Qt::PreciseTimer);
    QObject::connect(&probe, &QTimer::timeout, [&] {
        worstDelayNs = std::max(worstDelayNs, sinceTick.nsecsElapsed() - 1'000'000);
        sinceTick.start();
    });
    QTimer step;
    QObject::connect(&step, &QTimer::timeout, [&] {
        if (steps++ % 400 < 200)
            dialog.Panel()->StepFrequencyUp();
        else
            dialog.Panel()->StepFrequencyDown();
    });
    QTimer::singleShot(500, [&] { // past the start of the stall
        worstDelayNs = 0;
        steps = 0;
    });
    probe.start(1);
    sinceTick.start();
    step.start(10);
    QTimer::singleShot(5500, qApp, &QApplication::quit);
    QApplication::exec();
    const bool stalled = !dialog.Core().WaitForReports(std::chrono::milliseconds(0));
    std::printf("stall_loop_delay_ms_max %.2f\nstall_steps %d\nstall_writer_blocked %d\n", worstDelayNs / 1e6,
                steps, stalled ? 1 : 0);
    while (!dialog.Core().WaitForReports(std::chrono::milliseconds(1)))
        drainFake();
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    WindowRun run;
    CTransmitterDlg& dialog = run.dialog;
    QObject::connect(&dialog.Core(), &TransmitterCore::writeFailed, [] {
        std::fputs("bench_step: a report failed\n", stderr);
        std::exit(1);
    });
    if (!dialog.OnInitDialog()) {
        std::fputs("bench_step: the fake companion library was not loaded\n", stderr);
        return 1;
    }
    dialog.show();
    for (int i = 0; i < 20; ++i)
        QApplication::processEvents();
    dialog.Core().WriteProperty(QStringLiteral("Frequency"), 97500u);
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
    measureStalledLoop(dialog);
    return 0;
}
