#pragma once

#include <QDialog>

#include <functional>

class QLineEdit;
class QPushButton;

namespace zedera {

// Enter in a field moves to the next field; in the last one it presses `button`. The dialog's
// buttons stop being default buttons, so Enter never closes a dialog half-filled.
void enterMovesFocus(QDialog &dialog, const QList<QLineEdit *> &fields, QPushButton *button);
// A password field: shown as "*", at most the length the login dialog accepts.
QLineEdit *passwordField(const QString &objectName, QWidget *parent);
// Checks a new password and its confirmation; shows the problem and focuses the field at fault.
bool newPasswordAccepted(QLineEdit *nova, QLineEdit *confirma);

// First start: the users file does not exist yet; the master user's password is asked twice.
class TF_Senha_Master : public QDialog {
    Q_OBJECT
public:
    explicit TF_Senha_Master(QWidget *parent = nullptr);
    QString senha() const;

private:
    void confirmar();

    QLineEdit *m_senha;
    QLineEdit *m_confirma;
};

// Password change of the logged-in user: the current password, then the new one twice.
class TF_Alterar_Senha : public QDialog {
    Q_OBJECT
public:
    explicit TF_Alterar_Senha(const QString &usuario, QWidget *parent = nullptr);

    // Tells whether a text is the user's current password.
    void setChecker(std::function<bool(const QString &)> checker) { m_checker = std::move(checker); }
    // Stores the new password; false with the reason when it could not.
    void setSaver(std::function<bool(const QString &, QString *)> saver) { m_saver = std::move(saver); }

private:
    void confirmar();

    QLineEdit *m_atual;
    QLineEdit *m_nova;
    QLineEdit *m_confirma;
    std::function<bool(const QString &)> m_checker;
    std::function<bool(const QString &, QString *)> m_saver;
};

} // namespace zedera
