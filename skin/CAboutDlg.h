#pragma once

#include <QDialog>

// The About box: icon 128, the version line and a one-line notice; OK, Enter and Escape close it.
class CAboutDlg final : public QDialog
{
    Q_OBJECT

public:
    explicit CAboutDlg(QWidget* parent = nullptr);
};
