#pragma once

#include <QProxyStyle>

// The application's style with quick tooltips: a tip shows 20 ms after the pointer comes to rest on its
// tool, and moving to another tool shows that one's tip without a reshow delay.
// Qt asks the tool's own style for these delays and a widget's style does not pass to its children, so the
// style is set for the whole application.
class CToolTipStyle final : public QProxyStyle
{
    Q_OBJECT

public:
    using QProxyStyle::QProxyStyle;

    // Wraps the current application style, once; later calls leave it as it is.
    static void Install();

    int styleHint(StyleHint hint, const QStyleOption* option = nullptr, const QWidget* widget = nullptr,
                  QStyleHintReturn* returnData = nullptr) const override;
};
