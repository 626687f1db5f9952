#pragma once
#include <QIcon>
#include <QPixmap>

// A toolbar picture of the resources (":/icons/NAME.png" and its "@2x" partner) with
// greyed pictures of its own: grey, pale and half transparent, so a disabled button reads
// as disabled at a glance whatever the style would make of it.
QIcon ToolbarIcon(const char* pszName);
QPixmap DisabledPixmap(const QPixmap& pixmap);
