#pragma once
// The program's style: the platform's own, except for the tool bar's overflow chevron,
// which is drawn here. Qt's stock chevron is an image file, and asking for it makes Qt
// try every image-format plug-in at start-up, a few milliseconds for one icon nobody sees
// on a tool bar that never overflows.
#include <QProxyStyle>

class VemoxStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    QIcon standardIcon(StandardPixmap which, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};
