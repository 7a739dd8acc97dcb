#pragma once

#include <QString>

class QPushButton;
class QWidget;

namespace zedera {

// A push button with an objectName that never becomes the default button: Enter belongs to the
// window's own key rules.
QPushButton *namedButton(QWidget *parent, const QString &name, const QString &text);

} // namespace zedera
