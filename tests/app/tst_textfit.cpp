#include "app/CHearingDlg.h"
#include "app/CWebControlDlg.h"
#include "app/UnattendedMenu.h"
#include "app/WindowRun.h"
#include "app/WriteErrorMessage.h"
#include "device/FakeTransmitterReports.h"
#include "panels/CSettingsDlg.h"
#include "PseudoTranslator.h"
#include "res/SettingsLayout.h"
#include "skin/CAboutDlg.h"
#include "skin/CBitmapButton.h"
#include "skin/CSystemMenu.h"
#include "skin/CTrayIcon.h"
#include "sound/SoundRouting.h"
#include "state/SettingsFile.h"
#include "state/Translations.h"
#include "web/WebControl.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QScreen>
#include <QTcpServer>
#include <QtTest>

namespace {

// Shown, and laid out for the texts it has by then.
QWidget* Shown(QWidget* window)
{
    if (!window)
        return nullptr;
    window->show();
    return QTest::qWaitForWindowExposed(window) ? window : nullptr;
}

QWidget* WebWindow(WindowRun& run, bool served, bool network)
{
    WebControl& web = run.session.Web();
    web.SetPort([] {
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost);
        return probe.serverPort(); // free once the probe is gone
    }());
    web.SetServed(served);
    web.SetNetworkAllowed(network);
    return Shown(new CWebControlDlg(web, &run.dialog));
}

QWidget* MainWindow(WindowRun& run)
{
    return &run.dialog;
}

// Every window, dialog, box and menu a person meets, each in a state that shows its own words, opened over
// the main window with its menus filled.
struct Scene
{
    const char* name;
    QWidget* (*open)(WindowRun& run);
    bool present = true;
    bool denied = false;
};

const Scene scenes[] = {
    {"main window off air", MainWindow},
    {"main window on air",
     [](WindowRun& run) {
         run.dialog.ToggleOnAir();
         return MainWindow(run);
     }},
    {"main window, no transmitter", MainWindow, false},
    {"main window, no permission", MainWindow, true, true},
    {"settings", [](WindowRun& run) { return Shown(new CSettingsDlg(run.session.Core(), &run.dialog)); }},
    {"About box", [](WindowRun& run) { return Shown(new CAboutDlg(&run.dialog)); }},
    {"hearing check",
     [](WindowRun& run) {
         QWidget* window = Shown(
             new CHearingDlg(run.session.Core(), &run.session.Sound(), run.session.Hearing(), &run.dialog));
         const auto* list = window ? window->findChild<QListWidget*>() : nullptr;
         return list && QTest::qWaitFor([list] { return list->count() > 0; }, 60000) ? window : nullptr;
     }},
    {"web control, off", [](WindowRun& run) { return WebWindow(run, false, false); }},
    {"web control, this computer only", [](WindowRun& run) { return WebWindow(run, true, false); }},
    {"web control, network", [](WindowRun& run) { return WebWindow(run, true, true); }},
    {"web control, switched on while open",
     [](WindowRun& run) {
         QWidget* window = WebWindow(run, false, false);
         if (window)
             window->findChild<QCheckBox*>(QStringLiteral("webServed"))->click();
         return window;
     }},
    {"write-error box",
     [](WindowRun& run) {
         QPointer<QMessageBox> box;
         ShowWriteErrorMessage(&run.dialog, box);
         return Shown(box);
     }},
    {"note beside the window",
     [](WindowRun& run) {
         emit run.session.Sound().cardNotFound();
         return Shown(run.dialog.findChild<QMessageBox*>());
     }},
    {"tray menu",
     [](WindowRun& run) -> QWidget* {
         emit run.dialog.TrayIcon()->Menu()->aboutToShow();
         return run.dialog.TrayIcon()->Menu();
     }},
    {"window menu", [](WindowRun& run) -> QWidget* { return run.dialog.SystemMenu()->Menu(); }},
    {"favourites menu",
     [](WindowRun& run) -> QWidget* {
         run.session.Core().AddFavourite(run.session.Core().State().frequency);
         auto* favourites = run.dialog.SystemMenu()->Menu()->findChild<QMenu*>();
         emit favourites->aboutToShow();
         return favourites;
     }},
};

// Not words, so no language has them: the program's name, frequencies, addresses; tags and entities.
// Digits and signs need no exemption, as only letters count.
const QRegularExpression
    notWords(QStringLiteral(R"(\bTessaly\b|\d+(?:[.,]\d+)?\s*[kM]Hz|\w+://\S+|<[^>]*>|&#?\w+;)"));

