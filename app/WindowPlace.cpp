#include "app/WindowPlace.h"

#include "app/AppLog.h"
#include "state/FileWriter.h"
#include "state/SmallTextFile.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace {

bool placesWindows()
{
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

} // namespace

QString WindowPlacePath(const QString& settingsFile)
{
    return QFileInfo(settingsFile).dir().filePath(QStringLiteral("Window.ini"));
}

std::optional<WindowPlace> ReadWindowPlace(const QString& path)
{
    const SmallTextFile file = ReadSmallTextFile(path, 512);
    if (file.status != SmallTextFile::Read)
        return std::nullopt;
    std::optional<int> x, y;
    WindowPlace place;
    for (const QByteArray& line : file.Text().split('\n')) {
        bool number = false;
        const int value = line.mid(2).toInt(&number);
        if (line.startsWith("X=") && number)
            x = value;
        else if (line.startsWith("Y=") && number)
            y = value;
        else if (line.startsWith("Screen="))
            place.screen = QString::fromUtf8(line.mid(7));
    }
    if (!x || !y)
        return std::nullopt;
    place.topLeft = {*x, *y};
    return place;
}

std::optional<QPoint> RestoredPosition(const WindowPlace& left, QSize size, const QList<ScreenArea>& screens)
{
    const QRect window(left.topLeft, size);
    for (const ScreenArea& screen : screens) {
        if (screen.name == left.screen && screen.available.contains(window))
            return left.topLeft;
    }
    return std::nullopt;
}

void RestorePlace(QWidget& window, const QString& path)
{
    if (!placesWindows())
        return;
    const std::optional<WindowPlace> left = ReadWindowPlace(path);
    if (!left)
        return;
    QList<ScreenArea> screens;
    for (const QScreen* screen : QGuiApplication::screens())
        screens.append({screen->name(), screen->availableGeometry()});
    if (const std::optional<QPoint> place = RestoredPosition(*left, window.frameGeometry().size(), screens))
        window.move(*place);
}

void KeepPlace(const QWidget& window, const QString& path)
{
    if (!placesWindows() || !window.screen())
        return;
    const QPoint topLeft = window.frameGeometry().topLeft();
    const QByteArray text = "X=" + QByteArray::number(topLeft.x()) +
                            "\nY=" + QByteArray::number(topLeft.y()) +
                            "\nScreen=" + window.screen()->name().toUtf8() + '\n';
    if (ReadSmallTextFile(path, 512).bytes == text)
        return;
    // Only the next start's comfort is at stake: said, and the run ends as it would.
    if (const QString failure = ReplaceFile(path, text); !failure.isEmpty())
        qCWarning(appLog, "%s", qUtf8Printable(failure));
}
