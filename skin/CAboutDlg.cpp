#include "skin/CAboutDlg.h"

#include "res/Resources.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("100"));
    // Modal to the main window only: the tray icon must still reach the main window.
    setWindowModality(Qt::WindowModal);
    setWindowTitle(tr("About Corvane"));
    const QIcon icon = LoadAppIcon(128);
    setWindowIcon(icon);

    auto* picture = new QLabel(this);
    picture->setPixmap(icon.pixmap(32, 32));
    //: The program's name and version
    auto* version = new QLabel(tr("Corvane Beta 1.1.1"), this);
    version->setTextFormat(Qt::PlainText);
    auto* notice = new QLabel(tr("Sends your computer's sound to a nearby FM radio."), this);
    notice->setTextFormat(Qt::PlainText);
    // Where a person looks for the window's keys, as no menu and no control shows them.
    auto* keys = new QLabel(tr("Keys:\n"
                               "Type a frequency, such as 88.1, then Enter: tune to it\n"
                               "Space: press the focused button; held on an arrow, keep stepping\n"
                               "Tab, Shift+Tab: move between the controls\n"
                               "Arrows, Page Up, Page Down, Home, End: move a focused slider\n"
                               "Alt+Space or a right click: the window's menu\n"
                               "Enter, Escape: close the window"),
                            this);
    keys->setTextFormat(Qt::PlainText);
    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("1"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QGridLayout(this);
    layout->setHorizontalSpacing(16);
    layout->addWidget(picture, 0, 0, 2, 1, Qt::AlignTop);
    layout->addWidget(version, 0, 1);
    layout->addWidget(notice, 1, 1);
    layout->addWidget(keys, 2, 1, 1, 2);
    layout->addWidget(ok, 0, 2, Qt::AlignTop);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}
