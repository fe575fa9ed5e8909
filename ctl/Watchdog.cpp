#include "ctl/Watchdog.h"

#include <condition_variable>
#include <mutex>
#include <unistd.h>

Watchdog::Watchdog(std::chrono::steady_clock::time_point deadline, QByteArray message, int status)
    : thread([deadline, message = std::move(message), status](std::stop_token stop) {
          std::mutex mutex;
          std::unique_lock lock(mutex);
          std::condition_variable_any wakeUp;
          if (wakeUp.wait_until(lock, stop, deadline, [&stop] { return stop.stop_requested(); }))
              return;
          // The main thread is stuck where no cleanup can reach it: leave at once, as a signal would.
          const ssize_t written = ::write(STDERR_FILENO, message.constData(), size_t(message.size()));
          static_cast<void>(written);
          ::_exit(status);
      })
{}
