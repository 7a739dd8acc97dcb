#include "widgets/ButtonEdit.h"

#include <QAction>
#include <QKeyEvent>
#include <QRegularExpressionValidator>
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
    if (!digitsOnly) {
        setValidator(nullptr);
        return;
    }
    static const QRegularExpression digits(QStringLiteral("[0-9]*"));
    setValidator(new QRegularExpressionValidator(digits, this));
}

} // namespace zedera
