#include "bus/TransmitterBusObject.h"
#include "core/TestCore.h"
#include "ctl/CtlCommand.h"
#include "service/StartOptions.h"

#include <QRegularExpression>
#include <QtTest>
#include <QXmlStreamReader>

// Whatever the program offers is documented: each bus property, method and signal as the program
// introspects it, in docs/bus-interface.md (a property's row with its type and access) and in the manual
// page; each of tessalyctl's commands in its --help, and each start option in tessaly's --help, in the page.
class TestManual : public QObject
{
    Q_OBJECT

    static QString read(const char* path)
    {
        QFile file(QString::fromUtf8(path));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

    // The page's text as a reader sees it: no font changes, a hyphen for roff's minus.
    static QString page()
    {
        return read(TESSALY_MANUAL_PAGE)
            .remove(QRegularExpression(QStringLiteral(R"(\\f[BIRP]|\\&)")))
            .replace(QStringLiteral("\\-"), QStringLiteral("-"));
    }

    static bool holdsWord(const QString& text, const QString& word)
    {
        return text.contains(QRegularExpression(
            QStringLiteral("(^|[^\\w-])%1($|[^\\w-])").arg(QRegularExpression::escape(word))));
    }

private slots:
    void busInterface()
    {
        TestCore test;
        QXmlStreamReader xml(TransmitterBusObject(test.core, nullptr).introspect(QString()));
        const QString document = read(TESSALY_BUS_DOCUMENT), manual = page();
        int members = 0;
        while (!xml.atEnd()) {
            const bool start = xml.readNext() == QXmlStreamReader::StartElement;
            const QString kind = xml.name().toString(), name = xml.attributes().value("name").toString();
            if (!start || !QStringList{"property", "method", "signal"}.contains(kind))
                continue;
            ++members;
            // A property's row with its type and access; a method or signal first in a row of its table.
            const QString row =
                kind == "property" ? QRegularExpression::escape(QStringLiteral("| `%1` | %2 | %3 |")
                                                                    .arg(name, xml.attributes().value("type"),
                                                                         xml.attributes().value("access")))
                                   : QStringLiteral("^\\| [^|]*`%1`").arg(name);
            QVERIFY2(document.contains(QRegularExpression(row, QRegularExpression::MultilineOption)),
                     qPrintable(QStringLiteral("bus-interface.md lacks ") + row));
            QVERIFY2(holdsWord(manual, name), qPrintable(QStringLiteral("the manual page lacks ") + name));
        }
        QVERIFY(members > 20);
    }

    // Every word of a command's synopsis in --help, each alternative of "a | b" and of "on|off".
    void ctlCommands()
    {
        const QString help = CtlCommand::parse({"tessalyctl", "--help"}).helpText, manual = page();
        const QString commands =
            help.section(QStringLiteral("Commands:\n"), 1).section(QStringLiteral("\n\n"), 0, 0);
        QStringList words;
        for (const QString& line : commands.split('\n')) {
            const QString synopsis = line.simplified().isEmpty() || line.startsWith("    ")
                                         ? QString()
                                         : line.trimmed().section(QStringLiteral("  "), 0, 0);
            for (const QString& word : synopsis.split(QRegularExpression(QStringLiteral("[ |\\[\\]]+"))))
                if (word.contains(QRegularExpression(QStringLiteral("^[a-z][a-z-]+$"))))
                    words.append(word);
        }
        QVERIFY(words.contains("status") && words.contains("favourite") && words.contains("previous"));
        for (const QString& word : words)
            QVERIFY2(holdsWord(manual, word), qPrintable(QStringLiteral("the manual page lacks ") + word));
    }

    void startOptions()
    {
        const QString help = ReadStartOptions(QStringList{"tessaly", "--help"}).output;
        const QString synopsis =
            page().section(QStringLiteral(".SH SYNOPSIS"), 1).section(QStringLiteral(".SH"), 0, 0);
        const QRegularExpression option(QStringLiteral("(?<![\\w-])--?[a-z][a-z-]*"));
        int options = 0;
        for (const QRegularExpressionMatch& match : option.globalMatch(help)) {
            ++options;
            QVERIFY2(holdsWord(synopsis, match.captured()), qPrintable(match.captured()));
        }
        QVERIFY(options >= 6);
    }
};

QTEST_GUILESS_MAIN(TestManual)
#include "tst_manual.moc"
