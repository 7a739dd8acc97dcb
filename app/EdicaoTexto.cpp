#include "EdicaoTexto.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QValidator>

namespace zedera {

namespace {

// Changes the case while the user types, keeping the cursor where it was.
class ValidadorCaixa : public QValidator {
public:
    ValidadorCaixa(bool maiusculo, QObject *parent) : QValidator(parent), m_maiusculo(maiusculo) {}
    State validate(QString &input, int &) const override
    {
        input = m_maiusculo ? input.toUpper() : input.toLower();
        return Acceptable;
    }

private:
    bool m_maiusculo;
};

class FiltroEnter : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject *alvo, QEvent *evento) override
    {
        if (evento->type() != QEvent::KeyPress)
            return false;
        auto *tecla = static_cast<QKeyEvent *>(evento);
        if ((tecla->key() != Qt::Key_Return && tecla->key() != Qt::Key_Enter)
            || (tecla->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
            return false;
        auto *campo = qobject_cast<QWidget *>(alvo);
        if (!campo)
            return false;
        if (auto *botao = qobject_cast<QAbstractButton *>(campo); botao && !botao->isCheckable())
            return false;
        QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
        QCoreApplication::sendEvent(campo, &tab);
        return true;
    }
};

} // namespace

void campoMaiusculo(QLineEdit *edit, int maxLength)
{
    edit->setValidator(new ValidadorCaixa(true, edit));
    if (maxLength > 0)
        edit->setMaxLength(maxLength);
}

void campoMinusculo(QLineEdit *edit, int maxLength)
{
    edit->setValidator(new ValidadorCaixa(false, edit));
    if (maxLength > 0)
        edit->setMaxLength(maxLength);
}

void campoNumerico(QLineEdit *edit, int maxLength)
{
    edit->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9]{0,%1}").arg(maxLength)), edit));
    edit->setMaxLength(maxLength);
}

QString textoMascarado(const QLineEdit *edit)
{
    const QString texto = edit->text();
    for (const QChar c : texto)
        if (c.isDigit())
            return texto;
    return QStringLiteral(""); // blank, like any other empty field, not NULL
}

bool mascaraCompleta(const QLineEdit *edit)
{
    return edit->hasAcceptableInput();
}

void enterAvancaCampo(QWidget *janela)
{
    auto *filtro = new FiltroEnter(janela);
    const auto filhos = janela->findChildren<QWidget *>();
    for (QWidget *w : filhos)
        if (!qobject_cast<QAbstractButton *>(w) || qobject_cast<QAbstractButton *>(w)->isCheckable())
            w->installEventFilter(filtro);
}

} // namespace zedera
