// Draws each window's title text into a picture at build time, exactly as a label in the title font draws
// it, so that the program shows its titles without loading a font.
// Usage: title_art <output directory>   writes <skin ID>.png and <skin ID>@2x.png for both windows.
#include "skin/SkinFrameValues.h"
#include "skin/TitleFont.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QLabel>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    if (argc != 2)
        return 2;
    const QDir output(QString::fromLocal8Bit(argv[1]));
    output.mkpath(QStringLiteral("."));
    QFont titleFont;
    BuildFont(15, titleFont, QStringLiteral("楷体"));
    for (const SkinFrameValues* frame : {&mainWindowFrame, &settingsWindowFrame}) {
        QLabel title(QString::fromUtf8(frame->title));
        title.setFont(titleFont);
        title.adjustSize();
        for (const int scale : {1, 2}) {
            QImage picture(title.size() * scale, QImage::Format_ARGB32_Premultiplied);
            picture.setDevicePixelRatio(scale);
            picture.fill(Qt::transparent);
            // The text only: the window's skin shows through everywhere else.
            title.render(&picture, QPoint(), QRegion(), QWidget::DrawChildren);
            const QString name = QStringLiteral("%1%2.png").arg(frame->skinId).arg(scale == 2 ? "@2x" : "");
            if (!picture.save(output.filePath(name)))
                return 1;
        }
    }
    return 0;
}
