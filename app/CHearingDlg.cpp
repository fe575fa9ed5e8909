#include "app/CHearingDlg.h"

#include "core/TransmitterCore.h"
#include "service/HearingRun.h"
#include "sound/SoundRouting.h"

#include <algorithm>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

CHearingDlg::CHearingDlg(TransmitterCore& core, SoundRouting* sound, HearingRun& hearing, QWidget* parent)
    : QDialog(parent), core(core), sound(sound), summary(new QLabel(this)), list(new QListWidget(this)),
      checkAgain(new QPushButton(tr("Check again"), this)),
      checks(
          hearing.Runner(), HearingFace::Window, [this](int measureMs) { checkStarted(measureMs); },
          [this](const std::vector<LinkResult>& links) { showLinks(links); })
{
    setObjectName(QStringLiteral("130"));
    setWindowTitle(tr("Why can't I hear it?"));
    summary->setObjectName(QStringLiteral("1051"));
    summary->setWordWrap(true);
    summary->setTextFormat(Qt::PlainText);
    summary->setAccessibleName(tr("Result"));
    list->setObjectName(QStringLiteral("1049"));
    list->setAccessibleName(tr("From the transmitter to the sound, in order"));
    list->setWordWrap(true);
    list->setMinimumWidth(460);
    checkAgain->setObjectName(QStringLiteral("1050"));
    checkAgain->setToolTip(tr("Checks every link and measures the sound going into the transmitter "
                              "for up to 2 seconds"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setObjectName(QStringLiteral("2"));
    buttons->addButton(checkAgain, QDialogButtonBox::ActionRole);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(checkAgain, &QPushButton::clicked, this, [this] { checks.Ask(HearingMeasureMs); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(summary);
    layout->addWidget(list);
    layout->addWidget(buttons);

    connect(&core, &TransmitterCore::changed, this, [this] {
        if (!this->core.HearingFacts().SameFor(checkedFacts))
            checks.Ask();
    });
    if (sound) {
        connect(sound, &SoundRouting::stateChanged, this, [this] { checks.Ask(); });
        connect(sound, &SoundRouting::soundAnnounced, this, [this] { checks.Ask(); });
    }
    checks.Ask(HearingMeasureMs);
}

CHearingDlg::~CHearingDlg()
{
    watchSound(false);
}

void CHearingDlg::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    watchSound(true);
}

void CHearingDlg::hideEvent(QHideEvent* event)
{
    watchSound(false);
    QDialog::hideEvent(event);
}

void CHearingDlg::watchSound(bool on)
{
    if (!sound || on == soundWatched)
        return;
    soundWatched = on;
    if (on)
        sound->WatchSound();
    else
        sound->UnwatchSound();
}

void CHearingDlg::checkStarted(int measureMs)
{
    checkedFacts = core.HearingFacts();
    if (measureMs > 0) {
        summary->setText(tr("Checking, and listening to the sound for up to 2 seconds…"));
        checkAgain->setEnabled(false);
    }
}

void CHearingDlg::showLinks(const std::vector<LinkResult>& links)
{
    const int current = list->currentRow();
    list->clear();
    for (const LinkResult& link : links) {
        //: A line of the hearing check: its verdict (%1, as "OK"), then what it found (%2)
        list->addItem(tr("%1: %2").arg(VerdictLabel(link.verdict), link.words.Translated()));
    }
    // The keyboard and a screen reader land on what to mend.
    const LinkResult* first = FirstBroken(links);
    list->setCurrentRow(first ? int(first - links.data()) : std::max(current, 0));
    const bool levelMeasured = links.back().verdict != LinkVerdict::NotChecked;
    if (first)
        summary->setText(tr("Mend this first: %1").arg(first->words.Translated()));
    else if (levelMeasured)
        summary->setText(tr("Every link holds: tune the radio to the transmitter's frequency."));
    else
        summary->setText(tr("Every link checked holds; \"Check again\" measures the sound too."));
    checkAgain->setEnabled(true);
}
