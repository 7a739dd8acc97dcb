#include "FieldRules.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpressionValidator>

namespace zedera {

namespace {

void changeCaseAsTyped(QLineEdit *edit, bool upper, int maxLength)
{
    QObject::connect(edit, &QLineEdit::textEdited, edit, [edit, upper](const QString &text) {
        const QString changed = upper ? text.toUpper() : text.toLower();
        if (changed == text)
            return;
        const int cursor = edit->cursorPosition();
        edit->setText(changed);
        edit->setCursorPosition(cursor);
    });
    if (maxLength > 0)
        edit->setMaxLength(maxLength);
}

class EnterAsTab : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject *target, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        auto *key = static_cast<QKeyEvent *>(event);
        if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
            || (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
            return false;
        auto *widget = qobject_cast<QWidget *>(target);
        if (!widget)
            return false;
        if (auto *button = qobject_cast<QAbstractButton *>(widget); button && !button->isCheckable())
            return false;
        QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
        QCoreApplication::sendEvent(widget, &tab);
        return true;
    }
};

} // namespace

void makeUpperCase(QLineEdit *edit, int maxLength)
{
    changeCaseAsTyped(edit, true, maxLength);
}

void makeLowerCase(QLineEdit *edit, int maxLength)
{
    changeCaseAsTyped(edit, false, maxLength);
}

void makeDigitsOnly(QLineEdit *edit, int maxLength)
{
    const QString pattern =
        maxLength > 0 ? QStringLiteral("[0-9]{0,%1}").arg(maxLength) : QStringLiteral("[0-9]*");
    edit->setValidator(new QRegularExpressionValidator(QRegularExpression(pattern), edit));
    if (maxLength > 0)
        edit->setMaxLength(maxLength);
}

void clearDigitsOnly(QLineEdit *edit)
{
    if (const QValidator *v = edit->validator()) {
        edit->setValidator(nullptr);
        delete v;
    }
}

QString digitsOf(const QString &text)
{
    QString digits;
    for (QChar c : text)
        if (c.isDigit())
            digits += c;
    return digits;
}

QString maskedText(const QLineEdit *edit)
{
    const QString text = edit->text();
    for (const QChar c : text)
        if (c.isDigit())
            return text;
    return QStringLiteral(""); // blank, like any other empty field, not NULL
}

bool maskFilled(const QLineEdit *edit)
{
    return edit->hasAcceptableInput();
}

void enterActsAsTab(QWidget *window)
{
    auto *filter = new EnterAsTab(window);
    const auto children = window->findChildren<QWidget *>();
    for (QWidget *w : children)
        if (!qobject_cast<QAbstractButton *>(w) || qobject_cast<QAbstractButton *>(w)->isCheckable())
            w->installEventFilter(filter);
}

} // namespace zedera
