#include "UpperCaseEdit.h"

#include <QRegularExpressionValidator>

namespace zedera::registry {

void makeUpperCase(QLineEdit *edit)
{
    QObject::connect(edit, &QLineEdit::textEdited, edit, [edit](const QString &text) {
        const QString upper = text.toUpper();
        if (upper == text)
            return;
        const int cursor = edit->cursorPosition();
        edit->setText(upper);
        edit->setCursorPosition(cursor);
    });
}

void makeDigitsOnly(QLineEdit *edit, int maxLength)
{
    edit->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("\\d{0,%1}").arg(maxLength)), edit));
    edit->setMaxLength(maxLength);
}

void clearDigitsOnly(QLineEdit *edit)
{
    if (auto *v = edit->validator()) {
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

} // namespace zedera::registry
