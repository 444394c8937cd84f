#pragma once
// The program's icon, drawn at any size: the same picture as the shipped
// data/ctabber.svg that desktops show (blue tile, keyboard, channel bars).
#include <QIcon>

namespace app::ui {

QIcon programIcon();

}  // namespace app::ui
