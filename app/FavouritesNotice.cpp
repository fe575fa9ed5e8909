#include "app/FavouritesNotice.h"

#include "core/Favourites.h"

#include <QCoreApplication>
#include <QDir>
#include <QLocale>
#include <QMessageBox>

// The notice's words, in a context of their own.
class FavouritesNotice
{
    Q_DECLARE_TR_FUNCTIONS(FavouritesNotice)

public:
    static QString Line(const LeftOutLine& line);
};

namespace {

// Enough to find the lines in the file; the rest are counted, so that a damaged file makes no giant box.
constexpr std::size_t shownLines = 10;
constexpr qsizetype shownCharacters = 40;

} // namespace

QString FavouritesNotice::Line(const LeftOutLine& line)
{
    QString text = QString::fromUtf8(line.text).simplified();
    if (text.size() > shownCharacters)
        text = text.left(shownCharacters - 1) + QStringLiteral("…");
    const QString number = QLocale().toString(line.number);
    switch (line.why) {
    case LeftOutLine::Why::NotTunable:
        //: %1 is a line's number in Favourites.ini, %2 its text
        return tr("Line %1, “%2”: no frequency in kHz on the 50 kHz grid of either band").arg(number, text);
    case LeftOutLine::Why::Repeated:
        //: %1 is a line's number in Favourites.ini, %2 its text
        return tr("Line %1, “%2”: the same frequency as an earlier line").arg(number, text);
    case LeftOutLine::Why::BeyondMaximum:
        break;
    }
    //: %1 is a line's number in Favourites.ini, %2 its text, %3 how many favourites are used
    return tr("Line %1, “%2”: only the lowest %3 frequencies are used")
        .arg(number, text, QLocale().toString(int(FavouritesMaximum)));
}

QString FavouritesNoticeText(const FavouritesLeftOut& leftOut)
{
    if (leftOut.IsEmpty())
        return {};
    //: %1 is the file's path
    QStringList said{FavouritesNotice::tr("Some lines of %1 give no favourite frequency.")
                         .arg(QDir::toNativeSeparators(leftOut.path))};
    for (std::size_t index = 0; index < leftOut.lines.size() && index < shownLines; ++index)
        said.append(FavouritesNotice::Line(leftOut.lines[index]));
    if (leftOut.lines.size() > shownLines) {
        //: After the lines named: how many more were left out
        said.append(FavouritesNotice::tr("…and %n more", nullptr, int(leftOut.lines.size() - shownLines)));
    }
    said.append(QString());
    said.append(leftOut.cut
                    ? FavouritesNotice::tr("The file is longer than 64 KiB: only its beginning is read, "
                                           "and it is never rewritten. Shorten it by hand.")
                    : FavouritesNotice::tr("The file stays as it is, and is kept as Favourites.ini.bak "
                                           "once the favourites change."));
    return said.join(QLatin1Char('\n'));
}

void ShowFavouritesNotice(QWidget& window, const FavouritesLeftOut& leftOut)
{
    const QString text = FavouritesNoticeText(leftOut);
    if (text.isEmpty())
        return;
    auto* notice =
        new QMessageBox(QMessageBox::Information, window.windowTitle(), text, QMessageBox::Ok, &window);
    notice->setObjectName(QStringLiteral("favouritesNotice"));
    // The file's lines are shown as they stand, never as markup.
    notice->setTextFormat(Qt::PlainText);
    notice->setAttribute(Qt::WA_DeleteOnClose);
    notice->setWindowModality(Qt::NonModal);
    notice->show();
}
