#include "NamedButton.h"

#include <QPushButton>

namespace zedera {

QPushButton *namedButton(QWidget *parent, const QString &name, const QString &text)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    b->setDefault(false);
    return b;
}

} // namespace zedera
