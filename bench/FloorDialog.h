#pragma once

#include <QDialog>

// One frameless 475 x 298 masked dialog that opens the transmitter and writes one report as it is made:
// all a start-up needs to do, and nothing else.
class FloorDialog final : public QDialog
{
    Q_OBJECT

public:
    explicit FloorDialog(QWidget* parent = nullptr);
};
