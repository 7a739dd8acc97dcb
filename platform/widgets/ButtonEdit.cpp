#include "widgets/ButtonEdit.h"

#include "widgets/FieldRules.h"

#include <QAction>
#include <QKeyEvent>
#include <QStyle>

namespace zedera {

ButtonEdit::ButtonEdit(QWidget *parent)
    : QLineEdit(parent),
      m_button(addAction(style()->standardIcon(QStyle::SP_FileDialogContentsView),
                         QLineEdit::TrailingPosition))
{
    m_button->setToolTip(QStringLiteral("F2"));
    connect(m_button, &QAction::triggered, this, [this] {
        if (!isReadOnly() && isEnabled())
            buttonPressed();
    });
}

void ButtonEdit::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F2 && event->modifiers() == Qt::NoModifier) {
        event->accept();
        if (!isReadOnly())
            buttonPressed();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void PickerEdit::setDigitsOnly(bool digitsOnly)
{
    if (digitsOnly)
        makeDigitsOnly(this, 0);
    else
        clearDigitsOnly(this);
}

} // namespace zedera
