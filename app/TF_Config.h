#pragma once

#include <QDialog>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace zedera {

struct Sessao;

// Asks for the database folder and the backup settings when the configuration file lacks them.
// On "Ok" with every field filled the values go to the session; "Cancelar" leaves it as it was.
class TF_Config : public QDialog {
    Q_OBJECT
public:
    explicit TF_Config(Sessao &sessao, QWidget *parent = nullptr);

    // Shows the dialog modally (through the dialog service) for the session.
    static void pedir(Sessao &sessao);

private:
    void b_okClick();

    Sessao &m_sessao;
    QPlainTextEdit *m_ajuda;
    QLineEdit *t_caminho_bd;
    QLineEdit *t_ip;
    QLineEdit *t_caminho_bk;
    QLineEdit *t_caminho_map;
    QPushButton *b_ok;
    QPushButton *b_cancelar;
};

} // namespace zedera