// A text, or a part of it, that did not come through the translator: letters outside the marks, or a plain
// vowel inside them, which the made-up language never leaves (an argument that was not translated).
bool Bypasses(const QString& text)
{
    const QString words = QString(text).remove(notWords);
    return PseudoTranslator::Unmarked(words).contains(QRegularExpression(QStringLiteral("\\p{L}"))) ||
           words.contains(QRegularExpression(QStringLiteral("[aeiouyAEIOUY]")));
}

// What the widget shows as text in its own box; empty for pictures and widgets drawn otherwise (a bitmap
// button draws its picture, its text is for assistive tools).
QString BoxedText(const QWidget* widget)
{
    if (const auto* label = qobject_cast<const QLabel*>(widget))
        return label->pixmap().isNull() ? label->text() : QString();
    if (const auto* box = qobject_cast<const QGroupBox*>(widget))
        return box->title();
    const auto* button = qobject_cast<const QAbstractButton*>(widget);
    return button && !qobject_cast<const CBitmapButton*>(widget) ? button->text() : QString();
}

// The room the text needs from the widget's top left corner: a frame's is its title's.
QSize Needed(const QWidget* widget)
{
    const auto* label = qobject_cast<const QLabel*>(widget);
    if (label && label->wordWrap())
        return {widget->width(), label->heightForWidth(widget->width())};
    return widget->minimumSizeHint();
}

// Where the text is drawn: all of the widget, and more where it needs more; a frame's title alone.
QRect TextRect(const QWidget* widget)
{
    const QSize needed = Needed(widget);
    return {widget->pos(),
            qobject_cast<const QGroupBox*>(widget) ? needed : needed.expandedTo(widget->size())};
}

QString Describe(const QWidget* widget, const QString& text)
{
    return QStringLiteral("%1 '%2' \"%3\"")
        .arg(QLatin1String(widget->metaObject()->className()), widget->objectName(), text);
}

QString Sizes(QSize needed, QSize has)
{
    return QString::asprintf("needs %dx%d, has %dx%d", needed.width(), needed.height(), has.width(),
                             has.height());
}

// The rows of a list, each against the room the view gives it.
void ListProblems(const QListWidget* list, QStringList& problems)
{
    const int margin = list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1;
    for (int row = 0; row < list->count(); ++row) {
        const QRect given = list->visualItemRect(list->item(row)).adjusted(margin, 0, -margin, 0);
        const QRect needed = list->fontMetrics().boundingRect(QRect(given.topLeft(), QSize(given.width(), 1)),
                                                              Qt::TextWordWrap, list->item(row)->text());
        if (!given.contains(needed) || given.right() >= list->viewport()->width())
            problems << Describe(list, list->item(row)->text()) + QStringLiteral(": ") +
                            Sizes(needed.size(), given.size());
    }
}

// Against its siblings: a frame must hold the whole text it frames, and is otherwise only its title; any
// other sibling must stay clear of the text. Two texts are compared once.
void SiblingProblems(const QWidget* widget, const QWidgetList& widgets, QStringList& problems)
{
    const QRect text = TextRect(widget);
    for (const QWidget* other : widgets) {
        if (other == widget || other->parentWidget() != widget->parentWidget())
            continue;
        const auto* box = qobject_cast<const QGroupBox*>(other);
        if (box && box->geometry().contains(widget->pos())) {
            if (!box->contentsRect().translated(box->pos()).contains(text))
                problems << Describe(widget, BoxedText(widget)) + QStringLiteral(": runs out of its frame ") +
                                Describe(box, box->title());
            continue;
        }
        const bool otherText = !BoxedText(other).isEmpty();
        const bool framed =
            qobject_cast<const QGroupBox*>(widget) && widget->geometry().contains(other->pos());
        if (!framed && (!otherText || widgets.indexOf(other) > widgets.indexOf(widget)) &&
            text.intersects(otherText ? TextRect(other) : other->geometry()))
            problems << Describe(widget, BoxedText(widget)) + QStringLiteral(": overlaps ") +
                            Describe(other, BoxedText(other));
    }
}

