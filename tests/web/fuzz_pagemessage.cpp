// A message on the page's WebSocket (or a POST /set body) as any bytes: only what the page may change is
// written, with a value of the property's type; a change reported done was made, and one refused was not.
#include "fuzz/FuzzCheck.h"
#include "state/Properties.h"
#include "web/PageChange.h"

namespace {

class RecordingHost final : public WebPageHost
{
public:
    QVariantMap properties{{"Frequency", 98500u}, {"OnAir", true},   {"Muted", false},     {"PaLevel", 60u},
                           {"TxGain", 5u},        {"Stereo", true},  {"Band", "87.5-108"}, {"Step", 100u},
                           {"Connected", true},   {"WebPort", 8080u}};
    int changes = 0;

    QVariantMap Properties() const override { return properties; }
    QString WriteProperty(const QString& name, const QVariant& value) override
    {
        const Property::Row* row = Property::Find(name);
        FUZZ_CHECK(row && (row->changedBy & Property::Page));
        FUZZ_CHECK(value.metaType() == properties.value(name).metaType());
        // As the core does: a value outside the row's range is refused.
        if (value.metaType().id() == QMetaType::UInt &&
            (value.toUInt() < row->lowest || value.toUInt() > row->highest))
            return QStringLiteral("out of range");
        ++changes;
        return {};
    }
    bool Step(bool) override
    {
        ++changes;
        return true;
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    RecordingHost host;
    const QString refusal = ApplyPageChange(host, FuzzBytes(data, size));
    FUZZ_CHECK(refusal.isEmpty() == (host.changes == 1));
    FUZZ_CHECK(host.changes <= 1);
    return 0;
}
