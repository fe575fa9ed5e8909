#include "skin/CToolTipStyle.h"

#include <QApplication>
#include <QStyleFactory>

namespace {

constexpr int TIP_INITIAL_DELAY_MS = 20;
constexpr int TIP_RESHOW_DELAY_MS = 0;

} // namespace

void CToolTipStyle::Install()
{
    if (qobject_cast<CToolTipStyle*>(QApplication::style()))
        return;
    // A fresh copy of the current style as the base: setStyle deletes the style it replaces.
    QApplication::setStyle(new CToolTipStyle(QStyleFactory::create(QApplication::style()->name())));
}

int CToolTipStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                             QStyleHintReturn* returnData) const
{
    switch (hint) {
    case SH_ToolTip_WakeUpDelay:
        return TIP_INITIAL_DELAY_MS;
    case SH_ToolTip_FallAsleepDelay:
        return TIP_RESHOW_DELAY_MS;
    default:
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
}