// The settings window's boxes and options stand where the skin's artwork puts them, sized for the English
// words the window has always shown: a made-up text 40 % longer than those cannot fit there without changing
// that look. There each real language is held to fit, by its wording, and the made-up one is not.
QSet<QString> PlacedBySkin()
{
    QSet<QString> ids;
    for (const SettingsRadioGroup& group : settingsRadioGroups) {
        ids << QString::number(group.groupBoxId);
        for (int radio = 0; radio < group.radioCount; ++radio)
            ids << QString::number(group.radios[radio].id);
    }
    return ids;
}

// Every text of window that needs more room than it has, overlaps a sibling, or leaves its parent or its
// frame, but those of the widgets left out; the window or menu itself against the screen.
QStringList FitProblems(QWidget* window, const QSet<QString>& leftOut)
{
    QStringList problems;
    const QSize screen = window->screen()->availableGeometry().size();
    const QSize size = qobject_cast<QMenu*>(window) ? window->sizeHint() : window->size();
    if (size.width() > screen.width() || size.height() > screen.height())
        problems << Describe(window, window->windowTitle()) + QStringLiteral(" on the screen: ") +
                        Sizes(size, screen);
    QWidgetList widgets = window->findChildren<QWidget*>();
    widgets.removeIf([window](const QWidget* widget) { return !widget->isVisibleTo(window); });
    for (const QWidget* widget : std::as_const(widgets)) {
        if (leftOut.contains(widget->objectName()))
            continue;
        if (const auto* list = qobject_cast<const QListWidget*>(widget))
            ListProblems(list, problems);
        const QString text = BoxedText(widget);
        if (text.isEmpty())
            continue;
        const QSize needed = Needed(widget);
        if (needed.width() > widget->width() || needed.height() > widget->height())
            problems << Describe(widget, text) + QStringLiteral(": ") + Sizes(needed, widget->size());
        const QRect drawn = TextRect(widget);
        if (!widget->parentWidget()->rect().contains(drawn))
            problems << Describe(widget, text) + QStringLiteral(" leaves its parent: ") +
                            Sizes(QSize(drawn.right() + 1, drawn.bottom() + 1),
                                  widget->parentWidget()->size());
        SiblingProblems(widget, widgets, problems);
    }
    return problems;
}

// Every text the window or menu shows or gives assistive tools.
QStringList ShownTexts(QWidget* window)
{
    QStringList texts{window->windowTitle()};
    if (const auto* menu = qobject_cast<const QMenu*>(window)) {
        for (const QAction* action : menu->actions())
            texts << action->text() << action->toolTip();
        return texts;
    }
    QWidgetList widgets = window->findChildren<QWidget*>();
    widgets.removeIf([window](const QWidget* widget) { return !widget->isVisibleTo(window); });
    for (const QWidget* widget : widgets << window) {
        texts << widget->toolTip() << widget->accessibleName() << widget->accessibleDescription()
              << widget->whatsThis() << widget->statusTip();
        if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
            texts << button->text();
        if (const auto* list = qobject_cast<const QListWidget*>(widget)) {
            for (int row = 0; row < list->count(); ++row)
                texts << list->item(row)->text();
        }
        texts << BoxedText(widget);
    }
    return texts;
}

} // namespace

// Every window in a made-up longer language and in each catalogue, at the scale the run gives: every text
// must fit its box; and in the made-up language every text must carry its marks. Each row lists all it
// finds.
class TestTextFit : public QObject
{
    Q_OBJECT

    QTemporaryDir noSoundServer;

    // The scene of the row, in the language of the row; empty when it did not come up.
    QStringList problemsOf(bool fit)
    {
        QFETCH(int, scene);
        QFETCH(QString, language);
        std::unique_ptr<QTranslator> ours = std::make_unique<PseudoTranslator>();
        QTranslator qt;
        if (language != QLatin1String("pseudo")) {
            ours = std::make_unique<QTranslator>();
            const QLocale chosen = Translations::LoadFirst(*ours, {language}, QStringLiteral("tessaly"),
                                                           QStringLiteral(TESSALY_TRANSLATIONS_DIR));
            if (chosen.language() == QLocale::C)
                return {QStringLiteral("no catalogue for ") + language};
            Translations::LoadFirst(qt, {language}, QStringLiteral("qtbase"),
                                    QLibraryInfo::path(QLibraryInfo::TranslationsPath));
            QLocale::setDefault(chosen);
        }
        QCoreApplication::installTranslator(ours.get());
        QCoreApplication::installTranslator(&qt);
        FakeHid_SetPresent(scenes[scene].present);
        FakeHid_SetDenied(scenes[scene].denied);

        WindowRun run;
        CTransmitterDlg& dialog = run.dialog;
        dialog.OnInitDialog();
        dialog.AddSoundRoutingItem(run.session.Sound());
        dialog.AddWebControlItem(run.session.Web());
        dialog.AddHearingCheckItem(run.session.Sound(), run.session.Hearing());
        AddUnattendedItems(*dialog.SystemMenu()->Menu(), dialog.Core(),
                           [&dialog](const QString& text) { dialog.Tell(text); });
        QWidget* window = Shown(&dialog) ? scenes[scene].open(run) : nullptr;
        if (!window)
            return {QStringLiteral("the scene did not come up")};
        QCoreApplication::processEvents(); // the layouts asked for by texts set since
        if (fit)
            return FitProblems(window,
                               language == QLatin1String("pseudo") ? PlacedBySkin() : QSet<QString>());
        QStringList texts = ShownTexts(window);
        if (window == &dialog)
            texts << dialog.TrayIcon()->ToolTip();
        texts.removeIf([](const QString& text) { return !Bypasses(text); });
        texts.removeDuplicates();
        return texts;
    }

