#include "device/Report.h"
#include "state/SettingsFile.h"
#include "state/TransmitterValues.h"

#include <limits>
#include <QRandomGenerator>
#include <QtEndian>
#include <QtTest>

namespace {

constexpr int SeedsPerLength = 8;

QByteArray readAll(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

QByteArray randomBytes(int length, quint32 seed)
{
    QRandomGenerator generator(seed);
    QByteArray bytes(length, '\0');
    for (char& byte : bytes)
        byte = static_cast<char>(generator.bounded(256));
    return bytes;
}

} // namespace

// Whatever a damaged or hand-edited "Config.ini" holds, loading it and saving it back must neither crash
// nor trip a sanitizer, and must always leave a whole 16-byte file.
class TestSettingsProperty : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    QString path() const { return dir.filePath(QStringLiteral("Config.ini")); }

private slots:
    void loadThenSave_data()
    {
        QTest::addColumn<QByteArray>("contents");

        for (int length = 0; length <= 64; ++length)
            for (quint32 seed = 1; seed <= SeedsPerLength; ++seed)
                QTest::addRow("length %d seed %u", length, seed) << randomBytes(length, seed * 1000 + length);

        // Each field in turn takes a value no dialog would ever store, the others keep their defaults.
        const std::int32_t outOfRange[] = {-1,
                                           -30,
                                           91,
                                           24,
                                           100000,
                                           -100000,
                                           std::numeric_limits<std::int32_t>::min(),
                                           std::numeric_limits<std::int32_t>::max()};
        const char* fields[] = {"frequency", "paLevel", "txGainIndex", "optionFlags"};
        const QByteArray defaults = QByteArray::fromHex("282300005A0000000000000025000000");
        for (int field = 0; field < 4; ++field) {
            for (const std::int32_t value : outOfRange) {
                QByteArray bytes = defaults;
                qToLittleEndian<std::int32_t>(value, bytes.data() + 4 * field);
                QTest::addRow("%s %d", fields[field], value) << bytes;
                QTest::addRow("%s %d with a tail", fields[field], value) << bytes + randomBytes(7, value);
            }
        }
    }

    void loadThenSave()
    {
        QFETCH(QByteArray, contents);
        QFile::remove(path());
        {
            QFile file(path());
            QVERIFY(file.open(QIODevice::WriteOnly));
            QCOMPARE(file.write(contents), contents.size());
        }

        const PersistedSettings loaded = LoadSettingsFile(path());
        // The start-up sends both reports from whatever was loaded.
        const TransmitterState sent{.retunePending = true,
                                    .frequency = loaded.frequency,
                                    .paLevel = loaded.paLevel,
                                    .txGainIndex = loaded.txGainIndex,
                                    .optionFlags = loaded.optionFlags};
        BuildReport(TuneReport, sent);
        BuildReport(SetupReport, sent);
        QVERIFY(SaveSettingsFile(path(), loaded).isEmpty());

        const QByteArray saved = readAll(path());
        QCOMPARE(saved.size(), SettingsFileSize);
        // Every value ends up within its range, and a value that was within it is kept exactly.
        const PersistedSettings stored = ParseSettings(contents).value_or(PersistedSettings{});
        const PersistedSettings kept = *ParseSettings(saved);
        const BandLimits band = BandOf(kept.optionFlags);
        const auto valid = [](std::int32_t flags) {
            return (flags & ~DefinedOptionBits) == 0 && (flags & StepBits) != StepBits;
        };
        const bool optionsValid = valid(stored.optionFlags);
        QVERIFY(valid(kept.optionFlags));
        if (optionsValid)
            QCOMPARE(kept.optionFlags, stored.optionFlags);
        QVERIFY(kept.frequency >= band.lower && kept.frequency <= band.upper && OnGrid(kept.frequency));
        QVERIFY(kept.paLevel >= 0 && kept.paLevel <= PaLevelMaximum);
        QVERIFY(kept.txGainIndex >= 0 && kept.txGainIndex <= TxGainMaximum);
        if (optionsValid && stored.frequency >= band.lower && stored.frequency <= band.upper &&
            OnGrid(stored.frequency))
            QCOMPARE(kept.frequency, stored.frequency);
        if (stored.paLevel >= 0 && stored.paLevel <= PaLevelMaximum)
            QCOMPARE(kept.paLevel, stored.paLevel);
        if (stored.txGainIndex >= 0 && stored.txGainIndex <= TxGainMaximum)
            QCOMPARE(kept.txGainIndex, stored.txGainIndex);
    }
};

QTEST_GUILESS_MAIN(TestSettingsProperty)
#include "tst_settingsproperty.moc"
