#pragma once

#include "sound/PulsePeakStream.h"
#include "sound/SoundCheck.h"

#include <memory>

struct pa_context;
struct pa_mainloop_api;
struct pa_server_info;
struct pa_sink_info;
struct pa_sink_input_info;

// The sound server for one hearing check, on a connection of its own on the program's main loop: a server
// that accepts and never answers holds nothing else up, and whatever is under way ends with the object.
class PulseCheckServer final : public CheckServer
{
public:
    explicit PulseCheckServer(pa_mainloop_api* api);
    ~PulseCheckServer() override;

    void Read(std::function<void(const ServerReading& reading)> read, std::function<void()> lost) override;
    void Measure(const QByteArray& source, std::function<void(float peak)> heard,
                 std::function<void()> failed) override;

private:
    void StateChanged();
    void WithServer(const pa_server_info* info);
    void WithSink(const pa_sink_info* info, bool last);
    void WithStream(const pa_sink_input_info* info, bool last);
    void Answered();

    pa_mainloop_api* api;
    pa_context* context = nullptr;
    std::function<void(const ServerReading& reading)> read;
    std::function<void()> lost;
    ServerReading reading;
    int pending = 0;
    std::unique_ptr<PulsePeakStream> stream;
};