    // The files the runs keep beside the suite: each row starts without them.
    static void removeKeptFiles()
    {
        const QDir kept = QFileInfo(settingsPath()).absoluteDir();
        if (kept != QDir(QCoreApplication::applicationDirPath()))
            return; // the user's own configuration: never touched
        for (const QFileInfo& file : kept.entryInfoList(QDir::Files | QDir::NoSymLinks)) {
            if (!file.isExecutable())
                QFile::remove(file.absoluteFilePath());
        }
    }

    static void addRows(const QStringList& languages)
    {
        QTest::addColumn<int>("scene");
        QTest::addColumn<QString>("language");
        for (const QString& language : languages) {
            for (int scene = 0; scene < int(std::size(scenes)); ++scene)
                QTest::addRow("%s, %s", qPrintable(language), scenes[scene].name) << scene << language;
        }
    }

    // Every one found, each on a line of its own.
    static void report(const QStringList& found, const char* what)
    {
        for (const QString& text : found)
            qInfo().noquote() << text;
        QVERIFY2(found.isEmpty(), qPrintable(QString::number(found.size()) + u' ' + QLatin1String(what)));
    }

private slots:
    void initTestCase()
    {
        IgnoreSigpipe();
        QVERIFY(noSoundServer.isValid());
        qputenv("PULSE_RUNTIME_PATH", QFile::encodeName(noSoundServer.filePath(QStringLiteral("none"))));
    }

    void init() { removeKeptFiles(); }

    void cleanup()
    {
        FakeHid_Reset();
        removeKeptFiles();
        QLocale::setDefault(QLocale::system());
    }

    // The made-up language keeps what code and Qt read in a text, and marks and lengthens the rest.
    void pseudo_data()
    {
        QTest::addColumn<QString>("source");
        QTest::newRow("plain") << "Check again";
        QTest::newRow("arguments") << "Tessaly — on air, %1, %L2 of %n";
        QTest::newRow("mnemonics") << "Play &sound && more";
        QTest::newRow("rich, lines") << "<b>Keys:</b>\nType a frequency &amp; Enter";
    }

    void pseudo()
    {
        QFETCH(QString, source);
        static const QRegularExpression kept(QStringLiteral(R"(%L?(?:\d+|n)|&&?|&#?\w+;|<[^>]*>|\n)"));
        const auto keptParts = [](const QString& text) {
            QStringList parts;
            for (const QRegularExpressionMatch& match : kept.globalMatch(text))
                parts << match.captured();
            return parts;
        };
        const QString pseudo = PseudoTranslator().translate("", source.toUtf8().constData());
        QCOMPARE(keptParts(pseudo), keptParts(source));
        QVERIFY2(!Bypasses(pseudo), qPrintable(pseudo));
        const auto shown = [](const QString& text) { return QString(text).remove(kept).size(); };
        QCOMPARE_GE(shown(pseudo), shown(source) * 14 / 10);
        QCOMPARE(PseudoTranslator().translate("", source.toUtf8().constData()), pseudo);
    }

    void fits_data() { addRows({"pseudo", "de", "es", "fr", "ja", "zh_CN"}); }

    void fits() { report(problemsOf(true), "texts do not fit"); }

    void marked_data() { addRows({"pseudo"}); }

    void marked() { report(problemsOf(false), "texts bypass translation"); }
};

QTEST_MAIN(TestTextFit)
#include "tst_textfit.moc"
